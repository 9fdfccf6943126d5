// The demonstration form with every native control, for a person to look at: driven by
// injected input (typing into the edit, a click on a list-box row, the second tab, a
// tree node's plus sign, a list-view item) and saved as a PNG picture. The end-to-end
// tests show the same form on a virtual display.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "platform/ui/native/TabControlMessages.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "platform/win/Windows.h"
#include "tests/platform/ui/FormsTestSupport.h"
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

  testing_support::TempDir Dir;
  std::vector<String> Files = {Dir.File("native-controls-demo.png")};
  if (const char* Kept = std::getenv("PELLADRIN_TEST_TMP")) {
    std::filesystem::create_directories(Kept);
    Files.push_back((std::filesystem::path(Kept) / "native-controls-demo.png").string());
  }
  for (const String& File : Files) {
    SaveWindowPicture(Demo->Handle(), File);
    std::cout << "Native controls demonstration: " << File << "\n";
    const String Data = testing_support::ReadWholeFile(File);
    const TPixelImage Saved =
        DecodePicture(std::span(reinterpret_cast<const uint8_t*>(Data.data()), Data.size()));
    EXPECT_EQ(Saved.Width, Demo->Width());
    EXPECT_EQ(Saved.Height, Demo->Height());
  }
}

}  // namespace
}  // namespace ui_test
