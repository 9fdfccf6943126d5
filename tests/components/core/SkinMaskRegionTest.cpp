// Mask regions: the runs of black pixels of a mask as region data, offsets, the
// re-composed mask of a resized window against a per-pixel model, a large noisy mask
// without a cap, and the geometries that give no region.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "components/core/SPUtils.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace skin_mask_region_test {
namespace {

using TOwnedRegion = TOwnedGdiObject<TRegionObject>;

class SkinMaskRegionTest : public testing::Test {
 protected:
  void SetUp() override { StartWindowSystem(std::make_unique<THeadlessBackend>()); }
  void TearDown() override { StopWindowSystem(); }

  // A mask from rows of characters: '#' black, 'a' almost black (red 1), others white.
  // Formats narrower than 24 bits are converted from a 24-bit mask.
  static void MaskFromRows(TBitmap& AMask, const std::vector<std::string>& ARows, TPixelFormat AFormat) {
    const bool Narrow = AFormat != pf24bit && AFormat != pf32bit;
    AMask.SetPixelFormat(Narrow ? pf24bit : AFormat);
    AMask.SetSize(int(ARows[0].size()), int(ARows.size()));
    const int BytesPerPixel = AMask.PixelFormat() == pf24bit ? 3 : 4;
    for (int Y = 0; Y < AMask.Height(); ++Y)
      for (int X = 0; X < AMask.Width(); ++X) {
        uint8_t* Pixel = AMask.ScanLine(Y) + X * BytesPerPixel;
        const char C = ARows[Y][X];
        Pixel[0] = Pixel[1] = C == '#' || C == 'a' ? 0 : 255;
        Pixel[2] = C == '#' ? 0 : C == 'a' ? 1 : 255;
      }
    if (Narrow) AMask.SetPixelFormat(AFormat);
  }
  static RGNDATAHEADER Header(const std::vector<uint8_t>& AData) {
    RGNDATAHEADER Result;
    std::memcpy(&Result, AData.data(), sizeof Result);
    return Result;
  }
  static std::vector<TRect> Rects(const std::vector<uint8_t>& AData) {
    std::vector<TRect> Result(Header(AData).nCount);
    std::memcpy(Result.data(), AData.data() + sizeof(RGNDATAHEADER), Result.size() * sizeof(TRect));
    return Result;
  }
};

TEST_F(SkinMaskRegionTest, EachRunOfBlackPixelsIsOneRectangle) {
  // Masks of one and two bytes a pixel are read by their own size.
  for (TPixelFormat Format : {pf8bit, pf15bit, pf16bit, pf24bit, pf32bit}) {
    SCOPED_TRACE(int(Format));
    TBitmap Mask;
    MaskFromRows(Mask, {"#.#", "###"}, Format);
    std::vector<uint8_t> Data;
    ASSERT_EQ(GetMaskRegionRects(Mask, 0, 0, Data), 32u + 3 * 16);
    ASSERT_EQ(Data.size(), 32u + 3 * 16);
    const RGNDATAHEADER H = Header(Data);
    EXPECT_EQ(H.dwSize, 32u);
    EXPECT_EQ(H.iType, RDH_RECTANGLES);
    EXPECT_EQ(H.nRgnSize, 0u);
    EXPECT_EQ(H.rcBound, Rect(0, 0, 3, 2));
    EXPECT_EQ(Rects(Data), (std::vector<TRect>{Rect(0, 0, 1, 1), Rect(2, 0, 3, 1), Rect(0, 1, 3, 2)}));

    // Offsets move every rectangle and the bound.
    ASSERT_GT(GetMaskRegionRects(Mask, 5, 7, Data), 0u);
    EXPECT_EQ(Header(Data).rcBound, Rect(5, 7, 8, 9));
    EXPECT_EQ(Rects(Data), (std::vector<TRect>{Rect(5, 7, 6, 8), Rect(7, 7, 8, 8), Rect(5, 8, 8, 9)}));
  }
}

TEST_F(SkinMaskRegionTest, OnlyPureBlackBelongsToTheRegion) {
  TBitmap Mask;
  MaskFromRows(Mask, {"#a#", "a.."}, pf32bit);
  TOwnedRegion Region(CreateMaskRegion(Mask));
  ASSERT_NE(Region, nullptr);
  EXPECT_TRUE(PtInRegion(Region.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(Region.get(), 1, 0));
  EXPECT_TRUE(PtInRegion(Region.get(), 2, 0));
  EXPECT_FALSE(PtInRegion(Region.get(), 0, 1));
}

TEST_F(SkinMaskRegionTest, AnEmptyMaskGivesNoDataAndNoRegion) {
  TBitmap Mask;
  std::vector<uint8_t> Data{1, 2, 3};
  EXPECT_EQ(GetMaskRegionRects(Mask, 0, 0, Data), 0u);
  EXPECT_TRUE(Data.empty());
  EXPECT_EQ(CreateMaskRegion(Mask), nullptr);
}

// A 20 x 20 mask, client (4, 4, 16, 16), corner points at the client's corners. The
// window pixel (x, y) of a re-composed W x H mask comes from the mask pixel whose
// column and row follow the tiling rule: ends kept, middle repeated in pieces of 12.
int MaskAxis(int APos, int ANewLength) {
  if (APos < 4) return APos;
  if (APos >= ANewLength - 4) return 16 + APos - (ANewLength - 4);
  return 4 + (APos - 4) % 12;
}

TEST_F(SkinMaskRegionTest, ARecomposedMaskGivesTheRegionOfItsPixels) {
  std::mt19937 Random(22);
  std::vector<std::string> Rows(20, std::string(20, '.'));
  for (std::string& Row : Rows)
    for (char& C : Row) C = Random() % 3 == 0 ? '.' : '#';
  Rows[0][0] = '.';  // a rounded corner
  TBitmap Mask;
  MaskFromRows(Mask, Rows, pf24bit);
  struct TSize2 {
    int W, H;
  };
  for (const TSize2 Size : {TSize2{47, 20}, TSize2{20, 53}, TSize2{61, 33}, TSize2{9, 10}}) {
    SCOPED_TRACE(testing::Message() << Size.W << " x " << Size.H);
    const TRect N = Rect(4, 4, Size.W - 4, Size.H - 4);
    TOwnedRegion Region(CreateSkinRegion(Point(4, 4), Point(16, 4), Point(4, 16), Point(16, 16),
                                         Rect(4, 4, 16, 16), N.TopLeft(), Point(N.Right, N.Top),
                                         Point(N.Left, N.Bottom), N.BottomRight(), N, Mask, Size.W, Size.H));
    ASSERT_NE(Region, nullptr);
    int Wrong = 0;
    for (int Y = -1; Y <= Size.H; ++Y)
      for (int X = -1; X <= Size.W; ++X) {
        const bool Inside = X >= 0 && Y >= 0 && X < Size.W && Y < Size.H;
        const bool Expected =
            Inside && (PtInRect(N, Point(X, Y)) || Rows[MaskAxis(Y, Size.H)][MaskAxis(X, Size.W)] == '#');
        Wrong += PtInRegion(Region.get(), X, Y) != Expected;
      }
    EXPECT_EQ(Wrong, 0);
  }
}

TEST_F(SkinMaskRegionTest, AMaskWithoutATopBandStillHasItsOtherBorders) {
  // ClRect.Top = 0: no top strip; the left, right and bottom strips are black.
  TBitmap Mask;
  MaskFromRows(Mask, {"##..##", "##..##", "######"}, pf32bit);
  TOwnedRegion Region(CreateSkinRegion(Point(2, 0), Point(4, 0), Point(2, 2), Point(4, 2), Rect(2, 0, 4, 2),
                                       Point(2, 0), Point(8, 0), Point(2, 4), Point(8, 4), Rect(2, 0, 8, 4),
                                       Mask, 10, 5));
  ASSERT_NE(Region, nullptr);
  TRect Box;
  GetRgnBox(Region.get(), &Box);
  EXPECT_EQ(Box, Rect(0, 0, 10, 5));
  EXPECT_TRUE(PtInRegion(Region.get(), 0, 3));  // left
  EXPECT_TRUE(PtInRegion(Region.get(), 9, 3));  // right
  EXPECT_TRUE(PtInRegion(Region.get(), 5, 4));  // bottom
}

TEST_F(SkinMaskRegionTest, InvertedCornersOrAnEmptyClientGiveNoRegion) {
  TBitmap Mask;
  MaskFromRows(Mask, {"####", "####", "####", "####"}, pf32bit);
  const TRect C = Rect(1, 1, 3, 3);
  EXPECT_EQ(CreateSkinRegion(Point(1, 1), Point(3, 1), Point(1, 3), Point(3, 3), C, Point(1, 1), Point(0, 1),
                             Point(1, 3), Point(0, 3), Rect(1, 1, 0, 3), Mask, 1, 4),
            nullptr);
  EXPECT_EQ(CreateSkinRegion(Point(1, 1), Point(3, 1), Point(1, 3), Point(3, 3), C, Point(1, 1), Point(3, 1),
                             Point(1, 0), Point(3, 0), Rect(1, 1, 3, 0), Mask, 4, 1),
            nullptr);
  EXPECT_EQ(CreateSkinRegion(Point(1, 1), Point(3, 1), Point(1, 3), Point(3, 3), C, Point(1, 1), Point(1, 1),
                             Point(1, 3), Point(1, 3), Rect(1, 1, 1, 3), Mask, 2, 4),
            nullptr);
}

TEST_F(SkinMaskRegionTest, ANoisyMaskBuildsItsWholeRegion) {
  // 2000 x 2000 of noise: about a million runs, far beyond any fixed buffer.
  constexpr int Side = 2000;
  TBitmap Mask;
  Mask.SetPixelFormat(pf32bit);
  Mask.SetSize(Side, Side);
  std::mt19937 Random(2000);
  for (int Y = 0; Y < Side; ++Y) {
    uint32_t* Row = reinterpret_cast<uint32_t*>(Mask.ScanLine(Y));
    for (int X = 0; X < Side; ++X) Row[X] = Random() & 1 ? 0xFF000000 : 0xFFFFFFFF;
  }
  std::vector<uint8_t> Data;
  GetMaskRegionRects(Mask, 0, 0, Data);
  EXPECT_GT(Header(Data).nCount, 900000u);
  TOwnedRegion Region(CreateMaskRegion(Mask));
  ASSERT_NE(Region, nullptr);
  int Wrong = 0;
  for (int Y = 0; Y < Side; ++Y) {
    const uint32_t* Row = reinterpret_cast<const uint32_t*>(Mask.ScanLine(Y));
    for (int X = 0; X < Side; ++X) Wrong += PtInRegion(Region.get(), X, Y) != (Row[X] == 0xFF000000);
  }
  EXPECT_EQ(Wrong, 0);
}

}  // namespace
}  // namespace skin_mask_region_test
