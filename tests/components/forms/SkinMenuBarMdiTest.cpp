// The main menu bar of an MDI frame while a document is maximized: the document's
// system-menu, close, restore and minimize buttons at the bar's ends, enabled by the
// document's border icons, and running their commands on it when clicked.

#include <gtest/gtest.h>

#include <vector>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_menu_bar_mdi_test {
namespace {

using skin_form_test::LoadDefaultSkin;
using skin_form_test::SkinFormTest;

// A shown MDI frame with a skin component and a menu bar of two items, and one skinned
// document, maximized: the frame's component has the bar show its buttons.
class SkinMenuBarMdiTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    MainSkin = NewMdiFrame(TRect{50, 50, 650, 450});
    Main = static_cast<TForm*>(MainSkin->Form());
    Menu = new TspSkinMainMenu(Main);
    for (const char* Caption : {"&File", "&Window"}) {
      auto* Top = new TMenuItem(Main);
      Top->SetCaption(Caption);
      auto* Sub = new TMenuItem(Main);
      Sub->SetCaption("Sub");
      Top->Add(Sub);
      Menu->Items()->Add(Top);
    }
    Bar = new TspSkinMainMenuBar(Main);
    Bar->SetParent(Main);
    Bar->SetSkinForm(MainSkin);
    Bar->SetMainMenu(Menu);
    Main->Show();
    Pump();
    Doc = Application->CreateForm<TForm>();
    Doc->SetName("Doc");
    Doc->SetFormStyle(fsMDIChild);
    DocSkin = new TspSkinForm(Doc);
    Doc->SetBounds(10, 10, 200, 150);
    Doc->Show();
    Pump();
    DocSkin->SetWindowState(wsMaximized);
    Repaint();
  }

  static void Pump() { ProcessPendingMessages(); }
  void Repaint() {
    Bar->Repaint();
    Pump();
  }

  // The button with the command; the bar shows four.
  TspSkinMainMenuBarButton& Button(TStdCommand ACommand) {
    for (int I = 0; I < Bar->ChildButtonCount(); ++I)
      if (Bar->ChildButton(I).Command == ACommand) return Bar->ChildButton(I);
    throw std::logic_error("no such button");
  }
  TPoint Centre(const TRect& R) const {
    return Bar->ClientToScreen(TPoint{R.Left + R.Width() / 2, R.Top + R.Height() / 2});
  }
  void Click(TStdCommand ACommand) {
    InjectClick(Centre(Button(ACommand).ObjectRect));
    Pump();
  }

  TForm* Main = nullptr;
  TspSkinForm* MainSkin = nullptr;
  TspSkinMainMenu* Menu = nullptr;
  TspSkinMainMenuBar* Bar = nullptr;
  TForm* Doc = nullptr;
  TspSkinForm* DocSkin = nullptr;
};

TEST_F(SkinMenuBarMdiTest, TheButtonsTakeTheBarsEndsAndTheItemsMoveInBetween) {
  ASSERT_TRUE(Bar->MDIChildMax());
  ASSERT_EQ(Bar->ChildButtonCount(), 4);
  const std::vector<TStdCommand> Order{cmSysMenu, cmClose, cmMaximize, cmMinimize};
  const std::vector<String> Names{"SysMenuButton", "CloseButton", "MaxButton", "MinButton"};
  // Squares as high as the items area (2 pixels in from the bar's edges), 2 apart.
  const int Size = Bar->Height() - 4;
  const int W = Bar->Width();
  const std::vector<TRect> Places{TRect{2, 2, 2 + Size, 2 + Size}, TRect{W - 2 - Size, 2, W - 2, 2 + Size},
                                  TRect{W - 4 - 2 * Size, 2, W - 4 - Size, 2 + Size},
                                  TRect{W - 6 - 3 * Size, 2, W - 6 - 2 * Size, 2 + Size}};
  for (int I = 0; I < 4; ++I) {
    EXPECT_EQ(Bar->ChildButton(I).Command, Order[I]) << I;
    EXPECT_EQ(Bar->ChildButton(I).IDName, Names[I]) << I;
    EXPECT_EQ(Bar->ChildButton(I).ObjectRect, Places[I]) << I;
    EXPECT_TRUE(Bar->ChildButton(I).Enabled) << I;
  }
  EXPECT_EQ(Bar->Item(0).ObjectRect.Left, 2 + Size + 2);
  EXPECT_EQ(Bar->NewItemsRect().Right, W - 2 - 3 * (Size + 2));
  // Shown once: a second call makes nothing new.
  TspSkinMainMenuBarButton* First = &Bar->ChildButton(0);
  Bar->ShowChildButtons();
  EXPECT_EQ(&Bar->ChildButton(0), First);
}

TEST_F(SkinMenuBarMdiTest, WithoutMinimizeOrSystemMenuIconsThoseButtonsAreDisabled) {
  DocSkin->SetBorderIcons({TspSkinForm::biMaximize});
  // Another document restored while this one stays maximized: the states are read again.
  Bar->HideChildButtons();
  Repaint();
  ASSERT_EQ(Bar->ChildButtonCount(), 4);
  EXPECT_FALSE(Button(cmMinimize).Enabled);
  EXPECT_FALSE(Button(cmSysMenu).Enabled);
  EXPECT_TRUE(Button(cmClose).Enabled);
  EXPECT_TRUE(Button(cmMaximize).Enabled);
  // A disabled button does nothing when clicked.
  Click(cmMinimize);
  EXPECT_EQ(DocSkin->WindowState(), wsMaximized);
}

TEST_F(SkinMenuBarMdiTest, RestoreAndMinimizeActOnTheMaximizedDocumentAndTheButtonsGoWithIt) {
  Click(cmMaximize);
  EXPECT_EQ(DocSkin->WindowState(), wsNormal);
  EXPECT_FALSE(Bar->MDIChildMax());
  EXPECT_EQ(Bar->ChildButtonCount(), 0);
  Repaint();
  EXPECT_EQ(Bar->Item(0).ObjectRect.Left, 2);

  DocSkin->SetWindowState(wsMaximized);
  Repaint();
  ASSERT_TRUE(Bar->MDIChildMax());
  Click(cmMinimize);
  EXPECT_EQ(DocSkin->WindowState(), wsMinimized);
}

TEST_F(SkinMenuBarMdiTest, CloseClosesTheDocumentOnlyWhenReleasedOverTheButton) {
  // Pressed, then released off the button: nothing happens.
  const TPoint OnClose = Centre(Button(cmClose).ObjectRect);
  InjectPointerPress(OnClose);
  InjectPointerMove(Bar->ClientToScreen(TPoint{Bar->Width() / 2, 5}));
  InjectPointerRelease(Bar->ClientToScreen(TPoint{Bar->Width() / 2, 5}));
  Pump();
  EXPECT_EQ(Main->MDIChildCount(), 1);
  EXPECT_FALSE(Button(cmClose).Down);
  // While the close button is held, an item does not become hot.
  InjectPointerPress(OnClose);
  InjectPointerMove(Centre(Bar->Item(0).ObjectRect));
  Pump();
  EXPECT_FALSE(Bar->Item(0).Active);
  InjectPointerRelease(Centre(Bar->Item(0).ObjectRect));
  Pump();
  EXPECT_EQ(Main->MDIChildCount(), 1);

  Repaint();
  Click(cmClose);
  EXPECT_EQ(Main->MDIChildCount(), 0);
  EXPECT_EQ(Bar->ChildButtonCount(), 0);
}

TEST_F(SkinMenuBarMdiTest, TheSystemMenuButtonOpensTheDocumentsMenuAndComesUpWhenItCloses) {
  InjectPointerPress(Centre(Button(cmSysMenu).ObjectRect));
  Pump();
  TspSkinMenu& Chain = MainSkin->SkinMenu();
  ASSERT_TRUE(Chain.Visible());
  EXPECT_TRUE(Button(cmSysMenu).Down);
  const TspSkinPopupWindow& Window = Chain.PopupWindow(0);
  ASSERT_GT(Window.ItemCount(), 0);
  std::vector<String> Lines;
  for (int I = 0; I < Window.ItemCount(); ++I) Lines.push_back(Window.Item(I).MenuItem->Name());
  // The maximized document's menu: restore, no maximize.
  EXPECT_NE(std::find(Lines.begin(), Lines.end(), "DSF_RESTORE"), Lines.end());
  EXPECT_EQ(std::find(Lines.begin(), Lines.end(), "DSF_MAXITEM"), Lines.end());
  InjectPointerRelease(Centre(Button(cmSysMenu).ObjectRect));
  Pump();
  EXPECT_TRUE(Button(cmSysMenu).Down);
  Chain.Hide();
  Pump();
  EXPECT_FALSE(Button(cmSysMenu).Down);
}

TEST_F(SkinMenuBarMdiTest, ADoubleClickOnTheSystemMenuButtonClosesTheDocument) {
  InjectDoubleClick(Centre(Button(cmSysMenu).ObjectRect));
  Pump();
  EXPECT_EQ(Main->MDIChildCount(), 0);
  EXPECT_FALSE(MainSkin->SkinMenu().Visible());
  EXPECT_FALSE(Bar->MDIChildMax());
}

TEST_F(SkinMenuBarMdiTest, WithTheSkinsMenuBarElementTheButtonsAreTheObjectsItNames) {
  std::unique_ptr<TspSkinData> Skin = LoadDefaultSkin();
  Bar->SetHeight(30);
  Bar->SetSkinData(Skin.get());
  DocSkin->SetWindowState(wsNormal);
  DocSkin->SetWindowState(wsMaximized);
  Repaint();
  ASSERT_EQ(Bar->ChildButtonCount(), 4);
  const std::vector<String> Names{"mainmenubarsysmenu", "mainmenubarclose", "mainmenubarmax",
                                  "mainmenubarmin"};
  for (int I = 0; I < 4; ++I) EXPECT_EQ(Bar->ChildButton(I).IDName, Names[I]);
  // At the picture's size, centred on the element's items area, at its right end.
  const TRect Area = Bar->FullItemsRect();
  TspSkinMainMenuBarButton& Close = Button(cmClose);
  const auto* Record = Skin->Object<TspDataSkinStdButton>("mainmenubarclose");
  ASSERT_NE(Record, nullptr);
  const int W = Record->SkinRect.Width();
  const int H = Record->SkinRect.Height();
  const int Middle = Area.Top + Area.Height() / 2;
  EXPECT_EQ(Close.ObjectRect, (TRect{Area.Right - W, Middle - H / 2, Area.Right, Middle - H / 2 + H}));
  EXPECT_EQ(Bar->NewItemsRect().Left, Area.Left + Button(cmSysMenu).ObjectRect.Width() + 2);

  // Normal, then pressed under the mouse: the record's pictures.
  TBitmap& Picture = *Skin->Picture(size_t(Record->ActivePictureIndex));
  auto ShowsPicture = [&](const TRect& ASource) {
    for (int Y = 0; Y < H; Y += 2)
      for (int X = 0; X < W; X += 2)
        if (PresentedPixel(Bar->Handle(), Close.ObjectRect.Left + X, Close.ObjectRect.Top + Y) !=
            COLORREF(Picture.Canvas().Pixels(ASource.Left + X, ASource.Top + Y)))
          return false;
    return true;
  };
  EXPECT_TRUE(ShowsPicture(Record->SkinRect));
  InjectPointerPress(Centre(Close.ObjectRect));
  Pump();
  EXPECT_TRUE(ShowsPicture(Record->DownRect));
  EXPECT_FALSE(ShowsPicture(Record->SkinRect));
  InjectPointerRelease(Centre(Close.ObjectRect));
  Pump();
  EXPECT_EQ(Main->MDIChildCount(), 0);
  Bar->SetSkinData(nullptr);
}

}  // namespace
}  // namespace skin_menu_bar_mdi_test
