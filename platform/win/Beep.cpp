// The system beep, counted.

#include "platform/win/Beep.h"

#include "platform/win/Backend.h"
#include "platform/win/WindowInternal.h"

namespace {
int GBeeps = 0;
}

bool MessageBeep(UINT) {
  RequireUIThread("MessageBeep");
  ++GBeeps;
  Backend().Beep();
  return true;
}

int MessageBeepCount() { return GBeeps; }
