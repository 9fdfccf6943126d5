#pragma once
// Position, size, stacking and show state of windows, coordinate mapping and finding
// the window at a point. User-interface thread only.
//
// Stacking rules: WS_EX_TOPMOST top-level windows stay above the others; an owned
// window stays above its owner, and raising an owner raises the windows it owns with it
// (unless SWP_NOOWNERZORDER); making a window topmost or not topmost does the same to
// the windows it owns.

#include "platform/gdi/Geometry.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTypes.h"

// Moves, sizes, restacks, shows or hides a window. The window procedure receives
// WM_WINDOWPOSCHANGING (unless SWP_NOSENDCHANGING; it may edit the WINDOWPOS),
// WM_NCCALCSIZE when the size changes or with SWP_FRAMECHANGED, and
// WM_WINDOWPOSCHANGED, whose default handling sends WM_MOVE and WM_SIZE. Showing a
// top-level window without SWP_NOACTIVATE activates it. AX, AY are in the parent's
// client area.
bool SetWindowPos(HWND AWindow, HWND AInsertAfter, int AX, int AY, int AWidth, int AHeight, UINT AFlags);
// SetWindowPos without a change of z-order; ARepaint false adds SWP_NOREDRAW.
bool MoveWindow(HWND AWindow, int AX, int AY, int AWidth, int AHeight, bool ARepaint);
// Shows, hides, minimizes, maximizes or restores a window (SW_*); WM_SHOWWINDOW comes
// first when the visibility changes. Maximizing asks WM_GETMINMAXINFO for the maximized
// bounds. Returns whether the window was visible before.
bool ShowWindow(HWND AWindow, int ACommand);
// Raises a window to the top of its siblings (and activates a top-level one).
bool BringWindowToTop(HWND AWindow);
bool IsIconic(HWND AWindow);
bool IsZoomed(HWND AWindow);

// The window rectangle in screen coordinates.
bool GetWindowRect(HWND AWindow, RECT* ARect);
// The client rectangle in client coordinates: (0, 0, width, height).
bool GetClientRect(HWND AWindow, RECT* ARect);
bool ClientToScreen(HWND AWindow, POINT* APoint);
bool ScreenToClient(HWND AWindow, POINT* APoint);
// Maps points from the client area of AFrom to that of ATo (nullptr: the screen).
// Returns the horizontal move in the low word and the vertical move in the high word,
// or 0 for a dead window.
int MapWindowPoints(HWND AFrom, HWND ATo, POINT* APoints, UINT ACount);

// The deepest visible window under the screen point, as the pointer would find it:
// top-level windows in stacking order, then children in z-order, each taken only when
// the point lies in its window rectangle and in its window region. Children of a
// disabled or minimized window are not searched. Layered windows with
// WS_EX_TRANSPARENT are passed over, and so is a window that answers WM_NCHITTEST with
// HTTRANSPARENT: the search goes on with the windows below it. nullptr when no window
// of the program lies there.
HWND WindowFromPoint(POINT APoint);

// ChildWindowFromPointEx flags.
constexpr UINT CWP_ALL = 0x0000;
constexpr UINT CWP_SKIPINVISIBLE = 0x0001;
constexpr UINT CWP_SKIPDISABLED = 0x0002;
constexpr UINT CWP_SKIPTRANSPARENT = 0x0004;

// The topmost immediate child of AParent under APoint (in AParent's client
// coordinates), AParent itself when no child lies there, nullptr when the point lies
// outside AParent. Window regions count; WM_NCHITTEST is not asked.
HWND ChildWindowFromPointEx(HWND AParent, POINT APoint, UINT AFlags);
HWND ChildWindowFromPoint(HWND AParent, POINT APoint);
