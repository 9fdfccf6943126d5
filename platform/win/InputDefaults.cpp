// DefWindowProc's handling of the input messages: cursors, mouse activation, the focus
// on activation, the wheel and the context menu passed up to parents, capture ended by
// WM_CANCELMODE, Alt+F4, and the menu key (an Alt tap or F10).

#include "platform/win/Capture.h"
#include "platform/win/Cursors.h"
#include "platform/win/ExtensionsInternal.h"
#include "platform/win/Focus.h"
#include "platform/win/InputDefaultsInternal.h"
#include "platform/win/KeyStateInternal.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowClassRecordInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"

namespace {

// The handlers these take over from, for what they leave alone.
TDefaultMessageHandler GPreviousSetCursor = nullptr;
TDefaultMessageHandler GPreviousCancelMode = nullptr;
TDefaultMessageHandler GPreviousSysKeyDown = nullptr;

LRESULT PassOn(TDefaultMessageHandler APrevious, HWND AWindow, UINT AMessage, WPARAM AWParam,
               LPARAM ALParam) {
  return APrevious ? APrevious(AWindow, AMessage, AWParam, ALParam) : 0;
}

// The parent of a child window, to which several messages go first or go on.
HWND ParentOfChild(HWND AWindow) {
  const TWindow* Window = FindWindowRecord(AWindow);
  return Window && Window->IsChildStyle() && !Window->IsTopLevel() ? Window->Parent : nullptr;
}

bool IsButtonDown(WORD AMessage) {
  return AMessage == WM_LBUTTONDOWN || AMessage == WM_RBUTTONDOWN || AMessage == WM_MBUTTONDOWN;
}

// A press on a window disabled for a modal window brings that modal window forward:
// the topmost visible, enabled window owned by it.
void ActivateModalOf(HWND AWindow) {
  for (HWND Candidate : DesktopRecord().Children) {
    const TWindow* Window = FindWindowRecord(Candidate);
    if (Window && Window->Owner == AWindow && Window->IsVisible() && Window->IsEnabled()) {
      SetActiveWindow(Candidate);
      return;
    }
  }
}

LRESULT WMSetCursor(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (const HWND Parent = ParentOfChild(AWindow);
      Parent && SendMessage(Parent, WM_SETCURSOR, AWParam, ALParam))
    return 1;
  const auto Hit = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(ALParam)));
  if (Hit == HTCLIENT) {
    const TWindow* Window = FindWindowRecord(AWindow);
    if (!Window || !Window->Class || !Window->Class->Cursor) return 0;
    SetCursor(Window->Class->Cursor);
    return 1;
  }
  if (Hit == HTERROR) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (IsButtonDown(HIWORD(static_cast<uintptr_t>(ALParam)))) ActivateModalOf(AWindow);
    return 1;
  }
  // Over the frame the non-client part chooses (the sizing cursors); the arrow when
  // it has no say.
  if (GPreviousSetCursor) return GPreviousSetCursor(AWindow, AMessage, AWParam, ALParam);
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  return 1;
}

LRESULT WMMouseActivate(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (const HWND Parent = ParentOfChild(AWindow))
    if (const LRESULT Answer = SendMessage(Parent, AMessage, AWParam, ALParam)) return Answer;
  const TWindow* TopLevel = FindWindowRecord(reinterpret_cast<HWND>(AWParam));
  return TopLevel && (TopLevel->ExStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
}

LRESULT WMActivate(HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
  if (LOWORD(AWParam) != WA_INACTIVE && HIWORD(AWParam) == 0) SetFocus(AWindow);
  return 0;
}

// Messages a child does not handle go on to its parent.
LRESULT PassToParent(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const HWND Parent = ParentOfChild(AWindow);
  return Parent ? SendMessage(Parent, AMessage, AWParam, ALParam) : 0;
}

LRESULT WMRButtonUp(HWND AWindow, UINT, WPARAM, LPARAM ALParam) {
  POINT Point = LParamToPoint(ALParam);
  ClientToScreen(AWindow, &Point);
  SendMessage(AWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(AWindow), PointToLParam(Point));
  return 0;
}

// The context-menu key asks for the menu at no point: (-1, -1).
LRESULT WMKeyUp(HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
  if (AWParam == VK_APPS) SendMessage(AWindow, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(AWindow), -1);
  return 0;
}

LRESULT WMCancelMode(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const LRESULT Result = PassOn(GPreviousCancelMode, AWindow, AMessage, AWParam, ALParam);
  if (GetCapture() == AWindow) ReleaseCapture();
  return Result;
}

// Alt+F4 asks the top-level window to close.
LRESULT WMSysKeyDown(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  constexpr LPARAM AltBit = LPARAM(1) << 29;
  if (AWParam == VK_F4 && (ALParam & AltBit)) {
    if (const HWND TopLevel = TopLevelWindowOf(AWindow)) SendMessage(TopLevel, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  return PassOn(GPreviousSysKeyDown, AWindow, AMessage, AWParam, ALParam);
}

// Alt tapped alone or F10 released asks the top-level window for its menu.
LRESULT WMSysKeyUp(HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
  const bool MenuKey = AWParam == VK_F10 || (AWParam == VK_MENU && TakeMenuKeyTap());
  if (!MenuKey) return 0;
  if (const HWND TopLevel = TopLevelWindowOf(AWindow)) SendMessage(TopLevel, WM_SYSCOMMAND, SC_KEYMENU, 0);
  return 0;
}

}  // namespace

void InstallInputDefaults(TWindowSystemExtensions& AExtensions) {
  GPreviousSetCursor = AExtensions.SetDefaultHandler(WM_SETCURSOR, WMSetCursor);
  GPreviousCancelMode = AExtensions.SetDefaultHandler(WM_CANCELMODE, WMCancelMode);
  GPreviousSysKeyDown = AExtensions.SetDefaultHandler(WM_SYSKEYDOWN, WMSysKeyDown);
  AExtensions.SetDefaultHandler(WM_MOUSEACTIVATE, WMMouseActivate);
  AExtensions.SetDefaultHandler(WM_ACTIVATE, WMActivate);
  AExtensions.SetDefaultHandler(WM_MOUSEWHEEL, PassToParent);
  AExtensions.SetDefaultHandler(WM_CONTEXTMENU, PassToParent);
  AExtensions.SetDefaultHandler(WM_RBUTTONUP, WMRButtonUp);
  AExtensions.SetDefaultHandler(WM_KEYUP, WMKeyUp);
  AExtensions.SetDefaultHandler(WM_SYSKEYUP, WMSysKeyUp);
}
