// The layered glow window and its manager: the halo picture composed with its mask,
// shown at a screen position and faded in on the window system's timer.

#include <algorithm>

#include "components/core/spEffBmp.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

TspLayerWindow::TspLayerWindow(TComponent* AOwner) : TCustomControl(AOwner) {}

void TspLayerWindow::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  AParams.Style = WS_POPUP;
  AParams.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
  AParams.WndParent = nullptr;
  AParams.WindowClass.style |= CS_SAVEBITS;
}

void TspLayerWindow::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg == WM_MOUSEACTIVATE) {
    AMessage.Result = MA_NOACTIVATE;
    return;
  }
  TCustomControl::Dispatch(AMessage);
}

TspLayerManager::TspLayerManager(TComponent* AOwner)
    : TComponent(AOwner), FTimer(NewDisabledTimer(this, FadeInterval, [this] { FadeStep(); })) {}

// The timer, owned as a component, goes after the window; no tick reaches the
// component in between, as ticks come only from the message loop.
TspLayerManager::~TspLayerManager() = default;

void TspLayerManager::Show(int AX, int AY, const TGraphic& AImage, const TGraphic& AImageMask,
                           int AAlphaBlendValue) {
  if (!IsWindows2000OrLater() || !SystemFunctions().UpdateLayeredWindow) return;
  if (FLayerWindow) Hide();
  FIsVisible = true;
  FLayerWindow = std::make_unique<TspLayerWindow>(nullptr);
  FLayerWindow->SetVisible(false);
  FLayerWindow->SetBounds(AX, AY, AImage.Width(), AImage.Height());
  const HWND Window = FLayerWindow->Handle();
  SetWindowLong(Window, GWL_EXSTYLE, GetWindowLong(Window, GWL_EXSTYLE) | WS_EX_LAYERED);
  FBmp = std::make_unique<TspBitmap>();
  ComposeImageWithMask(AImage, AImageMask, *FBmp);
  UpdateLayeredWindowBitmap(*FBmp, 0, *FLayerWindow);
  PlaceWindow(SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  FEndAlphaBlendValue = std::clamp(AAlphaBlendValue, 0, 255);
  // Targets below 10 still fade: a step of 0 would never show them nor stop the timer.
  FStepAlphaBlendValue = std::max(FEndAlphaBlendValue / 10, 1);
  StartTimer();
}

void TspLayerManager::Hide() {
  if (!IsWindows2000OrLater()) return;
  StopTimer();
  FBmp.reset();
  FIsVisible = false;
  if (!FLayerWindow) return;
  SetWindowPos(FLayerWindow->Handle(), nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  FLayerWindow.reset();
}

void TspLayerManager::Update() {
  if (FIsVisible && FLayerWindow) PlaceWindow(SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
}

void TspLayerManager::PlaceWindow(UINT AFlags) {
  SetWindowPos(FLayerWindow->Handle(), TopMostMode ? HWND_TOPMOST : HWND_NOTOPMOST, FLayerWindow->Left(),
               FLayerWindow->Top(), 0, 0, AFlags);
}

void TspLayerManager::StartTimer() {
  FBeginAlphaBlendValue = 0;
  FTimer->SetEnabled(true);
}

void TspLayerManager::StopTimer() { FTimer->SetEnabled(false); }

void TspLayerManager::FadeStep() {
  if (!FBmp || !FLayerWindow) return;
  FBeginAlphaBlendValue = std::min(FBeginAlphaBlendValue + FStepAlphaBlendValue, FEndAlphaBlendValue);
  UpdateLayeredWindowBitmap(*FBmp, uint8_t(FBeginAlphaBlendValue), *FLayerWindow);
  if (FBeginAlphaBlendValue == FEndAlphaBlendValue) StopTimer();
}
