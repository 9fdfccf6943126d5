#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "components/controls/SkinExCtrls.h"
#include "components/core/spEffBmp.h"
#include "platform/base/ShellOpen.h"
#include "platform/gdi/Text.h"

TspSkinLinkLabel::TspSkinLinkLabel(TComponent* AOwner) : TCustomLabel(AOwner) {
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  FDefaultFont.SetStyle({fsUnderline});
  SetTransparent(true);
  SetFont(FDefaultFont);
  SetCursor(crHandPoint);
}

TspSkinLinkLabel::~TspSkinLinkLabel() = default;

void TspSkinLinkLabel::SetSkinData(TspSkinData* AValue) {
  if (FSD) FSD->RemoveFreeNotification(this);
  FSD = AValue;
  if (!FSD) return;
  FSD->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinLinkLabel::ChangeSkinData() {
  FIndex = FindStdLabelElement(FSD, SkinDataName, FSkinFont);
  Repaint();
}

void TspSkinLinkLabel::SetUseUnderLine(bool AValue) {
  if (FUseUnderLine == AValue) return;
  FUseUnderLine = AValue;
  Repaint();
}

void TspSkinLinkLabel::Click() {
  TCustomLabel::Click();
  if (!URL.empty()) ShellOpen(URL);
}

void TspSkinLinkLabel::Notification(TComponent* AComponent, TOperation AOperation) {
  TCustomLabel::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FSD) FSD = nullptr;
}

void TspSkinLinkLabel::PrepareFont(TCanvas& ACanvas, bool AUnderline) {
  TFont& Font = ACanvas.Font();
  if (FIndex == -1) {
    Font.Assign(UseSkinFont ? FDefaultFont : TCustomLabel::Font());
    if (FMouseIn) Font.SetColor(DefaultActiveFontColor);
  } else {
    if (UseSkinFont)
      SetCanvasFontFace(ACanvas, FSkinFont);
    else
      Font.Assign(TCustomLabel::Font());
    Font.SetColor(FMouseIn && !GlowEffect ? FSkinFont.ActiveFontColor : FSkinFont.FontColor);
  }
  Font.SetCharset(SkinTextCharset(FSD, FDefaultFont));
  TFontStyles Style = Font.Style();
  if (AUnderline)
    Style.Include(fsUnderline);
  else
    Style.Exclude(fsUnderline);
  Font.SetStyle(Style);
}

void TspSkinLinkLabel::DoDrawText(TRect& ARect, unsigned AFlags) {
  FIndex = FindStdLabelElement(FSD, SkinDataName, FSkinFont);
  String Text = GetLabelText();
  if ((AFlags & DT_CALCRECT) && (Text.empty() || (ShowAccelChar() && Text == "&"))) Text += " ";
  if (!ShowAccelChar()) AFlags |= DT_NOPREFIX;
  TCanvas& Surface = Canvas();
  const bool Skinned = FIndex != -1;
  if (AFlags & DT_CALCRECT) {
    // Measuring reports the text's extent, lowered by the glow's room, so that an
    // auto-sized link fits its text.
    PrepareFont(Surface, FUseUnderLine);
    DrawText(Surface.Handle(), Text, ARect, AFlags);
    if (GlowEffect) ARect.Bottom += GlowSize;
    return;
  }
  TRect R = ARect;
  if (GlowEffect) OffsetRect(R, 0, GlowSize);
  if (!Enabled()) {
    PrepareFont(Surface, !Skinned || FUseUnderLine);
    DrawDisabledLabelText(Surface, Text, R, AFlags, Skinned ? &FSD->SkinColors() : nullptr);
    return;
  }
  PrepareFont(Surface, FUseUnderLine);
  if (FMouseIn && GlowEffect) {
    const TColor GlowColor = Skinned ? FSkinFont.ActiveFontColor : DefaultActiveFontColor;
    DrawGlowText(Surface, R, Text, GlowSize, GlowColor, 0, AFlags);
    return;
  }
  HDC DC = Surface.Handle();
  SetTextColor(DC, ColorToRGB(Surface.Font().Color()));
  DrawText(DC, Text, R, AFlags);
}

void TspSkinLinkLabel::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(AMessage); break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    default: TCustomLabel::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinLinkLabel::CMMouseEnter(TMessage& AMessage) {
  TCustomLabel::Dispatch(AMessage);
  SetMouseIn(true);
}

void TspSkinLinkLabel::CMMouseLeave(TMessage& AMessage) {
  TCustomLabel::Dispatch(AMessage);
  SetMouseIn(false);
}

void TspSkinLinkLabel::SetMouseIn(bool AValue) {
  if (ComponentState().Contains(csDesigning)) return;
  FMouseIn = AValue;
  Repaint();
}
