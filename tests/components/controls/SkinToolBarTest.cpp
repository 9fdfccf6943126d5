// The tool bar: the two non-client arrows that appear while the controls reach beyond
// the bar (hit codes 119 and 120), scrolling by a click, by a held arrow and by hovering
// on the bar's timers, the content pulled back when the bar widens, the centring of its
// controls, the captions switched together, the image lists its speed buttons draw
// from, and the looks of the arrows.

#include "components/controls/SkinBars.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinToolBarTest : public MoreControlsTest {
 protected:
  void SetUp() override {
    MoreControlsTest::SetUp();
    Host().SetBounds(100, 100, 400, 100);
    Bar = new TspSkinToolBar(&Host());
    Bar->CanScroll = true;
    Bar->SetParent(&Host());
  }
  // Three 50-pixel panels at x 0, 150 and 300: the content reaches x = 350.
  void FillBar() {
    for (const int Left : {0, 150, 300}) {
      auto* Part = new TPanel(Bar);
      Part->SetBounds(Left, 0, 50, 20);
      Part->SetParent(Bar);
      Parts.push_back(Part);
    }
    Bar->SetBounds(0, 0, 200, 30);
    ShowHost();
  }
  LRESULT HitAt(int AWindowX) {
    return SendMessage(Bar->Handle(), WM_NCHITTEST, 0, PointToLParam(OnHost(AWindowX, 15)));
  }
  // Screen points over the arrows of a bar 200 wide at the host's origin.
  TPoint OnLeftArrow() const { return OnHost(6, 15); }
  TPoint OnRightArrow() const { return OnHost(194, 15); }

  TspSkinToolBar* Bar = nullptr;
  std::vector<TPanel*> Parts;
};

TEST_F(SkinToolBarTest, ControlsReachingBeyondTheBarBringTheArrowsWithTheirHitCodes) {
  FillBar();
  ASSERT_TRUE(Bar->ArrowsVisible());
  EXPECT_EQ(Bar->ClientWidth(), 176);
  EXPECT_EQ(Bar->ArrowRect(0), Rect(0, 0, 12, 30));
  EXPECT_EQ(Bar->ArrowRect(1), Rect(188, 0, 200, 30));
  // Window x 12 is client x 0.
  EXPECT_EQ(HitAt(0), HTTOOLBARLEFTARROW);
  EXPECT_EQ(HitAt(11), HTTOOLBARLEFTARROW);
  EXPECT_EQ(HitAt(12), HTCLIENT);
  EXPECT_EQ(HitAt(187), HTCLIENT);
  EXPECT_EQ(HitAt(188), HTTOOLBARRIGHTARROW);
  EXPECT_EQ(HitAt(199), HTTOOLBARRIGHTARROW);
}

TEST_F(SkinToolBarTest, WithoutCanScrollOrWithEverythingInsideThereAreNoArrows) {
  Bar->CanScroll = false;
  FillBar();
  EXPECT_FALSE(Bar->ArrowsVisible());
  EXPECT_EQ(Bar->ClientWidth(), 200);
  Bar->CanScroll = true;
  Bar->SetWidth(360);
  EXPECT_FALSE(Bar->ArrowsVisible());
  EXPECT_EQ(HitAt(5), HTCLIENT);
}

// A click scrolls by the client width, clamped so that the content's end meets the
// bar's: 350 − 176 = 174.
TEST_F(SkinToolBarTest, AClickOnAnArrowScrollsOnceByTheClientWidthClampedAtTheEnds) {
  FillBar();
  InjectClick(OnRightArrow());
  Pump();
  EXPECT_EQ(Bar->ScrollPosition(), 174);
  EXPECT_EQ(Parts[0]->Left(), -174);
  EXPECT_EQ(Parts[2]->Left() + Parts[2]->Width(), 176);
  InjectClick(OnRightArrow());
  Pump();
  EXPECT_EQ(Bar->ScrollPosition(), 174);
  InjectClick(OnLeftArrow());
  Pump();
  EXPECT_EQ(Bar->ScrollPosition(), 0);
  EXPECT_EQ(Parts[0]->Left(), 0);
  EXPECT_EQ(Parts[2]->Left(), 300);
}

TEST_F(SkinToolBarTest, AHeldArrowScrollsOnEveryTickOfTheRepeatAndOnceMoreOnRelease) {
  Bar->SetScrollOffset(30);
  Bar->SetScrollOffset(-5);        // ignored
  Bar->SetScrollTimerInterval(0);  // ignored
  FillBar();
  InjectPointerMove(OnRightArrow());
  InjectPointerPress(OnRightArrow());
  Pump();
  EXPECT_EQ(Bar->ScrollPosition(), 0);
  std::vector<int> Positions;
  for (int Tick = 0; Tick < 3; ++Tick) {
    AdvanceClock(50);
    Positions.push_back(Bar->ScrollPosition());
  }
  InjectPointerRelease(OnRightArrow());
  Pump();
  Positions.push_back(Bar->ScrollPosition());
  EXPECT_EQ(Positions, (std::vector<int>{30, 60, 90, 120}));
  EXPECT_EQ(Parts[1]->Left(), 30);
  // Released, the arrow scrolls no more.
  AdvanceClock(500);
  EXPECT_EQ(Bar->ScrollPosition(), 120);
}

TEST_F(SkinToolBarTest, WithHotScrollHoveringScrollsToTheEndAndLeavingStops) {
  Bar->HotScroll = true;
  Bar->SetScrollOffset(50);
  Bar->SetScrollTimerInterval(40);
  FillBar();
  InjectPointerMove(OnRightArrow());
  Pump();
  std::vector<int> Positions;
  for (int Tick = 0; Tick < 5; ++Tick) {
    AdvanceClock(40);
    Positions.push_back(Bar->ScrollPosition());
  }
  EXPECT_EQ(Positions, (std::vector<int>{50, 100, 150, 174, 174}));
  InjectPointerMove(OnLeftArrow());
  Pump();
  AdvanceClock(40);
  EXPECT_EQ(Bar->ScrollPosition(), 124);
  // Into the client area: the hover and the scrolling end.
  InjectPointerMove(OnHost(100, 15));
  Pump();
  AdvanceClock(400);
  EXPECT_EQ(Bar->ScrollPosition(), 124);
}

TEST_F(SkinToolBarTest, TheLeaveWatchEndsTheHoverWhenThePointerLeavesTheBar) {
  Bar->HotScroll = true;
  Bar->SetScrollOffset(10);
  FillBar();
  InjectPointerMove(OnRightArrow());
  Pump();
  AdvanceClock(50);
  ASSERT_EQ(Bar->ScrollPosition(), 10);
  // Below the bar, on the host: no message reaches the bar, its 100 ms watch notices.
  InjectPointerMove(OnHost(194, 60));
  Pump();
  AdvanceClock(100);
  const int Reached = Bar->ScrollPosition();
  AdvanceClock(500);
  EXPECT_EQ(Bar->ScrollPosition(), Reached);
  EXPECT_LE(Reached, 30);
}

TEST_F(SkinToolBarTest, WideningAScrolledBarPullsTheContentBackAndAtFullWidthTheArrowsGo) {
  FillBar();
  InjectClick(OnRightArrow());
  Pump();
  ASSERT_EQ(Bar->ScrollPosition(), 174);
  Bar->SetWidth(300);
  EXPECT_EQ(Bar->ScrollPosition(), 74);
  EXPECT_EQ(Parts[0]->Left(), -74);
  EXPECT_TRUE(Bar->ArrowsVisible());
  Bar->SetWidth(400);
  EXPECT_FALSE(Bar->ArrowsVisible());
  EXPECT_EQ(Bar->ScrollPosition(), 0);
  EXPECT_EQ(Parts[0]->Left(), 0);
  EXPECT_EQ(Bar->ClientWidth(), 400);
  // Narrowed again the arrows come back, at offset 0.
  Bar->SetWidth(200);
  EXPECT_TRUE(Bar->ArrowsVisible());
  InjectClick(OnRightArrow());
  Pump();
  EXPECT_EQ(Bar->ScrollPosition(), 174);
  EXPECT_EQ(Parts[0]->Left(), -174);
}

TEST_F(SkinToolBarTest, ShowingCaptionsSwitchesTheButtonsAndTheBarsWidthTogether) {
  std::vector<TspSkinSpeedButton*> Buttons;
  for (const int Left : {0, 40}) {
    auto* Button = new TspSkinSpeedButton(Bar);
    Button->SetBounds(Left, 0, 40, 25);
    Button->SetShowCaption(false);
    Button->SetParent(Bar);
    Buttons.push_back(Button);
  }
  Bar->AutoShowHideCaptions = true;
  Bar->WidthWithCaptions = 300;
  Bar->WidthWithoutCaptions = 150;
  Bar->SetShowCaptions(true);
  EXPECT_EQ(Bar->Width(), 300);
  for (auto* Button : Buttons) EXPECT_TRUE(Button->ShowCaption());
  Bar->SetShowCaptions(false);
  EXPECT_EQ(Bar->Width(), 150);
  for (auto* Button : Buttons) EXPECT_FALSE(Button->ShowCaption());
}

// The skin's client area of the bar runs from y 8 to 38 in a bar 40 high: its middle
// is y 23, where every control's middle lands, skinned or not.
TEST_F(SkinToolBarTest, ControlsKeepCentredInTheSkinClientAreaOfTheBar) {
  const int Picture = AddPicture(20, 20, [](int, int) { return clSilver; });
  auto& Element = AddElement<TspDataSkinPanelControl>("toolpanel");
  Element.PictureIndex = Picture;
  Element.SkinRect = Rect(0, 0, 20, 20);
  Element.LTPoint = {4, 4};
  Element.RTPoint = {16, 4};
  Element.LBPoint = {4, 16};
  Element.RBPoint = {16, 16};
  Element.ClRect = Rect(2, 8, 18, 18);
  Bar->CanScroll = false;
  // Framed: the panel takes the element's client area for its children.
  Bar->SetBorderStyle(bvFrame);
  auto* Plain = new TPanel(Bar);
  Plain->SetBounds(0, 0, 30, 20);
  Plain->SetParent(Bar);
  auto* Button = new TspSkinSpeedButton(Bar);
  Button->SetBounds(40, 0, 25, 25);
  Button->SetParent(Bar);
  auto* Divider = new TspSkinBevel(Bar);
  Divider->SetBounds(70, 0, 2, 10);
  Divider->SetParent(Bar);
  ShowHost();
  Bar->SetSkinData(&Skin());
  EXPECT_EQ(Button->SkinData(), &Skin());
  EXPECT_EQ(Divider->SkinData(), &Skin());
  Bar->SetBounds(0, 0, 200, 40);
  EXPECT_EQ(Bar->GetSkinClientRect(), Rect(2, 8, 198, 38));
  EXPECT_EQ(Plain->Top(), 13);
  EXPECT_EQ(Button->Top(), 11);
  EXPECT_EQ(Divider->Top(), 18);
  // Placed anew, a control comes back to the middle.
  Button->SetTop(0);
  Divider->SetTop(30);
  EXPECT_EQ(Button->Top(), 11);
  EXPECT_EQ(Divider->Top(), 18);
  // Without AdjustControls the bar leaves its controls alone; the bevel still centres.
  Bar->AdjustControls = false;
  Button->SetTop(2);
  Divider->SetTop(30);
  EXPECT_EQ(Button->Top(), 2);
  EXPECT_EQ(Divider->Top(), 18);
}

// A speed button without glyph draws ImageIndex of the bar's lists: HotImages under the
// pointer, DisabledImages while disabled, Images otherwise.
TEST_F(SkinToolBarTest, SpeedButtonsDrawFromTheBarsImageLists) {
  auto MakeList = [this](TColor AColor) {
    auto* List = new TCustomImageList(&Host(), 16, 16);
    TBitmap Picture;
    Picture.SetSize(16, 16);
    Picture.Canvas().Brush().SetColor(AColor);
    Picture.Canvas().FillRect(Rect(0, 0, 16, 16));
    List->Add(Picture, nullptr);
    return List;
  };
  Bar->CanScroll = false;
  Bar->SetBounds(0, 0, 200, 30);
  auto* Button = new TspSkinSpeedButton(Bar);
  Button->SetBounds(10, 0, 30, 30);
  Button->SetParent(Bar);
  Bar->SetImages(MakeList(clRed));
  Bar->SetHotImages(MakeList(clLime));
  Bar->SetDisabledImages(MakeList(clBlue));
  ShowHost();
  EXPECT_EQ(HostPixel(25, 15), ColorToRGB(clRed));
  InjectPointerMove(OnHost(25, 15));
  Pump();
  EXPECT_EQ(HostPixel(25, 15), ColorToRGB(clLime));
  InjectPointerMove(OnHost(150, 60));
  Pump();
  Button->SetEnabled(false);
  Pump();
  EXPECT_EQ(HostPixel(25, 15), ColorToRGB(clBlue));
  // Without hot and disabled lists the plain one serves every state.
  delete Bar->HotImages();
  delete Bar->DisabledImages();
  Pump();
  EXPECT_EQ(Bar->HotImages(), nullptr);
  Button->SetEnabled(true);
  InjectPointerMove(OnHost(25, 15));
  Pump();
  EXPECT_EQ(HostPixel(25, 15), ColorToRGB(clRed));
}

TEST_F(SkinToolBarTest, TheBuiltInArrowsAreFramedAndFilledByTheirState) {
  FillBar();
  const std::vector<std::pair<TColor, char>> Legend = {{clBtnShadow, 's'},      {clBtnFace, '.'},
                                                       {clBtnText, 'x'},        {TColor(0x800000), 'n'},
                                                       {TColor(0xD2BDB6), 'h'}, {TColor(0xB59385), 'p'}};
  EXPECT_EQ(HostPicture(Rect(0, 10, 12, 21), Legend),
            "s..........s\n"
            "s..........s\n"
            "s......x...s\n"
            "s.....xx...s\n"
            "s....xxx...s\n"
            "s...xxxx...s\n"
            "s....xxx...s\n"
            "s.....xx...s\n"
            "s......x...s\n"
            "s..........s\n"
            "s..........s\n");
  InjectPointerMove(OnRightArrow());
  Pump();
  EXPECT_EQ(HostPixel(188, 0), 0x800000u);
  EXPECT_EQ(HostPixel(190, 2), 0xD2BDB6u);
  EXPECT_EQ(HostPixel(2, 2), ColorToRGB(clBtnFace));
  InjectPointerPress(OnRightArrow());
  Pump();
  EXPECT_EQ(HostPixel(190, 2), 0xB59385u);
  InjectPointerRelease(OnRightArrow());
  Pump();
  EXPECT_EQ(HostPixel(190, 2), 0xD2BDB6u);
}

// The default skin: a bar of flat tool buttons scrolled by its "resizebutton" arrows.
TEST_F(SkinToolBarTest, TheDefaultSkinDrawsTheBarItsButtonsAndItsArrows) {
  Host().SetColor(RGB(0xF4, 0xF5, 0xF7));
  const char* Captions[] = {"Add", "Convert", "Stop", "Play", "Snap", "Log", "Help"};
  int Left = 0;
  for (const char* Caption : Captions) {
    auto* Button = new TspSkinSpeedButton(Bar);
    Button->SetCaption(Caption);
    Button->UseSkinSize = false;
    Button->SetBounds(Left, 0, 56, 32);
    Button->SetParent(Bar);
    Left += 58;
  }
  Bar->SetFlat(true);
  Bar->SetBounds(10, 10, 300, 40);
  Bar->SetSkinData(&SkinNew());
  ShowHost();
  InjectPointerMove(OnHost(10 + 294, 30));
  Pump();
  EXPECT_TRUE(Bar->ArrowsVisible());
  for (int I = 0; I < Bar->ControlCount(); ++I) {
    auto* Button = dynamic_cast<TspSkinSpeedButton*>(Bar->Controls(I));
    EXPECT_TRUE(Button->Flat());
    EXPECT_EQ(Button->SkinData(), &SkinNew());
  }
  EXPECT_TRUE(HostLooksAsInItsPicture("toolbar-default-skin"));
}

}  // namespace
}  // namespace more_controls_test
