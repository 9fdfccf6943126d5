#pragma once
// The default frame of a window by its styles: what DefWindowProc's WM_NCCALCSIZE takes
// off the window rectangle, and the border width that maximized windows push off the
// screen (platform/win only).

#include "platform/gdi/Geometry.h"
#include "platform/win/WindowTypes.h"

// The width of the outer frame (sizing border, dialog frame or thin border) on each
// side.
int DefaultFrameWidth(DWORD AStyle, DWORD AExStyle);
// The client rectangle that the default frame leaves of AWindowRect: the outer frame,
// the caption, a client edge and the scroll bars the styles ask for. Never inverted.
TRect DefaultClientRect(const TRect& AWindowRect, DWORD AStyle, DWORD AExStyle);
