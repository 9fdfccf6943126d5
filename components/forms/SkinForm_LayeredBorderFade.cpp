// The layered border's own fade-in: the frame shows at alpha 0 and grows to its alpha
// on a timer, so that the message loop runs on while it fades.

#include <algorithm>

#include "components/forms/SkinForm_LayeredBorder.h"

namespace {

// A fade-in takes this many steps (one more when the alpha is no multiple of it).
constexpr int LayerFadeSteps = 15;

}  // namespace

void TspFormLayerBorder::ShowWithFormAnimation() {
  if (FData == nullptr || FForm == nullptr) return;
  ShowWithForm();
  FFadeTarget = FCurrentAlphaBlendValue;
  FFadeStep = std::max(FFadeTarget / LayerFadeSteps, 1);
  FCurrentAlphaBlendValue = 0;
  SetAlphaBlend();
  FFadeTimer->SetEnabled(true);
}

void TspFormLayerBorder::FadeStep() {
  FCurrentAlphaBlendValue = std::min(FCurrentAlphaBlendValue + FFadeStep, FFadeTarget);
  SetAlphaBlend();
  if (FCurrentAlphaBlendValue >= FFadeTarget) FFadeTimer->SetEnabled(false);
}

void TspFormLayerBorder::StopFade() {
  if (!FFadeTimer->Enabled()) return;
  FFadeTimer->SetEnabled(false);
  FCurrentAlphaBlendValue = FFadeTarget;
}
