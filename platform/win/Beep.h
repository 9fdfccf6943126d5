#pragma once
// The system beep. User-interface thread only.

#include "platform/win/WindowTypes.h"

// Sounds the beep of the given kind (0: the default beep) through the backend: the
// desktop's bell under x11, silence under the headless backend. The window system
// counts the beeps.
bool MessageBeep(UINT AType);
// How many beeps sounded since the program started, so that tests can see a
// refused key.
int MessageBeepCount();
