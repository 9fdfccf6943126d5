// Shortcuts and their texts, both ways.

#include <gtest/gtest.h>

#include "platform/ui/ShortCuts.h"
#include "platform/win/Keyboard.h"

namespace {

struct TShortCutCase {
  TShortCut Value;
  const char* Text;
};

const TShortCutCase Cases[] = {
    {'S' | scCtrl, "Ctrl+S"},
    {VK_F4 | scAlt, "Alt+F4"},
    {VK_F1, "F1"},
    {VK_F12, "F12"},
    {VK_DELETE | scShift, "Shift+Del"},
    {VK_INSERT | scCtrl, "Ctrl+Ins"},
    {'N' | scShift | scCtrl, "Shift+Ctrl+N"},
    {'Z' | scCtrl | scAlt, "Ctrl+Alt+Z"},
    {'0' | scCtrl, "Ctrl+0"},
    {VK_RETURN, "Enter"},
    {VK_ESCAPE, "Esc"},
    {VK_SPACE | scAlt, "Alt+Space"},
    {VK_BACK | scAlt, "Alt+BkSp"},
    {VK_TAB | scCtrl, "Ctrl+Tab"},
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_HOME, "Home"},
    {VK_END, "End"},
    {VK_LEFT, "Left"},
    {VK_DOWN | scShift, "Shift+Down"},
    {VK_OEM_PLUS | scCtrl, "Ctrl+="},
    {VK_ADD | scCtrl, "Ctrl+Num +"},
};

TEST(ShortCutsTest, ShortCutToTextAndTextToShortCutAreEachOthersInverse) {
  for (const TShortCutCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(ShortCutToText(Case.Value), Case.Text);
    EXPECT_EQ(TextToShortCut(Case.Text), Case.Value);
  }
}

TEST(ShortCutsTest, TextIsReadWithoutRegardToCaseAndCaretStandsForCtrl) {
  EXPECT_EQ(TextToShortCut("ctrl+s"), 'S' | scCtrl);
  EXPECT_EQ(TextToShortCut("^S"), 'S' | scCtrl);
  EXPECT_EQ(TextToShortCut("SHIFT+del"), VK_DELETE | scShift);
  // The digit keys win over the number pad's, which have the same names.
  EXPECT_EQ(TextToShortCut("5"), '5');
  EXPECT_EQ(ShortCutToText(VK_NUMPAD0 + 5), "5");
}

TEST(ShortCutsTest, UnknownTextsAndUnnamedKeysGiveNothing) {
  EXPECT_EQ(TextToShortCut(""), scNone);
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Ctrl+Banana"), scNone);
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCutToText(VK_SHIFT | scCtrl), "");
}

TEST(ShortCutsTest, ShortCutAndShortCutToKeyConvertTheShiftState) {
  EXPECT_EQ(ShortCut('S', {ssCtrl, ssShift, ssLeft}), 'S' | scCtrl | scShift);
  EXPECT_EQ(ShortCut(0x100, {ssCtrl}), scNone);
  WORD Key = 0;
  TShiftState Shift;
  ShortCutToKey(VK_F4 | scAlt, Key, Shift);
  EXPECT_EQ(Key, VK_F4);
  EXPECT_EQ(Shift, (TShiftState{ssAlt}));
}

}  // namespace
