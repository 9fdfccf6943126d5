// TCustomForm's activation and focus: the active control, the screen's active form and
// control, the dialog keys that move the focus, and the shortcuts.

#include "platform/base/Exceptions.h"
#include "platform/ui/CustomForm.h"
#include "platform/ui/Screen.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/Mdi.h"
#include "platform/win/MessageQueue.h"

namespace {

constexpr const char* CannotFocus = "Cannot focus a disabled or invisible window";

}  // namespace

// Activation gives the focus to the active control, or, without one, to the first
// control in tab order; a form without such a control takes the focus itself.
void TCustomForm::WMActivate(TMessage& AMessage) {
  const bool Activating = LOWORD(AMessage.WParam) != WA_INACTIVE;
  SetActive(Activating);
  if (Activating && FActiveControl && FActiveControl->CanFocus()) {
    ::SetFocus(FActiveControl->Handle());
    return;
  }
  DefaultHandler(AMessage);
}

void TCustomForm::SetActive(bool AValue) {
  FActive = AValue;
  if (!AValue) return Deactivate();
  if (!FActiveControl && !ComponentState().Contains(csDesigning))
    FActiveControl = FindNextControl(nullptr, true, true, false);
  Activate();
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::SetActiveControl(TWinControl* AValue) {
  if (FActiveControl == AValue) return;
  if (AValue && (AValue == this || GetParentForm(AValue) != this ||
                 (!ComponentState().Contains(csLoading) && !AValue->CanFocus())))
    throw EInvalidOperation(CannotFocus);
  FActiveControl = AValue;
  if (FActive && AValue) ::SetFocus(AValue->Handle());
}

// The active control is known before the window system moves the focus, so that an
// inactive form, activated by the move, focuses that control and no other.
void TCustomForm::FocusControl(TWinControl* AControl) {
  if (!AControl->CanFocus()) throw EInvalidOperation(CannotFocus);
  if (AControl != this) FActiveControl = AControl;
  ::SetFocus(AControl->Handle());
}

// The form and the screen know the new focus before OnExit and OnEnter run, and the
// screen's change events come after them.
bool TCustomForm::SetFocusedControl(TWinControl* AControl) {
  FActiveControl = AControl == this ? nullptr : AControl;
  Screen->FocusChanged(this, AControl);
  const bool Done = TCustomControl::SetFocusedControl(AControl);
  Screen->UpdateLastActive();
  return Done;
}

void TCustomForm::DefocusControl(TWinControl* AControl, bool ARemoving) {
  TCustomControl::DefocusControl(AControl, ARemoving);
  if (AControl->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  Screen->ControlLeaving(AControl);
}

// Tab and Shift+Tab walk the tab order of the whole form; the arrows walk the
// siblings of the active control. Other keys go to the controls (the default and
// cancel buttons take Enter and Escape).
void TCustomForm::CMDialogKey(TMessage& AMessage) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (AMessage.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0) break;
        SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
        AMessage.Result = 1;
        return;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
          FActiveControl->Parent()->SelectNext(
              FActiveControl, AMessage.WParam == VK_RIGHT || AMessage.WParam == VK_DOWN, false);
          AMessage.Result = 1;
        }
        return;
      default:
        break;
    }
  }
  TCustomControl::Dispatch(AMessage);
}

bool TCustomForm::IsShortCut(TWMKey& AMessage) {
  for (TControl* Control = FocusedControl(); Control; Control = Control->Parent())
    if (TPopupMenu* Popup = Control->PopupMenu(); Popup && Popup->IsShortCut(AMessage)) return true;
  bool Handled = false;
  if (OnShortCut) OnShortCut(AMessage, Handled);
  if (!Handled && FMenu) Handled = FMenu->IsShortCut(AMessage);
  if (!Handled && IsMDIDocument()) Handled = IsDocumentKey(AMessage);
  return Handled;
}

// The keys of document windows: Ctrl+F4 closes the document, Ctrl+F6 and
// Ctrl+Shift+F6 go to the next and the previous one.
bool TCustomForm::IsDocumentKey(const TWMKey& AMessage) {
  if (GetKeyState(VK_CONTROL) >= 0 || (AMessage.KeyData & AltMask)) return false;
  switch (AMessage.CharCode) {
    case VK_F4:
      Close();
      return true;
    case VK_F6:
      SendMessage(ParentWindow(), WM_MDINEXT, reinterpret_cast<WPARAM>(Handle()),
                  GetKeyState(VK_SHIFT) < 0 ? 1 : 0);
      return true;
    default:
      return false;
  }
}
