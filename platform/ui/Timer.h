#pragma once
// TTimer: OnTimer every Interval milliseconds while Enabled, on the user-interface
// thread, from the message loop (a window timer on a hidden utility window), on the
// window system's clock (virtual under the headless backend).

#include <functional>

#include "platform/ui/Component.h"
#include "platform/win/WindowTypes.h"

class TTimer : public TComponent {
 public:
  // Enabled, 1000 ms.
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  // Starting the timer (again) begins a full interval.
  void SetEnabled(bool AValue);
  UINT Interval() const { return FInterval; }
  // 0 stops the timer.
  void SetInterval(UINT AValue);
  TNotifyEvent OnTimer;

 protected:
  // Raises OnTimer.
  virtual void Timer();

 private:
  void UpdateTimer();

  bool FEnabled = true;
  UINT FInterval = 1000;
  HWND FWindow = nullptr;
};

// A disabled timer owned by AOwner that calls ATick every AInterval milliseconds once
// enabled: the components' timers of hover polls, animations and fades, which their
// owners switch on when there is something to do.
TTimer* NewDisabledTimer(TComponent* AOwner, UINT AInterval, std::function<void()> ATick);
