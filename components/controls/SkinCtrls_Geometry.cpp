// The geometry of a resizable skin element: its resize mode, its points moved to a
// control's size, the image composed at that size and rectangles mapped into it.

#include "components/controls/SkinCtrls.h"

void TspSkinElementGeometry::ReadElement(const TspDataSkinCustomControl& AData, const TspSkinData& ASkin) {
  LTPt = AData.LTPoint;
  RTPt = AData.RTPoint;
  LBPt = AData.LBPoint;
  RBPt = AData.RBPoint;
  SkinRect = ASkin.PicturePart(AData.PictureIndex, AData.SkinRect);
  ClRect = RectangleWithin(AData.ClRect, RectangleWidth(SkinRect), RectangleHeight(SkinRect));
  StretchEffect = AData.StretchEffect;
  LeftStretch = AData.LeftStretch;
  TopStretch = AData.TopStretch;
  RightStretch = AData.RightStretch;
  BottomStretch = AData.BottomStretch;
  StretchType = AData.StretchType;
  Picture = ASkin.Picture(AData.PictureIndex);
  ResizeMode = GetResizeMode();
}

int TspSkinElementGeometry::GetResizeMode() const {
  if (RectangleIsEmpty(SkinRect)) return -1;
  if (RBPt.X != 0 && RBPt.Y != 0) return 1;
  if (RTPt.X != 0 || RTPt.Y != 0) return 2;
  if (LBPt.X != 0 || LBPt.Y != 0) return 3;
  return 0;
}

void TspSkinElementGeometry::FitSize(bool AHasElement, int& AWidth, int& AHeight) {
  if (!AHasElement || ResizeMode < 0) return;
  if (ResizeMode == 0) {
    AWidth = RectangleWidth(SkinRect);
    AHeight = RectangleHeight(SkinRect);
    NewClRect = ClRect;
    return;
  }
  const int DW = AWidth - RectangleWidth(SkinRect);
  const int DH = AHeight - RectangleHeight(SkinRect);
  NewLTPoint = LTPt;
  switch (ResizeMode) {
    case 1:
      NewRTPoint = {RTPt.X + DW, RTPt.Y};
      NewLBPoint = {LBPt.X, LBPt.Y + DH};
      NewRBPoint = {RBPt.X + DW, RBPt.Y + DH};
      NewClRect = Rect(ClRect.Left, ClRect.Top, ClRect.Right + DW, ClRect.Bottom + DH);
      break;
    case 2:
      AHeight = RectangleHeight(SkinRect);
      NewRTPoint = {RTPt.X + DW, RTPt.Y};
      NewClRect = Rect(ClRect.Left, ClRect.Top, ClRect.Right + DW, ClRect.Bottom);
      break;
    default:
      AWidth = RectangleWidth(SkinRect);
      NewLBPoint = {LBPt.X, LBPt.Y + DH};
      NewClRect = Rect(ClRect.Left, ClRect.Top, ClRect.Right, ClRect.Bottom + DH);
      break;
  }
}

TspSkinImageGeometry TspSkinElementGeometry::ImageGeometry(const TRect& ASource) const {
  return {.LTPt = LTPt,
          .RTPt = RTPt,
          .LBPt = LBPt,
          .RBPt = RBPt,
          .ClRect = ClRect,
          .SkinRect = SkinRect,
          .StateRect = ASource,
          .LeftStretch = LeftStretch,
          .TopStretch = TopStretch,
          .RightStretch = RightStretch,
          .BottomStretch = BottomStretch,
          .StretchEffect = StretchEffect,
          .StretchType = StretchType};
}

TspSkinImageGeometry TspSkinElementGeometry::FittedImageGeometry(const TRect& ASource) const {
  TspSkinImageGeometry Geometry = ImageGeometry(ASource);
  Geometry.Targets = TspSkinImageTargets{NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect};
  return Geometry;
}

void TspSkinElementGeometry::ComposeImage(TBitmap& ABitmap, TBitmap* APicture, const TRect& ASource,
                                          int AWidth, int AHeight, bool ASkipNinePart) const {
  if (APicture == nullptr) return;
  switch (ResizeMode) {
    case 0:
      ABitmap.SetSize(RectangleWidth(ASource), RectangleHeight(ASource));
      ABitmap.Canvas().CopyRect(Rect(0, 0, ABitmap.Width(), ABitmap.Height()), APicture->Canvas(), ASource);
      break;
    case 1:
      if (ASkipNinePart) return;
      ComposeSkinImage(ABitmap, *APicture, FittedImageGeometry(ASource), AWidth, AHeight, true);
      break;
    case 2:
      CreateHSkinImage(LTPt.X, RectangleWidth(SkinRect) - RTPt.X, ABitmap, *APicture, ASource, AWidth,
                       AHeight, StretchEffect);
      break;
    case 3:
      CreateVSkinImage(LTPt.Y, RectangleHeight(SkinRect) - LBPt.Y, ABitmap, *APicture, ASource, AWidth,
                       AHeight, StretchEffect);
      break;
    default:
      break;
  }
}

// A rectangle of a nine-part element moved by the corner it lies in, or stretched by
// the corners its two ends lie in.
static TRect SkinGeometryMapNinePart(const TspSkinElementGeometry& AGeometry, const TRect& ARect, int ADW,
                                     int ADH) {
  const int W = RectangleWidth(AGeometry.SkinRect), H = RectangleHeight(AGeometry.SkinRect);
  const TRect LT = Rect(0, 0, AGeometry.LTPt.X, AGeometry.LTPt.Y);
  const TRect RT = Rect(AGeometry.RTPt.X, 0, W, AGeometry.RTPt.Y);
  const TRect LB = Rect(0, AGeometry.LBPt.Y, AGeometry.LBPt.X, H);
  const TRect RB = Rect(AGeometry.RBPt.X, AGeometry.RBPt.Y, W, H);
  const TPoint TopLeft{ARect.Left, ARect.Top}, BottomRight{ARect.Right, ARect.Bottom};
  TRect Q = ARect;
  if (RectangleInside(ARect, LT)) return Q;
  if (RectangleInside(ARect, RT)) {
    OffsetRect(Q, ADW, 0);
  } else if (RectangleInside(ARect, LB)) {
    OffsetRect(Q, 0, ADH);
  } else if (RectangleInside(ARect, RB)) {
    OffsetRect(Q, ADW, ADH);
  } else if (PointInRectangle(LT, TopLeft) && PointInRectangle(RB, BottomRight)) {
    Q.Right += ADW;
    Q.Bottom += ADH;
  } else if (PointInRectangle(LT, TopLeft) && PointInRectangle(RT, BottomRight)) {
    Q.Right += ADW;
  } else if (PointInRectangle(LB, TopLeft) && PointInRectangle(RB, BottomRight)) {
    Q.Right += ADW;
    OffsetRect(Q, 0, ADH);
  } else if (PointInRectangle(LT, TopLeft) && PointInRectangle(LB, BottomRight)) {
    Q.Bottom += ADH;
  } else if (PointInRectangle(RT, TopLeft) && PointInRectangle(RB, BottomRight)) {
    OffsetRect(Q, ADW, 0);
    Q.Bottom += ADH;
  }
  return Q;
}

TRect TspSkinElementGeometry::MapRectToSize(const TRect& ARect, int AWidth, int AHeight) const {
  const int DW = AWidth - RectangleWidth(SkinRect);
  const int DH = AHeight - RectangleHeight(SkinRect);
  TRect Q = ARect;
  switch (ResizeMode) {
    case 1:
      return SkinGeometryMapNinePart(*this, ARect, DW, DH);
    case 2:
      if (ARect.Left <= LTPt.X && ARect.Right >= RTPt.X) {
        Q.Right += DW;
      } else if (ARect.Left >= RTPt.X && ARect.Right > RTPt.X) {
        OffsetRect(Q, DW, 0);
      }
      break;
    case 3:
      if (ARect.Top <= LTPt.Y && ARect.Bottom >= LBPt.Y) {
        Q.Bottom += DH;
      } else if (ARect.Top >= LBPt.Y && ARect.Bottom > LBPt.Y) {
        OffsetRect(Q, 0, DH);
      }
      break;
    default:
      break;
  }
  return Q;
}
