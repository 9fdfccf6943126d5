// The system's version tests, the late-bound system functions as capabilities of the
// headless backend, and the screen and monitor areas with one and several monitors.

#include <gtest/gtest.h>

#include "components/core/spEffBmp.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

TEST(SystemVersionTest, TestsFollowMajorAndMinorVersion) {
  const struct {
    TWindowsVersion Version;
    bool W2000, XP, Vista, Seven;
  } Cases[] = {
      {{4, 10}, false, false, false, false}, {{5, 0}, true, false, false, false},
      {{5, 1}, true, true, false, false},    {{5, 2}, true, true, false, false},
      {{6, 0}, true, true, true, false},     {{6, 1}, true, true, true, true},
      {{6, 2}, true, true, true, false},     {{10, 0}, true, true, true, false},
  };
  for (const auto& Case : Cases) {
    const TWindowsVersion V = Case.Version;
    EXPECT_EQ(IsWindows2000OrLater(V), Case.W2000) << V.Major << "." << V.Minor;
    EXPECT_EQ(IsWindowsXPOrLater(V), Case.XP) << V.Major << "." << V.Minor;
    EXPECT_EQ(IsWindowsVistaOrLater(V), Case.Vista) << V.Major << "." << V.Minor;
    EXPECT_EQ(IsWindows7(V), Case.Seven) << V.Major << "." << V.Minor;
  }
}

TEST(SystemVersionTest, TheRunningProfileTakesTheNewerSystemBranches) {
  EXPECT_TRUE(IsWindows2000OrLater());
  EXPECT_TRUE(IsWindowsXPOrLater());
  EXPECT_TRUE(IsWindowsVistaOrLater());
  EXPECT_FALSE(IsWindows7());
}

LRESULT PlainWindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
}

class SystemFunctionsTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    WNDCLASS Class;
    Class.lpfnWndProc = PlainWindowProc;
    Class.lpszClassName = "SkinSystemTest";
    RegisterClass(&Class);
    // A primary 1920 × 1080 screen with a panel at the top, and a second one to its
    // right with a panel at the bottom.
    Headless().SetMonitors({{Bounds(0, 0, 1920, 1080), Bounds(0, 30, 1920, 1050), true},
                            {Bounds(1920, 0, 1280, 1024), Bounds(1920, 0, 1280, 1000), false}});
    BindSystemFunctions();
  }
  void TearDown() override { StopWindowSystem(); }

  static THeadlessBackend& Headless() { return *HeadlessBackend(); }
  static HWND CreatePopup(const TRect& ABounds, DWORD AExStyle = 0) {
    return CreateWindowEx(AExStyle, "SkinSystemTest", "", WS_POPUP, ABounds.Left, ABounds.Top,
                          ABounds.Width(), ABounds.Height(), nullptr, nullptr, nullptr, nullptr);
  }
  static TRect MonitorArea(HWND AWindow, bool AWorkArea) {
    TRect Area = Rect(-1, -1, -1, -1);
    GetMonitorArea(AWindow, AWorkArea, Area);
    return Area;
  }
};

TEST_F(SystemFunctionsTest, EveryFunctionIsBoundWhenTheBackendOffersIt) {
  const TSystemFunctions& Entries = SystemFunctions();
  EXPECT_TRUE(Entries.TransparentBlt && Entries.AlphaBlend && Entries.MonitorFromWindow &&
              Entries.GetMonitorInfo);
  EXPECT_TRUE(Entries.SetLayeredWindowAttributes && Entries.UpdateLayeredWindow);
  EXPECT_TRUE(Entries.IsAlphaBlendAvailable);
  EXPECT_TRUE(Entries.IsNTFamily);
  Headless().SetPerPixelAlpha(false);
  Headless().SetSystemEntryOffered(seMonitorFromWindow, false);
  BindSystemFunctions();
  EXPECT_FALSE(Entries.SetLayeredWindowAttributes || Entries.UpdateLayeredWindow) << "no compositor";
  EXPECT_FALSE(Entries.MonitorFromWindow);
  EXPECT_TRUE(Entries.GetMonitorInfo);
}

TEST_F(SystemFunctionsTest, WithSeveralMonitorsTheWindowsOwnMonitorGivesTheArea) {
  const HWND OnSecond = CreatePopup(Bounds(2000, 100, 200, 100));
  EXPECT_TRUE(HasMultipleMonitors());
  EXPECT_EQ(MonitorArea(OnSecond, true), Bounds(1920, 0, 1280, 1000));
  EXPECT_EQ(MonitorArea(OnSecond, false), Bounds(1920, 0, 1280, 1024));
  EXPECT_EQ(MonitorArea(CreatePopup(Bounds(100, 100, 20, 20)), true), Bounds(0, 30, 1920, 1050));
  TRect Kept = Rect(1, 2, 3, 4);
  GetMonitorArea(nullptr, true, Kept);
  EXPECT_EQ(Kept, Rect(1, 2, 3, 4)) << "no monitor information for a missing window: left as it was";
}

TEST_F(SystemFunctionsTest, WithoutTheMonitorFunctionsOrWithOneMonitorTheScreenGivesTheArea) {
  const HWND OnSecond = CreatePopup(Bounds(2000, 100, 200, 100));
  Headless().SetSystemEntryOffered(seGetMonitorInfo, false);
  BindSystemFunctions();
  EXPECT_FALSE(HasMultipleMonitors());
  EXPECT_EQ(MonitorArea(OnSecond, true), Bounds(0, 30, 1920, 1050)) << "the primary work area";
  EXPECT_EQ(MonitorArea(OnSecond, false), Rect(0, 0, 1920, 1080));

  Headless().SetSystemEntryOffered(seGetMonitorInfo, true);
  Headless().SetMonitors({{Bounds(0, 0, 800, 600), Bounds(0, 0, 800, 560), true}});
  BindSystemFunctions();
  EXPECT_FALSE(HasMultipleMonitors());
  EXPECT_EQ(MonitorArea(OnSecond, true), Bounds(0, 0, 800, 560));
  TRect Screen;
  GetScreenArea(false, Screen);
  EXPECT_EQ(Screen, Rect(0, 0, 800, 600));
}

TEST_F(SystemFunctionsTest, LayeredAlphaIsSetOnlyWhereLayeredWindowsCanBeShown) {
  const HWND Window = CreatePopup(Bounds(10, 10, 50, 50), WS_EX_LAYERED);
  SetLayeredAlpha(Window, 128);
  EXPECT_EQ(Headless().ConstantAlpha(Window), 128);
  Headless().SetPerPixelAlpha(false);
  BindSystemFunctions();
  SetLayeredAlpha(Window, 60);
  EXPECT_EQ(Headless().ConstantAlpha(Window), 128) << "no compositor: nothing is called";
}

}  // namespace
