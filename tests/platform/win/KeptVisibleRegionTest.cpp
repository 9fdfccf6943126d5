// Device contexts keep using a window's visible region while the window tree stays as
// it was; every change of geometry after a drawing must reach the next drawing.

#include <functional>

#include "platform/gdi/Primitives.h"
#include "platform/win/WindowRegions.h"
#include "tests/platform/win/PaintTestSupport.h"

namespace paint_test {
namespace {

constexpr COLORREF KeptYellow = RGB(250, 250, 0);
constexpr COLORREF KeptWhite = RGB(255, 255, 255);

class KeptVisibleRegionTest : public PaintingTest {
 protected:
  // A red parent clipping its children, with a blue child at (20, 20, 40, 40); the
  // parent has drawn through a device context once, so its visible region is known.
  void SetUp() override {
    PaintingTest::SetUp();
    MakeWindows();
  }

  void MakeWindows() {
    Parent = Create("p", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 200, 200), Red);
    Child = Create("c", WS_CHILD | WS_VISIBLE, Bounds(20, 20, 40, 40), Blue, Parent);
    Pump();
    Flood(Parent, KeptYellow);
    ASSERT_EQ(ClientPixel(Parent, 30, 30), Blue);
    ASSERT_EQ(ClientPixel(Parent, 10, 10), KeptYellow);
  }

  // Fills the whole client area of the window through a client device context, without
  // letting any paint run first.
  static void Flood(HWND AWindow, COLORREF AColor) {
    const HDC DC = GetDC(AWindow);
    FillSolidRect(DC, Rect(-1000, -1000, 1000, 1000), AColor);
    ReleaseDC(AWindow, DC);
  }

  HWND Parent = nullptr;
  HWND Child = nullptr;
};

struct TGeometryChange {
  const char* Name;
  std::function<void(HWND AParent, HWND AChild)> Change;
  // A point of the parent's client area that the child covered and now leaves open to
  // the parent's drawing, and one that the child covers after the change.
  TPoint Uncovered;
  TPoint Covered;
};

TEST_F(KeptVisibleRegionTest, EveryChangeOfGeometryReachesTheNextDrawing) {
  const TGeometryChange Changes[] = {
      {"move",
       [](HWND, HWND AChild) { SetWindowPos(AChild, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
       {30, 30},
       {110, 110}},
      {"grow",
       [](HWND, HWND AChild) { SetWindowPos(AChild, nullptr, 0, 0, 80, 80, SWP_NOMOVE | SWP_NOZORDER); },
       {10, 10},
       {90, 90}},
      {"window region",
       [](HWND, HWND AChild) { SetWindowRgn(AChild, CreateRectRgn(0, 0, 10, 10), false); },
       {45, 45},
       {25, 25}},
      {"hide", [](HWND, HWND AChild) { ShowWindow(AChild, SW_HIDE); }, {30, 30}, {}},
      {"parent's style",
       [](HWND AParent, HWND) {
         SetWindowLong(AParent, GWL_STYLE, GetWindowLong(AParent, GWL_STYLE) & ~WS_CLIPCHILDREN);
       },
       {30, 30},
       {}},
      {"new parent", [](HWND, HWND AChild) { SetParent(AChild, nullptr); }, {30, 30}, {}},
      {"destroyed", [](HWND, HWND AChild) { DestroyWindow(AChild); }, {30, 30}, {}},
  };
  for (const TGeometryChange& Case : Changes) {
    SCOPED_TRACE(Case.Name);
    DestroyWindow(Parent);
    MakeWindows();
    Case.Change(Parent, Child);
    Flood(Parent, KeptWhite);
    EXPECT_EQ(ClientPixel(Parent, Case.Uncovered.X, Case.Uncovered.Y), KeptWhite);
    if (Case.Covered != TPoint{}) {
      EXPECT_NE(ClientPixel(Parent, Case.Covered.X, Case.Covered.Y), KeptWhite);
    }
  }
}

TEST_F(KeptVisibleRegionTest, ASiblingRaisedAboveAnotherCutsItsDrawing) {
  const HWND Low =
      Create("low", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Bounds(100, 100, 50, 50), Green, Parent);
  const HWND High =
      Create("high", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Bounds(120, 120, 50, 50), Blue, Parent);
  Pump();
  Flood(High, KeptYellow);
  EXPECT_EQ(ClientPixel(Parent, 130, 130), KeptYellow);
  SetWindowPos(Low, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Flood(High, KeptWhite);
  EXPECT_NE(ClientPixel(Parent, 130, 130), KeptWhite);
  EXPECT_EQ(ClientPixel(Parent, 160, 160), KeptWhite);
}

TEST_F(KeptVisibleRegionTest, RedrawSwitchedOffStopsTheDrawingAndOnAgainLetsItThrough) {
  SendMessage(Parent, WM_SETREDRAW, 0, 0);
  Flood(Parent, KeptWhite);
  EXPECT_EQ(ClientPixel(Parent, 10, 10), KeptYellow);
  SendMessage(Parent, WM_SETREDRAW, 1, 0);
  Flood(Parent, KeptWhite);
  EXPECT_EQ(ClientPixel(Parent, 10, 10), KeptWhite);
}

}  // namespace
}  // namespace paint_test
