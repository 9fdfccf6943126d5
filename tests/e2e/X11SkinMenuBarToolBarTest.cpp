// A form wearing the default skin with a main menu bar (File, Edit, View, Help) and a
// tool bar of speed buttons and menu buttons, on the desktop and driven with xdotool:
// the File menu opened by Alt+F and by a click and an item chosen, a menu speed
// button's drop-down opened by its column and an item chosen, a menu button's menu
// closed by a click elsewhere. After each menu the buttons are up and not hot. The
// screenshot with the drop-down open is kept as docs/skin-menubar-toolbar.png for a
// person to look at, and compared with it.

#include <functional>
#include <string>
#include <vector>

#include "components/controls/SkinBars.h"
#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Forms.h"
#include "tests/e2e/DefaultSkinOnDisk.h"
#include "tests/e2e/X11BackendFixture.h"
#include "tests/support/Pictures.h"

namespace e2e {
namespace {

class X11SkinMenuBarToolBarTest : public X11DefaultSkinTest {
 protected:
  // As PumpUntil, but the messages go through the application's loop as the program's
  // own do, so that keys reach the form's shortcuts (the menu bar's Alt accelerators).
  bool RunUntil(const std::function<bool()>& ACondition) {
    return PumpUntil(ACondition, [] { Application->ProcessMessages(); });
  }

  // A menu item AParent holds, logging its caption when it is chosen.
  TMenuItem* AddItem(TMenuItem* AParent, const char* ACaption) {
    auto* Item = new TMenuItem(Form);
    Item->SetCaption(ACaption);
    Item->OnClick = [this, ACaption](TObject*) { Chosen.push_back(ACaption); };
    AParent->Add(Item);
    return Item;
  }

  void BuildMainMenu() {
    MainMenu = new TspSkinMainMenu(Form);
    const std::vector<std::vector<const char*>> Menus = {
        {"&File", "&Open...", "&Save", "-", "E&xit"},
        {"&Edit", "Cu&t", "&Copy", "&Paste"},
        {"&View", "&Tool bar", "&Status bar"},
        {"&Help", "&About"},
    };
    for (const auto& Captions : Menus) {
      auto* Top = new TMenuItem(Form);
      Top->SetCaption(Captions[0]);
      for (size_t I = 1; I < Captions.size(); ++I) AddItem(Top, Captions[I]);
      MainMenu->Items()->Add(Top);
    }
    MenuBar = new TspSkinMainMenuBar(Form);
    MenuBar->SetParent(Form);
    MenuBar->SetSkinData(Skin.get());
    MenuBar->SetSkinForm(SkinForm);
    MenuBar->SetMainMenu(MainMenu);
  }

  TspSkinPopupMenu* NewPopupMenu(std::initializer_list<const char*> ACaptions) {
    auto* Menu = new TspSkinPopupMenu(Form);
    for (const char* Caption : ACaptions) AddItem(Menu->Items(), Caption);
    return Menu;
  }

  void BuildToolBar() {
    ToolBar = new TspSkinToolBar(Form);
    ToolBar->SetParent(Form);
    ToolBar->SetAlign(alTop);
    ToolBar->SetHeight(44);
    ToolBar->SetSkinData(Skin.get());
    int Left = 6;
    auto PutOnBar = [&](TControl* AControl, int AWidth) {
      AControl->SetBounds(Left, 6, AWidth, 32);
      AControl->SetParent(ToolBar);
      Left += AWidth + 4;
    };
    for (const char* Caption : {"Add files", "Convert"}) {
      auto* Button = new TspSkinSpeedButton(Form);
      Button->SetCaption(Caption);
      Button->SetFlat(true);
      Button->SetSkinData(Skin.get());
      PutOnBar(Button, 84);
    }
    Profile = new TspSkinMenuSpeedButton(Form);
    Profile->SetCaption("Profile");
    Profile->SetSkinDataName("toolbutton");
    Profile->SetTrackButtonMode(true);
    Profile->SetFlat(true);
    Profile->SetSkinData(Skin.get());
    Profile->SetSkinPopupMenu(NewPopupMenu({"MP4 video", "MP3 audio", "WebM video", "Ogg audio"}));
    PutOnBar(Profile, 96);
    Share = new TspSkinMenuButton(Form);
    Share->SetCaption("Share");
    Share->SetSkinDataName("toolbutton");
    Share->SetCanFocused(false);
    Share->SetSkinData(Skin.get());
    Share->SetSkinPopupMenu(NewPopupMenu({"Facebook", "Twitter"}));
    PutOnBar(Share, 84);
  }

  void ShowForm() {
    Form = Application->CreateForm<TForm>();
    Form->SetCaption("Pelladrin");
    SkinForm = new TspSkinForm(Form);
    SkinForm->SetSkinData(Skin.get());
    Form->SetBoundsRect(Place);
    BuildMainMenu();
    BuildToolBar();
    Form->Show();
    ASSERT_TRUE(RunUntil([&] {
      FormWindow = Other().WindowTitled("Pelladrin");
      return FormWindow != 0 && Other().Geometry(FormWindow) == Place;
    }));
    Other().Focus(FormWindow);
    ASSERT_TRUE(RunUntil([&] { return Other().FocusedWindow() == FormWindow && Form->Active(); }));
  }

  void Click(TPoint AScreenPoint) {
    VirtualDisplay().Xdotool("mousemove " + std::to_string(AScreenPoint.X) + " " +
                             std::to_string(AScreenPoint.Y) + " click 1");
  }
  TPoint CentreOnScreen(TControl& AControl, const TRect& ARect) {
    return AControl.ClientToScreen({(ARect.Left + ARect.Right) / 2, (ARect.Top + ARect.Bottom) / 2});
  }
  bool MenuShows() { return SkinForm->SkinMenu().Visible() && SkinForm->SkinMenu().PopupCount() > 0; }
  // The first popup's item with that caption, on the screen.
  TPoint ItemOnScreen(const char* ACaption) {
    TspSkinPopupWindow& Popup = SkinForm->SkinMenu().PopupWindow(0);
    for (int I = 0; I < Popup.ItemCount(); ++I)
      if (Popup.Item(I).MenuItem->Caption() == ACaption)
        return CentreOnScreen(Popup, Popup.Item(I).ObjectRect);
    ADD_FAILURE() << "no item " << ACaption;
    return {};
  }
  // Whether AButton shows the tool bar's surface left of its caption, as a button
  // that is neither pressed nor hot does in the default skin.
  bool LooksPlain(TControl& AButton) {
    Application->ProcessMessages();
    Other().Synchronize();
    const TPoint Origin = ToolBar->ClientToScreen({0, 0});
    const TPixelImage Shot =
        VirtualDisplay().Screenshot(Bounds(Origin.X, Origin.Y, ToolBar->Width(), ToolBar->Height()));
    const TPoint Inside = ToolBar->ScreenToClient(AButton.ClientToScreen({4, AButton.Height() / 2}));
    return Shot.Pixel(Inside.X, Inside.Y) == Shot.Pixel(ToolBar->Width() - 8, ToolBar->Height() / 2);
  }

  const TRect Place = Bounds(60, 60, 520, 300);
  TForm* Form = nullptr;
  TspSkinForm* SkinForm = nullptr;
  TXid FormWindow = 0;
  TspSkinMainMenu* MainMenu = nullptr;
  TspSkinMainMenuBar* MenuBar = nullptr;
  TspSkinToolBar* ToolBar = nullptr;
  TspSkinMenuSpeedButton* Profile = nullptr;
  TspSkinMenuButton* Share = nullptr;
  std::vector<std::string> Chosen;
};

TEST_F(X11SkinMenuBarToolBarTest, MenusOfTheBarAndTheToolBarOpenChooseAndLeaveTheButtonsPlain) {
  ShowForm();
  ASSERT_EQ(MenuBar->ItemCount(), 4);
  ASSERT_TRUE(RunUntil([&] { return LooksPlain(*Profile) && LooksPlain(*Share); }));

  // Alt+F opens the File menu from the keyboard; Escape twice leaves the bar.
  VirtualDisplay().Xdotool("key alt+f");
  ASSERT_TRUE(RunUntil([&] { return MenuShows() && MenuBar->Item(0).Down; }));
  EXPECT_EQ(SkinForm->SkinMenu().PopupWindow(0).Item(0).MenuItem->Caption(), "&Open...");
  VirtualDisplay().Xdotool("key Escape");
  ASSERT_TRUE(RunUntil([&] { return !MenuShows(); }));
  VirtualDisplay().Xdotool("key Escape");
  ASSERT_TRUE(RunUntil([&] { return !SkinForm->InMainMenu; }));

  // A click on File opens it too; a click on Save chooses it.
  Click(CentreOnScreen(*MenuBar, MenuBar->Item(0).ObjectRect));
  ASSERT_TRUE(RunUntil([&] { return MenuShows(); }));
  Click(ItemOnScreen("&Save"));
  ASSERT_TRUE(RunUntil([&] { return !MenuShows() && Chosen.size() == 1; }));
  EXPECT_EQ(Chosen, (std::vector<std::string>{"&Save"}));

  // The drop-down column of the menu speed button opens its menu below it.
  Click(Profile->ClientToScreen({Profile->Width() - 7, Profile->Height() / 2}));
  ASSERT_TRUE(RunUntil([&] { return MenuShows() && Profile->MenuTracked(); }));
  EXPECT_TRUE(Profile->Down());
  EXPECT_FALSE(LooksPlain(*Profile));
  TspSkinPopupWindow& DropDown = SkinForm->SkinMenu().PopupWindow(0);
  EXPECT_EQ(DropDown.Top(), Profile->ClientToScreen({0, Profile->Height()}).Y);
  Application->ProcessMessages();
  Other().Synchronize();
  EXPECT_TRUE(testing_support::MatchesReferencePicture(
      VirtualDisplay().Screenshot(Bounds(Place.Left, Place.Top, Place.Width(), 220)),
      "docs/skin-menubar-toolbar.png", {24, 400}));
  Click(ItemOnScreen("MP3 audio"));
  ASSERT_TRUE(RunUntil([&] { return !MenuShows() && Chosen.size() == 2; }));
  EXPECT_EQ(Chosen.back(), "MP3 audio");
  EXPECT_FALSE(Profile->MenuTracked());
  EXPECT_FALSE(Profile->Down());
  VirtualDisplay().Xdotool("mousemove 1000 700");
  EXPECT_TRUE(RunUntil([&] { return LooksPlain(*Profile); }));

  // The menu button's menu closed by a click elsewhere on the form chooses nothing.
  Click(CentreOnScreen(*Share, Rect(0, 0, Share->Width(), Share->Height())));
  ASSERT_TRUE(RunUntil([&] { return MenuShows() && Share->MenuTracked(); }));
  EXPECT_TRUE(RunUntil([&] { return !LooksPlain(*Share); }));
  Click(Form->ClientToScreen({Form->ClientWidth() - 20, Form->ClientHeight() - 20}));
  ASSERT_TRUE(RunUntil([&] { return !MenuShows() && !Share->MenuTracked(); }));
  EXPECT_FALSE(Share->Down());
  EXPECT_EQ(Chosen.size(), 2u);
  EXPECT_TRUE(RunUntil([&] { return LooksPlain(*Share) && LooksPlain(*Profile); }));
}

}  // namespace
}  // namespace e2e
