#pragma once
// Internal calls between the files of platform/win that concern the running window
// system as a whole.

#include "platform/win/Backend.h"

// Wakes the message loop if it waits. Any thread; does nothing while the window system
// is stopped.
void WakeUpMessageLoop();
// The backend's clock. Any thread; before the window system starts, the user-interface
// thread starts it and other threads read the real clock.
uint64_t BackendClockMs();
// Tells the backend the stacking order of the top-level windows.
void ReportTopLevelStacking();
// Sets the desktop window's rectangle from the primary monitor.
void UpdateDesktopRect();
