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
  TX11TopLevel& TopLevel = X.TopLevels[AWindow];
  TopLevel.Handle = AWindow;
  TopLevel.Rect = AWindowRect;
  TopLevel.ExStyle = AExStyle;
  TopLevel.OverrideRedirect = IsOverrideRedirectStyle(AStyle, AExStyle);
  TopLevel.Parent = X.Root;
  // The visual cannot change later: with a compositor every window takes the ARGB one,
  // so that any of them may become layered.
  const bool Argb = X.ArgbVisual && IsCompositorRunning(X);
  TopLevel.Depth = Argb ? 32 : X.DefaultDepth;
  XSetWindowAttributes Attributes{};
  Attributes.override_redirect = TopLevel.OverrideRedirect;
  Attributes.background_pixmap = None;
  Attributes.border_pixel = 0;
  Attributes.colormap = Argb ? X.ArgbColormap : X.DefaultColormap;
  Attributes.bit_gravity = NorthWestGravity;
  Attributes.event_mask = TopLevelEvents;
  TopLevel.Xid = XCreateWindow(
      X.Connection, X.Root, AWindowRect.Left, AWindowRect.Top, Side(AWindowRect.Width()),
      Side(AWindowRect.Height()), 0, TopLevel.Depth, InputOutput, Argb ? X.ArgbVisual : X.DefaultVisual,
      CWOverrideRedirect | CWBackPixmap | CWBorderPixel | CWColormap | CWBitGravity | CWEventMask,
      &Attributes);
  X.ByXid[TopLevel.Xid] = AWindow;
  TopLevel.Graphics = XCreateGC(X.Connection, TopLevel.Xid, 0, nullptr);
  long InputMethodEvents = 0;
  TopLevel.InputContext = CreateInputContext(X, TopLevel.Xid, InputMethodEvents);
  if (InputMethodEvents) XSelectInput(X.Connection, TopLevel.Xid, TopLevelEvents | InputMethodEvents);
  DescribeNewWindow(X, TopLevel);
  AnnounceDropTarget(X, TopLevel);
  ApplyCursor(X, TopLevel);
}

void TX11Backend::TopLevelDestroyed(HWND AWindow) {
  TX11Display& X = *FX;
  TX11TopLevel* TopLevel = FindTopLevel(X, AWindow);
  if (!TopLevel) return;
  FreeWindowPicture(X, *TopLevel);
  if (TopLevel->InputContext) XDestroyIC(TopLevel->InputContext);
  XFreeGC(X.Connection, TopLevel->Graphics);
  XDestroyWindow(X.Connection, TopLevel->Xid);
  if (X.FocusWindow == TopLevel->Xid) X.FocusWindow = 0;
  if (X.HoveredWindow == TopLevel->Xid) X.HoveredWindow = 0;
  if (X.WantedFocus == AWindow) X.WantedFocus = nullptr;
  X.ByXid.erase(TopLevel->Xid);
  X.TopLevels.erase(AWindow);
}

void TX11Backend::TopLevelShown(HWND AWindow) {
  TX11Display& X = *FX;
  TX11TopLevel* TopLevel = FindTopLevel(X, AWindow);
  if (!TopLevel) return;
  TopLevel->Shown = true;
  // Minimizing shows the window as well: it goes to the window manager as iconified.
  if (IsIconic(AWindow) && TopLevel->Viewable) {
    if (!TopLevel->Iconic) XIconifyWindow(X.Connection, TopLevel->Xid, X.Screen);
    return;
  }
  MapIfWanted(X, *TopLevel);
}

void TX11Backend::TopLevelHidden(HWND AWindow) {
  TX11Display& X = *FX;
  TX11TopLevel* TopLevel = FindTopLevel(X, AWindow);
  if (!TopLevel) return;
  TopLevel->Shown = false;
  if (TopLevel->OverrideRedirect)
    XUnmapWindow(X.Connection, TopLevel->Xid);
  else
    XWithdrawWindow(X.Connection, TopLevel->Xid, X.Screen);
}

void TX11Backend::TopLevelMoved(HWND AWindow, const TRect& AWindowRect) {
  TX11Display& X = *FX;
  TX11TopLevel* TopLevel = FindTopLevel(X, AWindow);
  if (!TopLevel || TopLevel->Rect == AWindowRect) return;
  const bool WasEmpty = IsRectEmpty(TopLevel->Rect);
  TopLevel->Rect = AWindowRect;
  TopLevel->ConfigureSerial = NextRequest(X.Connection);
  XMoveResizeWindow(X.Connection, TopLevel->Xid, AWindowRect.Left, AWindowRect.Top, Side(AWindowRect.Width()),
                    Side(AWindowRect.Height()));
  if (IsRectEmpty(AWindowRect) && !WasEmpty && TopLevel->Shown)
    XUnmapWindow(X.Connection, TopLevel->Xid);
  else if (WasEmpty)
    MapIfWanted(X, *TopLevel);
}

void TX11Backend::TopLevelsRestacked(const std::vector<HWND>& ATopToBottom) {
  TX11Display& X = *FX;
  std::vector<::Window> Stack;
  for (HWND Handle : ATopToBottom)
    if (const TX11TopLevel* TopLevel = FindTopLevel(X, Handle)) Stack.push_back(TopLevel->Xid);
  // Windows a window manager reparented are no siblings of the others: restacking them
  // fails, and the window manager keeps the order of its frames itself.
  if (Stack.size() > 1) XRestackWindows(X.Connection, Stack.data(), static_cast<int>(Stack.size()));
}

void TX11Backend::TopLevelStyleChanged(HWND AWindow, DWORD AStyle, DWORD AExStyle) {
  TX11Display& X = *FX;
  TX11TopLevel* TopLevel = FindTopLevel(X, AWindow);
  if (!TopLevel) return;
  TopLevel->ExStyle = AExStyle;
  // The window manager takes over a window when it is mapped: the kind of window can
  // change only while it is not.
  const bool OverrideRedirect = IsOverrideRedirectStyle(AStyle, AExStyle);
  if (OverrideRedirect != TopLevel->OverrideRedirect && !TopLevel->Viewable) {
    TopLevel->OverrideRedirect = OverrideRedirect;
    XSetWindowAttributes Attributes{};
    Attributes.override_redirect = OverrideRedirect;
    XChangeWindowAttributes(X.Connection, TopLevel->Xid, CWOverrideRedirect, &Attributes);
  }
  UpdateWindowStates(X, *TopLevel);
}

void TX11Backend::TopLevelTextChanged(HWND AWindow, const String& AText) {
  if (const TX11TopLevel* TopLevel = FindTopLevel(*FX, AWindow)) SetWindowName(*FX, *TopLevel, AText);
}

void TX11Backend::TopLevelActivated(HWND AWindow) {
  if (TX11TopLevel* TopLevel = FindTopLevel(*FX, AWindow)) RequestFocus(*FX, *TopLevel);
}

void TX11Backend::SetPointerPosition(const TPoint& APosition) {
  XWarpPointer(FX->Connection, None, FX->Root, 0, 0, 0, 0, APosition.X, APosition.Y);
}

void TX11Backend::GrabPointer(HWND AWindow) {
  const TX11TopLevel* TopLevel = FindTopLevel(*FX, AWindow);
  if (!TopLevel) return;
  XGrabPointer(FX->Connection, TopLevel->Xid, True,
               ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask,
               GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
}

void TX11Backend::ReleasePointerGrab() { XUngrabPointer(FX->Connection, CurrentTime); }
