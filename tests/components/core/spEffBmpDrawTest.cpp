// Drawing TspBitmap: the nearest-neighbour maps into bitmaps and sections, the source
// bounds, tiling and clipped tiling into every kind of target, window origins, merging,
// fills, graphics, and the routes onto plain device contexts with and without the
// system's keyed transfer.

#include <gtest/gtest.h>

#include "components/core/spEffBmp.h"
#include "platform/gdi/Primitives.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

class BitmapDrawingTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    BindSystemFunctions();
  }
  void TearDown() override { StopWindowSystem(); }

  static THeadlessBackend& Headless() { return *HeadlessBackend(); }

  // A bitmap whose pixel (x, y) is opaque with the value 0x10 × y + x + 1 in its colour,
  // so every pixel tells where it came from.
  static void FillNumbered(TspBitmap& ABitmap, int AWidth, int AHeight) {
    ABitmap.SetSize(AWidth, AHeight);
    for (int Y = 0; Y < AHeight; ++Y) {
      for (int X = 0; X < AWidth; ++X) ABitmap.SetPixel(X, Y, 0xFF000000 | TspColor(0x10 * Y + X + 1));
    }
  }
  // The numbers of one row (0 for a pixel not drawn).
  static std::vector<int> RowNumbers(const TspBitmap& ABitmap, int AY) {
    std::vector<int> Row;
    for (int X = 0; X < ABitmap.Width(); ++X) Row.push_back(int(ABitmap.GetPixel(X, AY) & 0xFFFF));
    return Row;
  }
};

TEST_F(BitmapDrawingTest, ScalingThreeColumnsToFiveTruncatesIntoABitmapAndRoundsIntoASection) {
  TspBitmap Source, Target;
  FillNumbered(Source, 3, 1);
  Target.SetSize(5, 1);
  Source.Draw(Target, Rect(0, 0, 5, 1));
  // Columns 0, 0.5, 1, 1.5, 2: truncated.
  EXPECT_EQ(RowNumbers(Target, 0), (std::vector<int>{1, 1, 2, 2, 3}));

  // A bottom-up section of two rows: row 0 of the picture is the last in memory.
  const HBITMAP Section = CreateDib(5, 2, 32, false);
  const HDC DC = CreateCompatibleDC(nullptr);
  SelectObject(DC, Section);
  const TDCBits Bits = DrawRoutes().GetDCBits(DC);
  ASSERT_EQ(Bits.Bits, reinterpret_cast<TspColor*>(Section->Bits()));
  EXPECT_EQ(Bits.Height, 2) << "positive: bottom-up";
  EXPECT_EQ(Bits.BitsPerPixel, 32);
  FillNumbered(Source, 3, 2);
  DrawRoutes().DrawToDIB(Source, Bits, Rect(0, 0, 5, 2), Rect(0, 0, 5, 2), Rect(0, 0, 3, 2));
  const TspColor* Memory = Bits.Bits;
  // Rounded halves to even: 0, 0, 1, 2, 2.
  for (int X = 0; X < 5; ++X) {
    const int Expected[5] = {1, 1, 2, 3, 3};
    EXPECT_EQ(Memory[5 + X] & 0xFF, TspColor(Expected[X])) << "top row, column " << X;
    EXPECT_EQ(Memory[X] & 0xFF, TspColor(Expected[X] + 0x10)) << "bottom row, column " << X;
  }
  DeleteDC(DC);
  DeleteObject(Section);
}

TEST_F(BitmapDrawingTest, OnePixelTargetsTakeTheMiddleAndOversizedSourcesDrawNothing) {
  TspBitmap Source, Target;
  FillNumbered(Source, 2, 2);
  Target.SetSize(3, 1);
  Source.Draw(Target, Rect(0, 0, 1, 1));
  EXPECT_EQ(RowNumbers(Target, 0), (std::vector<int>{1, 0, 0})) << "(0 + 2 - 1) div 2 = 0";
  Target.Clear(0);
  Source.Draw(Target, Rect(0, 0, 3, 1), Rect(0, 0, 3, 2));
  Source.Draw(Target, 0, 0, Rect(-1, 0, 1, 1));
  EXPECT_EQ(RowNumbers(Target, 0), (std::vector<int>{0, 0, 0}));
}

TEST_F(BitmapDrawingTest, UnscaledDrawingIsCutToTheTargetAndHonoursTheMode) {
  TspBitmap Source, Target;
  FillNumbered(Source, 3, 1);
  Source.SetPixel(1, 0, spTransparentKey | 0xFF000000);
  Target.SetSize(4, 1);
  Target.Clear(0xFF0000AA);
  Source.Draw(Target, 2, 0);
  EXPECT_EQ(RowNumbers(Target, 0), (std::vector<int>{0xAA, 0xAA, 1, 0x7F}));
  Target.Clear(0xFF0000AA);
  Source.Transparent = true;
  Source.Draw(Target, -1, 0);
  EXPECT_EQ(RowNumbers(Target, 0), (std::vector<int>{0xAA, 3, 0xAA, 0xAA})) << "the key is left out";
  Source.AlphaBlend = true;
  Source.Clear(0x80FF0000);
  Source.Draw(Target, 0, 0);
  EXPECT_EQ(Target.GetPixel(0, 0), 0xFF7F0054u) << "blended: red 127, blue (170 × 127) >> 8 = 84";
}

TEST_F(BitmapDrawingTest, TilesAreLaidFromTheCornerAndTheLastOnesCut) {
  TspBitmap Source, Target;
  FillNumbered(Source, 10, 10);
  Target.SetSize(30, 12);
  Source.Tile(Target, Rect(0, 0, 25, 10), Rect(0, 0, 10, 10));
  for (int Y : {0, 9}) {
    const std::vector<int> Row = RowNumbers(Target, Y);
    for (int X = 0; X < 30; ++X) {
      const int Expected = X < 25 ? 0x10 * Y + X % 10 + 1 : 0;
      EXPECT_EQ(Row[X], Expected) << X << "," << Y;
    }
  }
  EXPECT_EQ(RowNumbers(Target, 10), std::vector<int>(30, 0));
}

TEST_F(BitmapDrawingTest, TileClipDrawsOnlyTheTilesItMeetsWhole) {
  TspBitmap Source, Target;
  FillNumbered(Source, 10, 10);
  Target.SetSize(25, 10);
  Source.TileClip(Target, Rect(0, 0, 25, 10), Rect(12, 0, 13, 10), Rect(0, 0, 10, 10));
  std::vector<int> Expected(25, 0);
  for (int X = 10; X < 20; ++X) Expected[X] = X - 10 + 1;
  EXPECT_EQ(RowNumbers(Target, 0), Expected);
  // Through a device context of a bitmap, with an empty clip: every tile.
  Target.Clear(0);
  Source.TileClip(Target.DC(), Rect(0, 0, 25, 10), TRect{}, Rect(0, 0, 10, 10));
  EXPECT_EQ(RowNumbers(Target, 0)[24], 5);
}

TEST_F(BitmapDrawingTest, ACanvasWithAWindowOriginMovesTheDrawingIntoItsBitmap) {
  TspBitmap Source, Target;
  FillNumbered(Source, 2, 1);
  Target.SetSize(30, 1);
  SetWindowOrgEx(Target.DC(), 10, 0, nullptr);
  Source.Draw(Target.Canvas(), 15, 0);
  EXPECT_EQ(Target.GetPixel(5, 0) & 0xFF, 1u);
  EXPECT_EQ(Target.GetPixel(6, 0) & 0xFF, 2u);
  EXPECT_EQ(Target.GetPixel(15, 0), 0u);
  Target.Clear(0);
  Source.Tile(Target.Canvas(), Rect(12, 0, 16, 1), Rect(0, 0, 2, 1));
  const std::vector<int> Row = RowNumbers(Target, 0);
  EXPECT_EQ((std::vector<int>(Row.begin() + 1, Row.begin() + 7)), (std::vector<int>{0, 1, 2, 1, 2, 0}));
}

TEST_F(BitmapDrawingTest, TilingIntoSectionsAndPlainContextsGivesTheSamePicture) {
  TspBitmap Source;
  FillNumbered(Source, 3, 2);
  Source.Transparent = true;
  Source.SetPixel(0, 0, 0xFF7F007F);
  // A bottom-up section is written in memory; a top-down class-library bitmap through
  // the device-context route.
  const HBITMAP Section = CreateDib(8, 3, 32, false);
  const HDC SectionDC = CreateCompatibleDC(nullptr);
  SelectObject(SectionDC, Section);
  TBitmap Plain;
  Plain.SetPixelFormat(pf32bit);
  Plain.SetSize(8, 3);
  for (const HDC DC : {SectionDC, Plain.Canvas().Handle()}) {
    PatBlt(DC, 0, 0, 8, 3, BLACKNESS);
    Source.Tile(DC, Rect(1, 0, 8, 3), Rect(0, 0, 3, 2));
    for (int Y = 0; Y < 3; ++Y) {
      for (int X = 0; X < 8; ++X) {
        const COLORREF Pixel = GetPixel(DC, X, Y);
        int Expected = X == 0 ? 0 : ((Y % 2) * 0x10 + (X - 1) % 3 + 1);
        if (Expected == 1) Expected = 0;  // the key leaves the black background
        EXPECT_EQ(int(GetBValue(Pixel)), Expected)
            << X << "," << Y << (DC == SectionDC ? " section" : " plain");
      }
    }
  }
  DeleteDC(SectionDC);
  DeleteObject(Section);
}

TEST_F(BitmapDrawingTest, KeyedDrawingOntoAContextUsesTheSystemTransferOnlyWhenItIsOffered) {
  TspBitmap Source;
  Source.SetSize(2, 1);
  Source.SetPixel(0, 0, 0x10FF0000);  // partial alpha, not the key
  Source.SetPixel(1, 0, 0x207F007F);  // the key
  Source.Transparent = true;
  const auto DrawnPixels = [&] {
    TBitmap Target;
    Target.SetPixelFormat(pf32bit);
    Target.SetSize(2, 1);
    auto* Row = reinterpret_cast<TspColor*>(Target.ScanLine(0));
    Row[0] = Row[1] = 0xFF123456;
    Source.Draw(Target.Canvas(), 0, 0);
    return std::vector<TspColor>{Row[0], Row[1]};
  };
  EXPECT_TRUE(SystemFunctions().IsAlphaBlendAvailable);
  EXPECT_EQ(DrawnPixels(), (std::vector<TspColor>{0x10FF0000, 0xFF123456}))
      << "the system copies all four bytes";
  Headless().SetSystemEntryOffered(seTransparentBlt, false);
  Headless().SetSystemEntryOffered(seAlphaBlend, false);
  BindSystemFunctions();
  EXPECT_FALSE(SystemFunctions().IsAlphaBlendAvailable);
  EXPECT_EQ(DrawnPixels(), (std::vector<TspColor>{0xFFFF0000, 0xFF123456})) << "composed: opaque copies";
}

TEST_F(BitmapDrawingTest, AlphaOntoAContextBlendsOverWhatIsThereAndOpaqueStretches) {
  TspBitmap Source;
  Source.SetSize(1, 1);
  Source.SetPixel(0, 0, 0x80FF0000);
  Source.AlphaBlend = true;
  TBitmap Target;
  Target.SetPixelFormat(pf32bit);
  Target.SetSize(3, 1);
  auto* Row = reinterpret_cast<TspColor*>(Target.ScanLine(0));
  Row[0] = Row[1] = Row[2] = 0xFF0000FF;
  Source.Draw(Target.Canvas(), Rect(0, 0, 2, 1));
  EXPECT_EQ(Row[0], 0xFF7F007Eu);
  EXPECT_EQ(Row[1], 0xFF7F007Eu);
  EXPECT_EQ(Row[2], 0xFF0000FFu);
  Source.AlphaBlend = false;
  Source.Draw(Target.Canvas(), Rect(1, 0, 3, 1));
  EXPECT_EQ(Row[2], 0x80FF0000u) << "a plain copy keeps the alpha byte";
}

TEST_F(BitmapDrawingTest, MergeDrawFillsClearPixelsKeepsOpaqueOnesAndBlendsTheRest) {
  TspBitmap Own, Other;
  Own.SetSize(4, 1);
  Own.SetPixel(0, 0, 0xFF111111);
  Own.SetPixel(1, 0, 0x00222222);
  Own.SetPixel(2, 0, 0x80FF0000);
  Own.SetPixel(3, 0, 0x00333333);
  Other.SetSize(5, 1);
  Other.Clear(0xFF0000FF);
  Own.MergeDraw(Other, -1, 0, Rect(0, 0, 4, 1));  // the other's first pixel falls outside
  EXPECT_EQ(Own.GetPixel(0, 0), 0xFF111111u);
  EXPECT_EQ(Own.GetPixel(1, 0), 0xFF0000FFu);
  EXPECT_EQ(Own.GetPixel(2, 0), 0xFF7F007Eu);
  EXPECT_EQ(Own.GetPixel(3, 0), 0x00333333u) << "beyond the merged region";
}

TEST_F(BitmapDrawingTest, FillRectIsCutAndBlendsWhenTheBitmapCarriesAlpha) {
  TspBitmap Bitmap;
  Bitmap.SetSize(3, 2);
  Bitmap.Clear(0xFF0000FF);
  Bitmap.FillRect(Rect(3, 0, 9, 9), 0xFFFFFFFF);
  Bitmap.FillRect(Rect(-5, -5, 0, 9), 0xFFFFFFFF);
  EXPECT_EQ(Bitmap.GetPixel(2, 1), 0xFF0000FFu);
  Bitmap.FillRect(Rect(-1, 1, 1, 5), 0x12345678);
  EXPECT_EQ(Bitmap.GetPixel(0, 1), 0x12345678u) << "written unchanged";
  Bitmap.AlphaBlend = true;
  Bitmap.FillRect(Rect(1, 0, 2, 1), 0x80FF0000);
  EXPECT_EQ(Bitmap.GetPixel(1, 0), 0xFF7F007Eu);
}

TEST_F(BitmapDrawingTest, DrawGraphicKeepsThePixelsTheGraphicLeavesUncovered) {
  TBitmap Graphic;
  Graphic.SetPixelFormat(pf24bit);
  Graphic.SetSize(1, 1);
  Graphic.Canvas().SetPixels(0, 0, RGB(1, 2, 3));
  TspBitmap Bitmap;
  Bitmap.SetSize(3, 3);
  Bitmap.Clear(0x11223344);
  Bitmap.DrawGraphic(Graphic, Rect(1, 1, 3, 2));
  for (int Y = 0; Y < 3; ++Y) {
    for (int X = 0; X < 3; ++X) {
      const bool Covered = Y == 1 && X >= 1;
      EXPECT_EQ(Bitmap.GetPixel(X, Y) & 0xFFFFFF, Covered ? 0x010203u : 0x223344u) << X << "," << Y;
    }
  }
}

}  // namespace
