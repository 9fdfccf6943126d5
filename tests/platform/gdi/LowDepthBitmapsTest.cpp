// Bitmaps of 8, 15 and 16 bits: their pixels drawn onto 24- and 32-bit bitmaps show the
// colours of their layouts, drawing onto them keeps the nearest colour, and the class
// library's bitmap converts between them and the other formats.

#include <gtest/gtest.h>

#include "platform/base/Streams.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Graphics.h"
#include "platform/gdi/Primitives.h"
#include "tests/platform/gdi/DrawingFixture.h"

namespace {

struct TLowDepthColour {
  int Layout;
  uint32_t Stored;    // the raw pixel
  uint32_t Expected;  // 0x00RRGGBB
};

// Each layout's primaries, white, black and a colour between, with their bits repeated
// downwards: 0x10 of 5 bits is 10000100b = 132, 0x20 of 6 bits 10000010b = 130, 2 of 3
// bits 01001001b = 73, 1 of 2 bits 01010101b = 85.
constexpr TLowDepthColour kLowDepthColours[] = {
    {16, 0xF800, 0xFF0000}, {16, 0x07E0, 0x00FF00}, {16, 0x001F, 0x0000FF}, {16, 0xFFFF, 0xFFFFFF},
    {16, 0x0000, 0x000000}, {16, 0x8410, 0x848284}, {15, 0x7C00, 0xFF0000}, {15, 0x03E0, 0x00FF00},
    {15, 0x001F, 0x0000FF}, {15, 0x7FFF, 0xFFFFFF}, {15, 0x4210, 0x848484}, {8, 0x07, 0xFF0000},
    {8, 0x38, 0x00FF00},    {8, 0xC0, 0x0000FF},    {8, 0xFF, 0xFFFFFF},    {8, 0x52, 0x494955},
};

TEST(LowDepthBitmaps, TheirColoursDrawOntoTrueColourBitmaps) {
  for (const TLowDepthColour& Case : kLowDepthColours) {
    SCOPED_TRACE(Format("%d bits, pixel 0x%X", Case.Layout, Case.Stored));
    TTestBitmap Source(2, 2, Case.Stored, Case.Layout);
    for (int DestBits : {24, 32}) {
      TTestBitmap Copied(2, 2, 0x123456, DestBits);
      ASSERT_TRUE(BitBlt(Copied.DC, 0, 0, 2, 2, Source.DC, 0, 0, SRCCOPY));
      EXPECT_EQ(Copied.At(1, 1), Case.Expected);
      // Stretching (and mirroring) reads the same colour.
      TTestBitmap Stretched(5, 3, 0x123456, DestBits);
      ASSERT_TRUE(StretchBlt(Stretched.DC, 4, 0, -4, 3, Source.DC, 0, 0, 2, 2, SRCCOPY));
      EXPECT_EQ(Stretched.At(0, 2), Case.Expected);
      EXPECT_EQ(Stretched.At(4, 2), 0x123456u);
    }
  }
}

// Drawing onto a low-depth bitmap stores the layout's nearest colour below the one
// drawn, which reads back as the colour of the table above.
TEST(LowDepthBitmaps, DrawingOntoThemStoresTheLayoutsColour) {
  for (const TLowDepthColour& Case : kLowDepthColours) {
    SCOPED_TRACE(Format("%d bits, pixel 0x%X", Case.Layout, Case.Stored));
    TTestBitmap Target(4, 2, 0, Case.Layout);
    const COLORREF Colour =
        RGB((Case.Expected >> 16) & 0xFF, (Case.Expected >> 8) & 0xFF, Case.Expected & 0xFF);
    const HBRUSH Brush = CreateSolidBrush(Colour);
    const RECT Area = Rect(1, 0, 3, 2);
    FillRect(Target.DC, &Area, Brush);
    DeleteObject(Brush);
    EXPECT_EQ(Target.At(1, 1), Case.Stored);
    EXPECT_EQ(Target.At(0, 1), 0u);
    EXPECT_EQ(GetPixel(Target.DC, 2, 0), Colour);
    // A copy between two bitmaps of the layout moves the pixels unchanged.
    TTestBitmap Copy(4, 2, 0, Case.Layout);
    ASSERT_TRUE(BitBlt(Copy.DC, 0, 0, 4, 2, Target.DC, 0, 0, SRCCOPY));
    EXPECT_EQ(Copy.At(2, 1), Case.Stored);
  }
}

TEST(LowDepthBitmaps, SectionsDescribeTheirLayout) {
  struct TCase {
    int Layout;
    int RowBytes;  // of 3 pixels
    uint32_t Compression;
  } Cases[] = {{8, 4, BI_RGB}, {15, 8, BI_RGB}, {16, 8, BI_BITFIELDS}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Layout);
    const HBITMAP Bitmap = CreateDib(3, 2, Case.Layout);
    ASSERT_NE(Bitmap, nullptr);
    DIBSECTION Section;
    ASSERT_EQ(int(sizeof(DIBSECTION)), GetObject(Bitmap, sizeof(Section), &Section));
    EXPECT_EQ(Section.dsBm.bmBitsPixel, Case.Layout == 8 ? 8 : 16);
    EXPECT_EQ(Section.dsBm.bmWidthBytes, Case.RowBytes);
    EXPECT_EQ(Section.dsBmih.biCompression, Case.Compression);
    if (Case.Layout == 16) {
      EXPECT_EQ(Section.dsBitfields[0], 0xF800u);
    }
    DeleteObject(Bitmap);
  }
  // The window system's headers: 16 bits BI_RGB is 5-5-5, BI_BITFIELDS with the 5-6-5
  // masks is 5-6-5, other masks are refused.
  struct {
    BITMAPINFOHEADER Header;
    uint32_t Masks[3];
  } Info{};
  Info.Header.biWidth = 2;
  Info.Header.biHeight = -2;
  Info.Header.biBitCount = 16;
  const BITMAPINFO* AsInfo = reinterpret_cast<const BITMAPINFO*>(&Info);
  HBITMAP Made = CreateDIBSection(nullptr, AsInfo, DIB_RGB_COLORS, nullptr, nullptr, 0);
  ASSERT_NE(Made, nullptr);
  EXPECT_EQ(Made->BitsPerPixel(), 15);
  DeleteObject(Made);
  Info.Header.biCompression = BI_BITFIELDS;
  std::copy(kMask565, kMask565 + 3, Info.Masks);
  Made = CreateDIBSection(nullptr, AsInfo, DIB_RGB_COLORS, nullptr, nullptr, 0);
  ASSERT_NE(Made, nullptr);
  EXPECT_EQ(Made->BitsPerPixel(), 16);
  DeleteObject(Made);
  Info.Masks[0] = 0x7C00;
  EXPECT_EQ(CreateDIBSection(nullptr, AsInfo, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
}

// The class library's bitmap in each low-depth format: pixels converted on the way in
// and out, white when new, saved as a 24-bit file of the same colours.
TEST(LowDepthBitmaps, TheBitmapClassConvertsToAndFromTheirFormats) {
  struct TCase {
    TPixelFormat Format;
    int Tolerance;  // the largest step of the layout's channels
  } Cases[] = {{pf8bit, 85}, {pf15bit, 8}, {pf16bit, 8}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(int(Case.Format));
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(3, 1);
    const uint8_t Colours[9] = {0x20, 0x90, 0xE0, 0xFF, 0x00, 0x00, 0x10, 0x60, 0xB0};
    std::memcpy(Bitmap.ScanLine(0), Colours, sizeof(Colours));
    Bitmap.SetPixelFormat(Case.Format);
    EXPECT_EQ(Bitmap.PixelFormat(), Case.Format);
    EXPECT_EQ(Bitmap.TransparentColor(), Bitmap.Canvas().Pixels(0, 0));
    Bitmap.SetSize(4, 1);  // the new pixel is white
    TMemoryStream Saved;
    Bitmap.SaveToStream(Saved);
    Bitmap.SetPixelFormat(pf24bit);
    const uint8_t* Row = Bitmap.ScanLine(0);
    for (int I = 0; I < 9; ++I) EXPECT_NEAR(Row[I], Colours[I], Case.Tolerance) << I;
    EXPECT_EQ(Row[9] & Row[10] & Row[11], 0xFF);
    TBitmap Loaded;
    Saved.SetPosition(0);
    Loaded.LoadFromStream(Saved);
    EXPECT_EQ(Loaded.PixelFormat(), pf24bit);
    ASSERT_EQ(Loaded.Width(), 4);
    EXPECT_EQ(std::memcmp(Loaded.ScanLine(0), Row, 12), 0);
  }
  TBitmap Bitmap;
  EXPECT_THROW(Bitmap.SetPixelFormat(pf4bit), EInvalidGraphic);
  EXPECT_THROW(Bitmap.SetPixelFormat(pfCustom), EInvalidGraphic);
}

}  // namespace
