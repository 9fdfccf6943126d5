#pragma once
// The value types of the window system: handles, message parameters, the message
// record and the records that messages carry. WPARAM, LPARAM and LRESULT are
// pointer-sized, because several messages carry a pointer or a handle in them.

#include <cstdint>

#include "platform/base/DynLib.h"
#include "platform/gdi/Geometry.h"

using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = uint32_t;
using LONG = int32_t;
using ATOM = uint16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using DWORD_PTR = uintptr_t;

// A window handle names a window by a number that is never given out twice, so a
// handle kept after its window was destroyed is recognised as dead (IsWindow) instead of
// reaching freed memory. The pointee type is never defined.
struct TWindowHandle;
using HWND = TWindowHandle*;
// Child windows carry their identifier where top-level windows would carry a menu.
struct TMenuHandle;
using HMENU = TMenuHandle*;
struct TMonitorHandle;
using HMONITOR = TMonitorHandle*;
using HINSTANCE = HMODULE;
// Icons and cursors are one kind of object, as in the system the program was designed
// on; the cursor code defines it.
class TIconObject;
using HICON = TIconObject*;
using HCURSOR = HICON;

// A window procedure. Procedures read back with GetWindowLong(GWL_WNDPROC) may be
// procedure instances (MakeProcInstance) rather than functions: call them only through
// CallWindowProc.
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

// A queued message as GetMessage and PeekMessage return it. time is the window
// system's tick count (Win::GetTickCount) when the message was queued, pt the pointer
// position then, in screen coordinates.
struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};

// A point packed into 16-bit signed coordinates, as WM_NCHITTEST and the mouse
// messages carry it in lParam.
struct POINTS {
  int16_t x = 0;
  int16_t y = 0;
};

constexpr WORD LOWORD(uintptr_t AValue) { return static_cast<WORD>(AValue & 0xFFFF); }
constexpr WORD HIWORD(uintptr_t AValue) { return static_cast<WORD>((AValue >> 16) & 0xFFFF); }
constexpr BYTE LOBYTE(uintptr_t AValue) { return static_cast<BYTE>(AValue & 0xFF); }
constexpr BYTE HIBYTE(uintptr_t AValue) { return static_cast<BYTE>((AValue >> 8) & 0xFF); }
constexpr DWORD MAKELONG(WORD ALow, WORD AHigh) {
  return static_cast<DWORD>(ALow) | (static_cast<DWORD>(AHigh) << 16);
}
constexpr WPARAM MAKEWPARAM(WORD ALow, WORD AHigh) { return MAKELONG(ALow, AHigh); }
// The packed value is sign-extended, as the 32-bit LONG of the original layout was.
constexpr LPARAM MAKELPARAM(WORD ALow, WORD AHigh) { return static_cast<int32_t>(MAKELONG(ALow, AHigh)); }
constexpr LRESULT MAKELRESULT(WORD ALow, WORD AHigh) { return static_cast<int32_t>(MAKELONG(ALow, AHigh)); }
// The signed coordinates of a point packed into lParam.
constexpr int GET_X_LPARAM(LPARAM AValue) {
  return static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(AValue)));
}
constexpr int GET_Y_LPARAM(LPARAM AValue) {
  return static_cast<int16_t>(HIWORD(static_cast<uintptr_t>(AValue)));
}
constexpr LPARAM PointToLParam(const POINT& APoint) {
  return MAKELPARAM(static_cast<WORD>(APoint.X), static_cast<WORD>(APoint.Y));
}
constexpr POINT LParamToPoint(LPARAM AValue) { return {GET_X_LPARAM(AValue), GET_Y_LPARAM(AValue)}; }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM AValue) { return static_cast<int16_t>(HIWORD(AValue)); }

// lParam of WM_CREATE and WM_NCCREATE. Coordinates are in the parent's client area
// (the screen for top-level windows); lpszName and lpszClass are UTF-8.
struct CREATESTRUCT {
  void* lpCreateParams = nullptr;
  HINSTANCE hInstance = nullptr;
  HMENU hMenu = nullptr;
  HWND hwndParent = nullptr;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  LONG style = 0;
  const char* lpszName = nullptr;
  const char* lpszClass = nullptr;
  DWORD dwExStyle = 0;
};

// lParam of WM_WINDOWPOSCHANGING (editable by the receiver) and WM_WINDOWPOSCHANGED.
// x and y are in the parent's client area.
struct WINDOWPOS {
  HWND hwnd = nullptr;
  HWND hwndInsertAfter = nullptr;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};

// lParam of WM_NCCALCSIZE with wParam TRUE. On entry rgrc[0] is the new window
// rectangle, rgrc[1] the old window rectangle and rgrc[2] the old client rectangle, all
// in the parent's client area; on return rgrc[0] is the new client rectangle. With
// wParam FALSE, lParam points to a single RECT, the window rectangle in, the client
// rectangle out.
struct NCCALCSIZE_PARAMS {
  RECT rgrc[3];
  WINDOWPOS* lppos = nullptr;
};

// lParam of WM_GETMINMAXINFO. ptMaxSize and ptMaxPosition describe the maximized
// window, relative to the work area of the window's monitor; the track sizes bound
// sizing.
struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};

// lParam of WM_STYLECHANGING (styleNew editable) and WM_STYLECHANGED.
struct STYLESTRUCT {
  DWORD styleOld = 0;
  DWORD styleNew = 0;
};
