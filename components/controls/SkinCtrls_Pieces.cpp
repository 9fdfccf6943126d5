// Pieces of skin pictures: cut out, filled over an area, drawn with a transparent
// colour.

#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "platform/gdi/DcScopes.h"

void PrepareOffscreenImage(TBitmap& AImage, int AWidth, int AHeight) {
  // Black is all bits 0 in every pixel layout, alpha included, as a black fill leaves it.
  AImage.SetSizeBlack(AWidth, AHeight);
  AImage.Canvas().Brush().SetColor(clBlack);
}

void CopyImage(TBitmap& ASource, TBitmap& ATarget) {
  ATarget.SetSize(ASource.Width(), ASource.Height());
  ATarget.Canvas().Draw(0, 0, ASource);
}

void CopySkinPiece(TBitmap& APiece, TBitmap& APicture, const TRect& ASource) {
  // Only the part of the picture the source covers is copied: a piece is never larger
  // than its picture, whatever the skin says.
  TRect Source;
  if (!IntersectRect(Source, ASource, Rect(0, 0, APicture.Width(), APicture.Height()))) {
    APiece.SetSize(0, 0);
    return;
  }
  APiece.SetSize(RectangleWidth(Source), RectangleHeight(Source));
  APiece.Canvas().CopyRect(Rect(0, 0, APiece.Width(), APiece.Height()), APicture.Canvas(), Source);
}

void FillWithSkinPiece(TCanvas& ACanvas, const TRect& AArea, TBitmap& APiece, bool AStretch,
                       TspStretchType AStretchType) {
  const int AreaWidth = RectangleWidth(AArea), AreaHeight = RectangleHeight(AArea);
  if (APiece.Empty() || AreaWidth <= 0 || AreaHeight <= 0) return;
  TSavedDC Saved(ACanvas.Handle());
  IntersectClipRect(ACanvas.Handle(), AArea.Left, AArea.Top, AArea.Right, AArea.Bottom);
  if (AStretch && AStretchType == spstFull) {
    ACanvas.StretchDraw(AArea, APiece);
    return;
  }
  TBitmap Band;
  TBitmap* Tile = &APiece;
  if (AStretch) {
    // One column (or row) stretched across the area, then repeated along it.
    const bool Across = AStretchType == spstHorz;
    Band.SetSize(Across ? APiece.Width() : AreaWidth, Across ? AreaHeight : APiece.Height());
    Band.Canvas().StretchDraw(Rect(0, 0, Band.Width(), Band.Height()), APiece);
    Tile = &Band;
  }
  for (int Y = AArea.Top; Y < AArea.Bottom; Y += Tile->Height())
    for (int X = AArea.Left; X < AArea.Right; X += Tile->Width()) ACanvas.Draw(X, Y, *Tile);
}

void DrawSkinPiece(TCanvas& ACanvas, int AX, int AY, TBitmap* APicture, const TRect& ASource,
                   bool ATransparent, TColor AKeyColor) {
  if (APicture == nullptr || RectangleIsEmpty(ASource)) return;
  TBitmap Piece;
  CopySkinPiece(Piece, *APicture, ASource);
  if (ATransparent) {
    if (AKeyColor != clNone) Piece.SetTransparentColor(AKeyColor);
    Piece.SetTransparent(true);
  }
  ACanvas.Draw(AX, AY, Piece);
}
