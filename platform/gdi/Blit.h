#pragma once
// Block transfers between device contexts and from device-independent bitmaps in
// memory. All destination coordinates are logical and honour the destination's origin
// and clip; source coordinates are logical in the source device context (its clip is
// not used). Source pixels outside the source bitmap are not drawn: those destination
// pixels keep their values (AlphaBlend and TransparentBlt refuse such a source instead,
// as the window system does).
//
// Raster operations. A raster operation combines the source pixel S, the destination
// pixel D and the brush colour P; its code carries, in bits 16 to 23, the result for
// each of the eight combinations of P, S and D bits (bit P × 4 + S × 2 + D). Every
// such code works; the named ones are below. Bits 24 to 31 (CAPTUREBLT, mirroring) are
// ignored. The operation applies to all four bytes of a 32-bit pixel: SRCCOPY copies
// alpha, and the brush colour has alpha 0. Operations that read no source (PATCOPY,
// PATINVERT, DSTINVERT, BLACKNESS, WHITENESS) are brush drawing and leave alpha 0. A
// 24-bit source gives alpha 0 on a 32-bit destination. Operations that read the brush
// draw nothing with a hollow brush.
//
// Stretching maps destination column dx (0 ≤ dx < destination width) to source
// column left + (dx × source width) / destination width, in integer arithmetic
// (truncating), and rows alike: 3 source columns over 5 destination columns take the
// columns 0, 0, 1, 1, 2. A negative width or height on one side (not both) mirrors that
// axis. Every stretch mode uses this map.

#include <cstdint>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContext.h"

constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t SRCERASE = 0x00440328;
constexpr uint32_t NOTSRCCOPY = 0x00330008;
constexpr uint32_t NOTSRCERASE = 0x001100A6;
constexpr uint32_t MERGECOPY = 0x00C000CA;
constexpr uint32_t MERGEPAINT = 0x00BB0226;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATPAINT = 0x00FB0A09;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;
constexpr uint32_t CAPTUREBLT = 0x40000000;

bool BitBlt(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc, int AYSrc,
            uint32_t ARop);
bool StretchBlt(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc, int AYSrc,
                int AWidthSrc, int AHeightSrc, uint32_t ARop);
// A raster operation without source; a negative width or height extends the
// rectangle left or up from (AX, AY).
bool PatBlt(HDC ADest, int AX, int AY, int AWidth, int AHeight, uint32_t ARop);

// Copies (stretching as above) every source pixel whose colour (blue, green, red) is
// not AKey, all four bytes; pixels of the key colour leave the destination unchanged.
// False when the source rectangle leaves the source bitmap or a size is not positive.
bool TransparentBlt(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc, int AYSrc,
                    int AWidthSrc, int AHeightSrc, COLORREF AKey);

constexpr uint8_t AC_SRC_OVER = 0x00;
constexpr uint8_t AC_SRC_ALPHA = 0x01;

struct BLENDFUNCTION {
  uint8_t BlendOp = AC_SRC_OVER;
  uint8_t BlendFlags = 0;
  uint8_t SourceConstantAlpha = 255;
  uint8_t AlphaFormat = 0;
};

// Source-over blending (stretching as above), on all four channels, with the window
// system's formula. With k = SourceConstantAlpha and m(a, b) = a × b / 255 rounded to
// nearest:
// - without AC_SRC_ALPHA: D := m(S, k) + m(D, 255 − k);
// - with AC_SRC_ALPHA (S premultiplied by its alpha): S' := m(S, k) on every channel,
//   then D := S' + m(D, 255 − alpha of S'), saturating at 255.
// False when the source rectangle leaves the source bitmap, a size is not positive, or
// BlendOp is not AC_SRC_OVER.
bool AlphaBlend(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc, int AYSrc,
                int AWidthSrc, int AHeightSrc, BLENDFUNCTION ABlend);

// Device-independent bitmaps in caller memory (24 or 32 bits, BI_RGB; rows padded to 4
// bytes; top-down when biHeight is negative) ---------------------------------------------

// Copies the rows AStartScan to AStartScan + ALines − 1 of ABitmap (counted from the
// bottom for a bottom-up request, from the top for a top-down one) into ABits in the
// format of ABitmapInfo, and returns the number of rows copied. ABitmapInfo's width
// and height (either sign) must equal the bitmap's. With a null ABits, fills in ABitmapInfo's header instead
// (width, height as a bottom-up bitmap, bit count when it was 0, image size) and
// returns the bitmap's height. 0 on failure. ADC is not used.
int GetDIBits(HDC ADC, HBITMAP ABitmap, unsigned AStartScan, unsigned ALines, void* ABits,
              BITMAPINFO* ABitmapInfo, unsigned AUsage);
// Copies the AWidth × AHeight block at (AXSrc, AYSrc) of the bitmap in ABits to
// logical (AX, AY). ABits holds only the rows AStartScan to AStartScan + ALines − 1.
// As in the window system, the source origin of a bottom-up bitmap is its lower-left
// corner: AYSrc counts rows from the bottom. A negative size draws nothing. Returns the
// number of scan lines ABits holds (ALines, cut to the image), 0 on failure.
int SetDIBitsToDevice(HDC ADC, int AX, int AY, int AWidth, int AHeight, int AXSrc, int AYSrc,
                      unsigned AStartScan, unsigned ALines, const void* ABits, const BITMAPINFO* ABitmapInfo,
                      unsigned AUsage);
// StretchBlt from a bitmap in memory, under any raster operation; the source origin of
// a bottom-up bitmap is its lower-left corner, as above. Returns the image's height, 0
// on failure.
int StretchDIBits(HDC ADC, int AX, int AY, int AWidth, int AHeight, int AXSrc, int AYSrc, int AWidthSrc,
                  int AHeightSrc, const void* ABits, const BITMAPINFO* ABitmapInfo, unsigned AUsage,
                  uint32_t ARop);
