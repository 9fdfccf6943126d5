#pragma once
// The skinned-control fixture (SkinCtrlsTestSupport.h) with what the label, link,
// frame, expanding-panel and splitter tests add: screen points of the host, the
// virtual clock, colour counts over an area, and the item pictures of the list views.

#include <string>

#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace more_controls_test {

class MoreControlsTest : public skin_controls_test::SkinControlsTest {
 protected:
  // The screen point of a host client point (the host stands at (100, 100)).
  TPoint OnHost(int AX, int AY) const { return {100 + AX, 100 + AY}; }
  // Moves the virtual clock, running the timers due on the way.
  void AdvanceClock(uint32_t AMilliseconds) { Headless().AdvanceClock(AMilliseconds); }
  // How many host pixels of AArea show AColor.
  int CountIn(const TRect& AArea, TColor AColor);
  // The smallest rectangle holding the host pixels of AArea that show AColor; an
  // empty rectangle when none does.
  TRect BoundsOf(const TRect& AArea, TColor AColor);
  // A "listbox" element whose focused item picture is AFocus and whose selected one
  // without focus AActive, both 20 × 10 with white text in (2, 2, 18, 8).
  void AddItemsElement(TColor AFocus, TColor AActive);
};

}  // namespace more_controls_test
