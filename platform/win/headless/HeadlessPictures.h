#pragma once
// Pictures of what the headless backend shows, for tests to read and for a person to
// look at. They are cut from the pictures the window system handed the backend
// (PresentImage), so they show what a screen would, not what a window keeps behind.
// User-interface thread only; each call raises Exception when the window system does
// not run on the headless backend.

#include "platform/base/Strings.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/PictureCodecs.h"
#include "platform/win/WindowTypes.h"

// The window's pixels, frame and client, as last presented; pixels of a window with
// per-pixel alpha keep their alpha (straight, no longer premultiplied), all others are
// opaque. Pixels never presented are transparent black. An empty picture for a dead
// window.
TPixelImage WindowPicture(HWND AWindow);
// The colour of one presented pixel of the window (window coordinates; add the client
// offset for client pixels), premultiplied for a window with per-pixel alpha;
// CLR_INVALID outside the window or when nothing was presented there.
COLORREF PresentedPixel(HWND AWindow, int AX, int AY);
// The virtual screen, black, with every shown top-level window that is not minimized
// laid on it from the bottom of the stack up: cut by its window region and blended by
// its constant and per-pixel alpha.
TPixelImage ScreenPicture();

// The pictures above as PNG files. Raise EFCreateError or EWriteError when the file
// cannot be written.
void SaveWindowPicture(HWND AWindow, const String& AFileName);
void SaveScreenPicture(const String& AFileName);
