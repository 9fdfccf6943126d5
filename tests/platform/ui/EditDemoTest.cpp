// A demonstration of the edit controls for a person to look at: an edit, a wrapped
// memo and a time mask edit on one host, filled by injected typing, with a selection
// made by the mouse, saved as a PNG.

#include <gtest/gtest.h>

#include "platform/ui/native/MaskEdit.h"
#include "platform/ui/native/Memo.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/EditTestSupport.h"

namespace ui_test {
namespace {

TEST_F(EditTest, DemonstrationFormIsSavedAsAPicture) {
  Host().SetBounds(100, 100, 320, 220);
  auto* Name = new TEdit(&Host());
  Name->SetBounds(10, 10, 300, Name->Height());
  Name->SetParent(&Host());
  auto* Notes = new TMemo(&Host());
  Notes->SetBounds(10, 45, 300, 110);
  Notes->SetScrollBars(ssVertical);
  Notes->SetParent(&Host());
  auto* Start = new TMaskEdit(&Host());
  Start->SetBounds(10, 170, 100, Start->Height());
  Start->SetParent(&Host());
  Start->SetEditMask("!90:00:00;1; ");
  Start->SetText("00:00:00");
  ShowHost();

  InjectClick(Name->ClientToScreen({5, 5}));
  InjectText("Holiday video (ÜBER edit)");
  Pump();
  Focus(*Notes);
  InjectText("A memo wraps long lines at the blanks before the word that would pass its right edge.");
  InjectKeyStroke(VK_RETURN);
  InjectText("Second paragraph.");
  Pump();
  Focus(*Start);
  Keys({{VK_HOME, 0}});
  InjectText("012345");
  Pump();
  // A selection dragged with the mouse in the edit, which keeps the focus.
  InjectPointerPress(ScreenPointOf(*Name, 8));
  InjectPointerMove(ScreenPointOf(*Name, 13));
  InjectPointerRelease(ScreenPointOf(*Name, 13));
  Pump();

  EXPECT_EQ(Name->SelText(), "video");
  EXPECT_EQ(Start->Text(), "01:23:45");
  EXPECT_EQ(Notes->Lines().Strings(Notes->Lines().Count() - 1), "Second paragraph.");
  EXPECT_GT(Notes->Lines().Count(), 2);

  EXPECT_TRUE(LooksAsInItsPicture(Host().Handle(), "edit-demo"));
  // The selection shows in the highlight colour on the presented picture.
  const TPoint Middle = PositionPoint(*Name, 10);
  const TPoint OnHostClient = Host().ScreenToClient(Name->ClientToScreen({Middle.X, Middle.Y + 1}));
  EXPECT_EQ(HostPixel(OnHostClient.X, OnHostClient.Y), GetSysColor(COLOR_HIGHLIGHT));
}

}  // namespace
}  // namespace ui_test
