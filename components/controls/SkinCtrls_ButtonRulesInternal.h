#pragma once
// The press, move and release rules that the push button and the speed button share:
// a press puts an up button down and, by its mode, clicks at once (toggle, group) or
// starts the repeat; moving while down follows the pointer in and out; a release over
// the button raises it and clicks, a release elsewhere raises it silently. Both classes
// befriend these rules. A click may free the button: nothing of it is touched after a
// click it did not survive. User-interface thread.

#include <memory>

#include "platform/ui/ControlMessages.h"

template <class TButton>
struct TspButtonMouseRules {
  static void Press(TButton& AButton) {
    if (AButton.AnimationCanRun()) AButton.StopAnimation();
    AButton.FMouseDown = true;
    if (AButton.FDown) {
      if (AButton.FGroupIndex != 0) AButton.FAllowAllUpCheck = true;
      return;
    }
    AButton.FMouseIn = true;
    AButton.SetDown(true);
    AButton.FAllowAllUpCheck = false;
    if (AButton.FCheckedMode) {
      AButton.FStopMouseUp = true;
      AButton.ButtonClick();
    } else if (AButton.RepeatMode && AButton.FGroupIndex == 0) {
      AButton.StartRepeat();
    } else if (AButton.FGroupIndex != 0) {
      AButton.ButtonClick();
    }
  }

  static void Move(TButton& AButton, int AX, int AY) {
    if (!AButton.FDown) return;
    const bool Inside = AX >= 0 && AY >= 0 && AX <= AButton.Width() && AY <= AButton.Height();
    if (!Inside && AButton.FMouseIn) AButton.Perform(CM_MOUSELEAVE, 0, 0);
    if (Inside && !AButton.FMouseIn) AButton.Perform(CM_MOUSEENTER, 0, 0);
  }

  // Returns whether the button is still there.
  static bool Release(TButton& AButton) {
    AButton.FMouseDown = false;
    const std::weak_ptr<bool> Alive = AButton.FAlive;
    if (AButton.FCheckedMode) {
      if (AButton.FStopMouseUp) {
        AButton.FStopMouseUp = false;
      } else {
        AButton.SetDown(false);
        AButton.ButtonClick();
      }
    } else if (AButton.FGroupIndex == 0) {
      const bool WasDown = AButton.FDown;
      AButton.StopRepeat();
      if (AButton.FMouseIn) {
        AButton.SetDown(false);
        if (WasDown) AButton.ButtonClick();
      } else {
        AButton.FDown = false;
      }
    } else if (AButton.FDown && AButton.AllowAllUp && AButton.FAllowAllUpCheck && AButton.FMouseIn) {
      AButton.SetDown(false);
      AButton.ButtonClick();
    }
    return !Alive.expired();
  }
};
