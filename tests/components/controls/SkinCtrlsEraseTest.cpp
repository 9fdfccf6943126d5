// The skinned controls that answer an erase by painting their whole picture: a repaint
// draws that picture once, since the erase the window system sends before the
// control's own paint is left to that paint; an erase from outside the paint cycle (a
// parent drawing its children into a bitmap) still draws the whole picture.

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinExCtrls.h"
#include "platform/win/Painting.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

// A control of kind TKind that counts how often it paints.
template <class TKind>
class TEraseCountingControl : public TKind {
 public:
  TEraseCountingControl(TComponent* AOwner, int& APaints) : TKind(AOwner), FPaints(APaints) {}

 protected:
  void Paint() override {
    ++FPaints;
    TKind::Paint();
  }

 private:
  int& FPaints;
};

struct TEraseKind {
  std::string Name;
  TWinControl* (*Make)(TWinControl& AHost, int& APaints);
};

void PrintTo(const TEraseKind& AKind, std::ostream* AOut) { *AOut << AKind.Name; }

template <class TKind>
TWinControl* MakeEraseCountingControl(TWinControl& AHost, int& APaints) {
  return new TEraseCountingControl<TKind>(&AHost, APaints);
}

class SkinCtrlsEraseTest : public SkinControlsTest, public ::testing::WithParamInterface<TEraseKind> {
 protected:
  static constexpr int Left = 20;
  static constexpr int Top = 30;
  static constexpr int Width = 60;
  static constexpr int Height = 24;

  TWinControl& MakeControl() {
    TWinControl* Control = GetParam().Make(Host(), Paints);
    Control->SetBounds(Left, Top, Width, Height);
    Control->SetParent(&Host());
    return *Control;
  }
  // The presented pixels of the control's area, row by row.
  std::vector<COLORREF> ShownPixels() {
    std::vector<COLORREF> Pixels;
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X) Pixels.push_back(HostPixel(Left + X, Top + Y));
    return Pixels;
  }

  int Paints = 0;
};

TEST_P(SkinCtrlsEraseTest, ARepaintPaintsOnceAndAnOutsideEraseDrawsTheSamePicture) {
  TWinControl& Control = MakeControl();
  ShowHost();
  const std::vector<COLORREF> Shown = ShownPixels();
  ASSERT_NE(std::count(Shown.begin(), Shown.end(), Shown.front()), std::ptrdiff_t(Shown.size()))
      << "a plain area shows nothing of the picture";

  // The window system's erase before the control's own paint is left to that paint.
  Paints = 0;
  RedrawWindow(Control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  Pump();
  EXPECT_EQ(Paints, 1);
  EXPECT_EQ(ShownPixels(), Shown);

  // An erase with the window up to date draws the whole picture into the given
  // device context, as the control shows it.
  TBitmap Copy;
  Copy.SetSize(Width, Height);
  Copy.Canvas().Brush().SetColor(clRed);
  Copy.Canvas().FillRect(Rect(0, 0, Width, Height));
  Control.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Copy.Canvas().Handle()), 0);
  EXPECT_EQ(Paints, 2);
  std::vector<COLORREF> Drawn;
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) Drawn.push_back(ColorToRGB(Copy.Canvas().Pixels(X, Y)));
  EXPECT_EQ(Drawn, Shown);
}

INSTANTIATE_TEST_SUITE_P(
    EachKind, SkinCtrlsEraseTest,
    ::testing::Values(TEraseKind{"Button", &MakeEraseCountingControl<TspSkinButton>},
                      TEraseKind{"CheckRadioBox", &MakeEraseCountingControl<TspSkinCheckRadioBox>},
                      TEraseKind{"ScrollBar", &MakeEraseCountingControl<TspSkinScrollBar>},
                      TEraseKind{"TrackBar", &MakeEraseCountingControl<TspSkinTrackBar>},
                      TEraseKind{"Gauge", &MakeEraseCountingControl<TspSkinGauge>},
                      TEraseKind{"PaintPanel", &MakeEraseCountingControl<TspSkinPaintPanel>},
                      TEraseKind{"FrameControl", &MakeEraseCountingControl<TspFrameSkinControl>},
                      TEraseKind{"Label", &MakeEraseCountingControl<TspSkinLabel>}),
    [](const ::testing::TestParamInfo<TEraseKind>& AInfo) { return AInfo.param.Name; });

}  // namespace
}  // namespace skin_controls_test
