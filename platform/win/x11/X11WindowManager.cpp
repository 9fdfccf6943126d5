// What the window manager reads of the program's windows (no decorations, names,
// class, process, protocols, owner, states) and what it tells the program: a move or
// size it made, a close request (WM_DELETE_WINDOW becomes WM_SYSCOMMAND(SC_CLOSE)), an
// iconify or restore (WM_STATE becomes SC_MINIMIZE or SC_RESTORE, whose default
// handling sends WM_SIZE), and its pings.

#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/win/BackendEvents.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"
#include "platform/win/x11/X11Internal.h"

namespace {

// _MOTIF_WM_HINTS: flags, functions, decorations, input mode, status.
constexpr long MotifHintDecorations = 1L << 1;
constexpr int MotifHintCount = 5;

// _NET_WM_STATE client messages.
constexpr long NetWmStateRemove = 0;
constexpr long NetWmStateAdd = 1;
// _NET_ACTIVE_WINDOW: the request comes from an application.
constexpr long ActivationFromApplication = 1;

void SetAtomProperty(TX11Display& AX, ::Window AXid, Atom AProperty, Atom AType, const long* AValues,
                     int ACount) {
  XChangeProperty(AX.Connection, AXid, AProperty, AType, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(AValues), ACount);
}

void DescribeClass(TX11Display& AX, const TX11TopLevel& AWindow) {
  XClassHint Class;
  Class.res_name = program_invocation_short_name;
  Class.res_class = const_cast<char*>("Pelladrin");
  XSetClassHint(AX.Connection, AWindow.Xid, &Class);
  char Host[HOST_NAME_MAX + 1] = {};
  gethostname(Host, HOST_NAME_MAX);
  char* HostList[] = {Host};
  XTextProperty HostProperty;
  if (XStringListToTextProperty(HostList, 1, &HostProperty)) {
    XSetWMClientMachine(AX.Connection, AWindow.Xid, &HostProperty);
    XFree(HostProperty.value);
  }
  const long Pid = getpid();
  SetAtomProperty(AX, AWindow.Xid, AX.Atoms.NetWmPid, XA_CARDINAL, &Pid, 1);
}

// The window manager places the window where the program put it, by the corner of the
// window itself rather than of its frame.
void DescribePlacement(TX11Display& AX, const TX11TopLevel& AWindow) {
  XSizeHints* Hints = XAllocSizeHints();
  Hints->flags = USPosition | USSize | PWinGravity;
  Hints->x = AWindow.Rect.Left;
  Hints->y = AWindow.Rect.Top;
  Hints->width = AWindow.Rect.Width();
  Hints->height = AWindow.Rect.Height();
  Hints->win_gravity = StaticGravity;
  XSetWMNormalHints(AX.Connection, AWindow.Xid, Hints);
  XFree(Hints);
}

void DescribeOwner(TX11Display& AX, const TX11TopLevel& AWindow) {
  if (const TX11TopLevel* Owner = FindTopLevel(AX, GetWindow(AWindow.Handle, GW_OWNER)))
    XSetTransientForHint(AX.Connection, AWindow.Xid, Owner->Xid);
}

bool HasWindowManager(TX11Display& AX) {
  Atom Type = 0;
  int Format = 0;
  unsigned long Count = 0;
  unsigned long After = 0;
  unsigned char* Data = nullptr;
  const bool Found = XGetWindowProperty(AX.Connection, AX.Root, AX.Atoms.NetSupportingWmCheck, 0, 1, False,
                                        XA_WINDOW, &Type, &Format, &Count, &After, &Data) == Success &&
                     Type == XA_WINDOW && Count == 1;
  if (Data) XFree(Data);
  return Found;
}

void SendToRoot(TX11Display& AX, const TX11TopLevel& AWindow, Atom AMessage, const long (&AData)[5]) {
  XEvent Event{};
  Event.xclient.type = ClientMessage;
  Event.xclient.window = AWindow.Xid;
  Event.xclient.message_type = AMessage;
  Event.xclient.format = 32;
  for (int I = 0; I < 5; ++I) Event.xclient.data.l[I] = AData[I];
  XSendEvent(AX.Connection, AX.Root, False, SubstructureRedirectMask | SubstructureNotifyMask, &Event);
}

void ReplyToPing(TX11Display& AX, const XClientMessageEvent& AEvent) {
  XEvent Reply{};
  Reply.xclient = AEvent;
  Reply.xclient.window = AX.Root;
  XSendEvent(AX.Connection, AX.Root, False, SubstructureRedirectMask | SubstructureNotifyMask, &Reply);
}

void ReadWindowState(TX11Display& AX, TX11TopLevel& AWindow) {
  Atom Type = 0;
  int Format = 0;
  unsigned long Count = 0;
  unsigned long After = 0;
  unsigned char* Data = nullptr;
  if (XGetWindowProperty(AX.Connection, AWindow.Xid, AX.Atoms.WmState, 0, 2, False, AX.Atoms.WmState, &Type,
                         &Format, &Count, &After, &Data) != Success)
    return;
  const long State = Type == AX.Atoms.WmState && Format == 32 && Count >= 1 ? reinterpret_cast<long*>(Data)[0]
                                                                            : WithdrawnState;
  if (Data) XFree(Data);
  if (State != IconicState && State != NormalState) return;
  const bool Iconic = State == IconicState;
  if (Iconic == AWindow.Iconic) return;
  AWindow.Iconic = Iconic;
  const HWND Handle = AWindow.Handle;
  QueueDelivery(AX, [Handle, Iconic] {
    if (IsWindow(Handle) && IsIconic(Handle) != Iconic)
      SendMessage(Handle, WM_SYSCOMMAND, Iconic ? SC_MINIMIZE : SC_RESTORE, 0);
  });
}

}  // namespace

bool IsOverrideRedirectStyle(DWORD AStyle, DWORD AExStyle) {
  if (AExStyle & WS_EX_NOACTIVATE) return true;
  return (AStyle & WS_POPUP) && (AStyle & WS_CAPTION) != WS_CAPTION && (AExStyle & WS_EX_TOOLWINDOW);
}

void DescribeNewWindow(TX11Display& AX, TX11TopLevel& AWindow) {
  const long Motif[MotifHintCount] = {MotifHintDecorations, 0, 0, 0, 0};
  SetAtomProperty(AX, AWindow.Xid, AX.Atoms.MotifWmHints, AX.Atoms.MotifWmHints, Motif, MotifHintCount);
  Atom Protocols[] = {AX.Atoms.WmDeleteWindow, AX.Atoms.NetWmPing};
  XSetWMProtocols(AX.Connection, AWindow.Xid, Protocols, 2);
  DescribeClass(AX, AWindow);
  DescribePlacement(AX, AWindow);
  DescribeOwner(AX, AWindow);
  UpdateWindowStates(AX, AWindow);
}

void UpdateWindowStates(TX11Display& AX, TX11TopLevel& AWindow) {
  if (AWindow.OverrideRedirect) return;
  const bool StaysOnTop = AWindow.ExStyle & WS_EX_TOPMOST;
  const bool SkipTaskbar = AWindow.ExStyle & WS_EX_TOOLWINDOW;
  if (!AWindow.Viewable) {
    // Before mapping the window says it itself; the window manager reads it then.
    long States[2];
    int Count = 0;
    if (StaysOnTop) States[Count++] = static_cast<long>(AX.Atoms.NetWmStateAbove);
    if (SkipTaskbar) States[Count++] = static_cast<long>(AX.Atoms.NetWmStateSkipTaskbar);
    SetAtomProperty(AX, AWindow.Xid, AX.Atoms.NetWmState, XA_ATOM, States, Count);
    return;
  }
  const auto Request = [&](bool AOn, Atom AState) {
    SendToRoot(
        AX, AWindow, AX.Atoms.NetWmState,
        {AOn ? NetWmStateAdd : NetWmStateRemove, static_cast<long>(AState), 0, ActivationFromApplication, 0});
  };
  Request(StaysOnTop, AX.Atoms.NetWmStateAbove);
  Request(SkipTaskbar, AX.Atoms.NetWmStateSkipTaskbar);
}

void SetWindowName(TX11Display& AX, const TX11TopLevel& AWindow, const String& AText) {
  XChangeProperty(AX.Connection, AWindow.Xid, AX.Atoms.NetWmName, AX.Atoms.Utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(AText.data()), static_cast<int>(AText.size()));
  char* List[] = {const_cast<char*>(AText.c_str())};
  XTextProperty Name;
  if (Xutf8TextListToTextProperty(AX.Connection, List, 1, XStdICCTextStyle, &Name) >= Success) {
    XSetWMName(AX.Connection, AWindow.Xid, &Name);
    XFree(Name.value);
  }
}

void RequestFocus(TX11Display& AX, TX11TopLevel& AWindow) {
  if (AWindow.OverrideRedirect) return;
  AX.WantedFocus = AWindow.Handle;
  AX.FocusRequestPending = !AWindow.Viewable;
  if (AX.FocusRequestPending) return;
  AX.FocusSerial = NextRequest(AX.Connection);
  XSetInputFocus(AX.Connection, AWindow.Xid, RevertToParent, CurrentTime);
  if (HasWindowManager(AX))
    SendToRoot(AX, AWindow, AX.Atoms.NetActiveWindow,
               {ActivationFromApplication, static_cast<long>(AX.LastEventTime), 0, 0, 0});
}

void HandleConfigureNotify(TX11Display& AX, const XConfigureEvent& AEvent) {
  TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AEvent.window);
  // Only a window manager moves windows besides the program; what the server did
  // before it handled the program's last request is out of date.
  if (!TopLevel || TopLevel->OverrideRedirect || AEvent.serial < TopLevel->ConfigureSerial ||
      IsRectEmpty(TopLevel->Rect))
    return;
  TPoint Origin{AEvent.x, AEvent.y};
  // A real event inside a frame counts from the frame; a synthetic one from the root.
  if (!AEvent.send_event && TopLevel->Parent != AX.Root) {
    ::Window Child = 0;
    XTranslateCoordinates(AX.Connection, TopLevel->Xid, AX.Root, 0, 0, &Origin.X, &Origin.Y, &Child);
  }
  const TRect Rect = Bounds(Origin.X, Origin.Y, AEvent.width, AEvent.height);
  if (Rect == TopLevel->Rect) return;
  TopLevel->Rect = Rect;
  const HWND Handle = TopLevel->Handle;
  QueueDelivery(AX, [Handle, Rect] { DeliverTopLevelConfigured(Handle, Rect); });
}

void HandleMapping(TX11Display& AX, const XEvent& AEvent) {
  switch (AEvent.type) {
    case MapNotify:
      if (TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AEvent.xmap.window)) {
        TopLevel->Viewable = true;
        if (AX.FocusRequestPending && AX.WantedFocus == TopLevel->Handle) RequestFocus(AX, *TopLevel);
      }
      break;
    case UnmapNotify:
      if (TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AEvent.xunmap.window)) TopLevel->Viewable = false;
      break;
    default:
      if (TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AEvent.xreparent.window))
        TopLevel->Parent = AEvent.xreparent.parent;
      break;
  }
}

void HandleClientMessage(TX11Display& AX, const XClientMessageEvent& AEvent) {
  if (AEvent.message_type != AX.Atoms.WmProtocols) {
    HandleXdndMessage(AX, AEvent);
    return;
  }
  const auto Protocol = static_cast<Atom>(AEvent.data.l[0]);
  if (Protocol == AX.Atoms.NetWmPing) {
    ReplyToPing(AX, AEvent);
  } else if (Protocol == AX.Atoms.WmDeleteWindow) {
    if (const TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AEvent.window)) {
      const HWND Handle = TopLevel->Handle;
      QueueDelivery(AX, [Handle] { DeliverCloseRequest(Handle); });
    }
  }
}

void HandlePropertyNotify(TX11Display& AX, const XPropertyEvent& AEvent) {
  if (AEvent.window == AX.Root) {
    if (AEvent.atom == AX.Atoms.NetWorkarea) ReadMonitors(AX);
    return;
  }
  if (AEvent.atom != AX.Atoms.WmState) return;
  if (TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AEvent.window)) ReadWindowState(AX, *TopLevel);
}
