#pragma once
// Internal calls between the files of the painting part (platform/win only).
// User-interface thread only.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Region.h"
#include "platform/win/ExtensionsInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowTypes.h"

// --- Window device contexts (WindowDC.cpp) ---

// A device context drawing into the window's client area (AClientArea) or whole
// window, clipped to its visible region and, when given, to AClip (the window's window
// coordinates). Windows whose picture UpdateLayeredWindow gives are not reached.
HDC OpenWindowDC(TWindow& AWindow, bool AClientArea, const TRegion* AClip);
// Takes back a device context of OpenWindowDC, GetDC or GetWindowDC and marks what it
// could reach as changed; false, freeing nothing, for any other.
bool CloseWindowDC(HDC ADC);

// --- Update regions (UpdateRegions.cpp) ---

// The RDW_INVALIDATE and RDW_VALIDATE work of RedrawWindow (RDW_INTERNALPAINT aside) on the window and, as
// AFlags let them take part, its children. AArea is in client coordinates; nullptr
// stands for the whole window.
void InvalidateWindow(TWindow& AWindow, const TRegion* AArea, UINT AFlags);
void ValidateWindow(TWindow& AWindow, const TRegion* AArea, UINT AFlags);
// Invalidates the window's frame alone: WM_NCPAINT becomes due.
void InvalidateFrame(TWindow& AWindow);
// Invalidates the whole window, frame and children included, to be erased.
void InvalidateWholeWindow(TWindow& AWindow);
// Invalidates AArea (screen coordinates) of the parent's client area and of the
// children lying there, to be erased: what a child uncovered.
void InvalidateUncoveredArea(TWindow& AParent, TRegion AArea);

// --- The paint cycle (PaintCycle.cpp) ---

// Sends the window the WM_NCPAINT and WM_ERASEBKGND that are due (an erase ahead of
// the paint, with a device context of its own).
void SendDueFramePaintAndErase(HWND AWindow);
// Sends WM_NCPAINT and WM_PAINT now to the window and, with AChildren, to its
// descendants, as far as they need them; then hands the new pictures to the backend.
void PaintNow(HWND AWindow, bool AChildren);
// Sends only the WM_NCPAINT and WM_ERASEBKGND that are due, to the window and, with
// AChildren, to its descendants.
void EraseNow(HWND AWindow, bool AChildren);
// The message queue's NextPaintMessage (ExtensionsInternal.h): the first window in paint order
// that needs painting, within AFilter's tree (nullptr: any), receives its due
// WM_NCPAINT, and AMessage becomes its WM_PAINT. When none needs
// painting, the changed pictures go to the backend and the answer is false.
bool NextPaintMessage(HWND AFilter, MSG& AMessage);

// --- Window changes (WindowChangePainting.cpp), hooked to the core's events ---

// What a move, size, restacking, showing or hiding leaves to repaint, in the window and
// in what it uncovered; a top-level window's backing bitmap follows its size.
void RepaintAfterWindowPosChange(HWND AWindow, const TWindowPosChange& AChange);
// Visibility and layering set through SetWindowLong.
void RepaintAfterStyleChange(HWND AWindow, int AIndex, DWORD AOldStyle, DWORD ANewStyle);
// The window no longer waits for painting.
void ForgetPaintingOf(HWND AWindow);

// --- DefWindowProc's handlers, installed by InstallPaintingExtensions ---

// WM_PAINT, WM_ERASEBKGND, WM_SETREDRAW (DefaultPainting.cpp).
void InstallClientPaintingDefaults(TWindowSystemExtensions& AExtensions);
// WM_NCPAINT, WM_NCACTIVATE, WM_SETTEXT: the default frame (DefaultFrame.cpp).
void InstallDefaultFrame(TWindowSystemExtensions& AExtensions);
// WM_NCHITTEST (NonClientHitTest.cpp).
void InstallNonClientHitTest(TWindowSystemExtensions& AExtensions);
// WM_NCLBUTTONDOWN and the frame cursors of WM_SETCURSOR (NonClientMouse.cpp).
void InstallNonClientMouse(TWindowSystemExtensions& AExtensions);
// WM_SYSCOMMAND SC_MOVE and SC_SIZE (MoveSizeLoop.cpp).
void InstallMoveSizeLoop(TWindowSystemExtensions& AExtensions);
