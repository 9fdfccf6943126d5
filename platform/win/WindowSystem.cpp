#include "platform/win/WindowSystem.h"

#include <mutex>

#include "platform/base/Clock.h"
#include "platform/base/Threads.h"
#include "platform/win/MessageHooksInternal.h"
#include "platform/win/MessageQueueInternal.h"
#include "platform/win/TimersInternal.h"
#include "platform/win/WindowClassRecordInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowSystemInternal.h"
#include "platform/win/WindowTree.h"

namespace {

struct TRunningSystem {
  // Guards Backend against WakeUpMessageLoop on other threads; the user-interface thread
  // changes it only under the lock.
  std::mutex Mutex;
  std::unique_ptr<TWindowBackend> Backend;
};

TRunningSystem& Running() {
  static TRunningSystem Instance;
  return Instance;
}

void DestroyAllWindows() {
  // Top-level windows first: destroying them takes their children and owned windows
  // along; whatever is left (windows created during the teardown) goes next.
  for (int Pass = 0; Pass < 2; ++Pass)
    for (HWND Window : AllWindowHandles())
      if (const TWindow* Record = FindWindowRecord(Window); Record && (Pass == 1 || Record->IsTopLevel()))
        DestroyWindow(Window);
}

}  // namespace

void StartWindowSystem(std::unique_ptr<TWindowBackend> ABackend) {
  RequireUIThread("StartWindowSystem");
  if (IsWindowSystemStarted()) StopWindowSystem();
  if (!ABackend) ABackend = CreateBackend(SelectedBackendName());
  {
    std::lock_guard Lock(Running().Mutex);
    Running().Backend = std::move(ABackend);
  }
  SetWakeMainThread(WakeUpMessageLoop);
  UpdateDesktopRect();
}

void StopWindowSystem() {
  RequireUIThread("StopWindowSystem");
  if (!IsWindowSystemStarted()) return;
  DestroyAllWindows();
  SetWakeMainThread(nullptr);
  ClearTimers();
  ClearMessageQueue();
  ClearMessageHooks();
  ClearWindowClasses();
  ClearWindowTable();
  std::unique_ptr<TWindowBackend> Stopped;
  std::lock_guard Lock(Running().Mutex);
  Stopped = std::move(Running().Backend);
}

bool IsWindowSystemStarted() { return Running().Backend != nullptr; }

TWindowBackend& Backend() {
  if (!IsWindowSystemStarted()) StartWindowSystem();
  return *Running().Backend;
}

void WakeUpMessageLoop() {
  std::lock_guard Lock(Running().Mutex);
  if (Running().Backend) Running().Backend->WakeUp();
}

uint64_t BackendClockMs() {
  {
    std::lock_guard Lock(Running().Mutex);
    if (Running().Backend) return Running().Backend->ClockMs();
  }
  return IsMainThread() ? Backend().ClockMs() : ::GetTickCount64();
}

void ReportTopLevelStacking() { Backend().TopLevelsRestacked(DesktopRecord().Children); }

void UpdateDesktopRect() {
  for (const TMonitorDescription& Monitor : Backend().Monitors())
    if (Monitor.Primary) {
      TWindow& Desktop = DesktopRecord();
      Desktop.WindowRect = Bounds(0, 0, Monitor.Bounds.Width(), Monitor.Bounds.Height());
      Desktop.ClientRect = Desktop.WindowRect;
      NoteGeometryChange();
    }
}
