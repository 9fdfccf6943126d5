#pragma once
// System-wide hot keys. User-interface thread only.

#include <vector>

#include "platform/win/WindowTypes.h"

constexpr UINT MOD_ALT = 0x0001;
constexpr UINT MOD_CONTROL = 0x0002;
constexpr UINT MOD_SHIFT = 0x0004;
constexpr UINT MOD_WIN = 0x0008;

// Registers the key AVirtualKey with the modifiers AModifiers (MOD_*) as hot key AId
// of AWindow (nullptr: of the thread). When the backend reports it, WM_HOTKEY is posted
// to the window (wParam AId, lParam MAKELPARAM(AModifiers, AVirtualKey)). Fails when
// another registration holds the same keys.
bool RegisterHotKey(HWND AWindow, int AId, UINT AModifiers, UINT AVirtualKey);
// Removes hot key AId of AWindow; false when there is none. A window's hot keys go
// with it when it is destroyed.
bool UnregisterHotKey(HWND AWindow, int AId);

// A registration, as a backend that grabs the keys on the desktop reads them.
struct THotKey {
  HWND Window = nullptr;
  int Id = 0;
  UINT Modifiers = 0;
  UINT VirtualKey = 0;
};
const std::vector<THotKey>& RegisteredHotKeys();
