#include "platform/win/MouseTracking.h"

#include "platform/win/InputMessagesInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/PointerInputInternal.h"
#include "platform/win/WindowInternal.h"

void UpdateHover(HWND AWindow, bool AInClient) {
  TInputState& S = InputState();
  const HWND Left = S.Hover;
  const bool LeftClient = S.HoverInClient;
  S.Hover = AWindow;
  S.HoverInClient = AInClient;
  if (Left == AWindow && LeftClient == AInClient) return;
  const TWindow* Window = FindWindowRecord(Left);
  if (!Window || !Window->InputState) return;
  TWindowInputState& Tracking = *Window->InputState;
  if (LeftClient && Tracking.TracksClientLeave) {
    Tracking.TracksClientLeave = false;
    PostInputMessage(Left, WM_MOUSELEAVE, 0, 0);
  } else if (!LeftClient && Tracking.TracksNonClientLeave) {
    Tracking.TracksNonClientLeave = false;
    PostInputMessage(Left, WM_NCMOUSELEAVE, 0, 0);
  }
}

bool TrackMouseEvent(TRACKMOUSEEVENT* AEventTrack) {
  RequireUIThread("TrackMouseEvent");
  if (!AEventTrack || AEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) return false;
  const HWND Window = AEventTrack->hwndTrack;
  TWindowInputState* Tracking = WindowInputState(Window);
  if (!Tracking) return false;
  const DWORD Flags = AEventTrack->dwFlags;
  if (!(Flags & TME_LEAVE)) return true;
  const bool NonClient = (Flags & TME_NONCLIENT) != 0;
  bool& Tracks = NonClient ? Tracking->TracksNonClientLeave : Tracking->TracksClientLeave;
  if (Flags & TME_CANCEL) {
    Tracks = false;
    return true;
  }
  const TInputState& S = InputState();
  if (S.Hover == Window && S.HoverInClient == !NonClient) {
    Tracks = true;
  } else {
    Tracks = false;
    PostInputMessage(Window, NonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
  }
  return true;
}
