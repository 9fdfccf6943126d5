// The x11 backend's connection to the display: opening it with what the backend
// needs of it (atoms, visuals, extensions, the wake-up pipe, a window for selections,
// the input method, the monitors) and closing it with every window of the program.

#include <fcntl.h>
#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <cstring>

#include "platform/base/Exceptions.h"
#include "platform/base/ScopeExit.h"
#include "platform/win/x11/X11Internal.h"

namespace {

// Xlib's text calls and the input method work in the locale's encoding; the program's
// text is UTF-8 throughout, so the character type follows the environment when that is
// UTF-8 and is C.UTF-8 otherwise.
void ChooseUtf8Locale() {
  std::setlocale(LC_CTYPE, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

void InternAtoms(TX11Display& AX) {
  TX11Atoms& A = AX.Atoms;
  const String Compositor = Format("_NET_WM_CM_S%d", AX.Screen);
  const std::pair<const char*, Atom*> Names[] = {
      {"WM_PROTOCOLS", &A.WmProtocols},
      {"WM_DELETE_WINDOW", &A.WmDeleteWindow},
      {"WM_STATE", &A.WmState},
      {"_NET_WM_PING", &A.NetWmPing},
      {"_NET_WM_NAME", &A.NetWmName},
      {"_NET_WM_PID", &A.NetWmPid},
      {"UTF8_STRING", &A.Utf8String},
      {"_MOTIF_WM_HINTS", &A.MotifWmHints},
      {"_NET_WM_STATE", &A.NetWmState},
      {"_NET_WM_STATE_ABOVE", &A.NetWmStateAbove},
      {"_NET_WM_STATE_SKIP_TASKBAR", &A.NetWmStateSkipTaskbar},
      {"_NET_ACTIVE_WINDOW", &A.NetActiveWindow},
      {"_NET_SUPPORTING_WM_CHECK", &A.NetSupportingWmCheck},
      {"_NET_WM_WINDOW_OPACITY", &A.NetWmWindowOpacity},
      {"_NET_WORKAREA", &A.NetWorkarea},
      {Compositor.c_str(), &A.CompositorSelection},
      {"CLIPBOARD", &A.Clipboard},
      {"TARGETS", &A.Targets},
      {"PELLADRIN_TRANSFER", &A.TransferProperty},
      {"XdndAware", &A.XdndAware},
      {"XdndEnter", &A.XdndEnter},
      {"XdndPosition", &A.XdndPosition},
      {"XdndStatus", &A.XdndStatus},
      {"XdndLeave", &A.XdndLeave},
      {"XdndDrop", &A.XdndDrop},
      {"XdndFinished", &A.XdndFinished},
      {"XdndSelection", &A.XdndSelection},
      {"XdndTypeList", &A.XdndTypeList},
      {"XdndActionCopy", &A.XdndActionCopy},
      {"text/uri-list", &A.TextUriList},
  };
  constexpr std::size_t Count = std::size(Names);
  char* NameList[Count];
  Atom Atoms[Count];
  for (std::size_t I = 0; I < Count; ++I) NameList[I] = const_cast<char*>(Names[I].first);
  XInternAtoms(AX.Connection, NameList, static_cast<int>(Count), False, Atoms);
  for (std::size_t I = 0; I < Count; ++I) *Names[I].second = Atoms[I];
}

}  // namespace

// The pictures are 32-bit pixels, blue first in memory: a visual must hold red, green
// and blue in those bytes.
Visual* FindTrueColorVisual(const TX11Display& AX, int ADepth) {
  XVisualInfo Wanted{};
  Wanted.screen = AX.Screen;
  Wanted.depth = ADepth;
  Wanted.c_class = TrueColor;
  int Count = 0;
  XVisualInfo* Found =
      XGetVisualInfo(AX.Connection, VisualScreenMask | VisualDepthMask | VisualClassMask, &Wanted, &Count);
  Visual* Chosen = nullptr;
  for (int I = 0; I < Count && !Chosen; ++I)
    if (Found[I].red_mask == 0xFF0000 && Found[I].green_mask == 0xFF00 && Found[I].blue_mask == 0xFF)
      Chosen = Found[I].visual;
  if (Found) XFree(Found);
  return Chosen;
}

namespace {

void ChooseOpaqueVisual(TX11Display& AX) {
  AX.DefaultVisual = FindTrueColorVisual(AX, 24);
  if (!AX.DefaultVisual) throw Exception("The X display offers no 24-bit true-colour visual");
  AX.DefaultDepth = 24;
  AX.DefaultColormap = AX.DefaultVisual == DefaultVisual(AX.Connection, AX.Screen)
                           ? DefaultColormap(AX.Connection, AX.Screen)
                           : XCreateColormap(AX.Connection, AX.Root, AX.DefaultVisual, AllocNone);
}

void QueryExtensions(TX11Display& AX) {
  Display* D = AX.Connection;
  int EventBase = 0;
  int ErrorBase = 0;
  if (AX.Options.UseSharedMemory && XShmQueryExtension(D)) {
    AX.HasSharedMemory = true;
    AX.ShmCompletionType = XShmGetEventBase(D) + ShmCompletion;
  }
  AX.HasShape = XShapeQueryExtension(D, &EventBase, &ErrorBase);
  int Major = 0;
  int Minor = 0;
  AX.HasXfixes =
      XFixesQueryExtension(D, &EventBase, &ErrorBase) && XFixesQueryVersion(D, &Major, &Minor) && Major >= 2;
  if (XRRQueryExtension(D, &AX.RandrEventBase, &ErrorBase) && XRRQueryVersion(D, &Major, &Minor) &&
      (Major > 1 || Minor >= 5)) {
    AX.HasRandr = true;
    XRRSelectInput(D, AX.Root, RRScreenChangeNotifyMask);
  }
}

void OpenWakePipe(TX11Display& AX) {
  int Ends[2];
  if (pipe2(Ends, O_NONBLOCK | O_CLOEXEC) != 0)
    throw Exception("Cannot make the wake-up pipe of the X11 backend");
  AX.WakeRead = Ends[0];
  AX.WakeWrite = Ends[1];
}

}  // namespace

void OpenConnection(TX11Display& AX) {
  InstallX11ErrorHandlers();
  ChooseUtf8Locale();
  AX.Connection = XOpenDisplay(nullptr);
  if (!AX.Connection) {
    const char* Name = std::getenv("DISPLAY");
    throw Exception(Format("Cannot open the X display \"%s\"", Name ? Name : ""));
  }
  ScopeExit CloseOnFailure([&] { XCloseDisplay(AX.Connection); });
  AX.Screen = DefaultScreen(AX.Connection);
  AX.Root = RootWindow(AX.Connection, AX.Screen);
  ChooseOpaqueVisual(AX);
  InternAtoms(AX);
  QueryExtensions(AX);
  OpenWakePipe(AX);
  CloseOnFailure.Dismiss();
  XSelectInput(AX.Connection, AX.Root, PropertyChangeMask);
  XSetWindowAttributes Attributes{};
  Attributes.override_redirect = True;
  Attributes.event_mask = PropertyChangeMask;
  AX.Utility = XCreateWindow(AX.Connection, AX.Root, -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent,
                             CWOverrideRedirect | CWEventMask, &Attributes);
  // Held keys repeat as presses alone, as key-down messages with the "was down" bit.
  Bool Detectable = False;
  XkbSetDetectableAutoRepeat(AX.Connection, True, &Detectable);
  ReadModifierMapping(AX);
  OpenInputMethod(AX);
  FindArgbVisual(AX);
  ReadMonitors(AX);
}

void CloseConnection(TX11Display& AX) {
  AX.Deliveries.clear();
  for (auto& [Handle, TopLevel] : AX.TopLevels) {
    FreeWindowPicture(AX, TopLevel);
    if (TopLevel.InputContext) XDestroyIC(TopLevel.InputContext);
    XFreeGC(AX.Connection, TopLevel.Graphics);
    XDestroyWindow(AX.Connection, TopLevel.Xid);
  }
  FreeCursors(AX);
  if (AX.InputMethod) XCloseIM(AX.InputMethod);
  XDestroyWindow(AX.Connection, AX.Utility);
  XCloseDisplay(AX.Connection);
  close(AX.WakeRead);
  close(AX.WakeWrite);
}
