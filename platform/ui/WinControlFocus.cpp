// TWinControl's focus and keyboard: focus bookkeeping of the top-level control, tab
// order, key events, and the dialog keys and characters.

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/ui/WinControl.h"
#include "platform/win/Capture.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowTree.h"

namespace {

// Counts focus changes, so that a focus step can tell that a handler it called moved
// the focus elsewhere meanwhile.
int FocusCount = 0;

bool SendFocusMessage(HWND AWindow, UINT AMsg) {
  const int Count = FocusCount;
  SendMessage(AWindow, AMsg, 0, 0);
  return FocusCount == Count;
}

}  // namespace

// ---------------------------------------------------------------- focus

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() {
  TWinControl* Top = TopLevelParent();
  for (TWinControl* Control = this; Control != Top; Control = Control->FParent)
    if (!Control->FVisible || !Control->FEnabled) return false;
  return true;
}

void TWinControl::SetFocus() { TopLevelParent()->FocusControl(this); }

void TWinControl::FocusControl(TWinControl* AControl) {
  if (!AControl->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(AControl->Handle());
}

bool TWinControl::SetFocusedControl(TWinControl* AControl) {
  ++FocusCount;
  if (AControl->ControlState.Contains(csFocusing)) return false;
  AControl->ControlState.Include(csFocusing);
  struct TFocusingGuard {
    TWinControl* Control;
    ~TFocusingGuard() { Control->ControlState.Exclude(csFocusing); }
  } Guard{AControl};
  if (!FFocusedControl) FFocusedControl = this;
  if (FFocusedControl == AControl) return true;
  // Leave the controls up to the first one that holds the new control, then enter the
  // controls down to it; an OnExit or OnEnter that moves the focus ends the walk.
  while (FFocusedControl && !FFocusedControl->ContainsControl(AControl)) {
    HWND Leaving = FFocusedControl->Handle();
    FFocusedControl = FFocusedControl->FParent;
    if (!SendFocusMessage(Leaving, CM_EXIT)) return false;
  }
  while (FFocusedControl != AControl) {
    TWinControl* Next = AControl;
    while (Next->FParent != FFocusedControl) Next = Next->FParent;
    FFocusedControl = Next;
    if (!SendFocusMessage(Next->Handle(), CM_ENTER)) return false;
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(AControl));
  return true;
}

void TWinControl::DefocusControl(TWinControl* AControl, bool ARemoving) {
  if (ARemoving && AControl->ContainsControl(FFocusedControl)) FFocusedControl = AControl->FParent;
}

void TWinControl::RemoveFocus(bool ARemoving) {
  if (TWinControl* Top = TopLevelParent()) Top->DefocusControl(this, ARemoving);
}

void TWinControl::CancelModes(TControl* ASender) {
  if (FFocusedControl && FFocusedControl != this && FFocusedControl != ASender)
    FFocusedControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(ASender));
}

bool TWinControl::IsShortCut(TWMKey&) { return false; }

void TWinControl::CMEnter(TMessage&) { DoEnter(); }

void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::CMFocusChanged(TMessage& AMessage) { Broadcast(AMessage); }

// ---------------------------------------------------------------- tab order

void TWinControl::SetTabStop(bool AValue) {
  if (FTabStop == AValue) return;
  FTabStop = AValue;
  if (FHandle) {
    const LONG_PTR Style = GetWindowLong(FHandle, GWL_STYLE);
    SetWindowLong(FHandle, GWL_STYLE, AValue ? Style | WS_TABSTOP : Style & ~LONG_PTR(WS_TABSTOP));
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const {
  if (!FParent) return -1;
  const auto& List = FParent->FTabList;
  return static_cast<int>(std::find(List.begin(), List.end(), this) - List.begin());
}

void TWinControl::SetTabOrder(int AValue) {
  const int Current = TabOrder();
  if (Current < 0) return;
  auto& List = FParent->FTabList;
  const int Wanted = std::clamp(AValue, 0, static_cast<int>(List.size()) - 1);
  if (Wanted == Current) return;
  List.erase(List.begin() + Current);
  List.insert(List.begin() + Wanted, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& AList) {
  for (TWinControl* Control : FTabList) {
    AList.push_back(Control);
    Control->GetTabOrderList(AList);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* ACurControl, bool AGoForward, bool ACheckTabStop,
                                          bool ACheckParent) {
  std::vector<TWinControl*> List;
  GetTabOrderList(List);
  if (List.empty()) return nullptr;
  const int Count = static_cast<int>(List.size());
  int Start = static_cast<int>(std::find(List.begin(), List.end(), ACurControl) - List.begin());
  if (Start == Count) Start = AGoForward ? Count - 1 : 0;
  int I = Start;
  do {
    I = AGoForward ? (I + 1) % Count : (I + Count - 1) % Count;
    TWinControl* Candidate = List[I];
    if (Candidate->CanFocus() && (!ACheckTabStop || Candidate->FTabStop) &&
        (!ACheckParent || Candidate->FParent == this))
      return Candidate;
  } while (I != Start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* ACurControl, bool AGoForward, bool ACheckTabStop) {
  if (TWinControl* Next = FindNextControl(ACurControl, AGoForward, ACheckTabStop, !ACheckTabStop))
    Next->SetFocus();
}

// ---------------------------------------------------------------- keys

void TWinControl::KeyDown(WORD& AKey, TShiftState AShift) {
  if (OnKeyDown) OnKeyDown(this, AKey, AShift);
}

void TWinControl::KeyPress(uint32_t& AKey) {
  if (OnKeyPress) OnKeyPress(this, AKey);
}

void TWinControl::KeyUp(WORD& AKey, TShiftState AShift) {
  if (OnKeyUp) OnKeyUp(this, AKey, AShift);
}

// With KeyPreview the top-level control sees the key first and may take it; a key
// changed to 0 by a handler is taken.
bool TWinControl::DoKeyDown(TMessage& AMessage) {
  TWinControl* Top = TopLevelParent();
  if (Top && Top != this && Top->KeyPreview() && Top->DoKeyDown(AMessage)) return true;
  if (ControlStyle.Contains(csNoStdEvents)) return false;
  WORD Key = LOWORD(AMessage.WParam);
  KeyDown(Key, KeyDataToShiftState(AMessage.LParam));
  AMessage.WParam = Key;
  return Key == 0;
}

bool TWinControl::DoKeyPress(TMessage& AMessage) {
  TWinControl* Top = TopLevelParent();
  if (Top && Top != this && Top->KeyPreview() && Top->DoKeyPress(AMessage)) return true;
  if (ControlStyle.Contains(csNoStdEvents)) return false;
  uint32_t Key = static_cast<uint32_t>(AMessage.WParam);
  KeyPress(Key);
  AMessage.WParam = Key;
  return Key == 0;
}

bool TWinControl::DoKeyUp(TMessage& AMessage) {
  TWinControl* Top = TopLevelParent();
  if (Top && Top != this && Top->KeyPreview() && Top->DoKeyUp(AMessage)) return true;
  if (ControlStyle.Contains(csNoStdEvents)) return false;
  WORD Key = LOWORD(AMessage.WParam);
  KeyUp(Key, KeyDataToShiftState(AMessage.LParam));
  AMessage.WParam = Key;
  return Key == 0;
}

void TWinControl::WMKeyDown(TMessage& AMessage) {
  if (!DoKeyDown(AMessage)) DefaultHandler(AMessage);
}

void TWinControl::WMSysKeyDown(TMessage& AMessage) {
  if (!DoKeyDown(AMessage)) DefaultHandler(AMessage);
}

void TWinControl::WMKeyUp(TMessage& AMessage) {
  if (!DoKeyUp(AMessage)) DefaultHandler(AMessage);
}

void TWinControl::WMChar(TMessage& AMessage) {
  if (!DoKeyPress(AMessage)) DefaultHandler(AMessage);
}

// The popup menus of the control and its parents, then the top-level control's own
// shortcuts (a form's menu and OnShortCut).
bool TWinControl::IsMenuKey(TMessage& AMessage) {
  TWMKey Key = TWMKey::From(AMessage);
  TWinControl* Top = TopLevelParent();
  return Top && Top->IsShortCut(Key);
}

// Before a key is dispatched: shortcuts, then Tab, arrows, Enter and Escape, which move
// the focus or reach the dialog keys (default and cancel buttons) unless the control
// claims them (CM_WANTSPECIALKEY, WM_GETDLGCODE). Result 1 consumes the key.
void TWinControl::CNKeyDown(TMessage& AMessage) {
  AMessage.Result = 1;
  if (IsMenuKey(AMessage)) return;
  if (!ComponentState().Contains(csDesigning)) {
    const WORD Key = LOWORD(AMessage.WParam);
    if (Perform(CM_CHILDKEY, Key, reinterpret_cast<LPARAM>(this)) != 0) return;
    LRESULT Mask = 0;
    switch (Key) {
      case VK_TAB:
        Mask = DLGC_WANTTAB;
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        Mask = DLGC_WANTARROWS;
        break;
      case VK_RETURN:
      case VK_ESCAPE:
      case VK_CANCEL:
        Mask = DLGC_WANTALLKEYS;
        break;
      default:
        break;
    }
    TWinControl* Top = TopLevelParent();
    if (Mask != 0 && Perform(CM_WANTSPECIALKEY, Key, 0) == 0 && (Perform(WM_GETDLGCODE, 0, 0) & Mask) == 0 &&
        Top && Top->Perform(CM_DIALOGKEY, Key, AMessage.LParam) != 0)
      return;
  }
  AMessage.Result = 0;
}

void TWinControl::CNSysKeyDown(TMessage& AMessage) { AMessage.Result = IsMenuKey(AMessage) ? 1 : 0; }

// A character the control does not want goes to the dialog characters (accelerators of
// labels and buttons).
void TWinControl::CNChar(TMessage& AMessage) {
  AMessage.Result = 0;
  if (ComponentState().Contains(csDesigning)) return;
  TWinControl* Top = TopLevelParent();
  if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0 && Top &&
      Top->Perform(CM_DIALOGCHAR, AMessage.WParam, AMessage.LParam) != 0)
    AMessage.Result = 1;
}

// Alt with a character: the accelerators.
void TWinControl::CNSysChar(TMessage& AMessage) {
  AMessage.Result = 0;
  if (ComponentState().Contains(csDesigning) || AMessage.WParam == VK_SPACE) return;
  if (TWinControl* Top = TopLevelParent())
    AMessage.Result = Top->Perform(CM_DIALOGCHAR, AMessage.WParam, AMessage.LParam);
}

void TWinControl::CMDialogKey(TMessage& AMessage) { Broadcast(AMessage); }

void TWinControl::CMDialogChar(TMessage& AMessage) { Broadcast(AMessage); }
