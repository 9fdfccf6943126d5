// A window manager's close request, for the end-to-end tests: sends WM_DELETE_WINDOW
// to the top-level window of the given title, as a close button on its frame would.
//
//   e2e_close_requester TITLE
//
// Exits 1 with a message when no such window exists.

#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

namespace {

Window FindByTitle(Display* ADisplay, const char* ATitle) {
  Window Root = None, Parent = None;
  Window* Children = nullptr;
  unsigned int Count = 0;
  Window Found = None;
  if (!XQueryTree(ADisplay, DefaultRootWindow(ADisplay), &Root, &Parent, &Children, &Count)) return None;
  for (unsigned int I = 0; I < Count && Found == None; ++I) {
    char* Name = nullptr;
    if (XFetchName(ADisplay, Children[I], &Name) && Name && std::strcmp(Name, ATitle) == 0)
      Found = Children[I];
    if (Name) XFree(Name);
  }
  if (Children) XFree(Children);
  return Found;
}

}  // namespace

int main(int AArgumentCount, char** AArguments) {
  Display* D = AArgumentCount == 2 ? XOpenDisplay(nullptr) : nullptr;
  if (!D) {
    std::fprintf(stderr, "usage: e2e_close_requester TITLE (with a display)\n");
    return 1;
  }
  const Window Target = FindByTitle(D, AArguments[1]);
  if (Target == None) {
    std::fprintf(stderr, "e2e_close_requester: no window \"%s\"\n", AArguments[1]);
    return 1;
  }
  XEvent Event{};
  Event.xclient.type = ClientMessage;
  Event.xclient.window = Target;
  Event.xclient.message_type = XInternAtom(D, "WM_PROTOCOLS", False);
  Event.xclient.format = 32;
  Event.xclient.data.l[0] = static_cast<long>(XInternAtom(D, "WM_DELETE_WINDOW", False));
  Event.xclient.data.l[1] = CurrentTime;
  XSendEvent(D, Target, False, NoEventMask, &Event);
  XSync(D, False);
  XCloseDisplay(D);
  return 0;
}
