#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/gdi/Blit.h"
#include "platform/gdi/DcScopes.h"
#include "tests/platform/gdi/DrawingFixture.h"

namespace {

// The raster operations' own letters: S the source, D the destination and P the
// pattern (brush) pixel; named in a namespace of their own, so that no other file's
// P or S is taken for them.
namespace rop_pixels {
constexpr uint32_t S = 0x12F05A3C;  // source pixel
constexpr uint32_t D = 0xC30FFF66;  // destination pixel
constexpr uint32_t P = 0x00996633;  // brush RGB(0x99, 0x66, 0x33) as a pixel: alpha 0
}  // namespace rop_pixels

uint32_t RunRop(uint32_t ARop) {
  using namespace rop_pixels;
  TTestBitmap Source(1, 1, S), Target(1, 1, D);
  const HBRUSH Brush = CreateSolidBrush(RGB(0x99, 0x66, 0x33));
  {
    TSelectedObject Selected(Target.DC, Brush);
    EXPECT_TRUE(BitBlt(Target.DC, 0, 0, 1, 1, Source.DC, 0, 0, ARop));
  }
  DeleteObject(Brush);
  return Target.At(0, 0);
}

BITMAPINFO BlitDibInfo(int AWidth, int AHeight, int ABitsPerPixel) {
  BITMAPINFO Info{};
  Info.bmiHeader.biWidth = AWidth;
  Info.bmiHeader.biHeight = AHeight;
  Info.bmiHeader.biBitCount = uint16_t(ABitsPerPixel);
  return Info;
}

}  // namespace

TEST(Blit, RasterOperationsCombineAllFourBytes) {
  using namespace rop_pixels;
  struct Case {
    const char* Name;
    uint32_t Rop, Expected;
  };
  const Case Cases[] = {
      {"SRCCOPY", SRCCOPY, S},
      {"SRCPAINT", SRCPAINT, S | D},
      {"SRCAND", SRCAND, S & D},
      {"SRCINVERT", SRCINVERT, S ^ D},
      {"SRCERASE", SRCERASE, S & ~D},
      {"NOTSRCCOPY", NOTSRCCOPY, ~S},
      {"NOTSRCERASE", NOTSRCERASE, ~(S | D)},
      {"MERGECOPY", MERGECOPY, P & S},
      {"MERGEPAINT", MERGEPAINT, ~S | D},
      {"PATPAINT", PATPAINT, P | ~S | D},
      // Without a source the operation is brush drawing and leaves alpha 0.
      {"PATCOPY", PATCOPY, P},
      {"PATINVERT", PATINVERT, (P ^ D) & 0x00FFFFFF},
      {"DSTINVERT", DSTINVERT, ~D & 0x00FFFFFF},
      {"BLACKNESS", BLACKNESS, 0},
      {"WHITENESS", WHITENESS, 0x00FFFFFF},
  };
  for (const Case& C : Cases) EXPECT_EQ(C.Expected, RunRop(C.Rop)) << C.Name;
}

TEST(Blit, PatternOperationsDrawNothingWithAHollowBrush) {
  using namespace rop_pixels;
  TTestBitmap Target(2, 2, D);
  SelectObject(Target.DC, GetStockObject(NULL_BRUSH));
  EXPECT_TRUE(PatBlt(Target.DC, 0, 0, 2, 2, PATCOPY));
  EXPECT_EQ(D, Target.At(1, 1));
  EXPECT_TRUE(PatBlt(Target.DC, 2, 2, -1, -1, DSTINVERT));  // reaches left and up
  EXPECT_EQ(~D & 0x00FFFFFF, Target.At(1, 1));
  EXPECT_EQ(D, Target.At(0, 0));
  EXPECT_FALSE(PatBlt(Target.DC, 0, 0, 2, 2, SRCCOPY));
  SelectObject(Target.DC, GetStockObject(WHITE_BRUSH));
}

TEST(Blit, ConvertsBetween24And32Bits) {
  TTestBitmap Wide(2, 1, 0xFF102030), Narrow(2, 1, 0x00405060, 24);
  ASSERT_TRUE(BitBlt(Narrow.DC, 1, 0, 1, 1, Wide.DC, 0, 0, SRCCOPY));
  EXPECT_EQ(0x00102030u, Narrow.At(1, 0));
  ASSERT_TRUE(BitBlt(Wide.DC, 0, 0, 1, 1, Narrow.DC, 0, 0, SRCCOPY));
  EXPECT_EQ(0x00405060u, Wide.At(0, 0));  // a 24-bit source brings alpha 0
  EXPECT_EQ(0xFF102030u, Wide.At(1, 0));
}

TEST(Blit, CopiesBetweenFarApartCoordinatesDrawNothingAndDoNotOverflow) {
  TTestBitmap Target(3, 1, 0xFF000001), Source(3, 1, 0xFF000002);
  const int Far = 2000000000;
  for (auto [DestX, SourceX] : {std::pair{-Far, Far}, {Far, -Far}, {0, -Far}, {-Far, 0}}) {
    EXPECT_TRUE(BitBlt(Target.DC, DestX, 0, 3, 1, Source.DC, SourceX, 0, SRCCOPY)) << DestX << " " << SourceX;
    EXPECT_TRUE(BitBlt(Target.DC, 0, DestX, 3, 1, Source.DC, 0, SourceX, SRCCOPY)) << DestX << " " << SourceX;
  }
  for (int X = 0; X < 3; ++X) EXPECT_EQ(0xFF000001u, Target.At(X, 0));
}

TEST(Blit, OverlappingCopyWithinOneBitmapReadsTheOldPixels) {
  TTestBitmap Target(6, 1);
  for (int X = 0; X < 6; ++X) Target.Set(X, 0, uint32_t(X + 1));
  ASSERT_TRUE(BitBlt(Target.DC, 2, 0, 4, 1, Target.DC, 0, 0, SRCCOPY));
  EXPECT_EQ((std::vector<uint32_t>{1, 2, 1, 2, 3, 4}),
            (std::vector<uint32_t>{Target.At(0, 0), Target.At(1, 0), Target.At(2, 0), Target.At(3, 0),
                                   Target.At(4, 0), Target.At(5, 0)}));
  ASSERT_TRUE(StretchBlt(Target.DC, 0, 0, 6, 1, Target.DC, 3, 0, 3, 1, SRCCOPY));  // 2 3 4 → 2 2 3 3 4 4
  EXPECT_EQ(2u, Target.At(1, 0));
  EXPECT_EQ(3u, Target.At(2, 0));
  EXPECT_EQ(4u, Target.At(5, 0));
}

TEST(Blit, SourceOutsideItsBitmapLeavesTheDestination) {
  TTestBitmap Source(2, 2, 0xFF0000FF), Target(4, 1, 7);
  ASSERT_TRUE(BitBlt(Target.DC, 0, 0, 4, 1, Source.DC, -1, 0, SRCCOPY));
  EXPECT_EQ(".##.\n", Target.Picture(7));
}

TEST(Blit, StretchingTakesNearestColumnsByTheDefinedMap) {
  TTestBitmap Source(3, 3), Target(5, 5, 0xEE);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 3; ++X) Source.Set(X, Y, uint32_t(10 * Y + X));
  SetStretchBltMode(Target.DC, COLORONCOLOR);
  ASSERT_TRUE(StretchBlt(Target.DC, 0, 0, 5, 5, Source.DC, 0, 0, 3, 3, SRCCOPY));
  // Columns and rows 0, 0, 1, 1, 2.
  const uint32_t Map[5] = {0, 0, 1, 1, 2};
  for (int Y = 0; Y < 5; ++Y)
    for (int X = 0; X < 5; ++X) EXPECT_EQ(10 * Map[Y] + Map[X], Target.At(X, Y)) << X << ", " << Y;

  // A negative destination width mirrors the same map: the block reaches left from x = 5.
  ASSERT_TRUE(StretchBlt(Target.DC, 5, 0, -5, 1, Source.DC, 0, 0, 3, 1, SRCCOPY));
  EXPECT_EQ((std::vector<uint32_t>{2, 2, 1, 1, 0}),
            (std::vector<uint32_t>{Target.At(0, 0), Target.At(1, 0), Target.At(2, 0), Target.At(3, 0),
                                   Target.At(4, 0)}));

  // Shrinking 5 columns to 3 takes 0, 1, 3.
  TTestBitmap Small(3, 1);
  ASSERT_TRUE(StretchBlt(Small.DC, 0, 0, 3, 1, Target.DC, 0, 4, 5, 1, SRCCOPY));
  EXPECT_EQ(Target.At(0, 4), Small.At(0, 0));
  EXPECT_EQ(Target.At(1, 4), Small.At(1, 0));
  EXPECT_EQ(Target.At(3, 4), Small.At(2, 0));
}

TEST(Blit, TransparentBltSkipsTheKeyColour) {
  constexpr uint32_t Key = 0x807F007F;  // key RGB(127, 0, 127); its alpha does not matter
  TTestBitmap Source(2, 2, Key), Target(4, 4, 0xFF010101);
  Source.Set(1, 0, 0x40A0B0C0);
  Source.Set(0, 1, 0x007F0080);  // one off the key: drawn
  ASSERT_TRUE(TransparentBlt(Target.DC, 0, 0, 4, 4, Source.DC, 0, 0, 2, 2, RGB(127, 0, 127)));
  EXPECT_EQ("..##\n..##\n##..\n##..\n", Target.Picture(0xFF010101));
  EXPECT_EQ(0x40A0B0C0u, Target.At(3, 1));  // all four bytes
  EXPECT_EQ(0x007F0080u, Target.At(0, 3));
  EXPECT_FALSE(TransparentBlt(Target.DC, 0, 0, 4, 4, Source.DC, 1, 0, 2, 2, 0));  // leaves the source
  EXPECT_FALSE(TransparentBlt(Target.DC, 0, 0, -4, 4, Source.DC, 0, 0, 2, 2, 0));
}

TEST(Blit, AlphaBlendWithConstantAlphaUsesTheRoundedFormula) {
  using namespace rop_pixels;
  TTestBitmap Source(1, 1, 0xFF00C864), Target(1, 1, 0x80FF6432);
  BLENDFUNCTION Blend;
  Blend.SourceConstantAlpha = 128;
  ASSERT_TRUE(AlphaBlend(Target.DC, 0, 0, 1, 1, Source.DC, 0, 0, 1, 1, Blend));
  // Channel by channel m(S, 128) + m(D, 127), m(a, b) = a × b / 255 rounded:
  // alpha 128 + 64 = 192; red 0 + 127 = 127; green 100 + 50 = 150; blue 50 + 25 = 75.
  EXPECT_EQ(0xC07F964Bu, Target.At(0, 0));

  TTestBitmap Opaque(1, 1, 0xFF000000);
  Blend.SourceConstantAlpha = 255;
  ASSERT_TRUE(AlphaBlend(Opaque.DC, 0, 0, 1, 1, Source.DC, 0, 0, 1, 1, Blend));
  EXPECT_EQ(0xFF00C864u, Opaque.At(0, 0));
}

TEST(Blit, AlphaBlendWithPerPixelAlphaTakesPremultipliedSources) {
  using namespace rop_pixels;
  // Alpha 128, red 128 (255 premultiplied), green 0, blue 64, over opaque white.
  TTestBitmap Source(1, 1, 0x80800040), Target(2, 1, 0xFFFFFFFF);
  BLENDFUNCTION Blend;
  Blend.AlphaFormat = AC_SRC_ALPHA;
  ASSERT_TRUE(AlphaBlend(Target.DC, 0, 0, 1, 1, Source.DC, 0, 0, 1, 1, Blend));
  // S + m(D, 127): 255, 128 + 127, 0 + 127, 64 + 127.
  EXPECT_EQ(0xFFFF7FBFu, Target.At(0, 0));
  // With constant alpha 128 the source first becomes m(S, 128): alpha 64, red 64, blue 32;
  // then S' + m(D, 191): 255, 255, 191, 223.
  Blend.SourceConstantAlpha = 128;
  ASSERT_TRUE(AlphaBlend(Target.DC, 1, 0, 1, 1, Source.DC, 0, 0, 1, 1, Blend));
  EXPECT_EQ(0xFFFFBFDFu, Target.At(1, 0));

  // A transparent source pixel leaves the destination; the source must lie in its bitmap.
  TTestBitmap Clear(1, 1, 0);
  Blend.SourceConstantAlpha = 255;
  ASSERT_TRUE(AlphaBlend(Target.DC, 0, 0, 1, 1, Clear.DC, 0, 0, 1, 1, Blend));
  EXPECT_EQ(0xFFFF7FBFu, Target.At(0, 0));
  EXPECT_FALSE(AlphaBlend(Target.DC, 0, 0, 1, 1, Source.DC, 0, 0, 2, 1, Blend));
  Blend.BlendOp = 1;
  EXPECT_FALSE(AlphaBlend(Target.DC, 0, 0, 1, 1, Source.DC, 0, 0, 1, 1, Blend));
}

// Long rows go through the four-pixels-at-a-time kernels; every pixel must still follow
// the formula, worked out here channel by channel with exact rounding.
TEST(Blit, AlphaBlendOfLongRowsFollowsTheFormulaForEveryPixel) {
  using namespace rop_pixels;
  constexpr int Count = 23;
  auto M = [](uint32_t A, uint32_t B) { return uint32_t(std::lround(A * B / 255.0)); };
  auto Channel = [](uint32_t APixel, int AIndex) { return (APixel >> (8 * AIndex)) & 0xFF; };
  for (const bool PerPixel : {false, true})
    for (const uint32_t Constant : {255u, 200u, 77u}) {
      TTestBitmap Source(Count, 1), Target(Count, 1);
      std::vector<uint32_t> Expected(Count);
      for (int X = 0; X < Count; ++X) {
        const uint32_t Alpha = uint32_t(X * 37) % 256;
        // Premultiplied colours, except pixel 5, whose colours exceed its alpha.
        const uint32_t Cap = X == 5 ? 256 : Alpha + 1;
        const uint32_t S = (Alpha << 24) | ((X * 91 % Cap) << 16) | ((X * 13 % Cap) << 8) | (X * 57 % Cap);
        const uint32_t D = 0x01000000u * uint32_t(X * 11 % 256) + 0x00010101u * uint32_t(X * 29 % 256);
        Source.Set(X, 0, S);
        Target.Set(X, 0, D);
        uint32_t Result = 0, Scaled = 0;
        for (int C = 0; C < 4; ++C) Scaled |= M(Channel(S, C), Constant) << (8 * C);
        for (int C = 0; C < 4; ++C) {
          const uint32_t Value =
              PerPixel ? std::min<uint32_t>(255, Channel(Scaled, C) + M(Channel(D, C), 255 - (Scaled >> 24)))
                       : M(Channel(S, C), Constant) + M(Channel(D, C), 255 - Constant);
          Result |= Value << (8 * C);
        }
        Expected[X] = Result;
      }
      BLENDFUNCTION Blend;
      Blend.SourceConstantAlpha = uint8_t(Constant);
      Blend.AlphaFormat = PerPixel ? AC_SRC_ALPHA : 0;
      ASSERT_TRUE(AlphaBlend(Target.DC, 0, 0, Count, 1, Source.DC, 0, 0, Count, 1, Blend));
      for (int X = 0; X < Count; ++X)
        EXPECT_EQ(Expected[X], Target.At(X, 0))
            << "pixel " << X << ", per-pixel " << PerPixel << ", constant " << Constant;
    }
}

TEST(Blit, DibTransfersHonourRowOrderAndTheLowerLeftOrigin) {
  // A 2 × 3 bottom-up 24-bit image: rows padded to 8 bytes, the bottom row first.
  // Pixel values: top row 1 2, middle 3 4, bottom 5 6 (blue bytes).
  const uint8_t BottomUp[24] = {5, 0, 0, 6, 0, 0, 0, 0, 3, 0, 0, 4, 0, 0, 0, 0, 1, 0, 0, 2, 0, 0, 0, 0};
  const BITMAPINFO Info = BlitDibInfo(2, 3, 24);
  TTestBitmap Target(2, 3, 0xEE);
  ASSERT_EQ(3, SetDIBitsToDevice(Target.DC, 0, 0, 2, 3, 0, 0, 0, 3, BottomUp, &Info, DIB_RGB_COLORS));
  EXPECT_EQ(1u, Target.At(0, 0));
  EXPECT_EQ(4u, Target.At(1, 1));
  EXPECT_EQ(6u, Target.At(1, 2));
  // The source origin of a bottom-up image is its lower-left corner: (0, 0, 2, 1) is
  // the bottom row.
  TTestBitmap Row(2, 1, 0xEE);
  SetDIBitsToDevice(Row.DC, 0, 0, 2, 1, 0, 0, 0, 3, BottomUp, &Info, DIB_RGB_COLORS);
  EXPECT_EQ(5u, Row.At(0, 0));
  // Only scan lines 1 and 2 in memory (middle and top rows).
  SetDIBitsToDevice(Row.DC, 0, 0, 2, 1, 0, 1, 1, 2, BottomUp + 8, &Info, DIB_RGB_COLORS);
  EXPECT_EQ(3u, Row.At(0, 0));

  // A top-down 32-bit image stretched 2 → 4 columns keeps alpha.
  const uint32_t TopDown[2] = {0xFF000001, 0x80000002};
  const BITMAPINFO TopInfo = BlitDibInfo(2, -1, 32);
  TTestBitmap Wide(4, 1);
  ASSERT_EQ(1, StretchDIBits(Wide.DC, 0, 0, 4, 1, 0, 0, 2, 1, TopDown, &TopInfo, DIB_RGB_COLORS, SRCCOPY));
  EXPECT_EQ(0xFF000001u, Wide.At(1, 0));
  EXPECT_EQ(0x80000002u, Wide.At(2, 0));

  BITMAPINFO Paletted = BlitDibInfo(2, 1, 8);
  EXPECT_EQ(0, StretchDIBits(Wide.DC, 0, 0, 4, 1, 0, 0, 2, 1, TopDown, &Paletted, DIB_RGB_COLORS, SRCCOPY));
}
