// The form's shortcuts while a skin component is on it: the user's handler first, the
// system menu on Alt+Space, the main menu's shortcuts; and the entry points that open a
// menu as a popup of the form, with the skin each of them draws in.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_shortcuts_test {
namespace {

using skin_form_test::SkinFormTest;

class SkinFormShortcutsTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    SkinForm = NewSkinnedForm(TRect{100, 100, 500, 400}, nullptr);
    Form = static_cast<TForm*>(SkinForm->Form());
    Edit = new TCustomControl(Form);
    Edit->SetParent(Form);
    Edit->SetBoundsRect(TRect{10, 10, 100, 40});
    Edit->SetTabStop(true);
    Edit->OnKeyDown = [this](TObject*, WORD&, TShiftState) { ++EditKeys; };
    Application->ProcessMessages();
    Edit->SetFocus();
    Application->ProcessMessages();
  }
  void TearDown() override {
    SkinFormTest::TearDown();
    Skin.reset();
  }

  // A main menu with one item of that shortcut, counting its clicks.
  void GiveMainMenu(const char* AShortCut) {
    auto* Menu = new TMainMenu(Form);
    auto* Item = new TMenuItem(Form);
    Item->SetCaption("&File");
    Item->SetShortCut(TextToShortCut(AShortCut));
    Item->OnClick = [this](TObject*) { ++MenuClicks; };
    Menu->Items()->Add(Item);
    Form->SetMenu(Menu);
  }
  void PressKey(UINT AKey, UINT AModifiers) {
    InjectKeyStroke(AKey, AModifiers);
    Application->ProcessMessages();
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* SkinForm = nullptr;
  TForm* Form = nullptr;
  TCustomControl* Edit = nullptr;
  int EditKeys = 0;
  int MenuClicks = 0;
};

TEST_F(SkinFormShortcutsTest, TheMainMenusShortcutsFireAndOtherKeysReachTheFocusedControl) {
  GiveMainMenu("Ctrl+O");
  PressKey('O', PointerControl);
  EXPECT_EQ(MenuClicks, 1);
  EXPECT_EQ(EditKeys, 0);
  PressKey('K', 0);
  EXPECT_EQ(MenuClicks, 1);
  EXPECT_EQ(EditKeys, 1);
  // Alt+F4 goes to the menu's shortcuts like any key.
  GiveMainMenu("Alt+F4");
  PressKey(VK_F4, PointerAlt);
  EXPECT_EQ(MenuClicks, 2);
}

TEST_F(SkinFormShortcutsTest, TheUsersHandlerRunsFirstAndCanStopEverything) {
  GiveMainMenu("Ctrl+O");
  int UserCalls = 0;
  SkinForm->OnShortCut = [&](TWMKey&, bool& AHandled) {
    ++UserCalls;
    AHandled = true;
  };
  PressKey('O', PointerControl);
  PressKey(VK_SPACE, PointerAlt);
  EXPECT_EQ(UserCalls, 2);
  EXPECT_EQ(MenuClicks, 0);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
}

TEST_F(SkinFormShortcutsTest, AltSpaceIsTakenEvenWithoutASystemMenuButton) {
  SkinForm->SetBorderIcons({});
  SkinForm->HideCaptionButtons = true;
  SkinForm->DisableSystemMenu = true;
  PressKey(VK_SPACE, PointerAlt);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(EditKeys, 0);
}

TEST_F(SkinFormShortcutsTest, KeysGoToTheOpenSystemMenuAndNeverToTheFocusedControl) {
  PressKey(VK_SPACE, PointerAlt);
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_TRUE(SkinForm->InMenu);
  PressKey('K', 0);
  PressKey(VK_DOWN, 0);
  EXPECT_EQ(EditKeys, 0);
  PressKey(VK_ESCAPE, 0);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(SkinForm->InMenu);
  EXPECT_EQ(Form->ActiveControl(), Edit);
  PressKey('K', 0);
  EXPECT_EQ(EditKeys, 1);
}

TEST_F(SkinFormShortcutsTest, PopupSkinMenuDrawsInTheMenuSkinAndDoPopupMenuInTheFormSkin) {
  Skin = skin_form_test::LoadDefaultSkin();
  SkinForm->SetMenusSkinData(Skin.get());
  auto* Menu = new TPopupMenu(Form);
  auto* Item = new TMenuItem(Form);
  Item->SetCaption("Open");
  Menu->Items()->Add(Item);
  int Popups = 0;
  TObject* PopupSender = nullptr;
  Menu->OnPopup = [&](TObject* ASender) {
    ++Popups;
    PopupSender = ASender;
  };

  SkinForm->PopupSkinMenu(Menu, TPoint{150, 160});
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(SkinForm->SkinMenu().PopupWindow(0).PW, Skin->PopupWindow.get());
  EXPECT_EQ(SkinForm->SkinMenu().PopupWindow(0).Top(), 160);
  EXPECT_EQ(Popups, 0);

  int Opens = 0, Closes = 0;
  SkinForm->OnSkinMenuOpen = [&](TObject*) { ++Opens; };
  SkinForm->OnSkinMenuClose = [&](TObject*) { ++Closes; };
  SkinForm->DoPopupMenu(Menu, 150, 150);
  EXPECT_EQ(Popups, 1);
  EXPECT_EQ(PopupSender, SkinForm);
  EXPECT_EQ(Closes, 1);
  EXPECT_EQ(Opens, 1);
  EXPECT_TRUE(SkinForm->InMenu);
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(SkinForm->SkinMenu().PopupWindow(0).PW, nullptr);

  SkinForm->PopupSkinMenu1(Menu, TRect{150, 200, 250, 220}, true);
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(SkinForm->SkinMenu().PopupWindow(0).Top() + SkinForm->SkinMenu().PopupWindow(0).Height(), 200);
}

}  // namespace
}  // namespace skin_form_shortcuts_test
