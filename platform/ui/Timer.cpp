#include "platform/ui/Timer.h"

#include <utility>

#include "platform/base/Exceptions.h"
#include "platform/ui/WindowMethods.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowProcedures.h"

namespace {

constexpr UINT_PTR TimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindow = AllocateHWnd([this](TMessage& AMessage) {
    if (AMessage.Msg == WM_TIMER)
      Timer();
    else
      AMessage.Result = DefWindowProc(FWindow, AMessage.Msg, AMessage.WParam, AMessage.LParam);
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
  DeallocateHWnd(FWindow);
}

void TTimer::SetEnabled(bool AValue) {
  if (FEnabled == AValue) return;
  FEnabled = AValue;
  UpdateTimer();
}

void TTimer::SetInterval(UINT AValue) {
  if (FInterval == AValue) return;
  FInterval = AValue;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  KillTimer(FWindow, TimerId);
  if (FInterval != 0 && FEnabled && !SetTimer(FWindow, TimerId, FInterval, nullptr))
    throw EOutOfMemory("Not enough timers available");
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

TTimer* NewDisabledTimer(TComponent* AOwner, UINT AInterval, std::function<void()> ATick) {
  auto* Timer = new TTimer(AOwner);
  Timer->SetEnabled(false);
  Timer->SetInterval(AInterval);
  Timer->OnTimer = [ATick = std::move(ATick)](TObject*) { ATick(); };
  return Timer;
}
