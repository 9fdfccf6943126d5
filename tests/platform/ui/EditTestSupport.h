#pragma once
// A fixture for the tests of the EDIT window and the edit controls on it: the host of
// UiTestSupport.h, shown, with helpers that talk to an edit window in messages and
// drive it with scripted input.

#include <utility>

#include "platform/ui/native/Edit.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {

class EditTest : public UiTest {
 protected:
  // A TEdit on the shown host at (10, 10), 150 wide, without border.
  TEdit& NewEdit(const String& AText = "");
  // Gives the control's window the focus and handles what follows.
  void Focus(TWinControl& AControl);
  LRESULT Send(TWinControl& AControl, UINT AMsg, WPARAM AWParam = 0, LPARAM ALParam = 0);
  // EM_GETSEL: selection start and end.
  std::pair<int, int> Selection(TWinControl& AControl);
  // EM_POSFROMCHAR: where a position is drawn, in the control's client coordinates.
  TPoint PositionPoint(TWinControl& AControl, int APos);
  // The screen point in the middle of the line at the left edge of character APos.
  TPoint ScreenPointOf(TWinControl& AControl, int APos);
  // Key strokes with modifiers, then the queue handled.
  void Keys(std::initializer_list<std::pair<UINT, UINT>> AStrokes);
  String ClipboardText();
  void SetClipboardText(const String& AText);
};

}  // namespace ui_test
