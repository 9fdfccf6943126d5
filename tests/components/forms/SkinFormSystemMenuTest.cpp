// The form's system menu: the standard items of each window state, the right click on
// the caption and Alt+Space that open it, the commands of its items, the application's
// own menu completed with the standard items, and hiding the form to the tray.

#include <vector>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "components/forms/spTrayIcon.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_system_menu_test {
namespace {

using skin_form_test::SkinFormTest;
using Names = std::vector<String>;

class SkinFormSystemMenuTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    SkinForm = NewSkinnedForm(TRect{100, 100, 500, 400}, nullptr);
    Form = SkinForm->Form();
  }

  // The names of the lines the open menu shows ("-" for a separator); empty when no
  // menu is open.
  Names ShownNames() const {
    Names Result;
    if (!SkinForm->SkinMenu().Visible() || SkinForm->SkinMenu().PopupCount() == 0) return Result;
    const TspSkinPopupWindow& Popup = SkinForm->SkinMenu().PopupWindow(0);
    for (int I = 0; I < Popup.ItemCount(); ++I) {
      const TMenuItem* Item = Popup.Item(I).MenuItem;
      Result.push_back(Item->IsLine() ? String("-") : Item->Name());
    }
    return Result;
  }
  // Clicks the shown line of that name.
  void ClickShownItem(const String& AName) {
    const TspSkinPopupWindow& Popup = SkinForm->SkinMenu().PopupWindow(0);
    for (int I = 0; I < Popup.ItemCount(); ++I) {
      if (Popup.Item(I).MenuItem->Name() != AName) continue;
      const TRect& R = Popup.Item(I).ObjectRect;
      InjectClick(TPoint{Popup.Left() + (R.Left + R.Right) / 2, Popup.Top() + (R.Top + R.Bottom) / 2});
      Application->ProcessMessages();
      return;
    }
    ADD_FAILURE() << "no shown item " << AName;
  }
  // Each click lands at another place of the caption, so that two are never a double
  // click.
  void RightClickCaption() {
    LastCaptionClick = TPoint{Form->Left() + 120 + 20 * CaptionClicks++, Form->Top() + 10};
    InjectClick(LastCaptionClick, pbRight);
    Application->ProcessMessages();
  }

  TspSkinForm* SkinForm = nullptr;
  TCustomForm* Form = nullptr;
  int CaptionClicks = 0;
  TPoint LastCaptionClick;
};

TEST_F(SkinFormSystemMenuTest, TheStandardItemsFollowTheWindowState) {
  using F = TspSkinForm;
  const F::TspBorderIcons All = {F::biSystemMenu, F::biMinimize, F::biMaximize, F::biRollUp,
                                 F::biMinimizeToTray};
  struct TStateCase {
    const char* Name;
    F::TspBorderIcons Icons;
    TWindowState State;
    bool RolledUp;
    bool MaximizedMDIChild;
    Names Expected;
  };
  const TStateCase Cases[] = {
      {"normal", All, wsNormal, false, false, {"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "DSF_MINTOTRAY"}},
      {"maximized",
       All,
       wsMaximized,
       false,
       false,
       {"DSF_MINITEM", "DSF_RESTORE", "DSF_ROLLUP", "DSF_MINTOTRAY"}},
      {"maximized MDI child", All, wsMaximized, false, true, {"DSF_MINITEM", "DSF_RESTORE", "DSF_MINTOTRAY"}},
      {"minimized", All, wsMinimized, false, false, {"DSF_MAXITEM", "DSF_RESTORE", "DSF_MINTOTRAY"}},
      {"rolled up",
       All,
       wsNormal,
       true,
       false,
       {"DSF_MINITEM", "DSF_MAXITEM", "DSF_RESTORE", "DSF_MINTOTRAY"}},
      {"no icons", {}, wsNormal, false, false, {}},
  };
  for (const TStateCase& Case : Cases)
    EXPECT_EQ(F::StandardSystemItemNames(Case.Icons, Case.State, Case.RolledUp, Case.MaximizedMDIChild),
              Case.Expected)
        << Case.Name;
}

TEST_F(SkinFormSystemMenuTest, ARightClickOnTheCaptionOpensTheMenuAndTheFormKeepsTheFocus) {
  SkinForm->SetBorderIcons({TspSkinForm::biSystemMenu, TspSkinForm::biMinimize, TspSkinForm::biMaximize,
                            TspSkinForm::biRollUp, TspSkinForm::biMinimizeToTray});
  RightClickCaption();
  EXPECT_EQ(ShownNames(),
            (Names{"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "DSF_MINTOTRAY", "-", "DSF_CLOSE"}));
  EXPECT_TRUE(SkinForm->InMenu);
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());
  const TspSkinPopupWindow& Popup = SkinForm->SkinMenu().PopupWindow(0);
  EXPECT_EQ((TPoint{Popup.Left(), Popup.Top()}), LastCaptionClick);
  // The built-in captions, and the close item's shortcut.
  EXPECT_EQ(Popup.Item(0).MenuItem->Caption(), "Mi&nimize");
  EXPECT_EQ(ShortCutToText(Popup.Item(5).MenuItem->ShortCut()), "Alt+F4");

  InjectKeyStroke(VK_ESCAPE);
  SkinForm->SetBorderIcons({});
  RightClickCaption();
  EXPECT_EQ(ShownNames(), (Names{"DSF_CLOSE"}));
  InjectKeyStroke(VK_ESCAPE);
  Application->ProcessMessages();
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(SkinForm->InMenu);

  SkinForm->DisableSystemMenu = true;
  RightClickCaption();
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
}

TEST_F(SkinFormSystemMenuTest, AnMdiChildsMenuOpensThroughTheMainFormsChain) {
  ASSERT_EQ(Application->MainForm(), Form);
  TspSkinForm* ChildSkin = NewSkinnedForm(TRect{150, 150, 400, 400}, nullptr);
  ChildSkin->Form()->SetFormStyle(fsMDIChild);
  ChildSkin->PopupSystemMenu(200, 200);
  EXPECT_FALSE(ChildSkin->SkinMenu().Visible());
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  const TspSkinPopupWindow& Popup = SkinForm->SkinMenu().PopupWindow(0);
  const TMenuItem* Close = Popup.Item(Popup.ItemCount() - 1).MenuItem;
  EXPECT_EQ(Close->Name(), "DSF_CLOSE");
  EXPECT_EQ(ShortCutToText(Close->ShortCut()), "Ctrl+F4");
  EXPECT_TRUE(ChildSkin->InMenu);
  // The keys reach the main form's chain; its close ends the child's menu state.
  InjectKeyStroke(VK_ESCAPE);
  Application->ProcessMessages();
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(ChildSkin->InMenu);
}

TEST_F(SkinFormSystemMenuTest, TheItemsRunTheirCommandsAndTheNextMenuFollowsTheState) {
  SkinForm->SetBorderIcons(
      {TspSkinForm::biSystemMenu, TspSkinForm::biMinimize, TspSkinForm::biMaximize, TspSkinForm::biRollUp});
  RightClickCaption();
  ClickShownItem("DSF_MAXITEM");
  EXPECT_EQ(SkinForm->ReachedWindowState(), wsMaximized);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(SkinForm->InMenu);

  SkinForm->PopupSystemMenu(150, 150);
  EXPECT_EQ(ShownNames(), (Names{"DSF_MINITEM", "DSF_RESTORE", "DSF_ROLLUP", "-", "DSF_CLOSE"}));
  ClickShownItem("DSF_RESTORE");
  EXPECT_EQ(SkinForm->ReachedWindowState(), wsNormal);

  SkinForm->PopupSystemMenu(150, 150);
  ClickShownItem("DSF_ROLLUP");
  EXPECT_TRUE(SkinForm->RollUpState());
  // Restore on a rolled-up normal form rolls it down.
  SkinForm->PopupSystemMenu(150, 150);
  EXPECT_EQ(ShownNames(), (Names{"DSF_MINITEM", "DSF_MAXITEM", "DSF_RESTORE", "-", "DSF_CLOSE"}));
  ClickShownItem("DSF_RESTORE");
  EXPECT_FALSE(SkinForm->RollUpState());
  EXPECT_EQ(SkinForm->ReachedWindowState(), wsNormal);

  // The main form minimizes by iconifying.
  SkinForm->PopupSystemMenu(150, 150);
  ClickShownItem("DSF_MINITEM");
  EXPECT_TRUE(IsIconic(Form->Handle()));

  int Closes = 0;
  Form->OnClose = [&](TObject*, TCloseAction&) { ++Closes; };
  SkinForm->PopupSystemMenu(150, 150);
  ClickShownItem("DSF_CLOSE");
  EXPECT_EQ(Closes, 1);
}

TEST_F(SkinFormSystemMenuTest, TheMinimizeItemGoesToTheTrayWhenAskedToAndDoesNothingWithoutAnIcon) {
  SkinForm->AlwaysMinimizeToTray = true;
  int ToTray = 0;
  SkinForm->OnMinimizeToTray = [&](TObject*) { ++ToTray; };
  RightClickCaption();
  ClickShownItem("DSF_MINITEM");
  Application->ProcessMessages();
  EXPECT_EQ(ToTray, 0);
  EXPECT_TRUE(HeadlessBackend()->IsShown(Form->Handle()));
  EXPECT_FALSE(IsIconic(Form->Handle()));

  auto* Icon = new TspTrayIcon(Form);
  SkinForm->SetTrayIcon(Icon);
  SkinForm->PopupSystemMenu(150, 150);
  ClickShownItem("DSF_MINITEM");
  Application->ProcessMessages();
  EXPECT_EQ(ToTray, 1);
  EXPECT_FALSE(HeadlessBackend()->IsShown(Form->Handle()));
  EXPECT_TRUE(Icon->IconVisible());
}

TEST_F(SkinFormSystemMenuTest, TheApplicationsMenuIsCompletedWithTheStandardItems) {
  auto* UserMenu = new TPopupMenu(Form);
  for (const char* Name : {"SettingsItem", "DSF_CLOSE", "AboutItem"}) {
    auto* Item = new TMenuItem(Form);
    Item->SetName(Name);
    Item->SetCaption(Name);
    UserMenu->Items()->Add(Item);
  }
  SkinForm->SetSystemMenu(UserMenu);
  // Merged twice: the standard items of the first merge are replaced, not repeated.
  for (int Opening = 0; Opening < 2; ++Opening) {
    RightClickCaption();
    EXPECT_EQ(ShownNames(),
              (Names{"DSF_MINITEM", "DSF_MAXITEM", "DSF_ROLLUP", "SettingsItem", "AboutItem", "DSF_CLOSE"}));
    InjectKeyStroke(VK_ESCAPE);
    Application->ProcessMessages();
  }

  SkinForm->UseDefaultSysMenu = false;
  delete UserMenu->Items()->Items(0);
  RightClickCaption();
  EXPECT_EQ(ShownNames(), (Names{"DSF_MAXITEM", "DSF_ROLLUP", "SettingsItem", "AboutItem", "DSF_CLOSE"}));
}

TEST_F(SkinFormSystemMenuTest, AltSpaceOpensTheMenuBelowTheSystemMenuButton) {
  const TspSkinStdButtonObject* SysButton = nullptr;
  for (const auto& Object : SkinForm->ObjectList)
    if (auto* Button = dynamic_cast<TspSkinStdButtonObject*>(Object.get());
        Button && Button->Command == cmSysMenu)
      SysButton = Button;
  ASSERT_NE(SysButton, nullptr);
  InjectKeyStroke(VK_SPACE, PointerAlt);
  Application->ProcessMessages();
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  const TspSkinPopupWindow& Popup = SkinForm->SkinMenu().PopupWindow(0);
  EXPECT_EQ((TPoint{Popup.Left(), Popup.Top()}),
            (TPoint{Form->Left() + SysButton->ObjectRect.Left, Form->Top() + SysButton->ObjectRect.Bottom}));
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());
}

TEST_F(SkinFormSystemMenuTest, TheSystemMenuButtonOpensTheMenuBelowItAndIsUpWhenItCloses) {
  TspSkinStdButtonObject* SysButton = nullptr;
  for (const auto& Object : SkinForm->ObjectList)
    if (auto* Button = dynamic_cast<TspSkinStdButtonObject*>(Object.get());
        Button && Button->Command == cmSysMenu)
      SysButton = Button;
  ASSERT_NE(SysButton, nullptr);
  const TRect& R = SysButton->ObjectRect;
  InjectClick(TPoint{Form->Left() + (R.Left + R.Right) / 2, Form->Top() + (R.Top + R.Bottom) / 2});
  Application->ProcessMessages();
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(ShownNames().back(), "DSF_CLOSE");
  const TspSkinPopupWindow& Popup = SkinForm->SkinMenu().PopupWindow(0);
  EXPECT_EQ((TPoint{Popup.Left(), Popup.Top()}), (TPoint{Form->Left() + R.Left, Form->Top() + R.Bottom}));
  InjectKeyStroke(VK_ESCAPE);
  Application->ProcessMessages();
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(SysButton->Down());
  EXPECT_TRUE(Form->Visible());
}

}  // namespace
}  // namespace skin_form_system_menu_test
