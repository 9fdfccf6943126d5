#pragma once
// The messages and styles of the up-down control ("msctls_updown32"), with the numbers
// of the window system the program was designed on. Only the 32-bit range and position
// messages are provided: positions are never cut to 16 bits.

#include "platform/win/Messages.h"

constexpr const char* UPDOWN_CLASS = "msctls_updown32";

// The arrows point left and right, and the control reports by WM_HSCROLL.
constexpr DWORD UDS_HORZ = 0x0040;

// wParam: the minimum; lParam: the maximum.
constexpr UINT UDM_SETRANGE32 = WM_USER + 111;
// wParam, lParam: int* that receive the minimum and the maximum (either may be null).
constexpr UINT UDM_GETRANGE32 = WM_USER + 112;
// lParam: the new position, clamped to the range. Answers the previous position.
constexpr UINT UDM_SETPOS32 = WM_USER + 113;
// Answers the position.
constexpr UINT UDM_GETPOS32 = WM_USER + 114;
