// TCustomListBox: items kept without a window and while it is made again, owner-drawn
// rows and their states, redrawing held off during an update, and item geometry.

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "tests/platform/ui/ListBoxTestSupport.h"

namespace ui_test {
namespace {

TEST_F(ListBoxTest, ItemsAddedBeforeTheWindowExistsGoIntoIt) {
  auto* Orphan = new TListBox(&Host());
  Orphan->SetSorted(true);
  Orphan->Items().AddObject("pear", reinterpret_cast<void*>(7));
  Orphan->Items().Add("apple");
  Orphan->SetItemIndex(1);
  EXPECT_FALSE(Orphan->HandleAllocated());
  EXPECT_EQ(Orphan->Items().Count(), 2);
  Orphan->SetParent(&Host());
  ShowHost();
  ASSERT_TRUE(Orphan->HandleAllocated());
  EXPECT_EQ(SendMessage(Orphan->Handle(), LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(Orphan->Items().Strings(1), "pear");
  EXPECT_EQ(Orphan->Items().Objects(1), reinterpret_cast<void*>(7));
  EXPECT_EQ(Orphan->ItemIndex(), 1);
}

TEST_F(ListBoxTest, TheWindowMadeAgainKeepsItemsDataSelectionAndTop) {
  NewList({"delta", "alpha", "echo", "charlie", "bravo", "f", "g", "h", "i", "j", "k", "l"});
  List().Items().SetObjects(0, reinterpret_cast<void*>(42));
  List().SetItemIndex(0);
  List().SetTopIndex(2);
  const HWND Before = List().Handle();
  List().SetSorted(true);  // a new window with LBS_SORT
  EXPECT_NE(List().Handle(), Before);
  EXPECT_EQ(List().Items().Strings(0), "alpha");
  EXPECT_EQ(List().Items().IndexOf("DELTA"), 3);
  EXPECT_EQ(List().Items().Objects(3), reinterpret_cast<void*>(42));
  EXPECT_EQ(List().ItemIndex(), 3);  // the selected item moved with its place
  EXPECT_EQ(List().TopIndex(), 2);
  List().SetMultiSelect(true);
  EXPECT_EQ(SelectedItems(), std::vector<int>{3});
  List().SetSelected(5, true);
  List().SetItemIndex(5);        // the caret
  List().SetMultiSelect(false);  // one selection is kept: the caret's
  EXPECT_EQ(SelectedItems(), std::vector<int>{5});
}

TEST_F(ListBoxTest, SelectedChecksTheIndexAndFollowsTheSelectionStyle) {
  NewList({"a", "b", "c"});
  List().SetSelected(1, true);
  EXPECT_EQ(List().ItemIndex(), 1);
  List().SetSelected(2, false);  // not the selection: nothing changes
  EXPECT_EQ(List().ItemIndex(), 1);
  List().SetSelected(1, false);
  EXPECT_EQ(List().ItemIndex(), -1);
  EXPECT_EQ(List().SelCount(), 0);
  EXPECT_THROW(List().Selected(3), EListError);
  EXPECT_THROW(List().SetSelected(-1, true), EListError);
  EXPECT_THROW(List().Items().Strings(3), EListError);
  EXPECT_THROW(List().Items().Delete(5), EListError);
}

TEST_F(ListBoxTest, ItemAtPosAndItemRectFollowTheTopIndex) {
  NewList({"a", "b", "c", "d"});
  EXPECT_EQ(List().ItemAtPos({5, 20}, true), 1);
  EXPECT_EQ(List().ItemAtPos({5, 100}, true), -1);
  EXPECT_EQ(List().ItemAtPos({5, 100}, false), 4);
  EXPECT_EQ(List().ItemAtPos({5, 200}, false), -1);  // outside the client area
  EXPECT_EQ(List().ItemRect(2), Rect(0, 32, 120, 48));
  EXPECT_EQ(List().ItemRect(9), TRect());
}

struct TDrawCase {
  const char* Name;
  bool MultiSelect;
  bool Focused;
  bool Enabled;
  std::vector<UINT> States;  // of items 0 to 3
};

class ListBoxOwnerDrawTest : public ListBoxTest, public ::testing::WithParamInterface<TDrawCase> {};

TEST_P(ListBoxOwnerDrawTest, EachShownRowIsAskedForWithItsState) {
  const TDrawCase& Case = GetParam();
  std::vector<TOwnerDrawState> EventStates;
  NewList({"a", "b", "c", "d"}, [&](TListBox& L) {
    L.SetStyle(lbOwnerDrawFixed);
    L.SetItemHeight(20);
    L.SetMultiSelect(Case.MultiSelect);
    L.OnDrawItem = [&](TWinControl*, int, const TRect&, TOwnerDrawState State) {
      EventStates.push_back(State);
    };
  });
  List().Items().SetObjects(3, reinterpret_cast<void*>(99));
  if (Case.MultiSelect) {
    List().SetSelected(1, true);
    List().SetSelected(3, true);
  }
  List().SetItemIndex(Case.MultiSelect ? 3 : 2);
  if (Case.Focused) List().SetFocus();
  List().SetEnabled(Case.Enabled);
  Pump();
  ASSERT_EQ(List().Focused(), Case.Focused);
  DrawnItems.clear();
  EventStates.clear();
  RedrawWindow(List().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

  ASSERT_EQ(DrawnItems.size(), 4u);
  for (int I = 0; I < 4; ++I) {
    const DRAWITEMSTRUCT& Item = DrawnItems[I];
    EXPECT_EQ(Item.CtlType, ODT_LISTBOX);
    EXPECT_EQ(Item.itemID, static_cast<UINT>(I));
    EXPECT_EQ(Item.itemAction, ODA_DRAWENTIRE);
    EXPECT_EQ(Item.hwndItem, List().Handle());
    EXPECT_EQ(Item.rcItem, Rect(0, 20 * I, 120, 20 * I + 20));
    EXPECT_EQ(Item.itemState, Case.States[I]) << "item " << I;
    EXPECT_EQ(EventStates[I], OwnerDrawStateOf(Case.States[I]));
  }
  EXPECT_EQ(DrawnItems[3].itemData, 99u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListBoxOwnerDrawTest,
    ::testing::Values(TDrawCase{"Unfocused", false, false, true, {0, 0, ODS_SELECTED, 0}},
                      TDrawCase{"Focused", false, true, true, {0, 0, ODS_SELECTED | ODS_FOCUS, 0}},
                      TDrawCase{"Disabled",
                                false,
                                false,
                                false,
                                {ODS_DISABLED, ODS_DISABLED, ODS_SELECTED | ODS_DISABLED, ODS_DISABLED}},
                      TDrawCase{
                          "MultiFocused", true, true, true, {0, ODS_SELECTED, 0, ODS_SELECTED | ODS_FOCUS}}),
    [](const auto& AInfo) { return String(AInfo.param.Name); });

TEST_F(ListBoxTest, TheDefaultRowDrawingHighlightsTheSelectedRow) {
  NewList({"one", "two", "three"}, [](TListBox& L) { L.SetStyle(lbOwnerDrawFixed); });
  List().SetItemIndex(1);
  Pump();
  const TPoint Origin = List().ClientToScreen({0, 0});
  auto Pixel = [&](int AX, int AY) { return HostPixel(Origin.X - 100 + AX, Origin.Y - 100 + AY); };
  EXPECT_EQ(Pixel(110, 24), ColorToRGB(clHighlight));  // right of the text in row 1
  EXPECT_EQ(Pixel(110, 8), ColorToRGB(clWindow));
  EXPECT_EQ(Pixel(110, 100), ColorToRGB(clWindow));  // below the rows
}

TEST_F(ListBoxTest, AnUpdateHoldsOffDrawingUntilItEnds) {
  NewList({"a"}, [](TListBox& L) { L.SetStyle(lbOwnerDrawFixed); });
  DrawnItems.clear();
  List().Items().BeginUpdate();
  List().Items().Add("b");
  List().Items().Add("c");
  Pump();
  EXPECT_TRUE(DrawnItems.empty());
  List().Items().EndUpdate();
  Pump();
  EXPECT_EQ(DrawnItems.size(), 3u);
}

}  // namespace
}  // namespace ui_test
