#pragma once
// Layered windows: top-level windows (WS_EX_LAYERED) shown with a constant alpha, a
// colour key, or a picture with per-pixel alpha of their own. User-interface thread
// only.
//
// Whether the backend can show per-pixel alpha (a compositor runs) is
// Backend().CanShowPerPixelAlpha(); the window system keeps and hands on what it was
// given either way, so a backend without it shows the windows opaque.

#include "platform/gdi/Blit.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/win/WindowTypes.h"

// SetLayeredWindowAttributes flags.
constexpr DWORD LWA_COLORKEY = 0x00000001;
constexpr DWORD LWA_ALPHA = 0x00000002;

// UpdateLayeredWindow flags.
constexpr DWORD ULW_COLORKEY = 0x00000001;
constexpr DWORD ULW_ALPHA = 0x00000002;
constexpr DWORD ULW_OPAQUE = 0x00000004;

// Shows the window's painted picture with the constant alpha AAlpha (LWA_ALPHA), and
// with the pixels of colour AKey left out (LWA_COLORKEY). The window paints as any
// other. False unless the window is a top-level window with WS_EX_LAYERED.
bool SetLayeredWindowAttributes(HWND AWindow, COLORREF AKey, BYTE AAlpha, DWORD AFlags);
// What SetLayeredWindowAttributes set; false when it was not called since the window
// became layered (or UpdateLayeredWindow gave its picture since).
bool GetLayeredWindowAttributes(HWND AWindow, COLORREF* AKey, BYTE* AAlpha, DWORD* AFlags);

// Gives the window its whole picture: ASize pixels of ASource from ASourcePoint, 32-bit
// and premultiplied by their alpha when ULW_ALPHA comes with AC_SRC_ALPHA in ABlend.
// The window moves to ADestPoint (screen coordinates) and takes the size ASize when
// they are given (nullptr: unchanged; without ASize the picture has the window's size).
// ULW_ALPHA shows the picture with ABlend's constant alpha, ULW_COLORKEY leaves out
// the pixels of colour AKey, ULW_OPAQUE shows it opaque. Painting no longer reaches
// the window's picture until WS_EX_LAYERED is taken off or SetLayeredWindowAttributes
// is called. AScreenDC is not used. False unless the window is a top-level window with
// WS_EX_LAYERED, or when the source rectangle leaves ASource's bitmap.
bool UpdateLayeredWindow(HWND AWindow, HDC AScreenDC, const POINT* ADestPoint, const SIZE* ASize, HDC ASource,
                         const POINT* ASourcePoint, COLORREF AKey, const BLENDFUNCTION* ABlend, DWORD AFlags);
