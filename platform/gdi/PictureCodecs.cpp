#include "platform/gdi/PictureCodecs.h"

#include <algorithm>

#include "platform/gdi/CodecSupportInternal.h"

void CheckPictureSize(int64_t AWidth, int64_t AHeight, const char* AMessage) {
  if (AWidth <= 0 || AHeight <= 0 || AWidth > kMaxPictureSide || AHeight > kMaxPictureSide ||
      AWidth * AHeight > kMaxPicturePixels)
    throw EInvalidGraphic(AMessage);
}

void ResizePixelImage(TPixelImage& AImage, int AWidth, int AHeight, uint32_t AFill) {
  CheckPictureSize(AWidth, AHeight, "Picture is too large");
  AImage.Width = AWidth;
  AImage.Height = AHeight;
  AImage.Pixels.assign(size_t(AWidth) * size_t(AHeight), AFill);
}

void UpdateHasAlpha(TPixelImage& AImage) {
  AImage.HasAlpha = std::any_of(AImage.Pixels.begin(), AImage.Pixels.end(),
                                [](uint32_t APixel) { return APixel >> 24 != 0xFF; });
}

TPictureFormat DetectPictureFormat(std::span<const uint8_t> AData) {
  auto StartsWith = [&](std::initializer_list<uint8_t> ASignature) {
    return AData.size() >= ASignature.size() &&
           std::equal(ASignature.begin(), ASignature.end(), AData.begin());
  };
  if (StartsWith({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return pcfPng;
  if (StartsWith({0xFF, 0xD8, 0xFF})) return pcfJpeg;
  if (StartsWith({'B', 'M'})) return pcfBmp;
  // An icon directory has no magic number of its own: a zero word, the type, and at
  // least one image.
  if (AData.size() >= 6 && ReadLE16(AData.data()) == 0 && ReadLE16(AData.data() + 4) != 0) {
    if (ReadLE16(AData.data() + 2) == 1) return pcfIcon;
    if (ReadLE16(AData.data() + 2) == 2) return pcfCursor;
  }
  return pcfUnknown;
}

TPixelImage DecodePicture(std::span<const uint8_t> AData) {
  switch (DetectPictureFormat(AData)) {
    case pcfBmp:
      return DecodeBmp(AData);
    case pcfPng:
      return DecodePng(AData);
    case pcfJpeg:
      return DecodeJpeg(AData);
    case pcfIcon:
    case pcfCursor:
      return DecodeIcon(AData);
    case pcfUnknown:
      break;
  }
  throw EInvalidGraphic("Unknown picture file format");
}
