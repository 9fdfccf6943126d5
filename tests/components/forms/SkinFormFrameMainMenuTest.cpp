// A form with a main menu and no menu bar shows the menu's items in its frame's menu
// strip, drawn from the default skin's main-menu item: they open their menus by a
// click, by Alt and their letter, and by the menu key with the arrows, and they follow
// a change of skin.
//
// The default skin's frame keeps no room for a menu strip (the program's windows carry
// a menu bar), so the form wears the default skin with its client area moved below
// the strip.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "components/core/SkinData.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "resources/skin-new/SkinNewPalette.h"
#include "tests/components/forms/SkinFormTestSupport.h"
#include "tests/support/Pictures.h"

namespace skin_form_frame_main_menu_test {
namespace {

using skin_form_test::LoadDefaultSkin;
using skin_form_test::MakeFixtureSkin;
using skin_form_test::SkinFormTest;

// The default skin with its client area starting below the menu strip.
std::unique_ptr<TspSkinData> DefaultSkinWithMenuStrip() {
  std::unique_ptr<TspSkinData> Skin = LoadDefaultSkin();
  Skin->ClRect.Top = Skin->MainMenuRect.Bottom;
  return Skin;
}

// Whether the pixel is close to the colour (2 per channel).
bool NearColour(uint32_t APixel, TColor AColour) {
  const uint32_t Rgb = ColorToRGB(AColour);
  const int Channels[3][2] = {{int(APixel >> 16 & 0xFF), int(Rgb & 0xFF)},
                              {int(APixel >> 8 & 0xFF), int(Rgb >> 8 & 0xFF)},
                              {int(APixel & 0xFF), int(Rgb >> 16 & 0xFF)}};
  for (const auto& Channel : Channels)
    if (std::abs(Channel[0] - Channel[1]) > 2) return false;
  return true;
}

class SkinFormFrameMainMenuTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = DefaultSkinWithMenuStrip();
    SkinForm = NewSkinnedForm(TRect{100, 100, 600, 400}, Skin.get());
    Form = static_cast<TForm*>(SkinForm->Form());
    Menu = new TMainMenu(Form);
    for (const char* Caption : {"&File", "&Edit", "&View", "&Help"}) {
      auto* Top = new TMenuItem(Form);
      Top->SetName(String(Caption + 1) + "Item");
      Top->SetCaption(Caption);
      Menu->Items()->Add(Top);
      // Help runs a command of its own; the others open a menu of one line.
      if (std::string(Caption) == "&Help") continue;
      auto* Line = new TMenuItem(Form);
      Line->SetCaption(String("Sub of ") + Caption);
      Top->Add(Line);
    }
    Menu->Items()->Items(0)->Items(0)->SetShortCut(TextToShortCut("Ctrl+O"));
    Menu->Items()->Items(0)->Items(0)->OnClick = [this](TObject*) { ++OpenClicks; };
    Menu->Items()->Items(2)->SetEnabled(false);
    Menu->Items()->Items(3)->OnClick = [this](TObject*) { ++HelpClicks; };
    SkinForm->SetMainMenu(Menu);
    ProcessPendingMessages();
  }

  void PressKey(UINT AKey, UINT AModifiers = 0) {
    InjectKeyStroke(AKey, AModifiers);
    // The application's loop, which offers the keys to the shortcuts first.
    Application->ProcessMessages();
  }
  std::vector<TspSkinMainMenuItem*> Items() const {
    std::vector<TspSkinMainMenuItem*> Found;
    for (const auto& Object : SkinForm->ObjectList)
      if (auto* Item = dynamic_cast<TspSkinMainMenuItem*>(Object.get())) Found.push_back(Item);
    return Found;
  }
  // The index of the single item that is selected (hot or down); -1 none, -2 more.
  int SelectedItem() const {
    int Found = -1;
    const std::vector<TspSkinMainMenuItem*> All = Items();
    for (int I = 0; I < int(All.size()); ++I)
      if (All[size_t(I)]->Active || All[size_t(I)]->FDown) Found = Found == -1 ? I : -2;
    return Found;
  }
  // The caption of the menu item whose sub-items the open popup shows; "" for none.
  String OpenMenu() {
    TspSkinMenu& Chain = SkinForm->SkinMenu();
    if (!Chain.Visible() || Chain.PopupCount() == 0 || Chain.PopupWindow(0).ItemCount() == 0) return "";
    return Chain.PopupWindow(0).Item(0).MenuItem->Parent()->Caption();
  }
  TPoint ScreenCentreOf(const TspSkinMainMenuItem& AItem) const {
    const TRect& R = AItem.ObjectRect;
    return TPoint{Form->Left() + (R.Left + R.Right) / 2, Form->Top() + (R.Top + R.Bottom) / 2};
  }
  // The pixels of the window inside the rectangle (window coordinates) near AColour.
  int PixelsNear(const TRect& ARect, TColor AColour) {
    ProcessPendingMessages();
    const TPixelImage Picture = WindowPicture(Form->Handle());
    int Count = 0;
    for (int Y = ARect.Top; Y < ARect.Bottom; ++Y)
      for (int X = ARect.Left; X < ARect.Right; ++X)
        if (NearColour(Picture.Pixel(X, Y), AColour)) ++Count;
    return Count;
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* SkinForm = nullptr;
  TForm* Form = nullptr;
  TMainMenu* Menu = nullptr;
  int OpenClicks = 0;
  int HelpClicks = 0;
};

TEST_F(SkinFormFrameMainMenuTest, TheVisibleTopLevelItemsStandSideBySideInTheStrip) {
  Menu->Items()->Items(1)->SetVisible(false);
  SkinForm->UpdateMainMenu(true);
  SkinForm->UpdateMainMenu(true);
  const std::vector<TspSkinMainMenuItem*> All = Items();
  ASSERT_EQ(All.size(), 3u);
  const TRect Strip = SkinForm->Geometry().NewMainMenuRect;
  int Left = Strip.Left;
  for (const TspSkinMainMenuItem* Item : All) {
    EXPECT_EQ(Item->ObjectRect.Left, Left) << Item->IDName;
    EXPECT_EQ(Item->ObjectRect.Top, Strip.Top) << Item->IDName;
    EXPECT_LE(Item->ObjectRect.Right, Strip.Right) << Item->IDName;
    Left = Item->ObjectRect.Right;
  }
  EXPECT_EQ(All[0]->IDName, "FileItem");
  EXPECT_EQ(All[1]->IDName, "ViewItem");
  // A disabled menu item gives a disabled object.
  EXPECT_FALSE(All[1]->Enabled);
  EXPECT_TRUE(All[0]->Enabled);
}

TEST_F(SkinFormFrameMainMenuTest, TheItemsCaptionsShowInTheFrameAndAPressedItemShowsItsDownLook) {
  const std::vector<TspSkinMainMenuItem*> All = Items();
  ASSERT_EQ(All.size(), 4u);
  for (const TspSkinMainMenuItem* Item : {All[0], All[1], All[3]})
    EXPECT_GT(PixelsNear(Item->ObjectRect, skin_new::palette::Text), 5) << Item->IDName;
  // The disabled item's caption is in the disabled text colour.
  EXPECT_GT(PixelsNear(All[2]->ObjectRect, skin_new::palette::DisabledText), 5);
  EXPECT_EQ(PixelsNear(All[0]->ObjectRect, skin_new::palette::SelectionUnfocused), 0);
  InjectClick(ScreenCentreOf(*All[0]));
  ProcessPendingMessages();
  ASSERT_TRUE(All[0]->FDown);
  EXPECT_GT(PixelsNear(All[0]->ObjectRect, skin_new::palette::SelectionUnfocused), 50);
  testing_support::KeepPictureForLooking(WindowPicture(Form->Handle()), "frame-main-menu-default-skin");
  // Without the menu the strip is the frame alone.
  const TRect First = All[0]->ObjectRect;
  SkinForm->SkinMenu().Hide();
  SkinForm->SetMainMenu(nullptr);
  EXPECT_TRUE(Items().empty());
  EXPECT_EQ(PixelsNear(First, skin_new::palette::Text), 0);
}

TEST_F(SkinFormFrameMainMenuTest, AClickOpensTheItemsMenuBelowItOrRunsItsCommand) {
  const std::vector<TspSkinMainMenuItem*> All = Items();
  InjectClick(ScreenCentreOf(*All[1]));
  ProcessPendingMessages();
  EXPECT_EQ(OpenMenu(), "&Edit");
  EXPECT_TRUE(SkinForm->InMainMenu);
  RECT Popup{};
  GetWindowRect(SkinForm->SkinMenu().PopupWindow(0).Handle(), &Popup);
  EXPECT_GE(Popup.Top, Form->Top() + All[1]->ObjectRect.Bottom);
  SkinForm->SkinMenu().Hide();
  ProcessPendingMessages();
  EXPECT_FALSE(SkinForm->InMainMenu);
  InjectClick(ScreenCentreOf(*All[3]));
  ProcessPendingMessages();
  EXPECT_EQ(HelpClicks, 1);
  EXPECT_EQ(OpenMenu(), "");
  EXPECT_FALSE(SkinForm->InMainMenu);
}

// Key sequences from a form without a menu open, and what they leave: the selected
// item, the open menu and whether main-menu mode holds.
struct TKeyCase {
  const char* Name;
  std::vector<std::pair<UINT, UINT>> Keys;
  int Selected;
  const char* Open;
  bool InMainMenu;
  int HelpClicks = 0;
};

TEST_F(SkinFormFrameMainMenuTest, KeySequencesSelectAndOpenTheItems) {
  const UINT Alt = PointerAlt;
  const TKeyCase Cases[] = {
      {"F10 selects the first item", {{VK_F10, 0}}, 0, "", true},
      {"Right moves on", {{VK_F10, 0}, {VK_RIGHT, 0}}, 1, "", true},
      {"Right skips the disabled item", {{VK_F10, 0}, {VK_RIGHT, 0}, {VK_RIGHT, 0}}, 3, "", true},
      {"Right wraps at the end", {{VK_F10, 0}, {VK_RIGHT, 0}, {VK_RIGHT, 0}, {VK_RIGHT, 0}}, 0, "", true},
      {"Left wraps at the start", {{VK_F10, 0}, {VK_LEFT, 0}}, 3, "", true},
      {"Down opens the selected item's menu", {{VK_F10, 0}, {VK_DOWN, 0}}, 0, "&File", true},
      {"the open menu moves along", {{VK_F10, 0}, {VK_RETURN, 0}, {VK_RIGHT, 0}}, 1, "&Edit", true},
      {"Escape closes the menu and keeps the item", {{VK_F10, 0}, {VK_DOWN, 0}, {VK_ESCAPE, 0}}, 0, "", true},
      {"a second Escape leaves", {{VK_F10, 0}, {VK_DOWN, 0}, {VK_ESCAPE, 0}, {VK_ESCAPE, 0}}, -1, "", false},
      {"the menu key again leaves", {{VK_F10, 0}, {VK_F10, 0}}, -1, "", false},
      {"a letter in menu mode opens its item", {{VK_F10, 0}, {'E', 0}}, 1, "&Edit", true},
      {"Alt+F opens File", {{'F', Alt}}, 0, "&File", true},
      {"Alt+E opens Edit", {{'E', Alt}}, 1, "&Edit", true},
      {"a disabled item takes no accelerator", {{'V', Alt}}, -1, "", false},
      {"Alt+H runs Help and ends the menu mode", {{VK_F10, 0}, {'H', Alt}}, -1, "", false, 1},
      {"Enter on Help runs it", {{VK_F10, 0}, {VK_LEFT, 0}, {VK_RETURN, 0}}, -1, "", false, 1},
  };
  for (const TKeyCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    HelpClicks = 0;
    for (const auto& [Key, Modifiers] : Case.Keys) PressKey(Key, Modifiers);
    EXPECT_EQ(SelectedItem(), Case.Selected);
    EXPECT_EQ(OpenMenu(), Case.Open);
    EXPECT_EQ(SkinForm->InMainMenu, Case.InMainMenu);
    EXPECT_EQ(HelpClicks, Case.HelpClicks);
    // Back to no menu at all for the next case.
    if (SkinForm->InMainMenu) SkinForm->LeaveMainMenu();
    ProcessPendingMessages();
    ASSERT_EQ(SelectedItem(), -1);
  }
}

TEST_F(SkinFormFrameMainMenuTest, TheMenuKeySelectsTheFirstItemEvenWhenAllAreDisabled) {
  for (int I = 0; I < Menu->Items()->Count(); ++I) Menu->Items()->Items(I)->SetEnabled(false);
  SkinForm->UpdateMainMenu(true);
  int Entered = 0;
  SkinForm->OnMainMenuEnter = [&](TObject*) { ++Entered; };
  PressKey(VK_F10);
  EXPECT_TRUE(SkinForm->InMainMenu);
  EXPECT_EQ(SelectedItem(), 0);
  EXPECT_EQ(Entered, 1);
  // Nothing to move to, and nothing opens.
  PressKey(VK_RIGHT);
  PressKey(VK_RETURN);
  EXPECT_EQ(SelectedItem(), 0);
  EXPECT_EQ(OpenMenu(), "");
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(SkinForm->InMainMenu);
}

TEST_F(SkinFormFrameMainMenuTest, TheMainMenusShortcutsRunWithoutOpeningAMenu) {
  PressKey('O', PointerControl);
  EXPECT_EQ(OpenClicks, 1);
  EXPECT_EQ(OpenMenu(), "");
  EXPECT_FALSE(SkinForm->InMainMenu);
}

TEST_F(SkinFormFrameMainMenuTest, TheItemsFollowAChangeOfSkin) {
  const int FirstLeft = Items().at(0)->ObjectRect.Left;
  // A skin without a main-menu item object has no strip items.
  const std::unique_ptr<TspSkinData> Plain = MakeFixtureSkin();
  SkinForm->SetSkinData(Plain.get());
  EXPECT_TRUE(Items().empty());
  // Another skin with its strip further right takes the items there.
  const std::unique_ptr<TspSkinData> Moved = DefaultSkinWithMenuStrip();
  OffsetRect(Moved->MainMenuRect, 40, 0);
  SkinForm->SetSkinData(Moved.get());
  ASSERT_EQ(Items().size(), 4u);
  ProcessPendingMessages();
  EXPECT_EQ(Items()[0]->ObjectRect.Left, FirstLeft + 40);
  EXPECT_GT(PixelsNear(Items()[0]->ObjectRect, skin_new::palette::Text), 5);
  PressKey('E', PointerAlt);
  EXPECT_EQ(OpenMenu(), "&Edit");
  SkinForm->SkinMenu().Hide();
  SkinForm->SetSkinData(Skin.get());
}

TEST_F(SkinFormFrameMainMenuTest, AFreedMenuOrItemTakesItsObjectsAlong) {
  delete Menu->Items()->Items(1);
  ProcessPendingMessages();
  ASSERT_EQ(Items().size(), 3u);
  EXPECT_EQ(Items()[1]->IDName, "ViewItem");
  EXPECT_EQ(Items()[1]->ObjectRect.Left, Items()[0]->ObjectRect.Right);
  delete Menu;
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->MainMenu(), nullptr);
  EXPECT_TRUE(Items().empty());
  PressKey('F', PointerAlt);
  EXPECT_FALSE(SkinForm->InMainMenu);
}

}  // namespace
}  // namespace skin_form_frame_main_menu_test
