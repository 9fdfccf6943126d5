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

}  // namespace

void ComposeSkinImage(TBitmap& ABitmap, TBitmap& ASkinPicture, const TspSkinImageGeometry& AGeometry,
                      int AWidth, int AHeight, bool ADrawClient) {
  TPoint LTPt = AGeometry.LTPt, RTPt = AGeometry.RTPt, LBPt = AGeometry.LBPt, RBPt = AGeometry.RBPt;
  TPoint NewLTPt = AGeometry.NewLTPt, NewRTPt = AGeometry.NewRTPt, NewLBPt = AGeometry.NewLBPt,
         NewRBPt = AGeometry.NewRBPt;
  TRect ClRect = AGeometry.ClRect, NewClRect = AGeometry.NewClRect, ASkinRect = AGeometry.SkinRect;
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
  ComposeSkinImage(ABitmap, ASkinPicture,
                   {.LTPt = ClRect.TopLeft(),
                    .RTPt = Point(ClRect.Right, ClRect.Top),
                    .LBPt = Point(ClRect.Left, ClRect.Bottom),
                    .RBPt = ClRect.BottomRight(),
                    .ClRect = ClRect,
                    .NewLTPt = NewClRect.TopLeft(),
                    .NewRTPt = Point(NewClRect.Right, NewClRect.Top),
                    .NewLBPt = Point(NewClRect.Left, NewClRect.Bottom),
                    .NewRBPt = NewClRect.BottomRight(),
                    .NewClRect = NewClRect,
                    .SkinRect = ASkinRect,
                    .LeftStretch = true,
                    .TopStretch = true,
                    .RightStretch = true,
                    .BottomStretch = true,
                    .StretchEffect = true,
                    .StretchType = spstFull},
                   W, H, ADrawClient);
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
