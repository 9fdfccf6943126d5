// The form's constant opacity and its fade-in when shown. The fade runs on window
// timer 1 of the form, one step per tick, so the form answers its messages while it
// fades in.

#include <algorithm>

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

namespace {

constexpr UINT_PTR FadeTimerId = 1;
// The steps of the fade are this far apart.
constexpr UINT FadeStepMs = 6;
constexpr int FadeSteps = 15;

void SetFadeLayeredStyle(HWND AWindow, bool ALayered) {
  const LONG_PTR ExStyle = GetWindowLong(AWindow, GWL_EXSTYLE);
  const LONG_PTR Wanted = ALayered ? ExStyle | WS_EX_LAYERED : ExStyle & ~LONG_PTR(WS_EX_LAYERED);
  if (Wanted != ExStyle) SetWindowLong(AWindow, GWL_EXSTYLE, Wanted);
}

}  // namespace

bool TspSkinForm::AlphaBlendApplies() const { return ComponentState().Empty() && FForm->HandleAllocated(); }

void TspSkinForm::SetAlphaBlend(bool AValue) {
  if (AValue == FAlphaBlend) return;
  FAlphaBlend = AValue;
  if (!AlphaBlendApplies()) return;
  SetFadeLayeredStyle(FForm->Handle(), AValue);
  if (AValue) SetLayeredAlpha(FForm->Handle(), FAlphaBlendValue);
}

void TspSkinForm::SetAlphaBlendValue(uint8_t AValue) {
  if (AValue == FAlphaBlendValue) return;
  FAlphaBlendValue = AValue;
  if (FAlphaBlend && AlphaBlendApplies()) SetLayeredAlpha(FForm->Handle(), AValue);
}

bool TspSkinForm::AnimatesForAllWindows() const { return FSD != nullptr && FSD->AnimationForAllWindows; }

void TspSkinForm::StartFadeIn() {
  if (AnimatesForAllWindows() && FAlphaBlendValue == 0) FAlphaBlendValue = 255;
  if (!IsWindows2000OrLater() || !(FAlphaBlend || AlphaBlendAnimation || AnimatesForAllWindows())) return;
  const HWND Window = FForm->Handle();
  SetFadeLayeredStyle(Window, true);
  SetLayeredAlpha(Window, 0);
  FFadeAlpha = 0;
  SetTimer(Window, FadeTimerId, FadeStepMs, nullptr);
}

void TspSkinForm::FadeStep(TMessage& AMessage) {
  if (AMessage.WParam != FadeTimerId) return;
  const HWND Window = FForm->Handle();
  const bool Animated = AlphaBlendAnimation || AnimatesForAllWindows();
  const int Target = Animated && !FAlphaBlend ? 255 : FAlphaBlendValue;
  if (!Animated) {
    KillTimer(Window, FadeTimerId);
    FinishFade(Target);
    return;
  }
  FFadeAlpha = std::min(FFadeAlpha + std::max(Target / FadeSteps, 1), Target);
  SetLayeredAlpha(Window, uint8_t(FFadeAlpha));
  if (FFadeAlpha < Target) return;
  KillTimer(Window, FadeTimerId);
  FinishFade(Target);
}

void TspSkinForm::FinishFade(int ATarget) {
  // Fully opaque: the window need not be layered any more.
  if (ATarget >= 255)
    SetFadeLayeredStyle(FForm->Handle(), false);
  else
    SetLayeredAlpha(FForm->Handle(), uint8_t(ATarget));
}
