// Window device contexts: drawing outside WM_PAINT shows at once, window device
// contexts reach the frame, and neither reaches past the window.

#include "platform/gdi/Primitives.h"
#include "platform/gdi/Text.h"
#include "tests/platform/win/PaintTestSupport.h"

namespace paint_test {
namespace {

constexpr COLORREF Yellow = RGB(250, 250, 0);

class WindowDCTest : public PaintingTest {
 protected:
  void SetUp() override {
    PaintingTest::SetUp();
    // A 2-pixel dialog-frame-less border: WS_BORDER gives a 1-pixel frame.
    W = Create("w", WS_POPUP | WS_BORDER | WS_VISIBLE, Bounds(50, 50, 100, 80), Red);
    Pump();
  }

  HWND W = nullptr;
};

TEST_F(WindowDCTest, DrawingOnAClientDCOutsidePaintingShowsAtOnce) {
  const HDC DC = GetDC(W);
  ASSERT_NE(DC, nullptr);
  FillSolidRect(DC, Rect(0, 0, 10, 10), Green);
  EXPECT_EQ(ClientPixel(W, 5, 5), Red) << "not before the device context is released";
  EXPECT_EQ(ReleaseDC(W, DC), 1);
  EXPECT_EQ(ClientPixel(W, 5, 5), Green);
  EXPECT_EQ(ClientPixel(W, 10, 10), Red);
  // Nothing was invalidated by it.
  EXPECT_FALSE(GetUpdateRect(W, nullptr, false));
}

TEST_F(WindowDCTest, AClientDCNeverReachesTheFrame) {
  const HDC DC = GetDC(W);
  FillSolidRect(DC, Rect(-5, -5, 200, 200), Green);
  ReleaseDC(W, DC);
  EXPECT_EQ(PresentedPixel(W, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(PresentedPixel(W, 1, 1), Green);
  EXPECT_EQ(PresentedPixel(W, 99, 79), GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(WindowDCTest, AWindowDCReachesTheFrameAndCanLeaveTheClientAreaOut) {
  const HDC DC = GetWindowDC(W);
  ExcludeClipRect(DC, 1, 1, 99, 79);
  FillSolidRect(DC, Rect(0, 0, 100, 80), Yellow);
  ReleaseDC(W, DC);
  EXPECT_EQ(PresentedPixel(W, 0, 0), Yellow);
  EXPECT_EQ(PresentedPixel(W, 99, 40), Yellow);
  EXPECT_EQ(PresentedPixel(W, 1, 1), Red);
}

TEST_F(WindowDCTest, AChildDrawsOnlyInsideItselfAndItsParentsClientArea) {
  const HWND C = Create("c", WS_CHILD | WS_VISIBLE, Bounds(80, 60, 40, 40), Green, W);
  Pump();
  const HDC DC = GetWindowDC(C);
  FillSolidRect(DC, Rect(-100, -100, 100, 100), Yellow);
  ReleaseDC(C, DC);
  // The child lies partly outside its parent's client area (98 × 78 at (1, 1)).
  EXPECT_EQ(ClientPixel(W, 80, 60), Yellow);
  EXPECT_EQ(ClientPixel(W, 97, 77), Yellow);
  EXPECT_EQ(ClientPixel(W, 79, 60), Red);
  EXPECT_EQ(PresentedPixel(W, 99, 79), GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(WindowDCTest, TheScreenDCMeasuresButDrawsNowhere) {
  const HDC Screen = GetDC(nullptr);
  ASSERT_NE(Screen, nullptr);
  TSize Extent;
  EXPECT_TRUE(GetTextExtentPoint32(Screen, "Pelladrin", Extent));
  EXPECT_GT(Extent.cx, 0);
  const RECT Probe = Rect(0, 0, 10, 10);
  EXPECT_FALSE(RectVisible(Screen, &Probe));
  EXPECT_EQ(ReleaseDC(nullptr, Screen), 1);
}

TEST_F(WindowDCTest, ReleasingAnUnknownDCFails) {
  const HDC Memory = CreateCompatibleDC(nullptr);
  EXPECT_EQ(ReleaseDC(W, Memory), 0);
  DeleteDC(Memory);
  const HDC DC = GetDC(W);
  EXPECT_EQ(ReleaseDC(W, DC), 1);
  EXPECT_EQ(ReleaseDC(W, DC), 0);
}

TEST_F(WindowDCTest, ADCOpenWhenItsWindowGoesKeepsDrawingSafely) {
  const HDC DC = GetDC(W);
  DestroyWindow(W);
  FillSolidRect(DC, Rect(0, 0, 10, 10), Green);
  EXPECT_EQ(ReleaseDC(W, DC), 1);
}

TEST_F(WindowDCTest, DCsOfADeadWindowAreNotGiven) {
  DestroyWindow(W);
  EXPECT_EQ(GetDC(W), nullptr);
  EXPECT_EQ(GetWindowDC(W), nullptr);
}

}  // namespace
}  // namespace paint_test
