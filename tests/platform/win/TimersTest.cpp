// Timers on the headless backend's virtual clock: no test here waits on real time.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class TimersTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    Window = Create("w", WS_POPUP, Bounds(0, 0, 10, 10));
    Start = Win::GetTickCount();
    Answer(WM_TIMER, [this](HWND, UINT, WPARAM AId, LPARAM) {
      Fired.push_back({static_cast<int>(AId), Win::GetTickCount() - Start});
      return std::optional<LRESULT>(0);
    });
  }

  HWND Window = nullptr;
  uint32_t Start = 0;
  // Timer identifier and milliseconds since the test began, per WM_TIMER.
  std::vector<std::pair<int, uint32_t>> Fired;

  static inline std::vector<std::pair<UINT_PTR, DWORD>> ProcCalls;
  static void RecordingTimerProc(HWND, UINT, UINT_PTR AId, DWORD ATime) { ProcCalls.push_back({AId, ATime}); }
};

TEST_F(TimersTest, TimersFireInTheOrderOfTheirDueTimes) {
  SetTimer(Window, 1, 25, nullptr);
  SetTimer(Window, 2, 40, nullptr);
  Headless().AdvanceClock(100);
  EXPECT_EQ(Fired,
            (std::vector<std::pair<int, uint32_t>>{{1, 25}, {2, 40}, {1, 50}, {1, 75}, {2, 80}, {1, 100}}));
  EXPECT_EQ(Win::GetTickCount() - Start, 100u);
}

TEST_F(TimersTest, TimersDueTogetherFireInTheOrderTheyWereSet) {
  SetTimer(Window, 7, 20, nullptr);
  SetTimer(Window, 3, 20, nullptr);
  Headless().AdvanceClock(20);
  EXPECT_EQ(Fired, (std::vector<std::pair<int, uint32_t>>{{7, 20}, {3, 20}}));
}

TEST_F(TimersTest, SettingAgainRestartsThePeriodAndKillTimerStopsIt) {
  SetTimer(Window, 1, 30, nullptr);
  Headless().AdvanceClock(20);
  SetTimer(Window, 1, 30, nullptr);
  Headless().AdvanceClock(40);
  EXPECT_TRUE(KillTimer(Window, 1));
  EXPECT_FALSE(KillTimer(Window, 1));
  Headless().AdvanceClock(100);
  EXPECT_EQ(Fired, (std::vector<std::pair<int, uint32_t>>{{1, 50}}));
}

TEST_F(TimersTest, IntervalsBelowTheMinimumAreRaisedToIt) {
  SetTimer(Window, 1, 1, nullptr);
  Headless().AdvanceClock(25);
  EXPECT_EQ(Fired, (std::vector<std::pair<int, uint32_t>>{{1, 10}, {1, 20}}));
}

TEST_F(TimersTest, ATimerProcIsCalledInsteadOfTheWindowProcedure) {
  ProcCalls.clear();
  SetTimer(Window, 4, 15, RecordingTimerProc);
  Headless().AdvanceClock(15);
  EXPECT_TRUE(Fired.empty());
  ASSERT_EQ(ProcCalls.size(), 1u);
  EXPECT_EQ(ProcCalls[0].first, 4u);
  EXPECT_EQ(ProcCalls[0].second, Start + 15);
  EXPECT_EQ(GetMessageTime(), Start + 15);
}

TEST_F(TimersTest, ThreadTimersNeedAProcedureAndGetTheirOwnIdentifier) {
  ProcCalls.clear();
  EXPECT_EQ(SetTimer(nullptr, 0, 10, nullptr), 0u);
  const UINT_PTR Id = SetTimer(nullptr, 0, 10, RecordingTimerProc);
  ASSERT_NE(Id, 0u);
  EXPECT_EQ(SetTimer(nullptr, Id, 20, RecordingTimerProc), Id);
  Headless().AdvanceClock(20);
  EXPECT_EQ(ProcCalls, (std::vector<std::pair<UINT_PTR, DWORD>>{{Id, Start + 20}}));
  EXPECT_TRUE(KillTimer(nullptr, Id));
}

TEST_F(TimersTest, APostedTimerMessageCannotCallAnArbitraryProcedure) {
  ProcCalls.clear();
  PostMessage(Window, WM_TIMER, 9, reinterpret_cast<LPARAM>(&RecordingTimerProc));
  ProcessPendingMessages();
  EXPECT_TRUE(ProcCalls.empty());
}

TEST_F(TimersTest, TheTimersOfADestroyedWindowStop) {
  SetTimer(Window, 1, 10, nullptr);
  DestroyWindow(Window);
  Headless().AdvanceClock(50);
  EXPECT_TRUE(Fired.empty());
  EXPECT_EQ(SetTimer(Window, 1, 10, nullptr), 0u);
}

TEST_F(TimersTest, AHandlerSeesTheClockAtItsDueTimeWhileTheLoopCatchesUp) {
  // A handler that starts a shorter timer: both run on the virtual clock in order.
  Answer(WM_TIMER, [this](HWND AWindow, UINT, WPARAM AId, LPARAM) {
    Fired.push_back({static_cast<int>(AId), Win::GetTickCount() - Start});
    if (AId == 1) {
      KillTimer(AWindow, 1);
      SetTimer(AWindow, 2, 10, nullptr);
    }
    return std::optional<LRESULT>(0);
  });
  SetTimer(Window, 1, 30, nullptr);
  Headless().AdvanceClock(55);
  EXPECT_EQ(Fired, (std::vector<std::pair<int, uint32_t>>{{1, 30}, {2, 40}, {2, 50}}));
}

}  // namespace
}  // namespace window_test
