#pragma once
// A page control that draws what the tab-control stand-in lays out, as plainly as can
// be: every tab's rectangle with its caption (the selected one white) and a frame
// around the display rectangle. The stand-in itself never paints; the skinned page
// control draws the real thing the same way, from the same rectangles. For
// demonstration pictures in tests. User-interface thread only.

#include "platform/ui/native/PageControl.h"

namespace testing_support {

class TOutlinedPageControl : public TPageControl {
 public:
  using TPageControl::TPageControl;

 protected:
  void PaintWindow(HDC ADC) override;
};

}  // namespace testing_support
