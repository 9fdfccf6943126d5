// The menu button and the menu speed button: which part opens the menu, what a press
// there does and does not do, the keys, hover while the menu shows, and the state once
// the menu has closed however it closed.

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "components/forms/SkinPictureMenu.h"
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

  // The first red pixel of the host, row by row; (-1, -1) for none.
  TPoint FirstRedPixel() {
    for (int Y = 0; Y < 150; ++Y)
      for (int X = 0; X < 200; ++X)
        if (HostPixel(X, Y) == ColorToRGB(clRed)) return {X, Y};
    return {-1, -1};
  }

  std::unique_ptr<TspSkinPopupMenu> Menu;
  std::vector<std::string> Events;
  TForm* FMenuForm = nullptr;
};

// ---------------------------------------------------------------- picture menus

// A picture menu of a red, a green and a blue picture (16 × 16) in one row; the button
// shows the chosen one centred in its content area.
class SkinMenuButtonPictureMenuTest : public SkinMenuButtonsTest {
 protected:
  void SetUp() override {
    SkinMenuButtonsTest::SetUp();
    Images = std::make_unique<TImageList>(nullptr);
    Images->SetSize(16, 16);
    FillImages();
    Pictures = std::make_unique<TspSkinImagesMenu>(nullptr);
    Pictures->SetImages(Images.get());
    Pictures->SetColumnsCount(3);
    for (int I = 0; I < 3; ++I) Pictures->ImagesItems().Add()->ImageIndex = I;
  }
  void TearDown() override {
    Pictures.reset();
    Images.reset();
    SkinMenuButtonsTest::TearDown();
  }
  void FillImages() {
    Images->Clear();
    for (TColor Colour : {clRed, clLime, clBlue}) {
      TBitmap Picture;
      Picture.SetSize(16, 16);
      Picture.Canvas().Brush().SetColor(Colour);
      Picture.Canvas().FillRect(Rect(0, 0, 16, 16));
      Images->Add(Picture, nullptr);
    }
  }
  template <class TButton>
  TButton* NewPictureMenuButton() {
    auto* Button = NewMenuButton<TButton>();
    Button->SetSkinPopupMenu(nullptr);
    Button->SetSkinImagesMenu(Pictures.get());
    Button->UseImagesMenuImage = true;
    return Button;
  }
  TPoint CellCentre(int AIndex) {
    const TRect& R = Pictures->ImagesItems().Items(AIndex)->ItemRect;
    return Pictures->PopupWindow()->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
  }

  std::unique_ptr<TImageList> Images;
  std::unique_ptr<TspSkinImagesMenu> Pictures;
};

// A press opens the picture menu below the button; a picture chosen closes it, the
// button comes up and shows that picture; an empty picture menu opens nothing and
// leaves the button up at once.
TEST_F(SkinMenuButtonPictureMenuTest, APictureMenuOpensFromTheButtonWhichThenShowsTheChoice) {
  auto Check = [&](auto* AButton) {
    ShowHost();
    Press(OnButton(20, 10));
    ASSERT_NE(Pictures->PopupWindow(), nullptr);
    EXPECT_EQ(Pictures->PopupWindow()->Top(), 100 + 10 + 30);
    EXPECT_TRUE(AButton->MenuTracked());
    EXPECT_TRUE(AButton->Down());
    InjectClick(CellCentre(2));
    Pump();
    EXPECT_EQ(Pictures->PopupWindow(), nullptr);
    EXPECT_EQ(Pictures->ItemIndex, 2);
    EXPECT_FALSE(AButton->MenuTracked());
    EXPECT_FALSE(AButton->Down());
    EXPECT_EQ(Events, (std::vector<std::string>{"show", "hide"}));
    // The content area is the button without its 15-pixel column: 45 × 30.
    InjectPointerMove(OnButton(20, 100));
    Pump();
    EXPECT_EQ(HostPixel(10 + 22, 10 + 15), ColorToRGB(clBlue));

    Events.clear();
    Images->Clear();
    Press(OnButton(20, 10));
    EXPECT_EQ(Pictures->PopupWindow(), nullptr);
    EXPECT_FALSE(AButton->MenuTracked());
    EXPECT_FALSE(AButton->Down());
    // The release then finds the button idle: an ordinary release without a click.
    EXPECT_EQ(Events, (std::vector<std::string>{"show", "hide", "up"}));
    delete AButton;
  };
  {
    SCOPED_TRACE("menu speed button");
    Check(NewPictureMenuButton<TspSkinMenuSpeedButton>());
  }
  FillImages();
  Pictures->ItemIndex = -1;
  Events.clear();
  {
    SCOPED_TRACE("menu button");
    Check(NewPictureMenuButton<TspSkinMenuButton>());
  }
}

// With both menus set both open, one after the other, each announced.
TEST_F(SkinMenuButtonPictureMenuTest, WithBothMenusBothOpenAndEachIsAnnounced) {
  auto* Button = NewPictureMenuButton<TspSkinMenuSpeedButton>();
  Button->SetSkinPopupMenu(Menu.get());
  ShowHost();
  Press(OnButton(20, 10));
  EXPECT_TRUE(MenuShows());
  EXPECT_NE(Pictures->PopupWindow(), nullptr);
  EXPECT_EQ(Events, (std::vector<std::string>{"show", "show"}));
  // A freed picture menu is forgotten.
  Pictures.reset();
  EXPECT_EQ(Button->SkinImagesMenu(), nullptr);
}

// ---------------------------------------------------------------- skin looks

// A small skin in solid colours, so that each pixel tells which picture it came from:
// the state pictures normal, hot, pressed, the pressed picture's drop-down part, and
// four 5 × 3 markers whose top-left pixel is the transparent colour.
namespace looks {
constexpr COLORREF Normal = RGB(200, 0, 0), Hot = RGB(0, 200, 0), Pressed = RGB(0, 0, 200),
                   PressedTrack = RGB(0, 0, 100), MarkerNormal = RGB(250, 250, 0),
                   MarkerHot = RGB(0, 250, 250), MarkerDown = RGB(250, 120, 0), MarkerFlat = RGB(120, 0, 120),
                   Key = RGB(255, 0, 255), White = RGB(255, 255, 255);
}  // namespace looks

class SkinMenuButtonLooksTest : public SkinMenuButtonsTest {
 protected:
  void SetUp() override {
    SkinMenuButtonsTest::SetUp();
    Picture = AddPicture(60, 13, [](int AX, int AY) -> TColor {
      if (AY < 10)
        return AX < 20   ? looks::Normal
               : AX < 40 ? looks::Hot
               : AX < 54 ? looks::Pressed
                         : looks::PressedTrack;
      const int Marker = AX / 5;
      if (AX % 5 == 0 && AY == 10) return looks::Key;
      const COLORREF Colors[] = {looks::MarkerNormal, looks::MarkerHot, looks::MarkerDown, looks::MarkerFlat};
      return Marker < 4 ? Colors[Marker] : looks::White;
    });
    Host().SetColor(clWhite);
  }
  // The marker pictures, and the state pictures (10 × 10 of normal, hot and pressed).
  template <class TRecord>
  TRecord& AddButtonElement(const String& AName) {
    auto& Element = AddElement<TRecord>(AName);
    Element.PictureIndex = Picture;
    Element.MaskPictureIndex = -1;
    Element.SkinRect = Rect(0, 0, 10, 10);
    Element.ActiveSkinRect = Rect(20, 0, 30, 10);
    Element.DownSkinRect = Rect(40, 0, 50, 10);
    Element.LTPoint = {2, 2};
    Element.RTPoint = {8, 2};
    Element.LBPoint = {2, 8};
    Element.RBPoint = {8, 8};
    Element.ClRect = Rect(2, 2, 8, 8);
    Element.MenuMarkerRect = Rect(0, 10, 5, 13);
    Element.MenuMarkerActiveRect = Rect(5, 10, 10, 13);
    Element.MenuMarkerDownRect = Rect(10, 10, 15, 13);
    Element.MenuMarkerFlatRect = Rect(15, 10, 20, 13);
    Element.MenuMarkerTransparentColor = looks::Key;
    return Element;
  }
  // A menu element 20 × 10 that widens (fixed ends), its drop-down part the right six
  // pixels: a 60-pixel button has it at x 54 to 60.
  TspDataSkinMenuButtonControl& AddMenuButtonElement() {
    auto& Element = AddButtonElement<TspDataSkinMenuButtonControl>("toolmenubutton");
    Element.SkinRect = Rect(0, 0, 20, 10);
    Element.ActiveSkinRect = Rect(20, 0, 40, 10);
    Element.DownSkinRect = Rect(40, 0, 60, 10);
    Element.LTPoint = {4, 0};
    Element.RTPoint = {16, 0};
    Element.LBPoint = {};
    Element.RBPoint = {};
    Element.ClRect = Rect(4, 0, 14, 10);
    Element.TrackButtonRect = Rect(14, 0, 20, 10);
    return Element;
  }
  template <class TButton>
  TButton* NewSkinnedMenuButton(const String& AElement) {
    auto* Button = NewMenuButton<TButton>();
    Button->SetSkinDataName(AElement);
    Button->SetTrackButtonMode(true);
    Button->SetSkinData(&Skin());
    return Button;
  }
  // Pixels of the button at (10, 10) of the host.
  COLORREF At(int AX, int AY) { return HostPixel(10 + AX, 10 + AY); }

  int Picture = -1;
};

// A tool-button element in track mode: the main part and the 15-pixel column each
// scaled from the picture of the state, the marker picture centred in the column
// (x 50, y 14 of a 60 × 30 button; its top-left pixel left out). The push button sinks
// its marker by two pixels while the menu shows; the speed button keeps it in place.
TEST_F(SkinMenuButtonLooksTest, AToolButtonElementComposesItsColumnAndMarkerByState) {
  AddButtonElement<TspDataSkinButtonControl>("toolbutton");
  struct TState {
    const char* Name;
    std::function<void()> Enter;
    COLORREF Main, Column, Marker;
  };
  const TState States[] = {
      {"normal", [] {}, looks::Normal, looks::Normal, looks::MarkerNormal},
      {"hot", [] { InjectPointerMove(OnButton(20, 15)); }, looks::Hot, looks::Hot, looks::MarkerHot},
      {"menu open", [this] { Press(OnButton(52, 5)); }, looks::Hot, looks::Pressed, looks::MarkerDown},
  };
  auto Check = [&](auto* AButton, int AMarkerShift) {
    // Only the pointer makes it hot (a focused push button would stay hot).
    if constexpr (std::is_same_v<decltype(AButton), TspSkinMenuButton*>) AButton->SetCanFocused(false);
    ShowHost();
    for (const TState& State : States) {
      SCOPED_TRACE(State.Name);
      State.Enter();
      Pump();
      EXPECT_EQ(At(20, 15), State.Main);
      EXPECT_EQ(At(46, 2), State.Column);
      const int Shift = State.Column == looks::Pressed ? AMarkerShift : 0;
      EXPECT_EQ(At(50 + Shift, 14 + Shift), State.Column);
      EXPECT_EQ(At(51 + Shift, 15 + Shift), State.Marker);
      EXPECT_EQ(At(54 + Shift, 16 + Shift), State.Marker);
    }
    EXPECT_TRUE(MenuShows());
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(AButton->MenuTracked());
    InjectPointerMove(OnButton(20, 100));
    Pump();
    EXPECT_EQ(At(46, 2), looks::Normal);
    delete AButton;
  };
  {
    SCOPED_TRACE("menu speed button");
    Check(NewSkinnedMenuButton<TspSkinMenuSpeedButton>("toolbutton"), 0);
  }
  {
    SCOPED_TRACE("menu button");
    Check(NewSkinnedMenuButton<TspSkinMenuButton>("toolbutton"), 2);
  }
}

// A menu element draws its own pictures; while its menu shows the button is hot with
// the element's drop-down part cut from the pressed picture (x 54 to 60 here).
TEST_F(SkinMenuButtonLooksTest, AMenuElementShowsItsPressedDropDownPartWhileTheMenuShows) {
  AddMenuButtonElement();
  auto Check = [&](auto* AButton) {
    AButton->SetBounds(10, 10, 60, 30);
    ShowHost();
    EXPECT_EQ(AButton->Height(), 10);
    EXPECT_EQ(At(30, 5), looks::Normal);
    EXPECT_EQ(At(57, 5), looks::Normal);
    Press(OnButton(56, 5));
    ASSERT_TRUE(MenuShows());
    EXPECT_EQ(At(30, 5), looks::Hot);
    EXPECT_EQ(At(53, 5), looks::Hot);
    EXPECT_EQ(At(54, 5), looks::PressedTrack);
    EXPECT_EQ(At(59, 9), looks::PressedTrack);
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    delete AButton;
  };
  {
    SCOPED_TRACE("menu speed button");
    Check(NewSkinnedMenuButton<TspSkinMenuSpeedButton>("toolmenubutton"));
  }
  {
    SCOPED_TRACE("menu button");
    Check(NewSkinnedMenuButton<TspSkinMenuButton>("toolmenubutton"));
  }
}

// A flat menu speed button that is only hovered keeps its flat look: the parent under
// it and the flat marker right of the element's client area (x 54 to 60 of the
// widened element, so the marker at x 55, y 4); with its menu open it shows its state
// picture, widened with its fixed ends.
TEST_F(SkinMenuButtonLooksTest, AFlatMenuSpeedButtonShowsOnlyItsFlatMarkerUntilItsMenuOpens) {
  AddMenuButtonElement();
  auto* Button = NewSkinnedMenuButton<TspSkinMenuSpeedButton>("toolmenubutton");
  Button->SetTrackButtonMode(false);
  Button->SetFlat(true);
  Button->SetBounds(10, 10, 60, 30);
  ShowHost();
  for (const bool Hovered : {false, true}) {
    SCOPED_TRACE(Hovered ? "hovered" : "away");
    if (Hovered) InjectPointerMove(OnButton(20, 5));
    Pump();
    EXPECT_EQ(At(20, 5), looks::White);
    EXPECT_EQ(At(55, 4), looks::White);
    EXPECT_EQ(At(56, 4), looks::MarkerFlat);
    EXPECT_EQ(At(59, 6), looks::MarkerFlat);
  }
  Press(OnButton(20, 5));
  ASSERT_TRUE(MenuShows());
  EXPECT_EQ(At(20, 5), looks::Pressed);
  EXPECT_EQ(At(56, 5), looks::PressedTrack);
}

// A button built in code with the standard arrow (as a list button of a tabs bar):
// 15 pixels wide, it shows only its arrow in its font colour, no marker picture and no
// content; a direction outside 1 to 4 draws nothing.
TEST_F(SkinMenuButtonLooksTest, AStandardArrowTakesTheMarkersPlaceInTheToolButtonLooks) {
  auto& Element = AddButtonElement<TspDataSkinButtonControl>("resizetoolbutton");
  constexpr COLORREF Ink = RGB(1, 2, 3);
  Element.FontColor = Ink;
  struct TArrowCase {
    const char* Name;
    int ArrowType;
    bool Drawn;
  };
  const TArrowCase Cases[] = {{"down", 4, true}, {"left", 1, true}, {"none", 0, false}};
  for (const TArrowCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    auto* Button = NewSkinnedMenuButton<TspSkinMenuSpeedButton>("resizetoolbutton");
    Button->SetCaption("Tabs");
    Button->DrawStandardArrow = true;
    Button->ArrowType = Case.ArrowType;
    Button->SetBounds(10, 10, 15, 20);
    ShowHost();
    int InkPixels = 0, Others = 0;
    for (int Y = 0; Y < 20; ++Y)
      for (int X = 0; X < 15; ++X) {
        const COLORREF Pixel = At(X, Y);
        if (Pixel == Ink)
          ++InkPixels;
        else if (Pixel != looks::Normal)
          ++Others;
      }
    EXPECT_EQ(InkPixels > 0, Case.Drawn);
    // Neither the marker picture nor the caption.
    EXPECT_EQ(Others, 0);
    delete Button;
  }
}

// The new style draws the skin's "resizetoolbutton" record; with the pointer over a
// button in track mode its strip (the bottom 15 pixels here) shows the strip element
// "htracktoolbutton" when the skin has one, else the main element again; the marker
// is centred in the strip.
TEST_F(SkinMenuButtonLooksTest, TheNewStyleDrawsItsStripFromTheStripElement) {
  AddButtonElement<TspDataSkinButtonControl>("resizetoolbutton");
  const int StripPicture = AddPicture(30, 10, [](int AX, int) -> TColor {
    return AX < 10 ? RGB(90, 90, 90) : AX < 20 ? RGB(60, 60, 60) : RGB(30, 30, 30);
  });
  struct TStripCase {
    const char* Name;
    bool StripElement;
    COLORREF HotStrip, OpenStrip;
  };
  // The strip element comes into the skin for the second case.
  const TStripCase Cases[] = {
      {"main element again", false, looks::Hot, looks::Pressed},
      {"strip element", true, RGB(60, 60, 60), RGB(30, 30, 30)},
  };
  for (const TStripCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    if (Case.StripElement) {
      auto& Strip = AddElement<TspDataSkinButtonControl>("htracktoolbutton");
      Strip.PictureIndex = StripPicture;
      Strip.SkinRect = Rect(0, 0, 10, 10);
      Strip.ActiveSkinRect = Rect(10, 0, 20, 10);
      Strip.DownSkinRect = Rect(20, 0, 30, 10);
      Strip.LTPoint = {2, 2};
      Strip.RTPoint = {8, 2};
      Strip.LBPoint = {2, 8};
      Strip.RBPoint = {8, 8};
      Strip.ClRect = Rect(2, 2, 8, 8);
    }
    Events.clear();
    auto* Button = NewSkinnedMenuButton<TspSkinMenuSpeedButton>("resizetoolbutton");
    Button->SetNewStyle(true);
    Button->SetTrackPosition(sptpBottom);
    Button->SetBounds(10, 10, 60, 40);
    ShowHost();
    EXPECT_EQ(At(30, 10), looks::Normal);
    EXPECT_EQ(At(30, 30), looks::Normal);
    InjectPointerMove(OnButton(30, 10));
    Pump();
    EXPECT_EQ(At(30, 10), looks::Hot);
    EXPECT_EQ(At(5, 30), Case.HotStrip);
    // The hot marker centred in the strip (0, 25, 60, 40): at x 28, y 31.
    EXPECT_EQ(At(29, 32), looks::MarkerHot);
    Press(OnButton(30, 30));
    ASSERT_TRUE(MenuShows());
    EXPECT_EQ(At(30, 10), looks::Hot);
    EXPECT_EQ(At(5, 30), Case.OpenStrip);
    InjectKeyStroke(VK_ESCAPE);
    Pump();
    delete Button;
  }
}

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

// The old-style built-in look moves the picture one pixel right and down while the
// button is pressed under the pointer; the new style does not.
TEST_F(SkinMenuButtonsTest, TheOldBuiltInLookMovesItsPictureWhilePressed) {
  auto* Images = new TImageList(&Host());
  Images->SetSize(8, 8);
  AddFilledImage(*Images, clRed);
  for (bool NewStyle : {false, true}) {
    SCOPED_TRACE(NewStyle);
    TspSkinMenuSpeedButton* Button = NewMenuButton();
    Button->SetSkinPopupMenu(nullptr);
    Button->SetImageList(Images);
    Button->SetNewStyle(NewStyle);
    ShowHost();
    const TPoint Up = FirstRedPixel();
    InjectPointerMove(OnButton(5, 5));
    InjectPointerPress(OnButton(5, 5));
    Pump();
    ASSERT_TRUE(Button->Down());
    const TPoint Pressed = FirstRedPixel();
    InjectPointerRelease(OnButton(5, 5));
    Pump();
    ASSERT_NE(Up.X, -1);
    EXPECT_EQ(Pressed, (NewStyle ? Up : TPoint{Up.X + 1, Up.Y + 1}));
    delete Button;
  }
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
