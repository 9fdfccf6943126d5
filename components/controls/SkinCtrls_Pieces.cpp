// The black off-screen image, a copy of an image, and a piece of a skin picture drawn
// with a transparent colour.

#include "components/controls/SkinCtrls_PiecesInternal.h"

void PrepareOffscreenImage(TBitmap& AImage, int AWidth, int AHeight) {
  // Black is all bits 0 in every pixel layout, alpha included, as a black fill leaves it.
  AImage.SetSizeBlack(AWidth, AHeight);
  AImage.Canvas().Brush().SetColor(clBlack);
}

void CopyImage(TBitmap& ASource, TBitmap& ATarget) {
  ATarget.SetSize(ASource.Width(), ASource.Height());
  ATarget.Canvas().Draw(0, 0, ASource);
}

void DrawSkinPiece(TCanvas& ACanvas, int AX, int AY, TBitmap* APicture, const TRect& ASource,
                   bool ATransparent, TColor AKeyColor) {
  if (APicture == nullptr || RectangleIsEmpty(ASource)) return;
  TBitmap Piece;
  CutSkinPiece(Piece, *APicture, ASource);
  if (ATransparent) {
    if (AKeyColor != clNone) Piece.SetTransparentColor(AKeyColor);
    Piece.SetTransparent(true);
  }
  ACanvas.Draw(AX, AY, Piece);
}
