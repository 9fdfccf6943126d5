// The drawing routes: into another TspBitmap, into a bottom-up 32-bit section in memory,
// and onto any device context. The two memory targets share one routine; they differ
// only in the row order and in how a scaled position is rounded.

#include <algorithm>

#include "components/core/spEffBmp.h"
#include "components/core/spEffBmp_Internal.h"

namespace {

// Screens of this platform are 32-bit (every device context draws 32-bit pixels), so
// the system's keyed transfer never loses colours on them.
constexpr int ScreenBitsPerPixel = 32;

// Rows of 32-bit pixels, row y at Scan0 + y × Stride (Stride is negative for rows that
// lie bottom to top in memory).
struct TRouteTarget {
  TspColor* Scan0 = nullptr;
  ptrdiff_t Stride = 0;
  int Width = 0;
  int Height = 0;
  // Scaled positions are rounded to nearest (halves to even) instead of truncated.
  bool RoundsPositions = false;
  TspColor* Row(int AY) const { return Scan0 + ptrdiff_t(AY) * Stride; }
};

// The source column (or row) for the destination offset AOffset when ASourceSpan
// pixels from ASourceStart are scaled onto ADestSpan pixels.
int SourcePosition(int AOffset, int ASourceStart, int ASourceSpan, int ADestSpan, bool ARound) {
  if (ADestSpan < 2) return (2 * ASourceStart + ASourceSpan - 1) / 2;
  const int64_t Numerator = int64_t(AOffset) * (ASourceSpan - 1);
  const int64_t Denominator = ADestSpan - 1;
  int64_t Quotient = Numerator / Denominator;
  if (ARound) {
    const int64_t Twice = (Numerator % Denominator) * 2;
    if (Twice > Denominator || (Twice == Denominator && (Quotient & 1))) ++Quotient;
  }
  return ASourceStart + int(Quotient);
}

using TRowKernel = void (*)(const TspColor*, TspColor*, int);

TRowKernel RowKernelOf(TDrawMode AMode) {
  switch (AMode) {
    case dmAlpha:
      return PixelKernels.BlendRow;
    case dmTransparent:
      return PixelKernels.CopyRowTransparent;
    default:
      return PixelKernels.MoveRow;
  }
}

void DrawIntoRows(const TspBitmap& ASource, const TRouteTarget& ATarget, const TRect& ADstRect,
                  const TRect& AClip, const TRect& ASrcRect, TDrawMode AMode) {
  if (IsRectEmpty(ASrcRect) || !ATarget.Scan0) return;
  TRect Visible;
  if (!IntersectRect(Visible, ADstRect, Rect(0, 0, ATarget.Width, ATarget.Height))) return;
  if (!IntersectRect(Visible, Visible, AClip)) return;
  if (ASrcRect.Left < 0 || ASrcRect.Top < 0 || ASrcRect.Right > ASource.Width() ||
      ASrcRect.Bottom > ASource.Height()) {
    return;
  }
  const TRowKernel Kernel = RowKernelOf(AMode);
  const int Count = Visible.Width();

  if (ASrcRect.Width() == ADstRect.Width() && ASrcRect.Height() == ADstRect.Height()) {
    const int SourceX = ASrcRect.Left + Visible.Left - ADstRect.Left;
    for (int Y = Visible.Top; Y < Visible.Bottom; ++Y) {
      Kernel(ASource.GetPixelPtr(SourceX, ASrcRect.Top + Y - ADstRect.Top), ATarget.Row(Y) + Visible.Left,
             Count);
    }
    return;
  }

  // Scaled by nearest neighbour: each destination column's source column is found once,
  // and a gathered row is reused while the source row repeats.
  const bool Round = ATarget.RoundsPositions;
  std::vector<int> Columns(Count);
  for (int I = 0; I < Count; ++I) {
    Columns[I] = SourcePosition(Visible.Left + I - ADstRect.Left, ASrcRect.Left, ASrcRect.Width(),
                                ADstRect.Width(), Round);
  }
  TArrayOfseColor Scratch(AMode == dmOpaque ? 0 : Count);
  int PreviousRow = -1;
  const TspColor* PreviousDest = nullptr;
  for (int Y = Visible.Top; Y < Visible.Bottom; ++Y) {
    const int SourceRow =
        SourcePosition(Y - ADstRect.Top, ASrcRect.Top, ASrcRect.Height(), ADstRect.Height(), Round);
    TspColor* Dest = ATarget.Row(Y) + Visible.Left;
    const TspColor* Line = ASource.GetScanLinePtr(SourceRow);
    if (AMode == dmOpaque) {
      if (SourceRow == PreviousRow) {
        PixelKernels.MoveRow(PreviousDest, Dest, Count);
      } else {
        for (int I = 0; I < Count; ++I) Dest[I] = Line[Columns[I]];
      }
    } else {
      if (SourceRow != PreviousRow) {
        for (int I = 0; I < Count; ++I) Scratch[I] = Line[Columns[I]];
      }
      Kernel(Scratch.data(), Dest, Count);
    }
    PreviousRow = SourceRow;
    PreviousDest = Dest;
  }
}

TRouteTarget BitmapTarget(TspBitmap& ATarget) {
  return {ATarget.Bits(), ATarget.Width(), ATarget.Width(), ATarget.Height(), false};
}

TRouteTarget SectionTarget(const TDCBits& ATarget) {
  if (ATarget.Height < 0) return {ATarget.Bits, ATarget.Width, ATarget.Width, -ATarget.Height, true};
  TspColor* Bottom = ATarget.Bits + ptrdiff_t(ATarget.Height - 1) * ATarget.Width;
  return {ATarget.Height ? Bottom : nullptr, -ptrdiff_t(ATarget.Width), ATarget.Width, ATarget.Height, true};
}

template <TDrawMode Mode>
void ToBitmap(const TspBitmap& ASource, TspBitmap& ATarget, const TRect& ADstRect, const TRect& AClip,
              const TRect& ASrcRect) {
  DrawIntoRows(ASource, BitmapTarget(ATarget), ADstRect, AClip, ASrcRect, Mode);
}

template <TDrawMode Mode>
void ToSection(const TspBitmap& ASource, const TDCBits& ATarget, const TRect& ADstRect, const TRect& AClip,
               const TRect& ASrcRect) {
  DrawIntoRows(ASource, SectionTarget(ATarget), ADstRect, AClip, ASrcRect, Mode);
}

void StretchToDC(const TspBitmap& ASource, HDC ADC, const TRect& ADstRect, const TRect& ASrcRect) {
  SetStretchBltMode(ADC, COLORONCOLOR);
  StretchBlt(ADC, ADstRect.Left, ADstRect.Top, ADstRect.Width(), ADstRect.Height(), ASource.DC(),
             ASrcRect.Left, ASrcRect.Top, ASrcRect.Width(), ASrcRect.Height(), SRCCOPY);
}

// Blending and keying onto a device context: take what is there into a bitmap of our
// own, draw into that in memory, and put it back.
void ComposeToDC(const TspBitmap& ASource, HDC ADC, const TRect& ADstRect, const TRect& ASrcRect) {
  if (IsRectEmpty(ADstRect)) return;
  TspBitmap Work;
  Work.SetSize(ADstRect.Width(), ADstRect.Height());
  const TRect Whole = Rect(0, 0, Work.Width(), Work.Height());
  BitBlt(Work.DC(), 0, 0, Whole.Right, Whole.Bottom, ADC, ADstRect.Left, ADstRect.Top, SRCCOPY);
  ASource.Draw(Work, Whole, ASrcRect);
  BitBlt(ADC, ADstRect.Left, ADstRect.Top, Whole.Right, Whole.Bottom, Work.DC(), 0, 0, SRCCOPY);
}

void TransparentBltToDC(const TspBitmap& ASource, HDC ADC, const TRect& ADstRect, const TRect& ASrcRect) {
  SystemFunctions().TransparentBlt(ADC, ADstRect.Left, ADstRect.Top, ADstRect.Width(), ADstRect.Height(),
                                   ASource.DC(), ASrcRect.Left, ASrcRect.Top, ASrcRect.Width(),
                                   ASrcRect.Height(), spTransparentKey);
}

TDCBits GetDCBits(HDC ADC) {
  DIBSECTION Section;
  const HGDIOBJ Selected = GetCurrentObject(ADC, OBJ_BITMAP);
  if (!Selected || GetObject(Selected, sizeof Section, &Section) != int(sizeof Section)) return {};
  if (!Section.dsBm.bmBits) return {};
  return {static_cast<TspColor*>(Section.dsBm.bmBits), Section.dsBmih.biWidth, Section.dsBmih.biHeight,
          Section.dsBmih.biBitCount};
}

TDrawRoutes DrawRouteTable = {
    StretchToDC,         ComposeToDC,        ComposeToDC,
    ToSection<dmOpaque>, ToSection<dmAlpha>, ToSection<dmTransparent>,
    ToBitmap<dmOpaque>,  ToBitmap<dmAlpha>,  ToBitmap<dmTransparent>,
    GetDCBits,
};

}  // namespace

void ChooseTransparentDCRoute(bool AUseSystemTransfer) {
  DrawRouteTable.TransparentToDC =
      AUseSystemTransfer && ScreenBitsPerPixel > 23 ? TransparentBltToDC : ComposeToDC;
}

const TDrawRoutes& DrawRoutes() {
  SystemFunctions();  // binds once, which settles the keyed route
  return DrawRouteTable;
}

TDrawMode DrawModeOf(const TspBitmap& ABitmap) {
  if (ABitmap.AlphaBlend) return dmAlpha;
  return ABitmap.Transparent ? dmTransparent : dmOpaque;
}

TDrawRoutes::TToBitmap BitmapRouteOf(const TspBitmap& ABitmap) {
  switch (DrawModeOf(ABitmap)) {
    case dmAlpha:
      return DrawRouteTable.StretchAlphaToBitmap;
    case dmTransparent:
      return DrawRouteTable.StretchTransparentToBitmap;
    default:
      return DrawRouteTable.StretchToBitmap;
  }
}

TDrawRoutes::TToDIB SectionRouteOf(const TspBitmap& ABitmap) {
  switch (DrawModeOf(ABitmap)) {
    case dmAlpha:
      return DrawRouteTable.AlphaToDIB;
    case dmTransparent:
      return DrawRouteTable.TransparentToDIB;
    default:
      return DrawRouteTable.DrawToDIB;
  }
}

TDrawRoutes::TToDC DCRouteOf(const TspBitmap& ABitmap) {
  const TDrawRoutes& Table = DrawRoutes();
  switch (DrawModeOf(ABitmap)) {
    case dmAlpha:
      return Table.AlphaToDC;
    case dmTransparent:
      return Table.TransparentToDC;
    default:
      return Table.StretchToDC;
  }
}
