// The track bar: values clamped to their bounds with OnChange, the button dragged past
// both ends with its event order, the jump on a click, the arrow keys and the wheel,
// and the filled part of the skin look.

#include <gtest/gtest.h>

#include <vector>

#include "components/controls/SkinCtrls.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

class SkinCtrlsTrackBarTest : public SkinControlsTest {
 protected:
  // A built-in bar at (10, 20) of the host, 100 × 20: the travel of the button's centre
  // runs from x 6 to 94 (88 pixels), the button is 8 × 16.
  TspSkinTrackBar* NewTrackBar(bool AVertical = false) {
    auto* Bar = new TspSkinTrackBar(&Host());
    Bar->SetParent(&Host());
    if (AVertical)
      Bar->SetBounds(10, 20, 20, 100);
    else
      Bar->SetBounds(10, 20, 100, 20);
    Bar->SetVertical(AVertical);
    Bar->OnChange = [this, Bar](TObject*) { Log.push_back("change " + IntToStr(Bar->Value())); };
    Bar->OnLastChange = [this](TObject*) { Log.push_back("last"); };
    Bar->OnStartDragButton = [this](TObject*) { Log.push_back("start"); };
    return Bar;
  }
  TPoint OnBar(int AX, int AY) { return {100 + 10 + AX, 100 + 20 + AY}; }

  std::vector<String> Log;
};

TEST_F(SkinCtrlsTrackBarTest, CodeChangesRaiseOnChangeOnlyWhenTheClampedValueDiffers) {
  auto* Bar = NewTrackBar();
  Bar->SetValue(70);
  Bar->SetValue(70);
  Bar->SetValue(500);
  Bar->SetValue(101);
  Bar->SetValue(-3);
  Bar->SetMinValue(20);  // raises the value without an event
  Bar->SetMaxValue(10);
  EXPECT_EQ(Bar->Value(), 10);
  EXPECT_EQ(Log, (std::vector<String>{"change 70", "change 100", "change 0"}));
}

TEST_F(SkinCtrlsTrackBarTest, DraggingTheButtonPastBothEndsGivesTheBoundsInEventOrder) {
  auto* Bar = NewTrackBar();
  ShowHost();
  EXPECT_EQ(Bar->PaintedButtonRect(), Rect(46, 2, 54, 18));
  InjectPointerMove(OnBar(50, 10));
  InjectPointerPress(OnBar(50, 10));
  InjectPointerMove(OnBar(72, 10));   // 22 of 88 pixels further: 75
  InjectPointerMove(OnBar(400, 10));  // past the end
  InjectPointerMove(OnBar(-300, 10));
  InjectPointerMove(OnBar(-301, 10));  // no change, no event
  InjectPointerRelease(OnBar(-301, 10));
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"start", "change 75", "change 100", "change 0", "last"}));
}

TEST_F(SkinCtrlsTrackBarTest, AnUprightBarGrowsUpwards) {
  auto* Bar = NewTrackBar(true);
  Bar->SetValue(0);
  ShowHost();
  // Travel from y 6 to 94; value 0 puts the button's centre at the bottom.
  EXPECT_EQ(Bar->PaintedButtonRect(), Rect(2, 90, 18, 98));
  Log.clear();
  InjectPointerPress(OnBar(10, 94));
  InjectPointerMove(OnBar(10, 50));
  InjectPointerRelease(OnBar(10, 50));
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"start", "change 50", "last"}));
}

TEST_F(SkinCtrlsTrackBarTest, AClickBesideTheButtonJumpsOnlyWithJumpWhenClick) {
  auto* Bar = NewTrackBar();
  ShowHost();
  InjectClick(OnBar(28, 10));
  Pump();
  EXPECT_EQ(Bar->Value(), 50);
  Bar->JumpWhenClick = true;
  InjectClick(OnBar(28, 10));  // 28 - 4 - 2 = 22 pixels of 88: 25
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"change 25"}));
}

TEST_F(SkinCtrlsTrackBarTest, KeysAndTheWheelStepOnlyAFocusableBar) {
  auto* Bar = NewTrackBar();
  auto* Upright = NewTrackBar(true);
  Upright->SetLeft(130);
  ShowHost();
  Host().SetFocus();
  InjectKeyStroke(VK_RIGHT);
  InjectWheel(OnBar(50, 10), 120);
  Pump();
  EXPECT_TRUE(Log.empty());
  Bar->SetCanFocused(true);
  Bar->SetFocus();
  Bar->SetValue(99);
  Log.clear();
  InjectKeyStroke(VK_RIGHT);
  InjectKeyStroke(VK_UP);  // at the maximum: no change, still the last change
  InjectKeyStroke(VK_LEFT);
  InjectWheel(OnBar(50, 10), 120);  // away from the user lowers a lying bar
  Pump();
  EXPECT_EQ(Log,
            (std::vector<String>{"change 100", "last", "last", "change 99", "last", "change 98", "last"}));
  Upright->SetCanFocused(true);
  Upright->SetFocus();
  Log.clear();
  InjectWheel(OnBar(130, 50), 120);  // and raises an upright one
  InjectWheel(OnBar(130, 50), -120);
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"change 51", "last", "change 50", "last"}));
}

// The skin look: the track picture, the filled picture from the left up to the
// button's centre, the button picture over it.
TEST_F(SkinCtrlsTrackBarTest, TheSkinFillsTheTrackUpToTheButtonsCentre) {
  const TColor Track = RGB(255, 255, 255), Filled = RGB(0, 0, 255), Knob = RGB(255, 0, 0);
  const int Picture = AddPicture(20, 12, [&](int X, int Y) {
    return Y < 4 ? Track : Y < 8 ? Filled : X < 4 ? Knob : Track;
  });
  auto& Element = AddElement<TspDataSkinTrackBarControl>("htrackbar");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 20, 4);
  Element.LTPoint = {2, 0};
  Element.RTPoint = {18, 0};
  Element.ActiveSkinRect = Rect(0, 4, 20, 8);
  Element.TrackArea = Rect(0, 0, 20, 4);
  Element.ButtonRect = Rect(0, 8, 4, 12);
  auto* Bar = NewTrackBar();
  Bar->SetSkinData(&Skin());
  Bar->SetBounds(10, 20, 40, 30);
  EXPECT_EQ(Bar->Height(), 4);
  Bar->SetValue(25);  // travel 2 to 38: centre at 2 + 9 = 11
  ShowHost();
  EXPECT_EQ(HostPicture(Rect(10, 21, 50, 22), {{Track, '.'}, {Filled, '='}, {Knob, 'o'}}),
            "=========oooo...........................\n");
}

// Upright, the filled part runs from the button's centre down to the bottom.
TEST_F(SkinCtrlsTrackBarTest, AnUprightSkinFillsFromTheButtonsCentreDown) {
  const TColor Track = RGB(255, 255, 255), Filled = RGB(0, 0, 255), Knob = RGB(255, 0, 0);
  const int Picture = AddPicture(12, 20, [&](int X, int Y) {
    return X < 4 ? Track : X < 8 ? Filled : Y < 4 ? Knob : Track;
  });
  auto& Element = AddElement<TspDataSkinTrackBarControl>("trackbar");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 4, 20);
  Element.LTPoint = {0, 2};
  Element.LBPoint = {0, 18};
  Element.ActiveSkinRect = Rect(4, 0, 8, 20);
  Element.TrackArea = Rect(0, 0, 4, 20);
  Element.ButtonRect = Rect(8, 0, 12, 4);
  Element.Vertical = true;
  auto* Bar = NewTrackBar();
  Bar->SetSkinDataName("trackbar");
  Bar->SetSkinData(&Skin());
  Bar->SetBounds(10, 20, 30, 40);
  EXPECT_EQ(Bar->Width(), 4);
  Bar->SetValue(25);  // travel 2 to 38 upwards: centre at 38 - 9 = 29
  ShowHost();
  std::string Column;
  for (int Y = 20; Y < 60; ++Y)
    Column += HostPicture(Rect(11, Y, 12, Y + 1), {{Track, '.'}, {Filled, '='}, {Knob, 'o'}})[0];
  EXPECT_EQ(Column, std::string(27, '.') + "oooo" + std::string(9, '='));
}

}  // namespace
}  // namespace skin_controls_test
