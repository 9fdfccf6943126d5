#pragma once
// Timers and the window system's clock. User-interface thread only, except
// Win::GetTickCount, which any thread may call.
//
// Timers run on the backend's clock: real time on the desktop, a virtual clock that
// tests move forward on the headless backend. A due timer produces one WM_TIMER when
// the queue holds nothing else to hand out; a timer that fell behind produces one
// message, not one per missed period. Timers that are due together come in the order
// of their due times, then in the order they were set.

#include <cstdint>

#include "platform/win/WindowTypes.h"

// The shortest interval; shorter ones are raised to it, as in the system the program
// was designed on.
constexpr UINT USER_TIMER_MINIMUM = 10;

// Starts (or restarts, for the same window and identifier) a timer that fires every
// AElapse milliseconds. With a window, WM_TIMER goes to the window (wParam AIdEvent,
// lParam ATimerProc); a TIMERPROC is called by DispatchMessage instead of the window
// procedure. Without a window it is a thread timer: it needs a TIMERPROC, gets a new
// identifier (the return value) unless AIdEvent names an existing thread timer, and
// its WM_TIMER has no window. Returns 0 on failure (a dead window; a thread timer
// without a procedure).
UINT_PTR SetTimer(HWND AWindow, UINT_PTR AIdEvent, UINT AElapse, TIMERPROC ATimerProc);
bool KillTimer(HWND AWindow, UINT_PTR AIdEvent);

namespace Win {
// Milliseconds on the window system's clock: the clock timers and message times run
// on. The user interface measures time with these (fades, double clicks, delays); they
// follow the virtual clock under the headless backend. platform/base's ::GetTickCount
// is the real clock, for measuring work and time-outs outside the user interface.
uint32_t GetTickCount();
uint64_t GetTickCount64();
}  // namespace Win
