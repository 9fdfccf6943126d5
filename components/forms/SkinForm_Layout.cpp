// The frame layout: rectangles of the skin picture moved to the form's current size.

#include <vector>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"

namespace {

// The four corner regions of the frame picture, which keep their size when the form
// grows; the sides and the client area between them are what grows.
struct TLayoutCornerRegions {
  TRect LeftTop, RightTop, LeftBottom, RightBottom;

  bool AllEmpty() const {
    return RectangleIsEmpty(LeftTop) && RectangleIsEmpty(RightTop) && RectangleIsEmpty(LeftBottom) &&
           RectangleIsEmpty(RightBottom);
  }
};

TLayoutCornerRegions LayoutCornerRegionsOf(const TspSkinData& ASkin) {
  const int PW = ASkin.FPicture->Width();
  const int PH = ASkin.FPicture->Height();
  return {Rect(0, 0, ASkin.LTPoint.X, ASkin.LTPoint.Y), Rect(ASkin.RTPoint.X, 0, PW, ASkin.RTPoint.Y),
          Rect(0, ASkin.LBPoint.Y, ASkin.LBPoint.X, PH), Rect(ASkin.RBPoint.X, ASkin.RBPoint.Y, PW, PH)};
}

TRect LayoutMoved(TRect ARect, int ADX, int ADY) {
  OffsetRect(ARect, ADX, ADY);
  return ARect;
}

}  // namespace

TPoint TspSkinFormGeometry::FrameGrowth() const {
  if (!SkinForm.FSD) return {0, 0};
  return {NewRBPoint.X - SkinForm.FSD->RBPoint.X, NewRBPoint.Y - SkinForm.FSD->RBPoint.Y};
}

TRect TspSkinFormGeometry::MapSkinRect(const TRect& R) const {
  if (!SkinForm.FSD || !SkinForm.FSD->FPicture) return R;
  const TLayoutCornerRegions Corners = LayoutCornerRegionsOf(*SkinForm.FSD);
  if (Corners.AllEmpty()) return R;
  const TPoint Growth = FrameGrowth();
  const int DX = Growth.X;
  const int DY = Growth.Y;
  if (RectangleInside(R, Corners.LeftTop)) return R;
  if (RectangleInside(R, Corners.RightTop)) return LayoutMoved(R, DX, 0);
  if (RectangleInside(R, Corners.LeftBottom)) return LayoutMoved(R, 0, DY);
  if (RectangleInside(R, Corners.RightBottom)) return LayoutMoved(R, DX, DY);

  // PtInRect: left and top edges inside a region, right and bottom edges outside.
  const TPoint TL = R.TopLeft();
  const TPoint BR = R.BottomRight();
  TRect Result = R;
  if (PtInRect(Corners.LeftTop, TL) && PtInRect(Corners.RightBottom, BR)) {
    Result.Right += DX;
    Result.Bottom += DY;
  } else if (PtInRect(Corners.LeftTop, TL) && PtInRect(Corners.RightTop, BR)) {
    Result.Right += DX;
  } else if (PtInRect(Corners.LeftBottom, TL) && PtInRect(Corners.RightBottom, BR)) {
    Result.Right += DX;
    Result.Top += DY;
    Result.Bottom += DY;
  } else if (PtInRect(Corners.RightTop, TL) && PtInRect(Corners.RightBottom, BR)) {
    Result.Left += DX;
    Result.Right += DX;
    Result.Bottom += DY;
  } else if (PtInRect(Corners.LeftTop, TL) && PtInRect(Corners.LeftBottom, BR)) {
    Result.Bottom += DY;
  }
  return Result;
}

TRect TspSkinFormGeometry::MapAreaRect(const TRect& R, bool UseAnchors, bool AnchorLeft, bool AnchorTop,
                                       bool AnchorRight, bool AnchorBottom) const {
  if (!UseAnchors) return MapSkinRect(R);
  const TPoint Growth = FrameGrowth();
  TRect Result = R;
  if (AnchorBottom) {
    if (!AnchorTop) Result.Top += Growth.Y;
    Result.Bottom += Growth.Y;
  }
  if (AnchorRight) {
    if (!AnchorLeft) Result.Left += Growth.X;
    Result.Right += Growth.X;
  }
  return Result;
}

void TspSkinForm::PlaceSkinObjects() {
  for (auto& Object : ObjectList) Object->ObjectRect = MapSkinRect(Object->SkinRect);
  Objects().PlaceMainMenuItems();
  if (FSD && !FSD->Empty && !RectangleIsEmpty(FSD->SizeGripArea))
    Geometry().FSizeGripArea = MapSkinRect(FSD->SizeGripArea);
  else
    SetZeroRect(Geometry().FSizeGripArea);
  if (FSupportNCArea) PlaceCaptionButtons();
  // The caption of a full layered border lies in its top window.
  if (FullLayeredBorderInForce()) FBorderLayer->LayoutCaptionObjects();
}
