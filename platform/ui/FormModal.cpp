// TCustomForm::ShowModal: the other windows disabled, a message loop of its own until
// ModalResult is set, and everything put back afterwards.

#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/CustomForm.h"
#include "platform/win/Capture.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowTree.h"

namespace {

// Disables every visible, enabled top-level window but AKept, and returns them.
std::vector<HWND> DisableOtherWindows(HWND AKept) {
  std::vector<HWND> Disabled;
  EnumWindows([&](HWND AWindow) {
    if (AWindow != AKept && IsWindowVisible(AWindow) && IsWindowEnabled(AWindow)) Disabled.push_back(AWindow);
    return true;
  });
  for (HWND Window : Disabled) EnableWindow(Window, false);
  return Disabled;
}

// The windows disabled for the modal form, enabled again (those still there), and the
// window that was active before, activated again.
class TModalScope {
 public:
  explicit TModalScope(HWND AModal)
      : FActiveBefore(GetActiveWindow()), FDisabled(DisableOtherWindows(AModal)) {}
  TModalScope(const TModalScope&) = delete;
  TModalScope& operator=(const TModalScope&) = delete;

  // The windows are enabled again before the form hides, so that the activation it
  // gives up goes to one of them.
  void EnableWindows() {
    for (HWND Window : FDisabled)
      if (IsWindow(Window)) EnableWindow(Window, true);
    FDisabled.clear();
  }
  void Restore(HWND AModal) {
    if (FActiveBefore && FActiveBefore != AModal && IsWindow(FActiveBefore) && IsWindowVisible(FActiveBefore))
      SetActiveWindow(FActiveBefore);
  }
  ~TModalScope() { EnableWindows(); }

 private:
  HWND FActiveBefore;
  std::vector<HWND> FDisabled;
};

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FModal) throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND Captured = GetCapture()) SendMessage(Captured, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  FModal = true;
  ScopeExit EndModal([this] { FModal = false; });
  ModalResult = mrNone;
  try {
    TModalScope Scope(Handle());
    Show();
    // Once the application is told to end, the loop ends before it would wait for
    // input that may never come.
    while (ModalResult == mrNone) {
      if (Application->Terminated()) {
        ModalResult = mrCancel;
        break;
      }
      Application->HandleMessage();
      if (ModalResult != mrNone) CloseModal();
    }
    Scope.EnableWindows();
    Hide();
    Scope.Restore(Handle());
  } catch (...) {
    // Hiding sends messages whose handlers may throw, so it cannot run from a scope
    // guard's destructor; a loop that ends normally has hidden the form already.
    Hide();
    throw;
  }
  return ModalResult;
}

// The result ends the loop when OnCloseQuery and OnClose agree; caFree frees the form
// after the loop.
void TCustomForm::CloseModal() {
  TCloseAction Action = caNone;
  if (CloseQuery()) {
    Action = caHide;
    DoClose(Action);
  }
  if (Action == caNone)
    ModalResult = mrNone;
  else if (Action == caFree)
    Release();
}
