#pragma once
// Reading and writing picture files: BMP, PNG, JPEG, and icons and cursors (ICO, CUR).
// Every reader decodes into one plain record, TPixelImage, which the graphics classes
// turn into bitmaps. A format is recognised by the first bytes of the data, never by a
// file name.
//
// Readers take the whole file in memory and trust nothing in it: every size and offset
// is checked against the data before it is used, and the picture is refused before
// anything is allocated when it is larger than the limits below or larger than its data
// could possibly describe. A damaged or hostile file raises EInvalidGraphic; nothing
// else escapes a reader but std::bad_alloc. All routines may run on any thread.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/gdi/Geometry.h"

// A picture that cannot be read or written.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// No reader produces a picture wider or taller than this, nor one of more pixels than
// kMaxPicturePixels (256 Mi pixels, 1 GiB decoded).
constexpr int kMaxPictureSide = 32768;
constexpr int64_t kMaxPicturePixels = int64_t(256) * 1024 * 1024;

// A decoded picture: Width × Height pixels, top row first, each 0xAARRGGBB with straight
// (not premultiplied) alpha, so that in memory a pixel is blue, green, red, alpha.
struct TPixelImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;
  // True when some pixel is not fully opaque (an alpha channel, a transparent palette
  // entry or an icon mask); false pictures have alpha 255 everywhere.
  bool HasAlpha = false;
  // Bits per pixel of the file's own pixel format (1, 4, 8, 16, 24, 32, 48, 64).
  int SourceBitsPerPixel = 0;
  // The hot spot of a cursor; (0, 0) for every other picture.
  TPoint HotSpot;

  uint32_t Pixel(int AX, int AY) const { return Pixels[size_t(AY) * size_t(Width) + size_t(AX)]; }
  uint32_t* Row(int AY) { return Pixels.data() + size_t(AY) * size_t(Width); }
  const uint32_t* Row(int AY) const { return Pixels.data() + size_t(AY) * size_t(Width); }
};

// Sets the size and fills every pixel with AFill; raises EInvalidGraphic beyond the
// limits above.
void ResizePixelImage(TPixelImage& AImage, int AWidth, int AHeight, uint32_t AFill = 0xFF000000);

enum TPictureFormat { pcfUnknown, pcfBmp, pcfPng, pcfJpeg, pcfIcon, pcfCursor };

// The format the data starts like; pcfUnknown when none fits.
TPictureFormat DetectPictureFormat(std::span<const uint8_t> AData);

// Decodes data of any format above (an icon or cursor gives its best image, as
// DecodeIcon does); raises EInvalidGraphic ("Unknown picture file format") for others.
TPixelImage DecodePicture(std::span<const uint8_t> AData);

// BMP files with 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed or with bit-field
// masks, top-down or bottom-up, with a Windows (40 to 124 bytes) or OS/2 (12 bytes)
// information header. A 32-bit file without an alpha mask whose fourth bytes are all
// zero is opaque. Raises EInvalidGraphic "Bitmap image is not valid".
TPixelImage DecodeBmp(std::span<const uint8_t> AData);
// A bottom-up, uncompressed BMP file of 24 (alpha dropped) or 32 bits per pixel.
std::vector<uint8_t> EncodeBmp(const TPixelImage& AImage, int ABitsPerPixel);

// PNG files of every colour type and bit depth, interlaced or not; tRNS becomes alpha,
// 16-bit samples are scaled to 8. Raises EInvalidGraphic "Invalid PNG image: <reason>".
TPixelImage DecodePng(std::span<const uint8_t> AData);
// An RGBA (AWithAlpha) or RGB PNG of 8 bits per sample.
std::vector<uint8_t> EncodePng(const TPixelImage& AImage, bool AWithAlpha);

// Baseline and progressive JPEG files in grey, YCbCr, RGB, CMYK or YCCK. Raises
// EInvalidGraphic "JPEG error #<code>: <library's message>".
TPixelImage DecodeJpeg(std::span<const uint8_t> AData);
// A YCbCr JPEG of quality AQuality (clamped to 1..100); alpha is dropped.
std::vector<uint8_t> EncodeJpeg(const TPixelImage& AImage, int AQuality);

// One image of an icon or cursor file, as its directory describes it.
struct TIconEntry {
  int Width = 0;  // from the directory: 1..256
  int Height = 0;
  int BitsPerPixel = 0;  // 0 when the directory does not say
  uint32_t Offset = 0;   // of the image data in the file, checked to lie inside it
  uint32_t Size = 0;
  TPoint HotSpot;  // cursors only
};

// The directory of an ICO or CUR file; raises EInvalidGraphic "Icon image is not valid"
// unless every entry lies inside the data.
std::vector<TIconEntry> ReadIconDirectory(std::span<const uint8_t> AData);
// Decodes one entry: a BMP image with its AND mask, or a PNG image.
TPixelImage DecodeIconEntry(std::span<const uint8_t> AData, const TIconEntry& AEntry);
// The best image of the file: the largest, and of those the deepest.
TPixelImage DecodeIcon(std::span<const uint8_t> AData);
// An icon file of one image, stored as PNG with its alpha.
std::vector<uint8_t> EncodeIcon(const TPixelImage& AImage);
