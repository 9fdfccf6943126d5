#include <algorithm>

#include "platform/win/FrameMetrics.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/Monitors.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPosInternal.h"
#include "platform/win/WindowStyles.h"

namespace {

// The area a maximized window fills, in its parent's client coordinates: the work area
// of its monitor for a top-level window, the parent's client area for a child.
TRect MaximizeArea(HWND AWindow, const TWindow& AState) {
  if (!AState.IsTopLevel()) {
    const TWindow* Parent = ParentRecord(AState);
    return Bounds(0, 0, Parent->ClientRect.Width(), Parent->ClientRect.Height());
  }
  MONITORINFO Info;
  GetMonitorInfo(MonitorFromWindow(AWindow, MONITOR_DEFAULTTONEAREST), &Info);
  return Info.rcWork;
}

}  // namespace

bool HasTrackingLimits(DWORD AStyle) { return (AStyle & WS_THICKFRAME) || !(AStyle & (WS_POPUP | WS_CHILD)); }

MINMAXINFO QueryMinMaxInfo(HWND AWindow) {
  MINMAXINFO Info;
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return Info;
  const TRect Area = MaximizeArea(AWindow, *Window);
  // A maximized window pushes its frame off the area, so that its client area fills it.
  const int Frame = DefaultFrameWidth(Window->Style, Window->ExStyle);
  Info.ptMaxSize = {Area.Width() + 2 * Frame, Area.Height() + 2 * Frame};
  Info.ptMaxPosition = {-Frame, -Frame};
  if ((Window->Style & WS_CAPTION) == WS_CAPTION)
    Info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  else
    Info.ptMinTrackSize = {2 * Frame, 2 * Frame};
  Info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessage(AWindow, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&Info));
  Info.ptMaxTrackSize.X = std::max(Info.ptMaxTrackSize.X, Info.ptMinTrackSize.X);
  Info.ptMaxTrackSize.Y = std::max(Info.ptMaxTrackSize.Y, Info.ptMinTrackSize.Y);
  Info.ptMaxPosition.X += Area.Left;
  Info.ptMaxPosition.Y += Area.Top;
  return Info;
}
