#pragma once
// DefWindowProc's handlers of the input messages (internal to platform/win).

#include "platform/win/ExtensionsInternal.h"

// Sets the handlers, keeping the painting part's WM_SETCURSOR (frame cursors),
// WM_CANCELMODE and WM_SYSKEYDOWN handlers for what they leave alone.
void InstallInputDefaults(TWindowSystemExtensions& AExtensions);
