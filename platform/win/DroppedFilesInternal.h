#pragma once
// Drops of destroyed windows (internal to platform/win).

#include "platform/win/WindowTypes.h"

// Frees the unfinished drops a window being destroyed received.
void ForgetDropsOf(HWND AWindow);
