#include "platform/win/ExtensionsInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowTree.h"

bool IsWindowVisible(HWND AWindow) {
  RequireUIThread("IsWindowVisible");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return false;
  for (; Window && Window != &DesktopRecord(); Window = ParentRecord(*Window))
    if (!Window->IsVisible()) return false;
  return true;
}

bool IsWindowEnabled(HWND AWindow) {
  RequireUIThread("IsWindowEnabled");
  const TWindow* Window = FindWindowRecord(AWindow);
  return Window && Window->IsEnabled();
}

bool EnableWindow(HWND AWindow, bool AEnable) {
  RequireUIThread("EnableWindow");
  if (!FindWindowRecord(AWindow)) return false;
  // A window about to be disabled first leaves any mode it is in (a drag, a menu).
  if (!AEnable) SendMessage(AWindow, WM_CANCELMODE, 0, 0);
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return false;
  const bool WasDisabled = !Window->IsEnabled();
  if (WasDisabled == !AEnable) return WasDisabled;
  const DWORD OldStyle = Window->Style;
  Window->Style = AEnable ? OldStyle & ~WS_DISABLED : OldStyle | WS_DISABLED;
  const DWORD NewStyle = Window->Style;
  // The input part takes the focus away from a disabled window before it hears of it.
  for (const auto& Changed : Extensions().StyleChanged) Changed(AWindow, GWL_STYLE, OldStyle, NewStyle);
  SendMessage(AWindow, WM_ENABLE, AEnable ? 1 : 0, 0);
  return WasDisabled;
}
