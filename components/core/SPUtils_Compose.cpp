#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/core/SPUtils_PiecesInternal.h"
#include "components/core/SkinData.h"

namespace {

// The client piece into ATarget: tiled both ways, or through a work bitmap stretched
// by AStretchType (spstHorz and spstVert repeat the stretched copy, cut at ATarget).
void DrawComposedClient(TBitmap& ABitmap, const TRect& ATarget, TBitmap& ASkinPicture, const TRect& APiece,
                        bool AStretchEffect, TspStretchType AStretchType) {
  if (!AStretchEffect) {
    TileSkinPiece(ABitmap, ATarget, ASkinPicture, APiece, staBoth);
    return;
  }
  // Tolerated, as for every stretched piece: a client reaching beyond its picture
  // stretches the part that is there.
  TRect Piece;
  if (IsRectEmpty(ATarget) ||
      !IntersectRect(Piece, APiece, Rect(0, 0, ASkinPicture.Width(), ASkinPicture.Height())))
    return;
  TBitmap Stretched;
  switch (AStretchType) {
    case spstHorz:
      Stretched.SetSize(Piece.Width(), RectangleHeight(ATarget));
      StretchSkinPiece(Stretched, Rect(0, 0, Stretched.Width(), Stretched.Height()), ASkinPicture, Piece);
      TileSkinPiece(ABitmap, ATarget, Stretched, Rect(0, 0, Stretched.Width(), Stretched.Height()),
                    staAlongX);
      break;
    case spstVert:
      Stretched.SetSize(RectangleWidth(ATarget), Piece.Height());
      StretchSkinPiece(Stretched, Rect(0, 0, Stretched.Width(), Stretched.Height()), ASkinPicture, Piece);
      TileSkinPiece(ABitmap, ATarget, Stretched, Rect(0, 0, Stretched.Width(), Stretched.Height()),
                    staAlongY);
      break;
    default:
      StretchSkinPiece(ABitmap, ATarget, ASkinPicture, Piece);
  }
}

// The usual places in an AWidth x AHeight image: the top left corner kept, the other
// corners and the client rectangle moved by the growth over SkinRect's size.
TspSkinImageTargets SkinImageTargetsGrown(const TspSkinImageGeometry& AGeometry, int AWidth, int AHeight) {
  const int DX = AWidth - RectangleWidth(AGeometry.SkinRect);
  const int DY = AHeight - RectangleHeight(AGeometry.SkinRect);
  const TRect& Cl = AGeometry.ClRect;
  return {.LTPt = AGeometry.LTPt,
          .RTPt = Point(AGeometry.RTPt.X + DX, AGeometry.RTPt.Y),
          .LBPt = Point(AGeometry.LBPt.X, AGeometry.LBPt.Y + DY),
          .RBPt = Point(AGeometry.RBPt.X + DX, AGeometry.RBPt.Y + DY),
          .ClRect = Rect(Cl.Left, Cl.Top, Cl.Right + DX, Cl.Bottom + DY)};
}

}  // namespace

TspSkinImageGeometry SkinImageGeometryAtClient(const TRect& AClRect, const TRect& ASkinRect,
                                               const TRect& ANewClRect) {
  return {.LTPt = AClRect.TopLeft(),
          .RTPt = Point(AClRect.Right, AClRect.Top),
          .LBPt = Point(AClRect.Left, AClRect.Bottom),
          .RBPt = AClRect.BottomRight(),
          .ClRect = AClRect,
          .SkinRect = ASkinRect,
          .Targets = TspSkinImageTargets{.LTPt = ANewClRect.TopLeft(),
                                         .RTPt = Point(ANewClRect.Right, ANewClRect.Top),
                                         .LBPt = Point(ANewClRect.Left, ANewClRect.Bottom),
                                         .RBPt = ANewClRect.BottomRight(),
                                         .ClRect = ANewClRect}};
}

void ComposeSkinImage(TBitmap& ABitmap, TBitmap& ASkinPicture, const TspSkinImageGeometry& AGeometry,
                      int AWidth, int AHeight, bool ADrawClient) {
  const TspSkinImageTargets Targets =
      AGeometry.Targets ? *AGeometry.Targets : SkinImageTargetsGrown(AGeometry, AWidth, AHeight);
  TPoint LTPt = AGeometry.LTPt, RTPt = AGeometry.RTPt, LBPt = AGeometry.LBPt, RBPt = AGeometry.RBPt;
  TPoint NewLTPt = Targets.LTPt, NewRTPt = Targets.RTPt, NewLBPt = Targets.LBPt, NewRBPt = Targets.RBPt;
  TRect ClRect = AGeometry.ClRect, NewClRect = Targets.ClRect;
  TRect ASkinRect = AGeometry.StateRect.value_or(AGeometry.SkinRect);
  ABitmap.SetSize(std::max(AWidth, 0), std::max(AHeight, 0));
  BoundSkinGeometry(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPt, NewRTPt, NewLBPt, NewRBPt, NewClRect, ASkinRect);
  if (RBPt.X == LTPt.X || RBPt.Y == LTPt.Y || ASkinPicture.Empty()) return;
  const int W = ABitmap.Width();
  const int H = ABitmap.Height();
  const int PartW = RectangleWidth(ASkinRect);
  const int PartH = RectangleHeight(ASkinRect);
  const bool WithRight = !AGeometry.WithoutRight;
  auto Part = [&](int ALeft, int ATop, int ARight, int ABottom) {
    return SkinPieceAt(ASkinRect, ALeft, ATop, ARight, ABottom);
  };

  FillSkinEdge(ABitmap, Rect(NewLTPt.X, 0, WithRight ? NewRTPt.X : W, NewClRect.Top), ASkinPicture,
               Part(LTPt.X, 0, RTPt.X, ClRect.Top), AGeometry.TopStretch, staAlongX);
  FillSkinEdge(ABitmap, Rect(NewLBPt.X, NewClRect.Bottom, WithRight ? NewRBPt.X : W, H), ASkinPicture,
               Part(LBPt.X, ClRect.Bottom, RBPt.X, PartH), AGeometry.BottomStretch, staAlongX);
  FillSkinEdge(ABitmap, Rect(0, NewLTPt.Y, NewClRect.Left, NewLBPt.Y), ASkinPicture,
               Part(0, LTPt.Y, ClRect.Left, LBPt.Y), AGeometry.LeftStretch, staAlongY);
  if (WithRight)
    FillSkinEdge(ABitmap, Rect(NewClRect.Right, NewRTPt.Y, W, NewRBPt.Y), ASkinPicture,
                 Part(ClRect.Right, RTPt.Y, PartW, RBPt.Y), AGeometry.RightStretch, staAlongY);

  struct TCornerPiece {
    TRect Source;
    TRect Target;
  };
  const TCornerPiece LeftCorners[] = {
      {Part(0, 0, LTPt.X, ClRect.Top), Rect(0, 0, NewLTPt.X, NewClRect.Top)},
      {Part(0, ClRect.Top, ClRect.Left, LTPt.Y), Rect(0, NewClRect.Top, NewClRect.Left, NewLTPt.Y)},
      {Part(0, LBPt.Y, ClRect.Left, PartH), Rect(0, NewLBPt.Y, NewClRect.Left, H)},
      {Part(ClRect.Left, ClRect.Bottom, LBPt.X, PartH), Rect(NewClRect.Left, NewClRect.Bottom, NewLBPt.X, H)},
  };
  const TCornerPiece RightCorners[] = {
      {Part(RTPt.X, 0, PartW, ClRect.Top), Rect(NewRTPt.X, 0, W, NewClRect.Top)},
      {Part(ClRect.Right, ClRect.Top, PartW, RTPt.Y), Rect(NewClRect.Right, NewClRect.Top, W, NewRTPt.Y)},
      {Part(RBPt.X, ClRect.Bottom, PartW, PartH), Rect(NewRBPt.X, NewClRect.Bottom, W, H)},
      {Part(ClRect.Right, RBPt.Y, PartW, ClRect.Bottom),
       Rect(NewClRect.Right, NewRBPt.Y, W, NewClRect.Bottom)},
  };
  for (const TCornerPiece& Corner : LeftCorners)
    CopySkinPiece(ABitmap, Corner.Target, ASkinPicture, Corner.Source);
  if (WithRight)
    for (const TCornerPiece& Corner : RightCorners)
      CopySkinPiece(ABitmap, Corner.Target, ASkinPicture, Corner.Source);

  if (!ADrawClient) return;
  TRect ClientTarget = NewClRect;
  if (!WithRight) ClientTarget.Right = W;
  DrawComposedClient(ABitmap, ClientTarget, ASkinPicture,
                     Part(ClRect.Left, ClRect.Top, ClRect.Right, ClRect.Bottom), AGeometry.StretchEffect,
                     AGeometry.StretchType);
}

void StretchSkinImage(TBitmap& ABitmap, TBitmap& ASkinPicture, TRect ASkinRect, TRect ClRect,
                      bool ADrawClient) {
  BoundSkinGeometry(ASkinRect, ClRect);
  const int W = ABitmap.Width();
  const int H = ABitmap.Height();
  const TRect NewClRect = Rect(ClRect.Left, ClRect.Top, W - (RectangleWidth(ASkinRect) - ClRect.Right),
                               H - (RectangleHeight(ASkinRect) - ClRect.Bottom));
  TspSkinImageGeometry Geometry = SkinImageGeometryAtClient(ClRect, ASkinRect, NewClRect);
  Geometry.LeftStretch = Geometry.TopStretch = Geometry.RightStretch = Geometry.BottomStretch = true;
  Geometry.StretchEffect = true;
  Geometry.StretchType = spstFull;
  ComposeSkinImage(ABitmap, ASkinPicture, Geometry, W, H, ADrawClient);
}

void CreateSkinClientImage(TRect ClRect, TRect NewClRect, TBitmap& ABitmap, TBitmap& ASkinPicture,
                           TRect ASkinRect, int AWidth, int AHeight, bool AStretchEffect,
                           TspStretchType AStretchType) {
  ABitmap.SetSize(std::max(AWidth, 0), std::max(AHeight, 0));
  BoundSkinGeometry(ClRect, NewClRect, ASkinRect);
  if (RectangleWidth(NewClRect) <= 0 || RectangleHeight(NewClRect) <= 0) return;
  const TRect Piece = SkinPieceAt(ASkinRect, ClRect.Left, ClRect.Top, ClRect.Right, ClRect.Bottom);
  if (AStretchEffect)
    DrawComposedClient(ABitmap, NewClRect, ASkinPicture, Piece, true, AStretchType);
  else
    TileSkinPiece(ABitmap, Rect(0, 0, RectangleWidth(NewClRect), RectangleHeight(NewClRect)), ASkinPicture,
                  Piece, staBoth);
}
