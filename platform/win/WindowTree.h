#pragma once
// Windows and their tree: creation and destruction, parent and owner, the order of
// siblings, window longs, text, visibility and enabled state. Every call runs on the
// user-interface thread only, except IsWindow, which any thread may call.
//
// Top-level windows are the children of the desktop window (GetDesktopWindow); their
// order among themselves is the stacking order of the screen. Siblings are kept in
// z-order, the topmost first: GW_CHILD and GW_HWNDFIRST give the top one.

#include <functional>

#include "platform/base/Strings.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTypes.h"

// Creates a window of a registered class. The messages come in the order of the system
// the program was designed on: WM_GETMINMAXINFO (overlapped and sizeable windows),
// WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE; WM_SIZE and WM_MOVE (child and popup windows
// now, overlapped windows when first shown); WM_PARENTNOTIFY(WM_CREATE) to the
// ancestors of a child unless WS_EX_NOPARENTNOTIFY; then, with WS_VISIBLE, the window
// is shown as ShowWindow(SW_SHOW) shows it. WM_NCCREATE answering FALSE or WM_CREATE
// answering -1 destroys the window again and gives nullptr. AWindowName and
// AClassName are UTF-8; a null window name means an empty text. For a child window,
// AMenu carries its identifier (GWL_ID). AParent is the parent of a child (WS_CHILD)
// and the owner of a top-level window.
HWND CreateWindowEx(DWORD AExStyle, const char* AClassName, const char* AWindowName, DWORD AStyle, int AX,
                    int AY, int AWidth, int AHeight, HWND AParent, HMENU AMenu, HINSTANCE AInstance,
                    void* AParam);

// Destroys the window, the windows it owns and its children: the window is hidden,
// WM_PARENTNOTIFY(WM_DESTROY) goes to the ancestors of a child, owned windows are
// destroyed, WM_DESTROY reaches the window and then its children (parents first),
// WM_NCDESTROY the children and then the window (children first). Timers, queued
// messages, capture, focus and activation of the destroyed windows are released.
// Destroying a window from its own window procedure is allowed; the handle is dead
// once DestroyWindow returns.
bool DestroyWindow(HWND AWindow);

// True while AWindow names a window that has not finished its destruction (it still is
// during WM_NCDESTROY). Any thread.
bool IsWindow(HWND AWindow);
// True when AChild is a descendant of AParent (owned windows are not descendants).
bool IsChild(HWND AParent, HWND AChild);
// The parent of a child window; the owner of a popup window; nullptr otherwise.
HWND GetParent(HWND AWindow);
// Moves AChild under ANewParent (nullptr: the desktop) at the top of its new siblings,
// keeping its position relative to the parent's client area; returns the old parent.
// A visible window is hidden for the move and shown again.
HWND SetParent(HWND AChild, HWND ANewParent);
HWND GetWindow(HWND AWindow, UINT ARelation);
// The root of the window tree, whose children are the top-level windows.
HWND GetDesktopWindow();
// Calls AEnum for every descendant of AParent (nullptr: every top-level window and its
// descendants), each window before its children, siblings in z-order, until AEnum
// returns false. Windows created during the walk are not visited; windows destroyed
// during it are skipped.
using WNDENUMPROC = std::function<bool(HWND)>;
bool EnumChildWindows(HWND AParent, const WNDENUMPROC& AEnum);
// Calls AEnum for every top-level window in z-order until it returns false.
bool EnumWindows(const WNDENUMPROC& AEnum);

// GWL_WNDPROC, GWL_STYLE, GWL_EXSTYLE, GWL_HWNDPARENT (the owner of a top-level window,
// the parent of a child), GWL_USERDATA, GWL_ID, GWL_HINSTANCE. SetWindowLong returns
// the previous value. Style changes are announced by WM_STYLECHANGING (which may
// change the new style) and WM_STYLECHANGED, and take effect on the frame only through
// SetWindowPos(SWP_FRAMECHANGED), as in the system the program was designed on.
LONG_PTR GetWindowLong(HWND AWindow, int AIndex);
LONG_PTR SetWindowLong(HWND AWindow, int AIndex, LONG_PTR AValue);
inline LONG_PTR GetWindowLongPtr(HWND AWindow, int AIndex) { return GetWindowLong(AWindow, AIndex); }
inline LONG_PTR SetWindowLongPtr(HWND AWindow, int AIndex, LONG_PTR AValue) {
  return SetWindowLong(AWindow, AIndex, AValue);
}

// The window text goes through WM_SETTEXT and WM_GETTEXT, so a window procedure may
// keep its own. Texts are UTF-8. GetWindowText copies at most AMaxCount - 1 bytes
// (never splitting a character) and returns the bytes copied.
bool SetWindowText(HWND AWindow, const char* AText);
int GetWindowText(HWND AWindow, char* AText, int AMaxCount);
int GetWindowTextLength(HWND AWindow);
// The whole text as a String.
String GetWindowText(HWND AWindow);

// True when the window and all its ancestors have WS_VISIBLE.
bool IsWindowVisible(HWND AWindow);
bool IsWindowEnabled(HWND AWindow);
// Sets or clears WS_DISABLED and sends WM_ENABLE when that changed; returns whether the
// window was disabled before.
bool EnableWindow(HWND AWindow, bool AEnable);
