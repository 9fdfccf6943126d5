#include "platform/win/WindowTree.h"

#include <algorithm>

#include "platform/base/Threads.h"
#include "platform/win/Backend.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowLifecycleInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowPosInternal.h"
#include "platform/win/WindowSystemInternal.h"

namespace {

void CollectDescendants(const TWindow& AWindow, std::vector<HWND>& AList) {
  for (HWND Child : AWindow.Children) {
    AList.push_back(Child);
    if (const TWindow* ChildWindow = FindWindowRecord(Child)) CollectDescendants(*ChildWindow, AList);
  }
}

bool IsSelfOrDescendant(const TWindow* AWindow, HWND AAncestor) {
  for (; AWindow; AWindow = ParentRecord(*AWindow))
    if (AWindow->Handle == AAncestor) return true;
  return false;
}

}  // namespace

void SendParentNotify(HWND AWindow, UINT AEvent) {
  HWND Current = AWindow;
  for (;;) {
    const TWindow* Window = FindWindowRecord(Current);
    if (!Window || !Window->IsChildStyle() || (Window->ExStyle & WS_EX_NOPARENTNOTIFY) ||
        Window->IsTopLevel())
      return;
    const HWND Parent = Window->Parent;
    SendMessage(Parent, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<WORD>(AEvent), static_cast<WORD>(Window->Id)),
                reinterpret_cast<LPARAM>(Current));
    Current = Parent;
  }
}

bool IsWindow(HWND AWindow) {
  return IsMainThread() ? FindWindowRecord(AWindow) != nullptr : IsLiveWindowHandle(AWindow);
}

bool IsChild(HWND AParent, HWND AChild) {
  RequireUIThread("IsChild");
  const TWindow* Window = FindWindowRecord(AChild);
  while (Window && Window->IsChildStyle() && !Window->IsTopLevel()) {
    if (Window->Parent == AParent) return true;
    Window = ParentRecord(*Window);
  }
  return false;
}

HWND GetParent(HWND AWindow) {
  RequireUIThread("GetParent");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return nullptr;
  if (Window->Style & WS_POPUP) return Window->Owner;
  if (Window->Style & WS_CHILD) return Window->Parent;
  return nullptr;
}

HWND GetDesktopWindow() {
  RequireUIThread("GetDesktopWindow");
  return DesktopRecord().Handle;
}

HWND SetParent(HWND AChild, HWND ANewParent) {
  RequireUIThread("SetParent");
  TWindow* Window = FindWindowRecord(AChild);
  TWindow* NewParent = ANewParent ? FindWindowRecord(ANewParent) : &DesktopRecord();
  if (!Window || !NewParent || Window == &DesktopRecord() || IsSelfOrDescendant(NewParent, AChild))
    return nullptr;
  const HWND OldParent = Window->Parent;
  const bool WasVisible = ShowWindow(AChild, SW_HIDE);
  Window = FindWindowRecord(AChild);
  NewParent = ANewParent ? FindWindowRecord(ANewParent) : &DesktopRecord();
  if (!Window || !NewParent) return nullptr;

  const TRect Relative = WindowRectInParent(*Window);
  const bool WasTopLevel = Window->IsTopLevel();
  UnlinkFromParent(*Window);
  InsertNewWindow(*Window, *NewParent);
  OffsetWindowTree(*Window, NewParent->ClientRect.Left + Relative.Left - Window->WindowRect.Left,
                   NewParent->ClientRect.Top + Relative.Top - Window->WindowRect.Top);
  if (WasTopLevel && !Window->IsTopLevel()) Backend().TopLevelDestroyed(AChild);
  if (!WasTopLevel && Window->IsTopLevel())
    Backend().TopLevelCreated(AChild, Window->WindowRect, Window->Style, Window->ExStyle);
  if (WasTopLevel || Window->IsTopLevel()) ReportTopLevelStacking();
  SetWindowPos(AChild, HWND_TOP, Relative.Left, Relative.Top, 0, 0,
               SWP_NOSIZE | (WasVisible ? SWP_SHOWWINDOW : 0));
  return OldParent;
}

HWND GetWindow(HWND AWindow, UINT ARelation) {
  RequireUIThread("GetWindow");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return nullptr;
  if (ARelation == GW_OWNER) return Window->Owner;
  if (ARelation == GW_CHILD) return Window->Children.empty() ? nullptr : Window->Children.front();
  const TWindow* Parent = ParentRecord(*Window);
  if (!Parent) return nullptr;
  const std::vector<HWND>& Siblings = Parent->Children;
  const auto Here = std::find(Siblings.begin(), Siblings.end(), AWindow);
  switch (ARelation) {
    case GW_HWNDFIRST:
      return Siblings.front();
    case GW_HWNDLAST:
      return Siblings.back();
    case GW_HWNDNEXT:
      return Here + 1 < Siblings.end() ? *(Here + 1) : nullptr;
    case GW_HWNDPREV:
      return Here != Siblings.begin() ? *(Here - 1) : nullptr;
    default:
      return nullptr;
  }
}

bool EnumChildWindows(HWND AParent, const WNDENUMPROC& AEnum) {
  RequireUIThread("EnumChildWindows");
  const TWindow* Parent = AParent ? FindWindowRecord(AParent) : &DesktopRecord();
  if (!Parent) return false;
  std::vector<HWND> Windows;
  CollectDescendants(*Parent, Windows);
  for (HWND Window : Windows)
    if (FindWindowRecord(Window) && !AEnum(Window)) return false;
  return true;
}

bool EnumWindows(const WNDENUMPROC& AEnum) {
  RequireUIThread("EnumWindows");
  const std::vector<HWND> TopLevels = DesktopRecord().Children;
  for (HWND Window : TopLevels)
    if (FindWindowRecord(Window) && !AEnum(Window)) return false;
  return true;
}
