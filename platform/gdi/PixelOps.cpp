#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PixelOpsInternal.h"

void PaintSpan(const TSurface& ASurface, int AY, int AX0, int AX1, uint32_t APixel, int ARop2) {
  if (AX1 <= AX0 || ARop2 == R2_NOP) return;
  const int Bits = ASurface.BitsPerPixel, Bytes = ASurface.BytesPerPixel();
  uint8_t* Pixel = ASurface.Pixel(AX0, AY);
  const int Count = AX1 - AX0;
  if (ARop2 == R2_COPYPEN && Bits == 32) {
    std::fill_n(reinterpret_cast<uint32_t*>(Pixel), Count, APixel & 0x00FFFFFF);
    return;
  }
  for (int I = 0; I < Count; ++I, Pixel += Bytes)
    StorePixel(Pixel, Bits, ApplyRop2(ARop2, APixel, LoadPixel(Pixel, Bits)) & 0x00FFFFFF);
}

namespace {

// A channel of ABits bits widened to 8 by repeating its bits.
uint32_t WidenChannel(uint32_t AValue, int ABits) {
  uint32_t Result = AValue << (8 - ABits);
  for (int Filled = ABits; Filled < 8; Filled += ABits) Result |= Result >> Filled;
  return Result & 0xFF;
}

uint32_t PackLowDepth(uint32_t AValue, int ARedBits, int AGreenBits, int ABlueBits) {
  const uint32_t Red = (AValue >> 16) & 0xFF, Green = (AValue >> 8) & 0xFF, Blue = AValue & 0xFF;
  return (Red >> (8 - ARedBits)) << (AGreenBits + ABlueBits) | (Green >> (8 - AGreenBits)) << ABlueBits |
         Blue >> (8 - ABlueBits);
}

uint32_t UnpackLowDepth(uint32_t AWord, int ARedBits, int AGreenBits, int ABlueBits) {
  const uint32_t Red = AWord >> (AGreenBits + ABlueBits) & ((1u << ARedBits) - 1);
  const uint32_t Green = AWord >> ABlueBits & ((1u << AGreenBits) - 1);
  const uint32_t Blue = AWord & ((1u << ABlueBits) - 1);
  return WidenChannel(Red, ARedBits) << 16 | WidenChannel(Green, AGreenBits) << 8 |
         WidenChannel(Blue, ABlueBits);
}

}  // namespace

uint32_t LoadLowDepthPixel(const uint8_t* APixel, int ABitsPerPixel) {
  if (ABitsPerPixel == 8) {
    // Bits 7-6 blue, 5-3 green, 2-0 red.
    const uint32_t Index = APixel[0];
    return WidenChannel(Index & 7, 3) << 16 | WidenChannel((Index >> 3) & 7, 3) << 8 |
           WidenChannel(Index >> 6, 2);
  }
  const uint32_t Word = uint32_t(APixel[0]) | uint32_t(APixel[1]) << 8;
  return ABitsPerPixel == 16 ? UnpackLowDepth(Word, 5, 6, 5) : UnpackLowDepth(Word, 5, 5, 5);
}

void StoreLowDepthPixel(uint8_t* APixel, int ABitsPerPixel, uint32_t AValue) {
  if (ABitsPerPixel == 8) {
    const uint32_t Red = (AValue >> 16) & 0xFF, Green = (AValue >> 8) & 0xFF, Blue = AValue & 0xFF;
    APixel[0] = uint8_t((Blue >> 6) << 6 | (Green >> 5) << 3 | Red >> 5);
    return;
  }
  const uint32_t Word = ABitsPerPixel == 16 ? PackLowDepth(AValue, 5, 6, 5) : PackLowDepth(AValue, 5, 5, 5);
  APixel[0] = uint8_t(Word);
  APixel[1] = uint8_t(Word >> 8);
}

void ConvertPixelRow(const uint8_t* ASource, int ASourceBits, uint8_t* ADest, int ADestBits, int ACount,
                     uint8_t AAlpha) {
  if (ASourceBits == ADestBits) {
    std::memcpy(ADest, ASource, size_t(ACount) * size_t(PixelBytes(ASourceBits)));
    return;
  }
  const int SourceStep = PixelBytes(ASourceBits), DestStep = PixelBytes(ADestBits);
  const uint32_t Alpha = ASourceBits == 32 ? 0 : uint32_t(AAlpha) << 24;
  for (int X = 0; X < ACount; ++X, ASource += SourceStep, ADest += DestStep)
    StorePixel(ADest, ADestBits, LoadPixel(ASource, ASourceBits) | Alpha);
}
