#pragma once
// A fixture for tests of the demonstration program on a virtual display of the test's
// own: starting it and waiting, without sleeping, until it is ready for input (its
// windows are viewable and the main window holds the keyboard focus).

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/e2e/RunningProgram.h"
#include "tests/e2e/VirtualDisplay.h"

namespace e2e {

class DemoOnDisplay : public ::testing::Test {
 public:
  TVirtualDisplay& Display() { return FDisplay; }
  TRunningProgram& Demo() { return *FDemo; }

  // Starts the demonstration program and waits for AReady ("ready hotkey=1" when it
  // had the hot key) and for the state above. Fails the test otherwise.
  void StartDemo(const std::string& AReady = "ready hotkey=1");
  // The X window of the given title.
  std::string WindowId(const std::string& ATitle) const;
  // The X window that has the keyboard focus.
  std::string FocusedWindowId() const;

 private:
  TVirtualDisplay FDisplay;
  std::unique_ptr<TRunningProgram> FDemo;
};

}  // namespace e2e
