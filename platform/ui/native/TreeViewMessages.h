#pragma once
// The messages, styles, notifications and records of the tree-view control
// ("SysTreeView32"), with the numbers of the window system the program was designed on.
// Messages and notifications that carry text have the numbers of that system's
// wide-character variants (the program was built for them); our texts are UTF-8.

#include "platform/ui/native/CommonControls.h"

// An item of a tree-view window; opaque outside the control.
struct TTreeViewItem;
using HTREEITEM = TTreeViewItem*;

constexpr const char* WC_TREEVIEW = "SysTreeView32";

// ---- Styles
constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_EDITLABELS = 0x0008;
constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;

// ---- Messages
constexpr UINT TV_FIRST = 0x1100;
constexpr UINT TVM_DELETEITEM = TV_FIRST + 1;
constexpr UINT TVM_EXPAND = TV_FIRST + 2;
constexpr UINT TVM_GETITEMRECT = TV_FIRST + 4;
constexpr UINT TVM_GETCOUNT = TV_FIRST + 5;
constexpr UINT TVM_SETINDENT = TV_FIRST + 7;
constexpr UINT TVM_GETIMAGELIST = TV_FIRST + 8;
constexpr UINT TVM_SETIMAGELIST = TV_FIRST + 9;
constexpr UINT TVM_GETNEXTITEM = TV_FIRST + 10;
constexpr UINT TVM_SELECTITEM = TV_FIRST + 11;
constexpr UINT TVM_GETEDITCONTROL = TV_FIRST + 15;
constexpr UINT TVM_GETVISIBLECOUNT = TV_FIRST + 16;
constexpr UINT TVM_HITTEST = TV_FIRST + 17;
constexpr UINT TVM_SORTCHILDRENCB = TV_FIRST + 21;
constexpr UINT TVM_ENSUREVISIBLE = TV_FIRST + 20;
constexpr UINT TVM_ENDEDITLABELNOW = TV_FIRST + 22;
constexpr UINT TVM_GETITEMHEIGHT = TV_FIRST + 28;
constexpr UINT TVM_SETBKCOLOR = TV_FIRST + 29;
constexpr UINT TVM_SETTEXTCOLOR = TV_FIRST + 30;
constexpr UINT TVM_INSERTITEM = TV_FIRST + 50;
constexpr UINT TVM_GETITEM = TV_FIRST + 62;
constexpr UINT TVM_SETITEM = TV_FIRST + 63;
constexpr UINT TVM_EDITLABEL = TV_FIRST + 65;

// ---- Notifications (WM_NOTIFY code)
constexpr UINT TVN_FIRST = 0u - 400u;
constexpr UINT TVN_SELCHANGING = TVN_FIRST - 50;
constexpr UINT TVN_SELCHANGED = TVN_FIRST - 51;
constexpr UINT TVN_GETDISPINFO = TVN_FIRST - 52;
constexpr UINT TVN_ITEMEXPANDING = TVN_FIRST - 54;
constexpr UINT TVN_ITEMEXPANDED = TVN_FIRST - 55;
constexpr UINT TVN_DELETEITEM = TVN_FIRST - 58;
constexpr UINT TVN_BEGINLABELEDIT = TVN_FIRST - 59;
constexpr UINT TVN_ENDLABELEDIT = TVN_FIRST - 60;

// ---- Item fields (TVITEM.mask), states, special items
constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
constexpr UINT TVIF_CHILDREN = 0x0040;

constexpr UINT TVIS_FOCUSED = 0x0001;
constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_EXPANDED = 0x0020;
constexpr UINT TVIS_EXPANDEDONCE = 0x0040;

// TVITEM.iImage / iSelectedImage may be I_IMAGECALLBACK (CommonControls.h):
// the parent is asked with TVN_GETDISPINFO.

inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(-0x10000);
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(-0x0FFFF);
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(-0x0FFFE);

// TVM_GETNEXTITEM wParam.
constexpr WPARAM TVGN_ROOT = 0x0;
constexpr WPARAM TVGN_NEXT = 0x1;
constexpr WPARAM TVGN_PREVIOUS = 0x2;
constexpr WPARAM TVGN_PARENT = 0x3;
constexpr WPARAM TVGN_CHILD = 0x4;
constexpr WPARAM TVGN_FIRSTVISIBLE = 0x5;
constexpr WPARAM TVGN_NEXTVISIBLE = 0x6;
constexpr WPARAM TVGN_PREVIOUSVISIBLE = 0x7;
constexpr WPARAM TVGN_CARET = 0x9;
constexpr WPARAM TVGN_LASTVISIBLE = 0xA;

// TVM_EXPAND wParam.
constexpr WPARAM TVE_COLLAPSE = 0x1;
constexpr WPARAM TVE_EXPAND = 0x2;
constexpr WPARAM TVE_TOGGLE = 0x3;

// TVM_SETIMAGELIST / TVM_GETIMAGELIST wParam.
constexpr WPARAM TVSIL_NORMAL = 0;
constexpr WPARAM TVSIL_STATE = 2;

// NMTREEVIEW.action of the selection notifications.
constexpr UINT TVC_UNKNOWN = 0;
constexpr UINT TVC_BYMOUSE = 1;
constexpr UINT TVC_BYKEYBOARD = 2;

// TVHITTESTINFO.flags
constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL;
constexpr UINT TVHT_ABOVE = 0x0100;
constexpr UINT TVHT_BELOW = 0x0200;

// ---- Records
// An item's fields; mask names those that count. pszText is UTF-8; TVM_GETITEM copies
// at most cchTextMax - 1 bytes into it. cChildren is 1 when the item shows a plus sign
// (children or not), 0 when not.
struct TVITEM {
  UINT mask = 0;
  HTREEITEM hItem = nullptr;
  UINT state = 0;
  UINT stateMask = 0;
  char* pszText = nullptr;
  int cchTextMax = 0;
  int iImage = 0;
  int iSelectedImage = 0;
  int cChildren = 0;
  LPARAM lParam = 0;
};

// TVM_INSERTITEM: under hParent (TVI_ROOT: at the top level), after hInsertAfter
// (TVI_FIRST, TVI_LAST or a sibling).
struct TVINSERTSTRUCT {
  HTREEITEM hParent = nullptr;
  HTREEITEM hInsertAfter = nullptr;
  TVITEM item;
};

struct TVHITTESTINFO {
  POINT pt;
  UINT flags = 0;
  HTREEITEM hItem = nullptr;
};

// TVM_SORTCHILDRENCB: lpfnCompare gets the lParams of two children and lParam.
using PFNTVCOMPARE = int (*)(LPARAM, LPARAM, LPARAM);
struct TVSORTCB {
  HTREEITEM hParent = nullptr;
  PFNTVCOMPARE lpfnCompare = nullptr;
  LPARAM lParam = 0;
};

// TVN_SELCHANGING/SELCHANGED (itemOld, itemNew, action TVC_), TVN_ITEMEXPANDING/
// EXPANDED (itemNew, action TVE_), TVN_DELETEITEM (itemOld).
struct NMTREEVIEW {
  NMHDR hdr;
  UINT action = 0;
  TVITEM itemOld;
  TVITEM itemNew;
  POINT ptDrag;
};

// TVN_GETDISPINFO (the receiver fills what item.mask asks for), TVN_BEGINLABELEDIT,
// TVN_ENDLABELEDIT (item.pszText: the new text, nullptr when editing was cancelled).
struct NMTVDISPINFO {
  NMHDR hdr;
  TVITEM item;
};

// NM_CUSTOMDRAW of a tree view: dwItemSpec is the HTREEITEM; clrText and clrTextBk
// may be changed by the receiver at CDDS_ITEMPREPAINT.
struct NMTVCUSTOMDRAW {
  NMCUSTOMDRAW nmcd;
  COLORREF clrText = 0;
  COLORREF clrTextBk = 0;
  int iLevel = 0;
};
