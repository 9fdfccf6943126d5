// An MDI tab's built-in look: the fill by state, the document's caption cut to the tab
// with "..." (both looks), and the close button.

#include "components/core/SPUtils.h"
#include "components/forms/SkinMdiTabs.h"

namespace {

constexpr TColor TabHotColor = RGB(182, 189, 210);
constexpr TColor TabActiveColor = RGB(133, 147, 181);

}  // namespace

void TspMDITab::Draw(TCanvas& ACanvas) {
  const int W = ObjectRect.Width();
  const int H = ObjectRect.Height();
  if (W <= 0 || H <= 0 || SkinDraw(ACanvas)) return;
  TBitmap B;
  B.SetWidth(W);
  B.SetHeight(H);
  TCanvas& C = B.Canvas();
  C.Brush().SetColor(Active ? TabActiveColor : MouseIn ? TabHotColor : clBtnFace);
  C.FillRect(TRect{0, 0, W, H});
  C.Font().Assign(TabsBar.FDefaultFont);
  TRect Text{2, 0, W - 2, H};
  if (TabsBar.FShowCloseButtons) {
    Text.Right = W - TabsBar.FCloseSize - 5;
    DrawCloseButton(C, TRect{Text.Right, 0, W, H});
  }
  DrawCaption(C, Text);
  ACanvas.Draw(ObjectRect.Left, ObjectRect.Top, B);
}

void TspMDITab::DrawCaption(TCanvas& ACanvas, const TRect& AText) {
  String Caption = Child->Caption();
  FitWideTextToWidth(ACanvas, Caption, AText.Width());
  if (TabsBar.OnTabGetDrawParamsEvent) TabsBar.OnTabGetDrawParamsEvent(this, ACanvas);
  ACanvas.Brush().SetStyle(bsClear);
  TRect Text = AText;
  ACanvas.TextRect(Text, Caption, TTextFormat{tfCenter, tfVerticalCenter, tfSingleLine});
}

void TspMDITab::DrawCloseButton(TCanvas& ACanvas, const TRect& AR) {
  const int Top = AR.Top + AR.Height() / 2 - 7;
  ButtonRect = TRect{AR.Left, Top, AR.Left + 14, Top + 14};
  DrawCloseGlyph(ACanvas, ButtonRect.Left + 2, ButtonRect.Top + 2, ButtonMouseIn ? clWhite : clBlack);
}
