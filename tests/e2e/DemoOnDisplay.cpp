#include "tests/e2e/DemoOnDisplay.h"

#include <chrono>

#include "tests/support/TestSupport.h"

namespace e2e {
namespace {

std::string Trimmed(std::string AText) {
  while (!AText.empty() && (AText.back() == '\n' || AText.back() == ' ')) AText.pop_back();
  return AText;
}

}  // namespace

void DemoOnDisplay::StartDemo(const std::string& AReady) {
  FDemo = std::make_unique<TRunningProgram>(E2E_DEMO_PROGRAM, std::vector<std::string>{}, FDisplay);
  ASSERT_TRUE(FDemo->WaitForLine(AReady)) << FDemo->Transcript();
  for (const char* Title : {"Demo controls", "Demo main", "Demo popup", "Demo below", "Demo cut"})
    FDisplay.Xdotool("search --sync --onlyvisible --name " +
                     testing_support::ShellQuote(std::string("^") + Title + "$"));
  // The program asks for the focus once its window is viewable; the display grants it
  // some moments later.
  const std::string Main = WindowId("Demo main");
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(PatienceMs);
  while (FocusedWindowId() != Main)
    ASSERT_LT(std::chrono::steady_clock::now(), Deadline) << "the main window never got the focus";
}

std::string DemoOnDisplay::WindowId(const std::string& ATitle) const {
  return Trimmed(FDisplay.Xdotool("search --name " + testing_support::ShellQuote("^" + ATitle + "$")));
}

std::string DemoOnDisplay::FocusedWindowId() const {
  // Before any window has it, the focus follows the pointer and xdotool names none.
  const testing_support::CommandResult Result = FDisplay.Run("xdotool getwindowfocus");
  return Result.ExitCode == 0 ? Trimmed(Result.Output) : "";
}

}  // namespace e2e
