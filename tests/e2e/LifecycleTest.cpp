// The end of the demonstration program: a close request of the window manager closes
// its main window and the program ends normally; a display that goes away ends it
// with a message instead of a crash.

#include <gtest/gtest.h>

#include "tests/e2e/DemoOnDisplay.h"

namespace e2e {
namespace {

TEST_F(DemoOnDisplay, ACloseRequestClosesTheWindowAndTheProgramEnds) {
  StartDemo();
  const testing_support::CommandResult Sent =
      Display().Run(std::string(E2E_CLOSE_REQUESTER) + " 'Demo main'");
  ASSERT_EQ(Sent.ExitCode, 0) << Sent.Output;
  EXPECT_TRUE(Demo().WaitForLine("main:WM_SYSCOMMAND 0xf060 0x0")) << Demo().Transcript();
  EXPECT_TRUE(Demo().WaitForLine("main:WM_CLOSE")) << Demo().Transcript();
  EXPECT_TRUE(Demo().WaitForLine("quit")) << Demo().Transcript();
  EXPECT_EQ(Demo().WaitForExit(), 0) << Demo().Transcript();
}

TEST_F(DemoOnDisplay, ALostDisplayEndsTheProgramWithAMessage) {
  StartDemo();
  Display().Kill();
  EXPECT_EQ(Demo().WaitForExit(), 1);
  EXPECT_NE(Demo().Transcript().find("the connection to the X display"), std::string::npos)
      << Demo().Transcript();
}

}  // namespace
}  // namespace e2e
