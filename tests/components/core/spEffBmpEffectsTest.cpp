// The still effects of the effect bitmap: colour changes, noise, the neighbour blurs,
// mosaic, quarter turns, flip, wave and the mask effects.

#include <gtest/gtest.h>

#include "components/core/spEffBmp.h"

namespace {

TspEffectBmp EffectsFilled(int AWidth, int AHeight, uint32_t AColor) {
  TspEffectBmp Bitmap(AWidth, AHeight);
  for (int Y = 0; Y < AHeight; ++Y) {
    for (int X = 0; X < AWidth; ++X) Bitmap.SetPixel(X, Y, AColor);
  }
  return Bitmap;
}

// Pixel (x, y) is 0x10 × y + x in blue.
TspEffectBmp EffectsNumbered(int AWidth, int AHeight) {
  TspEffectBmp Bitmap(AWidth, AHeight);
  for (int Y = 0; Y < AHeight; ++Y) {
    for (int X = 0; X < AWidth; ++X) Bitmap.SetPixel(X, Y, uint32_t(0x10 * Y + X));
  }
  return Bitmap;
}

TEST(ImageEffectsTest, ColourEffectsRoundHalvesToEven) {
  const struct {
    const char* Name;
    void (*Apply)(TspEffectBmp&);
    uint32_t Before, After;
  } Cases[] = {
      {"brightness 0.5", [](TspEffectBmp& B) { B.ChangeBrightness(0.5); }, 0x0064FF, 0x80B2FF},
      {"brightness above 1", [](TspEffectBmp& B) { B.ChangeBrightness(4); }, 0x0064FF, 0xFFFFFF},
      {"darkness 0.3", [](TspEffectBmp& B) { B.ChangeDarkness(0.3); }, 0x640000, 0x460000},
      {"invert", [](TspEffectBmp& B) { B.Invert(); }, 0x0064FF, 0xFF9B00},
      {"grey stays", [](TspEffectBmp& B) { B.GrayScale(); }, 0x646464, 0x646464},
      {"green becomes grey 150", [](TspEffectBmp& B) { B.GrayScale(); }, 0x00FF00, 0x969696},
  };
  for (const auto& Case : Cases) {
    TspEffectBmp Bitmap = EffectsFilled(2, 1, Case.Before);
    Case.Apply(Bitmap);
    EXPECT_EQ(Bitmap.GetPixel(1, 0), Case.After) << Case.Name;
  }
}

TEST(ImageEffectsTest, MosaicFillsBlocksFromTheirTopLeftPixel) {
  TspEffectBmp Bitmap = EffectsNumbered(3, 3);
  Bitmap.Mosaic(2);
  const uint32_t Expected[3][3] = {{0x00, 0x00, 0x02}, {0x00, 0x00, 0x02}, {0x20, 0x20, 0x22}};
  for (int Y = 0; Y < 3; ++Y) {
    for (int X = 0; X < 3; ++X) EXPECT_EQ(Bitmap.GetPixel(X, Y), Expected[Y][X]) << X << "," << Y;
  }
  TspEffectBmp Unchanged = EffectsNumbered(3, 3);
  Unchanged.Mosaic(1);
  EXPECT_EQ(Unchanged.GetPixel(2, 2), 0x22u);
}

TEST(ImageEffectsTest, QuarterTurnsAndFlipPlaceEveryPixel) {
  const TspEffectBmp Source = EffectsNumbered(2, 1);  // a, b
  TspEffectBmp Left(1, 2);
  Source.Rotate90_1(Left);
  EXPECT_EQ(Left.GetPixel(0, 0), 0x01u) << "b on top";
  EXPECT_EQ(Left.GetPixel(0, 1), 0x00u);

  const TspEffectBmp Wide = EffectsNumbered(3, 2);
  TspEffectBmp Right(2, 3);
  Wide.Rotate90_2(Right);
  for (int Y = 0; Y < 2; ++Y) {
    for (int X = 0; X < 3; ++X) EXPECT_EQ(Right.GetPixel(1 - Y, X), Wide.GetPixel(X, Y));
  }
  TspEffectBmp Flipped(3, 2);
  Wide.FlipVert(Flipped);
  EXPECT_EQ(Flipped.GetPixel(2, 0), 0x12u);

  // A destination too small takes what fits.
  TspEffectBmp Small(1, 1);
  Wide.Rotate90_1(Small);
  EXPECT_EQ(Small.GetPixel(0, 0), 0x02u);
}

TEST(ImageEffectsTest, NoiseFollowsItsGeneratorAndStaysInRange) {
  TEffectRandom First(7);
  TEffectRandom Second(7);
  TspEffectBmp A = EffectsFilled(8, 8, 0x808080);
  TspEffectBmp B = EffectsFilled(8, 8, 0x808080);
  A.AddMonoNoise(50, First);
  B.AddMonoNoise(50, Second);
  bool Changed = false;
  for (int Y = 0; Y < 8; ++Y) {
    for (int X = 0; X < 8; ++X) {
      const uint32_t Pixel = A.GetPixel(X, Y);
      EXPECT_EQ(Pixel, B.GetPixel(X, Y));
      const int Blue = int(Pixel & 0xFF);
      EXPECT_EQ(Pixel, uint32_t(Blue * 0x010101)) << "one value for all channels";
      EXPECT_GE(Blue, 128 - 25);
      EXPECT_LE(Blue, 128 + 24);
      Changed = Changed || Blue != 128;
    }
  }
  EXPECT_TRUE(Changed);

  TEffectRandom Random(3);
  TspEffectBmp White = EffectsFilled(8, 8, 0xFFFFFF);
  White.AddColorNoise(200, Random);
  bool Differs = false;
  for (int X = 0; X < 8; ++X) {
    const uint32_t Pixel = White.GetPixel(X, 0);
    Differs = Differs || (Pixel & 0xFF) != ((Pixel >> 8) & 0xFF);
  }
  EXPECT_TRUE(Differs) << "one value per channel";
}

TEST(ImageEffectsTest, SplitBlurAveragesTheFourDiagonalNeighbours) {
  TspEffectBmp Bitmap = EffectsFilled(3, 3, 0);
  Bitmap.SetPixel(0, 0, 0x000040);
  Bitmap.SplitBlur(1);
  // (0, 0) takes (0, 0), (0, 1), (1, 0), (1, 1): 0x40 / 4; (1, 1) then takes the
  // blurred (0, 0) among its neighbours: 0x10 / 4.
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 0x10u);
  EXPECT_EQ(Bitmap.GetPixel(1, 1), 0x04u);
}

TEST(ImageEffectsTest, WaveWithoutRatioChangesNothing) {
  TspEffectBmp Bitmap = EffectsNumbered(4, 3);
  Bitmap.Wave(2, 3, 0);
  for (int Y = 0; Y < 3; ++Y) {
    for (int X = 0; X < 4; ++X) EXPECT_EQ(Bitmap.GetPixel(X, Y), uint32_t(0x10 * Y + X));
  }
}

TEST(ImageEffectsTest, MaskEffectsLeaveWhiteMaskedPixelsAlone) {
  TspEffectBmp Mask = EffectsFilled(3, 4, 0xFFFFFF);
  Mask.SetPixel(1, 1, 0);
  Mask.SetPixel(2, 2, 0);

  TspEffectBmp Filled = EffectsFilled(3, 3, 0x102030);
  Filled.MaskFillColor(Mask, TColor(0x0000FF), 1);  // red, as a class-library colour
  EXPECT_EQ(Filled.GetPixel(1, 1), 0xFF0000u);
  EXPECT_EQ(Filled.GetPixel(2, 2), 0xFF0000u);
  EXPECT_EQ(Filled.GetPixel(0, 0), 0x102030u);

  TspEffectBmp Blurred = EffectsNumbered(3, 3);
  Blurred.MaskBlur(Mask, 1);
  EXPECT_EQ(Blurred.GetPixel(0, 0), 0x00u);
  EXPECT_EQ(Blurred.GetPixel(1, 1), uint32_t((0x00 + 0x20 + 0x02 + 0x22) >> 2));

  // (1, 1) has white mask pixels at its neighbours and is smoothed; (2, 2)'s
  // neighbours (1, 1) is black, (1, 3) of the taller mask white.
  TspEffectBmp Smoothed = EffectsNumbered(3, 3);
  Smoothed.MaskAntialiasing(Mask, 1);
  EXPECT_EQ(Smoothed.GetPixel(1, 1), uint32_t((0x00 + 0x20 + 0x02 + 0x22) >> 2));
  EXPECT_EQ(Smoothed.GetPixel(0, 0), 0x00u);

  TspEffectBmp Narrow = EffectsNumbered(3, 3);
  Narrow.MaskFillColor(EffectsFilled(2, 3, 0), clRed, 1);
  EXPECT_EQ(Narrow.GetPixel(0, 0), 0x00u) << "a mask of another width does nothing";
}

TEST(ImageEffectsTest, EveryEffectStaysInsideTinyBitmaps) {
  for (const TSize Size : {TSize{1, 1}, TSize{1, 4}, TSize{4, 1}}) {
    for (const int Amount : {1, 2, 5}) {
      TspEffectBmp Bitmap = EffectsFilled(Size.cx, Size.cy, 0x808080);
      const TspEffectBmp Mask = EffectsFilled(Size.cx, Size.cy, 0);
      Bitmap.ChangeBrightness(0.5);
      Bitmap.ChangeDarkness(0.3);
      Bitmap.Invert();
      Bitmap.GrayScale();
      Bitmap.SplitBlur(Amount);
      Bitmap.Mosaic(Amount);
      Bitmap.AddMonoNoise(Amount);
      Bitmap.AddColorNoise(Amount);
      Bitmap.Wave(Amount, Amount, 10 * Amount);
      Bitmap.MaskBlur(Mask, Amount);
      Bitmap.MaskAntialiasing(Mask, Amount);
      Bitmap.MaskFillColor(Mask, clRed, 0.5);
      TspEffectBmp Turned(Size.cy, Size.cx);
      Bitmap.Rotate90_1(Turned);
      Bitmap.Rotate90_2(Turned);
      TspEffectBmp Flipped(Size.cx, Size.cy);
      Bitmap.FlipVert(Flipped);
      EXPECT_EQ(Bitmap.Width(), Size.cx);
    }
  }
}

}  // namespace
