#pragma once
// Internal calls of the timers (platform/win only).

#include <cstdint>
#include <optional>

#include "platform/win/WindowTypes.h"

// The earliest due time, on the backend's clock, of a timer whose WM_TIMER the filter
// lets through (see PeekMessage); none when there is no such timer.
std::optional<uint64_t> NextTimerDue(HWND AFilter);
// Fills AMessage with the WM_TIMER of the earliest due timer the filter lets through
// and, with ARemove, starts its next period from now. False when none is due.
bool TakeTimerMessage(HWND AFilter, MSG& AMessage, bool ARemove);
// Whether AProcedure is the TIMERPROC of the live timer (AWindow, AIdEvent).
bool IsLiveTimerProc(HWND AWindow, UINT_PTR AIdEvent, TIMERPROC AProcedure);
// Kills the timers of a window (it is being destroyed).
void KillWindowTimers(HWND AWindow);
// Kills every timer (shutdown of the window system).
void ClearTimers();
