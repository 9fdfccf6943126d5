#pragma once
// Internal calls of placement and stacking (platform/win only).

#include "platform/gdi/Geometry.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowTypes.h"

// Whether the window's size is held within its tracking limits (WM_GETMINMAXINFO) when
// it is created and when it is sized: sizeable and overlapped windows.
bool HasTrackingLimits(DWORD AStyle);
// Sends WM_GETMINMAXINFO with the defaults filled in and returns the answer, its
// ptMaxPosition turned into the parent's client coordinates.
MINMAXINFO QueryMinMaxInfo(HWND AWindow);
// Sets the minimized / maximized style bits for a ShowWindow command and gives the
// window rectangle (parent client coordinates) the window takes. Returns the
// SetWindowPos flags that go with it: SWP_STATECHANGED when the state changed, 0 when
// the command leaves the state alone.
UINT ChangeShowState(HWND AWindow, int ACommand, TRect& ANewRect);
// Enters a new window among AParent's children: at the top, below the topmost windows
// unless it is topmost itself.
void InsertNewWindow(TWindow& AWindow, TWindow& AParent);
// Restacks a window for SetWindowPos (AInsertAfter is HWND_TOP, HWND_BOTTOM,
// HWND_TOPMOST, HWND_NOTOPMOST or a sibling), with its owned windows unless
// SWP_NOOWNERZORDER. Returns whether any order or topmost state changed.
bool RestackWindow(TWindow& AWindow, HWND AInsertAfter, UINT AFlags);
