// Where windows may draw: WS_CLIPCHILDREN, WS_CLIPSIBLINGS and window regions, checked
// in the presented pixels.

#include "platform/gdi/Primitives.h"
#include "platform/win/WindowRegions.h"
#include "tests/platform/win/PaintTestSupport.h"

namespace paint_test {
namespace {

constexpr COLORREF Yellow = RGB(250, 250, 0);

class ClippingTest : public PaintingTest {
 protected:
  // A red parent with the given style and a blue child at (20, 20, 60, 60).
  void MakeParentAndChild(DWORD AParentStyle) {
    Parent = Create("p", WS_POPUP | WS_VISIBLE | AParentStyle, Bounds(0, 0, 200, 200), Red);
    Child = Create("c", WS_CHILD | WS_VISIBLE, Bounds(20, 20, 40, 40), Blue, Parent);
    Pump();
  }

  // Fills the whole client area of the window through a client device context.
  static void FloodWithDC(HWND AWindow, COLORREF AColor) {
    const HDC DC = GetDC(AWindow);
    FillSolidRect(DC, Rect(-1000, -1000, 1000, 1000), AColor);
    ReleaseDC(AWindow, DC);
  }

  HWND Parent = nullptr;
  HWND Child = nullptr;
};

TEST_F(ClippingTest, AParentWithClipChildrenLeavesItsChildrenAlone) {
  MakeParentAndChild(WS_CLIPCHILDREN);
  FloodWithDC(Parent, Yellow);
  EXPECT_EQ(ClientPixel(Parent, 10, 10), Yellow);
  EXPECT_EQ(ClientPixel(Parent, 30, 30), Blue);
}

TEST_F(ClippingTest, AParentWithoutClipChildrenDrawsOverThem) {
  MakeParentAndChild(0);
  FloodWithDC(Parent, Yellow);
  EXPECT_EQ(ClientPixel(Parent, 30, 30), Yellow);
}

TEST_F(ClippingTest, HiddenChildrenDoNotClip) {
  MakeParentAndChild(WS_CLIPCHILDREN);
  ShowWindow(Child, SW_HIDE);
  Pump();
  FloodWithDC(Parent, Yellow);
  EXPECT_EQ(ClientPixel(Parent, 30, 30), Yellow);
}

TEST_F(ClippingTest, ClipSiblingsKeepsAChildOffTheSiblingsAboveIt) {
  MakeParentAndChild(0);
  const HWND Low =
      Create("low", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Bounds(100, 100, 50, 50), Green, Parent);
  Create("high", WS_CHILD | WS_VISIBLE, Bounds(120, 120, 50, 50), Blue, Parent);
  Pump();
  FloodWithDC(Low, Yellow);
  EXPECT_EQ(ClientPixel(Parent, 110, 110), Yellow);
  EXPECT_EQ(ClientPixel(Parent, 130, 130), Blue);
  // Without the style the lower sibling draws over the one above it.
  SetWindowLong(Low, GWL_STYLE, GetWindowLong(Low, GWL_STYLE) & ~WS_CLIPSIBLINGS);
  FloodWithDC(Low, Yellow);
  EXPECT_EQ(ClientPixel(Parent, 130, 130), Yellow);
}

TEST_F(ClippingTest, ClipSiblingsOfAnAncestorKeepsItsDescendantsOffToo) {
  MakeParentAndChild(0);
  const HWND Low =
      Create("low", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, Bounds(100, 100, 50, 50), Green, Parent);
  const HWND Inner = Create("inner", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 50, 50), Green, Low);
  Create("high", WS_CHILD | WS_VISIBLE, Bounds(120, 120, 50, 50), Blue, Parent);
  Pump();
  FloodWithDC(Inner, Yellow);
  EXPECT_EQ(ClientPixel(Parent, 110, 110), Yellow);
  EXPECT_EQ(ClientPixel(Parent, 130, 130), Blue);
}

TEST_F(ClippingTest, AWindowRegionClipsPaintingOfTheWindowAndItsChildren) {
  MakeParentAndChild(0);
  // The child keeps its rectangle but loses its top-left 10 × 10 corner.
  HRGN Shape = CreateRectRgn(0, 0, 40, 40);
  HRGN Corner = CreateRectRgn(0, 0, 10, 10);
  CombineRgn(Shape, Shape, Corner, RGN_DIFF);
  DeleteObject(Corner);
  SetWindowRgn(Child, Shape, true);
  const HWND Grandchild = Create("g", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 40, 40), Green, Child);
  Pump();
  EXPECT_EQ(ClientPixel(Parent, 25, 25), Red) << "the parent repainted the cut-away corner";
  EXPECT_EQ(ClientPixel(Parent, 35, 25), Green);
  FloodWithDC(Grandchild, Yellow);
  EXPECT_EQ(ClientPixel(Parent, 25, 25), Red);
  EXPECT_EQ(ClientPixel(Parent, 25, 35), Yellow);
}

}  // namespace
}  // namespace paint_test
