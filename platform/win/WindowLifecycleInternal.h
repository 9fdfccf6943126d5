#pragma once
// Internal calls shared by window creation and destruction (platform/win only).

#include "platform/win/WindowTypes.h"

// Sends WM_PARENTNOTIFY(AEvent) up the chain of parents of a child window: each
// ancestor hears of the child below it (its identifier in the high word of wParam, its
// handle in lParam), stopping at a window that is not a child or has
// WS_EX_NOPARENTNOTIFY, and below the desktop.
void SendParentNotify(HWND AWindow, UINT AEvent);
// Sends a window its first WM_SIZE and WM_MOVE (the client size and position as they
// are now).
void SendInitialSizeMessages(HWND AWindow);
