// BitBlt, StretchBlt and PatBlt: transfers under a raster operation.

#include "platform/gdi/Blit.h"

#include <cstring>

#include "platform/gdi/BlitCoreInternal.h"
#include "platform/gdi/PaintingInternal.h"

namespace {

uint8_t RopTable(uint32_t ARop) { return uint8_t(ARop >> 16); }
// Whether the result changes with S (or P): the table halves for S = 0 and S = 1 differ.
bool ReadsSource(uint8_t ATable) { return ((ATable >> 2) ^ ATable) & 0x33; }
bool ReadsPattern(uint8_t ATable) { return ((ATable >> 4) ^ ATable) & 0x0F; }

// The mix mode that does what a raster operation without source does: its results for
// S = 0 (bits 0, 1, 4, 5) are the mix mode's results for P and D.
int SourcelessRop2(uint8_t ATable) { return 1 + ((ATable & 0x03) | ((ATable >> 2) & 0x0C)); }

void CopyPixels(uint8_t* ADest, int ADestBits, const uint32_t* ASource, int ACount) {
  if (ADestBits == 32) {
    std::memcpy(ADest, ASource, size_t(ACount) * 4);
    return;
  }
  const int Step = PixelBytes(ADestBits);
  for (int I = 0; I < ACount; ++I, ADest += Step) StorePixel(ADest, ADestBits, ASource[I]);
}

// Unscaled copies between bitmaps of one format: whole rows with memcpy. False when the
// transfer is not of that kind.
bool CopyRowsDirectly(const TDeviceContext& ADC, const TTransfer& ATransfer) {
  const TSurface& Dest = ADC.Surface();
  const TSurface& Source = ATransfer.Source;
  if (ATransfer.MirrorX || ATransfer.MirrorY || ATransfer.Dest.Width() != ATransfer.SourceRect.Width() ||
      ATransfer.Dest.Height() != ATransfer.SourceRect.Height() || Source.BitsPerPixel != Dest.BitsPerPixel ||
      Source.Scan0 == Dest.Scan0)
    return false;
  const int64_t DX64 = int64_t(ATransfer.SourceRect.Left) - ATransfer.Dest.Left;
  const int64_t DY64 = int64_t(ATransfer.SourceRect.Top) - ATransfer.Dest.Top;
  // Offsets this far apart put one of the rectangles beyond any surface: nothing to copy.
  constexpr int64_t FarOffset = int64_t(1) << 30;
  if (DX64 <= -FarOffset || DX64 >= FarOffset || DY64 <= -FarOffset || DY64 >= FarOffset) return true;
  const int DX = int(DX64), DY = int(DY64);
  TRect Valid;
  if (!IntersectRect(Valid, ATransfer.Dest, Bounds(-DX, -DY, Source.Width, Source.Height))) return true;
  const size_t Bytes = size_t(Dest.BytesPerPixel());
  ADC.ForEachVisibleRect(Valid, [&](const TRect& R) {
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      std::memcpy(Dest.Pixel(R.Left, Y), Source.Pixel(R.Left + DX, Y + DY), Bytes * R.Width());
  });
  return true;
}

// Scaled copies between two 32-bit bitmaps: each destination row gathered straight
// from its source row, or copied from the row above when both show the same source row.
// False when the transfer is not of that kind.
bool StretchRowsDirectly(const TDeviceContext& ADC, const TTransfer& ATransfer) {
  const TSurface& Dest = ADC.Surface();
  const TSurface& Source = ATransfer.Source;
  if (Dest.BitsPerPixel != 32 || Source.BitsPerPixel != 32 || Source.Scan0 == Dest.Scan0) return false;
  TTransferMaps Maps;
  if (!MapTransfer(ADC, ATransfer, Maps)) return true;
  ADC.ForEachVisibleRect(Maps.Limit, [&](const TRect& R) {
    const int* Map = Maps.Columns.Source.data() + (R.Left - Maps.Columns.First);
    const size_t RowBytes = size_t(R.Width()) * 4;
    for (int Y = R.Top; Y < R.Bottom; ++Y) {
      const int SourceRow = Maps.Rows.Source[Y - Maps.Rows.First];
      uint8_t* Out = Dest.Pixel(R.Left, Y);
      if (Y > R.Top && SourceRow == Maps.Rows.Source[Y - 1 - Maps.Rows.First])
        std::memcpy(Out, Dest.Pixel(R.Left, Y - 1), RowBytes);
      else
        GatherPixels(Source.Row(SourceRow), 32, Map, 0, R.Width(), reinterpret_cast<uint32_t*>(Out));
    }
  });
  return true;
}

}  // namespace

bool StretchSurface(HDC ADest, int AX, int AY, int AWidth, int AHeight, const TSurface& ASource, int AXSrc,
                    int AYSrc, int AWidthSrc, int AHeightSrc, uint32_t ARop) {
  if (!ADest) return false;
  const uint8_t Table = RopTable(ARop);
  if (!ReadsSource(Table)) return PatBlt(ADest, AX, AY, AWidth, AHeight, ARop);
  if (ASource.IsEmpty()) return false;
  const HBRUSH Brush = ADest->State().Brush;
  if (ReadsPattern(Table) && (!Brush || Brush->IsNull())) return true;
  const TPoint Corner = ADest->LogicalToSurface(Point(AX, AY));
  TTransfer Transfer;
  if (!MakeTransfer(Transfer, Corner.X, Corner.Y, AWidth, AHeight, ASource, AXSrc, AYSrc, AWidthSrc,
                    AHeightSrc))
    return true;
  if (Table == RopTable(SRCCOPY)) {
    if (!CopyRowsDirectly(*ADest, Transfer) && !StretchRowsDirectly(*ADest, Transfer))
      RunTransfer(*ADest, Transfer, CopyPixels);
    return true;
  }
  const uint32_t Pattern = ReadsPattern(Table) ? ColorRefToPixel(Brush->Color()) : 0;
  RunTransfer(*ADest, Transfer,
              [&](uint8_t* ADestPixel, int ABits, const uint32_t* ASourcePixels, int ACount) {
                for (int I = 0; I < ACount; ++I, ADestPixel += PixelBytes(ABits))
                  StorePixel(ADestPixel, ABits,
                             ApplyRop3(Table, Pattern, ASourcePixels[I], LoadPixel(ADestPixel, ABits)));
              });
  return true;
}

bool BitBlt(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc, int AYSrc,
            uint32_t ARop) {
  return StretchBlt(ADest, AX, AY, AWidth, AHeight, ASource, AXSrc, AYSrc, AWidth, AHeight, ARop);
}

bool StretchBlt(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc, int AYSrc,
                int AWidthSrc, int AHeightSrc, uint32_t ARop) {
  if (!ReadsSource(RopTable(ARop))) return PatBlt(ADest, AX, AY, AWidth, AHeight, ARop);
  if (!ASource) return false;
  const TPoint SourceCorner = ASource->LogicalToSurface(Point(AXSrc, AYSrc));
  return StretchSurface(ADest, AX, AY, AWidth, AHeight, ASource->Surface(), SourceCorner.X, SourceCorner.Y,
                        AWidthSrc, AHeightSrc, ARop);
}

bool PatBlt(HDC ADest, int AX, int AY, int AWidth, int AHeight, uint32_t ARop) {
  const uint8_t Table = RopTable(ARop);
  if (!ADest || ReadsSource(Table)) return false;
  const HBRUSH Brush = ADest->State().Brush;
  if (ReadsPattern(Table) && (!Brush || Brush->IsNull())) return true;
  const uint32_t Pattern = ReadsPattern(Table) ? ColorRefToPixel(Brush->Color()) : 0;
  const TRect Area = ADest->LogicalToSurface(OrderedRect(AX, AY, AX + AWidth, AY + AHeight));
  PaintRect(*ADest, Area, Pattern, SourcelessRop2(Table));
  return true;
}
