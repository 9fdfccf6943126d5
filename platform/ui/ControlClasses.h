#pragma once
// The window classes of the native-control stand-ins: each registers once, on first
// use, with double clicks, its procedure, its cursor and (for the few that fill their
// background themselves) a background brush. User-interface thread only.

#include "platform/win/Windows.h"

void RegisterControlClass(const char* AClassName, WNDPROC AProcedure, LPCSTR ACursor,
                          HBRUSH ABackground = nullptr);
