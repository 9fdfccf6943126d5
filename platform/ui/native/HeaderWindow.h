#pragma once
// The column header control, window class "SysHeader32": sections laid side by side
// from x = 0, resized by dragging the divider at a section's right edge, clicked as
// buttons (HDS_BUTTONS). It tells its parent by WM_NOTIFY (NMHEADER): HDN_BEGINTRACKW
// (non-zero answer refuses), HDN_ITEMCHANGINGW (non-zero refuses) and
// HDN_ITEMCHANGEDW for every width the drag passes through, HDN_ENDTRACKW, and
// HDN_ITEMCLICKW. With HDS_DRAGDROP a section dragged along the header moves to the
// place it is dropped on: HDN_BEGINDRAG and HDN_ENDDRAG (pitem->iOrder the new place;
// non-zero answers refuse), then HDN_ITEMCHANGEDW with HDI_ORDER. Messages: HDM_GETITEMCOUNT,
// HDM_INSERTITEMW, HDM_DELETEITEM, HDM_GETITEMW, HDM_SETITEMW, HDM_LAYOUT, HDM_HITTEST, HDM_GETITEMRECT,
// HDM_SETIMAGELIST/HDM_GETIMAGELIST (lParam a TCustomImageList*), HDM_GETORDERARRAY,
// HDM_SETORDERARRAY, WM_SETFONT/WM_GETFONT; WM_PAINT paints into the DC in wParam when
// one is given. User-interface thread only.

#include "platform/ui/native/HeaderMessages.h"

// Registers the class once per window system (again after a restart of it).
void RegisterHeaderClass();

// The height of a line of text in a font (nullptr: the default font).
int LineHeightFor(HFONT AFont);
// The header's height for a font: one line of text and room for the raised edges.
int HeaderHeightFor(HFONT AFont);
