// DefWindowProc's WM_NCHITTEST: what part of the default frame a point is on.

#include "platform/win/FrameLayoutInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/SystemMetrics.h"

namespace {

// A point on the outer frame of a sizing window: the sides, and the corners, which
// reach along each side as far as a caption button is wide beyond the frame.
LRESULT SizingBorderCode(const TFrameLayout& ALayout, TPoint APoint) {
  const TRect& Window = ALayout.Window;
  const int Frame = ALayout.Frame;
  const int Corner = Frame + GetSystemMetrics(SM_CXSIZE);
  const bool OnLeft = APoint.X < Frame;
  const bool OnRight = APoint.X >= Window.Right - Frame;
  const bool OnTop = APoint.Y < Frame;
  const bool OnBottom = APoint.Y >= Window.Bottom - Frame;
  const bool West = OnLeft || ((OnTop || OnBottom) && APoint.X < Corner);
  const bool East = OnRight || ((OnTop || OnBottom) && APoint.X >= Window.Right - Corner);
  const bool North = OnTop || ((OnLeft || OnRight) && APoint.Y < Corner);
  const bool South = OnBottom || ((OnLeft || OnRight) && APoint.Y >= Window.Bottom - Corner);
  if (North) return West ? HTTOPLEFT : East ? HTTOPRIGHT : HTTOP;
  if (South) return West ? HTBOTTOMLEFT : East ? HTBOTTOMRIGHT : HTBOTTOM;
  return West ? HTLEFT : HTRIGHT;
}

LRESULT CaptionCode(const TFrameLayout& ALayout, TPoint APoint) {
  if (PtInRect(ALayout.CloseButton, APoint)) return HTCLOSE;
  if (PtInRect(ALayout.MaximizeButton, APoint)) return HTMAXBUTTON;
  if (PtInRect(ALayout.MinimizeButton, APoint)) return HTMINBUTTON;
  if (PtInRect(ALayout.SystemMenu, APoint)) return HTSYSMENU;
  return HTCAPTION;
}

LRESULT HitTest(const TWindow& AWindow, TPoint AScreenPoint) {
  const TPoint Point{AScreenPoint.X - AWindow.WindowRect.Left, AScreenPoint.Y - AWindow.WindowRect.Top};
  const TFrameLayout Layout = FrameLayoutOf(AWindow);
  if (!PtInRect(Layout.Window, Point)) return HTNOWHERE;
  if (PtInRect(Layout.Client, Point)) return HTCLIENT;
  TRect InsideFrame = Layout.Window;
  InflateRect(InsideFrame, -Layout.Frame, -Layout.Frame);
  if (!PtInRect(InsideFrame, Point)) return Layout.Sizing ? SizingBorderCode(Layout, Point) : HTBORDER;
  if (PtInRect(Layout.Caption, Point)) return CaptionCode(Layout, Point);
  if (PtInRect(Layout.VerticalScrollBar, Point)) return HTVSCROLL;
  if (PtInRect(Layout.HorizontalScrollBar, Point)) return HTHSCROLL;
  return HTNOWHERE;
}

LRESULT WMNCHitTest(HWND AWindow, UINT, WPARAM, LPARAM ALParam) {
  const TWindow* Window = FindWindowRecord(AWindow);
  return Window ? HitTest(*Window, LParamToPoint(ALParam)) : HTNOWHERE;
}

}  // namespace

void InstallNonClientHitTest(TWindowSystemExtensions& AExtensions) {
  AExtensions.SetDefaultHandler(WM_NCHITTEST, WMNCHitTest);
}
