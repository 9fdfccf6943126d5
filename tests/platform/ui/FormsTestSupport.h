#pragma once
// A fixture for the tests of forms, the application and the screen: a fresh headless
// window system per test, and a fresh application and screen after it. Messages are
// handled through the application's loop, as in the program, so that keys reach the
// shortcuts and dialog keys.

#include <gtest/gtest.h>

#include "platform/ui/Button.h"
#include "platform/ui/Forms.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace ui_test {

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Frees the application's forms before the window system stops.
  void TearDown() override;

  // Handles everything queued now through the application's loop.
  void Pump();
  THeadlessBackend& Headless() { return *HeadlessBackend(); }
  // A form made by the application (the first one becomes the main form), with its
  // client area at 200 × 150, placed at (ALeft, ATop); not shown.
  TForm* NewForm(const String& AName, int ALeft = 100, int ATop = 100);
  // A button on AParent at (AX, AY), 75 × 25.
  TButton* NewButton(TWinControl* AParent, const String& ACaption, int AX, int AY);
  // The screen point of a client point of AControl.
  TPoint OnScreen(TControl* AControl, int AX, int AY) { return AControl->ClientToScreen({AX, AY}); }
  // The name of the control that has the focus ("none" when no control has).
  String FocusedName();
};

}  // namespace ui_test
