#pragma once
// Pointer handling shared by the files of the input part (internal to platform/win).
// User-interface thread.

#include "platform/gdi/Geometry.h"
#include "platform/win/WindowTypes.h"

// Looks at the pointer at APosition as after a motion: leave messages for the window it
// left, WM_SETCURSOR and WM_MOUSEMOVE (or WM_NCMOUSEMOVE) for the window it is over,
// or WM_MOUSEMOVE to the capture window. A motion that does not move the pointer is
// dropped unless AForce.
void RoutePointerMotion(const TPoint& APosition, bool AForce);
// The pointer is now over AWindow (nullptr: none of the program's windows), in its
// client area or not: a window tracking the leave of the part the pointer left gets
// its WM_MOUSELEAVE or WM_NCMOUSELEAVE.
void UpdateHover(HWND AWindow, bool AInClient);
