// TspTrayIcon's hidden window: the icon's mouse actions, a single click told from a
// double click on the click timer, and the popup menu at the cursor.

#include "components/forms/spTrayIcon.h"
#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "platform/win/Cursors.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowProcedures.h"

namespace {

TShiftState TrayShiftState() {
  TShiftState Shift;
  if (GetAsyncKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
  if (GetAsyncKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
  if (GetAsyncKeyState(VK_MENU) < 0) Shift.Include(ssAlt);
  return Shift;
}

}  // namespace

void TspTrayIcon::IconWindowProc(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case SP_TRAYICONCALLBACK:
      if (Enabled) IconCallback(AMessage.LParam);
      return;
    // The hidden window lives as long as the component.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY:
      AMessage.Result = 1;
      return;
    default:
      AMessage.Result = DefWindowProc(FIconData.hWnd, AMessage.Msg, AMessage.WParam, AMessage.LParam);
  }
}

void TspTrayIcon::IconCallback(LPARAM AAction) {
  if (AAction == NIN_BALLOONUSERCLICK) {
    if (OnBalloonHintClick) OnBalloonHintClick(this);
    return;
  }
  POINT Cursor;
  GetCursorPos(&Cursor);
  const TShiftState Shift = TrayShiftState();
  // Every user event may free the component (a handler that closes the owner form):
  // after one, members are touched only while it lives.
  const TLiveToken Alive = FLive.Token();
  switch (AAction) {
    case WM_MOUSEMOVE:
      MouseMove(Shift, Cursor.X, Cursor.Y);
      break;
    case WM_LBUTTONDOWN:
      ClickTimer->SetEnabled(true);
      MouseDown(mbLeft, Shift + TShiftState{ssLeft}, Cursor.X, Cursor.Y);
      if (!Alive) return;
      FClickStart = true;
      if (PopupByLeftButton) PopupAtCursor();
      break;
    case WM_LBUTTONUP:
      if (FClickStart) {
        FClickReady = true;
        // A press held past the double-click time is a click at its release.
        if (!ClickTimer->Enabled()) {
          FClickStart = false;
          FClickReady = false;
          Click();
          if (!Alive) return;
        }
      }
      FClickStart = false;
      MouseUp(mbLeft, Shift + TShiftState{ssLeft}, Cursor.X, Cursor.Y);
      break;
    case WM_LBUTTONDBLCLK:
      FClickReady = false;
      IsDblClick = true;
      DblClick();
      if (!Alive) return;
      if (FPopupMenu && FPopupMenu->AutoPopup && !PopupByLeftButton) {
        TMenuItem* Items = FPopupMenu->Items();
        for (int I = 0; I < Items->Count(); ++I)
          if (Items->Items(I)->Default()) {
            Items->Items(I)->Click();
            break;
          }
      }
      break;
    case WM_RBUTTONDOWN:
      MouseDown(mbRight, Shift + TShiftState{ssRight}, Cursor.X, Cursor.Y);
      if (Alive) PopupAtCursor();
      break;
    case WM_RBUTTONUP:
      MouseUp(mbRight, Shift + TShiftState{ssRight}, Cursor.X, Cursor.Y);
      break;
    case WM_MBUTTONDOWN:
      MouseDown(mbMiddle, Shift + TShiftState{ssMiddle}, Cursor.X, Cursor.Y);
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, Shift + TShiftState{ssMiddle}, Cursor.X, Cursor.Y);
      break;
    default:
      break;
  }
}

void TspTrayIcon::ClickTimerTick() {
  ClickTimer->SetEnabled(false);
  const bool Clicked = !IsDblClick && FClickReady;
  IsDblClick = false;
  if (Clicked) {
    FClickReady = false;
    // The last thing done: the click may free the component.
    Click();
  }
}

void TspTrayIcon::PopupAtCursor() {
  POINT Cursor;
  if (!FPopupMenu || !FPopupMenu->AutoPopup || !GetCursorPos(&Cursor)) return;
  // The pump and the open menu run user code that may free the component or its menu.
  const TLiveToken Alive = FLive.Token();
  Application->ProcessMessages();
  if (!Alive || !FPopupMenu) return;
  SetForegroundWindow(FIconData.hWnd);
  if (TWinControl* Owner = OwnerControl()) SetForegroundWindow(Owner->Handle());
  FPopupMenu->SetPopupComponent(this);
  FPopupMenu->Popup(Cursor.X, Cursor.Y);
  if (!Alive) return;
  if (TWinControl* Owner = OwnerControl()) PostMessage(Owner->Handle(), WM_NULL, 0, 0);
}

void TspTrayIcon::Click() {
  if (OnClick) OnClick(this);
}

void TspTrayIcon::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TspTrayIcon::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (OnMouseDown) OnMouseDown(this, AButton, AShift, AX, AY);
}

void TspTrayIcon::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (OnMouseUp) OnMouseUp(this, AButton, AShift, AX, AY);
}

void TspTrayIcon::MouseMove(TShiftState AShift, int AX, int AY) {
  if (OnMouseMove) OnMouseMove(this, AShift, AX, AY);
}
