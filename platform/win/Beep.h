#pragma once
// The system beep. User-interface thread only.

#include "platform/win/WindowTypes.h"

// Sounds the beep of the given kind (0: the default beep). The window system counts
// the beeps; the sound itself is the desktop's business, and the headless backend is
// silent.
bool MessageBeep(UINT AType);
// How many beeps sounded since the program started, so that tests can see a
// refused key.
int MessageBeepCount();
