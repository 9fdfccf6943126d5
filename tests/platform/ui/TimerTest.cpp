// TTimer on the headless backend's virtual clock.

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/Timer.h"
#include "platform/win/Timers.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

class TimerTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Start = Win::GetTickCount();
    Timer = new TTimer(&Host());
    Timer->OnTimer = [this](TObject* ASender) {
      EXPECT_EQ(ASender, Timer);
      Ticks.push_back(Win::GetTickCount() - Start);
    };
  }

  TTimer* Timer = nullptr;
  uint32_t Start = 0;
  std::vector<uint32_t> Ticks;
};

TEST_F(TimerTest, TicksEveryIntervalWhileEnabled) {
  Timer->SetInterval(25);
  Headless().AdvanceClock(100);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{25, 50, 75, 100}));
  Timer->SetEnabled(false);
  Headless().AdvanceClock(100);
  EXPECT_EQ(Ticks.size(), 4u);
}

TEST_F(TimerTest, ChangingTheIntervalOrEnablingAgainStartsAFullInterval) {
  EXPECT_TRUE(Timer->Enabled());
  EXPECT_EQ(Timer->Interval(), 1000u);
  Headless().AdvanceClock(500);
  Timer->SetInterval(300);
  Headless().AdvanceClock(700);
  Timer->SetEnabled(false);
  Headless().AdvanceClock(50);
  Timer->SetEnabled(true);
  Headless().AdvanceClock(300);
  EXPECT_EQ(Ticks, (std::vector<uint32_t>{800, 1100, 1550}));
}

TEST_F(TimerTest, AZeroIntervalAndAFreedTimerNeverTick) {
  Timer->SetInterval(0);
  Headless().AdvanceClock(2000);
  EXPECT_TRUE(Ticks.empty());
  Timer->SetInterval(100);
  delete Timer;
  Headless().AdvanceClock(500);
  EXPECT_TRUE(Ticks.empty());
}

TEST_F(TimerTest, ADisabledTimerWaitsForItsOwnerToSwitchItOnAndGoesWithIt) {
  auto* Owner = new TComponent(&Host());
  int Calls = 0;
  TTimer* Disabled = NewDisabledTimer(Owner, 40, [&Calls] { ++Calls; });
  EXPECT_EQ(Disabled->Owner(), Owner);
  EXPECT_FALSE(Disabled->Enabled());
  EXPECT_EQ(Disabled->Interval(), 40u);
  Headless().AdvanceClock(200);
  EXPECT_EQ(Calls, 0);
  Disabled->SetEnabled(true);
  Headless().AdvanceClock(120);
  EXPECT_EQ(Calls, 3);
  delete Owner;
  Headless().AdvanceClock(200);
  EXPECT_EQ(Calls, 3);
}

}  // namespace
}  // namespace ui_test
