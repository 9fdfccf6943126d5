#include "platform/win/Capture.h"

#include "platform/win/Backend.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/PointerInputInternal.h"
#include "platform/win/WindowInternal.h"

HWND SetCapture(HWND AWindow) {
  RequireUIThread("SetCapture");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || Window == &DesktopRecord()) return nullptr;
  TInputState& S = InputState();
  const HWND Previous = S.Capture;
  if (AWindow == Previous) return Previous;
  S.Capture = AWindow;
  Backend().GrabPointer(TopLevelWindowOf(AWindow));
  if (FindWindowRecord(Previous))
    SendMessage(Previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(AWindow));
  return Previous;
}

bool ReleaseCapture() {
  RequireUIThread("ReleaseCapture");
  TInputState& S = InputState();
  const HWND Previous = S.Capture;
  if (!Previous) return true;
  S.Capture = nullptr;
  Backend().ReleasePointerGrab();
  if (FindWindowRecord(Previous)) SendMessage(Previous, WM_CAPTURECHANGED, 0, 0);
  // The window under the pointer has not heard of it while the capture lasted.
  if (!S.Capture) RoutePointerMotion(S.Pointer, true);
  return true;
}

HWND GetCapture() {
  RequireUIThread("GetCapture");
  return InputState().Capture;
}
