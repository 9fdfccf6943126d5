// The hint window's font and its size for the text, the title and the picture, with
// the skin's hint frame around them or the built-in border.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinHint.h"
#include "platform/gdi/Text.h"

namespace {

constexpr unsigned HintLayoutTextFlags = DT_LEFT | DT_NOPREFIX;

// The title is drawn bold, so it is measured bold.
TSize HintLayoutTitleSize(TCanvas& ACanvas, const String& ATitle) {
  if (ATitle.empty()) return {};
  const TFontStyles Saved = ACanvas.Font().Style();
  ACanvas.Font().SetStyle(TFontStyles{fsBold});
  const TSize Result{WideTextWidth(ACanvas, ATitle), WideTextHeight(ACanvas, ATitle)};
  ACanvas.Font().SetStyle(Saved);
  return Result;
}

}  // namespace

void TspSkinHintWindow::ApplyHintFont(TFont& AFont) const {
  if (FSD && FspHint->UseSkinFont) {
    const TspDataSkinHintWindow& Description = *FSD->HintWindow;
    AFont.SetHeight(Description.FontHeight);
    AFont.SetName(Description.FontName);
    AFont.SetStyle(Description.FontStyle);
  } else {
    AFont.Assign(FspHint->DefaultFont());
  }
  const TspSkinData* Skin = FspHint->SkinData();
  AFont.SetCharset(Skin && Skin->ResourceStrData() ? Skin->ResourceStrData()->CharSet()
                                                   : FspHint->DefaultFont().Charset());
}

bool TspSkinHintWindow::HasPicture() const {
  return FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count();
}

TSize TspSkinHintWindow::MeasureText(TCanvas& ACanvas, const String& AText, int ALimit) const {
  if (AText.empty()) return {};
  TRect Extent = Rect(0, 0, ALimit, 0);
  DrawWideText(ACanvas, AText, Extent, HintLayoutTextFlags | DT_CALCRECT | (ALimit > 0 ? DT_WORDBREAK : 0));
  return {Extent.Width(), Extent.Height()};
}

// The window's size for the text as written, broken only at its own lines; when that
// window would be wider than AMaxWidth, the text is measured again, wrapped at the
// width the frame leaves.
TSize TspSkinHintWindow::CalcWindowSize(int AMaxWidth) {
  TBitmap Measure;
  Measure.SetSize(1, 1);
  ApplyHintFont(Measure.Canvas().Font());
  auto SizeFor = [&](int ALimit) {
    return AExtendedStyle ? CalcExtendedSize(Measure.Canvas(), ALimit)
                          : CalcPlainSize(Measure.Canvas(), ALimit);
  };
  TSize Result = SizeFor(0);
  if (Result.cx > AMaxWidth) {
    const int Frame = Result.cx - FTextWidth;
    Result = SizeFor(std::max(AMaxWidth - Frame, 1));
  }
  return Result;
}

TSize TspSkinHintWindow::CalcPlainSize(TCanvas& ACanvas, int ATextWidthLimit) {
  const TSize Text = MeasureText(ACanvas, Caption(), ATextWidthLimit);
  FTextWidth = Text.cx;
  if (!FSD) return {Text.cx + 4, Text.cy + 4};
  return AddSkinFrame(Text.cx + 5, Text.cy);
}

TSize TspSkinHintWindow::CalcExtendedSize(TCanvas& ACanvas, int ATextWidthLimit) {
  const TSize Text = MeasureText(ACanvas, Caption(), ATextWidthLimit);
  FTextWidth = Text.cx;
  const TSize Title = HintLayoutTitleSize(ACanvas, FHintTitle);
  int Width = Text.cx;
  int Height = Text.cy;
  if (!FHintTitle.empty()) {
    Height = Text.cy + Title.cy + 10;
    Width = std::max(Text.cx, Title.cx);
  }
  if (HasPicture()) {
    Width += FImageList->Width() + 10;
    Height = std::max(Height, FImageList->Height() + Title.cy + 5);
  }
  if (!FSD) return {Width + 4, Height + 4};
  return AddSkinFrame(Width + 10, Height);
}

// The picture's margins around the inner size; then, in this order, each check grows
// the window until the frame's corners no longer cross.
TSize TspSkinHintWindow::AddSkinFrame(int AInnerWidth, int AInnerHeight) {
  const TspDataSkinHintWindow& D = *FSD->HintWindow;
  const TBitmap& Picture = *FSD->Picture(D.WindowPictureIndex);
  const int PW = Picture.Width();
  const int PH = Picture.Height();
  int W = AInnerWidth + D.ClRect.Left + (PW - D.ClRect.Right);
  int H = AInnerHeight + D.ClRect.Top + (PH - D.ClRect.Bottom);
  int DW = W - PW;
  int DH = H - PH;
  if (D.RTPoint.X + DW < D.LTPoint.X) {
    W += D.LTPoint.X - (D.RTPoint.X + DW);
    DW = W - PW;
  }
  if (D.RBPoint.X + DW < D.LBPoint.X) {
    W += D.LBPoint.X - (D.RBPoint.X + DW);
    DW = W - PW;
  }
  if (D.LBPoint.Y + DH < D.LTPoint.Y) {
    H += D.LTPoint.Y - (D.LBPoint.Y + DH);
    DH = H - PH;
  }
  if (D.RBPoint.Y + DH < D.RTPoint.Y) {
    H += D.RTPoint.Y - (D.RBPoint.Y + DH);
    DH = H - PH;
  }
  NewClRect = Rect(D.ClRect.Left, D.ClRect.Top, D.ClRect.Right + DW, D.ClRect.Bottom + DH);
  NewLTPoint = D.LTPoint;
  NewRTPoint = {D.RTPoint.X + DW, D.RTPoint.Y};
  NewLBPoint = {D.LBPoint.X, D.LBPoint.Y + DH};
  NewRBPoint = {D.RBPoint.X + DW, D.RBPoint.Y + DH};
  return {W, H};
}
