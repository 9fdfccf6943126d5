// The popup chain of a skinned form, driven by the mouse and the keyboard on the
// headless window system: the sub-menu wait, commands and the order of what they tell,
// Escape level by level, keys kept from the focused control, a new menu while one is
// open, and menus freed while their own handlers run.

#include <functional>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Menus.h"
#include "platform/win/Cursors.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_menu_chain_test {
namespace {

using skin_form_test::SkinFormTest;

// A control on the form that writes down the chain's messages and the keys it gets.
class TMenuChainTestControl : public TCustomControl {
 public:
  TMenuChainTestControl(TComponent* AOwner, const String& AName, std::vector<String>& ALog)
      : TCustomControl(AOwner), FName(AName), FLog(ALog) {}

 protected:
  void Dispatch(TMessage& AMessage) override {
    switch (AMessage.Msg) {
      case SP_CLOSESKINMENU:
        FLog.push_back(FName + " closed");
        break;
      case SP_SKINMENUCOMMANDDONE:
        FLog.push_back(FName + " done");
        break;
      case WM_KEYDOWN:
        FLog.push_back(FName + " key " + IntToStr(int(AMessage.WParam)));
        break;
      case WM_CHAR:
        FLog.push_back(FName + " char");
        break;
      case WM_MOUSEWHEEL:
        FLog.push_back(FName + " wheel");
        break;
      default:
        break;
    }
    TCustomControl::Dispatch(AMessage);
  }

 private:
  String FName;
  std::vector<String>& FLog;
};

class SkinMenuChainTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    SkinForm = NewSkinnedForm(TRect{100, 100, 600, 500}, nullptr);
    Form = static_cast<TForm*>(SkinForm->Form());
    Caller = NewControl("caller", TRect{10, 10, 110, 40});
    Caller->SetTabStop(true);
    Caller->SetFocus();
    ProcessPendingMessages();
    SkinForm->OnSkinMenuClose = [this](TObject*) { Log.push_back("form closed"); };
    Menu = new TPopupMenu(Form);
    Open = AddItem(Menu->Items(), "&Open");
    More = AddItem(Menu->Items(), "&More");
    Alpha = AddItem(More, "Alpha");
    AddItem(More, "Beta");
    Deeper = AddItem(More, "Deeper");
    AddItem(Deeper, "Gamma");
    AddItem(Menu->Items(), "Close");
  }

  TMenuChainTestControl* NewControl(const String& AName, const TRect& ABounds) {
    auto* Control = new TMenuChainTestControl(Form, AName, Log);
    Control->SetParent(Form);
    Control->SetBoundsRect(ABounds);
    return Control;
  }
  TMenuItem* AddItem(TMenuItem* AParent, const String& ACaption) {
    auto* Item = new TMenuItem(Form);
    Item->SetCaption(ACaption);
    AParent->Add(Item);
    return Item;
  }
  // Opens the menu at (200, 200) for ACaller, as a popup menu component does.
  void OpenMenu(TControl* ACaller) {
    SkinForm->SkinMenuOpen();
    Chain().Popup(ACaller, nullptr, 0, TRect{200, 200, 200, 200}, Menu->Items(), false);
    ProcessPendingMessages();
  }
  TspSkinMenu& Chain() { return SkinForm->SkinMenu(); }
  TspSkinPopupWindow& Level(int ALevel) { return Chain().PopupWindow(ALevel); }
  // The screen point in the middle of item AIndex of level ALevel.
  TPoint ItemPoint(int ALevel, int AIndex) {
    TspSkinPopupWindow& W = Level(ALevel);
    const TRect& R = W.Item(AIndex).ObjectRect;
    return TPoint{W.Left() + (R.Left + R.Right) / 2, W.Top() + (R.Top + R.Bottom) / 2};
  }
  // The mouse rests at APoint until the windows' 50 ms mouse timers have seen it.
  void RestMouseAt(TPoint APoint) {
    SetCursorPos(APoint.X, APoint.Y);
    HeadlessBackend()->AdvanceClock(50);
  }
  void Key(UINT AKey) {
    InjectKeyStroke(AKey);
    ProcessPendingMessages();
  }

  TspSkinForm* SkinForm = nullptr;
  TForm* Form = nullptr;
  TMenuChainTestControl* Caller = nullptr;
  TPopupMenu* Menu = nullptr;
  TMenuItem* Open = nullptr;
  TMenuItem* More = nullptr;
  TMenuItem* Alpha = nullptr;
  TMenuItem* Deeper = nullptr;
  std::vector<String> Log;
};

TEST_F(SkinMenuChainTest, ASubMenuOpensAfterTheMouseRestsFiveHundredMilliseconds) {
  OpenMenu(Caller);
  RestMouseAt(ItemPoint(0, 1));
  ASSERT_NE(Chain().WItem, nullptr);
  HeadlessBackend()->AdvanceClock(499);
  EXPECT_EQ(Chain().PopupCount(), 1);
  HeadlessBackend()->AdvanceClock(1);
  ASSERT_EQ(Chain().PopupCount(), 2);
  EXPECT_TRUE(Level(0).Item(1).Down);
  // Beside its parent item, its first item level with it.
  EXPECT_EQ(Level(1).Left(), Level(0).Left() + Level(0).Item(1).ObjectRect.Right + 1);
  EXPECT_EQ(Level(1).Top() + Level(1).Item(0).ObjectRect.Top,
            Level(0).Top() + Level(0).Item(1).ObjectRect.Top);

  // Moving on to a plain item before the wait ends opens nothing and cancels the wait.
  RestMouseAt(ItemPoint(1, 2));
  ASSERT_EQ(Chain().WItem, &Level(1).Item(2));
  RestMouseAt(ItemPoint(1, 1));
  EXPECT_EQ(Chain().WItem, nullptr);
  HeadlessBackend()->AdvanceClock(1000);
  EXPECT_EQ(Chain().PopupCount(), 2);
  // Back on level 0's plain item: level 1 closes.
  RestMouseAt(ItemPoint(0, 0));
  EXPECT_EQ(Chain().PopupCount(), 1);
}

TEST_F(SkinMenuChainTest, ALeafClickClosesEveryLevelThenRunsTheCommandThenTellsTheCaller) {
  Alpha->OnClick = [this](TObject*) {
    Log.push_back("click, levels " + IntToStr(Chain().PopupCount()) + ", in menu " +
                  (SkinForm->InMenu ? "yes" : "no"));
  };
  OpenMenu(Caller);
  RestMouseAt(ItemPoint(0, 1));
  HeadlessBackend()->AdvanceClock(500);
  ASSERT_EQ(Chain().PopupCount(), 2);
  const HWND Windows[] = {Level(0).Handle(), Level(1).Handle()};

  InjectClick(ItemPoint(1, 0));
  ProcessPendingMessages();
  const std::vector<String> Expected{"caller closed", "form closed", "click, levels 0, in menu no",
                                     "caller done"};
  EXPECT_EQ(Log, Expected);
  EXPECT_FALSE(Chain().Visible());
  for (HWND Window : Windows) EXPECT_FALSE(IsWindow(Window));
  // The menu never took the activation from the form.
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());
}

TEST_F(SkinMenuChainTest, ClickingAnItemWithSubItemsRunsItsCommandAndOpensItAtOnce) {
  int Clicks = 0;
  More->OnClick = [&](TObject*) { ++Clicks; };
  OpenMenu(Caller);
  InjectClick(ItemPoint(0, 1));
  ProcessPendingMessages();
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Chain().PopupCount(), 2);
  EXPECT_TRUE(Chain().Visible());
}

TEST_F(SkinMenuChainTest, AParentItemsCommandThatClosesTheMenuOpensNothing) {
  More->OnClick = [this](TObject*) { Chain().Hide(); };
  OpenMenu(Caller);
  InjectClick(ItemPoint(0, 1));
  ProcessPendingMessages();
  EXPECT_FALSE(Chain().Visible());
  EXPECT_EQ(Chain().PopupCount(), 0);
}

TEST_F(SkinMenuChainTest, KeysGoToTheInnermostLevelAndNeverToTheFocusedControl) {
  OpenMenu(Caller);
  ASSERT_EQ(Level(0).ActiveItem, 0);
  Key(VK_DOWN);
  EXPECT_EQ(Level(0).ActiveItem, 1);
  Key(VK_RIGHT);
  ASSERT_EQ(Chain().PopupCount(), 2);
  EXPECT_EQ(Level(1).ActiveItem, 0);
  Key(VK_DOWN);
  EXPECT_EQ(Level(1).ActiveItem, 1);
  Key('A');
  InjectWheel(Caller->ClientToScreen(TPoint{5, 5}), -120);
  ProcessPendingMessages();
  EXPECT_TRUE(Log.empty()) << Log.front();

  // Escape closes the innermost level, and its parent item comes up.
  Key(VK_ESCAPE);
  EXPECT_EQ(Chain().PopupCount(), 1);
  EXPECT_FALSE(Level(0).Item(1).Down);
  EXPECT_TRUE(SkinForm->InMenu);
  // Left on the last level does nothing; Escape there closes the menu.
  Key(VK_LEFT);
  EXPECT_EQ(Chain().PopupCount(), 1);
  Key(VK_ESCAPE);
  EXPECT_FALSE(Chain().Visible());
  EXPECT_FALSE(SkinForm->InMenu);
  EXPECT_EQ(Log, (std::vector<String>{"caller closed", "form closed"}));

  // With the menu closed, keys and the wheel reach the control again.
  Key(VK_DOWN);
  EXPECT_EQ(Log.back(), "caller key " + IntToStr(int(VK_DOWN)));
  InjectWheel(Caller->ClientToScreen(TPoint{5, 5}), -120);
  ProcessPendingMessages();
  EXPECT_EQ(Log.back(), "caller wheel");
}

TEST_F(SkinMenuChainTest, AnAcceleratorRunsItsItem) {
  int Clicks = 0;
  Open->OnClick = [&](TObject*) { ++Clicks; };
  OpenMenu(Caller);
  Key('O');
  EXPECT_EQ(Clicks, 1);
  EXPECT_FALSE(Chain().Visible());
  OpenMenu(Caller);
  Key('M');
  EXPECT_EQ(Chain().PopupCount(), 2);
}

TEST_F(SkinMenuChainTest, ANewMenuWhileOneIsOpenTellsTheFirstCaller) {
  TMenuChainTestControl* Second = NewControl("second", TRect{10, 50, 110, 80});
  int Closes = 0;
  Chain().FOnMenuClose = [&](TObject*) { ++Closes; };
  OpenMenu(Caller);
  OpenMenu(Second);
  EXPECT_EQ(Log, (std::vector<String>{"caller closed"}));
  EXPECT_EQ(Closes, 1);
  EXPECT_EQ(Chain().PopupCtrl(), Second);
  EXPECT_EQ(Chain().PopupCount(), 1);

  Chain().Hide();
  Chain().Hide();
  EXPECT_EQ(Log, (std::vector<String>{"caller closed", "second closed", "form closed", "form closed"}));
  EXPECT_EQ(Closes, 1);
}

TEST_F(SkinMenuChainTest, AClickOnTheFormClosesTheMenu) {
  OpenMenu(Caller);
  InjectClick(TPoint{Form->Left() + 300, Form->Top() + 300});
  ProcessPendingMessages();
  EXPECT_FALSE(Chain().Visible());
  EXPECT_FALSE(SkinForm->InMenu);
}

// Under the sanitizers: the windows closed from their own click and key handlers go
// only once those handlers have returned, and a command that opens the next menu
// starts from a closed chain.
TEST_F(SkinMenuChainTest, ACommandOpensTheNextMenuFromItsOwnHandler) {
  Alpha->OnClick = [this](TObject*) { OpenMenu(Caller); };
  OpenMenu(Caller);
  Key(VK_DOWN);
  Key(VK_RIGHT);
  Key(VK_RETURN);
  ASSERT_TRUE(Chain().Visible());
  EXPECT_EQ(Chain().PopupCount(), 1);
  EXPECT_TRUE(Level(0).Visible());
  EXPECT_EQ(Log, (std::vector<String>{"caller closed", "form closed", "caller done"}));
  RestMouseAt(ItemPoint(0, 1));
  HeadlessBackend()->AdvanceClock(500);
  InjectClick(ItemPoint(1, 0));
  ProcessPendingMessages();
  EXPECT_EQ(Chain().PopupCount(), 1);
  // The form goes with its menu open.
  delete Form;
  ProcessPendingMessages();
}

// Under the sanitizers: a command (or the close event) that takes the skin component
// and its chain off the form runs while the click or key that chose it is still being
// handled in the menu.
// The open windows read the records of the chain's skin: they close before the skin
// changes and when it is freed.
TEST_F(SkinMenuChainTest, TheChainClosesBeforeItsSkinChangesAndWhenItsSkinIsFreed) {
  auto Skin = skin_form_test::MakeFixtureSkin();
  const auto OpenSkinned = [&] {
    SkinForm->SkinMenuOpen();
    Chain().Popup(Caller, Skin.get(), 0, TRect{200, 200, 200, 200}, Menu->Items(), false);
    ProcessPendingMessages();
    ASSERT_TRUE(Chain().Visible());
  };
  OpenSkinned();
  Skin->ClearSkin();
  EXPECT_FALSE(Chain().Visible());
  EXPECT_EQ(Log, (std::vector<String>{"caller closed", "form closed"}));

  OpenSkinned();
  Skin.reset();
  EXPECT_FALSE(Chain().Visible());
  EXPECT_EQ(Chain().SkinData, nullptr);
}

// Freeing an open chain closes its windows and tells its caller, but runs no close
// event: a destructor runs no user code.
TEST_F(SkinMenuChainTest, FreeingAnOpenChainRunsNoCloseEvent) {
  OpenMenu(Caller);
  int Closes = 0;
  Chain().FOnMenuClose = [&Closes](TObject*) { ++Closes; };
  const HWND Window = Level(0).Handle();
  delete SkinForm;
  SkinForm = nullptr;
  ProcessPendingMessages();
  EXPECT_EQ(Closes, 0);
  EXPECT_FALSE(IsWindow(Window));
  EXPECT_EQ(Log, std::vector<String>{"caller closed"});
}

TEST_F(SkinMenuChainTest, ACommandMayFreeTheChainThatRanIt) {
  Open->OnClick = [this](TObject*) {
    delete SkinForm;
    SkinForm = nullptr;
  };
  OpenMenu(Caller);
  const HWND Window = Level(0).Handle();
  InjectClick(ItemPoint(0, 0));
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm, nullptr);
  EXPECT_FALSE(IsWindow(Window));

  // The same from the keyboard: Escape closes the menu, and its close event takes the
  // component off.
  SkinForm = new TspSkinForm(Form);
  OpenMenu(Caller);
  Chain().FOnMenuClose = [this](TObject*) {
    delete SkinForm;
    SkinForm = nullptr;
  };
  Key(VK_ESCAPE);
  EXPECT_EQ(SkinForm, nullptr);
  Key(VK_DOWN);
  EXPECT_EQ(Log.back(), "caller key " + IntToStr(int(VK_DOWN)));

  // And from a command's click: the close event frees the chain, the command still runs.
  SkinForm = new TspSkinForm(Form);
  int Clicks = 0;
  Alpha->OnClick = [&](TObject*) { ++Clicks; };
  OpenMenu(Caller);
  Chain().FOnMenuClose = [this](TObject*) {
    delete SkinForm;
    SkinForm = nullptr;
  };
  Key(VK_DOWN);
  Key(VK_RIGHT);
  Key(VK_RETURN);
  EXPECT_EQ(SkinForm, nullptr);
  EXPECT_EQ(Clicks, 1);
}

}  // namespace
}  // namespace skin_menu_chain_test
