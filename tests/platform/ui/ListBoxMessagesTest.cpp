// The LISTBOX window at the level of its messages: finding items, the item messages,
// selection by message in each selection style, and the scroll state of one and of
// several columns.

#include <gtest/gtest.h>

#include "platform/win/ScrollInfo.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"
#include "tests/platform/ui/ListBoxTestSupport.h"

namespace ui_test {
namespace {

LPARAM Text(const char* AText) { return reinterpret_cast<LPARAM>(AText); }
constexpr WPARAM FromTop = static_cast<WPARAM>(-1);

SCROLLINFO ScrollState(HWND AWindow, int ABar) {
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  GetScrollInfo(AWindow, ABar, &Info);
  return Info;
}

struct TFindCase {
  WPARAM Start;
  const char* Text;
  UINT Message;
  LRESULT Expected;
};

class ListBoxFindTest : public ListBoxTest, public ::testing::WithParamInterface<TFindCase> {};

TEST_P(ListBoxFindTest, FindsFromAfterTheStartAndWrapsRoundIgnoringCase) {
  NewList({"Apple", "apricot", "Banana", "avocado", "Cherry"});
  const TFindCase& Case = GetParam();
  EXPECT_EQ(Send(Case.Message, Case.Start, Text(Case.Text)), Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListBoxFindTest,
                         ::testing::Values(TFindCase{FromTop, "a", LB_FINDSTRING,
                                                     0},  // the whole list from the top
                                           TFindCase{0, "a", LB_FINDSTRING, 1},    // after the start
                                           TFindCase{1, "A", LB_FINDSTRING, 3},    // letter case ignored
                                           TFindCase{3, "a", LB_FINDSTRING, 0},    // wraps round
                                           TFindCase{2, "ban", LB_FINDSTRING, 2},  // back to the start itself
                                           TFindCase{FromTop, "x", LB_FINDSTRING, LB_ERR},  // nothing
                                           TFindCase{40, "c", LB_FINDSTRING, 4},  // a bad start searches all
                                           TFindCase{FromTop, "APRICOT", LB_FINDSTRINGEXACT, 1},
                                           TFindCase{1, "apple", LB_FINDSTRINGEXACT, 0},
                                           TFindCase{FromTop, "apri", LB_FINDSTRINGEXACT, LB_ERR}));

TEST_F(ListBoxTest, ItemMessagesKeepTextAndDataAndCheckTheIndex) {
  NewList({"one", "Grüße"});
  EXPECT_EQ(Send(LB_GETCOUNT), 2);
  EXPECT_EQ(Send(LB_GETTEXTLEN, 1), 7);  // bytes of the UTF-8 text
  char Buffer[16] = {};
  EXPECT_EQ(Send(LB_GETTEXT, 1, reinterpret_cast<LPARAM>(Buffer)), 7);
  EXPECT_STREQ(Buffer, "Grüße");
  EXPECT_EQ(Send(LB_INSERTSTRING, 1, Text("two")), 1);
  EXPECT_EQ(Send(LB_INSERTSTRING, FromTop, Text("last")), 3);
  EXPECT_EQ(Send(LB_INSERTSTRING, 9, Text("far")), LB_ERR);
  EXPECT_EQ(Send(LB_SETITEMDATA, 2, 0x12345678abcdLL), LB_OKAY);
  EXPECT_EQ(Send(LB_GETITEMDATA, 2), 0x12345678abcdLL);
  EXPECT_EQ(Send(LB_DELETESTRING, 0), 3);  // the count left
  EXPECT_EQ(Send(LB_GETITEMDATA, 1), 0x12345678abcdLL);
  for (UINT Message : {LB_GETTEXTLEN, LB_GETITEMDATA, LB_DELETESTRING, LB_GETSEL, LB_SETTOPINDEX})
    EXPECT_EQ(Send(Message, 3), LB_ERR) << Message;
  EXPECT_EQ(Send(LB_SETITEMDATA, 3, 1), LB_ERR);
  RECT Row;
  EXPECT_EQ(Send(LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&Row)), LB_ERR);
  EXPECT_EQ(Send(LB_SETITEMHEIGHT, 0, 0), LB_ERR);
  EXPECT_EQ(Send(LB_SETITEMHEIGHT, 0, 300), LB_OKAY);  // rows taller than 255 pixels too
  EXPECT_EQ(Send(LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&Row)), LB_OKAY);
  EXPECT_EQ(Row, Rect(0, 300, 120, 600));
  Send(LB_RESETCONTENT);
  EXPECT_EQ(Send(LB_GETCOUNT), 0);
}

TEST_F(ListBoxTest, ASortedListAddsInLetterOrderButInsertsWhereAsked) {
  NewList({"pear", "Apple", "banana", "apple"}, [](TListBox& L) { L.SetSorted(true); });
  EXPECT_EQ(List().Items().Text(), "Apple\napple\nbanana\npear\n");
  EXPECT_EQ(Send(LB_ADDSTRING, 0, Text("Banana")), 3);  // after the equal one
  EXPECT_EQ(Send(LB_INSERTSTRING, 0, Text("zebra")), 0);
  EXPECT_EQ(List().Items().Strings(0), "zebra");
  EXPECT_EQ(List().Items().Add("cherry"), 5);
}

struct TSelectionMessageCase {
  const char* Name;
  bool MultiSelect;
  LRESULT SetCurSel, GetCurSelAfter, SetSel, GetSelCount;
};

class ListBoxSelectionMessagesTest : public ListBoxTest,
                                     public ::testing::WithParamInterface<TSelectionMessageCase> {};

TEST_P(ListBoxSelectionMessagesTest, EachSelectionStyleTakesItsOwnMessages) {
  const TSelectionMessageCase& Case = GetParam();
  NewList({"a", "b", "c", "d"}, [&](TListBox& L) { L.SetMultiSelect(Case.MultiSelect); });
  EXPECT_EQ(Send(LB_SETCURSEL, 2), Case.SetCurSel);
  EXPECT_EQ(Send(LB_GETCURSEL), Case.GetCurSelAfter);
  EXPECT_EQ(Send(LB_SETSEL, 1, 3), Case.SetSel);
  EXPECT_EQ(Send(LB_GETSELCOUNT), Case.GetSelCount);
  EXPECT_EQ(Send(LB_SETCARETINDEX, 3), LB_OKAY);
  EXPECT_EQ(Send(LB_GETCARETINDEX), 3);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListBoxSelectionMessagesTest,
                         ::testing::Values(TSelectionMessageCase{"single", false, 2, 2, LB_ERR, LB_ERR},
                                           // The caret stands for the selection of a multi-selection list.
                                           TSelectionMessageCase{"multi", true, LB_ERR, 0, LB_OKAY, 1}),
                         [](const auto& AInfo) { return String(AInfo.param.Name); });

TEST_F(ListBoxTest, SettingNoSelectionAnswersAnErrorAndClearsIt) {
  NewList({"a", "b"});
  Send(LB_SETCURSEL, 1);
  EXPECT_EQ(Send(LB_SETCURSEL, FromTop), LB_ERR);
  EXPECT_EQ(Send(LB_GETCURSEL), LB_ERR);
  EXPECT_TRUE(Notifications.empty());  // messages never notify
}

TEST_F(ListBoxTest, TheSelectionAndTheCaretStayOnTheirItemsWhileOthersComeAndGo) {
  NewList({"a", "b", "c", "d"});
  Send(LB_SETCURSEL, 2);
  Send(LB_INSERTSTRING, 0, Text("new"));
  EXPECT_EQ(Send(LB_GETCURSEL), 3);
  EXPECT_EQ(Send(LB_GETCARETINDEX), 3);
  Send(LB_DELETESTRING, 1);
  EXPECT_EQ(Send(LB_GETCURSEL), 2);
  Send(LB_DELETESTRING, 2);  // the selected item itself
  EXPECT_EQ(Send(LB_GETCURSEL), LB_ERR);
  EXPECT_EQ(Send(LB_GETCARETINDEX), 2);  // on the item that took its place
  Send(LB_RESETCONTENT);
  EXPECT_EQ(Send(LB_GETCARETINDEX), LB_ERR);
}

TEST_F(ListBoxTest, MultipleSelectionBySetSelForOneAndForAll) {
  NewList({"a", "b", "c", "d"}, [](TListBox& L) { L.SetMultiSelect(true); });
  EXPECT_EQ(Send(LB_SETSEL, 1, -1), LB_OKAY);
  EXPECT_EQ(Send(LB_GETSELCOUNT), 4);
  Send(LB_SETSEL, 0, 2);
  EXPECT_EQ(Send(LB_GETSEL, 2), 0);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(Send(LB_SETSEL, 1, 7), LB_ERR);
}

TEST_F(ListBoxTest, OneColumnScrollsByRowsAndTheBarsTakeNoRoom) {
  NewList({});
  for (int I = 0; I < 20; ++I) List().Items().Add(Format("Item %d", I));
  const HWND Window = List().Handle();
  EXPECT_TRUE(GetWindowLong(Window, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(List().ClientRect(), Rect(0, 0, 120, 150));
  SCROLLINFO Bar = ScrollState(Window, SB_VERT);
  EXPECT_EQ(Bar.nMin, 0);
  EXPECT_EQ(Bar.nMax, 19);
  EXPECT_EQ(Bar.nPage, 9u);  // whole rows of 16 in 150 pixels
  EXPECT_EQ(Bar.nPos, 0);

  struct TScrollStep {
    UINT Message;
    WPARAM WParam;
    LPARAM LParam;
    int Top;
  };
  for (const TScrollStep& Step : {TScrollStep{LB_SETTOPINDEX, 15, 0, 11},  // the last page stays full
                                  TScrollStep{WM_VSCROLL, MakeScrollWParam(SB_LINEUP, 0), 0, 10},
                                  TScrollStep{WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 4), 0, 4},
                                  TScrollStep{WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0), 0, 5},
                                  TScrollStep{WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 9), 0, 5}}) {
    Send(Step.Message, Step.WParam, Step.LParam);
    EXPECT_EQ(Send(LB_GETTOPINDEX), Step.Top);
    EXPECT_EQ(ScrollState(Window, SB_VERT).nPos, Step.Top);
  }
  RECT Row;
  Send(LB_GETITEMRECT, 7, reinterpret_cast<LPARAM>(&Row));
  EXPECT_EQ(Row, Rect(0, 32, 120, 48));
  EXPECT_EQ(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 40)), 7);
  EXPECT_EQ(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 400)), MAKELRESULT(19, 1));
}

TEST_F(ListBoxTest, PositionsBeyondSixteenBitsScrollTheList) {
  NewList({});
  List().Items().BeginUpdate();
  for (int I = 0; I < 70000; ++I) Send(LB_ADDSTRING, 0, Text("row"));
  List().Items().EndUpdate();
  Send(WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 69000));
  EXPECT_EQ(Send(LB_GETTOPINDEX), 69000);
  EXPECT_EQ(ScrollState(List().Handle(), SB_VERT).nPos, 69000);
  EXPECT_EQ(ScrollState(List().Handle(), SB_VERT).nMax, 69999);
}

TEST_F(ListBoxTest, SeveralColumnsScrollByColumnsOnTheHorizontalState) {
  NewList({}, [](TListBox& L) { L.SetColumns(3); });
  for (int I = 0; I < 50; ++I) List().Items().Add(Format("%d", I));
  const HWND Window = List().Handle();
  // Columns of 120 / 3 = 40 pixels, 9 rows each: 50 items fill 6 columns, 3 shown.
  SCROLLINFO Bar = ScrollState(Window, SB_HORZ);
  EXPECT_EQ(Bar.nMax, 5);
  EXPECT_EQ(Bar.nPage, 3u);
  EXPECT_EQ(Bar.nPos, 0);
  EXPECT_EQ(ScrollState(Window, SB_VERT).nMax, 0);
  EXPECT_EQ(List().ClientRect(), Rect(0, 0, 120, 150));

  Send(WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 2));
  EXPECT_EQ(Send(LB_GETTOPINDEX), 18);
  EXPECT_EQ(ScrollState(Window, SB_HORZ).nPos, 2);
  RECT Row;
  Send(LB_GETITEMRECT, 20, reinterpret_cast<LPARAM>(&Row));
  EXPECT_EQ(Row, Rect(0, 32, 40, 48));
  Send(LB_GETITEMRECT, 30, reinterpret_cast<LPARAM>(&Row));
  EXPECT_EQ(Row, Rect(40, 48, 80, 64));
  EXPECT_EQ(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(45, 20)), 28);
  EXPECT_EQ(List().ItemAtPos({45, 20}, true), 28);

  Send(WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 10));  // no further than the last page
  EXPECT_EQ(ScrollState(Window, SB_HORZ).nPos, 3);
  EXPECT_EQ(Send(LB_GETTOPINDEX), 27);
  Send(WM_HSCROLL, MakeScrollWParam(SB_LINEUP, 0));
  EXPECT_EQ(Send(LB_GETTOPINDEX), 18);
  Send(WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0));  // rows do not scroll here
  EXPECT_EQ(Send(LB_GETTOPINDEX), 18);
  Send(LB_SETTOPINDEX, 40);  // the first item of its column
  EXPECT_EQ(Send(LB_GETTOPINDEX), 27);

  // Selecting an item scrolls its column into view.
  List().SetItemIndex(5);
  EXPECT_EQ(ScrollState(Window, SB_HORZ).nPos, 0);
  List().SetItemIndex(49);
  EXPECT_EQ(ScrollState(Window, SB_HORZ).nPos, 3);
}

}  // namespace
}  // namespace ui_test
