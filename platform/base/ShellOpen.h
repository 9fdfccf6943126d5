#pragma once
// Opening a file, folder or web address with the desktop's handler, as the shell's
// "open" verb does.

#include "platform/base/Strings.h"

// Starts xdg-open with ATarget as its one argument: the program is started directly,
// never through a shell, so no character of the target is interpreted. The handler is
// not waited for (it is reaped in the background). False when xdg-open cannot be
// started. Any thread.
bool ShellOpen(const String& ATarget);
