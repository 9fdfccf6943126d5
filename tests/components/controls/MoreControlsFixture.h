#pragma once
// The skinned-control fixture (SkinCtrlsTestSupport.h) with what the label, link,
// frame, expanding-panel and splitter tests add: screen points of the host, the
// virtual clock, and colour counts over an area.

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
};

}  // namespace more_controls_test
