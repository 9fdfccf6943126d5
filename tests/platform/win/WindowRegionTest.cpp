// Window regions: they shape hit testing (a click on a cut-away corner reaches the
// window below) and what the screen shows, the window owns them, and GetWindowRgn reads
// them back.

#include "platform/win/WindowRegions.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/win/PaintTestSupport.h"

namespace paint_test {
namespace {

using Entries = std::vector<std::string>;

class WindowRegionTest : public PaintingTest {
 protected:
  void SetUp() override {
    PaintingTest::SetUp();
    Below = Create("below", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 300, 300), Red);
    Above = Create("above", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 100, 100), Blue);
    Pump();
    ClearLog();
  }

  // The 100 × 100 square without its top-left 20 × 20 corner.
  static HRGN CornerCutShape() {
    HRGN Shape = CreateRectRgn(0, 0, 100, 100);
    HRGN Corner = CreateRectRgn(0, 0, 20, 20);
    CombineRgn(Shape, Shape, Corner, RGN_DIFF);
    DeleteObject(Corner);
    return Shape;
  }

  HWND Below = nullptr;
  HWND Above = nullptr;
};

TEST_F(WindowRegionTest, AClickOnACutAwayCornerReachesTheWindowBelow) {
  ASSERT_TRUE(SetWindowRgn(Above, CornerCutShape(), true));
  Pump();
  InjectClick({125, 105});
  Pump();
  EXPECT_EQ(LogOf(WM_LBUTTONDOWN), Entries{"above:WM_LBUTTONDOWN"});
  Headless().AdvanceClock(1000);
  InjectClick({105, 105});
  Pump();
  EXPECT_EQ(LogOf(WM_LBUTTONDOWN), (Entries{"above:WM_LBUTTONDOWN", "below:WM_LBUTTONDOWN"}));
}

TEST_F(WindowRegionTest, TheBackendShowsTheWindowInItsShape) {
  HRGN Shape = CornerCutShape();
  const TRegion Expected = Shape->Region;
  SetWindowRgn(Above, Shape, true);
  Pump();
  ASSERT_TRUE(Headless().Region(Above).has_value());
  EXPECT_EQ(*Headless().Region(Above), Expected);
  const TPixelImage Screen = ScreenPicture();
  EXPECT_EQ(Screen.Pixel(105, 105), 0xFFC80000u) << "the window below shows through the corner";
  EXPECT_EQ(Screen.Pixel(125, 105), 0xFF0000C8u);
  SetWindowRgn(Above, nullptr, true);
  EXPECT_FALSE(Headless().Region(Above).has_value());
  EXPECT_EQ(WindowFromPoint({105, 105}), Above);
}

TEST_F(WindowRegionTest, GetWindowRgnCopiesTheRegion) {
  HRGN Copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Above, Copy), ERROR) << "no region yet";
  HRGN Shape = CornerCutShape();
  const TRegion Expected = Shape->Region;
  SetWindowRgn(Above, Shape, false);
  EXPECT_EQ(GetWindowRgn(Above, Copy), COMPLEXREGION);
  EXPECT_EQ(Copy->Region, Expected);
  // A copy: changing it leaves the window's region alone.
  OffsetRgn(Copy, 5, 5);
  HRGN Again = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(Above, Again);
  EXPECT_EQ(Again->Region, Expected);
  DeleteObject(Copy);
  DeleteObject(Again);
}

TEST_F(WindowRegionTest, TheWindowOwnsItsRegion) {
  // Replaced and destroyed regions are freed by the window (the sanitizers see leaks
  // and double frees); setting the same region again keeps it.
  SetWindowRgn(Above, CornerCutShape(), false);
  HRGN Kept = CreateRectRgn(0, 0, 50, 50);
  SetWindowRgn(Above, Kept, false);
  SetWindowRgn(Above, Kept, false);
  HRGN Copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(Above, Copy), SIMPLEREGION);
  DeleteObject(Copy);
  DestroyWindow(Above);
  HRGN Orphan = CreateRectRgn(0, 0, 1, 1);
  EXPECT_FALSE(SetWindowRgn(Above, Orphan, false));
  DeleteObject(Orphan);
}

TEST_F(WindowRegionTest, RedrawingRepaintsTheWindowWhole) {
  SetWindowRgn(Above, CornerCutShape(), true);
  Pump();
  EXPECT_EQ(PaintLog(), (Entries{"above:WM_NCPAINT", "above:WM_PAINT", "above:WM_ERASEBKGND"}));
  ClearLog();
  SetWindowRgn(Above, nullptr, false);
  Pump();
  EXPECT_EQ(PaintLog(), Entries{});
}

}  // namespace
}  // namespace paint_test
