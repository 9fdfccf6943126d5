// Finding the window at a point, as the pointer finds it.

#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"

namespace {

// Whether the point (screen coordinates) lies in the window region; every point of the
// window rectangle does when the window has none.
bool IsInWindowRegion(const TWindow& AWindow, const TPoint& APoint) {
  return !AWindow.Region || AWindow.Region->Region.Contains(
                                {APoint.X - AWindow.WindowRect.Left, APoint.Y - AWindow.WindowRect.Top});
}

// Whether the point (screen coordinates) lies on the window's shape: its rectangle cut
// by its window region. Hidden windows, and layered windows that let the pointer
// through, have no shape.
bool IsOnWindowShape(const TWindow& AWindow, const TPoint& APoint) {
  if (!AWindow.IsVisible()) return false;
  if ((AWindow.ExStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT))
    return false;
  return PtInRect(AWindow.WindowRect, APoint) && IsInWindowRegion(AWindow, APoint);
}

// Every window under the point, deepest first: for each child in z-order, the windows
// under the point inside it, then the child itself. Children of disabled and minimized
// windows, and children outside the client area, are not looked at.
void CollectWindowsAt(const TWindow& AParent, const TPoint& APoint, std::vector<HWND>& AFound) {
  for (HWND Child : AParent.Children) {
    const TWindow* Window = FindWindowRecord(Child);
    if (!Window || !IsOnWindowShape(*Window, APoint)) continue;
    if (!(Window->Style & (WS_MINIMIZE | WS_DISABLED)) && PtInRect(Window->ClientRect, APoint))
      CollectWindowsAt(*Window, APoint, AFound);
    AFound.push_back(Child);
  }
}

}  // namespace

HWND WindowFromPoint(POINT APoint) {
  RequireUIThread("WindowFromPoint");
  std::vector<HWND> Candidates;
  CollectWindowsAt(DesktopRecord(), APoint, Candidates);
  const LPARAM Point = PointToLParam(APoint);
  for (HWND Candidate : Candidates) {
    if (!FindWindowRecord(Candidate)) continue;
    if (SendMessage(Candidate, WM_NCHITTEST, 0, Point) != HTTRANSPARENT) return Candidate;
  }
  return nullptr;
}

HWND ChildWindowFromPointEx(HWND AParent, POINT APoint, UINT AFlags) {
  RequireUIThread("ChildWindowFromPointEx");
  const TWindow* Parent = FindWindowRecord(AParent);
  if (!Parent) return nullptr;
  if (!PtInRect(Bounds(0, 0, Parent->ClientRect.Width(), Parent->ClientRect.Height()), APoint))
    return nullptr;
  const TPoint Screen{APoint.X + Parent->ClientRect.Left, APoint.Y + Parent->ClientRect.Top};
  for (HWND Child : Parent->Children) {
    const TWindow* Window = FindWindowRecord(Child);
    if (!Window) continue;
    if ((AFlags & CWP_SKIPINVISIBLE) && !Window->IsVisible()) continue;
    if ((AFlags & CWP_SKIPDISABLED) && !Window->IsEnabled()) continue;
    if ((AFlags & CWP_SKIPTRANSPARENT) && (Window->ExStyle & WS_EX_TRANSPARENT)) continue;
    if (PtInRect(Window->WindowRect, Screen) && IsInWindowRegion(*Window, Screen)) return Child;
  }
  return AParent;
}

HWND ChildWindowFromPoint(HWND AParent, POINT APoint) {
  return ChildWindowFromPointEx(AParent, APoint, CWP_ALL);
}
