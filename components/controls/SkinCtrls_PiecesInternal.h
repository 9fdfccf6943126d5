#pragma once
// Shared by the paints of several skinned controls of this folder: the black
// off-screen image every paint starts from, a copy of an image, and a piece of a skin
// picture drawn with a transparent colour. Pieces are cut and filled over an area by
// the core (CutSkinPiece, FillWithSkinPiece in SPUtils.h).

#include "components/controls/SkinCtrls.h"

// AImage sized AWidth × AHeight and black: what no look draws into stays black.
void PrepareOffscreenImage(TBitmap& AImage, int AWidth, int AHeight);
// ATarget becomes a copy of ASource, size and pixels, in one blit.
void CopyImage(TBitmap& ASource, TBitmap& ATarget);
// The rectangle ASource of APicture drawn at (AX, AY); with ATransparent the pixels of
// the piece's bottom-left colour (clNone) or of AKeyColor are left out. Nothing
// without a picture or for an empty rectangle.
void DrawSkinPiece(TCanvas& ACanvas, int AX, int AY, TBitmap* APicture, const TRect& ASource,
                   bool ATransparent, TColor AKeyColor = clNone);
