// The tab control stand-in at the message level: tab rectangles with fixed sizes and
// an image list, the four tab positions and their display rectangles, lines that wrap,
// and a single line scrolled by WM_HSCROLL and by its up-down scroller.

#include <gtest/gtest.h>

#include "platform/ui/ImgList.h"
#include "platform/ui/native/TabControlWindow.h"
#include "platform/ui/native/UpDownWindow.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

class TabControlTest : public UiTest {
 protected:
  // A tab control on the host at (0, 0), AWidth × AHeight, with ACount tabs of the
  // fixed size ATabWidth × 20.
  HWND NewTabControl(DWORD AStyle, int ACount, int ATabWidth, int AWidth = 300, int AHeight = 200) {
    RegisterTabControlClass();
    HWND Window = CreateWindowEx(0, WC_TABCONTROL, "", WS_CHILD | WS_VISIBLE | AStyle, 0, 0, AWidth, AHeight,
                                 Host().Handle(), nullptr, nullptr, nullptr);
    SendMessage(Window, TCM_SETITEMSIZE, 0, MAKELPARAM(static_cast<WORD>(ATabWidth), 20));
    for (int I = 0; I < ACount; ++I) {
      const String Caption = Format("Tab %d", I);
      TCITEM Item;
      Item.mask = TCIF_TEXT;
      Item.pszText = Caption.c_str();
      SendMessage(Window, TCM_INSERTITEM, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item));
    }
    return Window;
  }

  static TRect ItemRect(HWND AWindow, int AIndex) {
    RECT Result;
    EXPECT_TRUE(SendMessage(AWindow, TCM_GETITEMRECT, static_cast<WPARAM>(AIndex),
                            reinterpret_cast<LPARAM>(&Result)));
    return Result;
  }

  static TRect DisplayRect(HWND AWindow) {
    RECT Result;
    GetClientRect(AWindow, &Result);
    SendMessage(AWindow, TCM_ADJUSTRECT, 0, reinterpret_cast<LPARAM>(&Result));
    return Result;
  }

  // The up-down child, nullptr when there is none.
  static HWND ScrollerOf(HWND AWindow) {
    HWND Found = nullptr;
    EnumChildWindows(AWindow, [&Found](HWND AChild) {
      if (GetClassName(AChild) == UPDOWN_CLASS) Found = AChild;
      return true;
    });
    return Found;
  }

  static void ScrollTo(HWND AWindow, int APosition) {
    SendMessage(AWindow, WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, APosition), 0);
  }
};

TEST_F(TabControlTest, FixedSizeTabsLieSideBySideAndAnImageListWidensEveryTab) {
  HWND Window = NewTabControl(0, 3, 60);
  EXPECT_EQ(ItemRect(Window, 0), Rect(2, 2, 62, 22));
  EXPECT_EQ(ItemRect(Window, 2), Rect(122, 2, 182, 22));
  RECT Outside;
  EXPECT_FALSE(SendMessage(Window, TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&Outside)));

  TCustomImageList Images(nullptr, 15, 10);
  SendMessage(Window, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&Images));
  EXPECT_EQ(ItemRect(Window, 0), Rect(2, 2, 77, 22));
  EXPECT_EQ(ItemRect(Window, 2), Rect(152, 2, 227, 22));
  // The list is read when the tabs are laid out, so a list that grows widens the tabs.
  Images.SetWidth(30);
  EXPECT_EQ(ItemRect(Window, 1), Rect(92, 2, 182, 22));
  EXPECT_EQ(SendMessage(Window, TCM_SETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(&Images));
  EXPECT_EQ(ItemRect(Window, 1), Rect(62, 2, 122, 22));
}

TEST_F(TabControlTest, MeasuredTabsFollowTheirCaptionsAndTheFont) {
  HWND Window = NewTabControl(0, 2, 0);
  const TRect Short = ItemRect(Window, 0);
  TCITEM Item;
  Item.mask = TCIF_TEXT;
  Item.pszText = "A much longer caption";
  SendMessage(Window, TCM_SETITEM, 0, reinterpret_cast<LPARAM>(&Item));
  const TRect Long = ItemRect(Window, 0);
  EXPECT_GT(Long.Width(), Short.Width() + 40);
  EXPECT_EQ(ItemRect(Window, 1).Left, Long.Right);
  EXPECT_EQ(Long.Height(), 20);
  // The previous size comes back from a new one.
  EXPECT_EQ(SendMessage(Window, TCM_SETITEMSIZE, 0, MAKELPARAM(80, 24)), MAKELRESULT(0, 20));
  EXPECT_EQ(ItemRect(Window, 0), Rect(2, 2, 82, 26));
}

struct PositionCase {
  const char* Name;
  DWORD Style;
  TRect FirstTab;
  TRect SecondTab;
  TRect Display;
};

void PrintTo(const PositionCase& ACase, std::ostream* AStream) { *AStream << ACase.Name; }

class TabPositionTest : public TabControlTest, public ::testing::WithParamInterface<PositionCase> {};

// 300 × 200 with two tabs of 60 × 20: the tabs 2 pixels from their edge, the pages
// inside the border 4 pixels from the other edges.
TEST_P(TabPositionTest, TabsAndDisplayRectangleFollowThePosition) {
  const PositionCase& Case = GetParam();
  HWND Window = NewTabControl(Case.Style, 2, 60);
  EXPECT_EQ(ItemRect(Window, 0), Case.FirstTab);
  EXPECT_EQ(ItemRect(Window, 1), Case.SecondTab);
  EXPECT_EQ(DisplayRect(Window), Case.Display);
  // TRUE turns a display rectangle back into the window rectangle.
  RECT Back = Case.Display;
  SendMessage(Window, TCM_ADJUSTRECT, 1, reinterpret_cast<LPARAM>(&Back));
  EXPECT_EQ(Back, Rect(0, 0, 300, 200));
}

INSTANTIATE_TEST_SUITE_P(
    Positions, TabPositionTest,
    ::testing::Values(PositionCase{"Top", 0, Rect(2, 2, 62, 22), Rect(62, 2, 122, 22), Rect(4, 26, 296, 196)},
                      PositionCase{"Bottom", TCS_BOTTOM, Rect(2, 178, 62, 198), Rect(62, 178, 122, 198),
                                   Rect(4, 4, 296, 176)},
                      PositionCase{"Left", TCS_VERTICAL, Rect(2, 0, 22, 60), Rect(2, 60, 22, 120),
                                   Rect(24, 4, 296, 196)},
                      PositionCase{"Right", TCS_VERTICAL | TCS_RIGHT, Rect(278, 0, 298, 60),
                                   Rect(278, 60, 298, 120), Rect(4, 4, 276, 196)}),
    [](const ::testing::TestParamInfo<PositionCase>& AInfo) { return String(AInfo.param.Name); });

TEST_F(TabControlTest, ATabControlWithoutTabsKeepsOnlyTheBorderInset) {
  HWND Window = NewTabControl(0, 0, 60);
  EXPECT_EQ(DisplayRect(Window), Rect(4, 4, 296, 196));
}

// Five tabs of 100 in 300 pixels make two lines, [0 1 2] and [3 4]; the line of the
// selected tab lies next to the pages.
TEST_F(TabControlTest, MultipleLinesWrapAndTheSelectedLineMovesNextToThePages) {
  HWND Window = NewTabControl(TCS_MULTILINE, 5, 100);
  SendMessage(Window, TCM_SETCURSEL, 1, 0);
  EXPECT_EQ(ItemRect(Window, 0), Rect(0, 22, 100, 42));
  EXPECT_EQ(ItemRect(Window, 2), Rect(200, 22, 300, 42));
  EXPECT_EQ(ItemRect(Window, 3), Rect(0, 2, 100, 22));
  EXPECT_EQ(DisplayRect(Window), Rect(4, 46, 296, 196));

  EXPECT_EQ(SendMessage(Window, TCM_SETCURSEL, 4, 0), 1);
  EXPECT_EQ(ItemRect(Window, 0), Rect(0, 2, 100, 22));
  EXPECT_EQ(ItemRect(Window, 4), Rect(100, 22, 200, 42));
  // An index outside the tabs changes nothing.
  EXPECT_EQ(SendMessage(Window, TCM_SETCURSEL, 5, 0), -1);
  EXPECT_EQ(SendMessage(Window, TCM_GETCURSEL, 0, 0), 4);
  EXPECT_EQ(ScrollerOf(Window), nullptr);
}

// Eight tabs of 60 in 300 pixels: the scroller takes 40 pixels at the right end, and
// from the fifth tab on the rest fits before it.
TEST_F(TabControlTest, ASingleLineThatDoesNotFitScrollsByThumbPosition) {
  HWND Window = NewTabControl(0, 8, 60);
  HWND Scroller = ScrollerOf(Window);
  ASSERT_NE(Scroller, nullptr);
  RECT Place;
  GetWindowRect(Scroller, &Place);
  const TPoint Origin = Host().ClientOrigin();
  EXPECT_EQ(Place, Rect(Origin.X + 260, Origin.Y + 2, Origin.X + 300, Origin.Y + 22));
  int Min = -1, Max = -1;
  SendMessage(Scroller, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&Min), reinterpret_cast<LPARAM>(&Max));
  EXPECT_EQ(Min, 0);
  EXPECT_EQ(Max, 4);

  ScrollTo(Window, 2);
  EXPECT_EQ(ItemRect(Window, 0), Rect(-118, 2, -58, 22));
  EXPECT_EQ(ItemRect(Window, 2), Rect(2, 2, 62, 22));
  EXPECT_EQ(SendMessage(Scroller, UDM_GETPOS32, 0, 0), 2);
  // Beyond the useful range the last tab stays in view; positions are 32-bit.
  ScrollTo(Window, 70004);
  EXPECT_EQ(ItemRect(Window, 7), Rect(182, 2, 242, 22));
  ScrollTo(Window, -3);
  EXPECT_EQ(ItemRect(Window, 0), Rect(2, 2, 62, 22));
  // Other requests do not move the tabs.
  SendMessage(Window, WM_HSCROLL, MakeScrollWParam(SB_LINERIGHT, 0), 0);
  EXPECT_EQ(ItemRect(Window, 0), Rect(2, 2, 62, 22));
}

TEST_F(TabControlTest, SelectingAHiddenTabScrollsItIntoView) {
  HWND Window = NewTabControl(0, 8, 60);
  SendMessage(Window, TCM_SETCURSEL, 6, 0);
  EXPECT_EQ(ItemRect(Window, 6), Rect(182, 2, 242, 22));
  SendMessage(Window, TCM_SETCURSEL, 1, 0);
  EXPECT_EQ(ItemRect(Window, 1), Rect(2, 2, 62, 22));
}

TEST_F(TabControlTest, APressOnTheScrollerMovesTheFirstVisibleTab) {
  Host().SetBounds(100, 100, 300, 200);
  HWND Window = NewTabControl(0, 8, 60);
  ShowHost();
  InjectClick(OnHost(295, 10));
  Pump();
  EXPECT_EQ(ItemRect(Window, 1), Rect(2, 2, 62, 22));
  InjectClick(OnHost(265, 10));
  Pump();
  EXPECT_EQ(ItemRect(Window, 0), Rect(2, 2, 62, 22));
}

TEST_F(TabControlTest, TheScrollerMayBeDestroyedAtAnyTimeAndComesBackWithTheNextLayout) {
  HWND Window = NewTabControl(0, 8, 60);
  ASSERT_NE(ScrollerOf(Window), nullptr);
  DestroyWindow(ScrollerOf(Window));
  ScrollTo(Window, 3);
  EXPECT_EQ(ItemRect(Window, 3), Rect(2, 2, 62, 22));
  EXPECT_EQ(ScrollerOf(Window), nullptr);
  // Tabs that fit need none; the first visible tab is the first again.
  SetWindowPos(Window, nullptr, 0, 0, 600, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(ScrollerOf(Window), nullptr);
  EXPECT_EQ(ItemRect(Window, 0), Rect(2, 2, 62, 22));
  SetWindowPos(Window, nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_NE(ScrollerOf(Window), nullptr);
  EXPECT_EQ(ItemRect(Window, 0), Rect(2, 2, 62, 22));
}

TEST_F(TabControlTest, DeletingTabsKeepsTheSelectionOnItsTab) {
  HWND Window = NewTabControl(0, 4, 60);
  SendMessage(Window, TCM_SETCURSEL, 2, 0);
  EXPECT_TRUE(SendMessage(Window, TCM_DELETEITEM, 0, 0));
  EXPECT_EQ(SendMessage(Window, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(SendMessage(Window, TCM_DELETEITEM, 1, 0));
  EXPECT_EQ(SendMessage(Window, TCM_GETCURSEL, 0, 0), -1);
  EXPECT_FALSE(SendMessage(Window, TCM_DELETEITEM, 2, 0));
  EXPECT_EQ(SendMessage(Window, TCM_GETITEMCOUNT, 0, 0), 2);
}

}  // namespace
}  // namespace ui_test
