// Monitors of the headless backend: configurable, found by point, rectangle and
// window, and announced to windows when they change.

#include "platform/base/Exceptions.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class MonitorsTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    // A primary 1920 × 1080 screen with a panel at the top, and a 1280 × 1024 screen
    // to its left.
    Headless().SetMonitors({{Bounds(0, 0, 1920, 1080), Bounds(0, 30, 1920, 1050), true},
                            {Bounds(-1280, 0, 1280, 1024), Bounds(-1280, 0, 1280, 1024), false}});
  }

  static MONITORINFO Info(HMONITOR AMonitor) {
    MONITORINFO Result;
    EXPECT_TRUE(GetMonitorInfo(AMonitor, &Result));
    return Result;
  }
};

TEST_F(MonitorsTest, MonitorsAreFoundByPoint) {
  EXPECT_EQ(Info(MonitorFromPoint({100, 100}, MONITOR_DEFAULTTONULL)).rcMonitor, Bounds(0, 0, 1920, 1080));
  const MONITORINFO Left = Info(MonitorFromPoint({-5, 1000}, MONITOR_DEFAULTTONULL));
  EXPECT_EQ(Left.rcWork, Bounds(-1280, 0, 1280, 1024));
  EXPECT_EQ(Left.dwFlags, 0u);
  EXPECT_EQ(Info(MonitorFromPoint({100, 100}, MONITOR_DEFAULTTONULL)).dwFlags, MONITORINFOF_PRIMARY);
  // Below the left screen, outside every monitor.
  EXPECT_EQ(MonitorFromPoint({-5, 1050}, MONITOR_DEFAULTTONULL), nullptr);
  EXPECT_EQ(Info(MonitorFromPoint({-5, 1050}, MONITOR_DEFAULTTOPRIMARY)).dwFlags, MONITORINFOF_PRIMARY);
  EXPECT_EQ(Info(MonitorFromPoint({-500, 1100}, MONITOR_DEFAULTTONEAREST)).rcMonitor.Left, -1280);
}

TEST_F(MonitorsTest, ARectangleBelongsToTheMonitorWithTheLargestShare) {
  const RECT MostlyLeft = Rect(-300, 10, 100, 50);
  EXPECT_EQ(Info(MonitorFromRect(&MostlyLeft, MONITOR_DEFAULTTONULL)).rcMonitor.Left, -1280);
  const RECT MostlyPrimary = Rect(-100, 10, 300, 50);
  EXPECT_EQ(Info(MonitorFromRect(&MostlyPrimary, MONITOR_DEFAULTTONULL)).rcMonitor.Left, 0);
  const HWND Window = Create("w", WS_POPUP, Bounds(-900, 100, 200, 200));
  EXPECT_EQ(Info(MonitorFromWindow(Window, MONITOR_DEFAULTTONEAREST)).rcMonitor.Left, -1280);
}

TEST_F(MonitorsTest, MaximizingFillsTheWorkAreaOfTheWindowsMonitor) {
  const HWND Window = Create("w", WS_POPUP | WS_THICKFRAME | WS_VISIBLE, Bounds(-900, 100, 200, 200));
  ShowWindow(Window, SW_MAXIMIZE);
  RECT Rect;
  GetWindowRect(Window, &Rect);
  EXPECT_EQ(Rect, Bounds(-1280 - 3, -3, 1280 + 6, 1024 + 6));
}

TEST_F(MonitorsTest, MetricsAndSettingsFollowTheConfiguration) {
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
  EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1280);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 3200);
  RECT Work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &Work, 0));
  EXPECT_EQ(Work, Bounds(0, 30, 1920, 1050));
}

TEST_F(MonitorsTest, AChangeIsAnnouncedAndMakesOldHandlesStale) {
  const HWND Window = Create("w", WS_POPUP, Bounds(0, 0, 10, 10));
  Create("c", WS_CHILD, Bounds(0, 0, 5, 5), Window);
  const HMONITOR Old = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  LPARAM Announced = 0;
  Answer(WM_DISPLAYCHANGE, [&](HWND, UINT, WPARAM, LPARAM ALParam) {
    Announced = ALParam;
    return std::optional<LRESULT>(0);
  });
  ClearLog();
  Headless().SetMonitors({{Bounds(0, 0, 1024, 768), Bounds(0, 0, 1024, 768), true}});
  EXPECT_EQ(Log(), std::vector<std::string>{"w:WM_DISPLAYCHANGE"});
  EXPECT_EQ(Announced, MAKELPARAM(1024, 768));
  MONITORINFO Stale;
  EXPECT_FALSE(GetMonitorInfo(Old, &Stale));
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
}

TEST_F(MonitorsTest, GetMonitorInfoChecksTheRecordSize) {
  MONITORINFO Info;
  Info.cbSize = 72;
  EXPECT_FALSE(GetMonitorInfo(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &Info));
}

TEST_F(MonitorsTest, AConfigurationWithoutOnePrimaryMonitorIsRefused) {
  EXPECT_THROW(Headless().SetMonitors({}), Exception);
  EXPECT_THROW(Headless().SetMonitors({{Bounds(0, 0, 10, 10), Bounds(0, 0, 10, 10), false}}), Exception);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
}

}  // namespace
}  // namespace window_test
