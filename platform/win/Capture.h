#pragma once
// Pointer capture. User-interface thread only.
//
// While a window holds the capture, every pointer message goes to it as a client-area
// message (WM_MOUSEMOVE, WM_LBUTTONUP, ...) in its client coordinates, also when the
// pointer is outside it or outside every window of the program; no WM_NCHITTEST and no
// WM_SETCURSOR are sent meanwhile. The backend keeps pointer events coming while a
// window holds the capture (TWindowBackend::GrabPointer).

#include "platform/win/WindowTypes.h"

// Gives the capture to AWindow and returns the window that held it before (nullptr
// when none). A window losing the capture to another receives WM_CAPTURECHANGED
// (lParam the new holder). A dead handle changes nothing and gives nullptr.
HWND SetCapture(HWND AWindow);
// Ends the capture: the holder receives WM_CAPTURECHANGED (lParam 0), and then the
// pointer is looked at afresh, as after a motion, so that the window now under it sets
// its cursor and receives a WM_MOUSEMOVE (or WM_NCMOUSEMOVE). True also when no window
// held the capture.
bool ReleaseCapture();
// The window holding the capture, or nullptr.
HWND GetCapture();
