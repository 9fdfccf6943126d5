#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "platform/gdi/Text.h"

TspSkinStdLabel::TspSkinStdLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  SetTransparent(true);
}

void TspSkinStdLabel::GetSkinData() { FIndex = FindStdLabelElement(FSD, SkinDataName, FSkinFont); }

void TspSkinStdLabel::ChangeSkinData() {
  GetSkinData();
  if (AutoSize()) AdjustBounds();
  Repaint();
}

void TspSkinStdLabel::SetSkinData(TspSkinData* AValue) {
  if (FSD) FSD->RemoveFreeNotification(this);
  FSD = AValue;
  if (!FSD) return;
  FSD->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinStdLabel::SetEllipsType(TspEllipsType AValue) {
  if (FEllipsType == AValue) return;
  FEllipsType = AValue;
  Invalidate();
}

void TspSkinStdLabel::Notification(TComponent* AComponent, TOperation AOperation) {
  TCustomLabel::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FSD) FSD = nullptr;
}

void TspSkinStdLabel::DoDrawText(TRect& ARect, unsigned AFlags) {
  GetSkinData();
  String Text = GetLabelText();
  if ((AFlags & DT_CALCRECT) && (Text.empty() || (ShowAccelChar() && Text == "&"))) Text += " ";
  if (!ShowAccelChar()) AFlags |= DT_NOPREFIX;
  const unsigned EllipsisFlags[] = {0, DT_END_ELLIPSIS, DT_PATH_ELLIPSIS};
  AFlags |= EllipsisFlags[FEllipsType];

  TCanvas& Surface = Canvas();
  TFont& Font = Surface.Font();
  const bool Skinned = FIndex != -1;
  Font.Assign(UseSkinFont && !Skinned ? FDefaultFont : TCustomLabel::Font());
  if (Skinned && UseSkinFont) SetCanvasFontFace(Surface, FSkinFont);
  if (Skinned && UseSkinColor) Font.SetColor(FSkinFont.FontColor);
  Font.SetCharset(SkinTextCharset(FSD, FDefaultFont));

  // Measuring (DT_CALCRECT) reports the extent into ARect, disabled or not.
  if (!Enabled() && !(AFlags & DT_CALCRECT)) {
    DrawDisabledLabelText(Surface, Text, ARect, AFlags, Skinned ? &FSD->SkinColors() : nullptr);
    return;
  }
  HDC DC = Surface.Handle();
  SetTextColor(DC, ColorToRGB(Font.Color()));
  DrawText(DC, Text, ARect, AFlags);
}
