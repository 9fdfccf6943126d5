// The skin form's tray menu: what a tray icon without a menu of its own gets, opened by
// a right click on the icon in the headless backend's stand-in tray.

#include <gtest/gtest.h>

#include <vector>

#include "SkinFormTestSupport.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "components/forms/spTrayIcon.h"
#include "platform/ui/Application.h"
#include "platform/ui/ShortCuts.h"
#include "platform/win/BackendEvents.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"

namespace skin_form_tray_menu_test {
namespace {

using skin_form_test::SkinFormTest;

class SkinFormTrayMenuTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Main = NewForm(Rect(100, 100, 400, 300));
    SkinForm = new TspSkinForm(Main);
    Icon = new TspTrayIcon(Main);
    Icon->BeginLoading();
    Icon->EndLoading();
  }

  // A right press and release on the one docked icon, with the cursor at ACursor.
  void RightClickIcon(const TPoint& ACursor) {
    SetCursorPos(ACursor.X, ACursor.Y);
    ASSERT_EQ(HeadlessBackend()->TrayIcons().size(), 1u);
    const int Key = HeadlessBackend()->TrayIcons().begin()->first;
    DeliverTrayIconMouse(Key, WM_RBUTTONDOWN);
    DeliverTrayIconMouse(Key, WM_RBUTTONUP);
    ProcessPendingMessages();
  }

  // The open menu's first level; fails the test when no menu is open.
  const TspSkinPopupWindow* OpenLevel() const {
    const TspSkinMenu& Chain = SkinForm->SkinMenu();
    if (!Chain.Visible() || Chain.PopupCount() == 0) {
      ADD_FAILURE() << "no menu is open";
      return nullptr;
    }
    return &Chain.PopupWindow(0);
  }

  void ClickShownItem(const String& AName) {
    const TspSkinPopupWindow* Level = OpenLevel();
    if (!Level) return;
    for (int I = 0; I < Level->ItemCount(); ++I) {
      if (Level->Item(I).MenuItem->Name() != AName) continue;
      const TRect& R = Level->Item(I).ObjectRect;
      InjectClick(TPoint{Level->Left() + (R.Left + R.Right) / 2, Level->Top() + (R.Top + R.Bottom) / 2});
      ProcessPendingMessages();
      return;
    }
    ADD_FAILURE() << "no shown item " << AName;
  }

  TForm* Main = nullptr;
  TspSkinForm* SkinForm = nullptr;
  TspTrayIcon* Icon = nullptr;
};

TEST_F(SkinFormTrayMenuTest, AnIconWithoutAMenuGetsRestoreAndCloseOpenedAtTheCursor) {
  SkinForm->SetTrayIcon(Icon);
  ASSERT_NE(Icon->PopupMenu(), nullptr);
  SkinForm->MinimizeToTray();
  ASSERT_FALSE(Main->Visible());

  RightClickIcon(TPoint{300, 250});
  const TspSkinPopupWindow* Level = OpenLevel();
  ASSERT_NE(Level, nullptr);
  EXPECT_EQ((TPoint{Level->Left(), Level->Top()}), (TPoint{300, 250}));
  ASSERT_EQ(Level->ItemCount(), 3);
  const TMenuItem* Restore = Level->Item(0).MenuItem;
  const TMenuItem* Close = Level->Item(2).MenuItem;
  EXPECT_EQ(Restore->Name(), "TRAY_DSF_RESTORE");
  EXPECT_EQ(Restore->Caption(), "&Restore");
  EXPECT_TRUE(Level->Item(1).MenuItem->IsLine());
  EXPECT_EQ(Close->Name(), "TRAY_DSF_CLOSE");
  EXPECT_EQ(Close->Caption(), "&Close");
  EXPECT_EQ(ShortCutToText(Close->ShortCut()), "Alt+F4");

  ClickShownItem("TRAY_DSF_RESTORE");
  EXPECT_TRUE(Main->Visible());
  EXPECT_FALSE(Icon->MinimizeToTray);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  // Back from the tray the icon is gone, as after a double click.
  EXPECT_TRUE(HeadlessBackend()->TrayIcons().empty());
}

TEST_F(SkinFormTrayMenuTest, CloseClosesTheForm) {
  SkinForm->AlwaysShowInTray = true;
  SkinForm->SetTrayIcon(Icon);
  int Closes = 0;
  Main->OnClose = [&Closes](TObject*, TCloseAction&) { ++Closes; };
  RightClickIcon(TPoint{500, 400});
  ClickShownItem("TRAY_DSF_CLOSE");
  EXPECT_EQ(Closes, 1);
}

TEST_F(SkinFormTrayMenuTest, AnIconWithAMenuOfItsOwnKeepsItAndItOpensSkinned) {
  auto* Own = new TspSkinPopupMenu(Main);
  auto* Item = new TMenuItem(Main);
  Item->SetName("OwnItem");
  Item->SetCaption("Own");
  Own->Items()->Add(Item);
  Icon->SetPopupMenu(Own);
  SkinForm->AlwaysShowInTray = true;
  SkinForm->SetTrayIcon(Icon);
  EXPECT_EQ(Icon->PopupMenu(), Own);
  EXPECT_FALSE(Icon->OnDblClick);

  RightClickIcon(TPoint{500, 400});
  const TspSkinPopupWindow* Level = OpenLevel();
  ASSERT_NE(Level, nullptr);
  ASSERT_EQ(Level->ItemCount(), 1);
  EXPECT_EQ(Level->Item(0).MenuItem, Item);
}

TEST_F(SkinFormTrayMenuTest, TheIconLetsGoOfTheMenuWhenTheFormTakesAnotherIconOrGoes) {
  SkinForm->SetTrayIcon(Icon);
  auto* Second = new TspTrayIcon(Main);
  SkinForm->SetTrayIcon(Second);
  EXPECT_EQ(Icon->PopupMenu(), nullptr);
  EXPECT_NE(Second->PopupMenu(), nullptr);
  delete SkinForm;
  EXPECT_EQ(Second->PopupMenu(), nullptr);
}

TEST_F(SkinFormTrayMenuTest, TheMenuTakesTheFormsSkin) {
  const std::unique_ptr<TspSkinData> Skin = skin_form_test::MakeFixtureSkin();
  SkinForm->SetTrayIcon(Icon);
  SkinForm->SetSkinData(Skin.get());
  auto* Menu = dynamic_cast<TspSkinPopupMenu*>(Icon->PopupMenu());
  ASSERT_NE(Menu, nullptr);
  EXPECT_EQ(Menu->SkinData(), Skin.get());
  SkinForm->SetSkinData(nullptr);
  EXPECT_EQ(Menu->SkinData(), nullptr);
}

}  // namespace
}  // namespace skin_form_tray_menu_test
