// Soft images: the stack blur, alpha from grey masks and PNG pictures, the colour
// darkener, glow silhouettes, the text effects and the composition switches.

#include <gtest/gtest.h>

#include "components/core/spEffBmp.h"
#include "components/core/sppngimagelist.h"
#include "platform/gdi/Text.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

class SoftImagesTest : public testing::Test {
 protected:
  void SetUp() override { StartWindowSystem(std::make_unique<THeadlessBackend>()); }
  void TearDown() override { StopWindowSystem(); }

  static TspBitmap& Sized(TspBitmap& ABitmap, int AWidth, int AHeight, TspColor AFill) {
    ABitmap.SetSize(AWidth, AHeight);
    ABitmap.Clear(AFill);
    return ABitmap;
  }
};

// The bitmap as rows of one character a pixel: '#' where the pixel is AMarked, '.'
// elsewhere.
std::string SoftPicture(const TspBitmap& ABitmap, TspColor AMarked) {
  std::string Picture;
  for (int Y = 0; Y < ABitmap.Height(); ++Y) {
    for (int X = 0; X < ABitmap.Width(); ++X) Picture += ABitmap.GetPixel(X, Y) == AMarked ? '#' : '.';
    Picture += '\n';
  }
  return Picture;
}

TEST_F(SoftImagesTest, BlurSpreadsADotByTheTriangularWeights) {
  TspBitmap Dot;
  Sized(Dot, 3, 3, 0x00000000).SetPixel(1, 1, 0x00FFFFFF);
  TspBitmap Untouched;
  Sized(Untouched, 3, 3, 0x12345678);
  BlurBitmap(Untouched, 0);
  EXPECT_EQ(Untouched.GetPixel(2, 2), 0x12345678u);

  BlurBitmap(Dot, 1);
  const uint32_t Expected[3][3] = {{15, 31, 15}, {31, 63, 31}, {15, 31, 15}};
  for (int Y = 0; Y < 3; ++Y) {
    for (int X = 0; X < 3; ++X) {
      EXPECT_EQ(Dot.GetPixel(X, Y), 0xFF000000u | Expected[Y][X] * 0x010101u) << X << "," << Y;
    }
  }
}

TEST_F(SoftImagesTest, BlurRadiusIsCappedAndStaysInsideSmallBitmaps) {
  TspBitmap Capped, Huge;
  Sized(Capped, 5, 1, 0).SetPixel(0, 0, 0x00FF0000);
  Sized(Huge, 5, 1, 0).SetPixel(0, 0, 0x00FF0000);
  BlurBitmap(Capped, spMaxBlurRadius);
  BlurBitmap(Huge, 1000000);
  for (int X = 0; X < 5; ++X) EXPECT_EQ(Huge.GetPixel(X, 0), Capped.GetPixel(X, 0));
  TspBitmap Single;
  Sized(Single, 1, 1, 0x00808080);
  BlurBitmap(Single, 7);
  EXPECT_EQ(Single.GetPixel(0, 0), 0xFF808080u);
}

TEST_F(SoftImagesTest, AlphaComesFromTheMasksGreyAndDarkeningUsesMulDiv) {
  TspBitmap Target, Mask;
  Sized(Target, 2, 1, 0xFF102030);
  Sized(Mask, 1, 1, 0x00FF0001);  // red 255, green 0, blue 1
  SetAlphaFromGray(Target, Mask);
  EXPECT_EQ(Target.GetPixel(0, 0), 0x55102030u) << "Trunc(256 / 3) = 85";
  EXPECT_EQ(Target.GetPixel(1, 0), 0xFF102030u) << "outside the mask";

  EXPECT_EQ(DarkenColor(TColor(RGB(100, 200, 255)), 70), TColor(RGB(30, 60, 76)));
  EXPECT_EQ(DarkenColor(TColor(RGB(100, 200, 255)), 0), TColor(RGB(100, 200, 255)));
}

TEST_F(SoftImagesTest, ComposingWithAMaskGivesPremultipliedColour) {
  TBitmap Image, Mask;
  Image.SetSize(2, 1);
  Image.Canvas().Brush().SetColor(clWhite);
  Image.Canvas().FillRect(Rect(0, 0, 2, 1));
  Mask.SetSize(2, 1);
  Mask.Canvas().Brush().SetColor(TColor(RGB(128, 128, 128)));
  Mask.Canvas().FillRect(Rect(0, 0, 1, 1));
  Mask.Canvas().Brush().SetColor(clBlack);
  Mask.Canvas().FillRect(Rect(1, 0, 2, 1));
  TspBitmap Target;
  ComposeImageWithMask(Image, Mask, Target);
  EXPECT_EQ(Target.GetPixel(0, 0), 0x80808080u);
  EXPECT_EQ(Target.GetPixel(1, 0), 0x00000000u);
}

TEST_F(SoftImagesTest, PngPicturesBecomeAlphaBitmapsAndGlowSilhouettes) {
  TPixelImage Image;
  ResizePixelImage(Image, 3, 2, 0);
  Image.Pixels[1] = 0x80FF0000;
  Image.Pixels[5] = 0xFF00FF00;
  Image.HasAlpha = true;
  TspPngImage Picture;
  Picture.SetImage(Image);

  TspBitmap Converted;
  PngImageToBitmap(Converted, Picture);
  EXPECT_EQ(Converted.GetPixel(1, 0), 0x80FF0000u);
  EXPECT_TRUE(Converted.AlphaBlend);

  TspBitmap Glow;
  Sized(Glow, 5, 4, 0);
  DrawPngGlowMask(Glow, Picture, 1);
  EXPECT_EQ(SoftPicture(Glow, 0xFFFF0000),
            ".....\n"
            "..#..\n"
            "...#.\n"
            ".....\n");

  // Through a PNG image list, by index; an index outside the list draws nothing.
  TspPngImageList List(nullptr);
  static_cast<TspPngImageItem*>(List.PngImages().Add())->SetPngImage(Picture);
  TspBitmap FromList;
  Sized(FromList, 5, 4, 0);
  DrawImageListGlowMask(FromList, List, 0, 1);
  DrawImageListGlowMask(FromList, List, 5, 0);
  EXPECT_EQ(SoftPicture(FromList, 0xFFFF0000), SoftPicture(Glow, 0xFFFF0000));
}

TEST_F(SoftImagesTest, BitmapGlowSilhouettesKeyOutTheBackgroundAndSpreadByOnePixel) {
  TBitmap Glyph;
  Glyph.SetSize(3, 3);
  Glyph.Canvas().Brush().SetColor(clWhite);
  Glyph.Canvas().FillRect(Rect(0, 0, 3, 3));
  Glyph.Canvas().SetPixels(1, 1, clBlack);
  TspBitmap Glow;
  Sized(Glow, 7, 7, 0);
  DrawBitmapGlowMask(Glow, Glyph, 2);
  EXPECT_EQ(SoftPicture(Glow, 0xFFFF0000),
            ".......\n"
            ".......\n"
            "..#....\n"
            "...#...\n"
            "....#..\n"
            ".......\n"
            ".......\n");
}

TEST_F(SoftImagesTest, ReflectionFadesByATenthPerRowToItsFloor) {
  const struct {
    int Y;
    double Plain, Wide;
  } Cases[] = {{10, 0.7, 0.7}, {9, 0.6, 0.6}, {5, 0.2, 0.2}, {4, 0.1, 0.1}, {3, 0.05, 0.0}, {0, 0.05, 0.0}};
  for (const auto& Case : Cases) {
    EXPECT_NEAR(ReflectionFactor(Case.Y, 0, 10, 0.05), Case.Plain, 1e-9) << Case.Y;
    EXPECT_NEAR(ReflectionFactor(Case.Y, 0, 10, 0.0), Case.Wide, 1e-9) << Case.Y;
  }
}

// Draws the text on a white 60 × 40 bitmap with AEffect and answers how many pixels
// differ from the same text drawn plainly, and how many of them lie in the rows from
// AFromRow down.
struct TEffectSpread {
  int Changed = 0;
  int FromRow = 0;
};

template <typename TEffect>
TEffectSpread SpreadOf(TEffect&& AEffect, int AFromRow) {
  const TRect Box = Rect(10, 5, 50, 25);
  const unsigned Format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
  TspBitmap Plain, Effect;
  for (TspBitmap* Target : {&Plain, &Effect}) {
    Target->SetSize(60, 40);
    Target->Clear(0xFFFFFFFF);
    Target->Canvas().Font().SetHeight(-14);
    Target->Canvas().Font().SetColor(clBlack);
  }
  TRect Text = Box;
  Plain.Canvas().Brush().SetStyle(bsClear);
  DrawText(Plain.Canvas().Handle(), "Ag", Text, Format);
  AEffect(Effect.Canvas(), Box, Format);
  TEffectSpread Spread;
  for (int Y = 0; Y < 40; ++Y) {
    for (int X = 0; X < 60; ++X) {
      if ((Plain.GetPixel(X, Y) & spColorMask) == (Effect.GetPixel(X, Y) & spColorMask)) continue;
      ++Spread.Changed;
      if (Y >= AFromRow) ++Spread.FromRow;
    }
  }
  return Spread;
}

TEST_F(SoftImagesTest, TextEffectsPaintAroundTheText) {
  const auto Shadow = SpreadOf(
      [](TCanvas& C, const TRect& R, unsigned F) { DrawShadowText(C, R, "Ag", 2, clBlue, 3, F); }, 0);
  EXPECT_GT(Shadow.Changed, 20);
  const auto Glow =
      SpreadOf([](TCanvas& C, const TRect& R, unsigned F) { DrawGlowText(C, R, "Ag", 3, clRed, 0, F); }, 0);
  EXPECT_GT(Glow.Changed, 20);
  const auto Plate =
      SpreadOf([](TCanvas& C, const TRect& R, unsigned F) { DrawWideGlowText(C, R, "Ag", clYellow, F); }, 0);
  EXPECT_GT(Plate.Changed, Glow.Changed) << "the plate glows beyond the letters";
  // The mirror image lies below the text's middle.
  const auto Mirror = SpreadOf(
      [](TCanvas& C, const TRect& R, unsigned F) { DrawReflectionText(C, R, "Ag", clBlue, 0, F); }, 15);
  EXPECT_GT(Mirror.Changed, 5);
  EXPECT_EQ(Mirror.FromRow, Mirror.Changed);
}

}  // namespace
