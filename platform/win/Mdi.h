#pragma once
// The multiple-document interface: the "MDICLIENT" window class and the default
// procedure of document windows. User-interface thread only.
//
// An MDI client is a plain child window (of the frame's client area) whose children
// with WS_EX_MDICHILD are the document windows, the MDI children. The client keeps
// which child is active: activating one brings it to the top, sends WM_NCACTIVATE and
// WM_MDIACTIVATE (wParam the child losing, lParam the child gaining the activation) to
// both, and focuses the new one when the frame is the active window. The client
// answers the WM_MDI… messages below and activates a child pressed with the mouse.
//
// A document window passes what it does not handle to DefMDIChildProc, which tells
// its client when the child is activated (WM_CHILDACTIVATE), hidden or destroyed (the
// next child in z-order becomes active) and minimized (the icons are arranged).

#include <vector>

#include "platform/win/WindowTypes.h"

constexpr const char* MDICLIENT_CLASS = "MDICLIENT";

// wParam: the child; destroys it.
constexpr UINT WM_MDIDESTROY = 0x0221;
// wParam: the child to activate.
constexpr UINT WM_MDIACTIVATE = 0x0222;
// wParam: the child to restore.
constexpr UINT WM_MDIRESTORE = 0x0223;
// wParam: the child to start from (0: the active one); lParam 0 activates the next
// child in z-order and sends the current one to the bottom, non-zero the bottom one.
constexpr UINT WM_MDINEXT = 0x0224;
// wParam: the child to maximize in the client.
constexpr UINT WM_MDIMAXIMIZE = 0x0225;
// wParam: MDITILE_VERTICAL or MDITILE_HORIZONTAL; the result is non-zero when a child
// was placed.
constexpr UINT WM_MDITILE = 0x0226;
constexpr UINT WM_MDICASCADE = 0x0227;
// Places the minimized children in rows along the client's bottom.
constexpr UINT WM_MDIICONARRANGE = 0x0228;
// The result is the active child (0 when none); lParam, when not 0, points to a BOOL
// that receives whether it is maximized.
constexpr UINT WM_MDIGETACTIVE = 0x0229;

// Tiling side by side (tall windows) or one above the other (wide windows).
constexpr WPARAM MDITILE_VERTICAL = 0;
constexpr WPARAM MDITILE_HORIZONTAL = 1;

// Registers the MDICLIENT class once; a frame calls it before making its client.
void RegisterMDIClientClass();
// The default procedure of a document window, in place of DefWindowProc.
LRESULT DefMDIChildProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
// The document windows of AClient, front first, shown or hidden.
std::vector<HWND> GetMDIChildWindows(HWND AClient);
