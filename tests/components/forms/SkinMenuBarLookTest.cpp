// The main menu bar's skin looks, read pixel by pixel from a skin built in the test
// whose every picture is one flat colour: the bar's picture fitted to its width, the
// items' normal, hot and pressed pictures, the cross-fade between the first two and the
// frame strip on the bar's timers driven by the virtual clock, tool-bar mode, and the
// 50 ms watch of the pointer.

#include <gtest/gtest.h>

#include <memory>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "platform/win/Capture.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_menu_bar_look_test {
namespace {

using skin_form_test::SkinFormTest;

// The bar picture: 4-pixel ends around a middle, 20 high.
constexpr TColor BarEnd = RGB(10, 20, 30);
constexpr TColor BarMiddle = RGB(40, 50, 60);
constexpr TRect BarRect{0, 0, 40, 20};
// The item pictures, each 30 x 20, and three animation frames of 30 x 20 side by side.
constexpr TColor ItemNormal = RGB(200, 0, 0);
constexpr TColor ItemHot = RGB(0, 200, 0);
constexpr TColor ItemDown = RGB(0, 0, 200);
constexpr TRect NormalRect{0, 20, 30, 40};
constexpr TRect HotRect{30, 20, 60, 40};
constexpr TRect DownRect{60, 20, 90, 40};
constexpr TColor Frames[] = {RGB(100, 0, 0), RGB(0, 100, 0), RGB(0, 0, 100)};
constexpr TRect StripRect{0, 40, 90, 60};
// Tool-bar mode: the panel and the tool button's three looks.
constexpr TColor PanelFace = RGB(90, 90, 20);
constexpr TColor ToolNormal = RGB(20, 90, 90);
constexpr TColor ToolHot = RGB(90, 20, 90);
constexpr TColor ToolDown = RGB(70, 70, 70);

TColor FixturePixel(int AX, int AY) {
  if (PtInRect(BarRect, TPoint{AX, AY})) return AX < 4 || AX >= 36 ? BarEnd : BarMiddle;
  if (PtInRect(NormalRect, TPoint{AX, AY})) return ItemNormal;
  if (PtInRect(HotRect, TPoint{AX, AY})) return ItemHot;
  if (PtInRect(DownRect, TPoint{AX, AY})) return ItemDown;
  if (PtInRect(StripRect, TPoint{AX, AY})) return Frames[AX / 30];
  if (AY >= 60 && AX < 20) return PanelFace;
  if (AY >= 60 && AX < 40) return ToolNormal;
  if (AY >= 60 && AX < 60) return ToolHot;
  return ToolDown;
}

// A loaded-looking skin with the bar element, its item object and the tool-bar
// elements; the item neither morphs nor animates until a test says so.
std::unique_ptr<TspSkinData> MakeBarSkin() {
  auto Skin = std::make_unique<TspSkinData>(nullptr);
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(90, 80);
  for (int Y = 0; Y < 80; ++Y)
    for (int X = 0; X < 90; ++X) Picture->Canvas().SetPixels(X, Y, FixturePixel(X, Y));
  TspSkinEditor(*Skin).AddPicture(std::move(Picture));

  auto Bar = std::make_unique<TspDataSkinMainMenuBar>("mainmenubar");
  Bar->PictureIndex = 0;
  Bar->SkinRect = BarRect;
  Bar->ItemsRect = Rect(4, 0, 36, 20);
  Bar->MenuBarItem = "baritem";
  Bar->TrackMarkColor = clBlack;
  Bar->TrackMarkActiveColor = clWhite;
  TspSkinEditor(*Skin).AddControl(std::move(Bar));

  auto Item = std::make_unique<TspDataSkinMainMenuBarItem>("baritem");
  Item->ActivePictureIndex = 0;
  Item->SkinRect = NormalRect;
  Item->ActiveSkinRect = HotRect;
  Item->DownRect = DownRect;
  Item->TextRct = Rect(3, 0, 27, 20);
  Item->ItemLO = Item->ItemRO = 3;
  Item->FontName = "Arial";
  Item->FontHeight = 12;
  Item->FontColor = clBlack;
  Item->ActiveFontColor = clWhite;
  Item->DownFontColor = clYellow;
  Item->UnEnabledFontColor = clGray;
  Item->MorphKind = mkDefault;
  TspSkinEditor(*Skin).AddObject(std::move(Item));

  // Nine-part elements whose corners and edges are all of one colour.
  auto NinePart = [](TspDataSkinCustomControl& AElement, TRect ASkinRect) {
    AElement.PictureIndex = 0;
    AElement.SkinRect = ASkinRect;
    AElement.LTPoint = {2, 2};
    AElement.RTPoint = {18, 2};
    AElement.LBPoint = {2, 18};
    AElement.RBPoint = {18, 18};
    AElement.ClRect = Rect(2, 2, 18, 18);
  };
  auto Panel = std::make_unique<TspDataSkinPanelControl>("resizetoolpanel");
  NinePart(*Panel, Rect(0, 60, 20, 80));
  TspSkinEditor(*Skin).AddControl(std::move(Panel));
  auto Tool = std::make_unique<TspDataSkinButtonControl>("resizetoolbutton");
  NinePart(*Tool, Rect(20, 60, 40, 80));
  Tool->ActiveSkinRect = Rect(40, 60, 60, 80);
  Tool->DownSkinRect = Rect(60, 60, 80, 80);
  Tool->FontName = "Arial";
  Tool->FontHeight = 12;
  TspSkinEditor(*Skin).AddControl(std::move(Tool));
  Skin->Empty = false;
  return Skin;
}

class SkinMenuBarLookTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeBarSkin();
    SkinForm = NewSkinnedForm(TRect{100, 100, 500, 300}, nullptr);
    Form = static_cast<TForm*>(SkinForm->Form());
    Menu = new TspSkinMainMenu(Form);
    for (const char* Caption : {"&File", "&Edit", "&Help"}) {
      auto* Top = new TMenuItem(Form);
      Top->SetCaption(Caption);
      auto* Sub = new TMenuItem(Form);
      Sub->SetCaption("Sub");
      Top->Add(Sub);
      Menu->Items()->Add(Top);
    }
    Bar = new TspSkinMainMenuBar(Form);
    Bar->SetParent(Form);
    Bar->SetSkinForm(SkinForm);
    Bar->SetMainMenu(Menu);
  }
  void TearDown() override {
    Skin.reset();
    SkinFormTest::TearDown();
  }

  // Binds the bar to the skin once the test has set the records up.
  void Bind() {
    Bar->SetSkinData(Skin.get());
    Settle();
  }
  void Settle() {
    Bar->Invalidate();
    Application->ProcessMessages();
  }
  void Tick(uint32_t AMilliseconds = 25) {
    HeadlessBackend()->AdvanceClock(AMilliseconds);
    Application->ProcessMessages();
  }
  TspDataSkinMainMenuItem& ItemRecord() { return *TspSkinEditor(*Skin).Object<TspDataSkinMainMenuItem>(0); }
  // The presented colour of a point of the bar's client area.
  TColor BarPixel(int AX, int AY) {
    const TPoint OnScreen = Bar->ClientToScreen(TPoint{AX, AY});
    RECT Window{};
    GetWindowRect(Form->Handle(), &Window);
    return TColor(PresentedPixel(Form->Handle(), OnScreen.X - Window.Left, OnScreen.Y - Window.Top));
  }
  // A pixel of the item's left end, where no text is drawn.
  TColor ItemPixel(int AIndex) {
    const TRect R = Bar->Item(AIndex).ObjectRect;
    return BarPixel(R.Left + 1, R.Top + 2);
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* SkinForm = nullptr;
  TForm* Form = nullptr;
  TspSkinMainMenu* Menu = nullptr;
  TspSkinMainMenuBar* Bar = nullptr;
};

TEST_F(SkinMenuBarLookTest, TheBarAndItsItemsWearTheSkinsPictures) {
  Bind();
  ASSERT_TRUE(Bar->SkinSupport());
  ASSERT_TRUE(Bar->Item(0).SkinSupport());
  EXPECT_EQ(Bar->Height(), 20);
  // The bar's ends stay 4 pixels wide at any width; its middle fills the rest.
  const int W = Bar->Width();
  EXPECT_EQ(BarPixel(1, 10), BarEnd);
  EXPECT_EQ(BarPixel(W - 2, 10), BarEnd);
  EXPECT_EQ(BarPixel(W - 10, 10), BarMiddle);
  // Items start at the items area and follow each other; each is its picture's width
  // less the text area's plus its caption's.
  EXPECT_EQ(Bar->Item(0).ObjectRect.Left, 4);
  EXPECT_EQ(Bar->Item(1).ObjectRect.Left, Bar->Item(0).ObjectRect.Right);
  EXPECT_EQ(Bar->Item(0).ObjectRect.Height(), 20);
  EXPECT_GT(Bar->Item(0).ObjectRect.Width(), 30 - 24 + 2);
  EXPECT_EQ(ItemPixel(0), ItemNormal);
  // Without a cross-fade the hot and the pressed looks show at once.
  Bar->Item(1).MouseEnter();
  Settle();
  EXPECT_EQ(ItemPixel(1), ItemHot);
  EXPECT_EQ(ItemPixel(0), ItemNormal);
  Bar->Item(1).MouseDown(mbLeft);
  Settle();
  EXPECT_TRUE(Bar->Item(1).Down);
  EXPECT_EQ(ItemPixel(1), ItemDown);
  SkinForm->SkinMenu().Hide();
  Settle();
  EXPECT_EQ(ItemPixel(1), ItemNormal);
}

TEST_F(SkinMenuBarLookTest, TheHotLookFadesInAndOutInFiveMorphSteps) {
  ItemRecord().Morphing = true;
  Bind();
  Bar->Item(0).MouseEnter();
  EXPECT_TRUE(Bar->MorphTimer().Enabled());
  Settle();
  EXPECT_EQ(ItemPixel(0), ItemNormal);
  std::vector<TColor> Steps;
  for (int I = 0; I < 5; ++I) {
    Tick();
    Steps.push_back(ItemPixel(0));
  }
  EXPECT_EQ(Steps.back(), ItemHot);
  for (size_t I = 0; I + 1 < Steps.size(); ++I) {
    SCOPED_TRACE(I);
    // Red falls and green rises, step by step.
    EXPECT_GT(GetRValue(Steps[I]), GetRValue(Steps[I + 1]));
    EXPECT_LT(GetGValue(Steps[I]), GetGValue(Steps[I + 1]));
  }
  Tick();
  EXPECT_FALSE(Bar->MorphTimer().Enabled());
  // Leaving fades back, step by step too.
  Bar->Item(0).MouseLeave();
  Tick();
  const TColor FirstStepBack = ItemPixel(0);
  EXPECT_NE(FirstStepBack, ItemHot);
  EXPECT_NE(FirstStepBack, ItemNormal);
  for (int I = 0; I < 5; ++I) Tick();
  EXPECT_EQ(ItemPixel(0), ItemNormal);
  EXPECT_FALSE(Bar->MorphTimer().Enabled());
  // With the skin's effects off the look changes at once.
  Skin->EnableSkinEffects = false;
  Bar->Item(0).MouseEnter();
  Settle();
  EXPECT_EQ(ItemPixel(0), ItemHot);
  EXPECT_FALSE(Bar->MorphTimer().Enabled());
}

TEST_F(SkinMenuBarLookTest, TheFrameStripPlaysAtTheItemsPaceAndEndsOnTheHotLook) {
  ItemRecord().AnimateSkinRect = StripRect;
  ItemRecord().FrameCount = 3;
  ItemRecord().AnimateInterval = 40;
  Bind();
  Bar->Item(2).MouseEnter();
  ASSERT_TRUE(Bar->AnimateTimer().Enabled());
  EXPECT_EQ(Bar->AnimateTimer().Interval(), 40u);
  for (TColor Frame : Frames) {
    Tick(40);
    EXPECT_EQ(ItemPixel(2), Frame);
  }
  Tick(40);
  EXPECT_EQ(ItemPixel(2), ItemHot);
  Tick(40);
  EXPECT_FALSE(Bar->AnimateTimer().Enabled());
  // Without InActiveAnimation leaving shows the normal look at once.
  Bar->Item(2).MouseLeave();
  Settle();
  EXPECT_EQ(ItemPixel(2), ItemNormal);
  EXPECT_EQ(Bar->Item(2).CurrentFrame, 0);
}

TEST_F(SkinMenuBarLookTest, InToolBarModeItemsAreToolButtonsOnTheToolPanel) {
  Bar->SetUseSkinSize(false);
  Bar->SetToolBarMode(true);
  Bind();
  Bar->SetBounds(0, 0, Bar->Width(), 30);
  Settle();
  ASSERT_EQ(Bar->Height(), 30);
  const int W = Bar->Width();
  EXPECT_EQ(BarPixel(W - 3, 15), PanelFace);
  EXPECT_EQ(Bar->Item(0).ObjectRect.Height(), 30);
  EXPECT_EQ(ItemPixel(0), ToolNormal);
  Bar->Item(0).MouseEnter();
  Settle();
  EXPECT_EQ(ItemPixel(0), ToolHot);
  Bar->Item(0).MouseDown(mbLeft);
  Settle();
  EXPECT_EQ(ItemPixel(0), ToolDown);
  SkinForm->SkinMenu().Hide();
  // Transparent items show the panel in their normal look only.
  Bar->SetToolBarModeItemTransparent(true);
  Bar->Item(1).MouseEnter();
  Settle();
  EXPECT_EQ(ItemPixel(0), PanelFace);
  EXPECT_EQ(ItemPixel(1), ToolHot);
}

TEST_F(SkinMenuBarLookTest, TransparentItemsAndATransparentBar) {
  auto& BarRecord = *TspSkinEditor(*Skin).Control<TspDataSkinMainMenuBar>(0);
  BarRecord.ItemTransparent = true;
  Bind();
  EXPECT_EQ(ItemPixel(0), BarMiddle);
  Bar->Item(0).MouseEnter();
  Settle();
  EXPECT_EQ(ItemPixel(0), ItemHot);
  // A transparent bar shows the form behind it (as the form shows below the bar); a
  // transparent item shows that too.
  Skin->MainMenuBarTransparent = true;
  Bar->Item(0).MouseLeave();
  Settle();
  const TColor FormBackground = BarPixel(Bar->Width() - 2, Bar->Height() + 5);
  ASSERT_NE(FormBackground, BarEnd);
  EXPECT_EQ(BarPixel(Bar->Width() - 2, 10), FormBackground);
  EXPECT_EQ(ItemPixel(0), FormBackground);
}

// The pointer leaving while another window holds the mouse, so that the bar hears
// nothing of it: the 50 ms watch notices, makes the item cold and stops.
TEST_F(SkinMenuBarLookTest, TheHoverWatchFollowsThePointerOffTheBar) {
  Bind();
  const TRect R = Bar->Item(1).ObjectRect;
  InjectPointerMove(Bar->ClientToScreen(TPoint{R.Left + 2, R.Top + 2}));
  Application->ProcessMessages();
  ASSERT_TRUE(Bar->Item(1).Active);
  ASSERT_TRUE(Bar->MouseTimer().Enabled());
  SetCapture(Form->Handle());
  Tick(50);
  InjectPointerMove(Bar->ClientToScreen(TPoint{R.Left + 2, 100}));
  Application->ProcessMessages();
  EXPECT_TRUE(Bar->Item(1).Active);
  Tick(49);
  EXPECT_TRUE(Bar->Item(1).Active);
  Tick(1);
  EXPECT_FALSE(Bar->Item(1).Active);
  EXPECT_FALSE(Bar->MouseTimer().Enabled());
  EXPECT_EQ(ItemPixel(1), ItemNormal);
  ReleaseCapture();
}

// A new skin makes the items again with its looks; without the element the built-in
// look comes back.
TEST_F(SkinMenuBarLookTest, ASkinChangeRebuildsTheItemsLooks) {
  Bind();
  ASSERT_EQ(ItemPixel(0), ItemNormal);
  Bar->BeforeChangeSkinData();
  EXPECT_EQ(Bar->ItemCount(), 0);
  TspSkinEditor(*Skin).Control(0)->IDName = "another";
  Bar->ChangeSkinData();
  Settle();
  ASSERT_EQ(Bar->ItemCount(), 3);
  EXPECT_FALSE(Bar->SkinSupport());
  EXPECT_FALSE(Bar->Item(0).SkinSupport());
  EXPECT_EQ(Bar->Height(), 22);
  EXPECT_EQ(ItemPixel(0), ColorToRGB(clBtnFace));
}

// Without a skin: a flat face, the hot and the pressed item framed in navy, whichever
// item comes after the first.
TEST_F(SkinMenuBarLookTest, WithoutASkinTheBuiltInLookFramesTheHotAndThePressedItem) {
  Settle();
  ASSERT_FALSE(Bar->SkinSupport());
  const TColor Face = ColorToRGB(clBtnFace);
  EXPECT_EQ(BarPixel(Bar->Width() - 3, 10), Face);
  Bar->Item(2).MouseEnter();
  Settle();
  const TRect Hot = Bar->Item(2).ObjectRect;
  EXPECT_EQ(BarPixel(Hot.Left, Hot.Top), RGB(0, 0, 128));
  EXPECT_EQ(BarPixel(Hot.Left + 2, Hot.Top + 2), RGB(182, 189, 210));
  EXPECT_EQ(ItemPixel(0), Face);
  Bar->Item(1).MouseEnter();
  Bar->Item(1).MouseDown(mbLeft);
  Settle();
  const TRect Down = Bar->Item(1).ObjectRect;
  EXPECT_EQ(BarPixel(Down.Left, Down.Top), RGB(0, 0, 128));
  EXPECT_EQ(BarPixel(Down.Left + 2, Down.Top + 2), RGB(133, 147, 181));
  EXPECT_EQ(BarPixel(Hot.Left + 2, Hot.Top + 2), Face);
  SkinForm->SkinMenu().Hide();
}

// A menu item with a picture shows it at its left, centred on the item, and is wider
// by the picture and a gap of 5; in both looks.
TEST_F(SkinMenuBarLookTest, AnItemsPictureStandsBeforeItsCaption) {
  TBitmap Picture;
  Picture.SetPixelFormat(pf24bit);
  Picture.SetSize(8, 8);
  Picture.Canvas().Brush().SetColor(RGB(255, 0, 255));
  Picture.Canvas().FillRect(Rect(0, 0, 8, 8));
  for (const bool Skinned : {false, true}) {
    SCOPED_TRACE(Skinned ? "skin" : "built-in");
    if (Skinned) Bind();
    Menu->Items()->Items(0)->Bitmap().Assign(TBitmap());
    Settle();
    const int Plain = Bar->Item(0).ObjectRect.Width();
    Menu->Items()->Items(0)->SetBitmap(Picture);
    Settle();
    const TRect R = Bar->Item(0).ObjectRect;
    EXPECT_EQ(R.Width(), Plain + 8 + 5);
    const int PictureLeft = R.Left + (Skinned ? 3 : 0) + 2;
    const int PictureTop = R.Top + R.Height() / 2 - 4;
    EXPECT_EQ(BarPixel(PictureLeft, PictureTop), RGB(255, 0, 255));
    EXPECT_EQ(BarPixel(PictureLeft + 7, PictureTop + 7), RGB(255, 0, 255));
    EXPECT_NE(BarPixel(PictureLeft - 1, PictureTop), RGB(255, 0, 255));
  }
}

// With InActiveAnimation an item plays its strip back when it goes cold; without
// UseSkinSize the bar and the items take the bar's height, the ends kept.
TEST_F(SkinMenuBarLookTest, TheStripPlaysBackAndPicturesStretchToTheBarsHeight) {
  ItemRecord().AnimateSkinRect = StripRect;
  ItemRecord().FrameCount = 3;
  ItemRecord().InActiveAnimation = true;
  Bar->SetUseSkinSize(false);
  Bind();
  Bar->SetBounds(0, 0, Bar->Width(), 40);
  Settle();
  ASSERT_EQ(Bar->Height(), 40);
  EXPECT_EQ(Bar->Item(0).ObjectRect.Height(), 40);
  EXPECT_EQ(BarPixel(1, 35), BarEnd);
  EXPECT_EQ(BarPixel(Bar->Width() - 10, 35), BarMiddle);
  EXPECT_EQ(BarPixel(Bar->Item(0).ObjectRect.Left + 1, 35), ItemNormal);
  Bar->Item(0).MouseEnter();
  for (int I = 0; I < 5; ++I) Tick();
  ASSERT_EQ(ItemPixel(0), ItemHot);
  Bar->Item(0).MouseLeave();
  std::vector<TColor> Back;
  for (int I = 0; I < 4; ++I) {
    Tick();
    Back.push_back(ItemPixel(0));
  }
  EXPECT_EQ(Back, (std::vector<TColor>{Frames[2], Frames[1], Frames[0], ItemNormal}));
}

// The program's own skin: a flat bar, the items' text on it, the selected one lifted.
TEST_F(SkinMenuBarLookTest, TheDefaultSkinsBarLooksAsInItsPicture) {
  const std::unique_ptr<TspSkinData> SkinNew = skin_form_test::LoadDefaultSkin();
  auto* Shown = NewSkinnedForm(TRect{100, 100, 420, 200}, SkinNew.get());
  auto* ShownForm = static_cast<TForm*>(Shown->Form());
  auto* ShownBar = new TspSkinMainMenuBar(ShownForm);
  ShownBar->SetParent(ShownForm);
  ShownBar->SetSkinForm(Shown);
  ShownBar->SetMainMenu(Menu);
  ShownBar->SetSkinData(SkinNew.get());
  ASSERT_TRUE(ShownBar->SkinSupport());
  ASSERT_TRUE(ShownBar->Item(0).SkinSupport());
  ShownBar->Item(1).MouseEnter();
  for (int I = 0; I < 6; ++I) Tick();
  EXPECT_TRUE(LooksAsInItsPicture(ShownForm->Handle(), "menu-bar-default-skin"));
  delete ShownForm;
}

}  // namespace
}  // namespace skin_menu_bar_look_test
