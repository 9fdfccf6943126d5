#pragma once
// Input steps that the focusable skinned controls of this folder share. User-interface
// thread.

#include "platform/ui/Controls.h"

// A click on a control that has not the focus first gives it the focus; the command
// notification of that moment is ignored (AClicksDisabled is set meanwhile), and the
// click is dropped when the focus did not arrive. True when AMessage is swallowed:
// WM_LBUTTONDOWN and WM_LBUTTONDBLCLK without the focus after it, CN_COMMAND while
// AClicksDisabled is set.
bool SwallowedByFocusClick(TWinControl& AControl, TMessage& AMessage, bool& AClicksDisabled);

// The four arrow keys, VK_LEFT to VK_DOWN.
inline bool IsArrowKey(WPARAM AKey) { return AKey >= 37 && AKey <= 40; }
