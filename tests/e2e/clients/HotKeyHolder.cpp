// Another program holding Ctrl+Alt+P on the display, for the end-to-end tests: grabs
// the key on the root window, prints "held" (or exits 1 with a message when it cannot)
// and keeps the grab until its standard input ends.

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>

namespace {

bool GFailed = false;

int NoteError(Display*, XErrorEvent*) {
  GFailed = true;
  return 0;
}

}  // namespace

int main() {
  Display* D = XOpenDisplay(nullptr);
  if (!D) {
    std::fprintf(stderr, "e2e_hot_key_holder: cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(NoteError);
  XGrabKey(D, XKeysymToKeycode(D, XK_p), ControlMask | Mod1Mask, DefaultRootWindow(D), False, GrabModeAsync,
           GrabModeAsync);
  XSync(D, False);
  if (GFailed) {
    std::fprintf(stderr, "e2e_hot_key_holder: the key is taken\n");
    return 1;
  }
  std::printf("held\n");
  std::fflush(stdout);
  while (std::fgetc(stdin) != EOF) {
  }
  XCloseDisplay(D);
  return 0;
}
