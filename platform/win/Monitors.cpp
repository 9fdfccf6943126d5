#include "platform/win/Monitors.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/win/Backend.h"
#include "platform/win/MonitorsInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowStyles.h"

namespace {

// A handle carries the configuration it was given out in (high bits) and the
// monitor's place in the backend's list plus one (low 16 bits).
uintptr_t GConfiguration = 1;

HMONITOR MonitorHandle(std::size_t AIndex) {
  return reinterpret_cast<HMONITOR>((GConfiguration << 16) | (AIndex + 1));
}

// The monitor's place in the list, or -1 for a stale or foreign handle.
int MonitorIndex(HMONITOR AMonitor, std::size_t ACount) {
  const auto Value = reinterpret_cast<uintptr_t>(AMonitor);
  const uintptr_t Index = Value & 0xFFFF;
  if ((Value >> 16) != GConfiguration || Index == 0 || Index > ACount) return -1;
  return static_cast<int>(Index - 1);
}

std::size_t PrimaryIndex(const std::vector<TMonitorDescription>& AMonitors) {
  for (std::size_t I = 0; I < AMonitors.size(); ++I)
    if (AMonitors[I].Primary) return I;
  return 0;
}

// How far two rectangles lie apart (0 when they overlap), squared.
long long DistanceSquared(const TRect& A, const TRect& B) {
  const long long DX = std::max({0, A.Left - B.Right + 1, B.Left - A.Right + 1});
  const long long DY = std::max({0, A.Top - B.Bottom + 1, B.Top - A.Bottom + 1});
  return DX * DX + DY * DY;
}

HMONITOR Fallback(const std::vector<TMonitorDescription>& AMonitors, DWORD AFlags, const TRect& ARect) {
  if (AFlags == MONITOR_DEFAULTTOPRIMARY) return MonitorHandle(PrimaryIndex(AMonitors));
  if (AFlags != MONITOR_DEFAULTTONEAREST) return nullptr;
  std::size_t Nearest = 0;
  long long Best = LLONG_MAX;
  for (std::size_t I = 0; I < AMonitors.size(); ++I)
    if (const long long Distance = DistanceSquared(AMonitors[I].Bounds, ARect); Distance < Best) {
      Best = Distance;
      Nearest = I;
    }
  return MonitorHandle(Nearest);
}

}  // namespace

void InvalidateMonitorHandles() { ++GConfiguration; }

HMONITOR MonitorFromPoint(POINT APoint, DWORD AFlags) {
  RequireUIThread("MonitorFromPoint");
  const std::vector<TMonitorDescription> Monitors = Backend().Monitors();
  for (std::size_t I = 0; I < Monitors.size(); ++I)
    if (PtInRect(Monitors[I].Bounds, APoint)) return MonitorHandle(I);
  return Fallback(Monitors, AFlags, Bounds(APoint.X, APoint.Y, 1, 1));
}

HMONITOR MonitorFromRect(const RECT* ARect, DWORD AFlags) {
  RequireUIThread("MonitorFromRect");
  if (!ARect) return nullptr;
  const std::vector<TMonitorDescription> Monitors = Backend().Monitors();
  long long Largest = 0;
  HMONITOR Found = nullptr;
  for (std::size_t I = 0; I < Monitors.size(); ++I) {
    TRect Shared;
    if (!IntersectRect(Shared, Monitors[I].Bounds, *ARect)) continue;
    const long long Area = static_cast<long long>(Shared.Width()) * Shared.Height();
    if (Area > Largest) {
      Largest = Area;
      Found = MonitorHandle(I);
    }
  }
  return Found ? Found : Fallback(Monitors, AFlags, *ARect);
}

HMONITOR MonitorFromWindow(HWND AWindow, DWORD AFlags) {
  RequireUIThread("MonitorFromWindow");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return nullptr;
  TRect Rect = Window->WindowRect;
  if (Window->Style & WS_MINIMIZE) {
    Rect = Window->NormalRect;
    if (const TWindow* Parent = ParentRecord(*Window))
      OffsetRect(Rect, Parent->ClientRect.Left, Parent->ClientRect.Top);
  }
  // An empty rectangle still has a place on the screen.
  if (IsRectEmpty(Rect)) Rect = Bounds(Rect.Left, Rect.Top, 1, 1);
  return MonitorFromRect(&Rect, AFlags);
}

bool GetMonitorInfo(HMONITOR AMonitor, MONITORINFO* AInfo) {
  RequireUIThread("GetMonitorInfo");
  if (!AInfo || AInfo->cbSize != sizeof(MONITORINFO)) return false;
  const std::vector<TMonitorDescription> Monitors = Backend().Monitors();
  const int Index = MonitorIndex(AMonitor, Monitors.size());
  if (Index < 0) return false;
  const TMonitorDescription& Monitor = Monitors[static_cast<std::size_t>(Index)];
  AInfo->rcMonitor = Monitor.Bounds;
  AInfo->rcWork = Monitor.WorkArea;
  AInfo->dwFlags = Monitor.Primary ? MONITORINFOF_PRIMARY : 0;
  return true;
}

bool EnumDisplayMonitors(const MONITORENUMPROC& AEnum) {
  RequireUIThread("EnumDisplayMonitors");
  const std::size_t Count = Backend().Monitors().size();
  for (std::size_t I = 0; I < Count; ++I)
    if (!AEnum(MonitorHandle(I))) return false;
  return true;
}
