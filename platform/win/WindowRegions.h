#pragma once
// Window regions: the shape of a window. User-interface thread only.
//
// A window region (window coordinates) cuts the window rectangle: drawing reaches only
// the pixels inside it, and so does the pointer (WindowFromPoint), so that a click on
// a cut-away part reaches the window below. The backend shows a top-level window in
// its shape.

#include "platform/gdi/Regions.h"
#include "platform/win/WindowTypes.h"

// Gives the window the region ARegion (window coordinates; nullptr: none, the whole
// rectangle counts again). The window owns the region from then on and frees it when
// it is replaced or the window goes; the caller must neither use nor free it. With
// ARedraw the window repaints whole, and a child's parent repaints what the new shape
// uncovered. False for a dead window (ARegion then stays the caller's).
bool SetWindowRgn(HWND AWindow, HRGN ARegion, bool ARedraw);
// Copies the window region into ARegion and returns its kind; ERROR when the window
// has none, for a dead window and for a null ARegion.
int GetWindowRgn(HWND AWindow, HRGN ARegion);
