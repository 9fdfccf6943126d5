#pragma once
// TTimer: OnTimer every Interval milliseconds while Enabled, on the user-interface
// thread, from the message loop (a window timer on a hidden utility window), on the
// window system's clock (virtual under the headless backend).

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
