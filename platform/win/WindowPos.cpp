#include "platform/win/WindowPos.h"

#include "platform/win/Backend.h"
#include "platform/win/ExtensionsInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPosInternal.h"
#include "platform/win/WindowSystemInternal.h"

namespace {

constexpr UINT NoPositionChange =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE | SWP_NOZORDER;

// What the window system makes of the caller's request before and after
// WM_WINDOWPOSCHANGING: a show or hide that changes nothing is dropped, an unchanged
// size or position counts as SWP_NOSIZE / SWP_NOMOVE, and the fields a flag leaves
// alone carry the current values.
void NormalizeRequest(const TWindow& AWindow, WINDOWPOS& APos) {
  if (AWindow.IsVisible())
    APos.flags &= ~SWP_SHOWWINDOW;
  else
    APos.flags &= ~SWP_HIDEWINDOW;
  if (APos.hwndInsertAfter == APos.hwnd) APos.flags |= SWP_NOZORDER;
  const TRect Current = WindowRectInParent(AWindow);
  if (APos.cx < 0) APos.cx = 0;
  if (APos.cy < 0) APos.cy = 0;
  if (APos.flags & SWP_NOSIZE) {
    APos.cx = Current.Width();
    APos.cy = Current.Height();
  } else if (APos.cx == Current.Width() && APos.cy == Current.Height()) {
    APos.flags |= SWP_NOSIZE;
  }
  if (APos.flags & SWP_NOMOVE) {
    APos.x = Current.Left;
    APos.y = Current.Top;
  } else if (APos.x == Current.Left && APos.y == Current.Top) {
    APos.flags |= SWP_NOMOVE;
  }
}

// The new client rectangle (parent client coordinates): asked of WM_NCCALCSIZE when the
// size or the frame changes, else moved along with the window.
TRect NewClientRect(HWND AWindow, WINDOWPOS& APos, const TRect& ANewWindow, const TRect& AOldWindow,
                    const TRect& AOldClient) {
  if ((APos.flags & SWP_NOSIZE) && !(APos.flags & SWP_FRAMECHANGED)) {
    TRect Client = AOldClient;
    OffsetRect(Client, ANewWindow.Left - AOldWindow.Left, ANewWindow.Top - AOldWindow.Top);
    return Client;
  }
  NCCALCSIZE_PARAMS Params;
  Params.rgrc[0] = ANewWindow;
  Params.rgrc[1] = AOldWindow;
  Params.rgrc[2] = AOldClient;
  Params.lppos = &APos;
  SendMessage(AWindow, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&Params));
  return Params.rgrc[0];
}

// Moves the window and its client area to the new rectangles (parent client
// coordinates); the children follow the client area.
void ApplyRects(TWindow& AWindow, const TRect& ANewWindow, const TRect& ANewClient) {
  const TPoint Origin = ParentRecord(AWindow)->ClientRect.TopLeft();
  TRect WindowRect = ANewWindow;
  TRect ClientRect = ANewClient;
  OffsetRect(WindowRect, Origin.X, Origin.Y);
  OffsetRect(ClientRect, Origin.X, Origin.Y);
  const int DX = ClientRect.Left - AWindow.ClientRect.Left;
  const int DY = ClientRect.Top - AWindow.ClientRect.Top;
  AWindow.WindowRect = WindowRect;
  AWindow.ClientRect = ClientRect;
  NoteGeometryChange();
  for (HWND Child : AWindow.Children)
    if (TWindow* ChildWindow = FindWindowRecord(Child)) OffsetWindowTree(*ChildWindow, DX, DY);
  if (!(AWindow.Style & (WS_MINIMIZE | WS_MAXIMIZE))) AWindow.NormalRect = ANewWindow;
}

void ReportToBackend(HWND AWindow, const TWindow& AState, const TWindowPosChange& AChange) {
  if (!AState.IsTopLevel()) return;
  TWindowBackend& B = Backend();
  if (AState.WindowRect != AChange.OldWindowRect) B.TopLevelMoved(AWindow, AState.WindowRect);
  if (AChange.Restacked) ReportTopLevelStacking();
  if (AChange.Flags & SWP_SHOWWINDOW) B.TopLevelShown(AWindow);
  if (AChange.Flags & SWP_HIDEWINDOW) B.TopLevelHidden(AWindow);
}

void Activate(HWND AWindow, const TWindow& AState, UINT AFlags) {
  if (AFlags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) return;
  if ((AState.Style & (WS_CHILD | WS_POPUP)) == WS_CHILD)
    SendMessage(AWindow, WM_CHILDACTIVATE, 0, 0);
  else if (const auto& ActivateWindow = Extensions().ActivateWindow)
    ActivateWindow(AWindow);
}

}  // namespace

bool SetWindowPos(HWND AWindow, HWND AInsertAfter, int AX, int AY, int AWidth, int AHeight, UINT AFlags) {
  RequireUIThread("SetWindowPos");
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !Window->Parent) return false;
  WINDOWPOS Pos{
      AWindow, AInsertAfter, AX, AY, AWidth, AHeight, AFlags & ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE)};
  NormalizeRequest(*Window, Pos);
  if (!(Pos.flags & SWP_NOSENDCHANGING)) {
    SendMessage(AWindow, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&Pos));
    Window = FindWindowRecord(AWindow);
    if (!Window) return false;
    NormalizeRequest(*Window, Pos);
  }

  TWindowPosChange Change;
  Change.OldWindowRect = Window->WindowRect;
  Change.OldClientRect = Window->ClientRect;
  Change.WasVisible = Window->IsVisible();
  const TRect OldWindow = WindowRectInParent(*Window);
  const TRect OldClient = ClientRectInParent(*Window);
  const TRect NewWindow = Bounds(Pos.x, Pos.y, Pos.cx, Pos.cy);
  const TRect NewClient = NewClientRect(AWindow, Pos, NewWindow, OldWindow, OldClient);
  Window = FindWindowRecord(AWindow);
  if (!Window) return false;
  if (NewClient.Width() == OldClient.Width() && NewClient.Height() == OldClient.Height())
    Pos.flags |= SWP_NOCLIENTSIZE;
  if (NewClient.TopLeft() == OldClient.TopLeft()) Pos.flags |= SWP_NOCLIENTMOVE;

  ApplyRects(*Window, NewWindow, NewClient);
  if (!(Pos.flags & SWP_NOZORDER)) Change.Restacked = RestackWindow(*Window, Pos.hwndInsertAfter, Pos.flags);
  if (!Change.Restacked) Pos.flags |= SWP_NOZORDER;
  if (Pos.flags & SWP_SHOWWINDOW) Window->Style |= WS_VISIBLE;
  if (Pos.flags & SWP_HIDEWINDOW) Window->Style &= ~WS_VISIBLE;
  NoteGeometryChange();
  Change.Flags = Pos.flags;

  ReportToBackend(AWindow, *Window, Change);
  for (const auto& Changed : Extensions().WindowPosChanged)
    if (FindWindowRecord(AWindow)) Changed(AWindow, Change);
  if (const TWindow* Current = FindWindowRecord(AWindow)) Activate(AWindow, *Current, Pos.flags);

  Window = FindWindowRecord(AWindow);
  if (!Window) return true;
  if ((Pos.flags & NoPositionChange) != NoPositionChange ||
      (Pos.flags & (SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_HIDEWINDOW))) {
    // WM_WINDOWPOSCHANGED always carries the final rectangle.
    const TRect Final = WindowRectInParent(*Window);
    WINDOWPOS Done{AWindow,       Pos.hwndInsertAfter, Final.Left, Final.Top,
                   Final.Width(), Final.Height(),      Pos.flags};
    SendMessage(AWindow, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&Done));
  }
  if (Pos.flags & SWP_HIDEWINDOW)
    for (const auto& Hidden : Extensions().WindowHidden)
      if (FindWindowRecord(AWindow)) Hidden(AWindow);
  return true;
}

bool MoveWindow(HWND AWindow, int AX, int AY, int AWidth, int AHeight, bool ARepaint) {
  return SetWindowPos(AWindow, nullptr, AX, AY, AWidth, AHeight,
                      SWP_NOZORDER | SWP_NOACTIVATE | (ARepaint ? 0 : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND AWindow) {
  return SetWindowPos(AWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool IsIconic(HWND AWindow) {
  RequireUIThread("IsIconic");
  const TWindow* Window = FindWindowRecord(AWindow);
  return Window && (Window->Style & WS_MINIMIZE);
}

bool IsZoomed(HWND AWindow) {
  RequireUIThread("IsZoomed");
  const TWindow* Window = FindWindowRecord(AWindow);
  return Window && (Window->Style & WS_MAXIMIZE);
}
