// The program's top-level windows on the display: made, shown, moved, restacked and
// destroyed as the shared code reports it, and the pointer grab and position.

#include <algorithm>

#include "platform/win/WindowPos.h"
#include "platform/win/x11/X11Internal.h"

namespace {

// What every top-level window reports; an input method may ask for more.
constexpr long TopLevelEvents = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                                PointerMotionMask | EnterWindowMask | LeaveWindowMask | FocusChangeMask |
                                StructureNotifyMask | PropertyChangeMask | ExposureMask;

// A zero-sized window cannot exist on the display: it stays 1 × 1 and unmapped.
unsigned int Side(int ALength) { return static_cast<unsigned int>(std::max(ALength, 1)); }

void MapIfWanted(TX11Display& AX, TX11TopLevel& AWindow) {
  if (!AWindow.Shown || IsRectEmpty(AWindow.Rect)) return;
  XWMHints* Hints = XAllocWMHints();
  Hints->flags = InputHint | StateHint;
  Hints->input = True;
  Hints->initial_state = IsIconic(AWindow.Handle) ? IconicState : NormalState;
  XSetWMHints(AX.Connection, AWindow.Xid, Hints);
  XFree(Hints);
  if (!AWindow.Viewable) UpdateWindowStates(AX, AWindow);
  XMapWindow(AX.Connection, AWindow.Xid);
}

}  // namespace

void TX11Backend::TopLevelCreated(HWND AWindow, const TRect& AWindowRect, DWORD AStyle, DWORD AExStyle) {
  TX11Display& X = *FX;
  TX11TopLevel& Window = X.TopLevels[AWindow];
  Window.Handle = AWindow;
  Window.Rect = AWindowRect;
  Window.ExStyle = AExStyle;
  Window.OverrideRedirect = IsOverrideRedirectStyle(AStyle, AExStyle);
  Window.Parent = X.Root;
  // The visual cannot change later: with a compositor every window takes the ARGB one,
  // so that any of them may become layered.
  const bool Argb = X.ArgbVisual && IsCompositorRunning(X);
  Window.Depth = Argb ? 32 : X.DefaultDepth;
  XSetWindowAttributes Attributes{};
  Attributes.override_redirect = Window.OverrideRedirect;
  Attributes.background_pixmap = None;
  Attributes.border_pixel = 0;
  Attributes.colormap = Argb ? X.ArgbColormap : X.DefaultColormap;
  Attributes.bit_gravity = NorthWestGravity;
  Attributes.event_mask = TopLevelEvents;
  Window.Xid = XCreateWindow(
      X.Connection, X.Root, AWindowRect.Left, AWindowRect.Top, Side(AWindowRect.Width()),
      Side(AWindowRect.Height()), 0, Window.Depth, InputOutput, Argb ? X.ArgbVisual : X.DefaultVisual,
      CWOverrideRedirect | CWBackPixmap | CWBorderPixel | CWColormap | CWBitGravity | CWEventMask,
      &Attributes);
  X.ByXid[Window.Xid] = AWindow;
  Window.Graphics = XCreateGC(X.Connection, Window.Xid, 0, nullptr);
  long InputMethodEvents = 0;
  Window.InputContext = CreateInputContext(X, Window.Xid, InputMethodEvents);
  if (InputMethodEvents) XSelectInput(X.Connection, Window.Xid, TopLevelEvents | InputMethodEvents);
  DescribeNewWindow(X, Window);
  AnnounceDropTarget(X, Window);
  ApplyCursor(X, Window);
}

void TX11Backend::TopLevelDestroyed(HWND AWindow) {
  TX11Display& X = *FX;
  TX11TopLevel* Window = FindTopLevel(X, AWindow);
  if (!Window) return;
  FreeWindowPicture(X, *Window);
  if (Window->InputContext) XDestroyIC(Window->InputContext);
  XFreeGC(X.Connection, Window->Graphics);
  XDestroyWindow(X.Connection, Window->Xid);
  if (X.FocusWindow == Window->Xid) X.FocusWindow = 0;
  if (X.HoveredWindow == Window->Xid) X.HoveredWindow = 0;
  if (X.WantedFocus == AWindow) X.WantedFocus = nullptr;
  X.ByXid.erase(Window->Xid);
  X.TopLevels.erase(AWindow);
}

void TX11Backend::TopLevelShown(HWND AWindow) {
  TX11Display& X = *FX;
  TX11TopLevel* Window = FindTopLevel(X, AWindow);
  if (!Window) return;
  Window->Shown = true;
  // Minimizing shows the window as well: it goes to the window manager as iconified.
  if (IsIconic(AWindow) && Window->Viewable) {
    if (!Window->Iconic) XIconifyWindow(X.Connection, Window->Xid, X.Screen);
    return;
  }
  MapIfWanted(X, *Window);
}

void TX11Backend::TopLevelHidden(HWND AWindow) {
  TX11Display& X = *FX;
  TX11TopLevel* Window = FindTopLevel(X, AWindow);
  if (!Window) return;
  Window->Shown = false;
  if (Window->OverrideRedirect)
    XUnmapWindow(X.Connection, Window->Xid);
  else
    XWithdrawWindow(X.Connection, Window->Xid, X.Screen);
}

void TX11Backend::TopLevelMoved(HWND AWindow, const TRect& AWindowRect) {
  TX11Display& X = *FX;
  TX11TopLevel* Window = FindTopLevel(X, AWindow);
  if (!Window || Window->Rect == AWindowRect) return;
  const bool WasEmpty = IsRectEmpty(Window->Rect);
  Window->Rect = AWindowRect;
  Window->ConfigureSerial = NextRequest(X.Connection);
  XMoveResizeWindow(X.Connection, Window->Xid, AWindowRect.Left, AWindowRect.Top, Side(AWindowRect.Width()),
                    Side(AWindowRect.Height()));
  if (IsRectEmpty(AWindowRect) && !WasEmpty && Window->Shown)
    XUnmapWindow(X.Connection, Window->Xid);
  else if (WasEmpty)
    MapIfWanted(X, *Window);
}

void TX11Backend::TopLevelsRestacked(const std::vector<HWND>& ATopToBottom) {
  TX11Display& X = *FX;
  std::vector<::Window> Stack;
  for (HWND Handle : ATopToBottom)
    if (const TX11TopLevel* Window = FindTopLevel(X, Handle)) Stack.push_back(Window->Xid);
  // Windows a window manager reparented are no siblings of the others: restacking them
  // fails, and the window manager keeps the order of its frames itself.
  if (Stack.size() > 1) XRestackWindows(X.Connection, Stack.data(), static_cast<int>(Stack.size()));
}

void TX11Backend::TopLevelStyleChanged(HWND AWindow, DWORD AStyle, DWORD AExStyle) {
  TX11Display& X = *FX;
  TX11TopLevel* Window = FindTopLevel(X, AWindow);
  if (!Window) return;
  Window->ExStyle = AExStyle;
  // The window manager takes over a window when it is mapped: the kind of window can
  // change only while it is not.
  const bool OverrideRedirect = IsOverrideRedirectStyle(AStyle, AExStyle);
  if (OverrideRedirect != Window->OverrideRedirect && !Window->Viewable) {
    Window->OverrideRedirect = OverrideRedirect;
    XSetWindowAttributes Attributes{};
    Attributes.override_redirect = OverrideRedirect;
    XChangeWindowAttributes(X.Connection, Window->Xid, CWOverrideRedirect, &Attributes);
  }
  UpdateWindowStates(X, *Window);
}

void TX11Backend::TopLevelTextChanged(HWND AWindow, const String& AText) {
  if (const TX11TopLevel* Window = FindTopLevel(*FX, AWindow)) SetWindowName(*FX, *Window, AText);
}

void TX11Backend::TopLevelActivated(HWND AWindow) {
  if (TX11TopLevel* Window = FindTopLevel(*FX, AWindow)) RequestFocus(*FX, *Window);
}

void TX11Backend::SetPointerPosition(const TPoint& APosition) {
  XWarpPointer(FX->Connection, None, FX->Root, 0, 0, 0, 0, APosition.X, APosition.Y);
}

void TX11Backend::GrabPointer(HWND AWindow) {
  const TX11TopLevel* Window = FindTopLevel(*FX, AWindow);
  if (!Window) return;
  XGrabPointer(FX->Connection, Window->Xid, True,
               ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask,
               GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
}

void TX11Backend::ReleasePointerGrab() { XUngrabPointer(FX->Connection, CurrentTime); }
