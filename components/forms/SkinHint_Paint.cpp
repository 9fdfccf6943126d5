// The hint window's paint: the skin's hint picture composed to the window's size, or
// the built-in look, then the text, or the title, picture and text, in one blit.

#include "components/controls/SkinCtrls.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinHint.h"
#include "platform/gdi/Text.h"

namespace {

constexpr unsigned HintPaintTextFlags = DT_LEFT | DT_TOP | DT_NOPREFIX | DT_WORDBREAK;

// The text in a rectangle as wide as it was measured, so it breaks where it did.
void DrawHintText(TCanvas& ACanvas, const String& AText, int AX, int AY, int ATextWidth, int ABottom) {
  TRect Place = Rect(AX, AY, AX + ATextWidth, ABottom);
  DrawWideText(ACanvas, AText, Place, HintPaintTextFlags);
}

}  // namespace

void TspSkinHintWindow::Paint() {
  if (!FspHint) return;
  TBitmap DrawBuffer;
  DrawBuffer.SetSize(Width(), Height());
  TCanvas& C = DrawBuffer.Canvas();
  if (FSD)
    PaintSkinBackground(C);
  else
    PaintDefaultBackground(C);
  ApplyHintFont(C.Font());
  C.Font().SetColor(FSD ? FSD->HintWindow->FontColor : clInfoText);
  C.Brush().SetStyle(bsClear);
  if (AExtendedStyle)
    PaintExtended(C);
  else
    PaintPlainText(C);
  Canvas().Draw(0, 0, DrawBuffer);
}

void TspSkinHintWindow::PaintSkinBackground(TCanvas& ACanvas) {
  const TspDataSkinHintWindow& D = *FSD->HintWindow;
  TBitmap& Picture = *FSD->Picture(D.WindowPictureIndex);
  TBitmap Composed;
  ComposeSkinImage(
      Composed, Picture,
      SkinImageGeometry(D, D.ClRect, Rect(0, 0, Picture.Width(), Picture.Height()),
                        TspSkinImageTargets{NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect}),
      Width(), Height(), true);
  ACanvas.Draw(0, 0, Composed);
}

void TspSkinHintWindow::PaintDefaultBackground(TCanvas& ACanvas) {
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Brush().SetColor(clInfoBk);
  ACanvas.FillRect(ClientRect());
  ACanvas.Brush().SetColor(clGrayText);
  ACanvas.FrameRect(ClientRect());
}

// With the skin the text's measured block is centred in the frame's client area; the
// built-in look starts it 2 pixels in.
void TspSkinHintWindow::PaintPlainText(TCanvas& ACanvas) {
  const TSize Text = MeasureText(ACanvas, Caption(), FTextWidth);
  if (!FSD) return DrawHintText(ACanvas, Caption(), 2, 2, Width() - 4, Height() - 2);
  const int X = NewClRect.Left + NewClRect.Width() / 2 - Text.cx / 2;
  const int Y = NewClRect.Top + NewClRect.Height() / 2 - Text.cy / 2;
  DrawHintText(ACanvas, Caption(), X, Y, FTextWidth, Y + Text.cy);
}

// The bold title at the top-left of the inner area, the picture at its left under the
// title (or centred without one), the text beside the picture and under the title.
void TspSkinHintWindow::PaintExtended(TCanvas& ACanvas) {
  const TRect Inner = FSD ? Rect(NewClRect.Left + 5, NewClRect.Top, NewClRect.Right, NewClRect.Bottom)
                          : Rect(2, 2, Width() - 2, Height() - 2);
  int TitleHeight = 0;
  if (!FHintTitle.empty()) {
    const TFontStyles Saved = ACanvas.Font().Style();
    ACanvas.Font().SetStyle(TFontStyles{fsBold});
    TitleHeight = WideTextHeight(ACanvas, FHintTitle);
    TRect Place = Rect(Inner.Left, Inner.Top, Inner.Right, Inner.Top + TitleHeight);
    DrawWideText(ACanvas, FHintTitle, Place, DT_LEFT | DT_TOP | DT_NOPREFIX);
    ACanvas.Font().SetStyle(Saved);
  }
  const bool HasTitle = !FHintTitle.empty();
  const int A = HasTitle ? TitleHeight + 5 : 0;
  int TextX = Inner.Left;
  if (HasPicture()) {
    const int ImageY =
        HasTitle ? (FSD ? Inner.Top + A : A) : Inner.Top + Inner.Height() / 2 - FImageList->Height() / 2;
    FImageList->Draw(ACanvas, Inner.Left, ImageY, FImageIndex, true);
    TextX = FSD ? Inner.Left + FImageList->Width() + 5 : Inner.Left + FImageList->Width() + 7;
  }
  const TSize Text = MeasureText(ACanvas, Caption(), FTextWidth);
  int TextY = Inner.Top;
  if (HasTitle)
    TextY = Inner.Top + A;
  else if (FSD)
    TextY = Inner.Top + Inner.Height() / 2 - Text.cy / 2;
  DrawHintText(ACanvas, Caption(), TextX, TextY, FTextWidth, TextY + Text.cy);
}
