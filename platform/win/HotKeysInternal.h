#pragma once
// Hot keys of destroyed windows (internal to platform/win).

#include "platform/win/WindowTypes.h"

void ForgetHotKeysOf(HWND AWindow);
