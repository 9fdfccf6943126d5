// Painting: windowless controls drawn on their parent's surface in its paint, in their
// z-order; windowed controls drawing themselves; the canvas outside painting.

#include <gtest/gtest.h>

#include <functional>

#include "platform/base/Exceptions.h"
#include "platform/win/Painting.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

// Fills itself with its colour; counts its paints.
class TColorBox : public TGraphicControl {
 public:
  TColorBox(TWinControl* AParent, TRect ABounds, TColor AColor) : TGraphicControl(AParent) {
    ControlStyle.Include(csOpaque);
    SetBoundsRect(ABounds);
    SetColor(AColor);
    SetParent(AParent);
  }
  int Paints = 0;
  // Runs after each paint when set.
  std::function<void()> OnPaintDone;

 protected:
  void Paint() override {
    ++Paints;
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
    if (OnPaintDone) OnPaintDone();
  }
};

// Draws only a one-pixel frame: what lies inside is its parent's.
class TFrameBox : public TGraphicControl {
 public:
  TFrameBox(TWinControl* AParent, TRect ABounds) : TGraphicControl(AParent) {
    SetBoundsRect(ABounds);
    SetParent(AParent);
  }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clBlack);
    Canvas().FrameRect(ClientRect());
  }
};

class TWindowedBox : public TCustomControl {
 public:
  TWindowedBox(TWinControl* AParent, TRect ABounds, TColor AColor) : TCustomControl(AParent) {
    SetBoundsRect(ABounds);
    SetColor(AColor);
    SetParent(AParent);
  }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
  }
};

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Black = RGB(0, 0, 0);

class ControlPaintTest : public UiTest {
 protected:
  COLORREF Face() const { return ColorToRGB(clBtnFace); }
};

TEST_F(ControlPaintTest, WindowlessControlsArePaintedOnTheParentsSurfaceInZOrder) {
  auto* Below = new TColorBox(&Host(), Bounds(10, 10, 40, 30), clRed);
  auto* Above = new TColorBox(&Host(), Bounds(30, 20, 40, 30), clBlue);
  ShowHost();
  EXPECT_EQ(HostPixel(5, 5), Face());
  EXPECT_EQ(HostPixel(15, 15), Red);
  EXPECT_EQ(HostPixel(35, 25), Blue);  // the overlap shows the upper one
  EXPECT_EQ(HostPixel(65, 45), Blue);
  EXPECT_EQ(HostPixel(75, 55), Face());
  Below->BringToFront();
  Pump();
  EXPECT_EQ(HostPixel(35, 25), Red);
  EXPECT_EQ(Above->Parent(), &Host());
}

TEST_F(ControlPaintTest, AMovedOrHiddenControlLeavesItsParentsBackgroundBehind) {
  auto* Box = new TColorBox(&Host(), Bounds(10, 10, 20, 20), clRed);
  ShowHost();
  Box->SetLeft(100);
  Pump();
  EXPECT_EQ(HostPixel(15, 15), Face());
  EXPECT_EQ(HostPixel(105, 15), Red);
  Box->Hide();
  Pump();
  EXPECT_EQ(HostPixel(105, 15), Face());
}

TEST_F(ControlPaintTest, ATransparentControlShowsTheParentAndTheSiblingsBelow) {
  new TColorBox(&Host(), Bounds(10, 10, 60, 60), clRed);
  auto* Frame = new TFrameBox(&Host(), Bounds(20, 20, 20, 20));
  ShowHost();
  EXPECT_EQ(HostPixel(20, 20), Black);
  EXPECT_EQ(HostPixel(30, 30), Red);
  // Repainting it alone paints what lies below again first.
  Frame->Repaint();
  EXPECT_EQ(HostPixel(30, 30), Red);
  EXPECT_EQ(HostPixel(20, 20), Black);
}

TEST_F(ControlPaintTest, RepaintPaintsNowAndInvalidatePaintsAtTheNextPaint) {
  auto* Box = new TColorBox(&Host(), Bounds(10, 10, 20, 20), clRed);
  ShowHost();
  const int Before = Box->Paints;
  Box->SetColor(clBlue);  // invalidates
  EXPECT_EQ(HostPixel(15, 15), Red);
  Pump();
  EXPECT_EQ(HostPixel(15, 15), Blue);
  EXPECT_EQ(Box->Paints, Before + 1);
  // Repaint does not wait for the loop.
  Box->SetColor(clRed);
  Box->Repaint();
  EXPECT_EQ(HostPixel(15, 15), Red);
}

// A paint handler that fails after drawing: the device context Repaint took is given
// back all the same, and what was drawn reaches the screen.
TEST_F(ControlPaintTest, ARepaintThatThrowsGivesBackItsDeviceContext) {
  auto* Box = new TColorBox(&Host(), Bounds(10, 10, 20, 20), clRed);
  ShowHost();
  Box->SetColor(clBlue);
  Box->OnPaintDone = [] { throw EInvalidOperation("the paint handler failed"); };
  EXPECT_THROW(Box->Repaint(), EInvalidOperation);
  EXPECT_EQ(HostPixel(15, 15), Blue);
}

TEST_F(ControlPaintTest, WindowedChildrenPaintThemselvesOverTheirParent) {
  auto* Panel = new TWindowedBox(&Host(), Bounds(50, 50, 80, 60), clBlue);
  new TColorBox(Panel, Bounds(10, 10, 10, 10), clRed);
  ShowHost();
  EXPECT_EQ(HostPixel(55, 55), Blue);
  EXPECT_EQ(HostPixel(65, 65), Red);
  EXPECT_EQ(HostPixel(45, 45), Face());
}

TEST_F(ControlPaintTest, TheCanvasOutsidePaintingDrawsOnTheControlsPartOfTheParent) {
  auto* Box = new TColorBox(&Host(), Bounds(10, 10, 20, 20), clRed);
  ShowHost();
  Box->Canvas().Brush().SetColor(clBlue);
  // Drawing reaches only the control's own rectangle.
  Box->Canvas().FillRect(Rect(-10, -10, 100, 100));
  FreeDeviceContexts();
  EXPECT_EQ(HostPixel(15, 15), Blue);
  EXPECT_EQ(HostPixel(29, 29), Blue);
  EXPECT_EQ(HostPixel(30, 30), Face());
  EXPECT_EQ(HostPixel(5, 5), Face());
}

}  // namespace
}  // namespace ui_test
