// The main menu bar on a skinned form: Alt accelerators open an item's menu, the menu
// key (an Alt tap or F10) selects the first item, Left and Right wrap along the bar and
// move an open menu, items that do not fit go behind the marker, and the items'
// shortcuts fire without any menu opening.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_menu_bar_test {
namespace {

using skin_form_test::SkinFormTest;

class SkinMenuBarTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    SkinForm = NewSkinnedForm(TRect{100, 100, 600, 400}, nullptr);
    Form = static_cast<TForm*>(SkinForm->Form());
    Menu = new TspSkinMainMenu(Form);
    for (const char* Caption : {"&File", "&Edit", "&View", "&Help"}) {
      auto* Top = new TMenuItem(Form);
      Top->SetCaption(Caption);
      auto* Sub = new TMenuItem(Form);
      Sub->SetCaption(String("Sub of ") + Caption);
      Top->Add(Sub);
      Menu->Items()->Add(Top);
    }
    Open = Menu->Items()->Items(0)->Items(0);
    Open->SetShortCut(TextToShortCut("Ctrl+O"));
    Open->OnClick = [this](TObject*) { ++OpenClicks; };
    Bar = new TspSkinMainMenuBar(Form);
    Bar->SetParent(Form);
    Bar->SetSkinForm(SkinForm);
    Bar->SetMainMenu(Menu);
    Bar->Repaint();
    Application->ProcessMessages();
  }

  void PressKey(UINT AKey, UINT AModifiers = 0) {
    InjectKeyStroke(AKey, AModifiers);
    Application->ProcessMessages();
  }
  // The index of the single item that is selected (hot or pressed); -1 none, -2 more.
  int SelectedItem() const {
    int Found = -1;
    for (int I = 0; I < Bar->ItemCount(); ++I)
      if (Bar->Item(I).Active || Bar->Item(I).Down) Found = Found == -1 ? I : -2;
    return Found;
  }
  // The menu item whose sub-items the open popup shows from its first line.
  TMenuItem* OpenPopupFirstLine() {
    TspSkinMenu& Chain = SkinForm->SkinMenu();
    if (!Chain.Visible() || Chain.PopupCount() == 0 || Chain.PopupWindow(0).ItemCount() == 0) return nullptr;
    return Chain.PopupWindow(0).Item(0).MenuItem;
  }
  TPoint ItemCentre(int AIndex) const {
    const TRect R = Bar->Item(AIndex).ObjectRect;
    return Bar->ClientToScreen(TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
  }
  TMenuItem* Sub(int ATop) const { return Menu->Items()->Items(ATop)->Items(0); }

  TspSkinForm* SkinForm = nullptr;
  TForm* Form = nullptr;
  TspSkinMainMenu* Menu = nullptr;
  TspSkinMainMenuBar* Bar = nullptr;
  TMenuItem* Open = nullptr;
  int OpenClicks = 0;
};

TEST_F(SkinMenuBarTest, AltFOpensTheFileItemsMenuAndEscapeTwiceLeavesTheBar) {
  ASSERT_EQ(Bar->ItemCount(), 4);
  PressKey('F', PointerAlt);
  EXPECT_TRUE(SkinForm->InMainMenu);
  EXPECT_TRUE(Bar->Item(0).Down);
  EXPECT_EQ(OpenPopupFirstLine(), Open);
  // The first Escape closes the popup and keeps File selected; the second leaves.
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_TRUE(SkinForm->InMainMenu);
  EXPECT_EQ(SelectedItem(), 0);
  EXPECT_FALSE(Bar->Item(0).Down);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(SkinForm->InMainMenu);
  EXPECT_EQ(SelectedItem(), -1);
}

TEST_F(SkinMenuBarTest, LeftAndRightWrapAndSkipDisabledItems) {
  Menu->Items()->Items(1)->SetEnabled(false);
  Bar->UpDateEnabledItems();
  Bar->EnterKeyboardMode();
  ASSERT_TRUE(SkinForm->InMainMenu);
  ASSERT_EQ(SelectedItem(), 0);
  const struct {
    UINT Key;
    int Expected;
  } Steps[] = {{VK_LEFT, 3}, {VK_RIGHT, 0}, {VK_RIGHT, 2}, {VK_LEFT, 0}, {VK_RIGHT, 2}, {VK_RIGHT, 3}};
  for (const auto& Step : Steps) {
    PressKey(Step.Key);
    EXPECT_EQ(SelectedItem(), Step.Expected) << "after key " << Step.Key;
  }
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  // Enter opens the selected item's menu.
  PressKey(VK_RETURN);
  EXPECT_EQ(OpenPopupFirstLine(), Sub(3));
}

TEST_F(SkinMenuBarTest, MovingAlongTheBarWithAMenuOpenSwitchesMenus) {
  PressKey('F', PointerAlt);
  ASSERT_EQ(OpenPopupFirstLine(), Open);
  PressKey(VK_RIGHT);
  EXPECT_EQ(SelectedItem(), 1);
  EXPECT_TRUE(Bar->Item(1).Down);
  EXPECT_EQ(OpenPopupFirstLine(), Sub(1));
  PressKey(VK_LEFT);
  PressKey(VK_LEFT);
  EXPECT_EQ(SelectedItem(), 3);
  EXPECT_EQ(OpenPopupFirstLine(), Sub(3));
  // The mouse moving onto another item moves the open menu there.
  InjectPointerMove(ItemCentre(2));
  Application->ProcessMessages();
  EXPECT_EQ(SelectedItem(), 2);
  EXPECT_EQ(OpenPopupFirstLine(), Sub(2));
  EXPECT_TRUE(SkinForm->InMainMenu);
}

TEST_F(SkinMenuBarTest, ANarrowBarHidesTheTrailingItemsBehindTheMarker) {
  // Room for File and Edit only.
  const int Width = Bar->Item(1).ObjectRect.Right + 10;
  Bar->SetAlign(alNone);
  Bar->SetBounds(0, 0, Width, Bar->Height());
  Bar->Repaint();
  Application->ProcessMessages();
  ASSERT_TRUE(Bar->Scroll());
  EXPECT_TRUE(Bar->Item(1).Visible);
  EXPECT_FALSE(Bar->Item(2).Visible);
  EXPECT_FALSE(Bar->Item(3).Visible);
  // Hidden items take no keyboard selection.
  Bar->EnterKeyboardMode();
  PressKey(VK_LEFT);
  EXPECT_EQ(SelectedItem(), 1);
  PressKey(VK_ESCAPE);
  const TRect Marker = Bar->ScrollMarkerRect();
  InjectClick(Bar->ClientToScreen(TPoint{Marker.Left + 2, (Marker.Top + Marker.Bottom) / 2}));
  Application->ProcessMessages();
  TspSkinMenu& Chain = SkinForm->SkinMenu();
  ASSERT_TRUE(Chain.Visible());
  ASSERT_EQ(Chain.PopupWindow(0).ItemCount(), 2);
  EXPECT_EQ(Chain.PopupWindow(0).Item(0).MenuItem, Menu->Items()->Items(2));
  EXPECT_EQ(Chain.PopupWindow(0).Item(1).MenuItem, Menu->Items()->Items(3));
  // Wide again, every item shows and the marker goes.
  Chain.Hide();
  Bar->SetBounds(0, 0, 500, Bar->Height());
  Bar->Repaint();
  Application->ProcessMessages();
  EXPECT_FALSE(Bar->Scroll());
  EXPECT_TRUE(Bar->Item(3).Visible);
  EXPECT_TRUE(Bar->Item(3).Enabled);
}

TEST_F(SkinMenuBarTest, AnAltTapSelectsTheFirstItemForTheArrowsAndReturn) {
  PressKey(VK_MENU);
  EXPECT_TRUE(SkinForm->InMainMenu);
  EXPECT_EQ(SelectedItem(), 0);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  PressKey(VK_RIGHT);
  EXPECT_EQ(SelectedItem(), 1);
  PressKey(VK_LEFT);
  PressKey(VK_LEFT);
  EXPECT_EQ(SelectedItem(), 3);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  PressKey(VK_RETURN);
  EXPECT_EQ(OpenPopupFirstLine(), Sub(3));
  // Escape closes the menu and keeps the selection; the second leaves the bar.
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(SelectedItem(), 3);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(SkinForm->InMainMenu);
  EXPECT_EQ(SelectedItem(), -1);
  EXPECT_FALSE(Bar->MenuActive);
}

TEST_F(SkinMenuBarTest, F10EntersAndTheMenuKeyAgainLeavesWithTheMenuClosed) {
  PressKey(VK_F10);
  ASSERT_TRUE(SkinForm->InMainMenu);
  EXPECT_EQ(SelectedItem(), 0);
  PressKey(VK_DOWN);
  ASSERT_EQ(OpenPopupFirstLine(), Open);
  PressKey(VK_MENU);
  EXPECT_FALSE(SkinForm->InMainMenu);
  EXPECT_FALSE(SkinForm->InMenu);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(SelectedItem(), -1);
  // Keys reach the form again: Ctrl+O runs its command.
  PressKey('O', PointerControl);
  EXPECT_EQ(OpenClicks, 1);
}

// A bar with no items has nothing to select: the menu key enters no mode that would
// only swallow the keys.
TEST_F(SkinMenuBarTest, TheMenuKeyOnAnEmptyBarEntersNoMenuMode) {
  Bar->SetMainMenu(nullptr);
  ASSERT_EQ(Bar->ItemCount(), 0);
  PressKey(VK_MENU);
  EXPECT_FALSE(SkinForm->InMainMenu);
  EXPECT_FALSE(Bar->MenuActive);
  Bar->EnterKeyboardMode();
  EXPECT_FALSE(Bar->MenuActive);
}

// Alt held for an accelerator is no tap: its release keeps the menu it opened.
TEST_F(SkinMenuBarTest, ReleasingAltAfterAnAcceleratorKeepsTheMenuOpen) {
  InjectKeyDown(VK_MENU);
  InjectKeyStroke('E', PointerAlt);
  InjectKeyUp(VK_MENU, PointerAlt);
  Application->ProcessMessages();
  EXPECT_TRUE(SkinForm->InMainMenu);
  EXPECT_EQ(OpenPopupFirstLine(), Sub(1));
}

// A popup of the form open outside main-menu mode closes for the bar's selection.
TEST_F(SkinMenuBarTest, TheMenuKeyClosesAnOpenPopupAndSelectsTheBar) {
  SkinForm->PopupSkinMenu(Menu, TPoint{300, 300});
  Application->ProcessMessages();
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  PressKey(VK_MENU);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(SkinForm->InMenu);
  EXPECT_TRUE(SkinForm->InMainMenu);
  EXPECT_EQ(SelectedItem(), 0);
}

TEST_F(SkinMenuBarTest, AnItemsShortcutFiresWithoutOpeningAMenu) {
  PressKey('O', PointerControl);
  EXPECT_EQ(OpenClicks, 1);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(SkinForm->InMainMenu);
  EXPECT_EQ(SelectedItem(), -1);
  // Alt with a letter no item has does nothing to the bar.
  PressKey('Q', PointerAlt);
  EXPECT_FALSE(SkinForm->InMainMenu);
}

TEST_F(SkinMenuBarTest, MergingReplacesTheItemsOfTheGroupsTheOtherMenuUses) {
  for (int I = 0; I < 4; ++I) Menu->Items()->Items(I)->SetGroupIndex(uint8_t(I == 3 ? 9 : 0));
  auto* Child = new TMainMenu(Form);
  auto* Window = new TMenuItem(Form);
  Window->SetCaption("&Window");
  Window->SetGroupIndex(5);
  Child->Items()->Add(Window);
  auto* Edit2 = new TMenuItem(Form);
  Edit2->SetCaption("&Edit2");
  Edit2->SetGroupIndex(0);
  Child->Items()->Add(Edit2);
  Bar->Merge(Child);
  ASSERT_EQ(Bar->ItemCount(), 3);
  EXPECT_EQ(Bar->Item(0).MenuItem.Caption(), "&Edit2");
  EXPECT_EQ(Bar->Item(1).MenuItem.Caption(), "&Window");
  EXPECT_EQ(Bar->Item(2).MenuItem.Caption(), "&Help");
  EXPECT_FALSE(Bar->ScrollMenu);
  Bar->UnMerge();
  EXPECT_EQ(Bar->ItemCount(), 4);
}

TEST_F(SkinMenuBarTest, ATopLevelItemFreedWhileShownLeavesTheBar) {
  TMenuItem* Edit = Menu->Items()->Items(1);
  delete Edit;
  ASSERT_EQ(Bar->ItemCount(), 3);
  EXPECT_EQ(Bar->Item(1).MenuItem.Caption(), "&View");
  Bar->Repaint();
  Application->ProcessMessages();
  PressKey('V', PointerAlt);
  EXPECT_EQ(OpenPopupFirstLine(), Menu->Items()->Items(1)->Items(0));
}

TEST_F(SkinMenuBarTest, TheShortcutsOfAMergedMenuFireThroughTheForm) {
  auto* Child = new TMainMenu(Form);
  auto* Top = new TMenuItem(Form);
  Top->SetCaption("&Document");
  Top->SetGroupIndex(7);
  auto* Save = new TMenuItem(Form);
  Save->SetCaption("Save");
  Save->SetShortCut(TextToShortCut("Ctrl+K"));
  int SaveClicks = 0;
  Save->OnClick = [&](TObject*) { ++SaveClicks; };
  Top->Add(Save);
  Child->Items()->Add(Top);
  PressKey('K', PointerControl);
  EXPECT_EQ(SaveClicks, 0);
  Bar->Merge(Child);
  ASSERT_TRUE(Bar->ChildMenuIn());
  PressKey('K', PointerControl);
  EXPECT_EQ(SaveClicks, 1);
  // The main menu's own shortcuts still come first.
  PressKey('O', PointerControl);
  EXPECT_EQ(OpenClicks, 1);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
}

TEST_F(SkinMenuBarTest, WithoutASkinTheBarTakesItsDefaultWidthAndFontAndReportsThePointer) {
  EXPECT_EQ(Bar->DefItemFont().Name(), "Arial");
  EXPECT_EQ(Bar->DefItemFont().Height(), 14);
  Bar->SetAlign(alNone);
  Bar->SetDefaultWidth(180);
  EXPECT_EQ(Bar->Width(), 180);
  Bar->SetDefaultWidth(0);
  EXPECT_EQ(Bar->Width(), 180);
  std::vector<std::string> Heard;
  Bar->OnMouseEnter = [&](TObject* Sender) { Heard.push_back(Sender == Bar ? "enter" : "?"); };
  Bar->OnMouseLeave = [&](TObject* Sender) { Heard.push_back(Sender == Bar ? "leave" : "?"); };
  InjectPointerMove(ItemCentre(0));
  Application->ProcessMessages();
  InjectPointerMove(Form->ClientToScreen(TPoint{10, Form->ClientHeight() - 10}));
  Application->ProcessMessages();
  EXPECT_EQ(Heard, (std::vector<std::string>{"enter", "leave"}));
}

}  // namespace
}  // namespace skin_menu_bar_test
