// A demonstration form for a person to look at (not part of the program): labels, a
// bevel, a panel, a main menu and a popup menu, driven by injected input and saved as
// PNG pictures. The menus are drawn here from their model in the plainest way, as the
// skin library draws the real ones.

#include <gtest/gtest.h>

#include "platform/ui/Bevel.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/win/Keyboard.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/platform/ui/FormsTestSupport.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

// Draws the visible items of a menu level side by side (a bar) or one under the other
// (an open popup), with their shortcuts. A window of its own keeps an open popup above
// the panel.
class TMenuPicture : public TCustomControl {
 public:
  TMenuPicture(TComponent* AOwner, bool AVertical) : TCustomControl(AOwner), FVertical(AVertical) {}
  TMenuItem* Level = nullptr;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(FVertical ? clWindow : clBtnFace);
    Canvas().FillRect(ClientRect());
    if (FVertical) {
      Canvas().Brush().SetColor(clBtnShadow);
      Canvas().FrameRect(ClientRect());
    }
    if (!Level) return;
    Canvas().Brush().SetStyle(bsClear);
    int Place = 4;
    for (int I = 0; I < Level->Count(); ++I) {
      TMenuItem* Item = Level->Items(I);
      if (!Item->Visible()) continue;
      String Text = Item->Caption();
      if (Item->ShortCut() != scNone) Text += "   " + ShortCutToText(Item->ShortCut());
      if (Item->Checked()) Text = "* " + Text;
      TRect Box =
          FVertical ? Rect(6, Place, Width() - 4, Place + 16) : Rect(Place, 2, Place + 80, Height() - 2);
      Canvas().Font().SetColor(Item->Enabled() ? clWindowText : clGrayText);
      if (Item->IsLine())
        Canvas().FillRect(Rect(Box.Left, Box.Top + 7, Box.Right, Box.Top + 8));
      else
        Canvas().TextRect(Box, Text, {tfLeft, tfVerticalCenter, tfSingleLine});
      Place += FVertical ? 17 : Canvas().TextWidth(Text) + 20;
    }
  }

 private:
  bool FVertical;
};

class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* AOwner) : TForm(AOwner) {
    BeginLoading();
    SetName("DemoForm");
    SetCaption("Class library demonstration");
    SetClientWidth(360);
    SetClientHeight(240);

    MainMenu = new TMainMenu(this);
    TMenuItem* File = AddItem(MainMenu->Items(), "&File");
    AddItem(File, "&Open...", "Ctrl+O");
    AddItem(File, cLineCaption);
    AddItem(File, "E&xit", "Alt+F4");
    TMenuItem* View = AddItem(MainMenu->Items(), "&View");
    for (const char* Caption : {"&Table", "&Thumbnails"}) {
      TMenuItem* Item = AddItem(View, Caption);
      Item->SetRadioItem(true);
      Item->SetGroupIndex(1);
    }
    SetMenu(MainMenu);
    MenuBar = new TMenuPicture(this, false);
    MenuBar->SetParent(this);
    MenuBar->SetAlign(alTop);
    MenuBar->SetHeight(20);
    MenuBar->Level = MainMenu->Items();

    Panel = new TPanel(this);
    Panel->SetParent(this);
    Panel->SetBounds(10, 30, 340, 130);
    Panel->SetCaption("");
    Title = NewLabel(Panel, 10, 10, "Pelladrin class library");
    Title->Font().SetStyle({fsBold});
    NewLabel(Panel, 10, 34, "A panel with labels, a bevel and a popup menu.");
    auto* Bevel = new TBevel(this);
    Bevel->SetParent(Panel);
    Bevel->SetShape(bsTopLine);
    Bevel->SetBounds(10, 56, 320, 4);
    NewLabel(Panel, 10, 66, "Right-click the panel; Ctrl+O opens.");

    Popup = new TPopupMenu(this);
    AddItem(Popup->Items(), cLineCaption);
    AddItem(Popup->Items(), "&Copy", "Ctrl+C");
    AddItem(Popup->Items(), "&Paste", "Ctrl+V");
    Panel->SetPopupMenu(Popup);
    PopupPicture = new TMenuPicture(this, true);
    PopupPicture->SetParent(this);
    PopupPicture->SetVisible(false);
    PopupPicture->Level = Popup->Items();
    Popup->OnPopup = [this](TObject*) {
      const TPoint At = ScreenToClient(Popup->PopupPoint());
      PopupPicture->SetBounds(At.X, At.Y, 120, 40);
      PopupPicture->Show();
      PopupPicture->BringToFront();
      Status->SetCaption(Format("Popup at (%d, %d)", At.X, At.Y));
    };

    Status = NewLabel(this, 10, 200, "Ready");
    EndLoading();
  }

  TMainMenu* MainMenu;
  TMenuPicture* MenuBar;
  TPanel* Panel;
  TLabel* Title;
  TPopupMenu* Popup;
  TMenuPicture* PopupPicture;
  TLabel* Status;

 private:
  TMenuItem* AddItem(TMenuItem* AParent, const String& ACaption, const char* AShortCut = "") {
    auto* Item = new TMenuItem(this);
    Item->SetCaption(ACaption);
    Item->SetShortCut(TextToShortCut(AShortCut));
    Item->OnClick = [this, Item](TObject*) {
      if (Item->RadioItem()) Item->SetChecked(true);
      Status->SetCaption("Chosen: " + Item->Caption());
      MenuBar->Invalidate();
    };
    AParent->Add(Item);
    return Item;
  }

  TLabel* NewLabel(TWinControl* AParent, int AX, int AY, const String& ACaption) {
    auto* Label = new TLabel(this);
    Label->SetParent(AParent);
    Label->SetBounds(AX, AY, 65, 17);
    Label->SetCaption(ACaption);
    return Label;
  }
};

using DemoFormTest = FormsTest;

TEST_F(DemoFormTest, TheDemonstrationFormIsDrivenByInputAndSavedAsPictures) {
  auto* Demo = Application->CreateForm<TDemoForm>();
  Demo->SetPosition(poScreenCenter);
  Demo->Show();
  Pump();
  InjectKeyStroke('O', PointerControl);
  Pump();
  EXPECT_EQ(Demo->Status->Caption(), "Chosen: &Open...");
  Demo->MainMenu->Items()->Items(1)->Items(1)->Click();
  EXPECT_TRUE(Demo->MainMenu->Items()->Items(1)->Items(1)->Checked());
  InjectClick(OnScreen(Demo->Panel, 200, 90), pbRight);
  Pump();
  EXPECT_EQ(Demo->Status->Caption(), "Popup at (210, 120)");
  EXPECT_TRUE(Demo->PopupPicture->Visible());
  EXPECT_FALSE(Demo->Popup->Items()->Items(0)->Visible());
  Headless().AdvanceClock(100);

  EXPECT_TRUE(LooksAsInItsPicture(Demo->Handle(), "demo-form"));
  // The panel's face and the open popup's white inside show in the picture.
  const TPoint Client = Demo->ClientOrigin();
  RECT Window;
  GetWindowRect(Demo->Handle(), &Window);
  const TPoint PanelFace = Demo->Panel->ClientToScreen({100, 110});
  EXPECT_EQ(PresentedPixel(Demo->Handle(), PanelFace.X - Window.Left, PanelFace.Y - Window.Top),
            ColorToRGB(clBtnFace));
  EXPECT_EQ(PresentedPixel(Demo->Handle(), Client.X - Window.Left + 212, Client.Y - Window.Top + 138),
            ColorToRGB(clWindow));
}

}  // namespace
}  // namespace ui_test
