#include "tests/support/OutlinedPageControl.h"

#include "platform/ui/native/TabControlMessages.h"

namespace testing_support {

void TOutlinedPageControl::PaintWindow(HDC ADC) {
  TCanvas Canvas;
  Canvas.SetHandle(ADC);
  Canvas.Brush().SetColor(clBtnFace);
  Canvas.FillRect(ClientRect());
  TRect Frame = DisplayRect();
  InflateRect(Frame, 1, 1);
  Canvas.Brush().SetColor(clBtnShadow);
  Canvas.FrameRect(Frame);
  for (int I = 0; I < PageCount(); ++I) {
    const int Tab = Pages(I)->TabIndex();
    if (Tab < 0) continue;
    TRect Box;
    Perform(TCM_GETITEMRECT, static_cast<WPARAM>(Tab), reinterpret_cast<LPARAM>(&Box));
    Canvas.Brush().SetColor(Tab == TabIndex() ? clWindow : clBtnFace);
    Canvas.FillRect(Box);
    Canvas.Brush().SetColor(clBtnShadow);
    Canvas.FrameRect(Box);
    Canvas.Brush().SetStyle(bsClear);
    Canvas.TextRect(Box, Pages(I)->Caption(), {tfCenter, tfVerticalCenter, tfSingleLine});
    Canvas.Brush().SetStyle(bsSolid);
  }
  Canvas.SetHandle(nullptr);
}

}  // namespace testing_support
