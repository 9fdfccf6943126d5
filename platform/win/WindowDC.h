#pragma once
// Device contexts of windows: drawing on a window at any time, not only while it
// answers WM_PAINT. User-interface thread only.
//
// A window device context draws straight into the backing bitmap of the window's
// top-level window, clipped to the window's visible region (its window region, its
// ancestors' client areas, and siblings and children as WS_CLIPSIBLINGS and
// WS_CLIPCHILDREN ask). Its origin and clip are those of the moment it is handed out.
// Releasing it hands the changed picture to the backend at once, unless a BeginPaint
// is still open (the paint then hands it over when it ends).

#include "platform/gdi/DeviceContext.h"
#include "platform/win/WindowTypes.h"

// A device context of the client area (origin at the client area's top-left corner).
// nullptr or the desktop window give a device context of the screen, which measures
// like any other but draws nowhere: the screen belongs to the backend. nullptr for a
// dead window.
HDC GetDC(HWND AWindow);
// A device context of the whole window, frame included (origin at the window
// rectangle's top-left corner), for painting the non-client area.
HDC GetWindowDC(HWND AWindow);
// Takes back a device context of GetDC or GetWindowDC; returns 1, or 0 when ADC is not
// one of them.
int ReleaseDC(HWND AWindow, HDC ADC);

// A device context of a window for the length of a scope, given back by ReleaseDC when
// the scope ends, by return or by exception; it sits here rather than beside the
// guards of platform/gdi/DcScopes.h because window device contexts belong to the
// window system. Handle() is nullptr for a dead window.
enum TWindowDCArea { daClient, daWholeWindow };

class TWindowDCScope {
 public:
  // GetDC for daClient, GetWindowDC for daWholeWindow.
  explicit TWindowDCScope(HWND AWindow, TWindowDCArea AArea = daClient)
      : FWindow(AWindow), FDC(AArea == daClient ? GetDC(AWindow) : GetWindowDC(AWindow)) {}
  ~TWindowDCScope() {
    if (FDC) ReleaseDC(FWindow, FDC);
  }
  TWindowDCScope(const TWindowDCScope&) = delete;
  TWindowDCScope& operator=(const TWindowDCScope&) = delete;
  HDC Handle() const { return FDC; }

 private:
  HWND FWindow;
  HDC FDC;
};
