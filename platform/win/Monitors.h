#pragma once
// Monitors: the screens the desktop spans, each with its bounds and its work area (the
// part not taken by panels), in virtual-screen coordinates. The backend reports them;
// the headless backend lets tests configure several. User-interface thread only.
//
// A monitor handle stays valid until the monitor configuration changes (the top-level
// windows then receive WM_DISPLAYCHANGE).

#include <functional>

#include "platform/gdi/Geometry.h"
#include "platform/win/WindowTypes.h"

constexpr DWORD MONITOR_DEFAULTTONULL = 0;
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;

constexpr DWORD MONITORINFOF_PRIMARY = 0x00000001;

struct MONITORINFO {
  DWORD cbSize = sizeof(MONITORINFO);
  RECT rcMonitor;
  RECT rcWork;
  DWORD dwFlags = 0;
};
static_assert(sizeof(MONITORINFO) == 40);

// The monitor holding the point; otherwise nullptr, the primary monitor or the nearest
// one, as AFlags says.
HMONITOR MonitorFromPoint(POINT APoint, DWORD AFlags);
// The monitor with the largest share of the rectangle; when none has any, as AFlags
// says.
HMONITOR MonitorFromRect(const RECT* ARect, DWORD AFlags);
// MonitorFromRect of the window rectangle (of the restored rectangle while the window
// is minimized); a dead window gives nullptr.
HMONITOR MonitorFromWindow(HWND AWindow, DWORD AFlags);
// Fills AInfo, whose cbSize must be sizeof(MONITORINFO). False for a stale handle.
bool GetMonitorInfo(HMONITOR AMonitor, MONITORINFO* AInfo);

// Calls AEnum for every monitor, in the backend's order, until it returns false; returns
// false when AEnum stopped the walk.
using MONITORENUMPROC = std::function<bool(HMONITOR)>;
bool EnumDisplayMonitors(const MONITORENUMPROC& AEnum);
