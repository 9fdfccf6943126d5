#pragma once
// Internal calls of the message hooks (platform/win only).

#include "platform/win/WindowTypes.h"

// Shows AMessage to the hooks, newest first; returns true when one swallowed it.
bool RunMessageHooks(MSG& AMessage);
// Removes every hook (shutdown of the window system).
void ClearMessageHooks();
