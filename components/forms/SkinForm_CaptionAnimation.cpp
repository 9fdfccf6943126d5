// The caption's frame animation: a strip of frames played forward when the form
// activates and backward when it deactivates, stepped by the form's animation timer.

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_FrameStep.h"

namespace {

// The animation timer's step.
constexpr int CaptionAnimationTickMs = 25;

}  // namespace

bool TspSkinCaptionObject::EnableAnimation() const {
  // Tolerated: a strip of no frames does not play.
  return HasSkin() && SD->EnableSkinEffects && ActivePicture && FrameCount > 0 &&
         !RectangleIsEmpty(AnimateSkinRect);
}

TRect TspSkinCaptionObject::AnimationFrameRect(int AFrame) const {
  const TRect& Strip = AnimateSkinRect;
  if (RectangleHeight(SkinRect) < RectangleHeight(Strip)) {
    const int Step = RectangleHeight(Strip) / FrameCount;
    return Rect(Strip.Left, Strip.Top + Step * (AFrame - 1), Strip.Right, Strip.Top + Step * AFrame);
  }
  const int Step = RectangleWidth(Strip) / FrameCount;
  return Rect(Strip.Left + Step * (AFrame - 1), Strip.Top, Strip.Left + Step * AFrame, Strip.Bottom);
}

void TspSkinCaptionObject::FollowActivation(bool AActive, bool AChanged, bool ARedraw) {
  if (!ARedraw || !Parent->IsObjectPresent(*this)) {
    if (Morphing) SetMorphKf(AActive ? 1 : 0);
    return;
  }
  if (EnableAnimation() && AChanged) {
    FIncTime = CaptionAnimationTickMs;
    CurrentFrame = AActive ? 1 : InActiveAnimation ? FrameCount : 0;
    if (CurrentFrame != 0) Parent->AnimateTimer().SetEnabled(true);
  }
  Active = AActive;
  if (!Parent->SupportNCArea() || !RectangleIsEmpty(ActiveSkinRect)) ReDraw();
}

bool TspSkinCaptionObject::AnimationStep() {
  if (!EnableAnimation()) return false;
  if (FIncTime < AnimateInterval) {
    FIncTime += CaptionAnimationTickMs;
    return true;
  }
  if (!StepFrameAnimation(CurrentFrame, FrameCount, Active)) return false;
  Parent->DrawSkinObject(this);
  FIncTime = CaptionAnimationTickMs;
  return true;
}
