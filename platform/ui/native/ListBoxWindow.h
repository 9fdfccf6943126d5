#pragma once
// The LISTBOX window class: a list box of our own over the window system, with the
// styles, messages and notifications of ListBoxMessages.h. User-interface thread only.
//
// What it does:
// - It keeps a TListBoxModel per window; the styles LBS_SORT, LBS_MULTIPLESEL,
//   LBS_EXTENDEDSEL and LBS_MULTICOLUMN set it up at creation.
// - Painting: WM_PAINT paints into the device context in wParam when one is given
//   (without BeginPaint), else into its own paint. It asks the parent for a brush with
//   WM_CTLCOLORLISTBOX (the system window colour when the parent answers none). With
//   LBS_OWNERDRAWFIXED each shown item goes to the parent as WM_DRAWITEM, the device
//   context clipped to the item; otherwise the window draws the text itself, selected
//   items in the highlight colours. What no item covers is filled with the brush.
// - Input: a press selects as the selection style says and captures the pointer, a
//   drag follows it, a double click on an item sends LBN_DBLCLK; the navigation keys,
//   Space, and typed characters (the next item starting with the character); the wheel
//   scrolls WheelScrollLines rows a notch, or one column a notch in a multi-column list.
//   Changes the user makes to the selection or the caret send LBN_SELCHANGE (with
//   LBS_NOTIFY); changes made by messages send nothing.
// - Scrolling: the scroll state (SB_VERT in rows: range 0 to count - 1, page = whole
//   rows shown, position = top index; SB_HORZ in columns for a multi-column list) is
//   kept for GetScrollInfo, but WM_NCCALCSIZE gives the bars no room and nothing draws
//   them. WM_VSCROLL (WM_HSCROLL with several columns) takes SB_LINEUP, SB_LINEDOWN and
//   SB_THUMBPOSITION with a 32-bit position (ScrollPosOf).
// - WM_SETREDRAW TRUE repaints the whole list.

#include "platform/ui/native/ListBoxMessages.h"
#include "platform/ui/native/ListBoxModel.h"

// Rows one notch of the wheel scrolls, as the window system's default setting is.
constexpr int WheelScrollLines = 3;

// Registers the class unless it is registered (with the running window system).
void RegisterListBoxClass();

// The model of a LISTBOX window; nullptr for any other window. The class library reads
// and fills it directly while it moves items between a window and its own keeping.
TListBoxModel* ListBoxModelOf(HWND AWindow);
// Shows a change made to the model directly: the scroll state and a repaint.
void ListBoxModelChanged(HWND AWindow);
