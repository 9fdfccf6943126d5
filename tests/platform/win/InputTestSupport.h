#pragma once
// A fixture for the input tests: the window-system fixture with the input messages
// named in its logs, the messages' parameters recorded on request, and the scripted
// input of the headless backend run through the message loop.

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/win/Capture.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MouseTracking.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {

class InputTest : public WindowSystemTest {
 protected:
  struct TSeen {
    std::string Window;
    UINT Message = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
  };

  // The log entries of the given messages, input messages named ("w:WM_LBUTTONDOWN").
  std::vector<std::string> InputLog(std::initializer_list<UINT> AMessages) const;
  // Records every AMessage a window receives (before its default handling).
  void Watch(UINT AMessage);
  // What Watch recorded, in order.
  const std::vector<TSeen>& Seen() const { return FSeen; }
  std::vector<TSeen> SeenOf(UINT AMessage) const;
  // Handles the scripted input and everything it caused.
  void Run() { ProcessPendingMessages(); }
  // The screen point of a point in a window's client area.
  TPoint At(const std::string& AName, int AX, int AY) const;

 private:
  std::vector<TSeen> FSeen;
};

}  // namespace window_test
