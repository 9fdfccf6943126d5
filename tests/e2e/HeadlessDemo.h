#pragma once
// The demonstration windows and the native-controls form on the headless backend, in
// the test's own process: the other side of every comparison with the display. The log
// holds what the windows logged after they were set up, as the demonstration program's
// log after "ready".

#include <string>
#include <vector>

#include "tests/e2e/demo/DemoControls.h"
#include "tests/e2e/demo/DemoWindows.h"

namespace e2e {

class THeadlessDemo {
 public:
  // Starts the window system on a headless backend, makes the windows and handles all
  // that their making caused.
  THeadlessDemo();
  ~THeadlessDemo();
  THeadlessDemo(const THeadlessDemo&) = delete;
  THeadlessDemo& operator=(const THeadlessDemo&) = delete;

  const TDemoWindows& Windows() const { return FWindows; }
  // Handles the scripted input and all it caused.
  void Run();
  const std::vector<std::string>& Log() const { return FLog; }

 private:
  TDemoWindows FWindows;
  std::vector<std::string> FLog;
  bool FLogging = false;
};

}  // namespace e2e
