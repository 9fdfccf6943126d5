// Pointer events from the backend: motion, buttons, the wheel and the pointer leaving
// the program's windows, turned into the mouse messages of the window under the
// pointer (or of the capture window).

#include <algorithm>
#include <cstdlib>

#include "platform/win/BackendEvents.h"
#include "platform/win/FocusInternal.h"
#include "platform/win/InputMessagesInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/KeyStateInternal.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/PointerInputInternal.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"

namespace {

// By TPointerButton: the button's key code and its client and non-client down messages
// (up follows down, the double click follows up, for both kinds).
constexpr UINT ButtonKeys[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
constexpr UINT ClientDownMessages[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
constexpr UINT NonClientDownMessages[] = {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
constexpr UINT UpOffset = 1;
constexpr UINT DoubleClickOffset = 2;

struct TPointerTarget {
  HWND Window = nullptr;
  LRESULT Hit = HTNOWHERE;
};

// The window the pointer at APosition is over and the part of it WM_NCHITTEST names. A
// disabled child passes the pointer to its parent; a disabled top-level window is the
// target with HTERROR, which gets WM_SETCURSOR and no mouse message.
TPointerTarget FindPointerTarget(const TPoint& APosition) {
  HWND Window = WindowFromPoint(APosition);
  while (const TWindow* Record = FindWindowRecord(Window)) {
    if (Record->IsEnabled()) return {Window, SendMessage(Window, WM_NCHITTEST, 0, PointToLParam(APosition))};
    if (Record->IsTopLevel() || !Record->IsChildStyle()) return {Window, HTERROR};
    Window = Record->Parent;
  }
  return {};
}

TPointerTarget CurrentTarget(const TPoint& APosition) {
  const HWND Capture = InputState().Capture;
  return Capture ? TPointerTarget{Capture, HTCLIENT} : FindPointerTarget(APosition);
}

// The MK_ flags of the mouse messages, as of now.
WPARAM MouseKeyFlags() {
  const TKeyStates& Keys = InputState().AsyncKeys;
  WPARAM Flags = 0;
  if (IsKeyDown(Keys[VK_LBUTTON])) Flags |= MK_LBUTTON;
  if (IsKeyDown(Keys[VK_RBUTTON])) Flags |= MK_RBUTTON;
  if (IsKeyDown(Keys[VK_MBUTTON])) Flags |= MK_MBUTTON;
  if (IsKeyDown(Keys[VK_SHIFT])) Flags |= MK_SHIFT;
  if (IsKeyDown(Keys[VK_CONTROL])) Flags |= MK_CONTROL;
  return Flags;
}

LPARAM ClientPoint(HWND AWindow, const TPoint& AScreen) {
  POINT Point = AScreen;
  ScreenToClient(AWindow, &Point);
  return PointToLParam(Point);
}

// Client messages carry the MK_ flags and the point in client coordinates, non-client
// messages the hit-test code and the screen point.
void PostMouseMessage(const TPointerTarget& ATarget, UINT AClientMessage, UINT ANonClientMessage) {
  const TPoint Position = InputState().Pointer;
  if (ATarget.Hit == HTCLIENT)
    PostInputMessage(ATarget.Window, AClientMessage, MouseKeyFlags(), ClientPoint(ATarget.Window, Position));
  else
    PostInputMessage(ATarget.Window, ANonClientMessage, static_cast<WPARAM>(ATarget.Hit),
                     PointToLParam(Position));
}

// WM_SETCURSOR names the client message of the event, also over the frame.
void SendSetCursor(const TPointerTarget& ATarget, UINT AClientMessage) {
  if (InputState().Capture || !FindWindowRecord(ATarget.Window)) return;
  SendMessage(ATarget.Window, WM_SETCURSOR, reinterpret_cast<WPARAM>(ATarget.Window),
              MAKELPARAM(LOWORD(static_cast<uintptr_t>(ATarget.Hit)), static_cast<WORD>(AClientMessage)));
}

// Whether a press completes a double click: the same button on the same part of the
// same window, within the double-click time and the double-click rectangle around the
// first press. Client double clicks need a CS_DBLCLKS class. A double click is never
// the first press of the next one.
bool IsDoubleClick(HWND AWindow, UINT ADownMessage, bool ANonClient, const TPoint& APosition) {
  TLastPress& Last = InputState().LastPress;
  const uint64_t Now = Win::GetTickCount64();
  const bool Allowed = ANonClient || (GetClassLong(AWindow, GCL_STYLE) & CS_DBLCLKS);
  const bool Completes = Allowed && Last.Message == ADownMessage && Last.Window == AWindow &&
                         Now - Last.Time < GetDoubleClickTime() &&
                         std::abs(APosition.X - Last.Position.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                         std::abs(APosition.Y - Last.Position.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  Last = Completes ? TLastPress{} : TLastPress{AWindow, ADownMessage, ANonClient, APosition, Now};
  return Completes;
}

// WM_PARENTNOTIFY to the ancestors of a child pressed in its client area, each with
// the point in its own client coordinates, up to a window that is not a child or has
// WS_EX_NOPARENTNOTIFY.
void NotifyParentsOfPress(HWND AWindow, UINT ADownMessage, const TPoint& APosition) {
  for (HWND Current = AWindow;;) {
    const TWindow* Window = FindWindowRecord(Current);
    if (!Window || !Window->IsChildStyle() || Window->IsTopLevel() ||
        (Window->ExStyle & WS_EX_NOPARENTNOTIFY))
      return;
    const HWND Parent = Window->Parent;
    SendMessage(Parent, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<WORD>(ADownMessage), 0),
                ClientPoint(Parent, APosition));
    Current = Parent;
  }
}

// A press in a window whose top-level window is not active asks WM_MOUSEACTIVATE and
// activates as answered. Returns whether the answer eats the press.
bool ActivateOnPress(const TPointerTarget& ATarget, UINT AMessage) {
  const HWND TopLevel = TopLevelWindowOf(ATarget.Window);
  if (!TopLevel || TopLevel == InputState().Active) return false;
  const LRESULT Answer =
      SendMessage(ATarget.Window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(TopLevel),
                  MAKELPARAM(LOWORD(static_cast<uintptr_t>(ATarget.Hit)), static_cast<WORD>(AMessage)));
  if (Answer != MA_NOACTIVATE && Answer != MA_NOACTIVATEANDEAT)
    ActivateTopLevel(TopLevel, WA_CLICKACTIVE, true);
  return Answer == MA_ACTIVATEANDEAT || Answer == MA_NOACTIVATEANDEAT;
}

void PressButton(TPointerButton AButton, const TPointerTarget& ATarget) {
  TInputState& S = InputState();
  const UINT ClientDown = ClientDownMessages[AButton];
  if (ATarget.Hit == HTERROR) {
    S.LastPress = {};
    SendSetCursor(ATarget, ClientDown);
    return;
  }
  const bool NonClient = ATarget.Hit != HTCLIENT;
  const UINT Down = NonClient ? NonClientDownMessages[AButton] : ClientDown;
  const UINT Offset = IsDoubleClick(ATarget.Window, Down, NonClient, S.Pointer) ? DoubleClickOffset : 0;
  if (!NonClient) NotifyParentsOfPress(ATarget.Window, ClientDown, S.Pointer);
  const bool Eaten = FindWindowRecord(ATarget.Window) && ActivateOnPress(ATarget, Down + Offset);
  SendSetCursor(ATarget, ClientDown);
  if (Eaten || !FindWindowRecord(ATarget.Window)) return;
  PostMouseMessage(ATarget, ClientDown + Offset, NonClientDownMessages[AButton] + Offset);
}

void ReleaseButton(TPointerButton AButton, const TPointerTarget& ATarget) {
  const UINT ClientUp = ClientDownMessages[AButton] + UpOffset;
  SendSetCursor(ATarget, ClientUp);
  if (ATarget.Hit == HTERROR || !FindWindowRecord(ATarget.Window)) return;
  PostMouseMessage(ATarget, ClientUp, NonClientDownMessages[AButton] + UpOffset);
}

}  // namespace

void RoutePointerMotion(const TPoint& APosition, bool AForce) {
  TInputState& S = InputState();
  if (!AForce && APosition == S.Pointer && (S.Hover || S.Capture)) return;
  S.Pointer = APosition;
  if (S.Capture) {
    PostMouseMessage({S.Capture, HTCLIENT}, WM_MOUSEMOVE, WM_NCMOUSEMOVE);
    return;
  }
  const TPointerTarget Target = FindPointerTarget(APosition);
  UpdateHover(Target.Hit == HTERROR ? nullptr : Target.Window, Target.Hit == HTCLIENT);
  SendSetCursor(Target, WM_MOUSEMOVE);
  if (Target.Hit == HTERROR || !FindWindowRecord(Target.Window)) return;
  PostMouseMessage(Target, WM_MOUSEMOVE, WM_NCMOUSEMOVE);
}

void DeliverPointerMotion(const TPoint& APosition, UINT AModifiers) {
  RequireUIThread("DeliverPointerMotion");
  ApplyEventModifiers(AModifiers);
  RoutePointerMotion(APosition, false);
}

void DeliverPointerButton(TPointerButton AButton, bool APressed, const TPoint& APosition, UINT AModifiers) {
  RequireUIThread("DeliverPointerButton");
  ApplyEventModifiers(AModifiers);
  RoutePointerMotion(APosition, false);
  SetKeyDown(ButtonKeys[AButton], APressed);
  const TPointerTarget Target = CurrentTarget(APosition);
  if (!Target.Window) {
    InputState().LastPress = {};
    return;
  }
  if (APressed)
    PressButton(AButton, Target);
  else
    ReleaseButton(AButton, Target);
}

void DeliverPointerWheel(int ADelta, const TPoint& APosition, UINT AModifiers) {
  RequireUIThread("DeliverPointerWheel");
  ApplyEventModifiers(AModifiers);
  RoutePointerMotion(APosition, false);
  const TInputState& S = InputState();
  const HWND Target = S.Focus ? S.Focus : S.Active;
  const TWindow* Window = FindWindowRecord(Target);
  if (!Window || !Window->IsEnabled()) return;
  const auto Delta = static_cast<WORD>(static_cast<int16_t>(std::clamp(ADelta, -32768, 32767)));
  PostInputMessage(Target, WM_MOUSEWHEEL, MAKEWPARAM(LOWORD(MouseKeyFlags()), Delta),
                   PointToLParam(APosition));
}

void DeliverPointerLeft() {
  RequireUIThread("DeliverPointerLeft");
  // Under the capture the pointer still belongs to the capture window.
  if (!InputState().Capture) UpdateHover(nullptr, false);
}
