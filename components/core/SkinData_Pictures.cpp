// Reading the picture files of a skin. Skins are mostly plain 24- and 32-bit BMP files,
// which are copied row by row straight into the bitmap; every other picture goes
// through the platform's readers, which know each format by its first bytes.

#include <cstring>

#include "components/core/SkinData_LoadInternal.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/gdi/PictureCodecs.h"

namespace {

uint32_t BmpFieldAt(const String& AData, size_t AOffset, size_t ASize) {
  uint32_t Value = 0;
  for (size_t I = 0; I < ASize; ++I) Value |= uint32_t(uint8_t(AData[AOffset + I])) << (8 * I);
  return Value;
}

bool IsWindowsBmpInfoSize(uint32_t AInfoSize) {
  return AInfoSize == 40 || AInfoSize == 52 || AInfoSize == 56 || AInfoSize == 108 || AInfoSize == 124;
}

// A 32-bit bitmap whose fourth bytes are all zero was written without alpha: it is
// opaque, as the BMP reader makes it.
void MakeOpaqueWithoutAlpha(TBitmap& APicture) {
  const int Width = APicture.Width();
  bool AnyAlpha = false;
  for (int Y = 0; Y < APicture.Height() && !AnyAlpha; ++Y) {
    const uint8_t* Row = APicture.ScanLine(Y);
    for (int X = 0; X < Width; ++X) AnyAlpha |= Row[size_t(X) * 4 + 3] != 0;
  }
  if (AnyAlpha) return;
  for (int Y = 0; Y < APicture.Height(); ++Y) {
    uint8_t* Row = APicture.ScanLine(Y);
    for (int X = 0; X < Width; ++X) Row[size_t(X) * 4 + 3] = 0xFF;
  }
}

// An uncompressed 24- or 32-bit BMP with a Windows information header whose rows all
// lie in the data: copied into APicture (24-bit or 32-bit with the file's alpha), true.
// Anything else: false, APicture untouched.
bool ReadPlainSkinBmp(TBitmap& APicture, const String& AData) {
  constexpr size_t HeadersSize = 14 + 40;
  if (AData.size() < HeadersSize || AData[0] != 'B' || AData[1] != 'M') return false;
  const uint32_t PixelOffset = BmpFieldAt(AData, 10, 4);
  const uint32_t InfoSize = BmpFieldAt(AData, 14, 4);
  const int32_t Width = int32_t(BmpFieldAt(AData, 18, 4));
  const int32_t StoredHeight = int32_t(BmpFieldAt(AData, 22, 4));
  const uint32_t BitsPerPixel = BmpFieldAt(AData, 28, 2);
  if (!IsWindowsBmpInfoSize(InfoSize) || BmpFieldAt(AData, 26, 2) != 1 ||
      (BitsPerPixel != 24 && BitsPerPixel != 32) || BmpFieldAt(AData, 30, 4) != 0)
    return false;
  if (Width <= 0 || StoredHeight == 0 || StoredHeight == INT32_MIN) return false;
  const int Height = StoredHeight < 0 ? -StoredHeight : StoredHeight;
  if (Width > kMaxPictureSide || Height > kMaxPictureSide || int64_t(Width) * Height > kMaxPicturePixels)
    return false;
  const size_t PixelBytes = BitsPerPixel / 8;
  const size_t RowBytes = (size_t(Width) * PixelBytes + 3) & ~size_t(3);
  if (PixelOffset < 14 + InfoSize || PixelOffset > AData.size() ||
      (AData.size() - PixelOffset) / RowBytes < size_t(Height))
    return false;
  APicture.SetPixelFormat(BitsPerPixel == 32 ? pf32bit : pf24bit);
  APicture.SetSize(Width, Height);
  const char* Rows = AData.data() + PixelOffset;
  for (int Y = 0; Y < Height; ++Y) {
    const int StoredRow = StoredHeight > 0 ? Height - 1 - Y : Y;
    std::memcpy(APicture.ScanLine(Y), Rows + size_t(StoredRow) * RowBytes, size_t(Width) * PixelBytes);
  }
  if (BitsPerPixel == 32) MakeOpaqueWithoutAlpha(APicture);
  return true;
}

}  // namespace

void LoadSkinPictureFile(TBitmap& APicture, const String& AFileName) {
  const String FileName = FindFileIgnoringCase(AFileName);
  try {
    if (!FileName.empty()) {
      const String Data = ReadFileToString(FileName);
      if (ReadPlainSkinBmp(APicture, Data)) return;
      TStringStream Stream(Data);
      APicture.LoadFromStream(Stream);
      return;
    }
  } catch (const Exception&) {
    // An unreadable picture is no picture; the rest of the skin still loads.
  }
  APicture.SetSize(0, 0);
}
