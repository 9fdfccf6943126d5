// The demonstration of the skinned library on the desktop, in the default skin, driven
// with xdotool as a person would use it: a menu opened from the menu bar and an item
// chosen, a tool button, a check box, a radio box, the track bar, the up-down, a push
// button, a menu button and its menu, the hint, the pages switched and the list's
// popup menu. Each step is checked by its effect; the screenshots are kept as
// docs/skin-demo-*.png for a person to look at, and compared with them.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/native/TabControlMessages.h"
#include "tests/e2e/DefaultSkinOnDisk.h"
#include "tests/e2e/X11BackendFixture.h"
#include "tests/skin-demo/SkinDemo.h"
#include "tests/support/Pictures.h"

namespace e2e {
namespace {

class X11SkinDemoTest : public X11DefaultSkinTest {
 protected:
  void SetUp() override {
    X11DefaultSkinTest::SetUp();
    Demo = skin_demo::CreateSkinDemo(Skin.get(), [this](const std::string& ALine) { Log.push_back(ALine); });
    Demo.Form->Show();
    ASSERT_TRUE(PumpUntil([&] {
      const TXid Window = Other().WindowTitled("Pelladrin");
      return Window != 0 && Other().Geometry(Window) == Place;
    }));
    Other().Focus(Other().WindowTitled("Pelladrin"));
    ASSERT_TRUE(PumpUntil([&] { return Demo.Form->Active(); }));
  }

  void Click(TPoint AScreenPoint, int AButton = 1) {
    VirtualDisplay().Xdotool("mousemove " + std::to_string(AScreenPoint.X) + " " +
                             std::to_string(AScreenPoint.Y) + " click " + std::to_string(AButton));
  }
  static TPoint Centre(TControl& AControl, const TRect& ARect) {
    return AControl.ClientToScreen({(ARect.Left + ARect.Right) / 2, (ARect.Top + ARect.Bottom) / 2});
  }
  static TPoint Centre(TControl& AControl) { return Centre(AControl, AControl.ClientRect()); }
  // Whether the last line of the log is ALine, once the messages are handled; the
  // status bar shows it too.
  bool Said(const std::string& ALine) {
    return PumpUntil([&] { return !Log.empty() && Log.back() == ALine; }) &&
           Demo.StatusText->Caption() == ALine;
  }
  TspSkinMenu& Chain() { return Demo.SkinForm->SkinMenu(); }
  bool MenuOpen() {
    return PumpUntil([&] { return Chain().Visible() && Chain().PopupCount() == 1; });
  }
  // Clicks the line of the open menu whose caption is ACaption.
  void ChooseFromMenu(const String& ACaption) {
    TspSkinPopupWindow& Popup = Chain().PopupWindow(0);
    for (int I = 0; I < Popup.ItemCount(); ++I)
      if (Popup.Item(I).MenuItem && Popup.Item(I).MenuItem->Caption() == ACaption)
        return Click(Centre(Popup, Popup.Item(I).ObjectRect));
    ADD_FAILURE() << "no line " << ACaption;
  }
  TRect TabRect(int AIndex) {
    TRect Result;
    Demo.Pages->Perform(TCM_GETITEMRECT, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&Result));
    return Result;
  }
  // The form, or AArea of the screen, as it looks with the pointer away from it and
  // every paint done, compared with (or, asked to, kept as) docs/<AName>.png.
  ::testing::AssertionResult LooksAsInDocs(const std::string& AName, const TRect& AArea) {
    VirtualDisplay().Xdotool("mousemove 1200 780");
    ProcessPendingMessages();
    Other().Synchronize();
    // Anti-aliased text may differ by a shade between machines.
    return testing_support::MatchesReferencePicture(VirtualDisplay().Screenshot(AArea),
                                                    "docs/" + AName + ".png", {24, 600});
  }

  const TRect Place = Bounds(40, 40, 780, 490);
  skin_demo::TSkinDemo Demo;
  std::vector<std::string> Log;
};

TEST_F(X11SkinDemoTest, MenusToolsAndTheControlsOfTheFirstPageAnswerThePointer) {
  EXPECT_TRUE(LooksAsInDocs("skin-demo-main", Place));

  // A menu of the menu bar, and a line of it chosen.
  Click(Centre(*Demo.MenuBar, Demo.MenuBar->Item(0).ObjectRect));
  ASSERT_TRUE(MenuOpen());
  TspSkinPopupWindow& File = Chain().PopupWindow(0);
  EXPECT_EQ(File.Item(0).MenuItem->Caption(), "&Add files...");
  EXPECT_TRUE(LooksAsInDocs("skin-demo-menu", Bounds(Place.Left, Place.Top, 420, 260)));
  ChooseFromMenu("&Convert");
  EXPECT_TRUE(Said("menu Convert"));
  EXPECT_TRUE(PumpUntil([&] { return !Chain().Visible(); }));

  // The tool bar's first button, and the profile button's menu.
  Click(Centre(*Demo.AddButton));
  EXPECT_TRUE(Said("tool Add"));
  Click(Centre(*Demo.ProfileButton));
  ASSERT_TRUE(MenuOpen());
  ChooseFromMenu("WebM video");
  EXPECT_TRUE(Said("profile WebM video"));

  // Boxes: a check box goes on, a radio box takes the group's choice.
  ASSERT_FALSE(Demo.Deinterlace->Checked());
  Click(Centre(*Demo.Deinterlace));
  EXPECT_TRUE(Said("check Deinterlace on"));
  EXPECT_TRUE(Demo.Deinterlace->Checked());
  Click(Centre(*Demo.MkvRadio));
  EXPECT_TRUE(Said("radio MKV"));
  EXPECT_TRUE(Demo.MkvRadio->Checked());

  // The track bar's thumb dragged from the middle towards the right end; the value is
  // shown beside it.
  const TPoint Thumb = Demo.Volume->ClientToScreen({Demo.Volume->Width() / 2, Demo.Volume->Height() / 2});
  const TPoint Towards =
      Demo.Volume->ClientToScreen({Demo.Volume->Width() * 9 / 10, Demo.Volume->Height() / 2});
  VirtualDisplay().Xdotool("mousemove " + std::to_string(Thumb.X) + " " + std::to_string(Thumb.Y) +
                           " mousedown 1 mousemove " + std::to_string((Thumb.X + Towards.X) / 2) + " " +
                           std::to_string(Thumb.Y) + " mousemove " + std::to_string(Towards.X) + " " +
                           std::to_string(Towards.Y) + " mouseup 1");
  ASSERT_TRUE(PumpUntil([&] { return Demo.Volume->Value() > 75; }));
  EXPECT_EQ(Demo.VolumeValue->Caption(), std::to_string(Demo.Volume->Value()) + " %");
  EXPECT_EQ(Log.back(), "volume " + std::to_string(Demo.Volume->Value()));

  // The up-down's right button raises the bit rate by a step.
  Click(Demo.BitRate->ClientToScreen({Demo.BitRate->Width() * 3 / 4, Demo.BitRate->Height() / 2}));
  EXPECT_TRUE(Said("bitrate 1600"));
  EXPECT_EQ(Demo.BitRateValue->Caption(), "1600 kbit/s");

  // A push button moves the gauge on; the menu button opens its menu below itself.
  Click(Centre(*Demo.ConvertButton));
  EXPECT_TRUE(Said("button Convert"));
  EXPECT_EQ(Demo.Progress->Value(), 25);
  Click(Centre(*Demo.PresetButton));
  ASSERT_TRUE(MenuOpen());
  EXPECT_GE(Chain().PopupWindow(0).Top(),
            Demo.PresetButton->ClientToScreen({0, Demo.PresetButton->Height()}).Y);
  ChooseFromMenu("Balanced");
  EXPECT_TRUE(Said("preset Balanced"));

  // The pointer resting on the button shows its hint in the skin's hint window.
  VirtualDisplay().Xdotool("mousemove 1200 780");
  const TPoint OnButton = Centre(*Demo.ConvertButton);
  VirtualDisplay().Xdotool("mousemove " + std::to_string(OnButton.X) + " " + std::to_string(OnButton.Y));
  ASSERT_TRUE(PumpUntil([&] {
    THintWindow* Hint = Application->HintWindow();
    return Hint && Hint->IsShowing() && Hint->Caption() == "Convert the checked files";
  }));
  EXPECT_NE(dynamic_cast<TspSkinHintWindow*>(Application->HintWindow()), nullptr);
}

TEST_F(X11SkinDemoTest, ThePagesSwitchAndTheListsPopupMenuOpensOnARightClick) {
  Click(Centre(*Demo.Pages, TabRect(1)));
  EXPECT_TRUE(Said("page Files"));
  EXPECT_TRUE(PumpUntil([&] { return Demo.Files->Visible() && Demo.Files->VScrollBar()->Visible(); }));

  // A folder chosen in the tree.
  TTreeNode* Music = Demo.Folders->Items().Item(4);
  ASSERT_EQ(Music->Text(), "Music");
  Click(Centre(*Demo.Folders, Music->DisplayRect(true)));
  EXPECT_TRUE(Said("folder Music"));

  // A right click on the list opens its menu at the pointer; a line of it is chosen.
  const TPoint OnList = Demo.Files->ClientToScreen({120, 80});
  Click(OnList, 3);
  ASSERT_TRUE(MenuOpen());
  EXPECT_EQ((TPoint{Chain().PopupWindow(0).Left(), Chain().PopupWindow(0).Top()}), OnList);
  ChooseFromMenu("Play");
  EXPECT_TRUE(Said("popup Play"));
  EXPECT_TRUE(LooksAsInDocs("skin-demo-files", Place));

  Click(Centre(*Demo.Pages, TabRect(2)));
  EXPECT_TRUE(Said("page More controls"));
  // The notebook's last page button shows its page.
  ASSERT_EQ(Demo.Notebook->Buttons().size(), 3u);
  Click(Centre(*Demo.Notebook->Buttons()[2]));
  EXPECT_TRUE(Said("notebook Subtitles"));
  // The busy animation stands still for the picture.
  Demo.Busy->SetActive(false);
  Demo.Busy->SetFrame(0);
  EXPECT_TRUE(LooksAsInDocs("skin-demo-more", Place));
}

}  // namespace
}  // namespace e2e
