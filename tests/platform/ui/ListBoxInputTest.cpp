// The list box driven by injected input: selection by the pointer and the keys in each
// selection style, double clicks, the wheel and the incremental search, with the
// notifications the parent receives and the events they raise.

#include <gtest/gtest.h>

#include "platform/ui/native/ListBoxWindow.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/ListBoxTestSupport.h"

namespace ui_test {
namespace {

// One step of a script: a click on an item, a drag from one item to another, or a
// key stroke; each with modifiers (PointerShift, PointerControl).
struct TStep {
  enum { Click, Drag, Key } Kind;
  int Item;  // the item clicked, dragged from, or the virtual key
  UINT Modifiers = 0;
  int DragTo = 0;
};

TStep ClickOn(int AItem, UINT AModifiers = 0) { return {TStep::Click, AItem, AModifiers}; }
TStep DragFrom(int AFrom, int ATo) { return {TStep::Drag, AFrom, 0, ATo}; }
TStep Press(int AKey, UINT AModifiers = 0) { return {TStep::Key, AKey, AModifiers}; }

struct TSelectionCase {
  const char* Name;
  bool MultiSelect;
  bool ExtendedSelect;
  std::vector<TStep> Steps;
  std::vector<int> Selected;
  int ItemIndex;
  // LBN_SELCHANGE notifications (and so OnClick events) the steps made.
  int Changes;
};

class ListBoxSelectionInputTest : public ListBoxTest, public ::testing::WithParamInterface<TSelectionCase> {};

TEST_P(ListBoxSelectionInputTest, PointerAndKeysSelectAsTheStyleSays) {
  const TSelectionCase& Case = GetParam();
  int Clicks = 0;
  NewList({"a0", "a1", "a2", "a3", "a4", "a5"}, [&](TListBox& L) {
    L.SetMultiSelect(Case.MultiSelect);
    L.SetExtendedSelect(Case.ExtendedSelect);
    L.OnClick = [&](TObject*) { ++Clicks; };
  });
  for (const TStep& Step : Case.Steps) {
    switch (Step.Kind) {
      case TStep::Click:
        InjectClick(OnItem(Step.Item), pbLeft, Step.Modifiers);
        break;
      case TStep::Drag:
        InjectPointerPress(OnItem(Step.Item));
        InjectPointerMove(OnItem(Step.DragTo), 0);
        InjectPointerRelease(OnItem(Step.DragTo));
        break;
      case TStep::Key:
        InjectKeyStroke(static_cast<UINT>(Step.Item), Step.Modifiers);
        break;
    }
    Pump();
    Headless().AdvanceClock(1000);  // no two clicks make a double click
  }
  EXPECT_EQ(SelectedItems(), Case.Selected);
  EXPECT_EQ(List().ItemIndex(), Case.ItemIndex);
  EXPECT_EQ(Notifications, std::vector<WORD>(static_cast<size_t>(Case.Changes), LBN_SELCHANGE));
  EXPECT_EQ(Clicks, Case.Changes);
  EXPECT_EQ(List().SelCount(), static_cast<int>(Case.Selected.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListBoxSelectionInputTest,
    ::testing::Values(
        TSelectionCase{"SingleClicks", false, false, {ClickOn(1), ClickOn(3), ClickOn(3)}, {3}, 3, 2},
        TSelectionCase{"SingleKeys", false, false, {ClickOn(1), Press(VK_DOWN), Press(VK_DOWN)}, {3}, 3, 3},
        TSelectionCase{"SingleHomeEnd", false, false, {ClickOn(2), Press(VK_END), Press(VK_HOME)}, {0}, 0, 3},
        TSelectionCase{"SingleDrag", false, false, {DragFrom(0, 3)}, {3}, 3, 2},
        TSelectionCase{"MultipleToggles", true, false, {ClickOn(1), ClickOn(3), ClickOn(1)}, {3}, 1, 3},
        // Keys move only the caret; Space toggles its item.
        TSelectionCase{"MultipleSpace",
                       true,
                       false,
                       {ClickOn(0), Press(VK_DOWN), Press(VK_DOWN), Press(VK_SPACE)},
                       {0, 2},
                       2,
                       4},
        TSelectionCase{
            "ExtendedShiftClick", true, true, {ClickOn(1), ClickOn(4, PointerShift)}, {1, 2, 3, 4}, 4, 2},
        TSelectionCase{
            "ExtendedCtrlClick", true, true, {ClickOn(1), ClickOn(3, PointerControl)}, {1, 3}, 3, 2},
        TSelectionCase{"ExtendedClickStartsAgain",
                       true,
                       true,
                       {ClickOn(1), ClickOn(3, PointerControl), ClickOn(5)},
                       {5},
                       5,
                       3},
        TSelectionCase{"ExtendedShiftKeys",
                       true,
                       true,
                       {ClickOn(2), Press(VK_DOWN, PointerShift), Press(VK_DOWN, PointerShift)},
                       {2, 3, 4},
                       4,
                       3},
        TSelectionCase{"ExtendedCtrlKeysMoveTheCaret",
                       true,
                       true,
                       {ClickOn(2), Press(VK_DOWN, PointerControl), Press(VK_SPACE, PointerControl)},
                       {2, 3},
                       3,
                       3},
        TSelectionCase{"ExtendedDrag", true, true, {DragFrom(1, 3)}, {1, 2, 3}, 3, 2}),
    [](const auto& AInfo) { return String(AInfo.param.Name); });

TEST_F(ListBoxTest, ADoubleClickOnAnItemNotifiesAfterSelectingIt) {
  int DoubleClicks = 0;
  NewList({"a", "b", "c"}, [&](TListBox& L) { L.OnDblClick = [&](TObject*) { ++DoubleClicks; }; });
  InjectDoubleClick(OnItem(2));
  Pump();
  EXPECT_EQ(List().ItemIndex(), 2);
  EXPECT_EQ(DoubleClicks, 1);
  EXPECT_EQ(Notifications, (std::vector<WORD>{LBN_SELCHANGE, LBN_DBLCLK}));
  // Below the last item nothing is selected and nothing double-clicked.
  InjectDoubleClick(List().ClientToScreen({20, 120}));
  Pump();
  EXPECT_EQ(DoubleClicks, 1);
  EXPECT_EQ(List().ItemIndex(), 2);
}

TEST_F(ListBoxTest, TheWheelScrollsByLinesUnlessAnEventTakesIt) {
  NewList({});
  for (int I = 0; I < 30; ++I) List().Items().Add(Format("Item %d", I));
  InjectClick(OnItem(0));
  InjectWheel(OnItem(0), -WHEEL_DELTA);
  Pump();
  EXPECT_EQ(List().TopIndex(), WheelScrollLines);
  InjectWheel(OnItem(0), -2 * WHEEL_DELTA);
  InjectWheel(OnItem(0), WHEEL_DELTA);
  Pump();
  EXPECT_EQ(List().TopIndex(), 2 * WheelScrollLines);
  // Half notches add up.
  InjectWheel(OnItem(0), WHEEL_DELTA / 2);
  Pump();
  EXPECT_EQ(List().TopIndex(), 2 * WheelScrollLines);
  InjectWheel(OnItem(0), WHEEL_DELTA / 2);
  Pump();
  EXPECT_EQ(List().TopIndex(), WheelScrollLines);
  List().OnMouseWheel = [](TObject*, TShiftState, int, TPoint, bool& Handled) { Handled = true; };
  InjectWheel(OnItem(0), -WHEEL_DELTA);
  Pump();
  EXPECT_EQ(List().TopIndex(), WheelScrollLines);
  EXPECT_EQ(List().ItemIndex(), 0);  // the wheel never selects
}

TEST_F(ListBoxTest, AutoCompleteSearchesWhatWasTypedWithinHalfASecond) {
  int Clicks = 0;
  NewList({"apple", "banana", "bandit", "berry", "cherry"},
          [&](TListBox& L) { L.OnClick = [&](TObject*) { ++Clicks; }; });
  InjectClick(OnItem(0));
  Pump();
  Clicks = 0;
  InjectText("band");
  Pump();
  EXPECT_EQ(List().ItemIndex(), 2);
  InjectKeyStroke(VK_BACK);
  InjectText("a");
  Pump();
  EXPECT_EQ(List().ItemIndex(), 1);  // "bana"
  Headless().AdvanceClock(600);
  InjectText("c");
  Pump();
  EXPECT_EQ(List().ItemIndex(), 4);
  InjectText("x");  // "cx" finds nothing: the selection stays
  Pump();
  EXPECT_EQ(List().ItemIndex(), 4);
  EXPECT_EQ(Clicks, 4);
}

TEST_F(ListBoxTest, WithoutAutoCompleteACharacterFindsTheNextItemAfterTheCaret) {
  NewList({"apple", "banana", "bandit", "cherry"}, [](TListBox& L) { L.AutoComplete = false; });
  InjectClick(OnItem(0));
  InjectText("bbb");
  Pump();
  EXPECT_EQ(List().ItemIndex(), 1);  // banana, bandit, banana again
  EXPECT_EQ(Notifications.size(), 4u);
}

}  // namespace
}  // namespace ui_test
