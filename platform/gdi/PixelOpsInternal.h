#pragma once
// Pixel arithmetic shared by the drawing routines. A pixel value is the 32-bit word of
// a 32-bit bitmap pixel read in host (little-endian) order: 0xAARRGGBB. Internal to the
// drawing layer.

#include <cstdint>
#include <cstring>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Colors.h"

// A COLORREF (0x00BBGGRR) as a pixel value with alpha 0.
constexpr uint32_t ColorRefToPixel(COLORREF AColor) {
  return ((AColor & 0xFF) << 16) | (AColor & 0xFF00) | ((AColor >> 16) & 0xFF);
}
constexpr COLORREF PixelToColorRef(uint32_t APixel) { return ColorRefToPixel(APixel & 0x00FFFFFF); }

// A × B / 255 rounded to nearest, for A and B in 0..255.
constexpr uint32_t MulDiv255(uint32_t A, uint32_t B) {
  const uint32_t T = A * B + 128;
  return (T + (T >> 8)) >> 8;
}

// MulDiv255(channel, AFactor) for all four channels of APixel at once: two channels
// share each multiply, one in each 16-bit half, where the products cannot overflow.
inline uint32_t ScalePixel(uint32_t APixel, uint32_t AFactor) {
  uint32_t RedBlue = (APixel & 0x00FF00FF) * AFactor + 0x00800080;
  RedBlue = ((RedBlue + ((RedBlue >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
  uint32_t AlphaGreen = ((APixel >> 8) & 0x00FF00FF) * AFactor + 0x00800080;
  AlphaGreen = (AlphaGreen + ((AlphaGreen >> 8) & 0x00FF00FF)) & 0xFF00FF00;
  return RedBlue | AlphaGreen;
}

// A + B channel by channel, each sum saturating at 255.
inline uint32_t AddPixelsSaturating(uint32_t A, uint32_t B) {
  uint32_t RedBlue = (A & 0x00FF00FF) + (B & 0x00FF00FF);
  RedBlue |= ((RedBlue & 0x01000100) >> 8) * 0xFF;
  uint32_t AlphaGreen = ((A >> 8) & 0x00FF00FF) + ((B >> 8) & 0x00FF00FF);
  AlphaGreen |= ((AlphaGreen & 0x01000100) >> 8) * 0xFF;
  return (RedBlue & 0x00FF00FF) | ((AlphaGreen & 0x00FF00FF) << 8);
}

// The result of a raster operation on P (brush), S (source) and D (destination), bit by
// bit: bit P × 4 + S × 2 + D of ATable tells the result for that combination.
constexpr uint32_t ApplyRop3(uint8_t ATable, uint32_t P, uint32_t S, uint32_t D) {
  uint32_t R = 0;
  if (ATable & 0x01) R |= ~P & ~S & ~D;
  if (ATable & 0x02) R |= ~P & ~S & D;
  if (ATable & 0x04) R |= ~P & S & ~D;
  if (ATable & 0x08) R |= ~P & S & D;
  if (ATable & 0x10) R |= P & ~S & ~D;
  if (ATable & 0x20) R |= P & ~S & D;
  if (ATable & 0x40) R |= P & S & ~D;
  if (ATable & 0x80) R |= P & S & D;
  return R;
}

// The result of mix mode ARop2 (R2_BLACK = 1 … R2_WHITE = 16) on pen colour P and
// destination D: bit P × 2 + D of ARop2 − 1 tells the result for that combination.
constexpr uint32_t ApplyRop2(int ARop2, uint32_t P, uint32_t D) {
  const unsigned Table = unsigned(ARop2 - 1) & 15;
  uint32_t R = 0;
  if (Table & 1) R |= ~P & ~D;
  if (Table & 2) R |= ~P & D;
  if (Table & 4) R |= P & ~D;
  if (Table & 8) R |= P & D;
  return R;
}

// The pixels of the 8-, 15- and 16-bit layouts as pixel values (alpha 0) and back; a
// stored colour keeps the high bits of each channel, and a loaded one repeats its bits
// downwards, so that a stored pixel loads as the nearest colour of the layout and
// loading then storing gives the pixel back.
uint32_t LoadLowDepthPixel(const uint8_t* APixel, int ABitsPerPixel);
void StoreLowDepthPixel(uint8_t* APixel, int ABitsPerPixel, uint32_t AValue);

// A pixel of a surface of layout ABitsPerPixel (see TSurface) as a pixel value; 24-bit
// and smaller pixels read with alpha 0.
inline uint32_t LoadPixel(const uint8_t* APixel, int ABitsPerPixel) {
  if (ABitsPerPixel == 32) {
    uint32_t Value;
    std::memcpy(&Value, APixel, 4);
    return Value;
  }
  if (ABitsPerPixel == 24)
    return uint32_t(APixel[0]) | (uint32_t(APixel[1]) << 8) | (uint32_t(APixel[2]) << 16);
  return LoadLowDepthPixel(APixel, ABitsPerPixel);
}

inline void StorePixel(uint8_t* APixel, int ABitsPerPixel, uint32_t AValue) {
  if (ABitsPerPixel == 32) {
    std::memcpy(APixel, &AValue, 4);
    return;
  }
  if (ABitsPerPixel == 24) {
    APixel[0] = uint8_t(AValue);
    APixel[1] = uint8_t(AValue >> 8);
    APixel[2] = uint8_t(AValue >> 16);
    return;
  }
  StoreLowDepthPixel(APixel, ABitsPerPixel, AValue);
}

// ACount pixels of layout ASourceBits into layout ADestBits; a pixel widened to 32 bits
// from a layout without alpha gets alpha AAlpha.
void ConvertPixelRow(const uint8_t* ASource, int ASourceBits, uint8_t* ADest, int ADestBits, int ACount,
                     uint8_t AAlpha);

// Paints the pixels AX0..AX1−1 of row AY (all inside the surface) with colour APixel
// under mix mode ARop2; alpha becomes 0, as for every pen and brush drawing.
void PaintSpan(const TSurface& ASurface, int AY, int AX0, int AX1, uint32_t APixel, int ARop2);
