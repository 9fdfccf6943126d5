// TspSkinScrollBar: the built-in flat look and the skin look of the buttons and the
// thumb. A disabled bar draws no thumb.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/core/SPUtils.h"

namespace {
enum { ScrollPaintThumb = 0, ScrollPaintUp = 1, ScrollPaintDown = 2 };
}  // namespace

void TspSkinScrollBar::CreateControlDefaultImage(TBitmap& ABitmap) {
  CalcRects();
  TCanvas& C = ABitmap.Canvas();
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clBtnFace);
  C.FillRect(Rect(0, 0, Width(), Height()));
  DrawBuiltInPart(C, ScrollPaintUp);
  DrawBuiltInPart(C, ScrollPaintDown);
  if (Enabled()) DrawBuiltInPart(C, ScrollPaintThumb);
}

void TspSkinScrollBar::CreateControlSkinImage(TBitmap& ABitmap) {
  TspSkinCustomControl::CreateControlSkinImage(ABitmap);
  CalcRects();
  if (!Picture) return;
  DrawSkinButton(ABitmap.Canvas(), ScrollPaintUp);
  DrawSkinButton(ABitmap.Canvas(), ScrollPaintDown);
  if (Enabled()) DrawSkinThumb(ABitmap);
}

void TspSkinScrollBar::DrawBuiltInPart(TCanvas& ACanvas, int APart) {
  const TScrollPart& Part = Buttons[APart];
  bool Pressed = Part.Down && Part.MouseIn;
  if (APart == ScrollPaintThumb) Pressed = Part.Down || (FCanFocused && Focused());
  if (Pressed)
    DrawFramedPart(ACanvas, Part.R, BuiltInPartFrame, BuiltInPressedFill);
  else if (Part.MouseIn)
    DrawFramedPart(ACanvas, Part.R, BuiltInPartFrame, BuiltInHotFill);
  else
    DrawFramedPart(ACanvas, Part.R, clBtnShadow, clBtnFace);
  if (APart == ScrollPaintThumb) return;
  // Arrows: 1 left, 2 right, 3 up, 4 down; the up button points toward Max.
  const bool Up = APart == ScrollPaintUp;
  const int Direction = IsVertical() ? (Up ? 4 : 3) : (Up ? 2 : 1);
  DrawArrow(ACanvas, Part.R, clBlack, Direction);
}

// The normal look of an arrow button is part of the bar's own picture: only the hot and
// pressed ones are drawn over it.
void TspSkinScrollBar::DrawSkinButton(TCanvas& ACanvas, int APart) {
  const TScrollPart& Part = Buttons[APart];
  const bool Up = APart == ScrollPaintUp;
  TRect Source;
  if (Part.Down && Part.MouseIn)
    Source = Up ? DownUpButtonRect : DownDownButtonRect;
  else if (Part.MouseIn)
    Source = Up ? ActiveUpButtonRect : ActiveDownButtonRect;
  if (RectangleIsEmpty(Source)) return;
  ACanvas.CopyRect(Part.R, Picture->Canvas(), Source);
}

void TspSkinScrollBar::DrawSkinThumb(TBitmap& AImage) {
  const TScrollPart& Thumb = Buttons[ScrollPaintThumb];
  const bool Pressed = Thumb.Down || (FCanFocused && Focused());
  const TRect Source = Pressed ? DownThumbRect : (Thumb.MouseIn ? ActiveThumbRect : ThumbRect);
  const TRect Glyph = Pressed ? DownGlyphRect : (Thumb.MouseIn ? ActiveGlyphRect : GlyphRect);
  const int ThumbWidth = RectangleWidth(Thumb.R), ThumbHeight = RectangleHeight(Thumb.R);
  if (ThumbWidth < 1 || ThumbHeight < 1 || RectangleIsEmpty(Source)) return;
  TBitmap Part;
  if (FPageSize != 0 || ThumbMinPageSize != 0) {
    if (IsVertical())
      CreateVSkinImage(ThumbOffset1, ThumbOffset2, Part, *Picture, Source, ThumbWidth, ThumbHeight,
                       ThumbStretchEffect);
    else
      CreateHSkinImage(ThumbOffset1, ThumbOffset2, Part, *Picture, Source, ThumbWidth, ThumbHeight,
                       ThumbStretchEffect);
  } else {
    Part.SetSize(ThumbWidth, ThumbHeight);
    Part.Canvas().CopyRect(Rect(0, 0, ThumbWidth, ThumbHeight), Picture->Canvas(), Source);
  }
  if (!RectangleIsEmpty(Glyph)) {
    TBitmap Grip;
    CutSkinPiece(Grip, *Picture, Glyph);
    if (GlyphTransparent) {
      Grip.SetTransparentColor(GlyphTransparentColor);
      Grip.SetTransparent(true);
    }
    Part.Canvas().Draw(Part.Width() / 2 - Grip.Width() / 2, Part.Height() / 2 - Grip.Height() / 2, Grip);
  }
  if (AlphaBlend()) BlendPartOver(Part, AImage, Thumb.R.Left, Thumb.R.Top, AlphaBlendValue());
  if (ThumbTransparent) {
    Part.SetTransparentColor(ThumbTransparentColor);
    Part.SetTransparent(true);
  }
  AImage.Canvas().Draw(Thumb.R.Left, Thumb.R.Top, Part);
}
