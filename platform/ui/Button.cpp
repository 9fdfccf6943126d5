// TButton: clicks, the dialog keys and characters it takes, and its face.

#include "platform/ui/Button.h"

#include "platform/ui/Accelerators.h"
#include "platform/win/Keyboard.h"

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
  ControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque};
  SetBounds(0, 0, 75, 25);
  SetColor(clBtnFace);
  SetTabStop(true);
}

void TButton::SetDefault(bool AValue) {
  if (FDefault == AValue) return;
  FDefault = AValue;
  TCustomForm* Form = GetParentForm(this);
  UpdateActive(Form ? Form->ActiveControl() : nullptr);
}

void TButton::Click() {
  if (TCustomForm* Form = GetParentForm(this)) Form->ModalResult = ModalResult;
  TCustomControl::Click();
}

void TButton::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(AMessage); break;
    case CM_DIALOGKEY: CMDialogKey(AMessage); break;
    case CM_DIALOGCHAR: CMDialogChar(AMessage); break;
    case CM_FOCUSCHANGED: CMFocusChanged(AMessage); break;
    case CM_TEXTCHANGED: Invalidate(); break;
    default: TCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// A pressed button takes the focus, as a push button of the window system does.
void TButton::WMLButtonDown(TMessage& AMessage) {
  if (!Focused() && CanFocus()) SetFocus();
  TCustomControl::Dispatch(AMessage);
}

void TButton::KeyUp(WORD& AKey, TShiftState AShift) {
  TCustomControl::KeyUp(AKey, AShift);
  if (AKey == VK_SPACE) Click();
}

void TButton::CMDialogKey(TMessage& AMessage) {
  const bool Takes = (AMessage.WParam == VK_RETURN && FActive) || (AMessage.WParam == VK_ESCAPE && Cancel);
  if (Takes && KeyDataToShiftState(AMessage.LParam).Empty() && CanFocus()) {
    Click();
    AMessage.Result = 1;
    return;
  }
  TCustomControl::Dispatch(AMessage);
}

void TButton::CMDialogChar(TMessage& AMessage) {
  if (IsAccel(static_cast<uint32_t>(AMessage.WParam), Caption()) && CanFocus()) {
    Click();
    AMessage.Result = 1;
    return;
  }
  TCustomControl::Dispatch(AMessage);
}

// A focused button takes Enter itself; while another control has the focus, the
// default button does.
void TButton::CMFocusChanged(TMessage& AMessage) {
  UpdateActive(reinterpret_cast<TControl*>(AMessage.LParam));
  TCustomControl::Dispatch(AMessage);
}

void TButton::UpdateActive(TControl* AFocused) {
  const bool Active = dynamic_cast<TButton*>(AFocused) ? AFocused == this : FDefault;
  if (FActive == Active) return;
  FActive = Active;
  Invalidate();
}

void TButton::Paint() {
  TCanvas& C = Canvas();
  TRect Face = ClientRect();
  C.Brush().SetStyle(bsSolid);
  if (FActive) {
    C.Brush().SetColor(clWindowFrame);
    C.FrameRect(Face);
    InflateRect(Face, -1, -1);
  }
  C.Brush().SetColor(Color());
  C.FillRect(Face);
  C.Pen().SetColor(clBtnHighlight);
  C.MoveTo(Face.Left, Face.Bottom - 1);
  C.LineTo(Face.Left, Face.Top);
  C.LineTo(Face.Right - 1, Face.Top);
  C.Pen().SetColor(clBtnShadow);
  C.LineTo(Face.Right - 1, Face.Bottom - 1);
  C.LineTo(Face.Left - 1, Face.Bottom - 1);
  C.Font().Assign(Font());
  if (!Enabled()) C.Font().SetColor(clGrayText);
  C.Brush().SetStyle(bsClear);
  C.TextRect(Face, Caption(), {tfCenter, tfVerticalCenter, tfSingleLine});
}
