#include <algorithm>

#include "platform/win/FrameLayoutInternal.h"
#include "platform/win/FrameMetrics.h"
#include "platform/win/PaintStateInternal.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowStyles.h"

namespace {

void PlaceCaptionButtons(TFrameLayout& ALayout, DWORD AStyle, DWORD AExStyle) {
  if (!(AStyle & WS_SYSMENU)) return;
  TRect& Caption = ALayout.Caption;
  const int Size = Caption.Height();
  ALayout.CloseButton = Rect(Caption.Right - Size, Caption.Top, Caption.Right, Caption.Bottom);
  if (AExStyle & WS_EX_TOOLWINDOW) return;
  ALayout.SystemMenu = Rect(Caption.Left, Caption.Top, Caption.Left + Size, Caption.Bottom);
  // Either box brings both buttons, the one not asked for drawn but idle.
  if (!(AStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) return;
  ALayout.MaximizeButton = ALayout.CloseButton;
  OffsetRect(ALayout.MaximizeButton, -Size, 0);
  ALayout.MinimizeButton = ALayout.MaximizeButton;
  OffsetRect(ALayout.MinimizeButton, -Size, 0);
}

}  // namespace

TFrameLayout FrameLayoutOf(const TWindow& AWindow) {
  TFrameLayout Layout;
  const DWORD Style = AWindow.Style;
  const DWORD ExStyle = AWindow.ExStyle;
  Layout.Window = WindowBoundsInWindow(AWindow);
  Layout.Client = ClientRectInWindow(AWindow);
  const TRect& Client = Layout.Client;
  Layout.Frame =
      std::max(0, std::min({DefaultFrameWidth(Style, ExStyle), Client.Left,
                            Layout.Window.Right - Client.Right, Layout.Window.Bottom - Client.Bottom}));
  Layout.Sizing = (Style & WS_THICKFRAME) && !(Style & (WS_MINIMIZE | WS_MAXIMIZE)) && Layout.Frame > 0;

  const int Frame = Layout.Frame;
  if ((Style & WS_CAPTION) == WS_CAPTION) {
    const int Bottom = Client.Top - ((ExStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CYEDGE) : 0);
    if (Bottom > Frame) {
      Layout.Caption = Rect(Frame, Frame, Layout.Window.Right - Frame, Bottom);
      PlaceCaptionButtons(Layout, Style, ExStyle);
    }
  }
  if (Style & WS_VSCROLL)
    Layout.VerticalScrollBar =
        Rect(Client.Right, Client.Top, Client.Right + GetSystemMetrics(SM_CXVSCROLL), Client.Bottom);
  if (Style & WS_HSCROLL)
    Layout.HorizontalScrollBar =
        Rect(Client.Left, Client.Bottom, Client.Right, Client.Bottom + GetSystemMetrics(SM_CYHSCROLL));
  return Layout;
}
