#include "platform/win/Timers.h"

#include <algorithm>
#include <vector>

#include "platform/win/Backend.h"
#include "platform/win/MessageQueueInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/TimersInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowSystemInternal.h"
#include "platform/win/WindowTree.h"

namespace {

// Thread timers get identifiers from here on, clear of the small numbers windows use.
constexpr UINT_PTR FirstThreadTimerId = 0x7FFF0000;

struct TTimer {
  HWND Window = nullptr;
  UINT_PTR Id = 0;
  UINT Interval = 0;
  TIMERPROC Procedure = nullptr;
  uint64_t Due = 0;
  // The order the timer was (re)started in, which orders timers due at one time.
  uint64_t Sequence = 0;
};

struct TTimerTable {
  std::vector<TTimer> Timers;
  uint64_t NextSequence = 0;
  UINT_PTR NextThreadTimerId = FirstThreadTimerId;
};

TTimerTable& Table() {
  static TTimerTable Instance;
  return Instance;
}

bool PassesFilter(HWND AFilter, const TTimer& ATimer) {
  if (!AFilter) return true;
  if (AFilter == reinterpret_cast<HWND>(-1)) return ATimer.Window == nullptr;
  return ATimer.Window == AFilter || IsChild(AFilter, ATimer.Window);
}

// The timer that fires first among those the filter lets through.
TTimer* EarliestTimer(HWND AFilter) {
  TTimer* Earliest = nullptr;
  for (TTimer& Timer : Table().Timers)
    if (PassesFilter(AFilter, Timer) &&
        (!Earliest || std::tie(Timer.Due, Timer.Sequence) < std::tie(Earliest->Due, Earliest->Sequence)))
      Earliest = &Timer;
  return Earliest;
}

TTimer* FindTimer(HWND AWindow, UINT_PTR AIdEvent) {
  auto& Timers = Table().Timers;
  const auto Found = std::find_if(Timers.begin(), Timers.end(),
                                  [&](const TTimer& T) { return T.Window == AWindow && T.Id == AIdEvent; });
  return Found == Timers.end() ? nullptr : &*Found;
}

}  // namespace

UINT_PTR SetTimer(HWND AWindow, UINT_PTR AIdEvent, UINT AElapse, TIMERPROC ATimerProc) {
  RequireUIThread("SetTimer");
  if (AWindow && !FindWindowRecord(AWindow)) return 0;
  if (!AWindow && !ATimerProc) return 0;
  TTimerTable& T = Table();
  TTimer* Timer = FindTimer(AWindow, AIdEvent);
  if (!Timer) {
    const UINT_PTR Id = AWindow ? AIdEvent : T.NextThreadTimerId++;
    T.Timers.push_back({AWindow, Id});
    Timer = &T.Timers.back();
  }
  Timer->Interval = std::max(AElapse, USER_TIMER_MINIMUM);
  Timer->Procedure = ATimerProc;
  Timer->Due = Backend().ClockMs() + Timer->Interval;
  Timer->Sequence = T.NextSequence++;
  return Timer->Id;
}

bool KillTimer(HWND AWindow, UINT_PTR AIdEvent) {
  RequireUIThread("KillTimer");
  return std::erase_if(Table().Timers,
                       [&](const TTimer& T) { return T.Window == AWindow && T.Id == AIdEvent; }) != 0;
}

std::optional<uint64_t> NextTimerDue(HWND AFilter) {
  const TTimer* Earliest = EarliestTimer(AFilter);
  return Earliest ? std::optional<uint64_t>(Earliest->Due) : std::nullopt;
}

bool TakeTimerMessage(HWND AFilter, MSG& AMessage, bool ARemove) {
  TTimer* Timer = EarliestTimer(AFilter);
  const uint64_t Now = Backend().ClockMs();
  if (!Timer || Timer->Due > Now) return false;
  AMessage = {Timer->Window,
              WM_TIMER,
              Timer->Id,
              reinterpret_cast<LPARAM>(Timer->Procedure),
              static_cast<DWORD>(Now),
              CurrentPointerPosition()};
  if (ARemove) {
    // The next period starts now: a timer that fell behind fires once, not once per
    // missed period.
    Timer->Due = Now + Timer->Interval;
    Timer->Sequence = Table().NextSequence++;
  }
  return true;
}

bool IsLiveTimerProc(HWND AWindow, UINT_PTR AIdEvent, TIMERPROC AProcedure) {
  const TTimer* Timer = FindTimer(AWindow, AIdEvent);
  return Timer && Timer->Procedure == AProcedure;
}

void KillWindowTimers(HWND AWindow) {
  std::erase_if(Table().Timers, [&](const TTimer& T) { return T.Window == AWindow; });
}

void ClearTimers() { Table().Timers.clear(); }

namespace Win {
uint32_t GetTickCount() { return static_cast<uint32_t>(GetTickCount64()); }
uint64_t GetTickCount64() { return BackendClockMs(); }
}  // namespace Win
