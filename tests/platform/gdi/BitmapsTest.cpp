#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Primitives.h"
#include "tests/platform/gdi/DrawingFixture.h"

namespace {

BITMAPINFO DibInfo(int AWidth, int AHeight, int ABitsPerPixel) {
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = AWidth;
  Info.bmiHeader.biHeight = AHeight;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = uint16_t(ABitsPerPixel);
  return Info;
}

}  // namespace

TEST(Bitmaps, TopDownSectionExposesItsZeroedMemory) {
  const BITMAPINFO Info = DibInfo(3, -2, 32);
  void* Bits = nullptr;
  const HBITMAP Bitmap = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  ASSERT_NE(nullptr, Bitmap);
  ASSERT_EQ(Bitmap->Bits(), Bits);
  const std::vector<uint8_t> Zero(24, 0);
  EXPECT_EQ(0, std::memcmp(Bits, Zero.data(), Zero.size()));

  DIBSECTION Section;
  ASSERT_EQ(int(sizeof(DIBSECTION)), GetObject(Bitmap, sizeof(Section), &Section));
  EXPECT_EQ(3, Section.dsBm.bmWidth);
  EXPECT_EQ(2, Section.dsBm.bmHeight);
  EXPECT_EQ(12, Section.dsBm.bmWidthBytes);
  EXPECT_EQ(32, Section.dsBm.bmBitsPixel);
  EXPECT_EQ(Bits, Section.dsBm.bmBits);
  EXPECT_EQ(-2, Section.dsBmih.biHeight);
  BITMAP Plain;
  ASSERT_EQ(int(sizeof(BITMAP)), GetObject(Bitmap, sizeof(Plain), &Plain));
  EXPECT_EQ(Bits, Plain.bmBits);
  EXPECT_TRUE(DeleteObject(Bitmap));
}

TEST(Bitmaps, BottomUpRowsArePaddedAndStoredFromTheBottom) {
  const BITMAPINFO Info = DibInfo(5, 3, 24);
  void* Bits = nullptr;
  const HBITMAP Bitmap = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  ASSERT_NE(nullptr, Bitmap);
  BITMAP Described;
  GetObject(Bitmap, sizeof(Described), &Described);
  EXPECT_EQ(16, Described.bmWidthBytes);  // 15 bytes of pixels, padded to 4

  const HDC DC = CreateCompatibleDC(nullptr);
  {
    TSelectedObject Selected(DC, Bitmap);
    SetPixel(DC, 1, 0, RGB(10, 20, 30));  // the top row is the last one in memory
    const uint8_t* TopRow = static_cast<uint8_t*>(Bits) + 2 * 16;
    EXPECT_EQ(30, TopRow[3]);
    EXPECT_EQ(20, TopRow[4]);
    EXPECT_EQ(10, TopRow[5]);
  }
  DeleteDC(DC);
  DeleteObject(Bitmap);
}

TEST(Bitmaps, UnsupportedOrOversizedRequestsGiveNoBitmap) {
  struct Case {
    int Width, Height, BitsPerPixel;
    uint32_t Compression;
  };
  const Case Cases[] = {
      {4, 4, 4, BI_RGB},
      {4, 4, 8, BI_RGB},
      {0, 4, 32, BI_RGB},
      {4, 0, 32, BI_RGB},
      {-4, 4, 32, BI_RGB},
      {4, 4, 32, BI_BITFIELDS},
      {kMaxBitmapSide + 1, 1, 32, BI_RGB},
      {20000, 20000, 32, BI_RGB},  // 400 Mi pixels: beyond the pixel limit
  };
  for (const Case& C : Cases) {
    BITMAPINFO Info = DibInfo(C.Width, C.Height, C.BitsPerPixel);
    Info.bmiHeader.biCompression = C.Compression;
    void* Bits = &Info;
    EXPECT_EQ(nullptr, CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0)) << C.Width;
    EXPECT_EQ(nullptr, Bits);
  }
  EXPECT_EQ(nullptr, CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0));
  EXPECT_EQ(nullptr, CreateCompatibleBitmap(nullptr, 0, 10));
}

TEST(Bitmaps, CompatibleBitmapIsDeviceDependent) {
  const HBITMAP Bitmap = CreateCompatibleBitmap(nullptr, 7, 2);
  ASSERT_NE(nullptr, Bitmap);
  DIBSECTION Section;
  // Asked for a DIBSECTION, a device-dependent bitmap answers only its BITMAP record.
  ASSERT_EQ(int(sizeof(BITMAP)), GetObject(Bitmap, sizeof(Section), &Section));
  EXPECT_EQ(7, Section.dsBm.bmWidth);
  EXPECT_EQ(32, Section.dsBm.bmBitsPixel);
  EXPECT_EQ(nullptr, Section.dsBm.bmBits);
  DeleteObject(Bitmap);
}

TEST(Bitmaps, GetDIBitsDescribesAndConvertsRows) {
  TTestBitmap Source(3, 2);
  Source.Set(0, 0, 0xFF010203);
  Source.Set(2, 1, 0x80A0B0C0);

  BITMAPINFO Query{};
  Query.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  EXPECT_EQ(2, GetDIBits(nullptr, Source.Bitmap, 0, 2, nullptr, &Query, DIB_RGB_COLORS));
  EXPECT_EQ(3, Query.bmiHeader.biWidth);
  EXPECT_EQ(2, Query.bmiHeader.biHeight);
  EXPECT_EQ(32, Query.bmiHeader.biBitCount);
  EXPECT_EQ(24u, Query.bmiHeader.biSizeImage);

  // 24-bit top-down: alpha dropped, rows padded to 12 bytes.
  BITMAPINFO TopDown = DibInfo(3, -2, 24);
  std::vector<uint8_t> Rows(24, 0xEE);
  ASSERT_EQ(2, GetDIBits(nullptr, Source.Bitmap, 0, 2, Rows.data(), &TopDown, DIB_RGB_COLORS));
  EXPECT_EQ((std::vector<uint8_t>{3, 2, 1, 0, 0, 0, 0, 0, 0}),
            std::vector<uint8_t>(Rows.begin(), Rows.begin() + 9));
  EXPECT_EQ((std::vector<uint8_t>{0xC0, 0xB0, 0xA0}),
            std::vector<uint8_t>(Rows.begin() + 18, Rows.begin() + 21));

  // 32-bit bottom-up: the bottom row first, alpha kept; scan line 1 alone is the top row.
  BITMAPINFO BottomUp = DibInfo(3, 2, 32);
  std::vector<uint32_t> Pixels(6, 0);
  ASSERT_EQ(2, GetDIBits(nullptr, Source.Bitmap, 0, 2, Pixels.data(), &BottomUp, DIB_RGB_COLORS));
  EXPECT_EQ(0x80A0B0C0u, Pixels[2]);
  EXPECT_EQ(0xFF010203u, Pixels[3]);
  std::vector<uint32_t> TopOnly(3, 0);
  ASSERT_EQ(1, GetDIBits(nullptr, Source.Bitmap, 1, 5, TopOnly.data(), &BottomUp, DIB_RGB_COLORS));
  EXPECT_EQ(0xFF010203u, TopOnly[0]);

  // A header of another size would have the rows written past the caller's buffer.
  BITMAPINFO WrongWidth = DibInfo(4, 2, 32), WrongHeight = DibInfo(3, 1, 32);
  EXPECT_EQ(0, GetDIBits(nullptr, Source.Bitmap, 0, 2, Pixels.data(), &WrongWidth, DIB_RGB_COLORS));
  EXPECT_EQ(0, GetDIBits(nullptr, Source.Bitmap, 0, 2, Pixels.data(), &WrongHeight, DIB_RGB_COLORS));
}
