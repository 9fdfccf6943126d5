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

  HDC DC = Surface.Handle();
  if (Enabled()) {
    SetTextColor(DC, ColorToRGB(Font.Color()));
    DrawText(DC, Text, ARect, AFlags);
    return;
  }
  const TspSkinColors* Colors = Skinned ? &FSD->SkinColors() : nullptr;
  OffsetRect(ARect, 1, 1);
  SetTextColor(DC, ColorToRGB(Colors ? Colors->cBtnHighLight : clBtnHighlight));
  DrawText(DC, Text, ARect, AFlags);
  OffsetRect(ARect, -1, -1);
  SetTextColor(DC, ColorToRGB(Colors ? Colors->cBtnShadow : clBtnShadow));
  DrawText(DC, Text, ARect, AFlags);
}
