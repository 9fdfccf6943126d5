#include "tests/e2e/OtherClient.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

using TClock = std::chrono::steady_clock;

Display* Open(const std::string& ADisplay) {
  Display* Connection = XOpenDisplay(ADisplay.c_str());
  if (!Connection) throw std::runtime_error("cannot connect to " + ADisplay);
  return Connection;
}

// The next event AMatches accepts, or false when none came before the deadline.
template <typename TMatches>
bool WaitForEvent(Display* ADisplay, TClock::time_point ADeadline, XEvent& AEvent, TMatches AMatches) {
  for (;;) {
    while (XPending(ADisplay)) {
      XNextEvent(ADisplay, &AEvent);
      if (AMatches(AEvent)) return true;
    }
    const auto Left =
        std::chrono::duration_cast<std::chrono::milliseconds>(ADeadline - TClock::now()).count();
    if (Left <= 0) return false;
    pollfd Connection{ConnectionNumber(ADisplay), POLLIN, 0};
    poll(&Connection, 1, static_cast<int>(Left));
  }
}

bool GRefused = false;

int NoteRefusal(Display*, XErrorEvent*) {
  GRefused = true;
  return 0;
}

// Whether the server refused one of the requests ARequests makes. The error handler
// belongs to the whole process: the one before goes back in afterwards.
template <typename TRequests>
bool Refuses(Display* ADisplay, TRequests ARequests) {
  XSync(ADisplay, False);
  GRefused = false;
  const XErrorHandler Previous = XSetErrorHandler(NoteRefusal);
  ARequests();
  XSync(ADisplay, False);
  XSetErrorHandler(Previous);
  return GRefused;
}

}  // namespace

struct TOtherClient::TState {
  Display* Connection = nullptr;
  Window Own = None;
};

TOtherClient::TOtherClient(const std::string& ADisplay) : FState(std::make_unique<TState>()) {
  FState->Connection = Open(ADisplay);
  FState->Own = XCreateSimpleWindow(FState->Connection, DefaultRootWindow(FState->Connection), 900, 600, 50,
                                    50, 0, 0, 0);
}

TOtherClient::~TOtherClient() { XCloseDisplay(FState->Connection); }

unsigned long TOtherClient::AtomNamed(const char* AName) const {
  return XInternAtom(FState->Connection, AName, False);
}

TXid TOtherClient::Root() const { return DefaultRootWindow(FState->Connection); }

TXid TOtherClient::WindowTitled(const std::string& ATitle) const {
  Display* D = FState->Connection;
  Window Root = None, Parent = None;
  Window* Children = nullptr;
  unsigned int Count = 0;
  TXid Found = 0;
  XQueryTree(D, DefaultRootWindow(D), &Root, &Parent, &Children, &Count);
  for (unsigned int I = 0; I < Count && !Found; ++I) {
    char* Name = nullptr;
    if (XFetchName(D, Children[I], &Name) && Name && ATitle == Name) Found = Children[I];
    if (Name) XFree(Name);
  }
  if (Children) XFree(Children);
  return Found;
}

std::vector<long> TOtherClient::Property(TXid AWindow, const char* AName, const char* AType) const {
  ::Atom Type = None;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  std::vector<long> Values;
  if (XGetWindowProperty(FState->Connection, AWindow, AtomNamed(AName), 0, 1024, False, AtomNamed(AType),
                         &Type, &Format, &Count, &After, &Data) == Success &&
      Type == AtomNamed(AType) && Format == 32)
    // Xlib widens 32-bit items to longs with their sign; the protocol's are unsigned.
    for (unsigned long I = 0; I < Count; ++I)
      Values.push_back(reinterpret_cast<long*>(Data)[I] & 0xFFFFFFFFL);
  if (Data) XFree(Data);
  return Values;
}

std::optional<std::string> TOtherClient::TextProperty(TXid AWindow, const char* AName,
                                                      const char* AType) const {
  ::Atom Type = None;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  std::optional<std::string> Text;
  if (XGetWindowProperty(FState->Connection, AWindow, AtomNamed(AName), 0, 1024, False, AtomNamed(AType),
                         &Type, &Format, &Count, &After, &Data) == Success &&
      Type == AtomNamed(AType) && Format == 8)
    Text = std::string(reinterpret_cast<char*>(Data), Count);
  if (Data) XFree(Data);
  return Text;
}

std::string TOtherClient::ClassName(TXid AWindow) const {
  XClassHint Class{};
  if (!XGetClassHint(FState->Connection, AWindow, &Class)) return "";
  const std::string Name = Class.res_class ? Class.res_class : "";
  XFree(Class.res_name);
  XFree(Class.res_class);
  return Name;
}

TXid TOtherClient::TransientFor(TXid AWindow) const {
  Window Owner = None;
  return XGetTransientForHint(FState->Connection, AWindow, &Owner) ? Owner : 0;
}

bool TOtherClient::IsOverrideRedirect(TXid AWindow) const {
  XWindowAttributes Attributes;
  return XGetWindowAttributes(FState->Connection, AWindow, &Attributes) && Attributes.override_redirect;
}

int TOtherClient::Depth(TXid AWindow) const {
  XWindowAttributes Attributes;
  return XGetWindowAttributes(FState->Connection, AWindow, &Attributes) ? Attributes.depth : 0;
}

TRect TOtherClient::Geometry(TXid AWindow) const {
  XWindowAttributes Attributes;
  if (!XGetWindowAttributes(FState->Connection, AWindow, &Attributes)) return TRect();
  return Bounds(Attributes.x, Attributes.y, Attributes.width, Attributes.height);
}

namespace {

Window FindWindowWithProperty(Display* AConnection, Window AWindow, Atom AProperty) {
  int Count = 0;
  Atom* Properties = XListProperties(AConnection, AWindow, &Count);
  const bool Has = Properties && std::find(Properties, Properties + Count, AProperty) != Properties + Count;
  if (Properties) XFree(Properties);
  if (Has) return AWindow;
  Window Root = None, Parent = None, *Children = nullptr;
  unsigned int ChildCount = 0;
  if (!XQueryTree(AConnection, AWindow, &Root, &Parent, &Children, &ChildCount)) return None;
  Window Found = None;
  for (unsigned int I = 0; I < ChildCount && Found == None; ++I)
    Found = FindWindowWithProperty(AConnection, Children[I], AProperty);
  if (Children) XFree(Children);
  return Found;
}

}  // namespace

TXid TOtherClient::WindowWithProperty(const char* AName) const {
  return FindWindowWithProperty(FState->Connection, Root(), AtomNamed(AName));
}

TXid TOtherClient::Parent(TXid AWindow) const {
  Window Root = None, ParentWindow = None, *Children = nullptr;
  unsigned int Count = 0;
  if (!XQueryTree(FState->Connection, AWindow, &Root, &ParentWindow, &Children, &Count)) return 0;
  if (Children) XFree(Children);
  return ParentWindow;
}

TRect TOtherClient::ViewableRectOnRoot(TXid AWindow) const {
  XWindowAttributes Attributes;
  if (!XGetWindowAttributes(FState->Connection, AWindow, &Attributes) || Attributes.map_state != IsViewable)
    return TRect();
  int X = 0, Y = 0;
  Window Child = None;
  XTranslateCoordinates(FState->Connection, AWindow, Root(), 0, 0, &X, &Y, &Child);
  return Bounds(X, Y, Attributes.width, Attributes.height);
}

std::vector<TRect> TOtherClient::Shape(TXid AWindow, bool AInput) const {
  int Count = 0;
  int Ordering = 0;
  XRectangle* Rectangles = XShapeGetRectangles(FState->Connection, AWindow,
                                               AInput ? ShapeInput : ShapeBounding, &Count, &Ordering);
  std::vector<TRect> Shape;
  for (int I = 0; I < Count; ++I)
    Shape.push_back(Bounds(Rectangles[I].x, Rectangles[I].y, Rectangles[I].width, Rectangles[I].height));
  if (Rectangles) XFree(Rectangles);
  return Shape;
}

std::optional<unsigned long> TOtherClient::UniformPixel(TXid AWindow, int AWidth, int AHeight) const {
  XImage* Image = XGetImage(FState->Connection, AWindow, 0, 0, static_cast<unsigned>(AWidth),
                            static_cast<unsigned>(AHeight), AllPlanes, ZPixmap);
  if (!Image) return std::nullopt;
  std::optional<unsigned long> Pixel = XGetPixel(Image, 0, 0);
  for (int Y = 0; Y < AHeight && Pixel; ++Y)
    for (int X = 0; X < AWidth && Pixel; ++X)
      if (XGetPixel(Image, X, Y) != *Pixel) Pixel.reset();
  XDestroyImage(Image);
  return Pixel;
}

TXid TOtherClient::FocusedWindow() const {
  Window Focus = None;
  int Revert = 0;
  XGetInputFocus(FState->Connection, &Focus, &Revert);
  return Focus;
}

void TOtherClient::OwnSelection(const char* ASelection) {
  XSetSelectionOwner(FState->Connection, AtomNamed(ASelection), FState->Own, CurrentTime);
  Synchronize();
}

bool TOtherClient::GrabKey(const char* AKeysym, unsigned int AModifiers) {
  Display* D = FState->Connection;
  const KeyCode Code = XKeysymToKeycode(D, XStringToKeysym(AKeysym));
  return !Refuses(
      D, [&] { XGrabKey(D, Code, AModifiers, DefaultRootWindow(D), False, GrabModeAsync, GrabModeAsync); });
}

void TOtherClient::SetCardinals(TXid AWindow, const char* AName, const std::vector<long>& AValues) {
  XChangeProperty(FState->Connection, AWindow, AtomNamed(AName), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(AValues.data()), static_cast<int>(AValues.size()));
  Synchronize();
}

void TOtherClient::SetWindowState(TXid AWindow, bool AIconic) {
  const long State[2] = {AIconic ? IconicState : NormalState, None};
  XChangeProperty(FState->Connection, AWindow, AtomNamed("WM_STATE"), AtomNamed("WM_STATE"), 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(State), 2);
  Synchronize();
}

void TOtherClient::RequestClose(TXid AWindow) {
  XEvent Event{};
  Event.xclient.type = ClientMessage;
  Event.xclient.window = AWindow;
  Event.xclient.message_type = AtomNamed("WM_PROTOCOLS");
  Event.xclient.format = 32;
  Event.xclient.data.l[0] = static_cast<long>(AtomNamed("WM_DELETE_WINDOW"));
  XSendEvent(FState->Connection, AWindow, False, NoEventMask, &Event);
  Synchronize();
}

void TOtherClient::MoveResize(TXid AWindow, const TRect& ARect) {
  XMoveResizeWindow(FState->Connection, AWindow, ARect.Left, ARect.Top, static_cast<unsigned>(ARect.Width()),
                    static_cast<unsigned>(ARect.Height()));
  Synchronize();
}

void TOtherClient::TakeFocus() {
  XMapWindow(FState->Connection, FState->Own);
  XSync(FState->Connection, False);
  Focus(FState->Own);
}

void TOtherClient::Focus(TXid AWindow) {
  XSetInputFocus(FState->Connection, AWindow, RevertToParent, CurrentTime);
  Synchronize();
}

void TOtherClient::Destroy(TXid AWindow) {
  XDestroyWindow(FState->Connection, AWindow);
  Synchronize();
}

void TOtherClient::Synchronize() const { XSync(FState->Connection, False); }

struct TForeignClipboard::TState {
  Display* Connection = nullptr;
  Window Owner = None;
  std::string Text;
  // Writing to it ends the server thread.
  int Stop[2] = {-1, -1};
  std::thread Server;
};

namespace {

void AnswerRequest(Display* ADisplay, const XSelectionRequestEvent& ARequest, const std::string& AText) {
  const ::Atom Utf8 = XInternAtom(ADisplay, "UTF8_STRING", False);
  XEvent Reply{};
  Reply.xselection.type = SelectionNotify;
  Reply.xselection.requestor = ARequest.requestor;
  Reply.xselection.selection = ARequest.selection;
  Reply.xselection.target = ARequest.target;
  Reply.xselection.time = ARequest.time;
  Reply.xselection.property = None;
  if (ARequest.target == Utf8) {
    XChangeProperty(ADisplay, ARequest.requestor, ARequest.property, Utf8, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(AText.data()), static_cast<int>(AText.size()));
    Reply.xselection.property = ARequest.property;
  }
  XSendEvent(ADisplay, ARequest.requestor, False, NoEventMask, &Reply);
  XFlush(ADisplay);
}

}  // namespace

TForeignClipboard::TForeignClipboard(const std::string& ADisplay, const std::string& AText)
    : FState(std::make_unique<TState>()) {
  TState& S = *FState;
  if (pipe(S.Stop) != 0) throw std::runtime_error("cannot make a pipe");
  S.Connection = Open(ADisplay);
  S.Text = AText;
  S.Owner = XCreateSimpleWindow(S.Connection, DefaultRootWindow(S.Connection), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(S.Connection, XInternAtom(S.Connection, "CLIPBOARD", False), S.Owner, CurrentTime);
  XSync(S.Connection, False);
  S.Server = std::thread([&S] {
    for (;;) {
      while (XPending(S.Connection)) {
        XEvent Event;
        XNextEvent(S.Connection, &Event);
        if (Event.type == SelectionRequest) AnswerRequest(S.Connection, Event.xselectionrequest, S.Text);
      }
      pollfd Sources[] = {{ConnectionNumber(S.Connection), POLLIN, 0}, {S.Stop[0], POLLIN, 0}};
      poll(Sources, 2, -1);
      if (Sources[1].revents) return;
    }
  });
}

TForeignClipboard::~TForeignClipboard() {
  const char Byte = 0;
  [[maybe_unused]] const ssize_t Written = write(FState->Stop[1], &Byte, 1);
  FState->Server.join();
  close(FState->Stop[0]);
  close(FState->Stop[1]);
  XCloseDisplay(FState->Connection);
}

std::optional<std::string> PasteFromClipboard(const std::string& ADisplay, int ATimeoutMs) {
  Display* D = Open(ADisplay);
  const Window Requestor = XCreateSimpleWindow(D, DefaultRootWindow(D), 0, 0, 1, 1, 0, 0, 0);
  const ::Atom Utf8 = XInternAtom(D, "UTF8_STRING", False);
  const ::Atom Into = XInternAtom(D, "PASTED", False);
  XConvertSelection(D, XInternAtom(D, "CLIPBOARD", False), Utf8, Into, Requestor, CurrentTime);
  XFlush(D);
  XEvent Event;
  std::optional<std::string> Text;
  if (WaitForEvent(D, TClock::now() + std::chrono::milliseconds(ATimeoutMs), Event,
                   [](const XEvent& AEvent) { return AEvent.type == SelectionNotify; }) &&
      Event.xselection.property != None) {
    ::Atom Type = None;
    int Format = 0;
    unsigned long Count = 0, After = 0;
    unsigned char* Data = nullptr;
    if (XGetWindowProperty(D, Requestor, Into, 0, 1 << 20, True, Utf8, &Type, &Format, &Count, &After,
                           &Data) == Success &&
        Type == Utf8)
      Text = std::string(reinterpret_cast<char*>(Data), Count);
    if (Data) XFree(Data);
  }
  XCloseDisplay(D);
  return Text;
}

}  // namespace e2e
