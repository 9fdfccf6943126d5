// The skinned popup menu component: which form's chain shows it and in which skin, a
// right click on a control, a menu of no skinned form, and its close event.

#include <functional>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/Cursors.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_popup_menu_test {
namespace {

using skin_form_test::SkinFormTest;

class SkinPopupMenuTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    SkinForm = NewSkinnedForm(TRect{100, 100, 600, 500}, nullptr);
    Form = static_cast<TForm*>(SkinForm->Form());
  }
  void TearDown() override {
    Form = nullptr;
    SkinFormTest::TearDown();
    Skin.reset();
  }

  // A menu of two items, "Open" counting its clicks.
  TspSkinPopupMenu* NewMenu(TComponent* AOwner) {
    auto* Menu = new TspSkinPopupMenu(AOwner);
    auto* Open = new TMenuItem(Menu);
    Open->SetCaption("Open");
    Open->OnClick = [this](TObject*) { ++Clicks; };
    Menu->Items()->Add(Open);
    auto* Close = new TMenuItem(Menu);
    Close->SetCaption("Close");
    Menu->Items()->Add(Close);
    return Menu;
  }
  // The top-most shown popup window, or none.
  static TspSkinPopupWindow* ShownPopup() {
    for (HWND Window : HeadlessBackend()->StackingOrder())
      if (auto* Popup = dynamic_cast<TspSkinPopupWindow*>(FindControl(Window)))
        if (HeadlessBackend()->IsShown(Window)) return Popup;
    return nullptr;
  }
  static TPoint ItemPoint(TspSkinPopupWindow& AWindow, int AIndex) {
    const TRect& R = AWindow.Item(AIndex).ObjectRect;
    return TPoint{AWindow.Left() + (R.Left + R.Right) / 2, AWindow.Top() + (R.Top + R.Bottom) / 2};
  }

  // The program's skin, for the tests that show it.
  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* SkinForm = nullptr;
  TForm* Form = nullptr;
  int Clicks = 0;
};

TEST_F(SkinPopupMenuTest, AMenuOwnedByAPartOfTheFormOpensThroughTheFormsChainInItsMenuSkin) {
  Skin = skin_form_test::LoadDefaultSkin();
  SkinForm->SetMenusSkinData(Skin.get());
  auto* Part = new TComponent(Form);
  TspSkinPopupMenu* Menu = NewMenu(Part);
  int Popups = 0;
  Menu->OnPopup = [&](TObject*) { ++Popups; };
  Menu->Popup(150, 150);
  EXPECT_EQ(Popups, 1);
  EXPECT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_TRUE(SkinForm->InMenu);
  EXPECT_EQ(Menu->SkinData(), Skin.get());
  ASSERT_EQ(SkinForm->SkinMenu().PopupCount(), 1);
  EXPECT_EQ(SkinForm->SkinMenu().PopupWindow(0).PW, Skin->PopupWindow.get());
  EXPECT_EQ((TPoint{SkinForm->SkinMenu().PopupWindow(0).Left(), SkinForm->SkinMenu().PopupWindow(0).Top()}),
            (TPoint{150, 150}));
}

TEST_F(SkinPopupMenuTest, WithoutAnySkinPopupShowsTheBuiltInLookAndPopup2Nothing) {
  TspSkinPopupMenu* Menu = NewMenu(Form);
  Menu->Popup2(nullptr, 150, 150);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(ShownPopup(), nullptr);
  Menu->Popup(150, 150);
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(SkinForm->SkinMenu().PopupWindow(0).PW, nullptr);
  EXPECT_EQ(Menu->SkinData(), nullptr);
}

TEST_F(SkinPopupMenuTest, AnMdiChildsMenuOpensThroughTheMainFormsChain) {
  ASSERT_EQ(Application->MainForm(), Form);
  Skin = skin_form_test::LoadDefaultSkin();
  SkinForm->SetSkinData(Skin.get());
  TspSkinForm* ChildSkin = NewSkinnedForm(TRect{150, 150, 400, 400}, nullptr);
  ChildSkin->Form()->SetFormStyle(fsMDIChild);
  TspSkinPopupMenu* Menu = NewMenu(ChildSkin->Form());
  Menu->Popup(200, 200);
  EXPECT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(ChildSkin->SkinMenu().Visible());
  EXPECT_EQ(Menu->SkinData(), Skin.get());
}

TEST_F(SkinPopupMenuTest, ARightClickOnAControlOpensItsMenu) {
  auto* Control = new TCustomControl(Form);
  Control->SetParent(Form);
  Control->SetBoundsRect(TRect{20, 20, 120, 60});
  Control->SetPopupMenu(NewMenu(Form));
  ProcessPendingMessages();
  InjectClick(TPoint{Form->ClientOrigin().X + 50, Form->ClientOrigin().Y + 40}, pbRight);
  ProcessPendingMessages();
  TspSkinPopupWindow* Popup = ShownPopup();
  ASSERT_NE(Popup, nullptr);
  EXPECT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());
  InjectClick(ItemPoint(*Popup, 0));
  ProcessPendingMessages();
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(ShownPopup(), nullptr);
}

// Tolerated: a menu that belongs to no skinned form opens as a plain skinned popup.
TEST_F(SkinPopupMenuTest, AMenuOfNoSkinnedFormStillOpens) {
  std::unique_ptr<TspSkinPopupMenu> Menu(NewMenu(nullptr));
  Menu->Popup(150, 150);
  TspSkinPopupWindow* Popup = ShownPopup();
  ASSERT_NE(Popup, nullptr);
  EXPECT_EQ(Popup->ItemCount(), 2);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  InjectClick(ItemPoint(*Popup, 0));
  ProcessPendingMessages();
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(ShownPopup(), nullptr);
}

TEST_F(SkinPopupMenuTest, OnMenuCloseFiresOnceHoweverTheMenuCloses) {
  struct TCloseWay {
    const char* Name;
    std::function<void()> Close;
  };
  const TPoint OnTheForm{Form->Left() + 300, Form->Top() + 300};
  const TCloseWay Ways[] = {
      {"a command", [] { InjectClick(ItemPoint(*ShownPopup(), 1)); }},
      {"Escape", [] { InjectKeyStroke(VK_ESCAPE); }},
      {"a click on the form", [&] { InjectClick(OnTheForm); }},
  };
  TspSkinPopupMenu* Menu = NewMenu(Form);
  int Closes = 0;
  Menu->OnMenuClose = [&](TObject*) { ++Closes; };
  for (const TCloseWay& Way : Ways) {
    Closes = 0;
    Menu->PopupFromRect(TRect{150, 150, 250, 170}, false);
    ASSERT_NE(ShownPopup(), nullptr) << Way.Name;
    EXPECT_EQ(ShownPopup()->Top(), 170) << Way.Name;
    Way.Close();
    ProcessPendingMessages();
    EXPECT_EQ(Closes, 1) << Way.Name;
    EXPECT_FALSE(SkinForm->SkinMenu().Visible()) << Way.Name;
    EXPECT_FALSE(SkinForm->InMenu) << Way.Name;
    Menu->Popup(150, 150);
    SkinForm->SkinMenu().Hide();
    EXPECT_EQ(Closes, 2) << Way.Name;
  }
}

}  // namespace
}  // namespace skin_popup_menu_test
