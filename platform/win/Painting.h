#pragma once
// Painting: invalid areas, WM_PAINT and the paint cycle. User-interface thread only.
//
// Every window collects the parts of it that need painting in its update region.
// Invalidating adds to it (and merges with what is there), validating takes away, and
// a window whose region is not empty receives WM_PAINT when the message queue has
// nothing posted left (or at once through UpdateWindow and RDW_UPDATENOW). Before its
// WM_PAINT a window receives WM_NCPAINT when its frame was invalidated (wParam: the
// frame's update region in screen coordinates, a region the window system frees
// afterwards). WM_ERASEBKGND, when erasing was asked for, comes from inside BeginPaint
// with the paint's device context (wParam), or ahead of the paint through
// RDW_ERASENOW and GetUpdateRect with a device context of its own clipped to the
// update region. A parent is painted before its children, and siblings from the
// bottom up, so that what lies on top is drawn last.
//
// Which windows an invalidation reaches: the window itself, and its children in the
// area too unless RDW_NOCHILDREN is given or the window has WS_CLIPCHILDREN and
// RDW_ALLCHILDREN is not given (a parent that does not clip its children paints over
// them, so they must paint again after it). Children are invalidated frame and all.
// Hidden windows, and windows whose redrawing is switched off (WM_SETREDRAW), collect
// nothing; a window that is shown is invalidated whole, frame and children included.
//
// Pixels: windows draw into the backing bitmap of their top-level window, which keeps
// them between paints; the window system hands the backend the changed picture once
// the painting of the moment is done.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Regions.h"
#include "platform/win/WindowTypes.h"

// RedrawWindow flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOCHILDREN = 0x0040;

// Filled by BeginPaint. rcPaint is the smallest rectangle around the area to paint
// (client coordinates); fErase is true when the background still needs erasing
// (WM_ERASEBKGND answered 0).
struct PAINTSTRUCT {
  HDC hdc = nullptr;
  bool fErase = false;
  RECT rcPaint;
  bool fRestore = false;
  bool fIncUpdate = false;
  BYTE rgbReserved[32] = {};
};

// Adds the rectangle (client coordinates; nullptr: the whole client area) to the
// update region, asking for WM_ERASEBKGND first when AErase is true.
bool InvalidateRect(HWND AWindow, const RECT* ARect, bool AErase);
// The same with a region (client coordinates; nullptr: the whole client area).
bool InvalidateRgn(HWND AWindow, HRGN ARegion, bool AErase);
// Takes the rectangle or region (client coordinates; nullptr: the whole client area)
// out of the window's own update region; its children keep theirs.
bool ValidateRect(HWND AWindow, const RECT* ARect);
bool ValidateRgn(HWND AWindow, HRGN ARegion);

// The smallest rectangle around the client part of the update region (client
// coordinates; all zero when it is empty) and whether it is not empty. AErase true
// first sends the WM_NCPAINT and WM_ERASEBKGND that are due.
bool GetUpdateRect(HWND AWindow, RECT* ARect, bool AErase);
// Copies the client part of the update region (client coordinates) into ARegion and
// returns its kind (NULLREGION when nothing is invalid), ERROR for a dead window or a
// null region.
int GetUpdateRgn(HWND AWindow, HRGN ARegion, bool AErase);

// Paints the window and its descendants now, if they need it: WM_NCPAINT and WM_PAINT
// are sent (not posted) to each.
bool UpdateWindow(HWND AWindow);

// The area is ARegion when given, else ARect, else the whole window (client
// coordinates). RDW_INVALIDATE adds it to the update region: its client part, and with
// RDW_FRAME the frame as well when the area meets it (the whole frame without an area);
// RDW_ERASE asks for WM_ERASEBKGND. RDW_VALIDATE takes the area away instead (the
// frame only with RDW_FRAME). Children take part as the header comment says.
// RDW_INTERNALPAINT asks a WM_PAINT of the window itself even with nothing invalid.
// Then RDW_UPDATENOW paints now what needs painting (as UpdateWindow, the children
// unless RDW_NOCHILDREN), or RDW_ERASENOW sends only the WM_NCPAINT and WM_ERASEBKGND
// that are due.
bool RedrawWindow(HWND AWindow, const RECT* ARect, HRGN ARegion, UINT AFlags);

// Starts painting the window in answer to WM_PAINT: sends the WM_NCPAINT still due,
// validates the client area, opens a device context of the client area clipped to what
// was invalid (and to the visible region), sends WM_ERASEBKGND with it when erasing is
// due, and returns it. Every BeginPaint is matched by an EndPaint. nullptr for a dead
// window.
HDC BeginPaint(HWND AWindow, PAINTSTRUCT* APaint);
// Ends painting: the device context is taken back. Once no window waits for painting
// any more, the new picture is handed to the backend.
bool EndPaint(HWND AWindow, const PAINTSTRUCT* APaint);
