#pragma once
// Freeing an object from the message loop, once the handler that let it go (which may
// still be running in its window) has returned. User-interface thread.

#include <functional>

#include "platform/win/MessageLoop.h"

// Posts a CM_RELEASE for AObject and calls AOnRelease when it comes off the queue:
// after everything queued before it, and before any window procedure runs. The hook
// returned is the caller's to remove should AObject go some other way first.
TMessageHookId PostRelease(const void* AObject, std::function<void()> AOnRelease);
