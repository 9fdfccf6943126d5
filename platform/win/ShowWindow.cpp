#include "platform/win/ExtensionsInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowLifecycleInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowPosInternal.h"

namespace {

TRect MaximizedRect(const MINMAXINFO& ALimits) {
  return Bounds(ALimits.ptMaxPosition.X, ALimits.ptMaxPosition.Y, ALimits.ptMaxSize.X, ALimits.ptMaxSize.Y);
}

// The SetWindowPos flags of a ShowWindow command, as the system the program was designed
// on chooses them; AFinished is set when the command has nothing to do.
UINT FlagsForCommand(HWND AWindow, int ACommand, DWORD AStyle, bool AWasVisible, TRect& ANewRect,
                     bool& AFinished) {
  const bool IsChild = AStyle & WS_CHILD;
  UINT Flags = 0;
  switch (ACommand) {
    case SW_HIDE:
      if (!AWasVisible) AFinished = true;
      Flags = SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE;
      if (IsChild) Flags |= SWP_NOACTIVATE | SWP_NOZORDER;
      return Flags;
    case SW_SHOWMINNOACTIVE:
    case SW_MINIMIZE:
      Flags = SWP_NOACTIVATE | SWP_NOZORDER;
      [[fallthrough]];
    case SW_SHOWMINIMIZED:
      Flags |= SWP_SHOWWINDOW | SWP_FRAMECHANGED | ChangeShowState(AWindow, ACommand, ANewRect);
      if ((AStyle & WS_MINIMIZE) && AWasVisible) AFinished = true;
      return Flags;
    case SW_SHOWMAXIMIZED:
      if (!AWasVisible) Flags = SWP_SHOWWINDOW;
      Flags |= SWP_FRAMECHANGED | ChangeShowState(AWindow, ACommand, ANewRect);
      if ((AStyle & WS_MAXIMIZE) && AWasVisible) AFinished = true;
      return Flags;
    case SW_SHOWNA:
      Flags = SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
      if (IsChild) Flags |= SWP_NOZORDER;
      return Flags;
    case SW_SHOW:
      if (AWasVisible) AFinished = true;
      Flags = SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE;
      if (IsChild) Flags |= SWP_NOACTIVATE | SWP_NOZORDER;
      return Flags;
    case SW_SHOWNOACTIVATE:
      Flags = SWP_NOACTIVATE | SWP_NOZORDER;
      [[fallthrough]];
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
      Flags |= SWP_SHOWWINDOW;
      if (AStyle & (WS_MINIMIZE | WS_MAXIMIZE)) {
        Flags |= SWP_FRAMECHANGED | ChangeShowState(AWindow, ACommand, ANewRect);
      } else {
        if (AWasVisible) AFinished = true;
        Flags |= SWP_NOSIZE | SWP_NOMOVE;
      }
      if (IsChild && !(Flags & SWP_STATECHANGED)) Flags |= SWP_NOACTIVATE | SWP_NOZORDER;
      return Flags;
    default:
      AFinished = true;
      return 0;
  }
}

}  // namespace

UINT ChangeShowState(HWND AWindow, int ACommand, TRect& ANewRect) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return 0;
  const TRect Current = WindowRectInParent(*Window);
  ANewRect = Current;
  if (!(Window->Style & (WS_MINIMIZE | WS_MAXIMIZE))) Window->NormalRect = Current;
  const bool Minimized = Window->Style & WS_MINIMIZE;
  const bool Maximized = Window->Style & WS_MAXIMIZE;
  const bool Maximize =
      ACommand == SW_MAXIMIZE || (ACommand != SW_MINIMIZE && ACommand != SW_SHOWMINIMIZED &&
                                  ACommand != SW_SHOWMINNOACTIVE && Minimized && Window->RestoreToMaximized);
  switch (ACommand) {
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
      if (Minimized) return 0;
      // The minimized window keeps its rectangle; the backend shows it iconified.
      Window->RestoreToMaximized = Maximized;
      Window->Style = (Window->Style | WS_MINIMIZE) & ~WS_MAXIMIZE;
      return SWP_STATECHANGED | SWP_NOSIZE | SWP_NOMOVE;
    default:
      break;
  }
  if (Maximize) {
    const MINMAXINFO Limits = QueryMinMaxInfo(AWindow);
    Window = FindWindowRecord(AWindow);
    if (!Window) return 0;
    Window->Style = (Window->Style | WS_MAXIMIZE) & ~WS_MINIMIZE;
    Window->RestoreToMaximized = false;
    ANewRect = MaximizedRect(Limits);
    return Maximized ? 0 : SWP_STATECHANGED;
  }
  if (!Minimized && !Maximized) return 0;
  Window->Style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
  ANewRect = Window->NormalRect;
  return SWP_STATECHANGED;
}

void SendInitialSizeMessages(HWND AWindow) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return;
  Window->NeedsInitialSize = false;
  const TRect Client = ClientRectInParent(*Window);
  WPARAM Kind = SIZE_RESTORED;
  LPARAM Size = MAKELPARAM(static_cast<WORD>(Client.Width()), static_cast<WORD>(Client.Height()));
  if (Window->Style & WS_MAXIMIZE) {
    Kind = SIZE_MAXIMIZED;
  } else if (Window->Style & WS_MINIMIZE) {
    Kind = SIZE_MINIMIZED;
    Size = 0;
  }
  SendMessage(AWindow, WM_SIZE, Kind, Size);
  SendMessage(AWindow, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(Client.Left), static_cast<WORD>(Client.Top)));
}

bool ShowWindow(HWND AWindow, int ACommand) {
  RequireUIThread("ShowWindow");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return false;
  const bool WasVisible = Window->IsVisible();
  const DWORD Style = Window->Style;
  const bool Show = ACommand != SW_HIDE;
  TRect NewRect;
  bool Finished = false;
  const UINT Flags = FlagsForCommand(AWindow, ACommand, Style, WasVisible, NewRect, Finished);
  if (Finished || !FindWindowRecord(AWindow)) return WasVisible;

  if ((Show != WasVisible || ACommand == SW_SHOWNA) && ACommand != SW_SHOWMAXIMIZED &&
      !(Flags & SWP_STATECHANGED)) {
    SendMessage(AWindow, WM_SHOWWINDOW, Show ? 1 : 0, 0);
    if (!FindWindowRecord(AWindow)) return WasVisible;
  }
  SetWindowPos(AWindow, HWND_TOP, NewRect.Left, NewRect.Top, NewRect.Width(), NewRect.Height(), Flags);

  Window = FindWindowRecord(AWindow);
  if (Show && Window && Window->NeedsInitialSize) SendInitialSizeMessages(AWindow);
  return WasVisible;
}
