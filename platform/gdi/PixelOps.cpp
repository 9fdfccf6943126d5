#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PixelOpsInternal.h"

void PaintSpan(const TSurface& ASurface, int AY, int AX0, int AX1, uint32_t APixel, int ARop2) {
  if (AX1 <= AX0 || ARop2 == R2_NOP) return;
  const int Bytes = ASurface.BytesPerPixel();
  uint8_t* Pixel = ASurface.Pixel(AX0, AY);
  const int Count = AX1 - AX0;
  if (ARop2 == R2_COPYPEN && Bytes == 4) {
    std::fill_n(reinterpret_cast<uint32_t*>(Pixel), Count, APixel & 0x00FFFFFF);
    return;
  }
  for (int I = 0; I < Count; ++I, Pixel += Bytes)
    StorePixel(Pixel, Bytes, ApplyRop2(ARop2, APixel, LoadPixel(Pixel, Bytes)) & 0x00FFFFFF);
}
