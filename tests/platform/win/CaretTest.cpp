// The caret: one for the program, inverted on its owner's pixels, counted hiding,
// blinking on the backend clock, and gone with its window.

#include <gtest/gtest.h>

#include "platform/win/headless/HeadlessPictures.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

constexpr COLORREF Paper = RGB(255, 255, 255);
constexpr COLORREF Bar = RGB(0, 0, 0);

class CaretTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    Owner = Create("owner", WS_POPUP | WS_VISIBLE, Bounds(50, 50, 100, 60));
    UpdateWindow(Owner);
    HDC DC = GetDC(Owner);
    FillSolidRect(DC, Rect(0, 0, 100, 60), Paper);
    ReleaseDC(Owner, DC);
  }
  COLORREF Pixel(int AX, int AY) { return PresentedPixel(Owner, AX, AY); }

  HWND Owner = nullptr;
};

TEST_F(CaretTest, ACaretIsMadeHiddenAndShowsAsAnInvertedBar) {
  ASSERT_TRUE(CreateCaret(Owner, nullptr, 2, 10));
  ASSERT_TRUE(SetCaretPos(20, 5));
  EXPECT_EQ(Pixel(20, 5), Paper);
  ASSERT_TRUE(ShowCaret(Owner));
  EXPECT_EQ(Pixel(20, 5), Bar);
  EXPECT_EQ(Pixel(21, 14), Bar);
  EXPECT_EQ(Pixel(22, 5), Paper);
  EXPECT_EQ(Pixel(20, 15), Paper);
  // Moving takes the bar along.
  SetCaretPos(40, 5);
  EXPECT_EQ(Pixel(20, 5), Paper);
  EXPECT_EQ(Pixel(40, 5), Bar);
  POINT At;
  ASSERT_TRUE(GetCaretPos(&At));
  EXPECT_EQ(At, (POINT{40, 5}));
  EXPECT_FALSE(ShowCaret(Owner));  // not hidden: nothing to match
}

TEST_F(CaretTest, HidingCountsAndOnlyTheOwnerMayShowOrHide) {
  HWND Other = Create("other", WS_POPUP | WS_VISIBLE, Bounds(200, 50, 20, 20));
  CreateCaret(Owner, nullptr, 1, 8);
  ShowCaret(nullptr);
  EXPECT_FALSE(HideCaret(Other));
  EXPECT_TRUE(HideCaret(Owner));
  EXPECT_TRUE(HideCaret(nullptr));
  EXPECT_EQ(Pixel(0, 0), Paper);
  ShowCaret(Owner);
  EXPECT_EQ(Pixel(0, 0), Paper);
  ShowCaret(Owner);
  EXPECT_EQ(Pixel(0, 0), Bar);
}

TEST_F(CaretTest, ACaretPaintedOverLeavesNoStrayBar) {
  CreateCaret(Owner, nullptr, 1, 8);
  SetCaretPos(10, 10);
  ShowCaret(Owner);
  EXPECT_EQ(Pixel(10, 10), Bar);
  // The owner repaints its background without hiding the caret first.
  HDC DC = GetDC(Owner);
  FillSolidRect(DC, Rect(0, 0, 100, 60), Paper);
  ReleaseDC(Owner, DC);
  HideCaret(Owner);
  EXPECT_EQ(Pixel(10, 10), Paper);
  ShowCaret(Owner);
  EXPECT_EQ(Pixel(10, 10), Bar);
}

TEST_F(CaretTest, TheCaretBlinksOnTheBackendClock) {
  SetCaretBlinkTime(300);
  CreateCaret(Owner, nullptr, 1, 8);
  SetCaretPos(10, 10);
  ShowCaret(Owner);
  EXPECT_EQ(Pixel(10, 10), Bar);
  Headless().AdvanceClock(300);
  EXPECT_EQ(Pixel(10, 10), Paper);
  Headless().AdvanceClock(300);
  EXPECT_EQ(Pixel(10, 10), Bar);
  // Hidden, it stops blinking and leaves the pixels as they were.
  HideCaret(Owner);
  Headless().AdvanceClock(900);
  EXPECT_EQ(Pixel(10, 10), Paper);
  SetCaretBlinkTime(DefaultCaretBlinkTime);
}

TEST_F(CaretTest, TheCaretGoesWithItsWindowAndANewCaretReplacesTheOld) {
  HWND Other = Create("other", WS_POPUP | WS_VISIBLE, Bounds(200, 50, 20, 20));
  CreateCaret(Owner, nullptr, 1, 8);
  ShowCaret(Owner);
  CreateCaret(Other, nullptr, 1, 8);
  // The old caret was taken off its window.
  EXPECT_EQ(Pixel(0, 0), Paper);
  EXPECT_FALSE(HideCaret(Owner));
  DestroyWindow(Other);
  POINT At;
  EXPECT_FALSE(GetCaretPos(&At));
  EXPECT_FALSE(DestroyCaret());
  EXPECT_FALSE(CreateCaret(Other, nullptr, 1, 1));
}

}  // namespace
}  // namespace window_test
