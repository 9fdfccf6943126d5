// TspSkinCheckRadioBox: the flat look (over the parent's background) and the framed
// look (the element's picture with a cross-fade), each from the skin or built in.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/core/SPUtils.h"
#include "platform/gdi/Text.h"

bool TspSkinCheckRadioBox::HasValidImage() const {
  return FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
}

void TspSkinCheckRadioBox::Paint() {
  if (Width() < 1 || Height() < 1) return;
  if (FFlat) {
    GetSkinData();
    TBitmap Image;
    Image.SetSize(Width(), Height());
    PaintParentBackground(this, Image.Canvas());
    if (FIndex == -1)
      CreateControlDefaultImage(Image);
    else
      DrawFlatSkin(Image);
    Canvas().Draw(0, 0, Image);
    return;
  }
  RefreshGeometry();
  if (FIndex == -1) {
    TspSkinCustomControl::Paint();
    return;
  }
  TBitmap Image;
  const bool Active = IsActive();
  if (MorphPossible() && FMorphKf > 0 && FMorphKf < 1) {
    TBitmap ActiveImage;
    CreateStateImage(Image, false);
    CreateStateImage(ActiveImage, true);
    MorphBitmapByKind(Image, ActiveImage, FMorphKf, MorphKind);
  } else {
    CreateStateImage(Image, Active);
  }
  DrawControlImage(Image);
}

// ---------------------------------------------------------------- built in

void TspSkinCheckRadioBox::DrawBuiltInBox(TCanvas& ACanvas) {
  const int Middle = Height() / 2;
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Brush().SetColor(FMouseIn ? clNavy : clBtnShadow);
  ACanvas.FrameRect(Rect(3, Middle - 7, 17, Middle + 7));
  if (FState == cbGrayed && !FRadio) {
    DrawCheckMark(ACanvas, 7, Middle - 4, clGrayText);
  } else if (FState == cbChecked) {
    const TColor Mark = Enabled() ? clBlack : clBtnShadow;
    if (FRadio)
      DrawRadioMark(ACanvas, 7, Middle - 3, Mark);
    else
      DrawCheckMark(ACanvas, 7, Middle - 4, Mark);
  }
}

// The flat built-in look over the parent's background, or the framed one on clBtnFace.
void TspSkinCheckRadioBox::CreateControlDefaultImage(TBitmap& ABitmap) {
  TCanvas& C = ABitmap.Canvas();
  ApplyDefaultFont(C.Font());
  if (!Enabled()) C.Font().SetColor(clBtnShadow);
  if (FFlat) {
    C.Brush().SetStyle(bsClear);
    DrawFlatCaption(C, 22, 5, clBtnFace);
  } else {
    TspSkinCustomControl::CreateControlDefaultImage(ABitmap);
    if (IsActive()) {
      C.Brush().SetColor(clBtnShadow);
      C.FrameRect(Rect(0, 0, Width(), Height()));
    }
    C.Brush().SetStyle(bsClear);
    DrawVCenteredText(C, Caption(), Rect(19, 0, Width(), Height()));
  }
  DrawBuiltInBox(C);
}

// ---------------------------------------------------------------- the flat caption

void TspSkinCheckRadioBox::DrawFlatCaption(TCanvas& ACanvas, int ATextLeft, int AImageGap,
                                           TColor AFocusFill) {
  const String Text = Caption();
  const bool HasImage = HasValidImage();
  const int ImageWidth = HasImage ? FImages->Width() : 0;
  const int ImageHeight = HasImage ? FImages->Height() : 0;
  TRect TextRect;
  if (FWordWrap) {
    TextRect = Rect(ATextLeft + ImageWidth, 0, Width(), Height());
    TRect Measured = TextRect;
    DrawWideText(ACanvas, Text, Measured, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    TextRect.Top = std::max(0, Height() / 2 - RectangleHeight(Measured) / 2);
    TextRect.Bottom = TextRect.Top + RectangleHeight(Measured);
    if (HasImage) FImages->Draw(ACanvas, ATextLeft, Height() / 2 - ImageHeight / 2, FImageIndex, Enabled());
    DrawWideText(ACanvas, Text, TextRect, DT_EXPANDTABS | DT_WORDBREAK);
  } else {
    TRect Measured = Rect(0, 0, 0, 0);
    DrawWideText(ACanvas, Text, Measured, DT_CALCRECT | DT_SINGLELINE);
    const int TextHeight = RectangleHeight(Measured);
    TextRect = Bounds(ATextLeft, Height() / 2 - TextHeight / 2, RectangleWidth(Measured), TextHeight);
    if (HasImage) {
      FImages->Draw(ACanvas, TextRect.Left, Height() / 2 - ImageHeight / 2, FImageIndex, Enabled());
      OffsetRect(TextRect, ImageWidth + AImageGap, 0);
    }
    TextRect.Right = std::min(TextRect.Right, Width() - 2);
    DrawVCenteredText(ACanvas, Text, TextRect);
  }
  if (!(FCanFocused && Focused())) return;
  TRect Focus;
  if (!Text.empty())
    Focus = FWordWrap ? Rect(TextRect.Left - 2, TextRect.Top - 1, TextRect.Right + 2, TextRect.Bottom + 1)
                      : Rect(TextRect.Left - 2, TextRect.Top - 1, TextRect.Right + 3, TextRect.Bottom + 1);
  else if (HasImage)
    Focus = Bounds(ATextLeft - 1, Height() / 2 - ImageHeight / 2 - 1, ImageWidth + 2, ImageHeight + 2);
  else
    return;
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Brush().SetColor(AFocusFill);
  DrawDottedFocusRect(ACanvas, Focus);
  ACanvas.Brush().SetStyle(bsClear);
}

// ---------------------------------------------------------------- skin

// The box picture for the state: hot with the pointer in, the disabled pictures when
// disabled; a grayed box shows the skin's grayed picture, else its check picture at half
// brightness.
void TspSkinCheckRadioBox::DrawSkinBox(TCanvas& ACanvas, int AX, int AY) {
  if (!Picture) return;
  const bool Hot = Enabled() && FMouseIn;
  TRect Source;
  if (!Enabled())
    Source = FState == cbUnchecked ? UnEnabledUnCheckImageRect : UnEnabledCheckImageRect;
  else if (Hot)
    Source = FState == cbUnchecked ? ActiveUnCheckImageRect : ActiveCheckImageRect;
  else
    Source = FState == cbUnchecked ? UnCheckImageRect : CheckImageRect;
  bool HalfBright = false;
  if (FState == cbGrayed) {
    if (RectangleIsEmpty(GrayedCheckImageRect))
      HalfBright = true;
    else
      Source = FMouseIn && !RectangleIsEmpty(ActiveGrayedCheckImageRect) ? ActiveGrayedCheckImageRect
                                                                         : GrayedCheckImageRect;
  }
  if (RectangleIsEmpty(Source)) return;
  TBitmap Box;
  CutSkinPiece(Box, *Picture, Source);
  if (HalfBright) {
    TspEffectBmp Dimmed(Box.Handle());
    Dimmed.ChangeBrightness(0.5);
    Dimmed.Draw(Box.Canvas().Handle(), 0, 0);
  }
  Box.SetTransparent(true);
  ACanvas.Draw(AX, AY, Box);
}

void TspSkinCheckRadioBox::DrawFlatSkin(TBitmap& ABitmap) {
  TCanvas& C = ABitmap.Canvas();
  const int CheckWidth = RectangleWidth(CheckImageRect), CheckHeight = RectangleHeight(CheckImageRect);
  DrawSkinBox(C, 3, Height() / 2 - CheckHeight / 2);
  ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
  if (!UseSkinFontColor)
    C.Font().SetColor(DefaultFont().Color());
  else
    C.Font().SetColor(Enabled() ? FrameFontColor : UnEnabledFontColor);
  C.Brush().SetStyle(bsClear);
  DrawFlatCaption(C, CheckWidth + 7, 8, SkinData()->SkinColors().cBtnFace);
}

// One picture of the framed skin look: the element (normal or active) at the control's
// size, the box and the caption in the text area.
void TspSkinCheckRadioBox::CreateStateImage(TBitmap& ABitmap, bool AActive) {
  ABitmap.SetSize(Width(), Height());
  CreateSkinImage(ABitmap, Picture, AActive ? ActiveSkinRect : SkinRect);
  TCanvas& C = ABitmap.Canvas();
  const int CheckHeight = RectangleHeight(CheckImageRect);
  DrawSkinBox(C, CIRect.Left, CIRect.Top + RectangleHeight(CIRect) / 2 - CheckHeight / 2);
  ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
  C.Font().SetColor(!Enabled() ? UnEnabledFontColor : (AActive ? ActiveFontColor : FontColor));
  C.Brush().SetStyle(bsClear);
  DrawVCenteredText(C, Caption(), NewTextArea);
}
