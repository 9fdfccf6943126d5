#pragma once
// The tab control, window class "SysTabControl32": a strip of tabs along one edge
// (TCS_BOTTOM, TCS_VERTICAL, TCS_RIGHT; TCS_MULTILINE wraps them), one of them
// selected, and the display rectangle where the pages go. Geometry: TabControlLayout.h.
//
// Messages: TCM_INSERTITEM, TCM_SETITEM, TCM_DELETEITEM, TCM_GETITEMCOUNT,
// TCM_GETITEMRECT, TCM_GETCURSEL, TCM_SETCURSEL (scrolls the selected tab into view),
// TCM_SETITEMSIZE, TCM_SETIMAGELIST, TCM_ADJUSTRECT, WM_SETFONT/WM_GETFONT, and
// WM_HSCROLL with SB_THUMBPOSITION and a 32-bit position (ScrollPosOf): the first
// visible tab of a single line.
//
// A left press on a tab that is not selected gives the control the focus (unless
// TCS_FOCUSNEVER) and asks the parent by WM_NOTIFY TCN_SELCHANGING (a non-zero answer
// keeps the selection); then selects it and tells TCN_SELCHANGE. The arrow keys
// choose the tab before (left, up) or after (right, down) the selected one the same
// way (WM_GETDLGCODE claims them).
//
// While a single line of tabs does not fit, a child of class "msctls_updown32"
// (UpDownWindow.h) at the line's far end scrolls it; it may be destroyed at any time
// (the skinned page control puts its own in its place) and is made again by the next
// change of size, style, tabs, font or image list that leaves the line too long
// (scrolling alone does not bring it back).
//
// The control never paints, not even its background: its owner draws the tabs and
// the border. User-interface thread only.

#include "platform/ui/native/TabControlMessages.h"

// Registers the class once per window system (again after a restart of it).
void RegisterTabControlClass();
