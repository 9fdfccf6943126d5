// The window-manager events of BackendEvents.h; the input events are the input part's.

#include "platform/win/BackendEvents.h"

#include "platform/win/Backend.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/MonitorsInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowSystemInternal.h"

void DeliverCloseRequest(HWND AWindow) {
  RequireUIThread("DeliverCloseRequest");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (Window && Window->IsTopLevel()) SendMessage(AWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DeliverTopLevelConfigured(HWND AWindow, const TRect& AWindowRect) {
  RequireUIThread("DeliverTopLevelConfigured");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !Window->IsTopLevel()) return;
  SetWindowPos(AWindow, nullptr, AWindowRect.Left, AWindowRect.Top, AWindowRect.Width(), AWindowRect.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void DeliverDisplayChanged() {
  RequireUIThread("DeliverDisplayChanged");
  InvalidateMonitorHandles();
  UpdateDesktopRect();
  const TRect Screen = DesktopRecord().WindowRect;
  const LPARAM Size = MAKELPARAM(static_cast<WORD>(Screen.Width()), static_cast<WORD>(Screen.Height()));
  const std::vector<HWND> TopLevels = DesktopRecord().Children;
  for (HWND Window : TopLevels)
    if (FindWindowRecord(Window)) SendMessage(Window, WM_DISPLAYCHANGE, 32, Size);
}
