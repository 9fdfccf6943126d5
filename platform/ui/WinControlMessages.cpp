// TWinControl's window procedure: routing, the mouse over windowless children, the
// cursor, and the reflection of notifications to the child windows they concern.

#include "platform/ui/ControlMouseInternal.h"
#include "platform/ui/CursorTable.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/native/ListBoxMessages.h"
#include "platform/win/Capture.h"
#include "platform/win/Cursors.h"
#include "platform/win/MouseTracking.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowTree.h"

void TWinControl::WndProc(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_SETFOCUS:
      // The top-level control may refuse (an OnExit moved the focus elsewhere).
      if (TWinControl* Top = TopLevelParent(); Top && !Top->SetFocusedControl(this)) return;
      break;
    case WM_KILLFOCUS:
      if (ControlState.Contains(csFocusing)) return;
      break;
    case WM_NCHITTEST:
      TControl::WndProc(AMessage);
      // A windowless child answers for its part of a window that lets the mouse through.
      if (AMessage.Result == HTTRANSPARENT &&
          ControlAtPos(ScreenToClient(LParamToPoint(AMessage.LParam)), false))
        AMessage.Result = HTCLIENT;
      return;
    case WM_CANCELMODE:
      if (GetCapture() == FHandle && GetCaptureControl() != this)
        GetCaptureControl()->Perform(WM_CANCELMODE, 0, 0);
      break;
    default:
      break;
  }
  // The wheel carries a screen point and goes to the focused window: not routed by
  // position.
  if (AMessage.Msg >= WM_MOUSEFIRST && AMessage.Msg <= WM_MOUSELAST && AMessage.Msg != WM_MOUSEWHEEL &&
      AMessage.Msg != WM_MOUSEHWHEEL) {
    if (AMessage.Msg == WM_MOUSEMOVE) TrackMouseControl(AMessage);
    if (IsControlMouseMsg(AMessage)) {
      if (AMessage.Result == 0 && FHandle)
        AMessage.Result =
            CallWindowProc(FDefWndProc, FHandle, AMessage.Msg, AMessage.WParam, AMessage.LParam);
      return;
    }
  }
  TControl::WndProc(AMessage);
}

void TWinControl::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case WM_PAINT: WMPaint(AMessage); break;
    case WM_ERASEBKGND: WMEraseBkgnd(AMessage); break;
    case WM_SIZE: WMSize(AMessage); break;
    case WM_MOVE: WMMove(AMessage); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(AMessage); break;
    case WM_KEYDOWN: WMKeyDown(AMessage); break;
    case WM_KEYUP: WMKeyUp(AMessage); break;
    case WM_SYSKEYUP: WMKeyUp(AMessage); break;
    case WM_CHAR: WMChar(AMessage); break;
    case WM_SYSKEYDOWN: WMSysKeyDown(AMessage); break;
    case WM_SETCURSOR: WMSetCursor(AMessage); break;
    case WM_SETTEXT: WMSetText(AMessage); break;
    case WM_MOUSELEAVE: WMMouseLeave(AMessage); break;
    case WM_CONTEXTMENU: WMContextMenu(AMessage); break;
    case WM_NCDESTROY: WMNCDestroy(AMessage); break;
    case WM_COMMAND: WMReflect(AMessage); break;
    case WM_NOTIFY: WMReflect(AMessage); break;
    case WM_HSCROLL: WMReflect(AMessage); break;
    case WM_VSCROLL: WMReflect(AMessage); break;
    case WM_DRAWITEM: WMReflect(AMessage); break;
    case WM_CTLCOLOREDIT: WMCtlColor(AMessage); break;
    case WM_CTLCOLORLISTBOX: WMCtlColor(AMessage); break;
    case WM_CTLCOLORBTN: WMCtlColor(AMessage); break;
    case WM_CTLCOLORDLG: WMCtlColor(AMessage); break;
    case WM_CTLCOLORSCROLLBAR: WMCtlColor(AMessage); break;
    case WM_CTLCOLORSTATIC: WMCtlColor(AMessage); break;
    case CN_KEYDOWN: CNKeyDown(AMessage); break;
    case CN_CHAR: CNChar(AMessage); break;
    case CN_SYSKEYDOWN: CNSysKeyDown(AMessage); break;
    case CN_SYSCHAR: CNSysChar(AMessage); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(AMessage); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(AMessage); break;
    case CM_SHOWINGCHANGED: CMShowingChanged(AMessage); break;
    case CM_FONTCHANGED: CMFontChanged(AMessage); break;
    case CM_COLORCHANGED: CMColorChanged(AMessage); break;
    case CM_SHOWHINTCHANGED: CMShowHintChanged(AMessage); break;
    case CM_DIALOGKEY: CMDialogKey(AMessage); break;
    case CM_DIALOGCHAR: CMDialogChar(AMessage); break;
    case CM_FOCUSCHANGED: CMFocusChanged(AMessage); break;
    case CM_ENTER: CMEnter(AMessage); break;
    case CM_EXIT: CMExit(AMessage); break;
    case CM_RECREATEWND: CMRecreateWnd(AMessage); break;
    default: TControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// ---------------------------------------------------------------- mouse

// While this window holds the capture for a windowless child, the child gets the
// mouse; otherwise the windowless child under the pointer does, in its coordinates.
bool TWinControl::IsControlMouseMsg(TMessage& AMessage) {
  TControl* Control = nullptr;
  if (FHandle && GetCapture() == FHandle) {
    TControl* Holder = GetCaptureControl();
    if (Holder && Holder->Parent() == this) Control = Holder;
  } else {
    Control = ControlAtPos(LParamToPoint(AMessage.LParam), false);
  }
  if (!Control) return false;
  const TPoint P = LParamToPoint(AMessage.LParam);
  AMessage.Result = Control->Perform(AMessage.Msg, AMessage.WParam,
                                     PointToLParam({P.X - Control->Left(), P.Y - Control->Top()}));
  return true;
}

// The control under the pointer is the deepest one at the pointer's screen position
// (disabled ones included: they show their hover looks too).
void TWinControl::TrackMouseControl(const TMessage& AMessage) {
  TRACKMOUSEEVENT Track;
  Track.dwFlags = TME_LEAVE;
  Track.hwndTrack = FHandle;
  TrackMouseEvent(&Track);
  POINT OnScreen = LParamToPoint(AMessage.LParam);
  ::ClientToScreen(FHandle, &OnScreen);
  SetMouseControl(FindControlAtScreenPos(OnScreen));
}

void TWinControl::WMMouseLeave(TMessage& AMessage) {
  DefaultHandler(AMessage);
  POINT Pointer;
  GetCursorPos(&Pointer);
  SetMouseControl(FindControlAtScreenPos(Pointer));
}

// The windowless child under the point gets the context menu first.
void TWinControl::WMContextMenu(TMessage& AMessage) {
  if (AMessage.Result != 0) return;
  const TPoint OnScreen = LParamToPoint(AMessage.LParam);
  const bool FromKeyboard = OnScreen.X == -1 && OnScreen.Y == -1;
  if (TControl* Child = FromKeyboard ? nullptr : ControlAtPos(ScreenToClient(OnScreen), false))
    AMessage.Result = Child->Perform(WM_CONTEXTMENU, AMessage.WParam, AMessage.LParam);
  if (AMessage.Result == 0) TControl::Dispatch(AMessage);
}

TControl* FindControlAtScreenPos(TPoint APoint) {
  TWinControl* Window = nullptr;
  for (HWND Under = WindowFromPoint(APoint); Under && !Window; Under = GetParent(Under))
    Window = FindControl(Under);
  if (!Window) return nullptr;
  TControl* Child = Window->ControlAtPos(Window->ScreenToClient(APoint), true);
  return Child ? Child : Window;
}

// The cursor of the windowless child under the pointer, else the control's own, unless
// the screen's cursor overrides both.
void TWinControl::WMSetCursor(TMessage& AMessage) {
  if (reinterpret_cast<HWND>(AMessage.WParam) == FHandle &&
      static_cast<int16_t>(LOWORD(AMessage.LParam)) == HTCLIENT) {
    TCursor Shape = ScreenCursor();
    if (Shape == crDefault) {
      POINT Pointer;
      GetCursorPos(&Pointer);
      if (TControl* Child = ControlAtPos(ScreenToClient(Pointer), false)) Shape = Child->Cursor();
      if (Shape == crDefault) Shape = Cursor();
    }
    if (Shape != crDefault) {
      ::SetCursor(CursorHandle(Shape));
      AMessage.Result = 1;
      return;
    }
  }
  DefaultHandler(AMessage);
}

// ---------------------------------------------------------------- reflection

// WM_COMMAND and the scroll messages carry the child window in lParam, WM_NOTIFY in the
// first field of its header, WM_DRAWITEM in its record's hwndItem; the child control
// receives the message as CN_….
void TWinControl::WMReflect(TMessage& AMessage) {
  HWND Child = AMessage.Msg == WM_NOTIFY && AMessage.LParam ? *reinterpret_cast<const HWND*>(AMessage.LParam)
                                                            : reinterpret_cast<HWND>(AMessage.LParam);
  if (AMessage.Msg == WM_DRAWITEM && AMessage.LParam)
    Child = reinterpret_cast<const DRAWITEMSTRUCT*>(AMessage.LParam)->hwndItem;
  if (TWinControl* Control = FindControl(Child)) {
    AMessage.Result = Control->Perform(AMessage.Msg + CN_BASE, AMessage.WParam, AMessage.LParam);
    return;
  }
  DefaultHandler(AMessage);
}

void TWinControl::WMCtlColor(TMessage& AMessage) {
  if (TWinControl* Control = FindControl(reinterpret_cast<HWND>(AMessage.LParam))) {
    AMessage.Result = Control->Perform(AMessage.Msg + CN_BASE, AMessage.WParam, AMessage.LParam);
    return;
  }
  DefaultHandler(AMessage);
}
