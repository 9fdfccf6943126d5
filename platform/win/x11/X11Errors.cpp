// What happens to X errors: Xlib's default handlers end the process on the first
// error. Ours make an error the failure of the request that caused it, seen by a
// TX11ErrorTrap around that request when its caller cares and ignored otherwise; and
// a lost connection ends the program with a message instead of a crash.

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "platform/win/x11/X11Internal.h"

namespace {

// The innermost trap set; user-interface thread.
TX11ErrorTrap* GInnermostTrap = nullptr;

// Xlib requires the handler not to return. Nothing can be saved without the display,
// and the other threads cannot be stopped in order, so the program ends at once after
// saying why.
int HandleLostConnection(Display* ADisplay) {
  std::fprintf(stderr, "Pelladrin: the connection to the X display \"%s\" was lost; the program ends.\n",
               DisplayString(ADisplay));
  std::fflush(nullptr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

int HandleX11Error(Display* ADisplay, XErrorEvent* AError) {
  for (TX11ErrorTrap* Trap = GInnermostTrap; Trap; Trap = Trap->FOuter)
    if (Trap->FDisplay == ADisplay && AError->serial >= Trap->FFirstSerial) {
      Trap->FFailed = true;
      break;
    }
  return 0;
}

void InstallX11ErrorHandlers() {
  static std::once_flag Installed;
  std::call_once(Installed, [] {
    XSetErrorHandler(HandleX11Error);
    XSetIOErrorHandler(HandleLostConnection);
  });
}

TX11ErrorTrap::TX11ErrorTrap(Display* ADisplay)
    : FDisplay(ADisplay), FFirstSerial(NextRequest(ADisplay)), FOuter(GInnermostTrap) {
  GInnermostTrap = this;
}

TX11ErrorTrap::~TX11ErrorTrap() { GInnermostTrap = FOuter; }

bool TX11ErrorTrap::Failed() {
  XSync(FDisplay, False);
  return FFailed;
}
