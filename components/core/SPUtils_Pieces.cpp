#include <algorithm>
#include <cstdint>

#include "components/core/SPUtils.h"
#include "components/core/SPUtils_PiecesInternal.h"
#include "platform/gdi/Bitmaps.h"

namespace {

// No picture or window comes near 2^30 pixels; a rectangle reaching that far comes from
// a hostile skin file and is not drawn, so that no size computed from it overflows.
constexpr int SkinPieceLimit = 1 << 30;

bool IsDrawableSkinPiece(const TRect& ARect) {
  for (int Coordinate : {ARect.Left, ARect.Top, ARect.Right, ARect.Bottom})
    if (Coordinate < -SkinPieceLimit || Coordinate > SkinPieceLimit) return false;
  return !IsRectEmpty(ARect);
}

}  // namespace

void CopySkinPiece(TBitmap& ATarget, const TRect& ADest, TBitmap& ASource, const TRect& APiece) {
  if (!IsDrawableSkinPiece(ADest) || !IsDrawableSkinPiece(APiece)) return;
  ATarget.Canvas().CopyRect(ADest, ASource.Canvas(), APiece);
}

void TileSkinPiece(TBitmap& ATarget, const TRect& AArea, TBitmap& ASource, const TRect& APiece,
                   TSkinTileAxes AAxes) {
  if (!IsDrawableSkinPiece(APiece) || !IsDrawableSkinPiece(AArea)) return;
  const bool AlongX = AAxes != staAlongY;
  const bool AlongY = AAxes != staAlongX;
  const int64_t StepX = AlongX ? APiece.Width() : AArea.Width();
  const int64_t StepY = AlongY ? APiece.Height() : AArea.Height();
  // Pieces beyond the target are never seen; skipping them keeps a hostile geometry
  // (an edge reaching far outside the image) from costing a loop over nothing.
  const int64_t Right = std::min<int64_t>(AArea.Right, ATarget.Width());
  const int64_t Bottom = std::min<int64_t>(AArea.Bottom, ATarget.Height());
  int64_t FirstX = AArea.Left;
  if (FirstX < 0) FirstX += (-FirstX / StepX) * StepX;
  int64_t FirstY = AArea.Top;
  if (FirstY < 0) FirstY += (-FirstY / StepY) * StepY;
  for (int64_t Y = FirstY; Y < Bottom; Y += StepY) {
    const int H = int(std::min(StepY, Bottom - Y));
    for (int64_t X = FirstX; X < Right; X += StepX) {
      const int W = int(std::min(StepX, Right - X));
      const TRect Source =
          Bounds(APiece.Left, APiece.Top, AlongX ? W : APiece.Width(), AlongY ? H : APiece.Height());
      CopySkinPiece(ATarget, Bounds(int(X), int(Y), W, H), ASource, Source);
    }
  }
}

void StretchSkinPiece(TBitmap& ATarget, const TRect& ADest, TBitmap& ASource, const TRect& APiece) {
  // Tolerated: a piece reaching beyond its picture stretches the part that is there.
  TRect Piece;
  if (!IsDrawableSkinPiece(ADest) || !IsDrawableSkinPiece(APiece) ||
      !IntersectRect(Piece, APiece, Rect(0, 0, ASource.Width(), ASource.Height())))
    return;
  TBitmap Work;
  Work.SetSize(Piece.Width(), Piece.Height());
  CopySkinPiece(Work, Rect(0, 0, Work.Width(), Work.Height()), ASource, Piece);
  ATarget.Canvas().StretchDraw(ADest, Work);
}

void FillSkinEdge(TBitmap& ATarget, const TRect& AArea, TBitmap& ASource, const TRect& APiece, bool AStretch,
                  TSkinTileAxes AAxis) {
  if (AStretch)
    StretchSkinPiece(ATarget, AArea, ASource, APiece);
  else
    TileSkinPiece(ATarget, AArea, ASource, APiece, AAxis);
}

namespace {

// Coordinates from a skin file may be anything; a sum beyond int stays at its bound.
int SkinPieceSum(int A, int B) { return int(std::clamp<int64_t>(int64_t(A) + B, INT32_MIN, INT32_MAX)); }

}  // namespace

void BoundSkinValue(int& AValue) { AValue = std::clamp(AValue, -SkinCoordinateLimit, SkinCoordinateLimit); }

void BoundSkinValue(TPoint& APoint) {
  BoundSkinValue(APoint.X);
  BoundSkinValue(APoint.Y);
}

void BoundSkinValue(TRect& ARect) {
  BoundSkinValue(ARect.Left);
  BoundSkinValue(ARect.Top);
  BoundSkinValue(ARect.Right);
  BoundSkinValue(ARect.Bottom);
}

TRect SkinPieceAt(const TRect& AOrigin, int ALeft, int ATop, int ARight, int ABottom) {
  return Rect(SkinPieceSum(AOrigin.Left, ALeft), SkinPieceSum(AOrigin.Top, ATop),
              SkinPieceSum(AOrigin.Left, ARight), SkinPieceSum(AOrigin.Top, ABottom));
}
