#pragma once
// The rules that the push button and the speed button share: a press puts an up button
// down and, by its mode, clicks at once (toggle, group) or starts the repeat; moving
// while down follows the pointer in and out; a release over the button raises it and
// clicks, a release elsewhere raises it silently; the frame animation, the repeat and
// the cross-fade between the normal and the hot look run on the button's timers. Both
// classes befriend these rules. A click may free the button: nothing of it is touched
// after a click it did not survive. User-interface thread.

#include <memory>

#include "components/controls/SkinCtrls_FadeInternal.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/Timer.h"

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

  // The pointer has come in: a down button shows its pressed look at once, an up one
  // starts its animation and fades to its hot look.
  static void ShowHot(TButton& AButton) {
    if (AButton.FDown) {
      if (AButton.MorphApplies()) AButton.FMorphKf = 1;
      AButton.Repaint();
    } else {
      AButton.StartAnimation(true);
      AButton.MorphOrRepaint();
    }
  }

  // Returns whether the button is still there.
  static bool Release(TButton& AButton) {
    AButton.FMouseDown = false;
    const TLiveToken Alive = AButton.FLive.Token();
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
    return static_cast<bool>(Alive);
  }
};

// The frame animation and the auto-repeat both buttons run on timers of their own (made
// on first use, owned by the button): the animation steps CurrentFrame through the strip
// every AnimateInterval ms, forward from the first frame or back from the last, and
// stops past either end; the repeat clicks every RepeatInterval ms after a first,
// longer wait.
template <class TButton>
struct TspButtonTimerRules {
  static void StartAnimation(TButton& AButton, bool AForward) {
    AButton.StopAnimation();
    if (!AButton.AnimationCanRun()) return;
    AButton.AnimateInc = AForward;
    AButton.CurrentFrame = AForward ? 1 : AButton.FrameCount;
    if (!AButton.AnimateTimer) {
      AButton.AnimateTimer = new TTimer(&AButton);
      AButton.AnimateTimer->OnTimer = [Button = &AButton](TObject*) { AnimationTick(*Button); };
    }
    AButton.AnimateTimer->SetInterval(
        static_cast<UINT>(AButton.AnimateInterval > 0 ? AButton.AnimateInterval : 0));
    AButton.AnimateTimer->SetEnabled(true);
  }

  // The last frame shown gives way to the picture of the state the button is in.
  static void StopAnimation(TButton& AButton) {
    const bool Running = AButton.AnimateTimer && AButton.AnimateTimer->Enabled();
    AButton.CurrentFrame = 0;
    if (!Running) return;
    AButton.AnimateTimer->SetEnabled(false);
    AButton.Repaint();
  }

  static void AnimationTick(TButton& AButton) {
    AButton.CurrentFrame += AButton.AnimateInc ? 1 : -1;
    if (AButton.CurrentFrame > AButton.FrameCount || AButton.CurrentFrame <= 0)
      AButton.StopAnimation();
    else
      AButton.Repaint();
  }

  // The running animation's frame stands for the hot picture going forward and for the
  // normal one going back, also in the cross-fade between the two.
  static TRect HotSource(const TButton& AButton) {
    return AButton.Animating() && AButton.AnimateInc ? CurrentAnimationFrame(AButton)
                                                     : AButton.ActiveSkinRect;
  }
  static TRect NormalSource(const TButton& AButton) {
    return AButton.Animating() && !AButton.AnimateInc ? CurrentAnimationFrame(AButton) : AButton.SkinRect;
  }
  static TRect CurrentAnimationFrame(const TButton& AButton) {
    return ButtonAnimationFrame(AButton.AnimateSkinRect, AButton.SkinRect, AButton.FrameCount,
                                AButton.CurrentFrame);
  }

  static void StartRepeat(TButton& AButton, UINT AFirstWait) {
    if (!AButton.RepeatTimer) {
      AButton.RepeatTimer = new TTimer(&AButton);
      AButton.RepeatTimer->OnTimer = [Button = &AButton](TObject*) { RepeatTick(*Button); };
    }
    AButton.FRepeatWaiting = true;
    AButton.RepeatTimer->SetInterval(AFirstWait);
    AButton.RepeatTimer->SetEnabled(true);
  }

  static void RepeatTick(TButton& AButton) {
    if (AButton.FRepeatWaiting) {
      AButton.FRepeatWaiting = false;
      AButton.RepeatTimer->SetInterval(
          static_cast<UINT>(AButton.RepeatInterval > 0 ? AButton.RepeatInterval : 0));
      return;
    }
    AButton.ButtonClick();
  }

  static void StopRepeat(TButton& AButton) {
    if (AButton.RepeatTimer) AButton.RepeatTimer->SetEnabled(false);
  }

  // One 20 ms step of the cross-fade toward the hot look (AHot) or back; a button
  // without an element or without fading jumps there and stops the timer.
  static void MorphTick(TButton& AButton, bool AHot) {
    if (AButton.FIndex == -1 || !AButton.MorphApplies()) {
      AButton.FMorphKf = AHot ? 1 : 0;
      AButton.MorphTimer->SetEnabled(false);
      return;
    }
    if (!StepFade(AButton.FMorphKf, AHot)) AButton.MorphTimer->SetEnabled(false);
    AButton.Repaint();
  }
};
