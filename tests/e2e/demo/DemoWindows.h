#pragma once
// The demonstration windows of the end-to-end tests, built on the window system
// directly and the same on every backend: a main window with a caption that accepts
// dropped files and owns the hot key Ctrl+Alt+P, a popup that never takes the focus,
// and a window with a hole in its region above another window. Each window logs the
// messages a user's input causes, one line each ("main:WM_LBUTTONDOWN 50,40"), so that
// the logs of two backends can be compared line by line.
//
// User-interface thread only; the window system must be started.

#include <functional>
#include <string>

#include "platform/win/Windows.h"

namespace e2e {

// Where the windows are, in screen coordinates; none covers the middle of the screen,
// where the pointer of a fresh X server stands.
constexpr TRect MainBounds = Bounds(60, 60, 420, 300);
constexpr TRect PopupBounds = Bounds(820, 60, 180, 140);
constexpr TRect BelowBounds = Bounds(60, 470, 320, 220);
constexpr TRect CutBounds = Bounds(160, 520, 320, 220);
// The hole in the region of the cut window, in its window coordinates.
constexpr TRect CutHole = Bounds(40, 30, 140, 100);
constexpr int HotKeyId = 7;

struct TDemoWindows {
  HWND Main = nullptr;
  HWND Popup = nullptr;
  HWND Below = nullptr;
  HWND Cut = nullptr;
  // Whether RegisterHotKey took Ctrl+Alt+P.
  bool HotKeyRegistered = false;
};

// Creates and shows the windows (the main window last, so that it is active) and
// registers the hot key; every log line goes to AEmit.
TDemoWindows CreateDemoWindows(std::function<void(const std::string&)> AEmit);

// A point on the main window's caption.
TPoint CaptionPoint();
// A point of the main window's client area, in screen coordinates.
TPoint MainClientPoint(int AX, int AY);
// A point inside the popup, and one in the hole of the cut window.
TPoint PopupPoint();
TPoint HolePoint();

}  // namespace e2e
