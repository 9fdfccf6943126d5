#include "platform/win/FrameMetrics.h"

#include <algorithm>

#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowStyles.h"

int DefaultFrameWidth(DWORD AStyle, DWORD AExStyle) {
  // The classic frame is built of layers: a two-pixel outer edge for dialog frames and
  // sizing borders (one pixel for a lone static edge), the extra width of a sizing
  // border, and one more pixel for a border or dialog frame.
  int Width = 0;
  if ((AExStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE)
    Width = 1;
  else if ((AExStyle & WS_EX_DLGMODALFRAME) || (AStyle & (WS_THICKFRAME | WS_DLGFRAME)))
    Width = 2;
  if (AStyle & WS_THICKFRAME) Width += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
  if ((AStyle & (WS_BORDER | WS_DLGFRAME)) || (AExStyle & WS_EX_DLGMODALFRAME)) ++Width;
  return Width;
}

TRect DefaultClientRect(const TRect& AWindowRect, DWORD AStyle, DWORD AExStyle) {
  TRect R = AWindowRect;
  const int Frame = DefaultFrameWidth(AStyle, AExStyle);
  InflateRect(R, -Frame, -Frame);
  if ((AStyle & WS_CAPTION) == WS_CAPTION)
    R.Top += GetSystemMetrics((AExStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
  if (AExStyle & WS_EX_CLIENTEDGE) InflateRect(R, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  if (AStyle & WS_VSCROLL) R.Right -= GetSystemMetrics(SM_CXVSCROLL);
  if (AStyle & WS_HSCROLL) R.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
  R.Right = std::max(R.Right, R.Left);
  R.Bottom = std::max(R.Bottom, R.Top);
  return R;
}
