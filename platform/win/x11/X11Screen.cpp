// The monitors: XRandR's list (one screen when the server has no RandR 1.5), each with
// the part of the desktop's work area (_NET_WORKAREA of the current desktop) that lies
// on it; the whole monitor without a window manager that says otherwise.

#include "platform/win/BackendEvents.h"
#include "platform/win/x11/X11Internal.h"

namespace {

// The work area of the current desktop; empty when the window manager gives none.
TRect ReadWorkArea(TX11Display& AX) {
  const auto ReadCardinals = [&](Atom AProperty) {
    std::vector<long> Values;
    Atom Type = 0;
    int Format = 0;
    unsigned long Count = 0;
    unsigned long After = 0;
    unsigned char* Data = nullptr;
    if (XGetWindowProperty(AX.Connection, AX.Root, AProperty, 0, 1024, False, XA_CARDINAL, &Type, &Format,
                           &Count, &After, &Data) == Success &&
        Type == XA_CARDINAL && Format == 32)
      Values.assign(reinterpret_cast<const long*>(Data), reinterpret_cast<const long*>(Data) + Count);
    if (Data) XFree(Data);
    return Values;
  };
  const std::vector<long> Areas = ReadCardinals(AX.Atoms.NetWorkarea);
  const std::vector<long> Current = ReadCardinals(XInternAtom(AX.Connection, "_NET_CURRENT_DESKTOP", False));
  const std::size_t Desktop = Current.empty() ? 0 : static_cast<std::size_t>(Current[0]);
  if (Areas.size() < (Desktop + 1) * 4) return TRect();
  const long* Area = &Areas[Desktop * 4];
  return Bounds(static_cast<int>(Area[0]), static_cast<int>(Area[1]), static_cast<int>(Area[2]),
                static_cast<int>(Area[3]));
}

}  // namespace

void ReadMonitors(TX11Display& AX) {
  std::vector<TMonitorDescription> Monitors;
  if (AX.HasRandr) {
    int Count = 0;
    XRRMonitorInfo* Found = XRRGetMonitors(AX.Connection, AX.Root, True, &Count);
    for (int I = 0; I < Count; ++I) {
      TMonitorDescription Monitor;
      Monitor.Bounds = Bounds(Found[I].x, Found[I].y, Found[I].width, Found[I].height);
      Monitor.Primary = Found[I].primary;
      Monitors.push_back(Monitor);
    }
    if (Found) XRRFreeMonitors(Found);
  }
  if (Monitors.empty()) {
    TMonitorDescription Monitor;
    Monitor.Bounds =
        Bounds(0, 0, DisplayWidth(AX.Connection, AX.Screen), DisplayHeight(AX.Connection, AX.Screen));
    Monitors.push_back(Monitor);
  }
  // Exactly one is primary: the first when RandR names none.
  bool HasPrimary = false;
  for (TMonitorDescription& Monitor : Monitors) {
    Monitor.Primary = Monitor.Primary && !HasPrimary;
    HasPrimary = HasPrimary || Monitor.Primary;
  }
  if (!HasPrimary) Monitors.front().Primary = true;
  const TRect WorkArea = ReadWorkArea(AX);
  for (TMonitorDescription& Monitor : Monitors)
    if (IsRectEmpty(WorkArea) || !IntersectRect(Monitor.WorkArea, Monitor.Bounds, WorkArea))
      Monitor.WorkArea = Monitor.Bounds;
  AX.MonitorList = Monitors;
}

void HandleScreenChange(TX11Display& AX, const XEvent& AEvent) {
  XEvent Event = AEvent;
  XRRUpdateConfiguration(&Event);
  ReadMonitors(AX);
  QueueDelivery(AX, [] { DeliverDisplayChanged(); });
}

std::vector<TMonitorDescription> TX11Backend::Monitors() const { return FX->MonitorList; }
