// Transfers between bitmaps and device-independent bitmaps in caller memory.

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/Blit.h"
#include "platform/gdi/BlitCoreInternal.h"

namespace {

// The layout of a device-independent bitmap in caller memory: its header checked (24 or
// 32 bits, BI_RGB, a size within the bitmap limits).
struct TDibTransferLayout {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 0;
  bool IsTopDown = false;
  ptrdiff_t RowBytes = 0;
};

bool ReadLayout(const BITMAPINFO* ABitmapInfo, unsigned AUsage, TDibTransferLayout& ALayout) {
  if (!ABitmapInfo || AUsage != DIB_RGB_COLORS) return false;
  const BITMAPINFOHEADER& Header = ABitmapInfo->bmiHeader;
  if (Header.biSize < sizeof(BITMAPINFOHEADER) || Header.biCompression != BI_RGB ||
      (Header.biBitCount != 24 && Header.biBitCount != 32) || Header.biHeight == INT32_MIN)
    return false;
  ALayout.Width = Header.biWidth;
  ALayout.Height = std::abs(Header.biHeight);
  if (ALayout.Width < 1 || ALayout.Height < 1 || ALayout.Width > kMaxBitmapSide ||
      ALayout.Height > kMaxBitmapSide)
    return false;
  ALayout.BitsPerPixel = Header.biBitCount;
  ALayout.IsTopDown = Header.biHeight < 0;
  ALayout.RowBytes = DibRowBytes(ALayout.Width, ALayout.BitsPerPixel);
  return true;
}

// The rows of the image that the memory at ABits holds when it starts with scan line
// AStartScan and holds ALines of them (scan lines count from the bottom of a bottom-up
// image): a surface of those rows, and in AFirstRow the image row (from the top) of its
// first row. False when the memory holds none of the image's rows.
bool BandSurface(const TDibTransferLayout& ALayout, const void* ABits, unsigned AStartScan, unsigned ALines,
                 TSurface& ABand, int& AFirstRow) {
  if (AStartScan >= unsigned(ALayout.Height) || ALines == 0) return false;
  const int Lines = int(std::min<unsigned>(ALines, unsigned(ALayout.Height) - AStartScan));
  uint8_t* Memory = static_cast<uint8_t*>(const_cast<void*>(ABits));
  ABand.Width = ALayout.Width;
  ABand.Height = Lines;
  ABand.BitsPerPixel = ALayout.BitsPerPixel;
  if (ALayout.IsTopDown) {
    AFirstRow = int(AStartScan);
    ABand.Scan0 = Memory;
    ABand.Stride = ALayout.RowBytes;
  } else {
    AFirstRow = ALayout.Height - int(AStartScan) - Lines;
    ABand.Scan0 = Memory + ALayout.RowBytes * (Lines - 1);
    ABand.Stride = -ALayout.RowBytes;
  }
  return true;
}

// The top row of a source block: as given for a top-down image; for a bottom-up one
// AYSrc names the block's lower edge counted from the image's bottom.
int SourceTop(const TDibTransferLayout& ALayout, int AYSrc, int AHeightSrc) {
  return ALayout.IsTopDown ? AYSrc : ALayout.Height - AYSrc - AHeightSrc;
}

}  // namespace

int GetDIBits(HDC, HBITMAP ABitmap, unsigned AStartScan, unsigned ALines, void* ABits,
              BITMAPINFO* ABitmapInfo, unsigned AUsage) {
  if (!ABitmap || !ABitmapInfo || AUsage != DIB_RGB_COLORS) return 0;
  BITMAPINFOHEADER& Header = ABitmapInfo->bmiHeader;
  if (!ABits) {
    Header.biWidth = ABitmap->Width();
    Header.biHeight = ABitmap->Height();
    Header.biPlanes = 1;
    if (Header.biBitCount == 0) Header.biBitCount = uint16_t(ABitmap->StorageBits());
    Header.biCompression = BI_RGB;
    Header.biSizeImage = uint32_t(DibRowBytes(Header.biWidth, Header.biBitCount) * Header.biHeight);
    return ABitmap->Height();
  }
  TDibTransferLayout Layout;
  // Rows are written as the header describes them, so its size must be the bitmap's.
  if (!ReadLayout(ABitmapInfo, AUsage, Layout) || Layout.Width != ABitmap->Width() ||
      Layout.Height != ABitmap->Height())
    return 0;
  const int Height = ABitmap->Height();
  if (AStartScan >= unsigned(Height)) return 0;
  const int Lines = int(std::min<unsigned>(ALines, unsigned(Height) - AStartScan));
  const TSurface& Source = ABitmap->Surface();
  uint8_t* Dest = static_cast<uint8_t*>(ABits);
  for (int I = 0; I < Lines; ++I) {
    const int Scan = int(AStartScan) + I;
    const int Row = Layout.IsTopDown ? Scan : Height - 1 - Scan;
    // Widening keeps alpha 0, as the window system leaves it.
    ConvertPixelRow(Source.Row(Row), Source.BitsPerPixel, Dest + Layout.RowBytes * I, Layout.BitsPerPixel,
                    Layout.Width, 0);
  }
  return Lines;
}

int SetDIBitsToDevice(HDC ADC, int AX, int AY, int AWidth, int AHeight, int AXSrc, int AYSrc,
                      unsigned AStartScan, unsigned ALines, const void* ABits, const BITMAPINFO* ABitmapInfo,
                      unsigned AUsage) {
  TDibTransferLayout Layout;
  TSurface Band;
  int FirstRow = 0;
  if (!ADC || !ABits || AWidth < 0 || AHeight < 0 || !ReadLayout(ABitmapInfo, AUsage, Layout) ||
      !BandSurface(Layout, ABits, AStartScan, ALines, Band, FirstRow))
    return 0;
  StretchSurface(ADC, AX, AY, AWidth, AHeight, Band, AXSrc, SourceTop(Layout, AYSrc, AHeight) - FirstRow,
                 AWidth, AHeight, SRCCOPY);
  return Band.Height;
}

int StretchDIBits(HDC ADC, int AX, int AY, int AWidth, int AHeight, int AXSrc, int AYSrc, int AWidthSrc,
                  int AHeightSrc, const void* ABits, const BITMAPINFO* ABitmapInfo, unsigned AUsage,
                  uint32_t ARop) {
  TDibTransferLayout Layout;
  TSurface Image;
  int FirstRow = 0;
  if (!ADC || !ABits || !ReadLayout(ABitmapInfo, AUsage, Layout) ||
      !BandSurface(Layout, ABits, 0, unsigned(Layout.Height), Image, FirstRow))
    return 0;
  if (!StretchSurface(ADC, AX, AY, AWidth, AHeight, Image, AXSrc, SourceTop(Layout, AYSrc, AHeightSrc),
                      AWidthSrc, AHeightSrc, ARop))
    return 0;
  return Layout.Height;
}
