#pragma once
// How the painting part and the input part of the window system plug into its core
// (internal to platform/win).
//
// The core owns the window tree, messages, geometry and timers. The other two parts
// add behaviour at fixed points, through one table, TWindowSystemExtensions, which
// each part fills in its install function:
//
//   InstallCoreExtensions      DefWindowProcCore.cpp     (the core's defaults)
//   InstallPaintingExtensions  PaintingExtensions.cpp    (painting, non-client area,
//                                                          regions, layered windows)
//   InstallInputExtensions     InputExtensions.cpp       (focus, activation, capture,
//                                                          keyboard, mouse, cursors,
//                                                          clipboard, file drop)
//
// They run once per process, in that order, on first use of the table. DefWindowProc looks the
// message up in DefaultHandlers and calls the handler found there (0 when none): a part
// takes over a message by setting its handler, and may keep the handler it replaces to
// pass on what it does not handle itself (SetDefaultHandler returns it). The event
// lists are called in the order the parts added to them.
//
// Everything here runs on the user-interface thread.

#include <array>
#include <functional>
#include <vector>

#include "platform/gdi/Geometry.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowTypes.h"

using TDefaultMessageHandler = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// What SetWindowPos changed, for WindowPosChanged.
struct TWindowPosChange {
  // The final flags, SWP_NOCLIENTSIZE, SWP_NOCLIENTMOVE and SWP_STATECHANGED included.
  UINT Flags = 0;
  // Before the change, in screen coordinates.
  TRect OldWindowRect;
  TRect OldClientRect;
  bool WasVisible = false;
  // Whether the window's place among its siblings changed.
  bool Restacked = false;
};

struct TWindowSystemExtensions {
  // DefWindowProc's handler of each system message (below WM_USER).
  std::array<TDefaultMessageHandler, WM_USER> DefaultHandlers{};

  // Sets the handler of AMessage (below WM_USER) and returns the one it replaces.
  TDefaultMessageHandler SetDefaultHandler(UINT AMessage, TDefaultMessageHandler AHandler);

  // Painting: fills AMessage with the next WM_PAINT for AWindow or one of its
  // descendants (AWindow nullptr: any window) and returns true, when such a window
  // needs painting. The queue asks when no posted message matches, before timers.
  std::function<bool(HWND AWindow, MSG& AMessage)> NextPaintMessage;

  // Input: the pointer position in screen coordinates, for MSG.pt of posted messages.
  std::function<POINT()> PointerPosition;
  // Input: TranslateMessage.
  std::function<bool(const MSG& AMessage)> TranslateMessage;
  // Input: activate the top-level window AWindow. SetWindowPos calls it for a visible
  // top-level window unless SWP_NOACTIVATE, after the change and before
  // WM_WINDOWPOSCHANGED.
  std::function<void(HWND AWindow)> ActivateWindow;

  // A window's position, size, stacking or visibility changed (SetWindowPos, after the
  // change, before activation and WM_WINDOWPOSCHANGED).
  std::vector<std::function<void(HWND AWindow, const TWindowPosChange& AChange)>> WindowPosChanged;
  // A window was hidden by ShowWindow or SetWindowPos, after WM_WINDOWPOSCHANGED (the
  // input part moves activation and focus away from it).
  std::vector<std::function<void(HWND AWindow)>> WindowHidden;
  // SetWindowLong changed GWL_STYLE or GWL_EXSTYLE (after WM_STYLECHANGED).
  std::vector<std::function<void(HWND AWindow, int AIndex, DWORD AOldStyle, DWORD ANewStyle)>> StyleChanged;
  // A window is being destroyed: called for every destroyed window, children before
  // parents, just before its WM_NCDESTROY. The parts release what they hold for it
  // (capture, focus, activation, hover, surfaces).
  std::vector<std::function<void(HWND AWindow)>> WindowDestroying;
};

// The table, built on first use by the three install functions.
TWindowSystemExtensions& Extensions();

void InstallCoreExtensions(TWindowSystemExtensions& AExtensions);
void InstallPaintingExtensions(TWindowSystemExtensions& AExtensions);
void InstallInputExtensions(TWindowSystemExtensions& AExtensions);
