// The skinned up-down: the bounds and the position rule, a click stepping once on
// release, the held button repeating on the virtual clock, and the built-in look.

#include <gtest/gtest.h>

#include "components/controls/SkinUpDown.h"
#include "platform/win/Timers.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

class SkinUpDownTest : public SkinControlsTest {
 protected:
  // Horizontal, 40 × 20 at the host's top-left, without a skin: the left half steps
  // down, the right half up.
  template <class TUpDown = TspSkinUpDown>
  TUpDown* NewUpDown() {
    auto* UpDown = new TUpDown(&Host());
    UpDown->SetParent(&Host());
    UpDown->SetBounds(0, 0, 40, 20);
    UpDown->OnChange = [this, UpDown](TObject*) { Log.push_back("change " + IntToStr(UpDown->Position())); };
    UpDown->OnUpButtonClick = [this](TObject*) { Log.push_back("up"); };
    UpDown->OnDownButtonClick = [this](TObject*) { Log.push_back("down"); };
    return UpDown;
  }
  TPoint UpButton() { return {100 + 30, 100 + 10}; }
  TPoint DownButton() { return {100 + 10, 100 + 10}; }

  std::vector<String> Log;
};

TEST_F(SkinUpDownTest, PositionOutsideTheBoundsIsIgnoredAndBoundsMoveItSilently) {
  auto* UpDown = NewUpDown();
  UpDown->SetPosition(50);
  UpDown->SetPosition(50);
  UpDown->SetPosition(101);
  UpDown->SetPosition(-1);
  EXPECT_EQ(UpDown->Position(), 50);
  UpDown->SetMax(30);
  EXPECT_EQ(UpDown->Position(), 30);
  UpDown->SetMin(40);
  EXPECT_EQ(UpDown->Position(), 40);
  // Setting the same value raises OnChange again; the bounds raise nothing.
  EXPECT_EQ(Log, (std::vector<String>{"change 50", "change 50"}));
}

TEST_F(SkinUpDownTest, AClickStepsOnReleaseAndAStepPastMaxIsIgnoredWhole) {
  auto* UpDown = NewUpDown();
  UpDown->SetIncrement(5);
  UpDown->SetPosition(98);
  ShowHost();
  Log.clear();
  InjectPointerMove(UpButton());
  InjectPointerPress(UpButton());
  Pump();
  EXPECT_TRUE(UpDown->Button(0).Down);
  InjectPointerRelease(UpButton());
  Pump();
  EXPECT_EQ(UpDown->Position(), 98);
  InjectPointerPress(DownButton());
  InjectPointerRelease(DownButton());
  Pump();
  EXPECT_EQ(UpDown->Position(), 93);
  EXPECT_EQ(Log, (std::vector<String>{"up", "change 93", "down"}));
}

TEST_F(SkinUpDownTest, AHeldButtonRepeatsAfterTheFirstPauseThenEveryTenthOfASecond) {
  auto* UpDown = NewUpDown();
  ShowHost();
  InjectPointerMove(UpButton());
  InjectPointerPress(UpButton());
  Pump();
  const uint32_t Start = Win::GetTickCount();
  std::vector<std::pair<uint32_t, int>> Seen;
  int Last = UpDown->Position();
  for (int Step = 0; Step < 85; ++Step) {
    Headless().AdvanceClock(10);
    Pump();
    if (UpDown->Position() != Last) Seen.emplace_back(Win::GetTickCount() - Start, Last = UpDown->Position());
  }
  InjectPointerRelease(UpButton());
  Pump();
  // The 500 ms tick only switches to the 100 ms interval: steps at 600, 700 and 800
  // ms, then one more on release.
  EXPECT_EQ(Seen, (std::vector<std::pair<uint32_t, int>>{{600, 1}, {700, 2}, {800, 3}}));
  EXPECT_EQ(UpDown->Position(), 4);
}

TEST_F(SkinUpDownTest, ZeroIncrementRaisesOnlyTheClickEvents) {
  auto* UpDown = NewUpDown();
  UpDown->SetIncrement(0);
  ShowHost();
  Log.clear();
  InjectPointerMove(UpButton());
  InjectPointerPress(UpButton());
  Headless().AdvanceClock(1000);
  InjectPointerRelease(UpButton());
  Pump();
  EXPECT_EQ(UpDown->Position(), 0);
  EXPECT_EQ(Log, (std::vector<String>{"up"}));
}

TEST_F(SkinUpDownTest, TheBuiltInLookFramesTheHotButtonNavy) {
  NewUpDown();
  ShowHost();
  EXPECT_EQ(HostPixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(HostPixel(2, 2), ColorToRGB(clBtnFace));
  InjectPointerMove(UpButton());
  Pump();
  EXPECT_EQ(HostPixel(20, 0), RGB(0, 0, 128));
  EXPECT_EQ(HostPixel(22, 2), RGB(182, 189, 210));
  // The right button's arrow points right: black pixels right of the centre only.
  EXPECT_EQ(HostPixel(31, 10), RGB(0, 0, 0));
}

TEST_F(SkinUpDownTest, APressWithNoButtonUnderThePointerTakesTheHoverOffTheUpButton) {
  auto* UpDown = NewUpDown();
  ShowHost();
  InjectPointerMove(UpButton());
  Pump();
  ASSERT_TRUE(UpDown->Button(0).MouseIn);
  // Entering again forgets the active button but leaves the hover drawn.
  UpDown->Perform(CM_MOUSEENTER, 0, 0);
  UpDown->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({45, 10}));
  EXPECT_FALSE(UpDown->Button(0).MouseIn);
  EXPECT_FALSE(UpDown->Button(0).Down);
  EXPECT_FALSE(UpDown->Button(1).Down);
  UpDown->Perform(WM_LBUTTONUP, 0, PointToLParam({45, 10}));
}

// ---------------------------------------------------------------- the twin of the time edit

class SkinIntUpDownTest : public SkinUpDownTest {
 protected:
  // The same place and events as the up-down above, and the two repeat events.
  TspSkinIntUpDown* NewIntUpDown() {
    auto* UpDown = NewUpDown<TspSkinIntUpDown>();
    UpDown->FOnUpChange = [this](TObject*) { Log.push_back("up change"); };
    UpDown->FOnDownChange = [this](TObject*) { Log.push_back("down change"); };
    return UpDown;
  }
  // A skin with an up-down element and a "combobutton" whose pictures are grey
  // (normal), light blue (hot) and navy (pressed), with red, green and blue marker
  // pictures that give the arrow its colour.
  void AddComboButtonSkin() {
    const int Picture = AddPicture(60, 10, [](int AX, int) {
      static const TColor Columns[] = {clGray, RGB(160, 200, 255), clNavy, clRed, clLime, clBlue};
      return Columns[AX / 10];
    });
    auto& UpDown = AddElement<TspDataSkinUpDownControl>("hupdown");
    UpDown.PictureIndex = Picture;
    UpDown.SkinRect = Rect(0, 0, 10, 10);
    auto& Button = AddElement<TspDataSkinButtonControl>("combobutton");
    Button.PictureIndex = Picture;
    Button.SkinRect = Rect(0, 0, 10, 10);
    Button.ActiveSkinRect = Rect(10, 0, 20, 10);
    Button.DownSkinRect = Rect(20, 0, 30, 10);
    Button.LTPoint = {2, 2};
    Button.RTPoint = {8, 2};
    Button.LBPoint = {2, 8};
    Button.RBPoint = {8, 8};
    Button.ClRect = Rect(2, 2, 8, 8);
    Button.MenuMarkerRect = Rect(30, 0, 40, 10);
    Button.MenuMarkerActiveRect = Rect(40, 0, 50, 10);
    Button.MenuMarkerDownRect = Rect(50, 0, 60, 10);
  }
};

TEST_F(SkinIntUpDownTest, AReleaseStepsOnlyOverThePressedButtonAndSizeIsFree) {
  auto* UpDown = NewIntUpDown();
  EXPECT_EQ(UpDown->Width(), 40);
  ShowHost();
  Log.clear();
  InjectPointerMove(UpButton());
  InjectPointerPress(UpButton());
  InjectPointerMove(DownButton());
  InjectPointerRelease(DownButton());
  Pump();
  EXPECT_EQ(UpDown->Position(), 0);
  EXPECT_TRUE(Log.empty());
  // Released where it was pressed, it steps once.
  InjectPointerPress(DownButton());
  InjectPointerRelease(DownButton());
  Pump();
  UpDown->SetPosition(5);
  InjectPointerPress(UpButton());
  InjectPointerRelease(UpButton());
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"down", "change 5", "change 6", "up"}));

  // The up-down itself steps on a release anywhere.
  auto* Plain = NewUpDown();
  Plain->SetBounds(0, 40, 40, 20);
  Pump();
  Log.clear();
  InjectPointerMove({100 + 30, 140 + 10});
  InjectPointerPress({100 + 30, 140 + 10});
  InjectPointerMove({100 + 10, 140 + 10});
  InjectPointerRelease({100 + 10, 140 + 10});
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"change 1", "up"}));
}

TEST_F(SkinIntUpDownTest, EveryRepeatedStepRaisesItsEventAlsoAtTheBound) {
  auto* UpDown = NewIntUpDown();
  UpDown->SetMax(2);
  ShowHost();
  Log.clear();
  InjectPointerMove(UpButton());
  InjectPointerPress(UpButton());
  Pump();
  for (int Step = 0; Step < 85; ++Step) {
    Headless().AdvanceClock(10);
    Pump();
  }
  InjectPointerRelease(UpButton());
  Pump();
  // Steps at 600 and 700 ms reach the bound; the one at 800 ms changes nothing and is
  // still told; the release steps no further.
  EXPECT_EQ(Log, (std::vector<String>{"change 1", "up change", "change 2", "up change", "up change", "up"}));
}

TEST_F(SkinIntUpDownTest, ButtonsAreTheComboButtonElementWithSmallArrowsInTheMarkerColour) {
  AddComboButtonSkin();
  auto* UpDown = NewIntUpDown();
  UpDown->SetSkinData(&Skin());
  ShowHost();
  // The up button is the right half: the arrow points right from its centre (30, 10),
  // its widest column at x 29 spanning y 8..12.
  const std::vector<std::pair<TColor, char>> Legend = {
      {clGray, '.'}, {RGB(160, 200, 255), 'h'}, {clNavy, 'p'}, {clRed, 'r'}, {clLime, 'g'}, {clBlue, 'b'}};
  EXPECT_EQ(HostPicture(Rect(26, 7, 34, 14), Legend),
            "........\n"
            "...r....\n"
            "...rr...\n"
            "...rrr..\n"
            "...rr...\n"
            "...r....\n"
            "........\n");
  EXPECT_EQ(HostPixel(10, 2), ColorToRGB(clGray));
  InjectPointerMove(UpButton());
  Pump();
  EXPECT_EQ(HostPixel(22, 2), RGB(160, 200, 255));
  EXPECT_EQ(HostPixel(29, 8), ColorToRGB(clLime));
  InjectPointerPress(UpButton());
  Pump();
  // Pressed, the arrow moves one pixel right and down.
  EXPECT_EQ(HostPicture(Rect(26, 7, 34, 14), Legend),
            "pppppppp\n"
            "pppppppp\n"
            "ppppbppp\n"
            "ppppbbpp\n"
            "ppppbbbp\n"
            "ppppbbpp\n"
            "ppppbppp\n");
  InjectPointerRelease(UpButton());
  Pump();
}

}  // namespace
}  // namespace skin_controls_test
