// TControl's window procedure: the routing of messages to their handlers, and the
// handlers of the mouse and of the CM_ notifications.

#include "platform/ui/Control.h"
#include "platform/ui/WinControl.h"

namespace {

TPoint MessagePoint(const TMessage& AMessage) { return LParamToPoint(AMessage.LParam); }

}  // namespace

void TControl::WndProc(TMessage& AMessage) {
  if (AMessage.Msg >= WM_MOUSEFIRST && AMessage.Msg <= WM_MOUSELAST) {
    // Controls that take no double clicks see a second press as a press.
    if (!ControlStyle.Contains(csDoubleClicks) &&
        (AMessage.Msg == WM_LBUTTONDBLCLK || AMessage.Msg == WM_RBUTTONDBLCLK ||
         AMessage.Msg == WM_MBUTTONDBLCLK))
      AMessage.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    if (AMessage.Msg == WM_MOUSEMOVE && ControlMouseMoveHook) ControlMouseMoveHook(this, AMessage);
    if (AMessage.Msg == WM_LBUTTONDOWN || AMessage.Msg == WM_LBUTTONDBLCLK)
      ControlState.Include(csLButtonDown);
    if (AMessage.Msg == WM_LBUTTONUP) ControlState.Exclude(csLButtonDown);
  }
  Dispatch(AMessage);
}

void TControl::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(AMessage); break;
    case WM_RBUTTONDOWN: WMRButtonDown(AMessage); break;
    case WM_MBUTTONDOWN: WMMButtonDown(AMessage); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(AMessage); break;
    case WM_RBUTTONDBLCLK: WMRButtonDblClk(AMessage); break;
    case WM_MBUTTONDBLCLK: WMMButtonDblClk(AMessage); break;
    case WM_LBUTTONUP: WMLButtonUp(AMessage); break;
    case WM_RBUTTONUP: WMRButtonUp(AMessage); break;
    case WM_MBUTTONUP: WMMButtonUp(AMessage); break;
    case WM_MOUSEMOVE: WMMouseMove(AMessage); break;
    case WM_MOUSEWHEEL: WMMouseWheel(AMessage); break;
    case WM_CONTEXTMENU: WMContextMenu(AMessage); break;
    case WM_CANCELMODE: WMCancelMode(AMessage); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(AMessage); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(AMessage); break;
    case CM_FONTCHANGED: CMFontChanged(AMessage); break;
    case CM_COLORCHANGED: CMColorChanged(AMessage); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(AMessage); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(AMessage); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(AMessage); break;
    case CM_HITTEST: CMHitTest(AMessage); break;
    default: DefaultHandler(AMessage); break;
  }
  // clang-format on
}

LRESULT TControl::Perform(UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  TMessage Message{AMsg, AWParam, ALParam, 0};
  WindowProc(Message);
  return Message.Result;
}

// A windowless control has no window procedure behind it; only the wheel goes on, to
// the parent, as a window's default procedure passes it on.
void TControl::DefaultHandler(TMessage& AMessage) {
  if (AMessage.Msg == WM_MOUSEWHEEL && FParent)
    AMessage.Result = FParent->Perform(WM_MOUSEWHEEL, AMessage.WParam, AMessage.LParam);
}

// ---------------------------------------------------------------- mouse

void TControl::WMLButtonDown(TMessage& AMessage) {
  SendCancelMode();
  DefaultHandler(AMessage);
  if (ControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (ControlStyle.Contains(csClickEvents)) ControlState.Include(csClicked);
  DoMouseDown(AMessage, mbLeft, {});
}

void TControl::WMRButtonDown(TMessage& AMessage) {
  SendCancelMode();
  DefaultHandler(AMessage);
  DoMouseDown(AMessage, mbRight, {});
}

void TControl::WMMButtonDown(TMessage& AMessage) {
  SendCancelMode();
  DefaultHandler(AMessage);
  DoMouseDown(AMessage, mbMiddle, {});
}

void TControl::WMLButtonDblClk(TMessage& AMessage) {
  SendCancelMode();
  DefaultHandler(AMessage);
  if (ControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (ControlStyle.Contains(csClickEvents)) DblClick();
  DoMouseDown(AMessage, mbLeft, {ssDouble});
}

void TControl::WMRButtonDblClk(TMessage& AMessage) {
  SendCancelMode();
  DefaultHandler(AMessage);
  DoMouseDown(AMessage, mbRight, {ssDouble});
}

void TControl::WMMButtonDblClk(TMessage& AMessage) {
  SendCancelMode();
  DefaultHandler(AMessage);
  DoMouseDown(AMessage, mbMiddle, {ssDouble});
}

// A press followed by a release inside the control is a click.
void TControl::WMLButtonUp(TMessage& AMessage) {
  DefaultHandler(AMessage);
  if (ControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (ControlState.Contains(csClicked)) {
    ControlState.Exclude(csClicked);
    if (PtInRect(ClientRect(), MessagePoint(AMessage))) Click();
  }
  DoMouseUp(AMessage, mbLeft);
}

void TControl::WMRButtonUp(TMessage& AMessage) {
  DefaultHandler(AMessage);
  DoMouseUp(AMessage, mbRight);
}

void TControl::WMMButtonUp(TMessage& AMessage) {
  DefaultHandler(AMessage);
  DoMouseUp(AMessage, mbMiddle);
}

void TControl::WMMouseMove(TMessage& AMessage) {
  DefaultHandler(AMessage);
  if (ControlStyle.Contains(csNoStdEvents)) return;
  const TPoint P = MessagePoint(AMessage);
  MouseMove(KeysToShiftState(LOWORD(AMessage.WParam)), P.X, P.Y);
}

void TControl::DoMouseDown(TMessage& AMessage, TMouseButton AButton, TShiftState AShift) {
  if (ControlStyle.Contains(csNoStdEvents)) return;
  const TPoint P = MessagePoint(AMessage);
  MouseDown(AButton, KeysToShiftState(LOWORD(AMessage.WParam)) + AShift, P.X, P.Y);
}

void TControl::DoMouseUp(TMessage& AMessage, TMouseButton AButton) {
  if (ControlStyle.Contains(csNoStdEvents)) return;
  const TPoint P = MessagePoint(AMessage);
  MouseUp(AButton, KeysToShiftState(LOWORD(AMessage.WParam)), P.X, P.Y);
}

void TControl::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (OnMouseDown) OnMouseDown(this, AButton, AShift, AX, AY);
}

void TControl::MouseMove(TShiftState AShift, int AX, int AY) {
  if (OnMouseMove) OnMouseMove(this, AShift, AX, AY);
}

void TControl::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (OnMouseUp) OnMouseUp(this, AButton, AShift, AX, AY);
}

// The wheel goes to the parents in turn until one handles it.
void TControl::WMMouseWheel(TMessage& AMessage) {
  const TShiftState Shift = KeysToShiftState(LOWORD(AMessage.WParam));
  const bool Handled = DoMouseWheel(Shift, GET_WHEEL_DELTA_WPARAM(AMessage.WParam), MessagePoint(AMessage));
  // A turn no event took goes on as if the control had not looked at it: a windowed
  // control's window procedure scrolls (the native lists) or passes it to the parent
  // window; a windowless control passes it to its parent.
  if (Handled)
    AMessage.Result = 1;
  else
    DefaultHandler(AMessage);
}

bool TControl::DoMouseWheel(TShiftState AShift, int AWheelDelta, TPoint AMousePos) {
  bool Handled = false;
  if (OnMouseWheel) OnMouseWheel(this, AShift, AWheelDelta, AMousePos, Handled);
  if (Handled) return true;
  return AWheelDelta < 0 ? DoMouseWheelDown(AShift, AMousePos) : DoMouseWheelUp(AShift, AMousePos);
}

bool TControl::DoMouseWheelDown(TShiftState AShift, TPoint AMousePos) {
  bool Handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, AShift, AMousePos, Handled);
  return Handled;
}

bool TControl::DoMouseWheelUp(TShiftState AShift, TPoint AMousePos) {
  bool Handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, AShift, AMousePos, Handled);
  return Handled;
}

// lParam carries the screen point, or (-1, -1) when the menu key asked.
void TControl::WMContextMenu(TMessage& AMessage) {
  if (AMessage.Result != 0 || ComponentState().Contains(csDesigning)) return;
  const TPoint ScreenPoint = MessagePoint(AMessage);
  const bool FromKeyboard = ScreenPoint.X == -1 && ScreenPoint.Y == -1;
  TPoint Local = ScreenPoint;
  if (!FromKeyboard) {
    Local = ScreenToClient(ScreenPoint);
    if (!PtInRect(ClientRect(), Local)) return DefaultHandler(AMessage);
  }
  bool Handled = false;
  DoContextPopup(Local, Handled);
  if (Handled) {
    AMessage.Result = 1;
    return;
  }
  if (FPopupMenu && ShowControlPopupMenu) {
    const TPoint At = FromKeyboard ? ClientToScreen({0, 0}) : ScreenPoint;
    if (ShowControlPopupMenu(FPopupMenu, this, At)) AMessage.Result = 1;
  }
  if (AMessage.Result == 0) DefaultHandler(AMessage);
}

void TControl::DoContextPopup(TPoint AMousePos, bool& AHandled) {
  if (OnContextPopup) OnContextPopup(this, AMousePos, AHandled);
}

void TControl::WMCancelMode(TMessage& AMessage) {
  DefaultHandler(AMessage);
  if (MouseCapture()) {
    SetMouseCapture(false);
    if (ControlState.Contains(csLButtonDown)) Perform(WM_LBUTTONUP, 0, PointToLParam({-1, -1}));
  }
}

void TControl::SendCancelMode() {
  if (TWinControl* Top = TopLevelParent()) Top->CancelModes(this);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool AValue) {
  if (MouseCapture() == AValue) return;
  SetCaptureControl(AValue ? this : nullptr);
}

// ---------------------------------------------------------------- notifications

void TControl::CMVisibleChanged(TMessage&) {
  InvalidateControl(true, FVisible && ControlStyle.Contains(csOpaque));
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMColorChanged(TMessage&) { Invalidate(); }

// wParam 0: the parent's own; otherwise lParam carries the font to take.
void TControl::CMParentFontChanged(TMessage& AMessage) {
  if (!FParentFont) return;
  if (AMessage.WParam != 0)
    SetFont(*reinterpret_cast<TFont*>(AMessage.LParam));
  else if (FParent)
    SetFont(FParent->Font());
  FParentFont = true;
}

void TControl::CMParentColorChanged(TMessage& AMessage) {
  if (!FParentColor) return;
  if (AMessage.WParam != 0)
    SetColor(static_cast<TColor>(AMessage.LParam));
  else if (FParent)
    SetColor(FParent->Color());
  FParentColor = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!FParentShowHint || !FParent) return;
  SetShowHint(FParent->ShowHint());
  FParentShowHint = true;
}

void TControl::CMHitTest(TMessage& AMessage) { AMessage.Result = HTCLIENT; }
