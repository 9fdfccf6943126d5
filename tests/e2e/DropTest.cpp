// Files dropped on the demonstration's main window by another program through XDND
// arrive as WM_DROPFILES with their paths and the drop point.

#include <gtest/gtest.h>

#include "platform/base/Strings.h"
#include "tests/e2e/DemoOnDisplay.h"
#include "tests/e2e/HeadlessDemo.h"

namespace e2e {
namespace {

TEST_F(DemoOnDisplay, FilesDroppedByAnotherProgramArriveWithTheirPaths) {
  testing_support::TempDir Folder;
  // Spaces and letters beyond ASCII travel percent-encoded in the URI list.
  const std::string First = Folder.File("Grüße aus Köln.mkv");
  const std::string Second = Folder.File("plain.wav");
  testing_support::WriteWholeFile(First, "x");
  testing_support::WriteWholeFile(Second, "y");
  TPoint Drop;
  TPoint Client;
  {
    THeadlessDemo Headless;
    Drop = MainClientPoint(120, 80);
  }
  StartDemo();
  const testing_support::CommandResult Sent =
      Display().Run(Format("%s %d %d %s %s", E2E_XDND_SENDER, Drop.X, Drop.Y,
                           testing_support::ShellQuote(First), testing_support::ShellQuote(Second)));
  EXPECT_EQ(Sent.ExitCode, 0) << Sent.Output;
  EXPECT_EQ(Sent.Output, "finished accepted=1\n");
  EXPECT_TRUE(Demo().WaitForLine("main:WM_DROPFILES 120,80 " + First + "|" + Second)) << Demo().Transcript();
}

}  // namespace
}  // namespace e2e
