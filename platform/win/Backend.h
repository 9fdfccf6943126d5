#pragma once
// The backend: what shows the program's top-level windows and feeds it input. The
// window tree, stacking, clipping, hit testing, painting and dispatch are shared code;
// a backend only mirrors the top-level windows on its display and reports events.
// Backends: "headless" (in memory; every user-interface test runs on it) and "x11"
// (the desktop; X11Backend.h).
//
// Contracts, for every method: who calls it, on which thread, who owns what.
// - The shared code is the only caller, and it calls on the user-interface thread,
//   except for ClockMs and WakeUp, which any thread may call.
// - Window handles passed in are live top-level windows (children of the desktop
//   window) at the time of the call. The backend keeps no record of a window past
//   TopLevelDestroyed.
// - Pointers passed in are borrowed for the length of the call; the backend copies
//   what it wants to keep.
// - Events go the other way through the entry points of BackendEvents.h, which the
//   backend calls on the user-interface thread from within DeliverPendingEvents.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/base/Strings.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/PictureCodecs.h"
#include "platform/gdi/Region.h"
#include "platform/win/SystemFunctions.h"
#include "platform/win/WindowTypes.h"

// One monitor, in virtual-screen coordinates.
struct TMonitorDescription {
  TRect Bounds;
  TRect WorkArea;
  bool Primary = false;
  friend bool operator==(const TMonitorDescription&, const TMonitorDescription&) = default;
};

// 32-bit pixels (bytes blue, green, red, alpha; top-down rows of AStride bytes),
// borrowed for the length of a call.
struct TPixelView {
  const uint8_t* Bits = nullptr;
  int Width = 0;
  int Height = 0;
  int Stride = 0;
};

class TWindowBackend {
 public:
  virtual ~TWindowBackend() = default;

  // "headless" or "x11".
  virtual String Name() const = 0;

  // --- Clock and waiting ---

  // Milliseconds on the backend's clock, never going back. Any thread.
  virtual uint64_t ClockMs() const = 0;
  // Called by the message loop whenever it looks at the queue: delivers the events that
  // are ready through BackendEvents.h and returns whether there were any. Never blocks.
  virtual bool DeliverPendingEvents() = 0;
  // Called by the message loop when there is nothing to do: blocks, without using the
  // processor, until WakeUp is called, an event is ready, or ATimeoutMs milliseconds
  // of the backend's clock have passed (negative: no limit). A WakeUp that came after
  // the previous return makes it return at once. Delivers nothing itself.
  virtual void WaitForEvents(int64_t ATimeoutMs) = 0;
  // Ends the current or the next WaitForEvents. Any thread; called when another thread
  // posts or hands over a call.
  virtual void WakeUp() = 0;

  // --- Top-level windows (called after the shared code changed its own state) ---

  // A top-level window came into being (AWindowRect in screen coordinates; it is not
  // shown yet) or is gone.
  virtual void TopLevelCreated(HWND AWindow, const TRect& AWindowRect, DWORD AStyle, DWORD AExStyle) = 0;
  virtual void TopLevelDestroyed(HWND AWindow) = 0;
  virtual void TopLevelShown(HWND AWindow) = 0;
  virtual void TopLevelHidden(HWND AWindow) = 0;
  // The window rectangle changed (moved, sized or both).
  virtual void TopLevelMoved(HWND AWindow, const TRect& AWindowRect) = 0;
  // The stacking order of all top-level windows, the topmost first, after a change.
  virtual void TopLevelsRestacked(const std::vector<HWND>& ATopToBottom) = 0;
  // The style or extended style changed (topmost, tool window, layered, ...).
  virtual void TopLevelStyleChanged(HWND AWindow, DWORD AStyle, DWORD AExStyle) = 0;
  virtual void TopLevelTextChanged(HWND AWindow, const String& AText) = 0;
  // The shared code made AWindow the active window; the backend gives it the keyboard
  // focus of its display. Called by the input part.
  virtual void TopLevelActivated(HWND AWindow) = 0;

  // --- Pictures (called by the painting part) ---

  // The window region changed; ARegion is in window coordinates, nullptr for none.
  virtual void TopLevelRegionChanged(HWND AWindow, const TRegion* ARegion) = 0;
  // The composed picture of the whole window (frame and client); ADirty, in window
  // coordinates, is the part that changed since the last call.
  virtual void PresentImage(HWND AWindow, const TPixelView& AImage, const TRect& ADirty) = 0;
  // Whether layered windows with per-pixel alpha can be shown (a compositor runs).
  virtual bool CanShowPerPixelAlpha() const = 0;
  // The constant alpha of a layered window and whether its picture carries per-pixel
  // alpha (premultiplied).
  virtual void TopLevelAlphaChanged(HWND AWindow, BYTE AConstantAlpha, bool APerPixelAlpha) = 0;

  // --- Pointer (called by the input part) ---

  // The cursor shown over the program's windows; nullptr hides it.
  virtual void SetCursorShape(HCURSOR ACursor) = 0;
  // Moves the pointer (SetCursorPos), in screen coordinates.
  virtual void SetPointerPosition(const TPoint& APosition) = 0;
  // Keeps pointer events coming to the program while a button is held outside its
  // windows (capture), until ReleasePointerGrab.
  virtual void GrabPointer(HWND AWindow) = 0;
  virtual void ReleasePointerGrab() = 0;

  // --- Hot keys (called by the input part) ---

  // Claims the key AVirtualKey with the modifiers AModifiers (MOD_ALT, MOD_CONTROL,
  // MOD_SHIFT, MOD_WIN of HotKeys.h) on the whole desktop, so that it reaches the
  // program whichever window has the focus; the backend then calls
  // DeliverHotKey(AModifiers, AVirtualKey) when it is pressed. False when another program holds the keys or
  // the key cannot be claimed. Called once for each registration the window system
  // accepted itself: keys the program registered twice never get here.
  virtual bool GrabHotKey(UINT AModifiers, UINT AVirtualKey) = 0;
  // Gives up keys GrabHotKey claimed.
  virtual void ReleaseHotKey(UINT AModifiers, UINT AVirtualKey) = 0;

  // --- Clipboard (called by the clipboard part) ---

  // The clipboard was closed after the program changed it: the backend offers the text
  // (an empty optional: none) to other programs, and the program owns the desktop's
  // clipboard from then on.
  virtual void OfferClipboardText(const std::optional<String>& AText) = 0;
  // Whether another program's clipboard has replaced the program's own: when it has,
  // AText receives the text it offers (an empty optional when it offers none) and the
  // result is true. False, AText untouched, while the program's own text stands. May
  // wait a bounded time for the other program to answer.
  virtual bool ReadForeignClipboardText(std::optional<String>& AText) = 0;

  // --- Sound (called by MessageBeep) ---

  // Sounds the desktop's beep; the headless backend stays silent.
  virtual void Beep() = 0;

  // --- Screen ---

  // The monitors, the primary one among them; never empty.
  virtual std::vector<TMonitorDescription> Monitors() const = 0;

  // --- Notification area (called by Shell_NotifyIconW) ---

  // Docks icon AIcon (a number the shared code keeps unique) with the picture AImage and
  // the tip ATip in the desktop's tray. False when no tray runs; the shared code then
  // waits for DeliverTrayAppeared. The backends without a tray keep this default.
  virtual bool DockTrayIcon(int /*AIcon*/, const TPixelImage& /*AImage*/, const String& /*ATip*/) {
    return false;
  }
  // Changes the picture or the tip of a docked icon.
  virtual void UpdateTrayIcon(int /*AIcon*/, const TPixelImage& /*AImage*/, const String& /*ATip*/) {}
  // Takes a docked icon out of the tray.
  virtual void UndockTrayIcon(int /*AIcon*/) {}

  // --- Optional system functions (SystemFunctions.h) ---

  // Whether the desktop offers the function the program binds by name at run time.
  // Every entry is offered unless a backend says otherwise (the headless one lets tests
  // switch entries off).
  virtual bool OffersSystemEntry(TSystemEntry) const { return true; }
};

// The backend the window system runs on, started on first use (see WindowSystem.h).
// User-interface thread.
TWindowBackend& Backend();

// The backend that PELLADRIN_BACKEND names ("headless" or "x11"); without it, "x11"
// when DISPLAY is set, else "headless". Raises Exception for another name.
String SelectedBackendName();
// Makes the backend of that name ("x11" with its default options). Raises Exception
// for another name, and when the x11 backend cannot open the display.
std::unique_ptr<TWindowBackend> CreateBackend(const String& AName);
