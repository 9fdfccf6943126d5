// DefWindowProc's painting of the client area: WM_PAINT, WM_ERASEBKGND and
// WM_SETREDRAW.

#include "platform/gdi/Primitives.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintStateInternal.h"
#include "platform/win/Painting.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/WindowClassRecordInternal.h"

namespace {

// A class background is a brush, or a system colour index + 1 in its place, as
// window classes have always allowed.
HBRUSH ClassBackgroundBrush(const TWindow& AWindow) {
  if (!AWindow.Class || !AWindow.Class->Background) return nullptr;
  const auto Value = reinterpret_cast<uintptr_t>(AWindow.Class->Background);
  if (Value <= static_cast<uintptr_t>(COLOR_ENDCOLORS) + 1)
    return GetSysColorBrush(static_cast<int>(Value) - 1);
  return AWindow.Class->Background;
}

// Validates the update region by the paint cycle itself, so that a window that leaves
// WM_PAINT to the default gets no more of them.
LRESULT WMPaint(HWND AWindow, UINT, WPARAM, LPARAM) {
  PAINTSTRUCT Paint;
  if (BeginPaint(AWindow, &Paint)) EndPaint(AWindow, &Paint);
  return 0;
}

// Fills the background with the class brush; answers 0 (not erased) without one.
LRESULT WMEraseBkgnd(HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
  const TWindow* Window = FindWindowRecord(AWindow);
  const auto DC = reinterpret_cast<HDC>(AWParam);
  const HBRUSH Brush = Window ? ClassBackgroundBrush(*Window) : nullptr;
  if (!DC || !Brush) return 0;
  const RECT Client = Bounds(0, 0, Window->ClientRect.Width(), Window->ClientRect.Height());
  FillRect(DC, &Client, Brush);
  return 1;
}

LRESULT WMSetRedraw(HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
  if (TWindow* Window = FindWindowRecord(AWindow)) {
    PaintStateOf(*Window).RedrawOff = AWParam == 0;
    NoteGeometryChange();
    RefreshPaintPendingTree(*Window);
  }
  return 0;
}

}  // namespace

void InstallClientPaintingDefaults(TWindowSystemExtensions& AExtensions) {
  AExtensions.SetDefaultHandler(WM_PAINT, WMPaint);
  AExtensions.SetDefaultHandler(WM_ERASEBKGND, WMEraseBkgnd);
  AExtensions.SetDefaultHandler(WM_SETREDRAW, WMSetRedraw);
}
