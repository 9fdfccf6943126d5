#include <algorithm>

#include "platform/win/Backend.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/Monitors.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/WindowClassRecordInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowLifecycleInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowPosInternal.h"
#include "platform/win/WindowSystemInternal.h"
#include "platform/win/WindowTree.h"

namespace {

// Where CW_USEDEFAULT puts an overlapped window: a little inside the primary work
// area, three quarters of its size.
constexpr int DefaultPlacementOffset = 26;

TRect PrimaryWorkArea() {
  MONITORINFO Info;
  GetMonitorInfo(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &Info);
  return Info.rcWork;
}

// The requested bounds with CW_USEDEFAULT resolved: overlapped windows get a default
// place and size, other windows zero.
TRect RequestedBounds(DWORD AStyle, int AX, int AY, int AWidth, int AHeight) {
  const bool Overlapped = !(AStyle & (WS_CHILD | WS_POPUP));
  if (AX == CW_USEDEFAULT) {
    const TRect Work = Overlapped ? PrimaryWorkArea() : TRect{};
    AX = Overlapped ? Work.Left + DefaultPlacementOffset : 0;
    AY = Overlapped ? Work.Top + DefaultPlacementOffset : 0;
  }
  if (AWidth == CW_USEDEFAULT) {
    const TRect Work = Overlapped ? PrimaryWorkArea() : TRect{};
    AWidth = Work.Width() * 3 / 4;
    AHeight = Work.Height() * 3 / 4;
  }
  return Bounds(AX, AY, std::max(AWidth, 0), std::max(AHeight, 0));
}

// Sets the window rectangle (parent client coordinates) of a window being created;
// its client rectangle follows until WM_NCCALCSIZE decides it.
void PlaceNewWindow(TWindow& AWindow, const TRect& ARect) {
  const TWindow* Parent = ParentRecord(AWindow);
  TRect Screen = ARect;
  OffsetRect(Screen, Parent->ClientRect.Left, Parent->ClientRect.Top);
  AWindow.WindowRect = Screen;
  AWindow.ClientRect = Screen;
  AWindow.NormalRect = ARect;
  NoteGeometryChange();
}

}  // namespace

HWND CreateWindowEx(DWORD AExStyle, const char* AClassName, const char* AWindowName, DWORD AStyle, int AX,
                    int AY, int AWidth, int AHeight, HWND AParent, HMENU AMenu, HINSTANCE AInstance,
                    void* AParam) {
  RequireUIThread("CreateWindowEx");
  const auto Class = FindWindowClass(AClassName);
  if (!Class) return nullptr;
  TWindow* Parent = &DesktopRecord();
  HWND Owner = nullptr;
  if ((AStyle & WS_CHILD) && AParent != Parent->Handle) {
    Parent = FindWindowRecord(AParent);
    if (!Parent) return nullptr;
  } else if (AParent && AParent != Parent->Handle) {
    // The owner of a top-level window is always a top-level window.
    Owner = TopLevelWindowOf(AParent);
    if (!Owner) return nullptr;
  }

  DWORD Style = AStyle;
  // As in the system the program was designed on, top-level windows clip their
  // siblings and an overlapped window always has a caption.
  if (!(Style & WS_CHILD)) {
    Style |= WS_CLIPSIBLINGS;
    if (!(Style & WS_POPUP)) Style |= WS_CAPTION;
  }

  auto Record = std::make_unique<TWindow>();
  Record->Class = Class;
  Record->Style = Style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
  Record->ExStyle = AExStyle;
  Record->Owner = Owner;
  Record->WndProc = Class->WndProc;
  Record->Instance = AInstance;
  Record->Id = (Style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(AMenu) : 0;
  Record->NeedsInitialSize = !(Style & (WS_CHILD | WS_POPUP));
  // A window with scroll bars starts with the range 0 to 100 on both.
  if (Style & (WS_HSCROLL | WS_VSCROLL))
    Record->ScrollBars[SB_HORZ].Max = Record->ScrollBars[SB_VERT].Max = 100;
  const HWND Handle = AddWindowRecord(std::move(Record));
  TWindow& Window = *FindWindowRecord(Handle);
  InsertNewWindow(Window, *Parent);
  TRect Requested = RequestedBounds(Style, AX, AY, AWidth, AHeight);
  PlaceNewWindow(Window, Requested);
  if (Window.IsTopLevel()) {
    Backend().TopLevelCreated(Handle, Window.WindowRect, Window.Style, Window.ExStyle);
    ReportTopLevelStacking();
  }

  CREATESTRUCT Create{.lpCreateParams = AParam,
                      .hInstance = AInstance,
                      .hMenu = AMenu,
                      .hwndParent = AParent,
                      .cy = Requested.Height(),
                      .cx = Requested.Width(),
                      .y = Requested.Top,
                      .x = Requested.Left,
                      .style = static_cast<LONG>(AStyle),
                      .lpszName = AWindowName,
                      .lpszClass = AClassName,
                      .dwExStyle = AExStyle};
  if (HasTrackingLimits(Style)) {
    const MINMAXINFO Limits = QueryMinMaxInfo(Handle);
    TWindow* Alive = FindWindowRecord(Handle);
    if (!Alive) return nullptr;
    Create.cx = std::clamp(Create.cx, Limits.ptMinTrackSize.X,
                           std::max(Limits.ptMinTrackSize.X, Limits.ptMaxTrackSize.X));
    Create.cy = std::clamp(Create.cy, Limits.ptMinTrackSize.Y,
                           std::max(Limits.ptMinTrackSize.Y, Limits.ptMaxTrackSize.Y));
    Requested = Bounds(Create.x, Create.y, Create.cx, Create.cy);
    PlaceNewWindow(*Alive, Requested);
  }

  if (!SendMessage(Handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&Create))) {
    DestroyWindow(Handle);
    return nullptr;
  }
  if (!FindWindowRecord(Handle)) return nullptr;
  RECT Client = Requested;
  SendMessage(Handle, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&Client));
  TWindow* Alive = FindWindowRecord(Handle);
  if (!Alive) return nullptr;
  OffsetRect(Client, Alive->WindowRect.Left - Requested.Left, Alive->WindowRect.Top - Requested.Top);
  Alive->ClientRect = Client;
  NoteGeometryChange();

  if (SendMessage(Handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&Create)) == -1) {
    DestroyWindow(Handle);
    return nullptr;
  }
  Alive = FindWindowRecord(Handle);
  if (!Alive) return nullptr;
  if (!Alive->NeedsInitialSize) SendInitialSizeMessages(Handle);

  if (AStyle & (WS_MINIMIZE | WS_MAXIMIZE)) {
    TRect Placed;
    UINT Flags = ChangeShowState(Handle, (AStyle & WS_MINIMIZE) ? SW_MINIMIZE : SW_MAXIMIZE, Placed);
    Flags |= SWP_FRAMECHANGED | SWP_NOZORDER;
    if (!(AStyle & WS_VISIBLE) || (AStyle & WS_CHILD)) Flags |= SWP_NOACTIVATE;
    SetWindowPos(Handle, nullptr, Placed.Left, Placed.Top, Placed.Width(), Placed.Height(), Flags);
  }

  SendParentNotify(Handle, WM_CREATE);
  if (!FindWindowRecord(Handle)) return nullptr;
  if (AStyle & WS_VISIBLE)
    ShowWindow(Handle, (AStyle & WS_MINIMIZE) && !(AStyle & WS_MAXIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW);
  return FindWindowRecord(Handle) ? Handle : nullptr;
}
