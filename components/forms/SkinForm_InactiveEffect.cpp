// The inactive-client effect: a still picture of the client area over a deactivated
// form, blurred or washed over by the form's skinned background.

#include <utility>

#include "components/forms/SkinForm.h"
#include "platform/base/ScopeExit.h"
#include "platform/gdi/Blit.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"

namespace {

constexpr int InactiveEffectBlurRadius = 3;
// How much of the form's background covers the client picture, of 255.
constexpr uint8_t InactiveEffectWashAlpha = 170;

}  // namespace

// ---------------------------------------------------------------- TspClientInActivePanel

TspClientInActivePanel::TspClientInActivePanel(TComponent* AOwner) : TspSkinPaintPanel(AOwner) {
  SetVisible(false);
}

void TspClientInActivePanel::ShowPanel(TCustomForm* AForm, TspClientInActiveEffect AEffect) {
  if (AForm == nullptr || !AForm->Visible() || AForm->ClientWidth() == 0 || AForm->ClientHeight() == 0)
    return;
  SetVisible(false);
  SetParent(AForm);
  SetBounds(0, 0, AForm->ClientWidth(), AForm->ClientHeight());
  FBuffer = std::make_unique<TspBitmap>();
  FBuffer->SetSize(Width(), Height());
  // What the screen shows of the client area now. Pending paints (a panel just hidden,
  // controls changed) are done first: the erase BeginPaint would send paints over the
  // controls without them painting again.
  const HWND FormWindow = AForm->Handle();
  UpdateWindow(FormWindow);
  PAINTSTRUCT PaintInfo;
  const HDC FormDC = BeginPaint(FormWindow, &PaintInfo);
  {
    const ScopeExit EndFormPaint([&] { EndPaint(FormWindow, &PaintInfo); });
    BitBlt(FBuffer->DC(), 0, 0, Width(), Height(), FormDC, 0, 0, SRCCOPY);
  }
  if (AEffect == spieBlur)
    BlurBitmap(*FBuffer, InactiveEffectBlurRadius);
  else
    WashWithFormBackground(*AForm);
  SetVisible(true);
}

void TspClientInActivePanel::WashWithFormBackground(TCustomForm& AForm) {
  TspBitmap Background;
  Background.SetSize(Width(), Height());
  SendMessage(AForm.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(Background.DC()), 0);
  Background.AlphaBlend = true;
  Background.SetAlpha(InactiveEffectWashAlpha);
  Background.Draw(*FBuffer, 0, 0);
}

void TspClientInActivePanel::HidePanel() {
  SetVisible(false);
  FBuffer.reset();
}

void TspClientInActivePanel::Paint() {
  if (FBuffer) FBuffer->Draw(Canvas(), 0, 0);
}

// ---------------------------------------------------------------- TspSkinForm

void TspSkinForm::ShowClientInActiveEffect() {
  HideClientInActiveEffect();
  FInActivePanel = new TspClientInActivePanel(this);
  FClientInActiveDraw = true;
  const ScopeExit DrawDone([this] { FClientInActiveDraw = false; });
  FInActivePanel->ShowPanel(FForm, ClientInActiveEffectType);
}

void TspSkinForm::HideClientInActiveEffect() {
  if (FInActivePanel == nullptr) return;
  FInActivePanel->HidePanel();
  delete std::exchange(FInActivePanel, nullptr);
}

void TspSkinForm::FollowActivationWithClientEffect() {
  if (!ClientInActiveEffect || !FForm->Visible()) return;
  if (FFormActive)
    HideClientInActiveEffect();
  else
    ShowClientInActiveEffect();
}
