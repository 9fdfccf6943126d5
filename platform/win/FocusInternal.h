#pragma once
// Activation and focus changes made by the input part itself (internal to
// platform/win). User-interface thread.

#include "platform/win/WindowTypes.h"

// Activates the top-level window AWindow (see Focus.h for the messages); AHow is
// WA_ACTIVE or WA_CLICKACTIVE. ARaise brings it to the top of the stacking order first
// (SetWindowPos, which already placed the window, passes false). Dead, child and
// disabled windows are not activated.
void ActivateTopLevel(HWND AWindow, WORD AHow, bool ARaise);
// The program leaves the foreground.
void DeactivateProgram();
// Moves the focus from the window that has it to ANew (nullptr: none) with
// WM_KILLFOCUS and WM_SETFOCUS, without activating anything.
void ChangeFocus(HWND ANew);

// The window events of the extension table: a window was hidden, its style changed, or
// it is being destroyed.
void MoveFocusFromHiddenWindow(HWND AWindow);
void MoveFocusFromDisabledWindow(HWND AWindow, int AIndex, DWORD AOldStyle, DWORD ANewStyle);
void ForgetFocusOfDestroyedWindow(HWND AWindow);
