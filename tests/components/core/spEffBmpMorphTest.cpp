// The effect bitmap: rows, pixels, drawing, Resize and CopyRect, and the morph
// transitions on small pictures whose every pixel is checked.

#include <gtest/gtest.h>

#include <functional>

#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"

namespace {

// A bitmap whose pixel (x, y) is AColorAt(x, y).
TspEffectBmp MorphPicture(int AWidth, int AHeight, const std::function<uint32_t(int, int)>& AColorAt) {
  TspEffectBmp Bitmap(AWidth, AHeight);
  for (int Y = 0; Y < AHeight; ++Y) {
    for (int X = 0; X < AWidth; ++X) Bitmap.SetPixel(X, Y, AColorAt(X, Y));
  }
  return Bitmap;
}

TspEffectBmp MorphFilled(int AWidth, int AHeight, uint32_t AColor) {
  return MorphPicture(AWidth, AHeight, [AColor](int, int) { return AColor; });
}

// Distinct colours per column, for the sideways transitions.
uint32_t OwnColumn(int AX, int) { return uint32_t(0x100000 + AX); }
uint32_t OtherColumn(int AX, int) { return uint32_t(0x200000 + AX); }

TEST(EffectBitmapTest, RowsArePaddedToFourBytesAndStartAtZero) {
  for (int Width : {1, 2, 3, 4, 5, 7}) {
    const TspEffectBmp Bitmap(Width, 3);
    EXPECT_EQ(Bitmap.Stride(), 3 * Width + Width % 4) << Width;
    EXPECT_EQ(Bitmap.Size(), Bitmap.Stride() * 3);
    EXPECT_EQ(Bitmap.GetPixel(Width - 1, 2), 0u);
  }
  const TspEffectBmp Empty(0, 5);
  EXPECT_EQ(Empty.Bits(), nullptr);
  EXPECT_EQ(Empty.Size(), 0);
}

TEST(EffectBitmapTest, PixelsAreBlueGreenRedInMemoryAndCopiesAreDeep) {
  TspEffectBmp Bitmap(2, 2);
  Bitmap.SetPixel(1, 1, 0x123456);
  const uint8_t* Pixel = Bitmap.GetScanLinePtr(1) + 3;
  EXPECT_EQ(Pixel[0], 0x56);
  EXPECT_EQ(Pixel[2], 0x12);
  TspEffectBmp Copy(Bitmap);
  Bitmap.SetPixel(1, 1, 0);
  EXPECT_EQ(Copy.GetPixel(1, 1), 0x123456u);
}

TEST(EffectBitmapTest, DrawsWholeScaledAndBlocksOntoADeviceContext) {
  const TspEffectBmp Source =
      MorphPicture(3, 2, [](int AX, int AY) { return uint32_t(0x010101 * (AX + 3 * AY + 1)); });
  TspBitmap Target;
  Target.SetSize(8, 8);
  Source.Draw(Target.DC(), 1, 1);
  EXPECT_EQ(Target.GetPixel(1, 1) & spColorMask, 0x010101u);
  EXPECT_EQ(Target.GetPixel(3, 2) & spColorMask, 0x060606u);
  Target.Clear(0);
  Source.DrawRect(Target.DC(), 0, 0, 1, 1, 2, 1);
  EXPECT_EQ(Target.GetPixel(0, 0) & spColorMask, 0x050505u);
  EXPECT_EQ(Target.GetPixel(1, 0) & spColorMask, 0x060606u);
  EXPECT_EQ(Target.GetPixel(2, 0) & spColorMask, 0u);
  Target.Clear(0);
  Source.Stretch(Target.DC(), 0, 0, 6, 4);
  EXPECT_EQ(Target.GetPixel(5, 3) & spColorMask, 0x060606u);
  EXPECT_EQ(Target.GetPixel(1, 1) & spColorMask, 0x010101u);
}

TEST(EffectBitmapTest, ReadsAnotherBitmapsPixels) {
  TspBitmap Source;
  Source.SetSize(3, 2);
  Source.SetPixel(2, 1, 0xFF102030);
  const TspEffectBmp Copy(Source.Handle());
  ASSERT_EQ(Copy.Width(), 3);
  ASSERT_EQ(Copy.Height(), 2);
  EXPECT_EQ(Copy.GetPixel(2, 1), 0x102030u);
}

TEST(EffectBitmapTest, ResizeReplicatesPixelsIntoBlocks) {
  const TspEffectBmp Source = MorphPicture(2, 2, [](int AX, int AY) { return uint32_t(1 + AX + 2 * AY); });
  TspEffectBmp Target(5, 5);
  Source.Resize(Target);
  // kx = ky = 2: pixel (x, y) fills the 3 × 3 block at (2x, 2y), the later over the
  // earlier.
  const uint32_t Expected[5][5] = {
      {1, 1, 2, 2, 2}, {1, 1, 2, 2, 2}, {3, 3, 4, 4, 4}, {3, 3, 4, 4, 4}, {3, 3, 4, 4, 4}};
  for (int Y = 0; Y < 5; ++Y) {
    for (int X = 0; X < 5; ++X) EXPECT_EQ(Target.GetPixel(X, Y), Expected[Y][X]) << X << "," << Y;
  }
}

TEST(EffectBitmapTest, CopyRectIsInclusiveAndCutToBothBitmaps) {
  const TspEffectBmp Source = MorphFilled(3, 3, 0xABCDEF);
  TspEffectBmp Target(4, 4);
  Target.CopyRect(Source, Rect(0, 0, 1, 1), 0, 0);
  EXPECT_EQ(Target.GetPixel(1, 1), 0xABCDEFu);
  EXPECT_EQ(Target.GetPixel(2, 1), 0u);
  EXPECT_EQ(Target.GetPixel(1, 2), 0u);

  // Past this bitmap's edges, before the source's start and beyond its end: only what
  // both hold is copied.
  TspEffectBmp Cut(4, 4);
  Cut.CopyRect(Source, Rect(-2, 2, 10, 10), 0, 0);
  for (int Y = 0; Y < 4; ++Y) {
    for (int X = 0; X < 4; ++X) {
      const bool Inside = Y >= 2 && X == 0;  // column 0 takes source column 2, the last
      EXPECT_EQ(Cut.GetPixel(X, Y), Inside ? 0xABCDEFu : 0u) << X << "," << Y;
    }
  }
}

TEST(EffectBitmapTest, MorphMixesByTheClampedFactor) {
  const struct {
    double Kf;
    uint32_t Expected;
  } Cases[] = {{0.5, 0x808080}, {1.7, 0xFFFFFF}, {-0.2, 0x000000}, {0.0, 0x000000}, {1.0, 0xFFFFFF}};
  const TspEffectBmp White = MorphFilled(2, 2, 0xFFFFFF);
  for (const auto& Case : Cases) {
    TspEffectBmp Black = MorphFilled(2, 2, 0);
    Black.Morph(White, Case.Kf);
    EXPECT_EQ(Black.GetPixel(1, 1), Case.Expected) << Case.Kf;
  }
  TspEffectBmp Black = MorphFilled(2, 2, 0);
  Black.Morph(MorphFilled(3, 2, 0xFFFFFF), 1);
  EXPECT_EQ(Black.GetPixel(0, 0), 0u) << "bitmaps of different sizes do not morph";
}

TEST(EffectBitmapTest, MorphRectIsCutToBothBitmaps) {
  const TspEffectBmp White = MorphFilled(2, 2, 0xFFFFFF);
  TspEffectBmp Black = MorphFilled(4, 4, 0);
  Black.MorphRect(White, 1, Rect(1, 1, 10, 10), 0, 0);
  for (int Y = 0; Y < 4; ++Y) {
    for (int X = 0; X < 4; ++X) {
      const bool Inside = X >= 1 && X <= 2 && Y >= 1 && Y <= 2;
      EXPECT_EQ(Black.GetPixel(X, Y), Inside ? 0xFFFFFFu : 0u) << X << "," << Y;
    }
  }
}

// Each transition on a 10 × 10 pair: for every column (or row) whether it shows the
// own picture, the other picture, or (for the sliding ones) which other column.
struct TTransitionCase {
  const char* Name;
  void (TspEffectBmp::*Morph)(const TspEffectBmp&, double);
  double Kf;
  std::function<uint32_t(int, int)> Expected;
};

TEST(EffectBitmapTest, TransitionsMatchTheirDescribedSteps) {
  const TTransitionCase Cases[] = {
      {"HGrad at 1", &TspEffectBmp::MorphHGrad, 1, OtherColumn},
      {"VGrad at 1", &TspEffectBmp::MorphVGrad, 1, OtherColumn},
      {"LeftGrad at 0", &TspEffectBmp::MorphLeftGrad, 0,
       [](int AX, int AY) { return AX == 0 ? OtherColumn(AX, AY) : OwnColumn(AX, AY); }},
      {"LeftSlide at 0.5", &TspEffectBmp::MorphLeftSlide, 0.5,
       [](int AX, int AY) { return AX < 5 ? OtherColumn(AX + 5, AY) : OwnColumn(AX, AY); }},
      {"RightSlide at 0.3", &TspEffectBmp::MorphRightSlide, 0.3,
       [](int AX, int AY) { return AX >= 7 ? OtherColumn(AX - 7, AY) : OwnColumn(AX, AY); }},
      {"Push at 0", &TspEffectBmp::MorphPush, 0,
       [](int AX, int AY) { return AX == 0 ? OtherColumn(9, AY) : OwnColumn(AX - 1, AY); }},
      {"Push at 1", &TspEffectBmp::MorphPush, 1, OtherColumn},
      {"RightGrad at 0", &TspEffectBmp::MorphRightGrad, 0,
       [](int AX, int AY) { return AX == 9 ? OtherColumn(AX, AY) : OwnColumn(AX, AY); }},
  };
  const TspEffectBmp Other = MorphPicture(10, 10, OtherColumn);
  for (const TTransitionCase& Case : Cases) {
    TspEffectBmp Own = MorphPicture(10, 10, OwnColumn);
    (Own.*Case.Morph)(Other, Case.Kf);
    for (int Y = 0; Y < 10; ++Y) {
      for (int X = 0; X < 10; ++X) {
        ASSERT_EQ(Own.GetPixel(X, Y), Case.Expected(X, Y)) << Case.Name << " at " << X << "," << Y;
      }
    }
  }
}

TEST(EffectBitmapTest, GradientsFadeBetweenBandAndEdges) {
  // HGrad at 0.4 on width 10: the band is columns 3 to 7 of the other picture, and
  // steps of 1/3 lead back to the own picture on each side.
  const TspEffectBmp White = MorphFilled(10, 1, 0xFFFFFF);
  TspEffectBmp Black = MorphFilled(10, 1, 0);
  Black.MorphHGrad(White, 0.4);
  const uint8_t Expected[10] = {0, 85, 170, 255, 255, 255, 255, 255, 170, 85};
  for (int X = 0; X < 10; ++X) EXPECT_EQ(Black.GetPixel(X, 0) & 0xFF, Expected[X]) << X;
}

TEST(EffectBitmapTest, TransitionsStayInsideNarrowBitmaps) {
  using TMorph = void (TspEffectBmp::*)(const TspEffectBmp&, double);
  const TMorph Morphs[] = {
      &TspEffectBmp::Morph,      &TspEffectBmp::MorphGrad,      &TspEffectBmp::MorphHGrad,
      &TspEffectBmp::MorphVGrad, &TspEffectBmp::MorphLeftGrad,  &TspEffectBmp::MorphRightGrad,
      &TspEffectBmp::MorphPush,  &TspEffectBmp::MorphLeftSlide, &TspEffectBmp::MorphRightSlide};
  for (const TSize Size : {TSize{1, 1}, TSize{1, 5}, TSize{5, 1}}) {
    const TspEffectBmp White = MorphFilled(Size.cx, Size.cy, 0xFFFFFF);
    for (const double Kf : {-1.0, 0.0, 0.5, 1.0, 3.0}) {
      for (const TMorph Morph : Morphs) {
        TspEffectBmp Black = MorphFilled(Size.cx, Size.cy, 0);
        (Black.*Morph)(White, Kf);
      }
    }
    // At 1 the one column of a bitmap one pixel wide shows the other picture.
    TspEffectBmp Black = MorphFilled(Size.cx, Size.cy, 0);
    Black.MorphLeftGrad(White, 1);
    if (Size.cx == 1) {
      EXPECT_EQ(Black.GetPixel(0, 0), 0xFFFFFFu);
    }
  }
}

// A picture of AWidth × AHeight in a class-library bitmap, pixel (x, y) AColorAt(x, y).
void MorphFillBitmap(TBitmap& ABitmap, int AWidth, int AHeight,
                     const std::function<uint32_t(int, int)>& AColorAt) {
  ABitmap.SetSize(AWidth, AHeight);
  MorphPicture(AWidth, AHeight, AColorAt).Draw(ABitmap.Canvas().Handle(), 0, 0);
}

TEST(EffectBitmapTest, MorphByKindRunsTheNamedTransitionOnBitmaps) {
  using TMorph = void (TspEffectBmp::*)(const TspEffectBmp&, double);
  const struct {
    TMorphKind Kind;
    TMorph Morph;
  } Cases[] = {{mkDefault, &TspEffectBmp::Morph},
               {mkGradient, &TspEffectBmp::MorphGrad},
               {mkLeftGradient, &TspEffectBmp::MorphLeftGrad},
               {mkRightGradient, &TspEffectBmp::MorphRightGrad},
               {mkLeftSlide, &TspEffectBmp::MorphLeftSlide},
               {mkRightSlide, &TspEffectBmp::MorphRightSlide},
               {mkPush, &TspEffectBmp::MorphPush}};
  const TspEffectBmp Other = MorphPicture(9, 4, OtherColumn);
  for (const auto& Case : Cases) {
    TspEffectBmp Expected = MorphPicture(9, 4, OwnColumn);
    (Expected.*Case.Morph)(Other, 0.4);
    TBitmap From, To;
    MorphFillBitmap(From, 9, 4, OwnColumn);
    MorphFillBitmap(To, 9, 4, OtherColumn);
    MorphBitmapByKind(From, To, 0.4, Case.Kind);
    const TspEffectBmp Result(From.Handle());
    for (int Y = 0; Y < 4; ++Y) {
      for (int X = 0; X < 9; ++X) {
        ASSERT_EQ(Result.GetPixel(X, Y), Expected.GetPixel(X, Y))
            << int(Case.Kind) << " at " << X << "," << Y;
      }
    }
  }
}

TEST(EffectBitmapTest, MorphByKindLeavesABitmapOfAnotherSizeAlone) {
  TBitmap From, To;
  MorphFillBitmap(From, 6, 3, OwnColumn);
  MorphFillBitmap(To, 5, 3, OtherColumn);
  MorphBitmapByKind(From, To, 0.5, mkPush);
  const TspEffectBmp Result(From.Handle());
  for (int X = 0; X < 6; ++X) EXPECT_EQ(Result.GetPixel(X, 2), OwnColumn(X, 2)) << X;
}

}  // namespace
