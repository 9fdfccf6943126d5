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
  TspSkinUpDown* NewUpDown() {
    auto* UpDown = new TspSkinUpDown(&Host());
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

}  // namespace
}  // namespace skin_controls_test
