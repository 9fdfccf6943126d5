#pragma once
// Window procedures: calling them, procedure instances that carry an object's method,
// and the default procedure. User-interface thread only.
//
// Subclassing works as in the system the program was designed on: SetWindowLong
// (GWL_WNDPROC) installs a new procedure and returns the previous one, which the new
// one calls through CallWindowProc for whatever it does not handle itself.

#include <functional>

#include "platform/win/WindowTypes.h"

using TWindowMethod = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// A procedure value that calls AMethod. It may be installed with SetWindowLong
// (GWL_WNDPROC) or given to RegisterClass like any procedure, but only CallWindowProc
// can call it. The value stays valid until FreeProcInstance; a freed instance is never
// given out again, and calling it does nothing (answers 0).
WNDPROC MakeProcInstance(TWindowMethod AMethod);
void FreeProcInstance(WNDPROC AProcedure);

// Calls a window procedure: a function or a procedure instance.
LRESULT CallWindowProc(WNDPROC AProcedure, HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

// The default handling of a message: what a window does with it when its procedure
// does not handle it. Messages from WM_USER on get 0.
LRESULT DefWindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
