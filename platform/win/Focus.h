#pragma once
// Keyboard focus and activation. User-interface thread only.
//
// The active window is the top-level window the user works in; the focus window (the
// active window or one of its descendants) receives the keys. Activation changes come
// in this order: the window losing activation receives WM_NCACTIVATE(FALSE) and
// WM_ACTIVATE(WA_INACTIVE, lParam the window gaining it); when the program comes to the
// foreground, every top-level window receives WM_ACTIVATEAPP(TRUE); the window gaining
// activation receives WM_NCACTIVATE(TRUE) and WM_ACTIVATE(WA_ACTIVE or WA_CLICKACTIVE,
// lParam the window losing it), whose default handling gives it the focus (the old
// focus window receives WM_KILLFOCUS, the new one WM_SETFOCUS). When the program
// leaves the foreground: WM_NCACTIVATE(FALSE), WM_ACTIVATE(WA_INACTIVE, 0),
// WM_ACTIVATEAPP(FALSE) to every top-level window, WM_KILLFOCUS.
//
// Hiding the active window activates another (its owner, else the topmost visible,
// enabled top-level window that is neither a tool window nor WS_EX_NOACTIVATE), or
// the program leaves the foreground when there is none; hiding a child that holds the
// focus gives the focus to its parent; disabling a window takes the focus away from it
// and its descendants (SetFocus(nullptr)). Disabled windows are never activated and
// never take the focus.

#include "platform/win/WindowTypes.h"

// Sent to every top-level window when the program comes to the foreground (wParam
// TRUE) or leaves it (FALSE); lParam is 0, the other program being unknown.

// Gives AWindow the keyboard focus, activating its top-level window first when that
// is not active; nullptr takes the focus away (the window losing it receives
// WM_KILLFOCUS). Returns the window that had the focus, nullptr on failure (a dead,
// disabled or minimized window or one inside a disabled or minimized window).
HWND SetFocus(HWND AWindow);
HWND GetFocus();
// Activates a top-level window (nullptr: the program leaves the foreground) and
// returns the window that was active; nullptr when AWindow cannot be activated (dead,
// a child, disabled).
HWND SetActiveWindow(HWND AWindow);
// The active window; nullptr while the program is not in the foreground.
HWND GetActiveWindow();
// The program has one user-interface thread, so the foreground window is its active
// window: SetForegroundWindow activates AWindow and GetForegroundWindow gives the active
// window.
bool SetForegroundWindow(HWND AWindow);
HWND GetForegroundWindow();
