#pragma once
// The headless backend: top-level windows live only in memory, time runs on a virtual
// clock that tests move forward, and everything the shared code tells the backend is
// recorded for tests to read. Every user-interface test runs on it.
//
// Test facilities run on the user-interface thread unless their comment says otherwise.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "platform/win/Backend.h"

class THeadlessBackend : public TWindowBackend {
 public:
  // The virtual clock starts here, far from 0, so that code treating a zero tick count
  // as "never" is not misled.
  static constexpr uint64_t ClockStartMs = 1000000;

  // One monitor of 1280×800 whose work area leaves a 40-pixel panel at the bottom.
  THeadlessBackend();

  String Name() const override { return "headless"; }
  uint64_t ClockMs() const override;
  bool DeliverPendingEvents() override;
  // The virtual clock does not move while the loop waits, so only WakeUp and queued
  // events end a wait here; ATimeoutMs is ignored.
  void WaitForEvents(int64_t ATimeoutMs) override;
  void WakeUp() override;

  void TopLevelCreated(HWND AWindow, const TRect& AWindowRect, DWORD AStyle, DWORD AExStyle) override;
  void TopLevelDestroyed(HWND AWindow) override;
  void TopLevelShown(HWND AWindow) override;
  void TopLevelHidden(HWND AWindow) override;
  void TopLevelMoved(HWND AWindow, const TRect& AWindowRect) override;
  void TopLevelsRestacked(const std::vector<HWND>& ATopToBottom) override;
  void TopLevelStyleChanged(HWND AWindow, DWORD AStyle, DWORD AExStyle) override;
  void TopLevelTextChanged(HWND AWindow, const String& AText) override;
  void TopLevelActivated(HWND AWindow) override;
  void TopLevelRegionChanged(HWND AWindow, const TRegion* ARegion) override;
  void PresentImage(HWND AWindow, const TPixelView& AImage, const TRect& ADirty) override;
  bool CanShowPerPixelAlpha() const override { return FPerPixelAlpha; }
  void TopLevelAlphaChanged(HWND AWindow, BYTE AConstantAlpha, bool APerPixelAlpha) override;
  void SetCursorShape(HCURSOR ACursor) override { FCursor = ACursor; }
  void SetPointerPosition(const TPoint& APosition) override { FPointerPosition = APosition; }
  void GrabPointer(HWND AWindow) override { FPointerGrab = AWindow; }
  void ReleasePointerGrab() override { FPointerGrab = nullptr; }
  // The program's own hot keys and clipboard are all there is: grabs always succeed and
  // the clipboard never belongs to another program.
  bool GrabHotKey(UINT, UINT) override { return true; }
  void ReleaseHotKey(UINT, UINT) override {}
  void OfferClipboardText(const std::optional<String>&) override {}
  bool ReadForeignClipboardText(std::optional<String>&) override { return false; }
  void Beep() override {}
  std::vector<TMonitorDescription> Monitors() const override { return FMonitors; }
  bool OffersSystemEntry(TSystemEntry AEntry) const override { return !FMissingEntries.contains(AEntry); }
  bool DockTrayIcon(int AIcon, const TPixelImage& AImage, const String& ATip) override;
  void UpdateTrayIcon(int AIcon, const TPixelImage& AImage, const String& ATip) override;
  void UndockTrayIcon(int AIcon) override { FTrayIcons.erase(AIcon); }

  // --- Clock ---

  // Moves the virtual clock forward by AMilliseconds. The clock stops at every due time
  // of a timer on the way, in order, and the message loop's pending work runs there
  // (ProcessPendingMessages), so each WM_TIMER is handled with the clock at its due
  // time. Ends with the clock at the target and the pending work done. Once WM_QUIT
  // comes up the work stops (the quit stays queued) and the clock just moves on.
  void AdvanceClock(uint32_t AMilliseconds);

  // --- Events and the loop ---

  // Queues an event that DeliverPendingEvents runs the next time the message loop looks
  // for events, and wakes the loop: input that must arrive while a modal loop runs is
  // scripted this way. Any thread.
  void QueueEvent(std::function<void()> AEvent);
  // How many times WaitForEvents has returned: a loop that idles without spinning
  // keeps this small. Any thread.
  uint64_t WaitCount() const;
  // Blocks until the user-interface thread waits in WaitForEvents, or ATimeoutMs of
  // real time passed (a guard against a failing test); returns whether it waits. For
  // worker threads of tests.
  bool WaitUntilLoopWaits(int ATimeoutMs) const;

  // --- Screen ---

  // Replaces the monitors (one must be primary) and delivers WM_DISPLAYCHANGE.
  void SetMonitors(std::vector<TMonitorDescription> AMonitors);
  // Whether layered windows with per-pixel alpha can be shown; true by default.
  void SetPerPixelAlpha(bool AAvailable) { FPerPixelAlpha = AAvailable; }
  // Whether the optional system function AEntry is offered; every one is by default.
  void SetSystemEntryOffered(TSystemEntry AEntry, bool AOffered) {
    if (AOffered) {
      FMissingEntries.erase(AEntry);
    } else {
      FMissingEntries.insert(AEntry);
    }
  }

  // --- Stand-in tray ---

  // An icon docked in the stand-in tray.
  struct TTrayIcon {
    TPixelImage Image;
    String Tip;
  };
  // Starts the tray (every top-level window receives "TaskbarCreated") or stops it (its
  // icons are gone). A tray runs from the start.
  void SetTrayRunning(bool ARunning);
  bool TrayRunning() const { return FTrayRunning; }
  // The docked icons by the number the shared code gave them; input on one is made with
  // DeliverTrayIconMouse.
  const std::map<int, TTrayIcon>& TrayIcons() const { return FTrayIcons; }

  // --- What the shared code told the backend ---

  // The top-level windows from the last restack, the topmost first.
  const std::vector<HWND>& StackingOrder() const { return FStackingOrder; }
  bool IsKnown(HWND AWindow) const { return FWindows.count(AWindow) != 0; }
  bool IsShown(HWND AWindow) const;
  TRect WindowRect(HWND AWindow) const;
  DWORD Style(HWND AWindow) const;
  DWORD ExStyle(HWND AWindow) const;
  String Text(HWND AWindow) const;
  // The last window activated; nullptr when none or destroyed since.
  HWND ActiveWindow() const { return FActiveWindow; }
  // The window region, in window coordinates; empty optional for none.
  std::optional<TRegion> Region(HWND AWindow) const;
  BYTE ConstantAlpha(HWND AWindow) const;
  bool HasPerPixelAlpha(HWND AWindow) const;
  // The last picture presented for the window: Width × Height pixels of 4 bytes (blue,
  // green, red, alpha), rows top-down without padding; empty when none was.
  const std::vector<uint8_t>& PresentedPixels(HWND AWindow) const;
  TSize PresentedSize(HWND AWindow) const;
  HCURSOR Cursor() const { return FCursor; }
  TPoint PointerPosition() const { return FPointerPosition; }
  HWND PointerGrab() const { return FPointerGrab; }

 private:
  struct TTopLevel {
    TRect WindowRect;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    bool Shown = false;
    String Text;
    std::optional<TRegion> Region;
    BYTE ConstantAlpha = 255;
    bool PerPixelAlpha = false;
    std::vector<uint8_t> Pixels;
    TSize PixelsSize;
  };

  const TTopLevel& Known(HWND AWindow) const;
  TTopLevel& Known(HWND AWindow);

  // User-interface thread state.
  std::map<HWND, TTopLevel> FWindows;
  std::vector<HWND> FStackingOrder;
  std::vector<TMonitorDescription> FMonitors;
  HWND FActiveWindow = nullptr;
  HCURSOR FCursor = nullptr;
  TPoint FPointerPosition;
  HWND FPointerGrab = nullptr;
  bool FPerPixelAlpha = true;
  std::set<TSystemEntry> FMissingEntries;
  bool FTrayRunning = true;
  std::map<int, TTrayIcon> FTrayIcons;

  // Guarded by FMutex: the clock, the wake-up and the queued events.
  mutable std::mutex FMutex;
  mutable std::condition_variable FChanged;
  uint64_t FClockMs = ClockStartMs;
  bool FWakePending = false;
  bool FLoopWaits = false;
  uint64_t FWaitCount = 0;
  std::deque<std::function<void()>> FEvents;
};

// The running backend when it is the headless one, else nullptr.
THeadlessBackend* HeadlessBackend();
