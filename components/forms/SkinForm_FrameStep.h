// One step of a frame strip that plays forward while its object is active and back
// while it is not (captions, menu-bar items).

#pragma once

// Moves ACurrentFrame one frame on: up to one past AFrameCount while active, down to 0
// otherwise. False when it has arrived and nothing moved.
inline bool StepFrameAnimation(int& ACurrentFrame, int AFrameCount, bool AActive) {
  if (AActive && ACurrentFrame <= AFrameCount)
    ++ACurrentFrame;
  else if (!AActive && ACurrentFrame > 0)
    --ACurrentFrame;
  else
    return false;
  return true;
}
