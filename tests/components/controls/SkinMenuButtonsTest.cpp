// The menu button and the menu speed button: which part opens the menu, what a press
// there does and does not do, the keys, hover while the menu shows, and the state once
// the menu has closed however it closed.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

class SkinMenuButtonsTest : public SkinControlsTest {
 protected:
  void TearDown() override {
    Menu.reset();
    DoneApplication();
    SkinControlsTest::TearDown();
  }
  // The skinned form whose popup chain shows the menus (its key routing and its close
  // on a press give the menus their keys and their close by a click elsewhere), to the
  // right of the host.
  TCustomForm& MenuForm() {
    if (!FMenuForm) {
      FMenuForm = Application->CreateForm<TForm>();
      new TspSkinForm(FMenuForm);
      FMenuForm->SetBoundsRect(TRect{350, 100, 550, 300});
      FMenuForm->Show();
      Pump();
    }
    return *FMenuForm;
  }
  TPoint OnMenuForm() { return {MenuForm().Left() + 100, MenuForm().Top() + 100}; }
  // A 60 × 30 button of kind TButton at (10, 10) of the host with a menu of one item
  // "Open"; the button logs its clicks, presses, releases and the menu's show and hide
  // events.
  template <class TButton = TspSkinMenuSpeedButton>
  TButton* NewMenuButton() {
    Menu = std::make_unique<TspSkinPopupMenu>(nullptr);
    Menu->FComponentForm = &MenuForm();
    auto* Open = new TMenuItem(Menu.get());
    Open->SetCaption("Open");
    Menu->Items()->Add(Open);
    auto* Button = new TButton(&Host());
    Button->SetParent(&Host());
    Button->SetBounds(10, 10, 60, 30);
    Button->SetSkinPopupMenu(Menu.get());
    Button->OnClick = [this](TObject*) { Events.push_back("click"); };
    Button->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Events.push_back("down"); };
    Button->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { Events.push_back("up"); };
    Button->OnShowTrackMenu = [this](TObject*) { Events.push_back("show"); };
    Button->OnHideTrackMenu = [this](TObject*) { Events.push_back("hide"); };
    return Button;
  }
  // A point of the button in screen coordinates.
  static TPoint OnButton(int AX, int AY) { return {100 + 10 + AX, 100 + 10 + AY}; }
  static bool MenuShows() {
    for (HWND Window : HeadlessBackend()->StackingOrder())
      if (dynamic_cast<TspSkinPopupWindow*>(FindControl(Window)) && HeadlessBackend()->IsShown(Window))
        return true;
    return false;
  }
  // The menu AButton opened is gone, the button up and no longer tracking, and its
  // menu shown and hidden once.
  template <class TButton>
  void ExpectClosedOnce(TButton& AButton) {
    EXPECT_FALSE(MenuShows());
    EXPECT_FALSE(AButton.MenuTracked());
    EXPECT_FALSE(AButton.Down());
    EXPECT_EQ(Events, (std::vector<std::string>{"show", "hide"}));
  }
  void Press(const TPoint& AAt) {
    InjectPointerMove(AAt);
    InjectPointerPress(AAt);
    Pump();
    InjectPointerRelease(AAt);
    Pump();
  }

  std::unique_ptr<TspSkinPopupMenu> Menu;
  std::vector<std::string> Events;
  TForm* FMenuForm = nullptr;
};

TEST_F(SkinMenuButtonsTest, WithoutTrackModeAnyPressOpensTheMenuAndNeverClicks) {
  TspSkinMenuSpeedButton* Button = NewMenuButton();
  ShowHost();
  Press(OnButton(5, 5));
  EXPECT_TRUE(MenuShows());
  EXPECT_TRUE(Button->MenuTracked());
  EXPECT_TRUE(Button->Down());
  EXPECT_EQ(Events, (std::vector<std::string>{"show"}));
  // The built-in look while the menu shows: pressed frame and fill.
  EXPECT_EQ(HostPixel(10, 10), 0x800000u);
  EXPECT_EQ(HostPixel(12, 12), 0xB59385u);
}

// In track mode the strip opens the menu (right column; with the new style and the
// bottom position the bottom row) and the rest presses like a speed button.
TEST_F(SkinMenuButtonsTest, InTrackModeOnlyTheStripOpensTheMenu) {
  struct TStripCase {
    const char* Name;
    bool NewStyle;
    TspTrackPosition Position;
    TPoint InStrip, OutOfStrip;
  };
  const TStripCase Cases[] = {
      {"right column", false, sptpRight, {45, 5}, {44, 28}},
      {"bottom row", true, sptpBottom, {5, 15}, {58, 14}},
  };
  for (const TStripCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Events.clear();
    TspSkinMenuSpeedButton* Button = NewMenuButton();
    Button->SetTrackButtonMode(true);
    Button->SetNewStyle(Case.NewStyle);
    Button->SetTrackPosition(Case.Position);
    ShowHost();
    Press(OnButton(Case.OutOfStrip.X, Case.OutOfStrip.Y));
    EXPECT_FALSE(MenuShows());
    EXPECT_EQ(Events, (std::vector<std::string>{"down", "click", "up"}));
    Events.clear();
    Press(OnButton(Case.InStrip.X, Case.InStrip.Y));
    EXPECT_TRUE(MenuShows());
    EXPECT_EQ(Events, (std::vector<std::string>{"show"}));
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(MenuShows());
    delete Button;
  }
}

// However the menu closes, the button is up and not hot afterwards, also with the
// pointer still over it; while it showed, leaving and entering changed nothing.
TEST_F(SkinMenuButtonsTest, AfterTheMenuClosesTheButtonIsUpAndNotHot) {
  struct TCloseCase {
    const char* Name;
    std::function<void()> Close;
  };
  const TCloseCase Cases[] = {
      {"Escape", [] { InjectKeyStroke(VK_ESCAPE); }},
      {"a click elsewhere", [this] { InjectClick(OnMenuForm()); }},
      {"the item", [] { InjectKeyStroke(VK_RETURN); }},
  };
  for (const TCloseCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Events.clear();
    TspSkinMenuSpeedButton* Button = NewMenuButton();
    Button->SetFlat(true);
    ShowHost();
    Press(OnButton(20, 10));
    ASSERT_TRUE(MenuShows());
    EXPECT_TRUE(Button->Transparent());
    InjectPointerMove(OnButton(20, 100));
    Pump();
    InjectPointerMove(OnButton(20, 10));
    Pump();
    EXPECT_EQ(HostPixel(12, 12), 0xB59385u);
    if (Case.Name == std::string("the item")) InjectKeyStroke(VK_DOWN);
    Case.Close();
    Pump();
    ExpectClosedOnce(*Button);
    // Flat and not hot: the parent shows through.
    EXPECT_TRUE(Button->Transparent());
    EXPECT_EQ(HostPixel(12, 12), ColorToRGB(clBtnFace));
    delete Button;
  }
}

// A handler of the close may free the button (as a tool bar rebuilt on the command
// does): the button touches nothing of itself afterwards.
TEST_F(SkinMenuButtonsTest, AButtonFreedWhenItsMenuClosesIsLeftAlone) {
  auto CloseFreeing = [this](auto* AButton) {
    AButton->OnHideTrackMenu = [AButton](TObject*) { delete AButton; };
    ShowHost();
    Press(OnButton(20, 10));
    ASSERT_TRUE(MenuShows());
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(MenuShows());
    EXPECT_EQ(Host().ControlCount(), 0);
  };
  {
    SCOPED_TRACE("menu speed button");
    CloseFreeing(NewMenuButton());
  }
  {
    SCOPED_TRACE("menu button");
    CloseFreeing(NewMenuButton<TspSkinMenuButton>());
  }
}

TEST_F(SkinMenuButtonsTest, WithoutAMenuItIsAPlainSpeedButton) {
  TspSkinMenuSpeedButton* Button = NewMenuButton();
  Button->SetSkinPopupMenu(nullptr);
  ShowHost();
  Press(OnButton(50, 5));
  EXPECT_FALSE(MenuShows());
  EXPECT_EQ(Events, (std::vector<std::string>{"down", "click", "up"}));
  // A freed menu is forgotten.
  Button->SetSkinPopupMenu(Menu.get());
  Menu.reset();
  EXPECT_EQ(Button->SkinPopupMenu(), nullptr);
}

TEST_F(SkinMenuButtonsTest, SettingNewStyleBindsTheResizableToolButtonAndClearingItKeepsIt) {
  TspSkinMenuSpeedButton* Button = NewMenuButton();
  EXPECT_EQ(Button->SkinDataName(), "toolmenubutton");
  Button->SetNewStyle(true);
  EXPECT_EQ(Button->SkinDataName(), "resizetoolbutton");
  Button->SetNewStyle(false);
  EXPECT_EQ(Button->SkinDataName(), "resizetoolbutton");
}

// ---------------------------------------------------------------- the windowed menu button

TEST_F(SkinMenuButtonsTest, AMenuButtonInTrackModeClicksOnItsMainPartAndOpensOnItsColumn) {
  auto* Button = NewMenuButton<TspSkinMenuButton>();
  Button->SetTrackButtonMode(true);
  ShowHost();
  Press(OnButton(44, 15));
  EXPECT_FALSE(MenuShows());
  EXPECT_EQ(Events, (std::vector<std::string>{"down", "click", "up"}));
  Events.clear();
  Press(OnButton(45, 15));
  EXPECT_TRUE(MenuShows());
  EXPECT_TRUE(Button->Down());
  EXPECT_EQ(Events, (std::vector<std::string>{"show"}));
  // Main part hot, drop-down column pressed.
  EXPECT_EQ(HostPixel(12, 12), 0xD2BDB6u);
  EXPECT_EQ(HostPixel(10 + 50, 12), 0xB59385u);
}

// With the pointer still over the button once the menu closes it is hot; a click
// elsewhere leaves it plain. Either way it is up.
TEST_F(SkinMenuButtonsTest, AMenuButtonComesBackUpAndHotOnlyUnderThePointer) {
  struct TCloseCase {
    const char* Name;
    std::function<void()> Close;
    COLORREF Fill;
  };
  const TCloseCase Cases[] = {
      {"Escape over the button", [] { InjectKeyStroke(VK_ESCAPE); }, 0xD2BDB6u},
      {"a click elsewhere", [this] { InjectClick(OnMenuForm()); }, ColorToRGB(clBtnFace)},
  };
  for (const TCloseCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Events.clear();
    auto* Button = NewMenuButton<TspSkinMenuButton>();
    ShowHost();
    Press(OnButton(20, 10));
    ASSERT_TRUE(MenuShows());
    Case.Close();
    Pump();
    ExpectClosedOnce(*Button);
    EXPECT_EQ(HostPixel(12, 12), Case.Fill);
    delete Button;
  }
}

TEST_F(SkinMenuButtonsTest, SpaceOpensAMenuButtonsMenuAndEnterClicksIt) {
  auto* Button = NewMenuButton<TspSkinMenuButton>();
  ShowHost();
  Button->SetFocus();
  InjectKeyUp(VK_RETURN);
  Pump();
  EXPECT_EQ(Events, (std::vector<std::string>{"click"}));
  Events.clear();
  InjectKeyDown(VK_SPACE);
  Pump();
  EXPECT_TRUE(MenuShows());
  EXPECT_TRUE(Button->Down());
  EXPECT_EQ(Events, (std::vector<std::string>{"show"}));
}

// Outside track mode the accelerator focuses the button and opens its menu; in track
// mode it clicks as a push button's does.
TEST_F(SkinMenuButtonsTest, AMenuButtonsAcceleratorOpensItsMenuOutsideTrackMode) {
  auto* Button = NewMenuButton<TspSkinMenuButton>();
  Button->SetCaption("&Export");
  ShowHost();
  EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'e', 0), 1);
  Pump();
  EXPECT_TRUE(MenuShows());
  EXPECT_TRUE(Button->Focused());
  EXPECT_TRUE(Button->MenuTracked());
  EXPECT_EQ(Events, (std::vector<std::string>{"show"}));
  InjectKeyStroke(VK_ESCAPE);
  Pump();
  ASSERT_FALSE(MenuShows());
  Events.clear();
  Button->SetTrackButtonMode(true);
  EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'e', 0), 1);
  Pump();
  EXPECT_FALSE(MenuShows());
  EXPECT_EQ(Events, (std::vector<std::string>{"click"}));
}

}  // namespace
}  // namespace skin_controls_test
