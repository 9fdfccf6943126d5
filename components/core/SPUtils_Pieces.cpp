#include <algorithm>
#include <cstdint>

#include "components/core/SPUtils.h"
#include "components/core/SPUtils_PiecesInternal.h"
#include "components/core/SkinData.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DcScopes.h"

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

void CutSkinPiece(TBitmap& APiece, TBitmap& APicture, const TRect& ASource) {
  TRect Piece;
  if (RectangleIsEmpty(ASource) ||
      !IntersectRect(Piece, ASource, Rect(0, 0, APicture.Width(), APicture.Height()))) {
    APiece.SetSize(0, 0);
    return;
  }
  APiece.SetSize(Piece.Width(), Piece.Height());
  APiece.Canvas().CopyRect(Rect(0, 0, APiece.Width(), APiece.Height()), APicture.Canvas(), Piece);
}

namespace {

// The first of the tiles laid from AStart in steps of AStep that reaches beyond AFirstSeen.
int64_t FirstSeenTile(int64_t AStart, int64_t AStep, int64_t AFirstSeen) {
  return AFirstSeen <= AStart ? AStart : AStart + (AFirstSeen - AStart) / AStep * AStep;
}

}  // namespace

void FillWithSkinPiece(TCanvas& ACanvas, const TRect& AArea, TBitmap& APiece, bool AStretch,
                       TspStretchType AStretchType) {
  const int64_t AreaWidth = int64_t(AArea.Right) - AArea.Left, AreaHeight = int64_t(AArea.Bottom) - AArea.Top;
  if (APiece.Empty() || AreaWidth <= 0 || AreaHeight <= 0) return;
  TSavedDC Saved(ACanvas.Handle());
  IntersectClipRect(ACanvas.Handle(), AArea.Left, AArea.Top, AArea.Right, AArea.Bottom);
  if (AStretch && AStretchType == spstFull) {
    ACanvas.StretchDraw(AArea, APiece);
    return;
  }
  // Tiles outside what the canvas shows are never seen: a hostile area reaching far
  // beyond the target costs nothing.
  TRect Seen;
  if (GetClipBox(ACanvas.Handle(), &Seen) == NULLREGION) return;
  TBitmap Band;
  TBitmap* Tile = &APiece;
  if (AStretch) {
    // One column (or row) stretched across the area, then repeated along it.
    const bool Across = AStretchType == spstHorz;
    const int BandWidth =
        Across ? APiece.Width() : int(std::min<int64_t>(AreaWidth, Seen.Right - AArea.Left));
    const int BandHeight =
        Across ? int(std::min<int64_t>(AreaHeight, Seen.Bottom - AArea.Top)) : APiece.Height();
    Band.SetSize(BandWidth, BandHeight);
    const int64_t StretchedWidth = Across ? APiece.Width() : std::min<int64_t>(AreaWidth, INT32_MAX);
    const int64_t StretchedHeight = Across ? std::min<int64_t>(AreaHeight, INT32_MAX) : APiece.Height();
    Band.Canvas().StretchDraw(Rect(0, 0, int(StretchedWidth), int(StretchedHeight)), APiece);
    Tile = &Band;
  }
  const int64_t StepX = Tile->Width(), StepY = Tile->Height();
  if (StepX <= 0 || StepY <= 0) return;
  for (int64_t Y = FirstSeenTile(AArea.Top, StepY, Seen.Top);
       Y < std::min<int64_t>(AArea.Bottom, Seen.Bottom); Y += StepY)
    for (int64_t X = FirstSeenTile(AArea.Left, StepX, Seen.Left);
         X < std::min<int64_t>(AArea.Right, Seen.Right); X += StepX)
      ACanvas.Draw(int(X), int(Y), *Tile);
}
