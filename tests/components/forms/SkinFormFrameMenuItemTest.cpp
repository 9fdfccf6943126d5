// The main menu's items in the frame's menu strip open their sub-items through the
// form's popup chain: below the item, or above it as the skin of a skinned main menu
// says, and the chain's close sets the item up again.

#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_test {
namespace {

class SkinFormFrameMenuItemTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
    auto Picture = std::make_unique<TBitmap>();
    Picture->SetPixelFormat(pf24bit);
    Picture->SetSize(20, 10);
    TspSkinEditor(*Skin).AddPicture(std::move(Picture));
    Skin->MainMenuRect = Rect(5, 12, 95, 24);
    SkinForm = NewSkinnedForm(TRect{100, 300, 400, 500}, Skin.get());
    Form = static_cast<TForm*>(SkinForm->Form());
    Menu = new TspSkinMainMenu(Form);
    File = new TMenuItem(Menu);
    File->SetName("FileItem");
    File->SetCaption("File");
    Open = new TMenuItem(Menu);
    Open->SetCaption("Open");
    File->Add(Open);
    Menu->Items()->Add(File);
    TspDataSkinMainMenuItem Record("MAINMENUITEM");
    Record.SkinRect = Rect(0, 0, 20, 10);
    Record.ActivePictureIndex = 0;
    Record.ActiveMaskPictureIndex = -1;
    Record.TextRct = Rect(4, 0, 16, 10);
    Record.ItemLO = Record.ItemRO = 4;
    SkinForm->ObjectList.push_back(std::make_unique<TspSkinMainMenuItem>(SkinForm, Record, File));
    ;
    Item = static_cast<TspSkinMainMenuItem*>(SkinForm->ObjectList.back().get());
    SkinForm->UpDateFormNC();
    ProcessPendingMessages();
  }
  void TearDown() override {
    delete Form;
    SkinFormTest::TearDown();
  }

  // Presses the item with the pointer and returns the screen rectangle of the item.
  TRect PressItem() {
    TRect R = Item->ObjectRect;
    OffsetRect(R, Form->Left(), Form->Top());
    InjectClick(TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
    ProcessPendingMessages();
    return R;
  }
  // The open popup window's screen rectangle; empty when none is open.
  TRect PopupRect() {
    TspSkinMenu& Chain = SkinForm->SkinMenu();
    if (!Chain.Visible() || Chain.PopupCount() == 0) return TRect{};
    RECT R{};
    GetWindowRect(Chain.PopupWindow(0).Handle(), &R);
    return TRect{R.Left, R.Top, R.Right, R.Bottom};
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* SkinForm = nullptr;
  TForm* Form = nullptr;
  TspSkinMainMenu* Menu = nullptr;
  TMenuItem* File = nullptr;
  TMenuItem* Open = nullptr;
  TspSkinMainMenuItem* Item = nullptr;
};

TEST_F(SkinFormFrameMenuItemTest, APressedItemShowsItsSubItemsBelowItUntilTheChainCloses) {
  const TRect Anchor = PressItem();
  ASSERT_TRUE(Item->Down());
  EXPECT_TRUE(SkinForm->InMainMenu);
  TspSkinMenu& Chain = SkinForm->SkinMenu();
  ASSERT_TRUE(Chain.Visible());
  ASSERT_EQ(Chain.PopupWindow(0).ItemCount(), 1);
  EXPECT_EQ(Chain.PopupWindow(0).Item(0).MenuItem, Open);
  EXPECT_GE(PopupRect().Top, Anchor.Bottom);
  Chain.Hide();
  ProcessPendingMessages();
  EXPECT_FALSE(Item->Down());
  EXPECT_FALSE(SkinForm->InMainMenu);
  EXPECT_FALSE(SkinForm->InMenu);
}

TEST_F(SkinFormFrameMenuItemTest, ASkinnedMainMenuWithASkinOfItsOwnOpensAsThatSkinSays) {
  const std::unique_ptr<TspSkinData> MenuSkin = MakeFixtureSkin();
  MenuSkin->MainMenuPopupUp = true;
  Menu->SetSkinData(MenuSkin.get());
  const TRect Anchor = PressItem();
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  const TRect Popup = PopupRect();
  EXPECT_LE(Popup.Bottom, Anchor.Top);
  EXPECT_GT(Popup.Height(), 0);
  SkinForm->SkinMenu().Hide();
  ProcessPendingMessages();
}

}  // namespace
}  // namespace skin_form_test
