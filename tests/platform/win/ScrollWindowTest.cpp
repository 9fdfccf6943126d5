// ScrollWindowEx: pixels move, what they uncover (or bring from hidden places) becomes
// invalid, and invalid areas move along.

#include "platform/gdi/Primitives.h"
#include "platform/win/ScrollWindow.h"
#include "tests/platform/win/PaintTestSupport.h"

namespace paint_test {
namespace {

class ScrollWindowTest : public PaintingTest {
 protected:
  void MakeWindow(DWORD AStyle) {
    W = Create("w", WS_POPUP | WS_VISIBLE | AStyle, Bounds(0, 0, 100, 100), Red);
    Pump();
    // Green rows 0 to 9, blue rows 10 to 19.
    const HDC DC = GetDC(W);
    FillSolidRect(DC, Rect(0, 0, 100, 10), Green);
    FillSolidRect(DC, Rect(0, 10, 100, 20), Blue);
    ReleaseDC(W, DC);
  }

  TRegion UpdateRegion() {
    HRGN Region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(W, Region, false);
    TRegion Result = Region->Region;
    DeleteObject(Region);
    return Result;
  }

  static TRegion Rows(std::initializer_list<std::pair<int, int>> ARanges) {
    TRegion Result;
    for (const auto& [Top, Bottom] : ARanges)
      Result = TRegion::Combine(Result, TRegion(Rect(0, Top, 100, Bottom)), roOr);
    return Result;
  }

  HWND W = nullptr;
};

TEST_F(ScrollWindowTest, PixelsMoveAndTheUncoveredStripBecomesInvalid) {
  MakeWindow(0);
  HRGN Uncovered = CreateRectRgn(0, 0, 0, 0);
  RECT Box;
  EXPECT_EQ(ScrollWindowEx(W, 0, 30, nullptr, nullptr, Uncovered, &Box, SW_INVALIDATE), SIMPLEREGION);
  EXPECT_EQ(ClientPixel(W, 5, 35), Green);
  EXPECT_EQ(ClientPixel(W, 5, 45), Blue);
  EXPECT_EQ(Box, Rect(0, 0, 100, 30));
  EXPECT_EQ(Uncovered->Region, Rows({{0, 30}}));
  EXPECT_EQ(UpdateRegion(), Rows({{0, 30}}));
  DeleteObject(Uncovered);
  Pump();
  EXPECT_EQ(ClientPixel(W, 5, 5), Red);
  EXPECT_EQ(ClientPixel(W, 5, 35), Green);
}

TEST_F(ScrollWindowTest, OnlyTheScrolledAreaMovesAndOnlyInsideTheClip) {
  MakeWindow(0);
  const RECT Scroll = Rect(0, 0, 50, 100);
  const RECT Clip = Rect(0, 0, 50, 15);
  RECT Box;
  ScrollWindowEx(W, 0, 5, &Scroll, &Clip, nullptr, &Box, 0);
  EXPECT_EQ(ClientPixel(W, 5, 12), Green) << "moved";
  EXPECT_EQ(ClientPixel(W, 5, 17), Blue) << "outside the clip: unchanged";
  EXPECT_EQ(ClientPixel(W, 60, 12), Blue) << "outside the scrolled area: unchanged";
  EXPECT_EQ(Box, Rect(0, 0, 50, 5));
  EXPECT_FALSE(GetUpdateRect(W, nullptr, false)) << "SW_INVALIDATE was not given";
}

TEST_F(ScrollWindowTest, InvalidAreasInsideMoveAlong) {
  MakeWindow(0);
  const RECT Invalid = Rect(0, 0, 10, 10);
  InvalidateRect(W, &Invalid, false);
  ScrollWindowEx(W, 0, 20, nullptr, nullptr, nullptr, nullptr, 0);
  EXPECT_EQ(UpdateRegion(), TRegion(Rect(0, 20, 10, 30)));
}

TEST_F(ScrollWindowTest, PixelsFromHiddenPlacesAreInvalidNotCopied) {
  MakeWindow(WS_CLIPCHILDREN);
  Create("cover", WS_CHILD | WS_VISIBLE, Bounds(0, 50, 100, 10), Blue, W);
  Pump();
  HRGN Invalid = CreateRectRgn(0, 0, 0, 0);
  ScrollWindowEx(W, 0, -20, nullptr, nullptr, Invalid, nullptr, SW_INVALIDATE | SW_ERASE);
  EXPECT_EQ(Invalid->Region, Rows({{30, 40}, {50, 60}, {80, 100}}));
  DeleteObject(Invalid);
  ClearLog();
  Pump();
  EXPECT_EQ(PaintLog(), (std::vector<std::string>{"w:WM_PAINT", "w:WM_ERASEBKGND"}));
}

}  // namespace
}  // namespace paint_test
