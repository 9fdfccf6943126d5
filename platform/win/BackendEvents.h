#pragma once
// The entry points through which a backend hands events to the shared code. A backend
// calls them on the user-interface thread, from within DeliverPendingEvents (or, for
// the headless backend, from the test that injects the event). Each one turns the event
// into the window system's messages, as the system the program was designed on would
// produce them.

#include <vector>

#include "platform/base/Strings.h"
#include "platform/gdi/Geometry.h"
#include "platform/win/WindowTypes.h"

// --- Window manager events (the window-system core) ---

// The user asked to close a top-level window (its close button on the desktop): the
// window receives WM_SYSCOMMAND(SC_CLOSE), whose default handling sends WM_CLOSE.
void DeliverCloseRequest(HWND AWindow);
// The window manager moved or sized a top-level window: the window system applies the
// rectangle with SetWindowPos (SWP_NOZORDER | SWP_NOACTIVATE).
void DeliverTopLevelConfigured(HWND AWindow, const TRect& AWindowRect);
// The monitor configuration changed: every top-level window receives WM_DISPLAYCHANGE
// (wParam 32 bits per pixel, lParam the primary monitor's size).
void DeliverDisplayChanged();

// --- Input (the input part defines these) ---

// Mouse buttons of DeliverPointerButton.
enum TPointerButton { pbLeft, pbRight, pbMiddle };

// Modifier keys held during an event.
constexpr UINT PointerShift = 0x1;
constexpr UINT PointerControl = 0x2;
constexpr UINT PointerAlt = 0x4;

// The pointer moved to APosition (screen coordinates).
void DeliverPointerMotion(const TPoint& APosition, UINT AModifiers);
void DeliverPointerButton(TPointerButton AButton, bool APressed, const TPoint& APosition, UINT AModifiers);
// One wheel step is ADelta 120 (positive: away from the user).
void DeliverPointerWheel(int ADelta, const TPoint& APosition, UINT AModifiers);
// The pointer left the program's windows.
void DeliverPointerLeft();
// A key went down (repeats included) or up. AVirtualKey is a VK_ code; AText is the
// UTF-8 text the key produces (empty for none).
void DeliverKey(UINT AVirtualKey, bool APressed, const String& AText, UINT AModifiers);
// The display gave a top-level window the keyboard focus, or took it away.
void DeliverTopLevelFocus(HWND AWindow, bool AFocused);
// The keys of a registered hot key were pressed: AVirtualKey with the modifiers
// AModifiers (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN), as GrabHotKey claimed them.
void DeliverHotKey(UINT AModifiers, UINT AVirtualKey);
// Files were dropped on a window at APosition (screen coordinates).
void DeliverFilesDropped(HWND AWindow, const TPoint& APosition, const std::vector<String>& AFiles);

// --- Notification area (ShellNotifyIcon.cpp defines these) ---

// A tray came up on the desktop (also again, after one went away): every top-level
// window receives the message registered as "TaskbarCreated".
void DeliverTrayAppeared();
// The tray went away: its icons are gone.
void DeliverTrayGone();
// The user acted on docked icon AIcon: AMouseMessage is WM_MOUSEMOVE, WM_LBUTTONDOWN,
// WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, ... (the pointer position is the
// window system's, as for any other input).
void DeliverTrayIconMouse(int AIcon, UINT AMouseMessage);
