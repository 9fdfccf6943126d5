// TApplication's hints: following the pointer over controls, the pauses on the window
// system's clock, showing the hint window and hiding it.

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/win/Cursors.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowPos.h"

namespace {

// The control whose hint shows for AControl: the nearest one, from AControl up its
// parents, with ShowHint on.
TControl* GetHintControl(TControl* AControl) {
  TControl* Result = AControl;
  while (Result && !Result->ShowHint()) Result = Result->Parent();
  if (Result && Result->ComponentState().Contains(csDesigning)) return nullptr;
  return Result;
}

// The hint of the nearest control, from AControl up its parents, that has one.
String GetHint(TControl* AControl) {
  while (AControl && AControl->Hint.empty()) AControl = AControl->Parent();
  return AControl ? AControl->Hint : String();
}

}  // namespace

String GetShortHint(const String& AHint) {
  const size_t Bar = AHint.find('|');
  return Bar == String::npos ? AHint : AHint.substr(0, Bar);
}

String GetLongHint(const String& AHint) {
  const size_t Bar = AHint.find('|');
  return Bar == String::npos ? AHint : AHint.substr(Bar + 1);
}

void TApplication::SetShowHint(bool AValue) {
  if (FShowHint == AValue) return;
  FShowHint = AValue;
  if (AValue) return;
  CancelHint();
  delete FHintWindow;
}

THintWindow* TApplication::NeededHintWindow() {
  if (!FHintWindow) FHintWindow = HintWindowClass ? HintWindowClass(this) : new THintWindow(this);
  return FHintWindow;
}

void TApplication::SetHintControl(TControl* AControl) {
  if (FHintControl == AControl) return;
  if (FHintControl) FHintControl->RemoveFreeNotification(this);
  FHintControl = AControl;
  if (FHintControl) FHintControl->FreeNotification(this);
}

// A move onto another control, or out of the part of the control where the shown hint
// stays, starts the pause again: the hint shows once the pointer rests.
void TApplication::HintMouseMessage(TControl* AControl, const TMessage& AMessage) {
  const TPoint Pointer = AControl->ClientToScreen(LParamToPoint(AMessage.LParam));
  TControl* NewHintControl = GetHintControl(FindControlAtScreenPos(Pointer));
  if (!NewHintControl) return CancelHint();
  if (NewHintControl == FHintControl && PtInRect(FHintCursorRect, Pointer)) return;
  const bool WasActive = FHintActive;
  CancelHint();
  FHintActive = WasActive;
  SetHintControl(NewHintControl);
  StartHintTimer(WasActive ? HintShortPause : HintPause, false);
}

void TApplication::ActivateHint(TPoint ACursorPos) {
  FHintActive = false;
  if (!FShowHint || !FHintControl || FHintControl != GetHintControl(FindControlAtScreenPos(ACursorPos)))
    return CancelHint();
  THintInfo Info;
  Info.HintControl = FHintControl;
  Info.HintPos = {ACursorPos.X, ACursorPos.Y + GetSystemMetrics(SM_CYCURSOR)};
  Info.HintMaxWidth = Screen->Width();
  Info.HintColor = HintColor;
  Info.CursorRect = FHintControl->ClientRect();
  Info.CursorPos = FHintControl->ScreenToClient(ACursorPos);
  Info.HintStr = GetShortHint(GetHint(FHintControl));
  Info.HideTimeout = HintHidePause;
  bool CanShow = FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info)) == 0;
  if (CanShow && OnShowHint) OnShowHint(Info.HintStr, CanShow, Info);
  // A handler may have freed the control, which then is no longer the hint control.
  FHintActive = CanShow && FHintControl;
  if (FHintActive && !Info.HintStr.empty()) {
    THintWindow* Window = NeededHintWindow();
    TRect HintRect = Window->CalcHintRect(Info.HintMaxWidth, Info.HintStr, Info.HintData);
    OffsetRect(HintRect, Info.HintPos.X, Info.HintPos.Y);
    const TPoint TopLeft = FHintControl->ClientToScreen(Info.CursorRect.TopLeft());
    const TPoint BottomRight = FHintControl->ClientToScreen(Info.CursorRect.BottomRight());
    FHintCursorRect = Rect(TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y);
    Window->SetColor(Info.HintColor);
    Window->ActivateHintData(HintRect, Info.HintStr, Info.HintData);
    if (Info.HideTimeout > 0) StartHintTimer(Info.HideTimeout, true);
    return;
  }
  if (FHintControl && Info.ReshowTimeout > 0) return StartHintTimer(Info.ReshowTimeout, false);
  CancelHint();
}

void TApplication::HideHint() {
  if (!FHintWindow) return;
  FHintWindow->SetVisible(false);
  if (FHintWindow->HandleAllocated()) ShowWindow(FHintWindow->Handle(), SW_HIDE);
}

void TApplication::CancelHint() {
  if (!FHintControl) return;
  HideHint();
  SetHintControl(nullptr);
  FHintActive = false;
  FHintCursorRect = TRect();
  StopHintTimer();
}

// A key or a click ends the hint, pending or shown.
bool TApplication::IsHintMsg(const MSG& AMessage) {
  if (FHintControl && NeededHintWindow()->IsHintMsg(AMessage)) CancelHint();
  return false;
}

// ---------------------------------------------------------------- the hint timer

// A thread timer: it needs no window, and it runs on the window system's clock.
void TApplication::StartHintTimer(int AInterval, bool AHides) {
  FHintTimerHides = AHides;
  FHintTimer = SetTimer(nullptr, FHintTimer, static_cast<UINT>(AInterval), &HintTimerProc);
}

void TApplication::StopHintTimer() {
  if (!FHintTimer) return;
  KillTimer(nullptr, FHintTimer);
  FHintTimer = 0;
}

void TApplication::HintTimerProc(HWND, UINT, UINT_PTR, DWORD) { Application->HintTimerExpired(); }

// The shown hint hides but its control stays, so that the hint does not come back
// until the pointer moves to another control.
void TApplication::HintTimerExpired() {
  StopHintTimer();
  if (FHintTimerHides) return HideHint();
  POINT Pointer;
  GetCursorPos(&Pointer);
  ActivateHint(Pointer);
}
