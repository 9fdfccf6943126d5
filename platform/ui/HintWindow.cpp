// THintWindow: its window, measuring and drawing the hint, and showing it.

#include "platform/ui/HintWindow.h"

#include <algorithm>

#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

const TTextFormat HintFormat = {tfLeft, tfNoPrefix, tfWordBreak};

}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  FVisible = false;
  SetColor(clInfoBk);
  Font().SetColor(clInfoText);
}

// Top-most and never activated; the pointer passes through it (WM_NCHITTEST).
void THintWindow::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  AParams.Style = WS_POPUP | WS_BORDER;
  AParams.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  AParams.WndParent = nullptr;
  AParams.WindowClass.style |= CS_SAVEBITS;
}

void THintWindow::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_NCHITTEST: WMNCHitTest(AMessage); break;
    case WM_MOUSEACTIVATE: WMMouseActivate(AMessage); break;
    default: TCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void THintWindow::WMNCHitTest(TMessage& AMessage) { AMessage.Result = HTTRANSPARENT; }

void THintWindow::WMMouseActivate(TMessage& AMessage) { AMessage.Result = MA_NOACTIVATE; }

TRect THintWindow::CalcHintRect(int AMaxWidth, const String& AHint, void*) {
  TRect Result = Rect(0, 0, AMaxWidth, 0);
  Canvas().Font().Assign(Font());
  Canvas().TextRect(Result, AHint, HintFormat + TTextFormat{tfCalcRect});
  Result.Right += 6;
  Result.Bottom += 2;
  return Result;
}

void THintWindow::ActivateHint(TRect ARect, const String& AHint) {
  SetCaption(AHint);
  ARect.Bottom += 4;
  // Kept on the desktop: moved left and up when it would leave it on the right or at
  // the bottom, and never above or left of it.
  const TRect Desktop = Bounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                               GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
  const int Width = ARect.Width();
  const int Height = ARect.Height();
  const int Left = std::max(std::min(ARect.Left, Desktop.Right - Width), Desktop.Left);
  const int Top = std::max(std::min(ARect.Top, Desktop.Bottom - Height), Desktop.Top);
  SetBounds(Left, Top, Width, Height);
  SetWindowPos(Handle(), HWND_TOPMOST, Left, Top, Width, Height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ActivateHintData(TRect ARect, const String& AHint, void*) { ActivateHint(ARect, AHint); }

void THintWindow::Paint() {
  TRect Text = ClientRect();
  Text.Left += 2;
  Text.Top += 2;
  Canvas().Brush().SetStyle(bsSolid);
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
  Canvas().Font().Assign(Font());
  Canvas().Brush().SetStyle(bsClear);
  Canvas().TextRect(Text, Caption(), HintFormat);
}

bool THintWindow::IsHintMsg(const MSG& AMessage) {
  const UINT Msg = AMessage.message;
  return (Msg >= WM_KEYFIRST && Msg <= WM_KEYLAST) || Msg == CM_ACTIVATE || Msg == CM_DEACTIVATE ||
         Msg == WM_COMMAND || (Msg > WM_MOUSEMOVE && Msg <= WM_MOUSELAST) ||
         (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCMBUTTONDBLCLK);
}

bool THintWindow::IsShowing() { return HandleAllocated() && IsWindowVisible(Handle()); }
