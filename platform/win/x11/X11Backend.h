#pragma once
// The x11 backend: each top-level window of the program is an undecorated X11 window
// covering its whole window rectangle, showing the picture the shared code composed
// (frame, client area and children are all drawn by the program); input from the X
// server comes back through the entry points of BackendEvents.h.
//
//   - Popups that never take the focus (captionless WS_POPUP tool windows and
//     WS_EX_NOACTIVATE windows: menus, hints, drop-down lists) are override-redirect
//     windows; all others are managed by the window manager, without its decorations.
//   - Pictures go to the server with MIT-SHM when the server offers it (and the
//     options allow it), else with XPutImage; the server keeps a copy of each window's
//     picture for exposures.
//   - Window regions become the window's bounding and input shapes; layered windows get
//     per-pixel alpha through an ARGB visual when a compositor runs.
//   - Keys go through the input method (Xutf8LookupString); hot keys are key grabs on
//     the root window; the clipboard is the CLIPBOARD selection; files arrive by XDND.
//   - X errors never end the program: each one makes the request that caused it fail
//     (calls that must know check for it). A lost connection to the display ends the
//     program with a message on standard error.
//
// Threads: the X connection is used on the user-interface thread only; ClockMs and
// WakeUp may be called from any thread (WakeUp writes to a pipe that the wait watches).

#include <memory>

#include "platform/win/Backend.h"

struct TX11Options {
  // Present pictures through shared memory when the server offers MIT-SHM.
  bool UseSharedMemory = true;
};

struct TX11Display;

class TX11Backend final : public TWindowBackend {
 public:
  // Opens the display DISPLAY names. Raises Exception when it cannot be opened or
  // offers no 24-bit true-colour visual. Xlib's text calls and the input method work in
  // the locale's character set: the process's LC_CTYPE becomes the environment's when
  // that is UTF-8, else C.UTF-8.
  explicit TX11Backend(const TX11Options& AOptions = {});
  ~TX11Backend() override;

  String Name() const override { return "x11"; }

  // Real time: milliseconds of the steady clock.
  uint64_t ClockMs() const override;
  // Reads the events the server sent and delivers them in order, but an input event
  // only once the input messages of the one before were taken off the queue (see
  // InputMessagesInternal.h); the rest wait in the backend meanwhile.
  bool DeliverPendingEvents() override;
  void WaitForEvents(int64_t ATimeoutMs) override;
  void WakeUp() override;

  void TopLevelCreated(HWND AWindow, const TRect& AWindowRect, DWORD AStyle, DWORD AExStyle) override;
  void TopLevelDestroyed(HWND AWindow) override;
  // Maps the window, or iconifies it when the shared code shows it minimized.
  void TopLevelShown(HWND AWindow) override;
  void TopLevelHidden(HWND AWindow) override;
  void TopLevelMoved(HWND AWindow, const TRect& AWindowRect) override;
  void TopLevelsRestacked(const std::vector<HWND>& ATopToBottom) override;
  void TopLevelStyleChanged(HWND AWindow, DWORD AStyle, DWORD AExStyle) override;
  void TopLevelTextChanged(HWND AWindow, const String& AText) override;
  void TopLevelActivated(HWND AWindow) override;

  void TopLevelRegionChanged(HWND AWindow, const TRegion* ARegion) override;
  void PresentImage(HWND AWindow, const TPixelView& AImage, const TRect& ADirty) override;
  // True while a compositor owns _NET_WM_CM_S<screen> and the server has an ARGB visual.
  bool CanShowPerPixelAlpha() const override;
  void TopLevelAlphaChanged(HWND AWindow, BYTE AConstantAlpha, bool APerPixelAlpha) override;

  void SetCursorShape(HCURSOR ACursor) override;
  void SetPointerPosition(const TPoint& APosition) override;
  void GrabPointer(HWND AWindow) override;
  void ReleasePointerGrab() override;

  bool GrabHotKey(UINT AModifiers, UINT AVirtualKey) override;
  void ReleaseHotKey(UINT AModifiers, UINT AVirtualKey) override;

  void OfferClipboardText(const std::optional<String>& AText) override;
  // Asks the clipboard's owner for UTF8_STRING and waits up to two seconds for it.
  bool ReadForeignClipboardText(std::optional<String>& AText) override;
  void Beep() override;

  // From XRandR's monitors, with the work area _NET_WORKAREA gives (the whole monitor
  // without it).
  std::vector<TMonitorDescription> Monitors() const override;

  // The freedesktop system tray (X11Tray.cpp).
  bool DockTrayIcon(int AIcon, const TPixelImage& AImage, const String& ATip) override;
  void UpdateTrayIcon(int AIcon, const TPixelImage& AImage, const String& ATip) override;
  void UndockTrayIcon(int AIcon) override;

  // For the benchmark and the tests: whether pictures go through MIT-SHM, and a wait
  // until the server has handled every request made so far (what was presented is on
  // the screen then).
  bool UsesSharedMemory() const;
  void Synchronize();

 private:
  std::unique_ptr<TX11Display> FX;
};
