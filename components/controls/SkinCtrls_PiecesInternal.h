#pragma once
// Pieces of skin pictures drawn by several skinned controls of this folder: a piece
// cut out of a picture, an area filled with a piece, a piece drawn with a transparent
// colour, and the black off-screen image every paint starts from.

#include "components/controls/SkinCtrls.h"

// AImage sized AWidth × AHeight and black: what no look draws into stays black.
void PrepareOffscreenImage(TBitmap& AImage, int AWidth, int AHeight);
// ATarget becomes a copy of ASource, size and pixels, in one blit.
void CopyImage(TBitmap& ASource, TBitmap& ATarget);
// APiece becomes the rectangle ASource of APicture (empty for an empty rectangle).
void CopySkinPiece(TBitmap& APiece, TBitmap& APicture, const TRect& ASource);
// AArea of the canvas filled with APiece, clipped to the area: without AStretch tiled
// from its top-left (the last column and row cut); with it stretched over the area
// (spstFull), stretched to the area's height and repeated across (spstHorz), or
// stretched to its width and repeated downwards (spstVert). An empty piece or area
// fills nothing.
void FillWithSkinPiece(TCanvas& ACanvas, const TRect& AArea, TBitmap& APiece, bool AStretch,
                       TspStretchType AStretchType);
// The rectangle ASource of APicture drawn at (AX, AY); with ATransparent the pixels of
// the piece's bottom-left colour (clNone) or of AKeyColor are left out. Nothing
// without a picture or for an empty rectangle.
void DrawSkinPiece(TCanvas& ACanvas, int AX, int AY, TBitmap* APicture, const TRect& ASource,
                   bool ATransparent, TColor AKeyColor = clNone);
