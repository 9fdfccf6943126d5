#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/core/SPUtils_PiecesInternal.h"

namespace {

enum TStripEnds { steBoth, steLeftOnly, steNone };

// A horizontal strip: the kept ends, then the middle of ASource (narrowed by both end
// widths, whichever ends are drawn) between them.
void ComposeHStrip(int ALeftWidth, int ARightWidth, TBitmap& ABitmap, TBitmap& ASkinPicture, TRect ASource,
                   int ANewWidth, bool AStretch, TStripEnds AEnds) {
  BoundSkinGeometry(ALeftWidth, ARightWidth, ASource);
  // As high as the source, but no higher than the picture.
  ABitmap.SetSize(std::max(ANewWidth, 0), std::clamp(RectangleHeight(ASource), 0, ASkinPicture.Height()));
  const int W = ABitmap.Width();
  const int H = ABitmap.Height();
  const int SourceW = RectangleWidth(ASource);
  const TRect Middle = SkinPieceAt(ASource, ALeftWidth, 0, SourceW - ARightWidth, H);
  const int MiddleLeft = AEnds == steNone ? 0 : ALeftWidth;
  const int MiddleRight = AEnds == steBoth ? W - ARightWidth : W;
  if (AEnds != steNone)
    CopySkinPiece(ABitmap, Rect(0, 0, ALeftWidth, H), ASkinPicture,
                  SkinPieceAt(ASource, 0, 0, ALeftWidth, H));
  if (AEnds == steBoth)
    CopySkinPiece(ABitmap, Rect(W - ARightWidth, 0, W, H), ASkinPicture,
                  SkinPieceAt(ASource, SourceW - ARightWidth, 0, SourceW, H));
  FillSkinEdge(ABitmap, Rect(MiddleLeft, 0, MiddleRight, H), ASkinPicture, Middle, AStretch, staAlongX);
}

}  // namespace

void CreateHSkinImage(int ALeftWidth, int ARightWidth, TBitmap& ABitmap, TBitmap& ASkinPicture, TRect ASource,
                      int ANewWidth, int /*ANewHeight*/, bool AStretch) {
  ComposeHStrip(ALeftWidth, ARightWidth, ABitmap, ASkinPicture, ASource, ANewWidth, AStretch, steBoth);
}

void CreateHSkinImageLeft(int ALeftWidth, int ARightWidth, TBitmap& ABitmap, TBitmap& ASkinPicture,
                          TRect ASource, int ANewWidth, int /*ANewHeight*/, bool AStretch) {
  ComposeHStrip(ALeftWidth, ARightWidth, ABitmap, ASkinPicture, ASource, ANewWidth, AStretch, steLeftOnly);
}

void CreateTiledSkinImage(int ALeftWidth, int ARightWidth, TBitmap& ABitmap, TBitmap& ASkinPicture,
                          TRect ASource, int ANewWidth, int /*ANewHeight*/, bool AStretch) {
  ComposeHStrip(ALeftWidth, ARightWidth, ABitmap, ASkinPicture, ASource, ANewWidth, AStretch, steNone);
}

void CreateVSkinImage(int ATopHeight, int ABottomHeight, TBitmap& ABitmap, TBitmap& ASkinPicture,
                      TRect ASource, int /*ANewWidth*/, int ANewHeight, bool AStretch) {
  BoundSkinGeometry(ATopHeight, ABottomHeight, ASource);
  // As wide as the source, but no wider than the picture.
  ABitmap.SetSize(std::clamp(RectangleWidth(ASource), 0, ASkinPicture.Width()), std::max(ANewHeight, 0));
  const int W = ABitmap.Width();
  const int H = ABitmap.Height();
  const int SourceH = RectangleHeight(ASource);
  CopySkinPiece(ABitmap, Rect(0, 0, W, ATopHeight), ASkinPicture, SkinPieceAt(ASource, 0, 0, W, ATopHeight));
  CopySkinPiece(ABitmap, Rect(0, H - ABottomHeight, W, H), ASkinPicture,
                SkinPieceAt(ASource, 0, SourceH - ABottomHeight, W, SourceH));
  FillSkinEdge(ABitmap, Rect(0, ATopHeight, W, H - ABottomHeight), ASkinPicture,
               SkinPieceAt(ASource, 0, ATopHeight, W, SourceH - ABottomHeight), AStretch, staAlongY);
}

void CreateSkinBorderImages(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                            TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect,
                            TBitmap& ALeftBitmap, TBitmap& ATopBitmap, TBitmap& ARightBitmap,
                            TBitmap& ABottomBitmap, TBitmap& ASkinPicture, TRect ASkinRect, int AWidth,
                            int AHeight, bool ALeftStretch, bool ATopStretch, bool ARightStretch,
                            bool ABottomStretch) {
  BoundSkinGeometry(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPt, NewRTPt, NewLBPt, NewRBPt, NewClRect, ASkinRect);
  const int PartW = RectangleWidth(ASkinRect);
  const int PartH = RectangleHeight(ASkinRect);
  auto Part = [&](int ALeft, int ATop, int ARight, int ABottom) {
    return SkinPieceAt(ASkinRect, ALeft, ATop, ARight, ABottom);
  };

  // The four strips share the target between them: none reaches beyond it, whatever
  // the client rectangle says.
  const int W = std::max(AWidth, 0), H = std::max(AHeight, 0);

  // Top and bottom: the edge between the corner points, then the two corners at their
  // own size, from the first and the last rows of the part.
  ATopBitmap.SetSize(W, std::clamp(NewClRect.Top, 0, H));
  const int TopH = ATopBitmap.Height();
  if (ATopBitmap.Width() > 0 && TopH > 0 && RTPt.X > LTPt.X) {
    FillSkinEdge(ATopBitmap, Rect(NewLTPt.X, 0, NewRTPt.X, TopH), ASkinPicture, Part(LTPt.X, 0, RTPt.X, TopH),
                 ATopStretch, staAlongX);
    CopySkinPiece(ATopBitmap, Rect(0, 0, LTPt.X, TopH), ASkinPicture, Part(0, 0, LTPt.X, TopH));
    CopySkinPiece(ATopBitmap, Rect(NewRTPt.X, 0, NewRTPt.X + PartW - RTPt.X, TopH), ASkinPicture,
                  Part(RTPt.X, 0, PartW, TopH));
  }
  ABottomBitmap.SetSize(W, int(std::clamp<int64_t>(int64_t(H) - NewClRect.Bottom, 0, H - TopH)));
  const int BottomH = ABottomBitmap.Height();
  if (ABottomBitmap.Width() > 0 && BottomH > 0 && RBPt.X > LBPt.X) {
    const int FirstRow = PartH - BottomH;
    FillSkinEdge(ABottomBitmap, Rect(NewLBPt.X, 0, NewRBPt.X, BottomH), ASkinPicture,
                 Part(LBPt.X, FirstRow, RBPt.X, PartH), ABottomStretch, staAlongX);
    CopySkinPiece(ABottomBitmap, Rect(0, 0, LBPt.X, BottomH), ASkinPicture, Part(0, FirstRow, LBPt.X, PartH));
    CopySkinPiece(ABottomBitmap, Rect(NewRBPt.X, 0, NewRBPt.X + PartW - RBPt.X, BottomH), ASkinPicture,
                  Part(RBPt.X, FirstRow, PartW, PartH));
  }

  // Left and right: as high as the top and bottom leave; the edge tiled or stretched
  // between the corner pieces, which go at both ends. Tiling starts where the edge
  // starts, as along the top and the bottom, so that a frame of the picture's own size
  // is the picture.
  const int SideH = H - BottomH - TopH;
  auto ComposeSide = [&](TBitmap& ASide, int AFirstColumn, int ATopY, int ABottomY, bool AStretch) {
    const int SideW = ASide.Width();
    if (SideW <= 0 || SideH <= 0 || ABottomY <= ATopY) return;
    const int Columns = AFirstColumn + SideW;
    const int TopPiece = ATopY - ClRect.Top;
    const int BottomPiece = ClRect.Bottom - ABottomY;
    const TRect Edge = Part(AFirstColumn, ATopY, Columns, ABottomY);
    const TRect Between = Rect(0, TopPiece, SideW, SideH - BottomPiece);
    if (AStretch)
      StretchSkinPiece(ASide, Between, ASkinPicture, Edge);
    else
      TileSkinPiece(ASide, Between, ASkinPicture, Edge, staAlongY);
    CopySkinPiece(ASide, Rect(0, 0, SideW, TopPiece), ASkinPicture,
                  Part(AFirstColumn, ClRect.Top, Columns, ATopY));
    CopySkinPiece(ASide, Rect(0, SideH - BottomPiece, SideW, SideH), ASkinPicture,
                  Part(AFirstColumn, ABottomY, Columns, ClRect.Bottom));
  };
  ALeftBitmap.SetSize(std::clamp(NewClRect.Left, 0, W), SideH);
  ComposeSide(ALeftBitmap, 0, LTPt.Y, LBPt.Y, ALeftStretch);
  ARightBitmap.SetSize(int(std::clamp<int64_t>(int64_t(W) - NewClRect.Right, 0, W - ALeftBitmap.Width())),
                       SideH);
  ComposeSide(ARightBitmap, PartW - ARightBitmap.Width(), RTPt.Y, RBPt.Y, ARightStretch);
}
