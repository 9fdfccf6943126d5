// The core's default handling of messages: creation, text, the default frame, closing,
// size limits, position bookkeeping and the system commands that change the show state.

#include <algorithm>
#include <cstring>

#include "platform/win/ExtensionsInternal.h"
#include "platform/win/FrameMetrics.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowPosInternal.h"
#include "platform/win/WindowSystemInternal.h"
#include "platform/win/WindowTree.h"

namespace {

void StoreText(HWND AWindow, const char* AText) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return;
  Window->Text = AText ? AText : "";
  if (Window->IsTopLevel()) Backend().TopLevelTextChanged(AWindow, Window->Text);
}

LRESULT WMNCCreate(HWND AWindow, UINT, WPARAM, LPARAM ALParam) {
  if (const auto* Create = reinterpret_cast<const CREATESTRUCT*>(ALParam))
    StoreText(AWindow, Create->lpszName);
  return 1;
}

LRESULT WMNCCalcSize(HWND AWindow, UINT, WPARAM AWParam, LPARAM ALParam) {
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !ALParam) return 0;
  RECT& Rect =
      AWParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0] : *reinterpret_cast<RECT*>(ALParam);
  Rect = DefaultClientRect(Rect, Window->Style, Window->ExStyle);
  return 0;
}

LRESULT WMNCHitTest(HWND AWindow, UINT, WPARAM, LPARAM ALParam) {
  // The plain answer of the core; the non-client part answers for frames and captions.
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return HTNOWHERE;
  const POINT Point = LParamToPoint(ALParam);
  if (!PtInRect(Window->WindowRect, Point)) return HTNOWHERE;
  return PtInRect(Window->ClientRect, Point) ? HTCLIENT : HTBORDER;
}

LRESULT WMNCActivate(HWND, UINT, WPARAM, LPARAM) { return 1; }

LRESULT WMClose(HWND AWindow, UINT, WPARAM, LPARAM) {
  DestroyWindow(AWindow);
  return 0;
}

LRESULT WMQueryEndSession(HWND, UINT, WPARAM, LPARAM) { return 1; }

LRESULT WMSetText(HWND AWindow, UINT, WPARAM, LPARAM ALParam) {
  StoreText(AWindow, reinterpret_cast<const char*>(ALParam));
  return 1;
}

LRESULT WMGetText(HWND AWindow, UINT, WPARAM AWParam, LPARAM ALParam) {
  const TWindow* Window = FindWindowRecord(AWindow);
  auto* Buffer = reinterpret_cast<char*>(ALParam);
  if (!Window || !Buffer || AWParam == 0) return 0;
  const std::size_t Length = Utf8FittingBytes(Window->Text, AWParam);
  std::memcpy(Buffer, Window->Text.data(), Length);
  Buffer[Length] = '\0';
  return static_cast<LRESULT>(Length);
}

LRESULT WMGetTextLength(HWND AWindow, UINT, WPARAM, LPARAM) {
  const TWindow* Window = FindWindowRecord(AWindow);
  return Window ? static_cast<LRESULT>(Window->Text.size()) : 0;
}

LRESULT WMWindowPosChanging(HWND AWindow, UINT, WPARAM, LPARAM ALParam) {
  auto* Pos = reinterpret_cast<WINDOWPOS*>(ALParam);
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !Pos || (Pos->flags & SWP_NOSIZE) || !HasTrackingLimits(Window->Style)) return 0;
  const MINMAXINFO Limits = QueryMinMaxInfo(AWindow);
  Pos->cx = std::clamp(Pos->cx, Limits.ptMinTrackSize.X, Limits.ptMaxTrackSize.X);
  Pos->cy = std::clamp(Pos->cy, Limits.ptMinTrackSize.Y, Limits.ptMaxTrackSize.Y);
  return 0;
}

LRESULT WMWindowPosChanged(HWND AWindow, UINT, WPARAM, LPARAM ALParam) {
  const auto* Pos = reinterpret_cast<const WINDOWPOS*>(ALParam);
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !Pos) return 0;
  const TRect Client = ClientRectInParent(*Window);
  if (!(Pos->flags & SWP_NOCLIENTMOVE))
    SendMessage(AWindow, WM_MOVE, 0,
                MAKELPARAM(static_cast<WORD>(Client.Left), static_cast<WORD>(Client.Top)));
  if (!(Pos->flags & SWP_NOCLIENTSIZE) || (Pos->flags & SWP_STATECHANGED)) {
    if (IsIconic(AWindow))
      SendMessage(AWindow, WM_SIZE, SIZE_MINIMIZED, 0);
    else
      SendMessage(AWindow, WM_SIZE, IsZoomed(AWindow) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                  MAKELPARAM(static_cast<WORD>(Client.Width()), static_cast<WORD>(Client.Height())));
  }
  return 0;
}

LRESULT WMSysCommand(HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
  switch (AWParam & 0xFFF0) {
    case SC_CLOSE:
      SendMessage(AWindow, WM_CLOSE, 0, 0);
      break;
    case SC_MINIMIZE:
      ShowWindow(AWindow, SW_MINIMIZE);
      break;
    case SC_MAXIMIZE:
      ShowWindow(AWindow, SW_MAXIMIZE);
      break;
    case SC_RESTORE:
      ShowWindow(AWindow, SW_RESTORE);
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace

void InstallCoreExtensions(TWindowSystemExtensions& AExtensions) {
  AExtensions.SetDefaultHandler(WM_NCCREATE, WMNCCreate);
  AExtensions.SetDefaultHandler(WM_NCCALCSIZE, WMNCCalcSize);
  AExtensions.SetDefaultHandler(WM_NCHITTEST, WMNCHitTest);
  AExtensions.SetDefaultHandler(WM_NCACTIVATE, WMNCActivate);
  AExtensions.SetDefaultHandler(WM_CLOSE, WMClose);
  AExtensions.SetDefaultHandler(WM_QUERYENDSESSION, WMQueryEndSession);
  AExtensions.SetDefaultHandler(WM_SETTEXT, WMSetText);
  AExtensions.SetDefaultHandler(WM_GETTEXT, WMGetText);
  AExtensions.SetDefaultHandler(WM_GETTEXTLENGTH, WMGetTextLength);
  AExtensions.SetDefaultHandler(WM_WINDOWPOSCHANGING, WMWindowPosChanging);
  AExtensions.SetDefaultHandler(WM_WINDOWPOSCHANGED, WMWindowPosChanged);
  AExtensions.SetDefaultHandler(WM_SYSCOMMAND, WMSysCommand);
}
