// The mouse state of the class library: the control the pointer is over (for
// CM_MOUSEENTER and CM_MOUSELEAVE) and the windowless control holding the mouse.

#include "platform/ui/Control.h"
#include "platform/ui/ControlMouseInternal.h"
#include "platform/ui/WinControl.h"
#include "platform/win/Capture.h"
#include "platform/win/Keyboard.h"

namespace {

// The windowless control that holds the mouse; its parent's window holds the window
// system's capture meanwhile.
TControl* CaptureControl = nullptr;
TControl* PointerControl = nullptr;

// While a control holds the mouse, only it hears of its own entering and leaving.
bool HearsEnterLeave(TControl* AControl) {
  TControl* Holder = GetCaptureControl();
  return AControl && (!Holder || Holder == AControl);
}

}  // namespace

void SetCaptureControl(TControl* AControl) {
  ReleaseCapture();
  CaptureControl = nullptr;
  if (!AControl) return;
  auto* Windowed = dynamic_cast<TWinControl*>(AControl);
  if (!Windowed) {
    if (!AControl->Parent()) return;
    CaptureControl = AControl;
    Windowed = AControl->Parent();
  }
  SetCapture(Windowed->Handle());
}

TControl* GetCaptureControl() {
  TControl* Result = FindControl(GetCapture());
  if (Result && CaptureControl && CaptureControl->Parent() == Result) Result = CaptureControl;
  return Result;
}

TControl* MouseControl() { return PointerControl; }

void SetMouseControl(TControl* AControl) {
  if (AControl == PointerControl) return;
  TControl* Old = PointerControl;
  PointerControl = AControl;
  if (HearsEnterLeave(Old)) Old->Perform(CM_MOUSELEAVE, 0, 0);
  // The leave handler may have freed the new control (it forgets itself then).
  if (PointerControl == AControl && HearsEnterLeave(AControl)) AControl->Perform(CM_MOUSEENTER, 0, 0);
}

void ForgetMouseControl(TControl* AControl) {
  if (PointerControl == AControl) PointerControl = nullptr;
  ReleaseCaptureControl(AControl);
}

void ReleaseCaptureControl(TControl* AControl) {
  if (!AControl || CaptureControl != AControl) return;
  CaptureControl = nullptr;
  ReleaseCapture();
}

// ---------------------------------------------------------------- shift states

namespace {

bool KeyIsDown(int AVirtualKey) { return GetKeyState(AVirtualKey) < 0; }

}  // namespace

TShiftState KeysToShiftState(WORD AKeys) {
  TShiftState Result;
  if (AKeys & MK_SHIFT) Result.Include(ssShift);
  if (AKeys & MK_CONTROL) Result.Include(ssCtrl);
  if (AKeys & MK_LBUTTON) Result.Include(ssLeft);
  if (AKeys & MK_RBUTTON) Result.Include(ssRight);
  if (AKeys & MK_MBUTTON) Result.Include(ssMiddle);
  if (KeyIsDown(VK_MENU)) Result.Include(ssAlt);
  return Result;
}

TShiftState KeyDataToShiftState(LPARAM AKeyData) {
  TShiftState Result;
  if (KeyIsDown(VK_SHIFT)) Result.Include(ssShift);
  if (KeyIsDown(VK_CONTROL)) Result.Include(ssCtrl);
  if (AKeyData & AltMask) Result.Include(ssAlt);
  return Result;
}
