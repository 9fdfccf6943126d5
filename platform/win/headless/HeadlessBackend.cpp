#include "platform/win/headless/HeadlessBackend.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <utility>

#include "platform/base/Exceptions.h"
#include "platform/win/BackendEvents.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/TimersInternal.h"
#include "platform/win/WindowInternal.h"

namespace {

constexpr int DefaultScreenWidth = 1280;
constexpr int DefaultScreenHeight = 800;
constexpr int DefaultPanelHeight = 40;

}  // namespace

THeadlessBackend::THeadlessBackend() {
  TMonitorDescription Screen;
  Screen.Bounds = Bounds(0, 0, DefaultScreenWidth, DefaultScreenHeight);
  Screen.WorkArea = Bounds(0, 0, DefaultScreenWidth, DefaultScreenHeight - DefaultPanelHeight);
  Screen.Primary = true;
  FMonitors.push_back(Screen);
}

uint64_t THeadlessBackend::ClockMs() const {
  std::lock_guard Lock(FMutex);
  return FClockMs;
}

bool THeadlessBackend::DeliverPendingEvents() {
  bool Delivered = false;
  for (;;) {
    std::function<void()> Event;
    {
      std::lock_guard Lock(FMutex);
      if (FEvents.empty()) return Delivered;
      Event = std::move(FEvents.front());
      FEvents.pop_front();
    }
    Event();
    Delivered = true;
  }
}

void THeadlessBackend::WaitForEvents(int64_t) {
  std::unique_lock Lock(FMutex);
  FLoopWaits = true;
  FChanged.notify_all();
  FChanged.wait(Lock, [this] { return FWakePending || !FEvents.empty(); });
  FWakePending = false;
  FLoopWaits = false;
  ++FWaitCount;
}

void THeadlessBackend::WakeUp() {
  {
    std::lock_guard Lock(FMutex);
    FWakePending = true;
  }
  FChanged.notify_all();
}

void THeadlessBackend::QueueEvent(std::function<void()> AEvent) {
  {
    std::lock_guard Lock(FMutex);
    FEvents.push_back(std::move(AEvent));
  }
  FChanged.notify_all();
}

uint64_t THeadlessBackend::WaitCount() const {
  std::lock_guard Lock(FMutex);
  return FWaitCount;
}

bool THeadlessBackend::WaitUntilLoopWaits(int ATimeoutMs) const {
  std::unique_lock Lock(FMutex);
  return FChanged.wait_for(Lock, std::chrono::milliseconds(ATimeoutMs), [this] { return FLoopWaits; });
}

void THeadlessBackend::AdvanceClock(uint32_t AMilliseconds) {
  RequireUIThread("AdvanceClock");
  const uint64_t Target = ClockMs() + AMilliseconds;
  const auto SetClock = [this](uint64_t AValue) {
    std::lock_guard Lock(FMutex);
    FClockMs = std::max(FClockMs, AValue);
  };
  // Once WM_QUIT comes up the loop's work stops (the quit stays queued for the owner
  // of the loop); the clock still reaches the target.
  bool Running = ProcessPendingMessages();
  for (auto Due = NextTimerDue(nullptr); Running && Due && *Due <= Target; Due = NextTimerDue(nullptr)) {
    SetClock(*Due);
    Running = ProcessPendingMessages();
  }
  SetClock(Target);
  if (Running) ProcessPendingMessages();
}

void THeadlessBackend::SetMonitors(std::vector<TMonitorDescription> AMonitors) {
  RequireUIThread("SetMonitors");
  if (AMonitors.empty() || std::count_if(AMonitors.begin(), AMonitors.end(),
                                         [](const TMonitorDescription& M) { return M.Primary; }) != 1)
    throw Exception("The headless backend needs exactly one primary monitor");
  FMonitors = std::move(AMonitors);
  DeliverDisplayChanged();
}

const THeadlessBackend::TTopLevel& THeadlessBackend::Known(HWND AWindow) const {
  const auto Found = FWindows.find(AWindow);
  if (Found == FWindows.end()) throw Exception("The headless backend does not know this window");
  return Found->second;
}

THeadlessBackend::TTopLevel& THeadlessBackend::Known(HWND AWindow) {
  return const_cast<TTopLevel&>(std::as_const(*this).Known(AWindow));
}

void THeadlessBackend::TopLevelCreated(HWND AWindow, const TRect& AWindowRect, DWORD AStyle, DWORD AExStyle) {
  TTopLevel& Window = FWindows[AWindow];
  Window.WindowRect = AWindowRect;
  Window.Style = AStyle;
  Window.ExStyle = AExStyle;
}

void THeadlessBackend::TopLevelDestroyed(HWND AWindow) {
  FWindows.erase(AWindow);
  std::erase(FStackingOrder, AWindow);
  if (FActiveWindow == AWindow) FActiveWindow = nullptr;
  if (FPointerGrab == AWindow) FPointerGrab = nullptr;
}

void THeadlessBackend::TopLevelShown(HWND AWindow) { Known(AWindow).Shown = true; }
void THeadlessBackend::TopLevelHidden(HWND AWindow) { Known(AWindow).Shown = false; }
void THeadlessBackend::TopLevelMoved(HWND AWindow, const TRect& AWindowRect) {
  Known(AWindow).WindowRect = AWindowRect;
}
void THeadlessBackend::TopLevelsRestacked(const std::vector<HWND>& ATopToBottom) {
  FStackingOrder = ATopToBottom;
}

void THeadlessBackend::TopLevelStyleChanged(HWND AWindow, DWORD AStyle, DWORD AExStyle) {
  TTopLevel& Window = Known(AWindow);
  Window.Style = AStyle;
  Window.ExStyle = AExStyle;
}

void THeadlessBackend::TopLevelTextChanged(HWND AWindow, const String& AText) { Known(AWindow).Text = AText; }
void THeadlessBackend::TopLevelActivated(HWND AWindow) { FActiveWindow = AWindow; }

void THeadlessBackend::TopLevelRegionChanged(HWND AWindow, const TRegion* ARegion) {
  TTopLevel& Window = Known(AWindow);
  if (ARegion)
    Window.Region = *ARegion;
  else
    Window.Region.reset();
}

void THeadlessBackend::PresentImage(HWND AWindow, const TPixelView& AImage, const TRect&) {
  TTopLevel& Window = Known(AWindow);
  const std::size_t RowBytes = static_cast<std::size_t>(AImage.Width) * 4;
  Window.Pixels.resize(RowBytes * static_cast<std::size_t>(AImage.Height));
  for (int Y = 0; Y < AImage.Height; ++Y)
    std::memcpy(Window.Pixels.data() + RowBytes * static_cast<std::size_t>(Y),
                AImage.Bits + static_cast<std::ptrdiff_t>(AImage.Stride) * Y, RowBytes);
  Window.PixelsSize = {AImage.Width, AImage.Height};
}

void THeadlessBackend::TopLevelAlphaChanged(HWND AWindow, BYTE AConstantAlpha, bool APerPixelAlpha) {
  TTopLevel& Window = Known(AWindow);
  Window.ConstantAlpha = AConstantAlpha;
  Window.PerPixelAlpha = APerPixelAlpha;
}

bool THeadlessBackend::IsShown(HWND AWindow) const { return Known(AWindow).Shown; }
TRect THeadlessBackend::WindowRect(HWND AWindow) const { return Known(AWindow).WindowRect; }
DWORD THeadlessBackend::Style(HWND AWindow) const { return Known(AWindow).Style; }
DWORD THeadlessBackend::ExStyle(HWND AWindow) const { return Known(AWindow).ExStyle; }
String THeadlessBackend::Text(HWND AWindow) const { return Known(AWindow).Text; }
std::optional<TRegion> THeadlessBackend::Region(HWND AWindow) const { return Known(AWindow).Region; }
BYTE THeadlessBackend::ConstantAlpha(HWND AWindow) const { return Known(AWindow).ConstantAlpha; }
bool THeadlessBackend::HasPerPixelAlpha(HWND AWindow) const { return Known(AWindow).PerPixelAlpha; }
const std::vector<uint8_t>& THeadlessBackend::PresentedPixels(HWND AWindow) const {
  return Known(AWindow).Pixels;
}
TSize THeadlessBackend::PresentedSize(HWND AWindow) const { return Known(AWindow).PixelsSize; }

THeadlessBackend* HeadlessBackend() { return dynamic_cast<THeadlessBackend*>(&Backend()); }
