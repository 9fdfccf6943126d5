#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_LabelFontInternal.h"

TspSkinButtonLabel::TspSkinButtonLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  ControlStyle.Include(csSetCaption);
  ControlStyle.Exclude(csOpaque);
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  SetBounds(Left(), Top(), 100, 50);
}

void TspSkinButtonLabel::ChangeSkinData() {
  FIndex = FindStdLabelElement(FSD, SkinDataName, FSkinFont);
  Repaint();
}

void TspSkinButtonLabel::SetSkinData(TspSkinData* AValue) {
  if (FSD) FSD->RemoveFreeNotification(this);
  FSD = AValue;
  if (!FSD) return;
  FSD->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinButtonLabel::SetGlyph(const TBitmap& AValue) {
  FGlyph.Assign(AValue);
  Repaint();
}

void TspSkinButtonLabel::SetNumGlyphs(int AValue) {
  if (AValue < 1 || AValue > 4) return;
  FNumGlyphs = AValue;
  Repaint();
}

void TspSkinButtonLabel::SetMargin(int AValue) {
  if (AValue < -1 || AValue == FMargin) return;
  FMargin = AValue;
  Repaint();
}

void TspSkinButtonLabel::SetSpacing(int AValue) {
  if (AValue == FSpacing) return;
  FSpacing = AValue;
  Repaint();
}

void TspSkinButtonLabel::SetLayout(TspButtonLayout AValue) {
  if (AValue == FLayout) return;
  FLayout = AValue;
  Repaint();
}

void TspSkinButtonLabel::SetImageList(TCustomImageList* AValue) { ReplaceNotified(FImageList, AValue); }

void TspSkinButtonLabel::SetImageIndex(int AValue) {
  if (AValue == FImageIndex) return;
  FImageIndex = AValue;
  Repaint();
}

void TspSkinButtonLabel::SetDefaultFont(const TFont& AValue) {
  FDefaultFont.Assign(AValue);
  Repaint();
}

void TspSkinButtonLabel::SetDoubleBuffered(bool AValue) {
  FDoubleBuffered = AValue;
  if (AValue)
    ControlStyle.Include(csOpaque);
  else
    ControlStyle.Exclude(csOpaque);
}

void TspSkinButtonLabel::Notification(TComponent* AComponent, TOperation AOperation) {
  TGraphicControl::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FImageList) FImageList = nullptr;
}

int TspSkinButtonLabel::GlyphFrame() const {
  if (FDown && FMouseIn && FNumGlyphs > 2) return 3;
  if (FMouseIn && FNumGlyphs > 3) return 4;
  if (Enabled() || FNumGlyphs < 2) return 1;
  return 2;
}

void TspSkinButtonLabel::Paint() {
  if (!FDoubleBuffered) {
    DrawContent(Canvas());
    return;
  }
  TBitmap Buffer;
  Buffer.SetSize(Width(), Height());
  PaintParentBackground(this, Buffer.Canvas());
  DrawContent(Buffer.Canvas());
  Canvas().Draw(0, 0, Buffer);
}

void TspSkinButtonLabel::DrawContent(TCanvas& ACanvas) {
  const bool Skinned = FIndex != -1;
  TFont& Font = ACanvas.Font();
  if (!Skinned) {
    Font.Assign(FDefaultFont);
    if (FMouseIn) Font.SetColor(DefaultActiveFontColor);
  } else {
    Font.Assign(FDefaultFont);
    if (UseSkinFont) SetCanvasFontFace(ACanvas, FSkinFont);
    Font.SetColor(FMouseIn && !GlowEffect ? FSkinFont.ActiveFontColor : FSkinFont.FontColor);
  }
  Font.SetCharset(SkinTextCharset(FSD, FDefaultFont));
  const TColor GlowColor = UseCustomGlowColor || !Skinned ? CustomGlowColor : FSkinFont.ActiveFontColor;
  if (WebStyle) {
    TFontStyles Style = Font.Style();
    if (FMouseIn)
      Style.Include(fsUnderline);
    else
      Style.Exclude(fsUnderline);
    Font.SetStyle(Style);
  }
  int Image = -1;
  if (FImageList && FMouseIn && ActiveImageIndex >= 0 && ActiveImageIndex < FImageList->Count())
    Image = ActiveImageIndex;
  else if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count())
    Image = FImageIndex;
  if (!Enabled()) Font.SetColor(Skinned ? FSD->SkinColors().cBtnShadow : clGray);
  ACanvas.Brush().SetStyle(bsClear);

  const TRect R = ClientRect();
  const bool Glowing = GlowEffect && FMouseIn && Enabled();
  if (Image == -1 && Glowing)
    DrawEffectGlyphAndText(ACanvas, R, FMargin, FSpacing, FLayout, Caption(), &FGlyph, FNumGlyphs,
                           GlyphFrame(), false, false, 0, GlowColor, GlowSize);
  else if (Image == -1)
    DrawGlyphAndText(ACanvas, R, FMargin, FSpacing, FLayout, Caption(), &FGlyph, FNumGlyphs, GlyphFrame(),
                     false, false, 0);
  else if (Glowing)
    DrawEffectImageAndText(ACanvas, R, FMargin, FSpacing, FLayout, Caption(), Image, FImageList, false,
                           Enabled(), false, 0, GlowColor, GlowSize);
  else
    DrawImageAndText(ACanvas, R, FMargin, FSpacing, FLayout, Caption(), Image, FImageList, false, Enabled(),
                     false, 0);
}

void TspSkinButtonLabel::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(AMessage); break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    case CM_TEXTCHANGED: CMTextChanged(AMessage); break;
    default: TGraphicControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinButtonLabel::CMMouseEnter(TMessage& AMessage) {
  TGraphicControl::Dispatch(AMessage);
  if (ComponentState().Contains(csDesigning) || !Enabled()) return;
  FMouseIn = true;
  Repaint();
}

void TspSkinButtonLabel::CMMouseLeave(TMessage& AMessage) {
  TGraphicControl::Dispatch(AMessage);
  if (ComponentState().Contains(csDesigning) || !Enabled()) return;
  FMouseIn = false;
  Repaint();
}

void TspSkinButtonLabel::CMTextChanged(TMessage& AMessage) {
  TGraphicControl::Dispatch(AMessage);
  Repaint();
}

void TspSkinButtonLabel::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TGraphicControl::MouseDown(AButton, AShift, AX, AY);
  FDown = true;
  if (!WebStyle) Repaint();
}

void TspSkinButtonLabel::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TGraphicControl::MouseUp(AButton, AShift, AX, AY);
  FDown = false;
  if (!WebStyle) Repaint();
}

// While pressed, the label itself tells when the pointer leaves and comes back: the
// captured mouse does not pass over other controls.
void TspSkinButtonLabel::MouseMove(TShiftState AShift, int AX, int AY) {
  TGraphicControl::MouseMove(AShift, AX, AY);
  if (!FDown) return;
  const bool Outside = AX < 0 || AY < 0 || AX > Width() || AY > Height();
  if (Outside && FMouseIn)
    Perform(CM_MOUSELEAVE, 0, 0);
  else if (!Outside && !FMouseIn)
    Perform(CM_MOUSEENTER, 0, 0);
}
