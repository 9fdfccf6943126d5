// Activation of top-level windows and the foreground state of the program.

#include "platform/win/Backend.h"
#include "platform/win/BackendEvents.h"
#include "platform/win/Focus.h"
#include "platform/win/FocusInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

bool CanBeActivated(const TWindow* AWindow) {
  return AWindow && AWindow->IsTopLevel() && AWindow->IsEnabled() && !AWindow->Destroying;
}

void SendActivateApp(bool AActive) {
  const std::vector<HWND> TopLevels = DesktopRecord().Children;
  for (HWND Window : TopLevels)
    if (FindWindowRecord(Window)) SendMessage(Window, WM_ACTIVATEAPP, AActive ? 1 : 0, 0);
}

WPARAM ActivateWParam(WORD AState, HWND AWindow) {
  return MAKEWPARAM(AState, static_cast<WORD>(IsIconic(AWindow) ? 1 : 0));
}

// Whether AWindow may take the activation that a hidden or dying window gives up.
bool CanTakeActivationFrom(const TWindow* AWindow, HWND AGivingUp) {
  return CanBeActivated(AWindow) && AWindow->Handle != AGivingUp && AWindow->IsVisible() &&
         !(AWindow->ExStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE));
}

// Activates the owner of AWindow, else the topmost window that may take the
// activation; the program leaves the foreground when none may.
void ActivateNextAfter(HWND AWindow) {
  const TWindow* Window = FindWindowRecord(AWindow);
  const TWindow* Owner = Window ? FindWindowRecord(Window->Owner) : nullptr;
  if (CanTakeActivationFrom(Owner, AWindow)) {
    ActivateTopLevel(Owner->Handle, WA_ACTIVE, false);
    return;
  }
  for (HWND Candidate : DesktopRecord().Children)
    if (CanTakeActivationFrom(FindWindowRecord(Candidate), AWindow)) {
      ActivateTopLevel(Candidate, WA_ACTIVE, false);
      return;
    }
  DeactivateProgram();
}

}  // namespace

void ActivateTopLevel(HWND AWindow, WORD AHow, bool ARaise) {
  TInputState& S = InputState();
  if (!CanBeActivated(FindWindowRecord(AWindow)) || AWindow == S.Active) return;
  if (ARaise) SetWindowPos(AWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!CanBeActivated(FindWindowRecord(AWindow)) || AWindow == S.Active) return;

  const HWND Previous = S.Active;
  if (Previous) {
    SendMessage(Previous, WM_NCACTIVATE, 0, 0);
    SendMessage(Previous, WM_ACTIVATE, ActivateWParam(WA_INACTIVE, Previous),
                reinterpret_cast<LPARAM>(AWindow));
  } else {
    SendActivateApp(true);
  }
  if (!FindWindowRecord(AWindow)) return;
  S.Active = AWindow;
  Backend().TopLevelActivated(AWindow);
  SendMessage(AWindow, WM_NCACTIVATE, 1, 0);
  SendMessage(AWindow, WM_ACTIVATE, ActivateWParam(AHow, AWindow), reinterpret_cast<LPARAM>(Previous));
  // A procedure that keeps WM_ACTIVATE from the default handling gives no window the
  // focus; the focus still never stays behind in a window that is no longer active.
  if (S.Active == AWindow && S.Focus && TopLevelWindowOf(S.Focus) != AWindow) ChangeFocus(nullptr);
}

void DeactivateProgram() {
  TInputState& S = InputState();
  const HWND Previous = S.Active;
  if (!Previous) return;
  if (FindWindowRecord(Previous)) {
    SendMessage(Previous, WM_NCACTIVATE, 0, 0);
    SendMessage(Previous, WM_ACTIVATE, ActivateWParam(WA_INACTIVE, Previous), 0);
  }
  if (S.Active != Previous) return;
  S.Active = nullptr;
  SendActivateApp(false);
  ChangeFocus(nullptr);
}

HWND SetActiveWindow(HWND AWindow) {
  RequireUIThread("SetActiveWindow");
  const HWND Previous = InputState().Active;
  if (!AWindow) {
    DeactivateProgram();
    return Previous;
  }
  if (!CanBeActivated(FindWindowRecord(AWindow))) return nullptr;
  ActivateTopLevel(AWindow, WA_ACTIVE, true);
  return Previous;
}

HWND GetActiveWindow() {
  RequireUIThread("GetActiveWindow");
  return InputState().Active;
}

bool SetForegroundWindow(HWND AWindow) {
  RequireUIThread("SetForegroundWindow");
  if (!CanBeActivated(FindWindowRecord(AWindow))) return false;
  ActivateTopLevel(AWindow, WA_ACTIVE, true);
  return InputState().Active == AWindow;
}

HWND GetForegroundWindow() {
  RequireUIThread("GetForegroundWindow");
  return InputState().Active;
}

void MoveFocusFromHiddenWindow(HWND AWindow) {
  TInputState& S = InputState();
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return;
  if (AWindow == S.Active) {
    ActivateNextAfter(AWindow);
    return;
  }
  if (S.Focus != AWindow && !IsChild(AWindow, S.Focus)) return;
  ChangeFocus(Window->IsTopLevel() ? nullptr : Window->Parent);
}

void ForgetFocusOfDestroyedWindow(HWND AWindow) {
  TInputState& S = InputState();
  // The window hears no more of the focus it had: it is past WM_DESTROY.
  if (S.Focus == AWindow) S.Focus = nullptr;
  if (S.Active == AWindow) ActivateNextAfter(AWindow);
  if (S.Active == AWindow) S.Active = nullptr;
}

void DeliverTopLevelFocus(HWND AWindow, bool AFocused) {
  RequireUIThread("DeliverTopLevelFocus");
  // An Alt held while the display takes the keyboard away (to switch windows) is no
  // tap when it comes up.
  if (!AFocused) InputState().MenuKeyAlone = false;
  if (AFocused)
    ActivateTopLevel(AWindow, WA_ACTIVE, true);
  else if (AWindow == InputState().Active)
    DeactivateProgram();
}
