// Opening addresses with the desktop's handler.

#include "Src/MyUtils.h"
#include "platform/base/ShellOpen.h"

bool OpenURL(const String& AAddress, bool) { return ShellOpen(AAddress); }
