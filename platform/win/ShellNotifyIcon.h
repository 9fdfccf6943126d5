#pragma once
// Icons in the desktop's notification area (the system tray). User-interface thread
// only.
//
// An icon belongs to a window and an identifier. Mouse actions on it reach the window as
// its callback message with lParam the mouse message (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...)
// and wParam the identifier; a click on its balloon arrives the same way with lParam
// NIN_BALLOONUSERCLICK. Without a tray on the desktop NIM_ADD fails. When a tray appears
// (again) every top-level window receives the message registered as "TaskbarCreated":
// the icons of a tray that went away are gone and must be added anew.

#include "platform/base/Strings.h"
#include "platform/win/WindowTypes.h"

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;

constexpr UINT NIF_MESSAGE = 0x01;
constexpr UINT NIF_ICON = 0x02;
constexpr UINT NIF_TIP = 0x04;
constexpr UINT NIF_INFO = 0x10;

constexpr DWORD NIIF_NONE = 0;
constexpr DWORD NIIF_INFO = 1;
constexpr DWORD NIIF_WARNING = 2;
constexpr DWORD NIIF_ERROR = 3;

constexpr UINT NIN_BALLOONUSERCLICK = 0x0405;

// The longest tip, balloon text and balloon title, in characters.
constexpr size_t NotifyTipLength = 127;
constexpr size_t NotifyInfoLength = 255;
constexpr size_t NotifyInfoTitleLength = 63;

struct NOTIFYICONDATAW {
  HWND hWnd = nullptr;
  UINT uID = 0;
  // Which of the fields below a call carries (NIF_*).
  UINT uFlags = 0;
  UINT uCallbackMessage = 0;
  // Borrowed for the call: the shell keeps a copy of the picture.
  HICON hIcon = nullptr;
  // Longer texts are cut to the lengths above.
  String szTip;
  // An empty text takes a balloon on show away.
  String szInfo;
  String szInfoTitle;
  DWORD dwInfoFlags = NIIF_NONE;
};

// Adds, changes or removes an icon; false when the call failed (no tray for NIM_ADD, an
// icon already there for NIM_ADD, no such icon for NIM_MODIFY and NIM_DELETE).
bool Shell_NotifyIconW(DWORD AMessage, NOTIFYICONDATAW* AData);

// The balloon window on show for an icon, nullptr when there is none. Its window text
// is what it shows: the title, an empty line and the text.
HWND NotifyIconBalloonWindow(HWND AWindow, UINT AId);
