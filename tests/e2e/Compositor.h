#pragma once
// A compositor (xcompmgr) on a test's display, for windows with per-pixel alpha, and
// the loop that lets the program and the compositor repaint while a test waits.

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <functional>

#include "platform/win/MessageLoop.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/e2e/VirtualDisplay.h"

namespace e2e {

// Handles messages until ACondition holds, the loop coming round at least every
// AStepMs (PumpUntil waits for the display only; timers and the compositor's
// repainting need more); false when it still does not after PatienceMs.
inline bool TickUntil(TX11Backend& ABackend, int AStepMs, const std::function<bool()>& ACondition) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(PatienceMs);
  while (!ACondition()) {
    if (std::chrono::steady_clock::now() > Deadline) return false;
    ABackend.WaitForEvents(AStepMs);
    ProcessPendingMessages();
  }
  return true;
}

// xcompmgr on the display while this lives.
class TCompositor {
 public:
  TCompositor() = default;
  TCompositor(const TCompositor&) = delete;
  TCompositor& operator=(const TCompositor&) = delete;
  ~TCompositor() {
    if (FProcess > 0) kill(FProcess, SIGTERM);
  }
  // Starts it and waits until the backend sees it.
  bool Start(const TVirtualDisplay& ADisplay, TX11Backend& ABackend) {
    const auto Started = ADisplay.Run("xcompmgr >/dev/null 2>&1 & echo $!");
    FProcess = std::atoi(Started.Output.c_str());
    return FProcess > 0 && TickUntil(ABackend, 10, [&ABackend] { return ABackend.CanShowPerPixelAlpha(); });
  }

 private:
  pid_t FProcess = -1;
};

}  // namespace e2e
