#pragma once
// The control the pointer is over and the windowless control holding the mouse
// (internal to platform/ui). User-interface thread only.

class TControl;

// Clears every reference the mouse state keeps to AControl (it is going away), ending
// the capture its parent's window holds for it.
void ForgetMouseControl(TControl* AControl);
// Ends the capture when AControl is the windowless control holding the mouse.
void ReleaseCaptureControl(TControl* AControl);
// Makes AControl the control under the pointer, telling the old one CM_MOUSELEAVE and
// the new one CM_MOUSEENTER; while a control holds the mouse, only it hears of its own
// entering and leaving.
void SetMouseControl(TControl* AControl);
