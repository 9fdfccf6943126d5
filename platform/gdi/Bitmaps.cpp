#include "platform/gdi/Bitmaps.h"

#include <cstdlib>
#include <new>

namespace {

bool IsSupportedSize(int AWidth, int AHeight) {
  return AWidth >= 1 && AHeight >= 1 && AWidth <= kMaxBitmapSide && AHeight <= kMaxBitmapSide &&
         int64_t(AWidth) * AHeight <= kMaxBitmapPixels;
}

HBITMAP CreateBitmapObject(int AWidth, int AHeight, int ABitsPerPixel, bool ATopDown, bool AIsDIBSection) {
  if (!IsSupportedSize(AWidth, AHeight) || (ABitsPerPixel != 24 && ABitsPerPixel != 32)) return nullptr;
  try {
    return new TBitmapObject(AWidth, AHeight, ABitsPerPixel, ATopDown, AIsDIBSection);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

void TBitmapObject::TFreeMemory::operator()(uint8_t* AMemory) const { std::free(AMemory); }

TBitmapObject::TBitmapObject(int AWidth, int AHeight, int ABitsPerPixel, bool ATopDown, bool AIsDIBSection)
    : FIsDIBSection(AIsDIBSection) {
  const ptrdiff_t RowBytes = DibRowBytes(AWidth, ABitsPerPixel);
  // calloc hands out zeroed pages lazily, so a large bitmap costs nothing until drawn.
  FMemory.reset(static_cast<uint8_t*>(std::calloc(size_t(RowBytes) * size_t(AHeight), 1)));
  if (!FMemory) throw std::bad_alloc();
  FSurface.Width = AWidth;
  FSurface.Height = AHeight;
  FSurface.BitsPerPixel = ABitsPerPixel;
  FSurface.Stride = ATopDown ? RowBytes : -RowBytes;
  FSurface.Scan0 = ATopDown ? FMemory.get() : FMemory.get() + RowBytes * (AHeight - 1);
}

HBITMAP CreateDIBSection(TDeviceContext*, const BITMAPINFO* ABitmapInfo, unsigned AUsage, void** ABits, void*,
                         uint32_t) {
  HBITMAP Result = nullptr;
  if (ABitmapInfo && AUsage == DIB_RGB_COLORS) {
    const BITMAPINFOHEADER& Header = ABitmapInfo->bmiHeader;
    if (Header.biSize >= sizeof(BITMAPINFOHEADER) && Header.biCompression == BI_RGB && Header.biPlanes == 1 &&
        Header.biHeight != INT32_MIN)
      Result = CreateBitmapObject(Header.biWidth, Header.biHeight < 0 ? -Header.biHeight : Header.biHeight,
                                  Header.biBitCount, Header.biHeight < 0, true);
  }
  if (ABits) *ABits = Result ? Result->Bits() : nullptr;
  return Result;
}

HBITMAP CreateDib(int AWidth, int AHeight, int ABitsPerPixel, bool ATopDown) {
  return CreateBitmapObject(AWidth, AHeight, ABitsPerPixel, ATopDown, true);
}

HBITMAP CreateCompatibleBitmap(TDeviceContext*, int AWidth, int AHeight) {
  return CreateBitmapObject(AWidth, AHeight, 32, true, false);
}
