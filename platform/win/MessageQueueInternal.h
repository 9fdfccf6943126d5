#pragma once
// Internal calls of the message queue (platform/win only).

#include "platform/win/WindowTypes.h"

// Queues AMessage as it is (its time and point included), as input arrives. User-
// interface thread.
void PostQueuedMessage(const MSG& AMessage);
// Drops the queued messages of a window (it is being destroyed).
void PurgeWindowMessages(HWND AWindow);
// Drops every queued message and a pending quit (shutdown of the window system).
void ClearMessageQueue();
// The pointer position for MSG.pt: the input part's, (0, 0) while it has none.
POINT CurrentPointerPosition();
