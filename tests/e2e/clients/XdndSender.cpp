// An XDND drag source for the end-to-end tests, as a file manager would be one: drags
// the files named on the command line to the screen point (X, Y) and drops them on the
// window there that takes drops (XDND version 5, text/uri-list, the copy action).
//
//   e2e_xdnd_sender X Y FILE...
//
// Prints "finished accepted=<0|1>" when the target says it is done; exits 1 with a
// message when there is no target or it does not answer within ten seconds.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int AnswerTimeoutMs = 10000;

struct TAtoms {
  Atom Aware, EnterMessage, PositionMessage, StatusMessage, DropMessage, FinishedMessage, Selection,
      ActionCopy, UriList;
};

int Fail(const char* AMessage) {
  std::fprintf(stderr, "e2e_xdnd_sender: %s\n", AMessage);
  return 1;
}

bool IsAware(Display* ADisplay, Window AWindow, const TAtoms& AAtoms) {
  Atom Type = None;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  XGetWindowProperty(ADisplay, AWindow, AAtoms.Aware, 0, 1, False, XA_ATOM, &Type, &Format, &Count, &After,
                     &Data);
  if (Data) XFree(Data);
  return Type == XA_ATOM && Count == 1;
}

// The outermost window at the point that says it takes drops.
Window FindTarget(Display* ADisplay, Window ARoot, int AX, int AY, const TAtoms& AAtoms) {
  Window Current = ARoot;
  for (;;) {
    int LocalX = 0, LocalY = 0;
    Window Child = None;
    if (!XTranslateCoordinates(ADisplay, ARoot, Current, AX, AY, &LocalX, &LocalY, &Child) || Child == None)
      return None;
    if (IsAware(ADisplay, Child, AAtoms)) return Child;
    Current = Child;
  }
}

std::string FileUri(const std::string& APath) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Uri = "file://";
  for (const unsigned char Byte : APath) {
    const bool Plain = (Byte >= 'a' && Byte <= 'z') || (Byte >= 'A' && Byte <= 'Z') ||
                       (Byte >= '0' && Byte <= '9') || Byte == '/' || Byte == '-' || Byte == '_' ||
                       Byte == '.' || Byte == '~';
    if (Plain) {
      Uri += static_cast<char>(Byte);
    } else {
      Uri += '%';
      Uri += Hex[Byte >> 4];
      Uri += Hex[Byte & 0xF];
    }
  }
  return Uri;
}

void Send(Display* ADisplay, Window ATarget, Atom AMessage, Window ASource, long ASecond, long AThird,
          long AFourth, long AFifth) {
  XEvent Event{};
  Event.xclient.type = ClientMessage;
  Event.xclient.window = ATarget;
  Event.xclient.message_type = AMessage;
  Event.xclient.format = 32;
  Event.xclient.data.l[0] = static_cast<long>(ASource);
  Event.xclient.data.l[1] = ASecond;
  Event.xclient.data.l[2] = AThird;
  Event.xclient.data.l[3] = AFourth;
  Event.xclient.data.l[4] = AFifth;
  XSendEvent(ADisplay, ATarget, False, NoEventMask, &Event);
  XFlush(ADisplay);
}

// The next event, or false when none came before the deadline.
bool NextEvent(Display* ADisplay, std::chrono::steady_clock::time_point ADeadline, XEvent& AEvent) {
  while (!XPending(ADisplay)) {
    const auto Left =
        std::chrono::duration_cast<std::chrono::milliseconds>(ADeadline - std::chrono::steady_clock::now());
    if (Left.count() <= 0) return false;
    pollfd Connection{ConnectionNumber(ADisplay), POLLIN, 0};
    poll(&Connection, 1, static_cast<int>(Left.count()));
  }
  XNextEvent(ADisplay, &AEvent);
  return true;
}

void AnswerRequest(Display* ADisplay, const XSelectionRequestEvent& ARequest, const TAtoms& AAtoms,
                   const std::string& AList) {
  XEvent Reply{};
  Reply.xselection.type = SelectionNotify;
  Reply.xselection.requestor = ARequest.requestor;
  Reply.xselection.selection = ARequest.selection;
  Reply.xselection.target = ARequest.target;
  Reply.xselection.time = ARequest.time;
  Reply.xselection.property = None;
  if (ARequest.selection == AAtoms.Selection && ARequest.target == AAtoms.UriList) {
    XChangeProperty(ADisplay, ARequest.requestor, ARequest.property, AAtoms.UriList, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(AList.data()), static_cast<int>(AList.size()));
    Reply.xselection.property = ARequest.property;
  }
  XSendEvent(ADisplay, ARequest.requestor, False, NoEventMask, &Reply);
  XFlush(ADisplay);
}

}  // namespace

int main(int AArgumentCount, char** AArguments) {
  if (AArgumentCount < 4) return Fail("usage: e2e_xdnd_sender X Y FILE...");
  Display* D = XOpenDisplay(nullptr);
  if (!D) return Fail("cannot open the display");
  const Window Root = DefaultRootWindow(D);
  TAtoms A;
  A.Aware = XInternAtom(D, "XdndAware", False);
  A.EnterMessage = XInternAtom(D, "XdndEnter", False);
  A.PositionMessage = XInternAtom(D, "XdndPosition", False);
  A.StatusMessage = XInternAtom(D, "XdndStatus", False);
  A.DropMessage = XInternAtom(D, "XdndDrop", False);
  A.FinishedMessage = XInternAtom(D, "XdndFinished", False);
  A.Selection = XInternAtom(D, "XdndSelection", False);
  A.ActionCopy = XInternAtom(D, "XdndActionCopy", False);
  A.UriList = XInternAtom(D, "text/uri-list", False);
  const int X = std::atoi(AArguments[1]);
  const int Y = std::atoi(AArguments[2]);
  std::string List;
  for (int I = 3; I < AArgumentCount; ++I) List += FileUri(AArguments[I]) + "\r\n";

  const Window Target = FindTarget(D, Root, X, Y, A);
  if (Target == None) return Fail("no window at the point takes drops");
  const Window Source = XCreateSimpleWindow(D, Root, 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(D, A.Selection, Source, CurrentTime);
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(AnswerTimeoutMs);
  Send(D, Target, A.EnterMessage, Source, 5L << 24, static_cast<long>(A.UriList), None, None);
  Send(D, Target, A.PositionMessage, Source, 0, (static_cast<long>(X) << 16) | Y, CurrentTime,
       static_cast<long>(A.ActionCopy));
  bool Dropped = false;
  XEvent Event;
  while (NextEvent(D, Deadline, Event)) {
    if (Event.type == SelectionRequest) {
      AnswerRequest(D, Event.xselectionrequest, A, List);
    } else if (Event.type == ClientMessage && Event.xclient.message_type == A.StatusMessage && !Dropped) {
      Dropped = true;
      Send(D, Target, A.DropMessage, Source, 0, CurrentTime, 0, 0);
    } else if (Event.type == ClientMessage && Event.xclient.message_type == A.FinishedMessage) {
      std::printf("finished accepted=%ld\n", Event.xclient.data.l[1] & 1);
      XCloseDisplay(D);
      return 0;
    }
  }
  return Fail("the target did not finish the drop in time");
}
