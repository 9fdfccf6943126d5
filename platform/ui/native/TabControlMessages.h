#pragma once
// The messages, styles, notifications and records of the tab control
// ("SysTabControl32"), with the numbers of the window system the program was designed
// on. Messages that carry text have the numbers of that system's wide-character
// variants (the program was built for them); our texts are UTF-8.

#include "platform/ui/native/CommonControls.h"

constexpr const char* WC_TABCONTROL = "SysTabControl32";

// ---- Styles. A tab control without TCS_VERTICAL has its tabs at the top, or at the
// bottom with TCS_BOTTOM; with TCS_VERTICAL on the left, or on the right with TCS_RIGHT.
constexpr DWORD TCS_BOTTOM = 0x0002;
constexpr DWORD TCS_RIGHT = 0x0002;
constexpr DWORD TCS_VERTICAL = 0x0080;
constexpr DWORD TCS_TABS = 0x0000;
constexpr DWORD TCS_BUTTONS = 0x0100;
constexpr DWORD TCS_FLATBUTTONS = 0x0008;
constexpr DWORD TCS_SINGLELINE = 0x0000;
constexpr DWORD TCS_MULTILINE = 0x0200;
// The control never takes the focus when pressed.
constexpr DWORD TCS_FOCUSNEVER = 0x8000;

// ---- Messages
constexpr UINT TCM_FIRST = 0x1300;
// lParam: the image list (HIMAGELIST, nullptr for none); answers the previous one. The
// list is not owned: whoever sets it takes it away before freeing it.
constexpr UINT TCM_SETIMAGELIST = TCM_FIRST + 3;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
// wParam: the index; lParam: TCITEM* (the parts its mask names). Answers TRUE, or FALSE
// for an index outside.
constexpr UINT TCM_SETITEM = TCM_FIRST + 61;
// wParam: the index (the count, or more, appends); lParam: TCITEM*. Answers the new
// item's index, -1 on failure. The selection stays with the tab it was on.
constexpr UINT TCM_INSERTITEM = TCM_FIRST + 62;
// wParam: the index. Answers FALSE for an index outside. A selected tab that goes
// leaves no selection.
constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
// wParam: the index; lParam: RECT* that receives the tab's rectangle in client
// coordinates (scrolled-off tabs lie left of 0). Answers FALSE for an index outside.
constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;
// Answers the selected tab, -1 for none.
constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
// wParam: the tab to select (-1: none), without notifications. Answers the previously
// selected tab, or -1 (and changes nothing) for an index outside.
constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;
// wParam FALSE: lParam's RECT, a window rectangle, becomes the display rectangle (where
// the pages go); TRUE: the reverse.
constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;
// lParam: MAKELPARAM(width, height) of every tab; 0 for either keeps it measured from
// the caption and font. Answers the previous size the same way.
constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;

// ---- Items
constexpr UINT TCIF_TEXT = 0x0001;
constexpr UINT TCIF_IMAGE = 0x0002;
constexpr UINT TCIF_PARAM = 0x0008;

struct TCITEM {
  UINT mask = 0;
  // UTF-8.
  const char* pszText = nullptr;
  int iImage = -1;
  LPARAM lParam = 0;
};

// ---- Notifications (WM_NOTIFY to the parent, lParam an NMHDR*)
constexpr UINT TCN_FIRST = 0u - 550u;
// The selection changed by the user.
constexpr UINT TCN_SELCHANGE = TCN_FIRST - 1;
// The user is about to change the selection: a non-zero answer refuses.
constexpr UINT TCN_SELCHANGING = TCN_FIRST - 2;
