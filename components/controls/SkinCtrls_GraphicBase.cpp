// The windowless skinned base: it repaints on a background notice when it blends,
// and has no children to pass the notice to.

#include "components/controls/SkinCtrls.h"

TspGraphicSkinControl::TspGraphicSkinControl(TComponent* AOwner) : TspSkinBinding<TGraphicControl>(AOwner) {}

void TspGraphicSkinControl::Dispatch(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case SP_CHECKPARENTBACKGROUND:
      SPCheckParentBackground();
      break;
    default:
      TspSkinBinding<TGraphicControl>::Dispatch(AMessage);
      break;
  }
}

void TspGraphicSkinControl::SPCheckParentBackground() {
  if (FAlphaBlend) Repaint();
}
