// The demonstration of the skinned library as a program: the demonstration form in the
// program's default skin on the backend PELLADRIN_BACKEND (or DISPLAY) selects, and
// its log on standard output, one line each. "ready" follows the start-up; "quit"
// comes when the form was closed.

#include <cstdio>

#include "platform/base/Exceptions.h"
#include "platform/win/Windows.h"
#include "resources/skin-new/SkinNew.h"
#include "tests/skin-demo/SkinDemo.h"

namespace {

void Print(const std::string& ALine) {
  std::printf("%s\n", ALine.c_str());
  std::fflush(stdout);
}

}  // namespace

int main() {
  try {
    StartWindowSystem();
    const std::unique_ptr<skin_new::TSkinNew> Skin = skin_new::BuildSkinNew();
    const skin_demo::TSkinDemo Demo = skin_demo::CreateSkinDemo(&Skin->Data, Print);
    Demo.Form->Show();
    ProcessPendingMessages();
    Print("ready");
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
