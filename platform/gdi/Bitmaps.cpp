#include "platform/gdi/Bitmaps.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

std::atomic<int64_t> LargestRequest{0};

void NoteBitmapRequest(int AWidth, int AHeight) {
  const int64_t Pixels = int64_t(std::max(AWidth, 0)) * std::max(AHeight, 0);
  int64_t Known = LargestRequest.load(std::memory_order_relaxed);
  while (Pixels > Known && !LargestRequest.compare_exchange_weak(Known, Pixels, std::memory_order_relaxed)) {
  }
}

bool IsSupportedSize(int AWidth, int AHeight) {
  return AWidth >= 1 && AHeight >= 1 && AWidth <= kMaxBitmapSide && AHeight <= kMaxBitmapSide &&
         int64_t(AWidth) * AHeight <= kMaxBitmapPixels;
}

HBITMAP CreateBitmapObject(int AWidth, int AHeight, int ABitsPerPixel, bool ATopDown, bool AIsDIBSection,
                           bool AZeroed = true) {
  NoteBitmapRequest(AWidth, AHeight);
  if (!IsSupportedSize(AWidth, AHeight) || !IsBitmapLayout(ABitsPerPixel)) return nullptr;
  try {
    return new TBitmapObject(AWidth, AHeight, ABitsPerPixel, ATopDown, AIsDIBSection, AZeroed);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// The layout a section header asks for, 0 for none we make. The 8-bit layout has a
// fixed colour table, so it is made only through CreateDib.
int SectionLayout(const BITMAPINFO& AInfo) {
  const BITMAPINFOHEADER& Header = AInfo.bmiHeader;
  if (Header.biCompression == BI_RGB)
    return Header.biBitCount == 24 || Header.biBitCount == 32 ? Header.biBitCount
           : Header.biBitCount == 16                          ? 15
                                                              : 0;
  if (Header.biCompression != BI_BITFIELDS || Header.biBitCount != 16) return 0;
  // The masks follow the header, in memory the caller made large enough for them.
  uint32_t Masks[3];
  std::memcpy(Masks, reinterpret_cast<const uint8_t*>(&AInfo) + sizeof(BITMAPINFOHEADER), sizeof(Masks));
  return std::equal(Masks, Masks + 3, kMask565) ? 16 : 0;
}

}  // namespace

void TBitmapObject::TFreeMemory::operator()(uint8_t* AMemory) const { std::free(AMemory); }

TBitmapObject::TBitmapObject(int AWidth, int AHeight, int ABitsPerPixel, bool ATopDown, bool AIsDIBSection,
                             bool AZeroed)
    : FIsDIBSection(AIsDIBSection) {
  const ptrdiff_t RowBytes = DibRowBytes(AWidth, ABitsPerPixel);
  const size_t Bytes = size_t(RowBytes) * size_t(AHeight);
  // calloc hands out zeroed pages lazily, so a large bitmap costs nothing until drawn.
  FMemory.reset(static_cast<uint8_t*>(AZeroed ? std::calloc(Bytes, 1) : std::malloc(Bytes)));
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
    const int Layout = SectionLayout(*ABitmapInfo);
    if (Header.biSize >= sizeof(BITMAPINFOHEADER) && Layout != 0 && Header.biPlanes == 1 &&
        Header.biHeight != INT32_MIN)
      Result = CreateBitmapObject(Header.biWidth, Header.biHeight < 0 ? -Header.biHeight : Header.biHeight,
                                  Layout, Header.biHeight < 0, true);
  }
  if (ABits) *ABits = Result ? Result->Bits() : nullptr;
  return Result;
}

HBITMAP CreateDib(int AWidth, int AHeight, int ABitsPerPixel, bool ATopDown, bool AZeroed) {
  return CreateBitmapObject(AWidth, AHeight, ABitsPerPixel, ATopDown, true, AZeroed);
}

HBITMAP CreateCompatibleBitmap(TDeviceContext*, int AWidth, int AHeight) {
  return CreateBitmapObject(AWidth, AHeight, 32, true, false);
}

int64_t LargestBitmapRequest() { return LargestRequest.load(std::memory_order_relaxed); }

void ResetLargestBitmapRequest() { LargestRequest.store(0, std::memory_order_relaxed); }
