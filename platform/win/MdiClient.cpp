// The MDI client window class: the active document window, activation, the WM_MDI…
// messages, and DefMDIChildProc.

#include <unordered_map>

#include "platform/win/Focus.h"
#include "platform/win/Mdi.h"
#include "platform/win/MdiInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowPosInternal.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowTree.h"

namespace {

// The active child of each client window.
std::unordered_map<HWND, HWND> ActiveChildren;

bool IsMDIChild(HWND AWindow) { return (GetWindowLong(AWindow, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0; }

bool IsShown(HWND AWindow) { return (GetWindowLong(AWindow, GWL_STYLE) & WS_VISIBLE) != 0; }

// The client of a document window; nullptr when its parent is no MDI client.
HWND ClientOf(HWND AChild) {
  const HWND Parent = GetParent(AChild);
  return ActiveChildren.count(Parent) ? Parent : nullptr;
}

// Whether AChild is a document window of AClient.
bool IsChildOf(HWND AClient, HWND AChild) {
  return AChild && IsMDIChild(AChild) && GetParent(AChild) == AClient;
}

// Brings AChild (nullptr: none) to the top and makes it the active child; the child
// losing the activation hears of it unless it is being destroyed (ANotifyOld false).
void ActivateChild(HWND AClient, HWND AChild, bool ANotifyOld = true) {
  auto It = ActiveChildren.find(AClient);
  if (It == ActiveChildren.end()) return;
  const HWND Old = It->second;
  if (AChild) SetWindowPos(AChild, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (Old == AChild) return;
  It->second = AChild;
  const LPARAM Gaining = reinterpret_cast<LPARAM>(AChild);
  const WPARAM Losing = reinterpret_cast<WPARAM>(ANotifyOld ? Old : nullptr);
  if (ANotifyOld && Old && IsWindow(Old)) {
    SendMessage(Old, WM_NCACTIVATE, 0, 0);
    SendMessage(Old, WM_MDIACTIVATE, Losing, Gaining);
  }
  if (!AChild || !IsWindow(AChild)) return;
  SendMessage(AChild, WM_NCACTIVATE, 1, 0);
  SendMessage(AChild, WM_MDIACTIVATE, Losing, Gaining);
  // The child's handler may have focused one of its controls already.
  const HWND Focus = GetFocus();
  if (IsWindow(AChild) && GetActiveWindow() == TopLevelWindowOf(AClient) && Focus != AChild &&
      !IsChild(AChild, Focus))
    SetFocus(AChild);
}

// A hidden or destroyed child gives the activation to the next shown one in z-order.
void ChildLeaving(HWND AChild, bool ADestroyed) {
  const HWND Client = ClientOf(AChild);
  if (!Client || ActiveChildren[Client] != AChild) return;
  HWND Next = nullptr;
  for (HWND Child : GetMDIChildWindows(Client))
    if (Child != AChild && IsShown(Child)) {
      Next = Child;
      break;
    }
  ActivateChild(Client, Next, !ADestroyed);
}

// WM_MDINEXT: the child after AFrom in z-order (AFrom going to the bottom), or, for
// APrevious, the bottom one.
void ActivateNext(HWND AClient, HWND AFrom, bool APrevious) {
  if (!AFrom) AFrom = ActiveChildren[AClient];
  std::vector<HWND> Shown;
  for (HWND Child : GetMDIChildWindows(AClient))
    if (IsShown(Child) && IsWindowEnabled(Child)) Shown.push_back(Child);
  if (Shown.size() < 2) return;
  if (APrevious) return ActivateChild(AClient, Shown.back());
  auto Here = std::find(Shown.begin(), Shown.end(), AFrom);
  const HWND Next = Here == Shown.end() || Here + 1 == Shown.end() ? Shown.front() : *(Here + 1);
  if (Next == AFrom) return;
  ActivateChild(AClient, Next);
  if (AFrom) SetWindowPos(AFrom, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Maximized children fill the client again after it changed size.
void FitMaximizedChildren(HWND AClient) {
  for (HWND Child : GetMDIChildWindows(AClient)) {
    if (!IsZoomed(Child)) continue;
    const MINMAXINFO Limits = QueryMinMaxInfo(Child);
    SetWindowPos(Child, nullptr, Limits.ptMaxPosition.X, Limits.ptMaxPosition.Y, Limits.ptMaxSize.X,
                 Limits.ptMaxSize.Y, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool IsPressEvent(WORD AEvent) {
  return AEvent == WM_LBUTTONDOWN || AEvent == WM_RBUTTONDOWN || AEvent == WM_MBUTTONDOWN;
}

LRESULT MDIClientProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const HWND Child = reinterpret_cast<HWND>(AWParam);
  switch (AMessage) {
    case WM_NCCREATE:
      ActiveChildren[AWindow] = nullptr;
      break;
    case WM_NCDESTROY:
      ActiveChildren.erase(AWindow);
      break;
    case WM_SIZE:
      FitMaximizedChildren(AWindow);
      break;
    case WM_PARENTNOTIFY:
      // A press inside a document window activates it.
      if (IsPressEvent(LOWORD(AWParam))) {
        const POINT At{static_cast<short>(LOWORD(ALParam)), static_cast<short>(HIWORD(ALParam))};
        const HWND Pressed = ChildWindowFromPointEx(AWindow, At, CWP_SKIPINVISIBLE);
        if (IsChildOf(AWindow, Pressed)) ActivateChild(AWindow, Pressed);
      }
      return 0;
    case WM_MDIACTIVATE:
      if (IsChildOf(AWindow, Child)) ActivateChild(AWindow, Child);
      return 0;
    case WM_MDIGETACTIVE: {
      const HWND Active = ActiveChildren[AWindow];
      if (ALParam) *reinterpret_cast<bool*>(ALParam) = Active && IsZoomed(Active);
      return reinterpret_cast<LRESULT>(Active);
    }
    case WM_MDINEXT:
      ActivateNext(AWindow, IsChildOf(AWindow, Child) ? Child : nullptr, ALParam != 0);
      return 0;
    case WM_MDIMAXIMIZE:
      if (IsChildOf(AWindow, Child)) ShowWindow(Child, SW_MAXIMIZE);
      return 0;
    case WM_MDIRESTORE:
      if (IsChildOf(AWindow, Child)) ShowWindow(Child, SW_RESTORE);
      return 0;
    case WM_MDIDESTROY:
      if (IsChildOf(AWindow, Child)) DestroyWindow(Child);
      return 0;
    case WM_MDITILE:
      return TileMDIChildren(AWindow, AWParam) ? 1 : 0;
    case WM_MDICASCADE:
      return CascadeMDIChildren(AWindow) ? 1 : 0;
    case WM_MDIICONARRANGE:
      ArrangeMDIIcons(AWindow);
      return 0;
    default:
      break;
  }
  return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace

void RegisterMDIClientClass() {
  WNDCLASS Class;
  if (GetClassInfo(nullptr, MDICLIENT_CLASS, &Class)) return;
  Class = WNDCLASS{};
  Class.lpfnWndProc = &MDIClientProc;
  Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  Class.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
  Class.lpszClassName = MDICLIENT_CLASS;
  RegisterClass(&Class);
}

std::vector<HWND> GetMDIChildWindows(HWND AClient) {
  std::vector<HWND> Children;
  for (HWND Child = GetWindow(AClient, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT))
    if (IsMDIChild(Child)) Children.push_back(Child);
  return Children;
}

std::vector<HWND> ShownMDIChildren(HWND AClient, bool AMinimized) {
  std::vector<HWND> Children;
  for (HWND Child : GetMDIChildWindows(AClient))
    if (IsShown(Child) && IsIconic(Child) == AMinimized) Children.push_back(Child);
  return Children;
}

LRESULT DefMDIChildProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_CHILDACTIVATE:
      if (const HWND Client = ClientOf(AWindow)) ActivateChild(Client, AWindow);
      return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      if (const HWND Client = ClientOf(AWindow)) ActivateChild(Client, AWindow);
      break;
    case WM_WINDOWPOSCHANGING:
      // A minimized document takes the icon size, below the limits of a normal one.
      if (IsIconic(AWindow)) return 0;
      break;
    case WM_WINDOWPOSCHANGED: {
      const UINT Flags = reinterpret_cast<const WINDOWPOS*>(ALParam)->flags;
      const LRESULT Result = DefWindowProc(AWindow, AMessage, AWParam, ALParam);
      if (Flags & SWP_HIDEWINDOW) ChildLeaving(AWindow, false);
      if ((Flags & SWP_STATECHANGED) && IsIconic(AWindow))
        if (const HWND Client = ClientOf(AWindow)) ArrangeMDIIcons(Client);
      return Result;
    }
    case WM_DESTROY:
      ChildLeaving(AWindow, true);
      break;
    case WM_SYSCOMMAND:
      if ((AWParam & 0xFFF0) == SC_NEXTWINDOW || (AWParam & 0xFFF0) == SC_PREVWINDOW) {
        if (const HWND Client = ClientOf(AWindow))
          SendMessage(Client, WM_MDINEXT, reinterpret_cast<WPARAM>(AWindow),
                      (AWParam & 0xFFF0) == SC_PREVWINDOW ? 1 : 0);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
}
