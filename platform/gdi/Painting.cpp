#include <algorithm>
#include <cstring>

#include "platform/gdi/PaintingInternal.h"
#include "platform/gdi/PixelOpsInternal.h"

TRect OrderedRect(int ALeft, int ATop, int ARight, int ABottom) {
  return {std::min(ALeft, ARight), std::min(ATop, ABottom), std::max(ALeft, ARight), std::max(ATop, ABottom)};
}

namespace {

// Copy-pen fills of 32-bit bitmaps, the erase and background of every window: a narrow
// rectangle (the gaps between controls) stored row by row in place, a wide one by
// filling its first row and copying that row down, without a call per row or pixel.
void FillRect32(const TSurface& ASurface, const TRect& ARect, uint32_t APixel) {
  constexpr int NarrowWidth = 8;
  const int Width = ARect.Width();
  uint8_t* First = ASurface.Pixel(ARect.Left, ARect.Top);
  if (Width <= NarrowWidth) {
    uint8_t* Row = First;
    for (int Y = ARect.Top; Y < ARect.Bottom; ++Y, Row += ASurface.Stride) {
      uint32_t* Pixels = reinterpret_cast<uint32_t*>(Row);
      for (int X = 0; X < Width; ++X) Pixels[X] = APixel;
    }
    return;
  }
  std::fill_n(reinterpret_cast<uint32_t*>(First), Width, APixel);
  const size_t Bytes = size_t(Width) * 4;
  uint8_t* Row = First + ASurface.Stride;
  for (int Y = ARect.Top + 1; Y < ARect.Bottom; ++Y, Row += ASurface.Stride) std::memcpy(Row, First, Bytes);
}

}  // namespace

void PaintRect(const TDeviceContext& ADC, const TRect& ASurfaceRect, uint32_t APixel, int ARop2) {
  const TSurface& Surface = ADC.Surface();
  if (ARop2 == R2_COPYPEN && Surface.BitsPerPixel == 32) {
    const uint32_t Pixel = APixel & 0x00FFFFFF;
    ADC.ForEachVisibleRect(ASurfaceRect, [&](const TRect& R) { FillRect32(Surface, R, Pixel); });
    return;
  }
  ADC.ForEachVisibleRect(ASurfaceRect, [&](const TRect& R) {
    for (int Y = R.Top; Y < R.Bottom; ++Y) PaintSpan(Surface, Y, R.Left, R.Right, APixel, ARop2);
  });
}

void PaintRegion(const TDeviceContext& ADC, const TRegion& ASurfaceRegion, uint32_t APixel, int ARop2) {
  for (const TRect& R : ASurfaceRegion.Rectangles()) PaintRect(ADC, R, APixel, ARop2);
}
