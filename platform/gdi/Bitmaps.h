#pragma once
// Bitmaps: blocks of 8-, 15-, 16-, 24- or 32-bit pixels that device contexts draw into.
//
// Pixels are stored as the window system's device-independent bitmaps store them: a
// 32-bit pixel is the bytes blue, green, red, alpha; a 24-bit pixel the bytes blue,
// green, red; a 16-bit pixel a little-endian word of 5 bits red, 6 green, 5 blue (red
// highest); a 15-bit pixel a word of 5 bits each, red highest, the top bit unused; an
// 8-bit pixel an index into the fixed 3-3-2 colour table (bits 7-6 blue, 5-3 green,
// 2-0 red), which is what the media engine's 8-bit pictures hold. Every row is padded
// to a multiple of 4 bytes. A bitmap made with a
// negative height in its BITMAPINFOHEADER is top-down (row 0 first in memory); a
// positive height makes it bottom-up (the bottom row first in memory), exactly as the
// program's DIB-section code expects when it addresses bmBits itself.
//
// A bitmap is a DIB section when it was made by CreateDIBSection: its memory is meant
// to be addressed directly (GetObject fills bmBits and answers DIBSECTION). One made by
// CreateCompatibleBitmap has the screen's format (32-bit, top-down) but is a
// device-dependent bitmap: GetObject leaves bmBits null, as the window system does.
//
// Bitmaps may be made and freed on any thread; the pixels of one bitmap are drawn by one
// thread at a time (the class library's canvas lock sees to that).

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gdi/GdiObject.h"

class TDeviceContext;

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr unsigned DIB_RGB_COLORS = 0;

struct BITMAPINFOHEADER {
  uint32_t biSize = 40;
  int32_t biWidth = 0;
  int32_t biHeight = 0;  // negative: top-down rows
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 0;
  uint32_t biCompression = BI_RGB;
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
  uint8_t rgbBlue = 0;
  uint8_t rgbGreen = 0;
  uint8_t rgbRed = 0;
  uint8_t rgbReserved = 0;
};

struct BITMAPINFO {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[1];
};

// What GetObject reports of a bitmap.
struct BITMAP {
  int32_t bmType = 0;
  int32_t bmWidth = 0;
  int32_t bmHeight = 0;  // always positive
  int32_t bmWidthBytes = 0;
  uint16_t bmPlanes = 1;
  uint16_t bmBitsPixel = 0;
  void* bmBits = nullptr;  // the first byte in memory; null for a device-dependent bitmap
};

// What GetObject reports of a DIB section: the BITMAP record and the header it was
// made from (biHeight keeps its sign, so it tells the row order).
struct DIBSECTION {
  BITMAP dsBm;
  BITMAPINFOHEADER dsBmih;
  uint32_t dsBitfields[3] = {0, 0, 0};
  void* dshSection = nullptr;
  uint32_t dsOffset = 0;
};

// The pixel layouts a bitmap may have, named by their bits per pixel; 15 is the 5-5-5
// layout, stored in 16 bits.
constexpr bool IsBitmapLayout(int ABitsPerPixel) {
  return ABitsPerPixel == 8 || ABitsPerPixel == 15 || ABitsPerPixel == 16 || ABitsPerPixel == 24 ||
         ABitsPerPixel == 32;
}
// The bytes one pixel of a layout takes.
constexpr int PixelBytes(int ABitsPerPixel) { return (ABitsPerPixel + 1) / 8; }

// The bytes of one row of AWidth pixels of ABitsPerPixel, padded to 4 bytes.
constexpr ptrdiff_t DibRowBytes(int AWidth, int ABitsPerPixel) {
  return ((ptrdiff_t(AWidth) * PixelBytes(ABitsPerPixel) * 8 + 31) / 32) * 4;
}

// The colour masks of a 16-bit BI_BITFIELDS bitmap in the 5-6-5 layout.
constexpr uint32_t kMask565[3] = {0xF800, 0x07E0, 0x001F};

// No bitmap is wider or taller than this, nor holds more pixels than
// kMaxBitmapPixels (256 Mi, 1 GiB at 32 bits): larger requests fail like an
// allocation failure instead of exhausting memory.
constexpr int kMaxBitmapSide = 32768;
constexpr int64_t kMaxBitmapPixels = int64_t(256) * 1024 * 1024;

// The most pixels one bitmap was asked for since the last reset, refused requests
// included: what a drawing cost at most, for tests that bound it by what is drawn.
// Any thread.
int64_t LargestBitmapRequest();
void ResetLargestBitmapRequest();

// A view of pixel memory, row 0 being the top row whatever the order in memory: row y
// starts at Scan0 + y * Stride, and Stride is negative for a bottom-up bitmap. The
// drawing routines work on this view; it does not own the memory.
struct TSurface {
  uint8_t* Scan0 = nullptr;
  ptrdiff_t Stride = 0;
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 32;  // the layout: 8, 15, 16, 24 or 32

  uint8_t* Row(int AY) const { return Scan0 + ptrdiff_t(AY) * Stride; }
  uint8_t* Pixel(int AX, int AY) const { return Row(AY) + ptrdiff_t(AX) * BytesPerPixel(); }
  int BytesPerPixel() const { return PixelBytes(BitsPerPixel); }
  bool IsEmpty() const { return Scan0 == nullptr || Width <= 0 || Height <= 0; }
};

class TBitmapObject : public TGdiObject {
 public:
  // Allocates zeroed pixels, or with AZeroed false pixels left unset for a caller that
  // fills every one of them at once; raises std::bad_alloc when the memory is not
  // there. Callers check the size limits first (CreateDIBSection and CreateDib do).
  TBitmapObject(int AWidth, int AHeight, int ABitsPerPixel, bool ATopDown, bool AIsDIBSection,
                bool AZeroed = true);
  TGdiObjectType ObjectType() const override { return OBJ_BITMAP; }

  int Width() const { return FSurface.Width; }
  int Height() const { return FSurface.Height; }
  // The layout (8, 15, 16, 24 or 32); StorageBits() is what the window system reports
  // as its bits per pixel (16 for the 5-5-5 layout).
  int BitsPerPixel() const { return FSurface.BitsPerPixel; }
  int StorageBits() const { return PixelBytes(BitsPerPixel()) * 8; }
  bool IsTopDown() const { return FSurface.Stride > 0; }
  bool IsDIBSection() const { return FIsDIBSection; }
  // The first byte in memory (the bottom row of a bottom-up bitmap).
  uint8_t* Bits() const { return FMemory.get(); }
  ptrdiff_t RowBytes() const { return DibRowBytes(Width(), BitsPerPixel()); }
  const TSurface& Surface() const { return FSurface; }

  // The device context this bitmap is selected into, or none. A bitmap is selected into
  // at most one device context at a time; the shared default bitmap of memory device
  // contexts is the exception (IsShared).
  TDeviceContext* SelectedInto() const { return FSelectedInto; }
  void SetSelectedInto(TDeviceContext* ADC) { FSelectedInto = ADC; }
  bool IsShared() const { return FIsShared; }
  void MarkShared() { FIsShared = true; }

 private:
  struct TFreeMemory {
    void operator()(uint8_t* AMemory) const;
  };
  std::unique_ptr<uint8_t, TFreeMemory> FMemory;
  TSurface FSurface;
  bool FIsDIBSection = false;
  bool FIsShared = false;
  TDeviceContext* FSelectedInto = nullptr;
};

using HBITMAP = TBitmapObject*;

// A DIB section of the size and format of ABitmapInfo (a width of at least 1; the sign
// of biHeight chooses the row order): 24 or 32 bits BI_RGB, 16 bits BI_RGB (the 5-5-5
// layout) or 16 bits BI_BITFIELDS with the masks kMask565 following the header (the
// 5-6-5 layout). Zero-filled, with its
// first byte stored in *ABits when ABits is given. ADC, ASection and AOffset are not
// used (sections live in our memory). Returns nullptr, and stores nullptr in *ABits,
// for any other format, a size beyond the limits above, or when memory runs out.
HBITMAP CreateDIBSection(TDeviceContext* ADC, const BITMAPINFO* ABitmapInfo, unsigned AUsage, void** ABits,
                         void* ASection, uint32_t AOffset);

// The C++ form: an AWidth × AHeight DIB section of any layout (8, 15, 16, 24 or 32),
// top-down unless ATopDown is false, its pixels unset when AZeroed is false (for a
// caller that fills them all at once); nullptr as CreateDIBSection.
HBITMAP CreateDib(int AWidth, int AHeight, int ABitsPerPixel, bool ATopDown = true, bool AZeroed = true);

// A bitmap in the screen's format (32 bits, top-down, zero-filled), not a DIB section;
// nullptr for a width or height below 1 or beyond the limits. ADC is not used.
HBITMAP CreateCompatibleBitmap(TDeviceContext* ADC, int AWidth, int AHeight);
