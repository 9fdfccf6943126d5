#pragma once
// The cross-fade of the buttons and boxes of this folder between their normal (0) and
// hot (1) picture: 0.2 a tick of a 20 ms timer, clamped to 0..1.

#include <algorithm>
#include <functional>

#include "platform/ui/Timer.h"

constexpr UINT FadeTickInterval = 20;

// One tick toward 1 (AHot) or 0; false once the factor stands at its end, which it
// then holds exactly.
inline bool StepFade(double& AKf, bool AHot) {
  if (AHot && AKf < 1) {
    AKf = std::min(1.0, AKf + 0.2);
    return true;
  }
  if (!AHot && AKf > 0) {
    AKf = std::max(0.0, AKf - 0.2);
    return true;
  }
  AKf = AHot ? 1.0 : 0.0;
  return false;
}

// Starts ATimer (made on first use, owned by AOwner) unless it runs. A finished timer
// is disabled rather than freed: it may finish from inside its own tick.
inline void StartFadeTimer(TTimer*& ATimer, TComponent* AOwner, std::function<void()> ATick) {
  if (!ATimer) ATimer = NewDisabledTimer(AOwner, FadeTickInterval, std::move(ATick));
  if (!ATimer->Enabled()) ATimer->SetEnabled(true);
}

inline bool FadeTimerRunning(const TTimer* ATimer) { return ATimer && ATimer->Enabled(); }
