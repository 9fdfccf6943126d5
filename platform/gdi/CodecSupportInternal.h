#pragma once
// Helpers shared by the picture readers and writers (not for other code): little-endian
// fields, the size limits, and the device-independent bitmap that BMP files and icons
// both carry.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/PictureCodecs.h"

inline uint16_t ReadLE16(const uint8_t* P) { return uint16_t(P[0] | P[1] << 8); }
inline uint32_t ReadLE32(const uint8_t* P) {
  return uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16 | uint32_t(P[3]) << 24;
}
inline void WriteLE16(std::vector<uint8_t>& AOut, uint16_t AValue) {
  AOut.push_back(uint8_t(AValue));
  AOut.push_back(uint8_t(AValue >> 8));
}
inline void WriteLE32(std::vector<uint8_t>& AOut, uint32_t AValue) {
  for (int Shift = 0; Shift < 32; Shift += 8) AOut.push_back(uint8_t(AValue >> Shift));
}

// Raises EInvalidGraphic(AMessage) unless the size is positive and within the limits.
void CheckPictureSize(int64_t AWidth, int64_t AHeight, const char* AMessage);

// Sets HasAlpha from the pixels.
void UpdateHasAlpha(TPixelImage& AImage);

// Where the pixel rows of a device-independent bitmap lie and what to do with them.
struct TDibLayout {
  // Offset of the pixel rows in the data; 0 = right after the colour table.
  size_t BitsOffset = 0;
  // Icons store the colour image and a 1-bit AND mask below each other, and their
  // header gives the height of both together.
  bool IconMask = false;
  // The text of the EInvalidGraphic raised for a damaged bitmap.
  const char* ErrorText = "Bitmap image is not valid";
};

// Decodes a bitmap whose information header starts at AHeaderOffset of AData.
TPixelImage DecodeDib(std::span<const uint8_t> AData, size_t AHeaderOffset, const TDibLayout& ALayout);
