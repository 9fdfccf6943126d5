#pragma once
// The LISTBOX window class of our own: its styles, messages and notifications, and the
// owner-draw record it hands its parent, with the numbers of the window system the
// program was designed on.
//
// Texts are UTF-8; LB_GETTEXTLEN counts bytes (the buffer LB_GETTEXT fills needs that
// many plus the terminating zero). Item indexes and the top index are full ints.

#include "platform/gdi/DeviceContext.h"
#include "platform/win/Messages.h"

// The name the class is registered under (RegisterListBoxClass, ListBoxWindow.h).
constexpr const char* ListBoxClassName = "LISTBOX";

// Styles.
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_SORT = 0x0002;
constexpr DWORD LBS_MULTIPLESEL = 0x0008;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_MULTICOLUMN = 0x0200;
constexpr DWORD LBS_EXTENDEDSEL = 0x0800;

// Messages. wParam and lParam as noted; the answer is LB_ERR for a bad index or a
// message the list's selection style does not allow.
constexpr UINT LB_ADDSTRING = 0x0180;     // lParam: text. Sorted lists insert in order.
constexpr UINT LB_INSERTSTRING = 0x0181;  // wParam: index (-1: the end); never sorts.
constexpr UINT LB_DELETESTRING = 0x0182;  // wParam: index; answers the count left.
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETSEL = 0x0185;      // wParam: select; lParam: index (-1: all). Multi only.
constexpr UINT LB_SETCURSEL = 0x0186;   // wParam: index (-1: none). Single only.
constexpr UINT LB_GETSEL = 0x0187;      // wParam: index; positive when selected.
constexpr UINT LB_GETCURSEL = 0x0188;   // single: the selection; multi: the caret.
constexpr UINT LB_GETTEXT = 0x0189;     // wParam: index; lParam: buffer.
constexpr UINT LB_GETTEXTLEN = 0x018A;  // wParam: index.
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_FINDSTRING = 0x018F;      // wParam: start (-1: all); lParam: prefix.
constexpr UINT LB_GETSELCOUNT = 0x0190;     // multi only.
constexpr UINT LB_SETCOLUMNWIDTH = 0x0195;  // wParam: pixels.
constexpr UINT LB_SETTOPINDEX = 0x0197;     // wParam: index.
constexpr UINT LB_GETITEMRECT = 0x0198;     // wParam: index; lParam: RECT*.
constexpr UINT LB_GETITEMDATA = 0x0199;     // wParam: index.
constexpr UINT LB_SETITEMDATA = 0x019A;     // wParam: index; lParam: data.
constexpr UINT LB_SETCARETINDEX = 0x019E;   // wParam: index; lParam: partly visible is enough.
constexpr UINT LB_GETCARETINDEX = 0x019F;
constexpr UINT LB_SETITEMHEIGHT = 0x01A0;    // lParam: pixels, at least 1.
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;  // wParam: start (-1: all); lParam: text.
// lParam: a client point. Answers the nearest item in the low word and 1 in the high
// word when the point lies outside the client area or past the last item.
constexpr UINT LB_ITEMFROMPOINT = 0x01A9;

constexpr LRESULT LB_OKAY = 0;
constexpr LRESULT LB_ERR = -1;

// Notification codes, in the high word of WM_COMMAND's wParam (lParam: the list box),
// sent to the parent with LBS_NOTIFY when the user changed the selection or the caret,
// or double-clicked an item.
constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD LBN_DBLCLK = 2;

// Owner drawing: WM_DRAWITEM (wParam: the control's identifier; lParam: DRAWITEMSTRUCT*)
// asks the parent to draw one item.
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;

struct DRAWITEMSTRUCT {
  UINT CtlType = 0;
  UINT CtlID = 0;
  UINT itemID = 0;  // the item's index
  UINT itemAction = 0;
  UINT itemState = 0;  // ODS_* bits
  HWND hwndItem = nullptr;
  HDC hDC = nullptr;  // clipped to rcItem while the item is drawn
  RECT rcItem;
  DWORD_PTR itemData = 0;
};
