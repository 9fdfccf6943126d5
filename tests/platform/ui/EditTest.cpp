// The EDIT window under TEdit: selection by keys and mouse, undo, the clipboard,
// read-only behaviour, the change notification, the formatting rectangle with its
// margins, the context menu requests and the caret.

#include <gtest/gtest.h>

#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/EditTestSupport.h"

namespace ui_test {
namespace {

constexpr UINT Shift = PointerShift;
constexpr UINT Ctrl = PointerControl;

struct TKeySelectionCase {
  const char* Name;
  int Caret;  // where EM_SETSEL puts the caret first
  std::initializer_list<std::pair<UINT, UINT>> Strokes;
  int Start;
  int End;
};

TEST_F(EditTest, KeysMoveTheCaretAndShiftExtendsTheSelection) {
  // "one two  three": words start at 0, 4 and 9.
  const TKeySelectionCase Cases[] = {
      {"left", 3, {{VK_LEFT, 0}}, 2, 2},
      {"right at the end stays", 14, {{VK_RIGHT, 0}}, 14, 14},
      {"shift right twice", 1, {{VK_RIGHT, Shift}, {VK_RIGHT, Shift}}, 1, 3},
      {"shift left from the anchor", 5, {{VK_LEFT, Shift}, {VK_LEFT, Shift}}, 3, 5},
      {"home and shift end", 6, {{VK_HOME, 0}, {VK_END, Shift}}, 0, 14},
      {"ctrl right stops at word starts", 0, {{VK_RIGHT, Ctrl}, {VK_RIGHT, Ctrl}}, 9, 9},
      {"ctrl shift left selects a word", 7, {{VK_LEFT, Ctrl | Shift}}, 4, 7},
      {"left collapses a selection to its start",
       2,
       {{VK_RIGHT, Shift}, {VK_RIGHT, Shift}, {VK_LEFT, 0}},
       2,
       2},
      {"up in a single-line edit moves left", 4, {{VK_UP, 0}}, 3, 3},
  };
  TEdit& Edit = NewEdit("one two  three");
  Focus(Edit);
  for (const TKeySelectionCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Send(Edit, EM_SETSEL, static_cast<WPARAM>(Case.Caret), Case.Caret);
    Keys(Case.Strokes);
    EXPECT_EQ(Selection(Edit), std::make_pair(Case.Start, Case.End));
  }
}

TEST_F(EditTest, SetSelTakesTheSpecialPairs) {
  TEdit& Edit = NewEdit("abcdef");
  Send(Edit, EM_SETSEL, 0, -1);
  EXPECT_EQ(Selection(Edit), std::make_pair(0, 6));
  // (MaxInt, -1): the caret to the end, nothing selected.
  Send(Edit, EM_SETSEL, 0x7FFFFFFF, -1);
  EXPECT_EQ(Selection(Edit), std::make_pair(6, 6));
  // The caret goes to the second position, the selection runs either way.
  Send(Edit, EM_SETSEL, 4, 1);
  EXPECT_EQ(Selection(Edit), std::make_pair(1, 4));
  Edit.SetSelLength(2);
  EXPECT_EQ(Edit.SelText(), "bc");
  Send(Edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(Edit.SelLength(), 0);
}

TEST_F(EditTest, TheMouseSelectsByDraggingShiftClickingAndDoubleClicking) {
  TEdit& Edit = NewEdit("alpha beta gamma");
  InjectPointerPress(ScreenPointOf(Edit, 2));
  InjectPointerMove(ScreenPointOf(Edit, 5));
  InjectPointerMove(ScreenPointOf(Edit, 8));
  InjectPointerRelease(ScreenPointOf(Edit, 8));
  Pump();
  EXPECT_EQ(GetFocus(), Edit.Handle());
  EXPECT_EQ(Selection(Edit), std::make_pair(2, 8));
  EXPECT_EQ(GetCapture(), nullptr);
  // Dragging back past the anchor selects the other way.
  InjectPointerPress(ScreenPointOf(Edit, 8));
  InjectPointerMove(ScreenPointOf(Edit, 1));
  InjectPointerRelease(ScreenPointOf(Edit, 1));
  Pump();
  EXPECT_EQ(Selection(Edit), std::make_pair(1, 8));
  InjectClick(ScreenPointOf(Edit, 12), pbLeft, Shift);
  Pump();
  EXPECT_EQ(Selection(Edit), std::make_pair(8, 12));
  Headless().AdvanceClock(1000);
  InjectDoubleClick(ScreenPointOf(Edit, 7));
  Pump();
  EXPECT_EQ(Edit.SelText(), "beta ");
}

TEST_F(EditTest, TypingIsOneUndoStepAndASecondUndoRedoes) {
  TEdit& Edit = NewEdit("start");
  Focus(Edit);
  Send(Edit, EM_SETSEL, 5, 5);
  EXPECT_FALSE(Edit.CanUndo());
  InjectText(" and more");
  Pump();
  EXPECT_EQ(Edit.Text(), "start and more");
  EXPECT_TRUE(Edit.Modified());
  EXPECT_TRUE(Edit.CanUndo());
  Keys({{'Z', Ctrl}});
  EXPECT_EQ(Edit.Text(), "start");
  Send(Edit, WM_UNDO);
  EXPECT_EQ(Edit.Text(), "start and more");
  // Deleting starts a new step; undo brings back only what it took.
  Send(Edit, EM_SETSEL, 0, 6);
  Keys({{VK_DELETE, 0}});
  EXPECT_EQ(Edit.Text(), "and more");
  Edit.Undo();
  EXPECT_EQ(Edit.Text(), "start and more");
  // Text set by the program cannot be undone and is not modified.
  Edit.SetText("fresh");
  EXPECT_FALSE(Edit.CanUndo());
  EXPECT_FALSE(Edit.Modified());
}

TEST_F(EditTest, TheClipboardRoundTripsThroughCutCopyAndPaste) {
  TEdit& Edit = NewEdit("copy me");
  Focus(Edit);
  Send(Edit, EM_SETSEL, 0, 4);
  Keys({{'C', Ctrl}});
  EXPECT_EQ(ClipboardText(), "copy");
  Send(Edit, EM_SETSEL, 7, 7);
  Keys({{'V', Ctrl}});
  EXPECT_EQ(Edit.Text(), "copy mecopy");
  Send(Edit, EM_SETSEL, 4, 7);
  Keys({{'X', Ctrl}});
  EXPECT_EQ(Edit.Text(), "copycopy");
  EXPECT_EQ(ClipboardText(), " me");
  Send(Edit, EM_SETSEL, 0, 0);
  Keys({{VK_INSERT, Shift}});
  EXPECT_EQ(Edit.Text(), " mecopycopy");
  Send(Edit, EM_SETSEL, 0, 3);
  Send(Edit, WM_CLEAR);
  EXPECT_EQ(Edit.Text(), "copycopy");
  // UTF-8 text counts in code points.
  Edit.SetText("Grüße");
  Send(Edit, EM_SETSEL, 2, 4);
  Edit.CopyToClipboard();
  EXPECT_EQ(ClipboardText(), "üß");
}

TEST_F(EditTest, APastedLineBreakInASingleLineEditBecomesABlank) {
  TEdit& Edit = NewEdit("");
  SetClipboardText("first\r\nsecond\nthird");
  Edit.PasteFromClipboard();
  EXPECT_EQ(Edit.Text(), "first second third");
  EXPECT_EQ(Send(Edit, EM_GETLINECOUNT), 1);
}

TEST_F(EditTest, AReadOnlyEditCopiesButRefusesChangesWithABeep) {
  TEdit& Edit = NewEdit("fixed text");
  Edit.SetReadOnly(true);
  Focus(Edit);
  SetClipboardText("pasted");
  Send(Edit, EM_SETSEL, 0, 5);
  const int Beeps = MessageBeepCount();
  Keys({{'A', 0}, {VK_DELETE, 0}, {VK_BACK, 0}, {'V', Ctrl}, {'X', Ctrl}});
  Send(Edit, WM_PASTE);
  EXPECT_EQ(Edit.Text(), "fixed text");
  EXPECT_GT(MessageBeepCount(), Beeps);
  Keys({{'C', Ctrl}});
  EXPECT_EQ(ClipboardText(), "fixed");
}

TEST_F(EditTest, EveryChangeReachesTheParentAsEnChangeAndRaisesOnChange) {
  TEdit& Edit = NewEdit("");
  int Changes = 0;
  Edit.OnChange = [&](TObject*) { ++Changes; };
  Focus(Edit);
  InjectText("ab");
  Pump();
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(Edit.Text(), "ab");
  Edit.SetText("xyz");
  EXPECT_EQ(Changes, 3);
  Edit.SetSelText("!");
  EXPECT_EQ(Changes, 4);
  // Text set by the program leaves the caret at the start.
  EXPECT_EQ(Edit.Text(), "!xyz");
  // Moving the caret changes nothing.
  Keys({{VK_HOME, 0}});
  EXPECT_EQ(Changes, 4);
  EXPECT_EQ(EN_CHANGE, 768);
}

TEST_F(EditTest, MaxLengthLimitsTypingButNotTheProgram) {
  TEdit& Edit = NewEdit("");
  Edit.SetMaxLength(3);
  Focus(Edit);
  InjectText("abcdef");
  Pump();
  EXPECT_EQ(Edit.Text(), "abc");
  Edit.SetText("longer text");
  EXPECT_EQ(Edit.Text(), "longer text");
}

TEST_F(EditTest, CaseStylesAndThePasswordCharacter) {
  TEdit& Edit = NewEdit("");
  Edit.SetCharCase(ecUpperCase);
  Focus(Edit);
  InjectText("mixed Ü");
  Pump();
  EXPECT_EQ(Edit.Text(), "MIXED Ü");
  // The control's text is the window's, also when set by the program.
  Edit.SetText("set");
  EXPECT_EQ(Edit.Text(), "SET");
  Edit.SetPasswordChar(U'*');
  Send(Edit, EM_SETSEL, 0, -1);
  const String Before = ClipboardText();
  Edit.CopyToClipboard();
  EXPECT_EQ(ClipboardText(), Before);
  EXPECT_EQ(Send(Edit, EM_GETPASSWORDCHAR), '*');
}

TEST_F(EditTest, TheFormattingRectangleAndMarginsPlaceTheText) {
  TEdit& Edit = NewEdit("text");
  EXPECT_EQ(PositionPoint(Edit, 0), (TPoint{0, 0}));
  Send(Edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 0));
  EXPECT_EQ(PositionPoint(Edit, 0), (TPoint{2, 0}));
  RECT Format = Rect(10, 3, 100, 20);
  Send(Edit, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&Format));
  EXPECT_EQ(PositionPoint(Edit, 0), (TPoint{12, 3}));
  RECT Got;
  Send(Edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Got));
  EXPECT_EQ(Got, Rect(12, 3, 100, 20));
  // A click left of the text area puts the caret at the start.
  InjectClick(Edit.ClientToScreen({5, 8}));
  Pump();
  EXPECT_EQ(Selection(Edit), std::make_pair(0, 0));
}

TEST_F(EditTest, RightClickAndTheMenuKeyAskForTheContextMenu) {
  TEdit& Edit = NewEdit("menu");
  std::vector<TPoint> Requests;
  Edit.OnContextPopup = [&](TObject*, TPoint APos, bool& AHandled) {
    Requests.push_back(APos);
    AHandled = true;
  };
  InjectClick(Edit.ClientToScreen({20, 5}), pbRight);
  Pump();
  Focus(Edit);
  Keys({{VK_APPS, 0}});
  ASSERT_EQ(Requests.size(), 2u);
  EXPECT_EQ(Requests[0], (TPoint{20, 5}));
  EXPECT_EQ(Requests[1], (TPoint{-1, -1}));
}

TEST_F(EditTest, AutoSizeFollowsTheFontAndAutoSelectSelectsOnEntering) {
  TEdit& Edit = NewEdit("select me");
  const int Height = Edit.Height();
  Edit.Font().SetSize(Edit.Font().Size() * 2);
  EXPECT_GT(Edit.Height(), Height + 5);
  Edit.SetFocus();
  Pump();
  EXPECT_EQ(Selection(Edit), std::make_pair(0, 9));
  Edit.AutoSelect = false;
  ::SetFocus(Host().Handle());
  Send(Edit, EM_SETSEL, 2, 2);
  Edit.SetFocus();
  Pump();
  EXPECT_EQ(Selection(Edit), std::make_pair(2, 2));
}

TEST_F(EditTest, TheCaretShowsAtTheCaretPositionOnlyWhileFocused) {
  TEdit& Edit = NewEdit("caret");
  POINT At;
  EXPECT_FALSE(GetCaretPos(&At));
  Focus(Edit);
  Send(Edit, EM_SETSEL, 3, 3);
  ASSERT_TRUE(GetCaretPos(&At));
  EXPECT_EQ(At, PositionPoint(Edit, 3));
  ::SetFocus(Host().Handle());
  EXPECT_FALSE(GetCaretPos(&At));
}

}  // namespace
}  // namespace ui_test
