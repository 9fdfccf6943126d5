// Drawing a TspBitmap onto device contexts, canvases and other bitmaps; tiling, merging,
// filling and importing class-library graphics.

#include <algorithm>

#include "components/core/spEffBmp.h"
#include "components/core/spEffBmp_Internal.h"

namespace {

TRect MovedByOrigin(HDC ADC, const TRect& ARect) {
  POINT Origin;
  GetWindowOrgEx(ADC, &Origin);
  TRect Moved = ARect;
  OffsetRect(Moved, -Origin.X, -Origin.Y);
  return Moved;
}

// Calls AVisit(tile, source) for every tile of ASrcRect's size laid over ADstRect from
// its top-left corner, column by column, the last ones cut to ADstRect; a cut tile
// shows the top-left part of the source.
template <typename TVisit>
void ForEachTile(const TRect& ADstRect, const TRect& ASrcRect, TVisit&& AVisit) {
  const int TileWidth = ASrcRect.Width();
  const int TileHeight = ASrcRect.Height();
  if (TileWidth <= 0 || TileHeight <= 0) return;
  for (int X = ADstRect.Left; X < ADstRect.Right; X += TileWidth) {
    for (int Y = ADstRect.Top; Y < ADstRect.Bottom; Y += TileHeight) {
      const TRect Tile =
          Rect(X, Y, std::min(X + TileWidth, ADstRect.Right), std::min(Y + TileHeight, ADstRect.Bottom));
      AVisit(Tile, Bounds(ASrcRect.Left, ASrcRect.Top, Tile.Width(), Tile.Height()));
    }
  }
}

bool MissesClip(const TRect& ATile, const TRect& AClip) {
  TRect Overlap;
  return !IsRectEmpty(AClip) && !IntersectRect(Overlap, ATile, AClip);
}

}  // namespace

// ---------------------------------------------------------------- Draw

void TspBitmap::Draw(HDC ADC, int AX, int AY) const {
  Draw(ADC, Bounds(AX, AY, FWidth, FHeight), Rect(0, 0, FWidth, FHeight));
}

void TspBitmap::Draw(HDC ADC, int AX, int AY, const TRect& ASrcRect) const {
  Draw(ADC, Bounds(AX, AY, ASrcRect.Width(), ASrcRect.Height()), ASrcRect);
}

void TspBitmap::Draw(HDC ADC, const TRect& ADstRect) const {
  Draw(ADC, ADstRect, Rect(0, 0, FWidth, FHeight));
}

void TspBitmap::Draw(HDC ADC, const TRect& ADstRect, const TRect& ASrcRect) const {
  if (!ADC || Empty()) return;
  if (TspBitmap* Target = FindBitmapByDC(ADC)) {
    Draw(*Target, MovedByOrigin(ADC, ADstRect), ASrcRect);
    return;
  }
  DCRouteOf (*this)(*this, ADC, ADstRect, ASrcRect);
}

void TspBitmap::Draw(TCanvas& ACanvas, int AX, int AY) const { Draw(ACanvas.Handle(), AX, AY); }

void TspBitmap::Draw(TCanvas& ACanvas, int AX, int AY, const TRect& ASrcRect) const {
  Draw(ACanvas.Handle(), AX, AY, ASrcRect);
}

void TspBitmap::Draw(TCanvas& ACanvas, const TRect& ADstRect) const { Draw(ACanvas.Handle(), ADstRect); }

void TspBitmap::Draw(TCanvas& ACanvas, const TRect& ADstRect, const TRect& ASrcRect) const {
  Draw(ACanvas.Handle(), ADstRect, ASrcRect);
}

void TspBitmap::Draw(TspBitmap& ABitmap, int AX, int AY) const {
  Draw(ABitmap, Bounds(AX, AY, FWidth, FHeight), Rect(0, 0, FWidth, FHeight));
}

void TspBitmap::Draw(TspBitmap& ABitmap, int AX, int AY, const TRect& ASrcRect) const {
  Draw(ABitmap, Bounds(AX, AY, ASrcRect.Width(), ASrcRect.Height()), ASrcRect);
}

void TspBitmap::Draw(TspBitmap& ABitmap, const TRect& ADstRect) const {
  Draw(ABitmap, ADstRect, Rect(0, 0, FWidth, FHeight));
}

void TspBitmap::Draw(TspBitmap& ABitmap, const TRect& ADstRect, const TRect& ASrcRect) const {
  BitmapRouteOf (*this)(*this, ABitmap, ADstRect, ADstRect, ASrcRect);
}

// ---------------------------------------------------------------- Tile, TileClip

void TspBitmap::Tile(HDC ADC, const TRect& ADstRect, const TRect& ASrcRect) const {
  if (!ADC || Empty() || IsRectEmpty(ASrcRect)) return;
  // The target is looked up once: a known bitmap or a bottom-up 32-bit section takes the
  // tiles straight into its memory.
  TspBitmap* Known = FindBitmapByDC(ADC);
  const TDCBits Section = Known ? TDCBits{} : DrawRoutes().GetDCBits(ADC);
  const bool IntoSection = Section.Bits && Section.BitsPerPixel == 32 && Section.Height > 0;
  POINT Origin;
  GetWindowOrgEx(ADC, &Origin);
  const auto IntoBitmap = BitmapRouteOf(*this);
  const auto IntoMemory = SectionRouteOf(*this);
  const auto OntoDC = DCRouteOf(*this);
  ForEachTile(ADstRect, ASrcRect, [&](TRect ATile, const TRect& ASource) {
    if (!Known && !IntoSection) {
      OntoDC(*this, ADC, ATile, ASource);
      return;
    }
    OffsetRect(ATile, -Origin.X, -Origin.Y);
    if (Known) {
      IntoBitmap(*this, *Known, ATile, ATile, ASource);
    } else {
      IntoMemory(*this, Section, ATile, ATile, ASource);
    }
  });
}

void TspBitmap::Tile(TCanvas& ACanvas, const TRect& ADstRect, const TRect& ASrcRect) const {
  Tile(ACanvas.Handle(), ADstRect, ASrcRect);
}

void TspBitmap::Tile(TspBitmap& ABitmap, const TRect& ADstRect, const TRect& ASrcRect) const {
  ForEachTile(ADstRect, ASrcRect,
              [&](const TRect& ATile, const TRect& ASource) { Draw(ABitmap, ATile, ASource); });
}

void TspBitmap::TileClip(HDC ADC, const TRect& ADstRect, const TRect& ADstClip, const TRect& ASrcRect) const {
  ForEachTile(ADstRect, ASrcRect, [&](const TRect& ATile, const TRect& ASource) {
    if (!MissesClip(ATile, ADstClip)) Draw(ADC, ATile, ASource);
  });
}

void TspBitmap::TileClip(TCanvas& ACanvas, const TRect& ADstRect, const TRect& ADstClip,
                         const TRect& ASrcRect) const {
  TileClip(ACanvas.Handle(), ADstRect, ADstClip, ASrcRect);
}

void TspBitmap::TileClip(TspBitmap& ABitmap, const TRect& ADstRect, const TRect& ADstClip,
                         const TRect& ASrcRect) const {
  ForEachTile(ADstRect, ASrcRect, [&](const TRect& ATile, const TRect& ASource) {
    if (!MissesClip(ATile, ADstClip)) Draw(ABitmap, ATile, ASource);
  });
}

// ---------------------------------------------------------------- MergeDraw, FillRect, DrawGraphic

void TspBitmap::MergeDraw(const TspBitmap& ABitmap, int AX, int AY, const TRect& ASrcRect) {
  const TRect Region =
      Rect(std::max(ASrcRect.Left, 0), std::max(ASrcRect.Top, 0), std::min(ASrcRect.Right, ABitmap.Width()),
           std::min(ASrcRect.Bottom, ABitmap.Height()));
  for (int Y = Region.Top; Y < Region.Bottom; ++Y) {
    const int OwnY = AY + Y - ASrcRect.Top;
    if (OwnY < 0 || OwnY >= FHeight) continue;
    for (int X = Region.Left; X < Region.Right; ++X) {
      const int OwnX = AX + X - ASrcRect.Left;
      if (OwnX < 0 || OwnX >= FWidth) continue;
      TspColor& Own = *GetPixelPtr(OwnX, OwnY);
      const TspColor Alpha = Own >> 24;
      if (Alpha == 0) {
        Own = *ABitmap.GetPixelPtr(X, Y);
      } else if (Alpha != 255) {
        Own = PixelKernels.BlendPixel(Own, *ABitmap.GetPixelPtr(X, Y));
      }
    }
  }
}

void TspBitmap::FillRect(const TRect& R, TspColor AColor) {
  const TRect Inside =
      Rect(std::max(R.Left, 0), std::max(R.Top, 0), std::min(R.Right, FWidth), std::min(R.Bottom, FHeight));
  if (Inside.Width() <= 0 || Inside.Height() <= 0) return;
  if (!AlphaBlend) {
    PixelKernels.FillRectPixels(FBits, FWidth, AColor, Inside.Left, Inside.Top, Inside.Right - 1,
                                Inside.Bottom - 1);
    return;
  }
  const TArrayOfseColor Row(size_t(Inside.Width()), AColor);
  for (int Y = Inside.Top; Y < Inside.Bottom; ++Y) {
    PixelKernels.BlendRow(Row.data(), GetScanLinePtr(Y) + Inside.Left, Inside.Width());
  }
}

void TspBitmap::DrawGraphic(TGraphic& AGraphic, const TRect& ADstRect) {
  if (Empty()) return;
  // The graphic is painted over magenta; whatever stays magenta it did not cover.
  constexpr TspColor Magenta = 0x00FF00FF;
  TBitmap Work;
  Work.SetPixelFormat(pf32bit);
  Work.SetSize(FWidth, FHeight);
  TCanvas& Paint = Work.Canvas();
  Paint.Brush().SetColor(clFuchsia);
  Paint.Brush().SetStyle(bsSolid);
  Paint.FillRect(Rect(-1, -1, FWidth + 1, FHeight + 1));
  Paint.StretchDraw(ADstRect, AGraphic);
  for (int Y = 0; Y < FHeight; ++Y) {
    const auto* Painted = reinterpret_cast<const TspColor*>(Work.ScanLine(Y));
    TspColor* Own = GetScanLinePtr(Y);
    for (int X = 0; X < FWidth; ++X) {
      if ((Painted[X] & spColorMask) != Magenta) Own[X] = Painted[X];
    }
  }
}
