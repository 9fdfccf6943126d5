// The scroll state windows keep for the controls that own their bars.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class ScrollInfoTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    Window = Create("w", WS_POPUP, Bounds(0, 0, 200, 100));
  }

  int ClientWidth() {
    RECT Client;
    GetClientRect(Window, &Client);
    return Client.Width();
  }

  static SCROLLINFO Info(UINT AMask, int AMin, int AMax, UINT APage, int APos) {
    SCROLLINFO Result;
    Result.fMask = AMask;
    Result.nMin = AMin;
    Result.nMax = AMax;
    Result.nPage = APage;
    Result.nPos = APos;
    return Result;
  }

  HWND Window = nullptr;
};

TEST_F(ScrollInfoTest, PositionsAreClampedToTheRangeLessTheLastPage) {
  SCROLLINFO In = Info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 500);
  EXPECT_EQ(SetScrollInfo(Window, SB_VERT, &In, true), 90);
  In = Info(SIF_POS, 0, 0, 0, -5);
  EXPECT_EQ(SetScrollInfo(Window, SB_VERT, &In, true), 0);
  // Positions are 32-bit: a memo of a million lines scrolls to its end.
  In = Info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 1000000, 0, 999999);
  EXPECT_EQ(SetScrollInfo(Window, SB_VERT, &In, true), 999999);
  SCROLLINFO Out;
  Out.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(Window, SB_VERT, &Out));
  EXPECT_EQ((std::vector<int>{Out.nMin, Out.nMax, static_cast<int>(Out.nPage), Out.nPos}),
            (std::vector<int>{0, 1000000, 0, 999999}));
  int Min = -1;
  int Max = -1;
  ASSERT_TRUE(GetScrollRange(Window, SB_VERT, &Min, &Max));
  EXPECT_EQ(Max, 1000000);
  EXPECT_EQ(SetScrollPos(Window, SB_VERT, 5, false), 999999);
  EXPECT_EQ(GetScrollPos(Window, SB_VERT), 5);
}

TEST_F(ScrollInfoTest, APageLargerThanTheRangeIsCut) {
  SCROLLINFO In = Info(SIF_RANGE | SIF_PAGE, 10, 19, 50, 0);
  SetScrollInfo(Window, SB_CTL, &In, false);
  SCROLLINFO Out;
  Out.fMask = SIF_PAGE;
  GetScrollInfo(Window, SB_CTL, &Out);
  EXPECT_EQ(Out.nPage, 10u);
}

TEST_F(ScrollInfoTest, TheBarAppearsWhenThereIsSomethingToScrollAndTakesItsRoom) {
  EXPECT_EQ(ClientWidth(), 200);
  SCROLLINFO In = Info(SIF_RANGE | SIF_PAGE, 0, 99, 10, 0);
  SetScrollInfo(Window, SB_VERT, &In, true);
  EXPECT_TRUE(GetWindowLong(Window, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(ClientWidth(), 183);
  In = Info(SIF_PAGE, 0, 0, 100, 0);
  SetScrollInfo(Window, SB_VERT, &In, true);
  EXPECT_FALSE(GetWindowLong(Window, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(ClientWidth(), 200);
  // A change of the page alone never brings the bar back.
  In = Info(SIF_PAGE, 0, 0, 10, 0);
  SetScrollInfo(Window, SB_VERT, &In, true);
  EXPECT_FALSE(GetWindowLong(Window, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ScrollInfoTest, DisableNoScrollKeepsTheBar) {
  ShowScrollBar(Window, SB_BOTH, true);
  EXPECT_EQ(GetWindowLong(Window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL),
            static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
  SCROLLINFO In = Info(SIF_RANGE | SIF_DISABLENOSCROLL, 0, 0, 0, 0);
  SetScrollInfo(Window, SB_HORZ, &In, true);
  EXPECT_TRUE(GetWindowLong(Window, GWL_STYLE) & WS_HSCROLL);
}

TEST_F(ScrollInfoTest, WindowsCreatedWithBarsStartWithTheRangeZeroToHundred) {
  const HWND WithBars = Create("bars", WS_POPUP | WS_VSCROLL, Bounds(0, 0, 50, 50));
  int Min = -1;
  int Max = -1;
  GetScrollRange(WithBars, SB_HORZ, &Min, &Max);
  EXPECT_EQ(Max, 100);
  GetScrollRange(Window, SB_HORZ, &Min, &Max);
  EXPECT_EQ(Max, 0);
  EXPECT_FALSE(GetScrollRange(Window, 7, &Min, &Max));
}

}  // namespace
}  // namespace window_test

namespace window_test {
namespace {

TEST(ScrollMessageTest, PositionsTravelAsFull32BitValues) {
  struct Case {
    int Code;
    int Pos;
  };
  for (Case C : {Case{SB_THUMBPOSITION, 0}, Case{SB_THUMBPOSITION, 65535}, Case{SB_THUMBTRACK, 70000},
                 Case{SB_LINEDOWN, 2147483647}, Case{SB_THUMBPOSITION, -5}}) {
    WPARAM Packed = MakeScrollWParam(C.Code, C.Pos);
    EXPECT_EQ(ScrollCodeOf(Packed), C.Code);
    EXPECT_EQ(ScrollPosOf(Packed), C.Pos);
    if (C.Pos >= 0 && C.Pos < 65536) {
      EXPECT_EQ(HIWORD(Packed), C.Pos);
    }
  }
}

}  // namespace
}  // namespace window_test
