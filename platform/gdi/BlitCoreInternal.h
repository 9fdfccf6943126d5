#pragma once
// The walk shared by every transfer: destination pixels, clipped, each mapped to its
// source pixel by the nearest-neighbour map, handed row by row to a pixel operation.
// Internal to the drawing layer.

#include <algorithm>
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PixelOpsInternal.h"

// Where a transfer reads and writes, in bitmap coordinates; both rectangles have their
// corners in order, and the mirror flags say which axes run backwards.
struct TTransfer {
  TRect Dest;
  TSurface Source;
  TRect SourceRect;
  bool MirrorX = false;
  bool MirrorY = false;
};

// The transfer from the block (AXSrc, AYSrc, AWidthSrc, AHeightSrc) of ASource (bitmap
// coordinates) to the block (AX, AY, AWidth, AHeight) of the destination bitmap. A
// negative size makes a block reach left or up from its corner; an axis whose sizes
// differ in sign is mirrored. False when either block is empty.
bool MakeTransfer(TTransfer& ATransfer, int AX, int AY, int AWidth, int AHeight, const TSurface& ASource,
                  int AXSrc, int AYSrc, int AWidthSrc, int AHeightSrc);

// The stretching transfer with raster operation ARop behind BitBlt, StretchBlt and
// StretchDIBits; the destination block is logical, the source block in ASource's
// bitmap coordinates. False when the operation reads a source and ASource is empty.
bool StretchSurface(HDC ADest, int AX, int AY, int AWidth, int AHeight, const TSurface& ASource, int AXSrc,
                    int AYSrc, int AWidthSrc, int AHeightSrc, uint32_t ARop);

// For destination index AIndex (0 ≤ AIndex < ADestSize): the source index, AStart +
// (AIndex × ASourceSize) / ADestSize, counted from the far end when mirrored.
inline int MapIndex(long long AIndex, int AStart, int ASourceSize, int ADestSize, bool AMirror) {
  const long long Offset = AIndex * ASourceSize / ADestSize;
  return int(AMirror ? AStart + ASourceSize - 1 - Offset : AStart + Offset);
}

// The source positions of the destination positions AFirst to AEnd − 1 (bitmap
// coordinates) along one axis, and the part of that range whose source lies inside
// [0, ASourceLimit).
struct TAxisMap {
  std::vector<int> Source;
  int First = 0;
  int ValidFirst = 0;
  int ValidEnd = 0;
};

TAxisMap MapAxis(int AFirst, int AEnd, int ADestStart, int ADestSize, int ASourceStart, int ASourceSize,
                 bool AMirror, int ASourceLimit);

// AOut[i] := the pixel at column AMap[i] − AOffset of ARow, a row of layout
// ABitsPerPixel.
inline void GatherPixels(const uint8_t* ARow, int ABitsPerPixel, const int* AMap, int AOffset, int ACount,
                         uint32_t* AOut) {
  if (ABitsPerPixel == 32) {
    const uint32_t* Row = reinterpret_cast<const uint32_t*>(ARow);
    for (int I = 0; I < ACount; ++I) AOut[I] = Row[AMap[I] - AOffset];
    return;
  }
  const int Bytes = PixelBytes(ABitsPerPixel);
  for (int I = 0; I < ACount; ++I)
    AOut[I] = LoadPixel(ARow + ptrdiff_t(AMap[I] - AOffset) * Bytes, ABitsPerPixel);
}

// The maps of a transfer over the part of the destination that is visible and has a
// source pixel: Limit, in bitmap coordinates. False when that part is empty.
struct TTransferMaps {
  TAxisMap Columns;
  TAxisMap Rows;
  TRect Limit;
};

bool MapTransfer(const TDeviceContext& ADC, const TTransfer& ATransfer, TTransferMaps& AMaps);

// Runs AOperation(uint8_t* ADest, int ADestBitsPerPixel, const uint32_t* ASource,
// int ACount) on every visible destination run (ADestBitsPerPixel: the destination's
// layout), ASource holding the mapped source pixels as pixel values (sources without
// alpha read with alpha 0). When the source is the
// destination's own bitmap, the source pixels are taken from a copy made first, so
// overlapping transfers read the pixels as they were before the call.
template <typename TOperation>
void RunTransfer(const TDeviceContext& ADC, const TTransfer& ATransfer, TOperation&& AOperation) {
  TTransferMaps Maps;
  if (!MapTransfer(ADC, ATransfer, Maps)) return;
  const TSurface& Dest = ADC.Surface();
  const TAxisMap& Columns = Maps.Columns;
  const TAxisMap& Rows = Maps.Rows;
  const TRect& Limit = Maps.Limit;

  // A private copy of the source block when source and destination share memory.
  TSurface Source = ATransfer.Source;
  int SourceX = 0, SourceY = 0;
  std::vector<uint32_t> Copy;
  if (Source.Scan0 == Dest.Scan0) {
    const auto [MinX, MaxX] = std::minmax_element(Columns.Source.begin() + (Limit.Left - Columns.First),
                                                  Columns.Source.begin() + (Limit.Right - Columns.First));
    const auto [MinY, MaxY] = std::minmax_element(Rows.Source.begin() + (Limit.Top - Rows.First),
                                                  Rows.Source.begin() + (Limit.Bottom - Rows.First));
    SourceX = *MinX;
    SourceY = *MinY;
    const int Width = *MaxX - *MinX + 1, Height = *MaxY - *MinY + 1;
    Copy.resize(size_t(Width) * Height);
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X)
        Copy[size_t(Y) * Width + X] =
            LoadPixel(ATransfer.Source.Pixel(SourceX + X, SourceY + Y), ATransfer.Source.BitsPerPixel);
    Source = {reinterpret_cast<uint8_t*>(Copy.data()), ptrdiff_t(Width) * 4, Width, Height, 32};
  }

  const int SourceBits = Source.BitsPerPixel, DestBits = Dest.BitsPerPixel;
  const bool IsContiguous =
      !ATransfer.MirrorX && ATransfer.SourceRect.Width() == ATransfer.Dest.Width() && SourceBits == 32;
  std::vector<uint32_t> Gathered(size_t(Limit.Width()));
  ADC.ForEachVisibleRect(Limit, [&](const TRect& R) {
    for (int Y = R.Top; Y < R.Bottom; ++Y) {
      const uint8_t* SourceRow = Source.Row(Rows.Source[Y - Rows.First] - SourceY);
      const int* Map = Columns.Source.data() + (R.Left - Columns.First);
      const uint32_t* Pixels;
      if (IsContiguous) {
        Pixels = reinterpret_cast<const uint32_t*>(SourceRow + ptrdiff_t(Map[0] - SourceX) * 4);
      } else {
        GatherPixels(SourceRow, SourceBits, Map, SourceX, R.Width(), Gathered.data());
        Pixels = Gathered.data();
      }
      AOperation(Dest.Pixel(R.Left, Y), DestBits, Pixels, R.Width());
    }
  });
}
