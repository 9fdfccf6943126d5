// TCustomForm's showing and hiding: OnShow and OnHide, the place by Position, and the
// window state.

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/CustomForm.h"
#include "platform/ui/Screen.h"
#include "platform/win/Mdi.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"

namespace {

int ShowCommand(TWindowState AState) {
  switch (AState) {
    case wsMinimized:
      return SW_SHOWMINIMIZED;
    case wsMaximized:
      return SW_SHOWMAXIMIZED;
    case wsNormal:
      break;
  }
  return SW_SHOWNORMAL;
}

TRect VirtualScreenRect() {
  return Bounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

// The rectangle of a form that can be centred on: one other than AForm, with a window.
bool FormArea(const TCustomForm* AForm, const TCustomForm* ACentred, TRect& AArea) {
  if (!AForm || AForm == ACentred || !AForm->HandleAllocated()) return false;
  AArea = AForm->BoundsRect();
  return true;
}

}  // namespace

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

// OnShow comes before the window appears, and the first showing places the form. A
// document window stays where it was put in its client and becomes the active one.
void TCustomForm::CMShowingChanged(TMessage& AMessage) {
  if (FParent) return TCustomControl::Dispatch(AMessage);
  if (Showing()) {
    DoShow();
    if (!FPositioned) {
      FPositioned = true;
      if (!IsMDIDocument()) ApplyPosition();
    }
    ShowWindow(Handle(), ShowCommand(FWindowState));
    if (IsMDIDocument()) SendMessage(ParentWindow(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Handle()), 0);
  } else {
    DoHide();
    ShowWindow(Handle(), SW_HIDE);
  }
}

// Centres the form on what Position names, then keeps it inside the work area of the
// monitor it lands on, so that no form opens out of reach.
void TCustomForm::ApplyPosition() {
  TRect Area = Rect(0, 0, Screen->Width(), Screen->Height());
  switch (FPosition) {
    case poDesigned:
      return;
    case poScreenCenter:
      break;
    case poDesktopCenter:
      Area = VirtualScreenRect();
      break;
    case poOwnerFormCenter:
      if (FormArea(dynamic_cast<TCustomForm*>(Owner()), this, Area)) break;
      [[fallthrough]];
    case poMainFormCenter:
      FormArea(Application->MainForm(), this, Area);
      break;
  }
  int X = Area.Left + (Area.Width() - FWidth) / 2;
  int Y = Area.Top + (Area.Height() - FHeight) / 2;
  const TRect Work = Screen->MonitorFromRect(Bounds(X, Y, FWidth, FHeight))->WorkareaRect();
  X = std::max(std::min(X, Work.Right - FWidth), Work.Left);
  Y = std::max(std::min(Y, Work.Bottom - FHeight), Work.Top);
  SetBounds(X, Y, FWidth, FHeight);
}

void TCustomForm::SetWindowState(TWindowState AValue) {
  if (FWindowState == AValue) return;
  FWindowState = AValue;
  if (!FParent && Showing()) ShowWindow(Handle(), ShowCommand(AValue));
}

// The window state follows the window: the frame's buttons and the task bar change it
// too.
void TCustomForm::WMSize(TMessage& AMessage) {
  if (!FParent && Showing()) {
    if (AMessage.WParam == SIZE_MINIMIZED)
      FWindowState = wsMinimized;
    else if (AMessage.WParam == SIZE_MAXIMIZED)
      FWindowState = wsMaximized;
    else if (AMessage.WParam == SIZE_RESTORED)
      FWindowState = wsNormal;
  }
  TCustomControl::Dispatch(AMessage);
}
