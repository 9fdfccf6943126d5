// The mask edit with the program's time masks: overwrite typing, literals skipped,
// blanking instead of deleting, pasting through the mask, validation, and the key
// filter and modify veto that the time edit builds on.

#include <gtest/gtest.h>

#include "platform/ui/native/MaskEdit.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/EditTestSupport.h"

namespace ui_test {
namespace {

// A mask edit whose text may be frozen, as a grid's cell editor freezes it.
class TFreezableMaskEdit : public TMaskEdit {
 public:
  using TMaskEdit::TMaskEdit;
  bool Frozen = false;

 protected:
  bool EditCanModify() override { return !Frozen; }
};

class MaskEditTest : public EditTest {
 protected:
  TFreezableMaskEdit& NewMaskEdit(const String& AMask, const String& AText) {
    auto* Edit = new TFreezableMaskEdit(&Host());
    Edit->SetBorderStyle(bsNone);
    Edit->SetBounds(10, 10, 150, Edit->Height());
    Edit->SetParent(&Host());
    Edit->SetEditMask(AMask);
    Edit->SetText(AText);
    ShowHost();
    Focus(*Edit);
    return *Edit;
  }
  void CaretAt(TWinControl& AEdit, int APos) { Send(AEdit, EM_SETSEL, static_cast<WPARAM>(APos), APos); }
};

TEST_F(MaskEditTest, TheMaskShapesTheText) {
  TFreezableMaskEdit& Edit = NewMaskEdit("!90:00:00;1; ", "");
  EXPECT_TRUE(Edit.IsMasked());
  EXPECT_EQ(Edit.Text(), "  :  :  ");
  Edit.SetText("12:34:56");
  EXPECT_EQ(Edit.EditText(), "12:34:56");
  EXPECT_EQ(Edit.MaxLength(), 8);
  // A new mask takes the text along as far as it fits.
  Edit.SetEditMask("!90:00:00.000;1; ");
  EXPECT_EQ(Edit.Text(), "12:34:56.   ");
  Edit.SetEditMask("");
  EXPECT_FALSE(Edit.IsMasked());
}

TEST_F(MaskEditTest, TypingOverwritesAndSkipsLiterals) {
  TFreezableMaskEdit& Edit = NewMaskEdit("!90:00:00;1; ", "00:00:00");
  Keys({{VK_HOME, 0}});
  InjectText("2");
  Pump();
  EXPECT_EQ(Edit.Text(), "20:00:00");
  EXPECT_EQ(Selection(Edit), std::make_pair(1, 1));
  InjectText("35");
  Pump();
  EXPECT_EQ(Edit.Text(), "23:50:00");
  EXPECT_EQ(Selection(Edit), std::make_pair(4, 4));
  // A letter does not fit a digit position: refused with a beep.
  const int Beeps = MessageBeepCount();
  InjectText("x");
  Pump();
  EXPECT_EQ(Edit.Text(), "23:50:00");
  EXPECT_EQ(MessageBeepCount(), Beeps + 1);
  // Typing over a selection blanks it first.
  Send(Edit, EM_SETSEL, 3, 8);
  InjectText("1");
  Pump();
  EXPECT_EQ(Edit.Text(), "23:1 :  ");
  EXPECT_TRUE(Edit.Modified());
}

TEST_F(MaskEditTest, TheCaretSkipsLiterals) {
  struct TCase {
    int From;
    UINT Key;
    int To;
  };
  const TCase Cases[] = {{1, VK_RIGHT, 3}, {3, VK_LEFT, 1}, {4, VK_RIGHT, 6}, {7, VK_RIGHT, 8},
                         {6, VK_HOME, 0},  {0, VK_END, 8},  {0, VK_LEFT, 0}};
  TFreezableMaskEdit& Edit = NewMaskEdit("!90:00:00;1; ", "01:02:03");
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.From);
    CaretAt(Edit, Case.From);
    Keys({{Case.Key, 0}});
    EXPECT_EQ(Selection(Edit), std::make_pair(Case.To, Case.To));
  }
  // A click on a literal lands after it.
  InjectClick(ScreenPointOf(Edit, 2));
  Pump();
  EXPECT_EQ(Selection(Edit), std::make_pair(3, 3));
}

TEST_F(MaskEditTest, DeletingBlanksPositionsAndKeepsTheLength) {
  TFreezableMaskEdit& Edit = NewMaskEdit("!90:00:00;1; ", "12:34:56");
  CaretAt(Edit, 3);
  Keys({{VK_BACK, 0}});
  EXPECT_EQ(Edit.Text(), "1 :34:56");
  EXPECT_EQ(Selection(Edit), std::make_pair(1, 1));
  Keys({{VK_DELETE, 0}});
  EXPECT_EQ(Edit.Text(), "1 :34:56");
  CaretAt(Edit, 2);
  Keys({{VK_DELETE, 0}});
  EXPECT_EQ(Edit.Text(), "1 : 4:56");
  Send(Edit, EM_SETSEL, 4, 8);
  Keys({{'X', PointerControl}});
  EXPECT_EQ(Edit.Text(), "1 :  :  ");
  EXPECT_EQ(ClipboardText(), "4:56");
  // Pasting types the clipboard into the positions from the caret on.
  SetClipboardText("2359");
  CaretAt(Edit, 0);
  Edit.PasteFromClipboard();
  EXPECT_EQ(Edit.Text(), "23:59:  ");
  Keys({{'Z', PointerControl}});
  EXPECT_EQ(Edit.Text(), "1 :  :  ");
}

TEST_F(MaskEditTest, ValidationWantsEveryRequiredPosition) {
  TFreezableMaskEdit& Edit = NewMaskEdit("!90:00;1; ", "");
  // Nothing typed yet: nothing to complain about.
  EXPECT_NO_THROW(Edit.ValidateEdit());
  InjectText("1");
  Pump();
  EXPECT_THROW(Edit.ValidateEdit(), EDBEditError);
  InjectText("234");
  Pump();
  EXPECT_EQ(Edit.Text(), "12:34");
  EXPECT_NO_THROW(Edit.ValidateEdit());
  // The optional first position may stay blank.
  CaretAt(Edit, 0);
  Keys({{VK_DELETE, 0}});
  EXPECT_NO_THROW(Edit.ValidateEdit());
}

TEST_F(MaskEditTest, TheKeyFilterRunsFirstAndAFrozenTextStays) {
  TFreezableMaskEdit& Edit = NewMaskEdit("!90:00;1; ", "00:00");
  Edit.OnKeyPress = [](TObject*, uint32_t& AKey) {
    if (AKey == '9') AKey = 0;
  };
  CaretAt(Edit, 0);
  InjectText("91");
  Pump();
  EXPECT_EQ(Edit.Text(), "10:00");
  Edit.Frozen = true;
  InjectText("2");
  Keys({{VK_BACK, 0}, {VK_DELETE, 0}});
  EXPECT_EQ(Edit.Text(), "10:00");
}

TEST_F(MaskEditTest, WithoutAMaskItIsAPlainEdit) {
  TFreezableMaskEdit& Edit = NewMaskEdit("", "abc");
  CaretAt(Edit, 1);
  InjectText("xy");
  Keys({{VK_BACK, 0}});
  EXPECT_EQ(Edit.Text(), "axbc");
}

}  // namespace
}  // namespace ui_test
