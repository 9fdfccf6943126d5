#pragma once
// Window procedures that call a method of an object, and windows that exist only to
// receive messages (timers, the tray icon). User-interface thread only.

#include "platform/ui/ControlMessages.h"
#include "platform/win/WindowTypes.h"

// A window procedure value that hands every message to AMethod as a TMessage and
// answers its Result. Freed with FreeObjectInstance.
WNDPROC MakeObjectInstance(TWndMethod AMethod);
void FreeObjectInstance(WNDPROC AInstance);

// A hidden top-level window (class "TPUtilWindow") whose messages go to AMethod.
// Freed with DeallocateHWnd.
HWND AllocateHWnd(TWndMethod AMethod);
void DeallocateHWnd(HWND AWindow);
