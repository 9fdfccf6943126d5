// The system beep, counted.

#include "platform/win/Beep.h"

#include "platform/win/Window.h"

namespace {
int GBeeps = 0;
}

bool MessageBeep(UINT) {
  RequireUIThread("MessageBeep");
  ++GBeeps;
  return true;
}

int MessageBeepCount() { return GBeeps; }
