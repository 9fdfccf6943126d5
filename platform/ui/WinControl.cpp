// TWinControl: construction and teardown, children, z-order, visibility and text.

#include "platform/ui/WinControl.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/base/ScopeExit.h"
#include "platform/ui/ControlMouseInternal.h"
#include "platform/ui/WindowMethods.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

template <typename T>
void EraseItem(std::vector<T*>& AList, const TControl* AItem) {
  AList.erase(std::remove(AList.begin(), AList.end(), AItem), AList.end());
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  FObjectInstance = MakeObjectInstance([this](TMessage& AMessage) { MainWndProc(AMessage); });
}

// Teardown in a fixed order: the components that may reach back into this control
// first, then the children (each takes its window with it), then the focus this
// control held and its own window; TControl's destructor then leaves the parent.
TWinControl::~TWinControl() {
  // A procedure that replaced this control's may belong to an object that is gone or
  // half gone by now (a control owning this one): the messages of the teardown go to
  // the control's own.
  WindowProc = [this](TMessage& AMessage) { WndProc(AMessage); };
  Destroying();
  DestroyComponents();
  if (FParent) RemoveFocus(true);
  while (!FControls.empty() || !FWinControls.empty()) {
    TControl* Child = !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
    RemoveControl(Child);
    delete Child;
  }
  if (FHandle) DestroyWindowHandle();
  FreeObjectInstance(FObjectInstance);
}

// ---------------------------------------------------------------- children

TControl* TWinControl::Controls(int AIndex) const {
  const int Windowless = static_cast<int>(FControls.size());
  if (AIndex < 0 || AIndex >= ControlCount())
    throw EListError(Format("List index out of bounds (%d)", AIndex));
  return AIndex < Windowless ? FControls[AIndex] : FWinControls[AIndex - Windowless];
}

bool TWinControl::ContainsControl(const TControl* AControl) const {
  while (AControl && AControl != this) AControl = AControl->Parent();
  return AControl == this;
}

TControl* TWinControl::ControlAtPos(TPoint APos, bool AAllowDisabled, bool AAllowWinControls) const {
  auto Hits = [&](TControl* AControl) {
    if (!AControl->Visible() || (!AAllowDisabled && !AControl->Enabled())) return false;
    if (!PtInRect(AControl->BoundsRect(), APos)) return false;
    const TPoint Local{APos.X - AControl->Left(), APos.Y - AControl->Top()};
    return AControl->Perform(CM_HITTEST, 0, PointToLParam(Local)) != 0;
  };
  // Windowed children lie above the windowless ones; each list is kept from the bottom.
  if (AAllowWinControls)
    for (auto It = FWinControls.rbegin(); It != FWinControls.rend(); ++It)
      if (Hits(*It)) return *It;
  for (auto It = FControls.rbegin(); It != FControls.rend(); ++It)
    if (Hits(*It)) return *It;
  return nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
  if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) {
    FWinControls.push_back(Windowed);
    FTabList.push_back(Windowed);
  } else {
    FControls.push_back(AControl);
  }
  AControl->FParent = this;
  if (!AControl->ComponentState().Contains(csReading)) {
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    if (auto* Windowed = dynamic_cast<TWinControl*>(AControl))
      Windowed->UpdateControlState();
    else if (HandleAllocated())
      AControl->Invalidate();
    AlignControl(AControl);
  }
}

// A windowed child leaves with its window destroyed (it is made again under the next
// parent); the mouse forgets a child that held it.
void TWinControl::RemoveControl(TControl* AControl) {
  if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) {
    Windowed->RemoveFocus(true);
    Windowed->DestroyHandle();
  } else if (HandleAllocated()) {
    AControl->InvalidateControl(AControl->Visible(), false);
  }
  ReleaseCaptureControl(AControl);
  EraseItem(FControls, AControl);
  EraseItem(FWinControls, AControl);
  EraseItem(FTabList, AControl);
  AControl->FParent = nullptr;
  Realign();
}

void TWinControl::Broadcast(TMessage& AMessage) {
  for (int I = 0; I < ControlCount(); ++I) {
    Controls(I)->WindowProc(AMessage);
    if (AMessage.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT AMsg) {
  TMessage Message{AMsg, 0, 0, 0};
  Broadcast(Message);
}

void TWinControl::ShowControl(TControl*) {
  if (FParent) FParent->ShowControl(this);
}

// ---------------------------------------------------------------- z-order

void TWinControl::SetZOrder(TControl* AControl, bool ATopMost) {
  if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) {
    EraseItem(FWinControls, AControl);
    FWinControls.insert(ATopMost ? FWinControls.end() : FWinControls.begin(), Windowed);
    if (Windowed->HandleAllocated())
      SetWindowPos(Windowed->FHandle, ATopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  } else {
    EraseItem(FControls, AControl);
    FControls.insert(ATopMost ? FControls.end() : FControls.begin(), AControl);
    AControl->InvalidateControl(AControl->Visible(), true);
  }
}

// A top-level control goes to the top of the screen's windows.
void TControl::BringToFront() {
  if (FParent) return FParent->SetZOrder(this, true);
  if (auto* Self = dynamic_cast<TWinControl*>(this); Self && Self->HandleAllocated())
    SetWindowPos(Self->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TControl::SendToBack() {
  if (FParent) return FParent->SetZOrder(this, false);
  if (auto* Self = dynamic_cast<TWinControl*>(this); Self && Self->HandleAllocated())
    SetWindowPos(Self->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND TWinControl::PrecedingWindow() const {
  const auto& Siblings = FParent->FWinControls;
  auto It = std::find(Siblings.begin(), Siblings.end(), this);
  for (++It; It < Siblings.end(); ++It)
    if ((*It)->FHandle) return (*It)->FHandle;
  return HWND_TOP;
}

// ---------------------------------------------------------------- visibility

// A control has its window shown while it and its parents are visible; the windows of
// windowed children follow.
void TWinControl::UpdateShowing() {
  const bool ShowNow = FVisible && !ControlState.Contains(csReadingState);
  if (ShowNow) {
    if (!FHandle) CreateHandle();
    const std::vector<TWinControl*> Children = FWinControls;
    for (TWinControl* Child : Children) Child->UpdateShowing();
  }
  if (FHandle && FShowing != ShowNow) {
    FShowing = ShowNow;
    ScopeExit RevertOnFailure([&] { FShowing = !ShowNow; });
    Perform(CM_SHOWINGCHANGED, 0, 0);
    RevertOnFailure.Dismiss();
  }
}

// Runs UpdateShowing when every parent up to the top-level control is showing, and the
// top-level control has somewhere to show: a parent window, or a window of its own
// kind that needs none (a form's).
void TWinControl::UpdateControlState() {
  TWinControl* Control = this;
  while (Control->FParent) {
    Control = Control->FParent;
    if (!Control->FShowing) return;
  }
  if (Control->FParentWindow || !Control->IsChildWindow()) UpdateShowing();
}

bool TWinControl::IsChildWindow() {
  TCreateParams Params;
  CreateParams(Params);
  return (Params.Style & WS_CHILD) != 0;
}

void TWinControl::CMShowingChanged(TMessage&) {
  const UINT Common = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, Common | (FShowing ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// The window shows and hides itself: nothing of the parent is invalidated.
void TWinControl::CMVisibleChanged(TMessage&) {
  if (!FVisible && FParent) RemoveFocus(false);
  UpdateControlState();
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (!FEnabled && FParent) RemoveFocus(false);
  if (FHandle) EnableWindow(FHandle, FEnabled);
}

void TWinControl::SetParentWindow(HWND AValue) {
  if (FParent || FParentWindow == AValue) return;
  if (FHandle && FParentWindow && AValue) {
    ::SetParent(FHandle, AValue);
    FParentWindow = AValue;
    return;
  }
  DestroyHandle();
  FParentWindow = AValue;
  UpdateControlState();
}

// ---------------------------------------------------------------- text and font

void TWinControl::SetText(const String& AValue) {
  if (FText == AValue) return;
  FText = AValue;
  if (FHandle) SetWindowText(FHandle, FText.c_str());
  Perform(CM_TEXTCHANGED, 0, 0);
}

// The window hears of a changed text (SetWindowText from outside the control).
void TWinControl::WMSetText(TMessage& AMessage) {
  DefaultHandler(AMessage);
  if (AMessage.LParam) FText = reinterpret_cast<const char*>(AMessage.LParam);
}

void TWinControl::CMFontChanged(TMessage& AMessage) {
  TControl::Dispatch(AMessage);
  if (FHandle) Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& AMessage) {
  TControl::Dispatch(AMessage);
  FBrush.SetColor(Color());
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) { NotifyControls(CM_PARENTSHOWHINTCHANGED); }

TWinControl* FindWinControlOf(TControl* AControl) {
  while (AControl) {
    if (auto* Windowed = dynamic_cast<TWinControl*>(AControl)) return Windowed;
    AControl = AControl->Parent();
  }
  return nullptr;
}
