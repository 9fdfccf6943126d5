#pragma once
// TButton: a plain push button. A click sets its form's ModalResult; the default
// button takes Enter (unless another button has the focus, which then takes it), the
// cancel button Escape; its accelerator clicks it. The skinned buttons come with the
// skin library; this one draws a simple raised face. User-interface thread only.

#include "platform/ui/CustomForm.h"

class TButton : public TCustomControl {
 public:
  // 75 × 25, clBtnFace, TabStop.
  explicit TButton(TComponent* AOwner);

  bool Default() const { return FDefault; }
  void SetDefault(bool AValue);
  bool Cancel = false;
  // Given to the form by every click; mrNone leaves a modal form open.
  TModalResult ModalResult = mrNone;

  void Click() override;

 protected:
  // The face: raised edges, a black frame while the button takes Enter, the caption
  // centred (grey when disabled).
  void Paint() override;
  void Dispatch(TMessage& AMessage) override;
  // Space clicks the focused button when it comes up.
  void KeyUp(WORD& AKey, TShiftState AShift) override;

 private:
  void WMLButtonDown(TMessage& AMessage);
  void CMDialogKey(TMessage& AMessage);
  void CMDialogChar(TMessage& AMessage);
  void CMFocusChanged(TMessage& AMessage);
  void UpdateActive(TControl* AFocused);

  bool FDefault = false;
  // Whether Enter clicks this button now.
  bool FActive = false;
};
