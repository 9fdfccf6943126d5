// Another program holding Ctrl+Alt+P makes the demonstration's RegisterHotKey fail,
// and the program goes on as if nothing happened.

#include <gtest/gtest.h>

#include "tests/e2e/DemoOnDisplay.h"
#include "tests/e2e/HeadlessDemo.h"

namespace e2e {
namespace {

TEST_F(DemoOnDisplay, AHotKeyAnotherProgramHoldsIsRefused) {
  TRunningProgram Holder(E2E_HOT_KEY_HOLDER, {}, Display());
  ASSERT_TRUE(Holder.WaitForLine("held")) << Holder.Transcript();
  StartDemo("ready hotkey=0");
  TPoint Point;
  {
    THeadlessDemo Headless;
    Point = MainClientPoint(30, 30);
  }
  Display().Xdotool(Format("mousemove %d %d click 1", Point.X, Point.Y));
  EXPECT_TRUE(Demo().WaitForLine("main:WM_LBUTTONUP 30,30")) << Demo().Transcript();
}

}  // namespace
}  // namespace e2e
