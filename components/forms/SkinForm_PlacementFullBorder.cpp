// The bounds a skinned form keeps across a skin change or a layered-border switch: with
// a full layered border the border is the whole frame, so the outer rectangle, frame
// included, is what the user sees stay in place.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinForm_PlacementInternal.h"

void TspSkinFormStates::SaveBoundsBeforeBorderChange() {
  const TRect Bounds = SkinForm.FForm->BoundsRect();
  const TspFormLayerBorder& Border = *SkinForm.FBorderLayer;
  if (Border.Visible() && Border.FullBorder()) {
    FOldFormBounds = Rect(SaturatedCoordinate(static_cast<long long>(Bounds.Left) - Border.LeftSize),
                          SaturatedCoordinate(static_cast<long long>(Bounds.Top) - Border.TopSize),
                          SaturatedCoordinate(static_cast<long long>(Bounds.Right) + Border.RightSize),
                          SaturatedCoordinate(static_cast<long long>(Bounds.Bottom) + Border.BottomSize));
    FOldFullBorder = 1;
  } else {
    FOldFormBounds = Bounds;
    FOldFullBorder = 0;
  }
}

void TspSkinFormStates::RestoreFullBorderBounds() {
  // Used once: bounds saved before an earlier change must not pull the form back later.
  const TRect Saved = FOldFormBounds;
  const int Kind = FOldFullBorder;
  FOldFullBorder = -1;
  if (SkinForm.WearsFullLayeredBorder() && Kind != -1) {
    const TspFormLayerBorder& Border = *SkinForm.FBorderLayer;
    SkinForm.FForm->SetBounds(
        SaturatedCoordinate(static_cast<long long>(Saved.Left) + Border.LeftSize),
        SaturatedCoordinate(static_cast<long long>(Saved.Top) + Border.TopSize),
        SaturatedCoordinate(static_cast<long long>(Saved.Width()) - Border.LeftSize - Border.RightSize),
        SaturatedCoordinate(static_cast<long long>(Saved.Height()) - Border.TopSize - Border.BottomSize));
  } else if (Kind == 1) {
    SkinForm.FForm->SetBounds(Saved.Left, Saved.Top, Saved.Width(),
                              SkinForm.FRollUpState ? SkinForm.GetMinHeight() : Saved.Height());
  }
}
