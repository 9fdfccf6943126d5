#pragma once
// The list view control, window class "SysListView32": items in four views (LVS_ICON,
// LVS_SMALLICON, LVS_LIST, LVS_REPORT) with a column header child in report view.
// User-interface thread only.
//
// - Items hold state and a parameter; their texts and images (sub-items too) come from
//   the parent by LVN_GETDISPINFOW whenever they are needed, so ordinary and
//   owner-data (LVS_OWNERDATA, LVM_SETITEMCOUNT) lists work alike.
// - The header ("SysHeader32") is made on the first show in report view; its creation
//   reaches the list view and its parents as WM_PARENTNOTIFY(WM_CREATE). It is placed
//   by HDM_LAYOUT and SetWindowPos (so WM_WINDOWPOSCHANGING may change its size), moves
//   with the horizontal scroll, and carries the columns; dragging a divider changes the
//   column's width; a click on a section reaches the parent as LVN_COLUMNCLICK.
// - Scroll state (GetScrollInfo) while WM_NCCALCSIZE gives the bars no room: report
//   view rows vertically (page: full rows shown) and pixels horizontally; list view
//   columns horizontally (moved by WM_HSCROLL SB_LINELEFT/SB_LINERIGHT, one column a
//   step); icon views pixels. WM_HSCROLL and WM_VSCROLL take 32-bit positions.
// - Notifications to the parent: LVN_ITEMCHANGED, LVN_COLUMNCLICK, LVN_GETDISPINFOW,
//   LVN_ODFINDITEMW (type-ahead search of owner-data lists), LVN_BEGINLABELEDITW and
//   LVN_ENDLABELEDITW, NM_CUSTOMDRAW (CDDS_PREPAINT, CDDS_ITEMPREPAINT with
//   CDRF_SKIPDEFAULT honoured).
// - Painting: WM_PAINT paints into the DC in wParam when one is given.

// Registers the class (and the header's) once per window system.
void RegisterListViewClass();
