// The focus a click gives a focusable skinned control.

#include "components/controls/SkinCtrls_InputInternal.h"

bool SwallowedByFocusClick(TWinControl& AControl, TMessage& AMessage, bool& AClicksDisabled) {
  if (AMessage.Msg == CN_COMMAND) return AClicksDisabled;
  if (AMessage.Msg != WM_LBUTTONDOWN && AMessage.Msg != WM_LBUTTONDBLCLK) return false;
  if (AControl.Focused() || AControl.ComponentState().Contains(csDesigning)) return false;
  AClicksDisabled = true;
  if (AControl.CanFocus()) AControl.SetFocus();
  AClicksDisabled = false;
  return !AControl.Focused();
}
