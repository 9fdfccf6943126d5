#pragma once
// Placing pieces of a skin picture in a target bitmap: copied, tiled or stretched.
// Shared by the composition and the mask-region files of SPUtils, and by the skin
// readers, which keep the geometry they read within the same bounds.

#include "platform/gdi/Geometry.h"
#include "platform/gdi/Graphics.h"

enum TSkinTileAxes { staAlongX, staAlongY, staBoth };

// Copies APiece of ASource into ADest of ATarget, stretched when the sizes differ;
// nothing when either rectangle is empty.
void CopySkinPiece(TBitmap& ATarget, const TRect& ADest, TBitmap& ASource, const TRect& APiece);

// Repeats APiece over AArea from the area's top left, along the given axes; along an
// axis that is not repeated the piece fills the area's extent. Pieces are copied at
// their own size and the last one is cut at the area's right or bottom, its source
// shortened at the far side. Nothing for an empty area or a piece of length 0.
void TileSkinPiece(TBitmap& ATarget, const TRect& AArea, TBitmap& ASource, const TRect& APiece,
                   TSkinTileAxes AAxes);

// Copies APiece into a work bitmap of its size and draws that stretched into ADest.
void StretchSkinPiece(TBitmap& ATarget, const TRect& ADest, TBitmap& ASource, const TRect& APiece);

// An edge between two corners: stretched into AArea with AStretch, else tiled along
// AAxis.
void FillSkinEdge(TBitmap& ATarget, const TRect& AArea, TBitmap& ASource, const TRect& APiece, bool AStretch,
                  TSkinTileAxes AAxis);

// Skin geometry cut to SkinCoordinateLimit (half a bitmap's greatest side) either way, so that no sum or
// difference of a few coordinates overflows and no extent between two of them exceeds
// what a bitmap can hold. A skin file may hold any 32-bit number; no screen is that
// large, so nothing that could be seen is lost.
void BoundSkinValue(int& AValue);
void BoundSkinValue(TPoint& APoint);
void BoundSkinValue(TRect& ARect);
template <class... TValues>
void BoundSkinGeometry(TValues&... AValues) {
  (BoundSkinValue(AValues), ...);
}

// ARect moved by the top left of AOrigin: a rectangle relative to a skin part, in the
// coordinates of the whole skin picture.
TRect SkinPieceAt(const TRect& AOrigin, int ALeft, int ATop, int ARight, int ABottom);
