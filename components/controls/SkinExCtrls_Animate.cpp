// The frame animation: the frames stepped on a timer, once, round, or as a hover
// button.

#include "components/controls/SkinExCtrls.h"

TspSkinAnimate::TspSkinAnimate(TComponent* AOwner)
    : TspFrameSkinControl(AOwner), FAnimateTimer(NewDisabledTimer(this, 50, [this] { AnimateTimerTick(); })) {
  SetBounds(Left(), Top(), 50, 50);
}

void TspSkinAnimate::Start() {
  if (!CycleMode && !ButtonMode) RewindFrame();
  FAnimateTimer->SetEnabled(true);
  if (OnStart) OnStart(this);
}

void TspSkinAnimate::Stop() {
  FAnimateTimer->SetEnabled(false);
  if (OnStop) OnStop(this);
}

void TspSkinAnimate::SetActive(bool AValue) {
  FActive = AValue;
  if (!HasStrip()) return;
  if (AValue)
    Start();
  else
    Stop();
}

void TspSkinAnimate::AnimateTimerTick() {
  if (!HasStrip()) return;
  if (!ButtonMode || FMouseIn) {
    if (Frame() < FramesCount())
      SetFrame(Frame() + 1);
    else if (CycleMode)
      SetFrame(1);
    return;
  }
  if (Frame() > 1) SetFrame(Frame() - 1);
}

void TspSkinAnimate::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(AMessage); break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    default: TspFrameSkinControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinAnimate::CMMouseEnter(TMessage& AMessage) {
  TspFrameSkinControl::Dispatch(AMessage);
  SetMouseIn(true);
}

void TspSkinAnimate::CMMouseLeave(TMessage& AMessage) {
  TspFrameSkinControl::Dispatch(AMessage);
  SetMouseIn(false);
}

void TspSkinAnimate::SetMouseIn(bool AValue) {
  if (!ButtonMode) {
    FMouseIn = AValue;
    return;
  }
  if (IsDesigning() || !HasStrip()) return;
  FMouseIn = AValue;
  Start();
}
