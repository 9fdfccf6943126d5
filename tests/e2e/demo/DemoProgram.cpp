// The demonstration program the end-to-end tests run on a display: the demonstration
// windows and the native-controls form on the backend PELLADRIN_BACKEND (or DISPLAY)
// selects, and their log on standard output, one line each. "ready hotkey=<0|1>"
// follows the start-up (whether the hot key was had); "quit" comes when the main
// window was closed.

#include <cstdio>
#include <string>

#include "platform/base/Exceptions.h"
#include "platform/ui/Forms.h"
#include "platform/win/Windows.h"
#include "tests/e2e/demo/DemoControls.h"
#include "tests/e2e/demo/DemoWindows.h"

namespace {

void Print(const std::string& ALine) {
  std::printf("%s\n", ALine.c_str());
  std::fflush(stdout);
}

}  // namespace

int main() {
  try {
    StartWindowSystem();
    e2e::ShowDemoControls(Print);
    const e2e::TDemoWindows Windows = e2e::CreateDemoWindows(Print);
    ProcessPendingMessages();
    Print(Windows.HotKeyRegistered ? "ready hotkey=1" : "ready hotkey=0");
    MSG Message;
    while (GetMessage(&Message, nullptr, 0, 0)) {
      TranslateMessage(&Message);
      DispatchMessage(&Message);
    }
    Print("quit");
    DoneApplication();
    StopWindowSystem();
    return 0;
  } catch (const Exception& AError) {
    std::fprintf(stderr, "%s\n", AError.Message().c_str());
    return 1;
  }
}
