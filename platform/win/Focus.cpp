// The keyboard focus.

#include "platform/win/Focus.h"

#include "platform/win/FocusInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

namespace {

// Whether AWindow and every window it lies in are enabled and not minimized.
bool CanTakeFocus(const TWindow* AWindow) {
  for (; AWindow && AWindow != &DesktopRecord(); AWindow = ParentRecord(*AWindow))
    if (AWindow->Style & (WS_DISABLED | WS_MINIMIZE)) return false;
  return AWindow != nullptr;
}

}  // namespace

void ChangeFocus(HWND ANew) {
  TInputState& S = InputState();
  const HWND Old = S.Focus;
  if (Old == ANew) return;
  if (FindWindowRecord(Old)) SendMessage(Old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(ANew), 0);
  // A WM_KILLFOCUS handler that moved the focus itself has the last word.
  if (S.Focus != Old) return;
  if (!FindWindowRecord(ANew)) ANew = nullptr;
  S.Focus = ANew;
  if (ANew) SendMessage(ANew, WM_SETFOCUS, reinterpret_cast<WPARAM>(Old), 0);
}

HWND SetFocus(HWND AWindow) {
  RequireUIThread("SetFocus");
  TInputState& S = InputState();
  const HWND Previous = S.Focus;
  if (!AWindow) {
    ChangeFocus(nullptr);
    return Previous;
  }
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!CanTakeFocus(Window) || Window == &DesktopRecord()) return nullptr;
  if (AWindow == Previous) return Previous;
  const HWND TopLevel = TopLevelWindowOf(AWindow);
  if (TopLevel != S.Active) {
    ActivateTopLevel(TopLevel, WA_ACTIVE, true);
    if (S.Active != TopLevel || !FindWindowRecord(AWindow)) return nullptr;
  }
  ChangeFocus(AWindow);
  return Previous;
}

HWND GetFocus() {
  RequireUIThread("GetFocus");
  return InputState().Focus;
}

void MoveFocusFromDisabledWindow(HWND AWindow, int AIndex, DWORD AOldStyle, DWORD ANewStyle) {
  if (AIndex != GWL_STYLE || !(ANewStyle & WS_DISABLED) || (AOldStyle & WS_DISABLED)) return;
  const HWND Focus = InputState().Focus;
  if (Focus == AWindow || IsChild(AWindow, Focus)) ChangeFocus(nullptr);
}
