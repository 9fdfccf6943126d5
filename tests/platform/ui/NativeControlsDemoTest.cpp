// The demonstration form with every native control, for a person to look at: driven by
// injected input (typing into the edit, a click on a list-box row, the second tab, a
// tree node's plus sign, a list-view item) and saved as a PNG picture. The end-to-end
// tests show the same form on a virtual display.

#include <gtest/gtest.h>

#include "platform/ui/native/TabControlMessages.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/FormsTestSupport.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/NativeControlsForm.h"
#include "tests/support/TestSupport.h"

namespace ui_test {
namespace {

using testing_support::TNativeControlsForm;

TPoint MiddleOf(TControl* AControl, const TRect& ARect) {
  return AControl->ClientToScreen({(ARect.Left + ARect.Right) / 2, (ARect.Top + ARect.Bottom) / 2});
}

using NativeControlsDemoTest = FormsTest;

TEST_F(NativeControlsDemoTest, TheFormIsDrivenByInputAndSavedAsAPicture) {
  auto* Demo = Application->CreateForm<TNativeControlsForm>();
  Demo->Show();
  Pump();
  EXPECT_EQ(Demo->Edit->SelText(), "video");
  EXPECT_TRUE(Demo->Tree->Items().GetFirstNode()->Expanded());

  InjectClick(Demo->EditEndPoint());
  InjectText(" in Köln");
  InjectClick(MiddleOf(Demo->ListBox, Demo->ListBox->ItemRect(5)));
  RECT Tab;
  SendMessage(Demo->Pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&Tab));
  InjectClick(MiddleOf(Demo->Pages, Tab));
  TTreeNode* Music = Demo->Tree->Items().GetFirstNode()->getNextSibling();
  ASSERT_EQ(Music->Text(), "Music");
  const TRect MusicRow = Music->DisplayRect(false);
  InjectClick(Demo->Tree->ClientToScreen({Demo->Tree->Indent() / 2, (MusicRow.Top + MusicRow.Bottom) / 2}));
  InjectClick(MiddleOf(Demo->List, Demo->List->Items()[3]->DisplayRect(drLabel)));
  Pump();

  EXPECT_EQ(Demo->Edit->Text(), "Holiday video in Köln");
  EXPECT_EQ(Demo->ListBox->ItemIndex(), 5);
  EXPECT_EQ(Demo->Pages->ActivePage()->Caption(), "Adjust");
  EXPECT_TRUE(Music->Expanded());
  ASSERT_TRUE(Demo->List->Selected());
  EXPECT_EQ(Demo->List->Selected()->Caption(), "music.mp3");

  EXPECT_TRUE(LooksAsInItsPicture(Demo->Handle(), "native-controls-demo"));
}

}  // namespace
}  // namespace ui_test
