// Colour operations, flips and reflections of TspBitmap, and TspBitmapLink: rectangle
// texts, margin checks, its stream form and drawing.

#include <gtest/gtest.h>

#include "components/core/spEffBmp.h"
#include "platform/base/Exceptions.h"

namespace {

TspBitmap& OnePixel(TspBitmap& ABitmap, TspColor APixel) {
  ABitmap.SetSize(1, 1);
  ABitmap.SetPixel(0, 0, APixel);
  return ABitmap;
}

TEST(BitmapColorsTest, BrightnessIsClampedAndClearPixelsStay) {
  TspBitmap Bitmap;
  Bitmap.SetSize(2, 1);
  Bitmap.SetPixel(0, 0, 0x80FA0A0A);  // (250, 10, 10)
  Bitmap.SetPixel(1, 0, 0x00FA0A0A);
  Bitmap.ChangeBitmapBrightness(40);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 0x80FF3232u) << "(255, 50, 50), alpha kept";
  EXPECT_EQ(Bitmap.GetPixel(1, 0), 0x00FA0A0Au);
  Bitmap.ChangeBitmapBrightness(-300);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 0x80000000u);
}

TEST(BitmapColorsTest, SaturationStopsAtFullInsteadOfWrappingToGrey) {
  // (101, 1, 1): lightness 0.2, saturation 100 / 102 = 250 / 255.
  TspBitmap Bitmap;
  OnePixel(Bitmap, 0xFF650101).ChangeBitmapSat(20);
  // Saturation 1 at lightness 0.2 and hue 0: red 0.4 × 255 = 102, no green or blue.
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 0xFF660000u);
  OnePixel(Bitmap, 0xFF650101).ChangeBitmapSat(-300);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 0xFF333333u) << "no saturation: grey of lightness 0.2";
}

TEST(BitmapColorsTest, HueIsClampedWhenSetAndWrapsWhenMoved) {
  TspBitmap Set255, Set300, Moved, Set245;
  OnePixel(Set255, 0xFFC83232).SetBitmapHue(255);
  OnePixel(Set300, 0xFFC83232).SetBitmapHue(300);
  EXPECT_EQ(Set255.GetPixel(0, 0), Set300.GetPixel(0, 0));
  // Pure-hue red sits at 0: moving it down by 10 wraps to 245.
  OnePixel(Moved, 0x80C83232).ChangeBitmapHue(-10);
  OnePixel(Set245, 0x80C83232).SetBitmapHue(245);
  EXPECT_EQ(Moved.GetPixel(0, 0), Set245.GetPixel(0, 0));
  EXPECT_EQ(Moved.GetPixel(0, 0) >> 24, 0x80u);
  TspBitmap Green;
  OnePixel(Green, 0xFF00FF00).SetBitmapHue(0);
  EXPECT_EQ(Green.GetPixel(0, 0), 0xFFFF0000u) << "green turned to red";
}

TEST(BitmapColorsTest, ReflectionFlipsAndFadesDownToTheMiddle) {
  TspBitmap Bitmap;
  Bitmap.SetSize(2, 4);
  for (int Y = 0; Y < 4; ++Y) {
    Bitmap.SetPixel(0, Y, 0xFF000000 | TspColor(Y));
    Bitmap.SetPixel(1, Y, TspColor(Y));
  }
  Bitmap.Reflection();
  // Round(255 × 1.0) div 3 = 85, Round(255 × 0.5) div 3 = 42, then 0 and below 0.
  const TspColor Alphas[4] = {85, 42, 0, 0};
  for (int Y = 0; Y < 4; ++Y) {
    EXPECT_EQ(Bitmap.GetPixel(0, Y), (Alphas[Y] << 24) | TspColor(3 - Y)) << Y;
    EXPECT_EQ(Bitmap.GetPixel(1, Y), TspColor(3 - Y)) << "clear pixels are only flipped";
  }
  TspBitmap Half;
  Half.SetSize(1, 2);
  Half.Clear(0xFF000000);
  Half.Reflection3();
  EXPECT_EQ(Half.GetPixel(0, 0) >> 24, 127u) << "255 div 2";
}

TEST(BitmapLinkTest, RectangleTextsNeedFourNumbersSeparatedByCommas) {
  TspBitmap Bitmap;
  Bitmap.Name = "frame";
  const struct {
    const char* Text;
    TRect Expected;
  } Cases[] = {
      {"1,2,3,4", Rect(1, 2, 3, 4)},
      {"1, 2, 3, 4", Rect(1, 2, 3, 4)},
      {" -1,2,30,40 ", Rect(-1, 2, 30, 40)},
      {"(1,2,3,4)", TRect{}},
      {"1 ,2,3,4", TRect{}},
      {"1,2,3", TRect{}},
      {"a,2,3,4", TRect{}},
  };
  for (const auto& Case : Cases) {
    const auto Link = Bitmap.GetBitmapLink(String(Case.Text));
    EXPECT_EQ(Link->Rect, Case.Expected) << Case.Text;
    EXPECT_EQ(Link->Image, &Bitmap);
    EXPECT_EQ(Link->Name, "frame");
  }
}

TEST(BitmapLinkTest, MarginsTellCornersEdgesAndCentreApart) {
  TspBitmap Bitmap;
  Bitmap.SetSize(12, 12);
  struct TCase {
    TPoint Pixel;  // within the link's rectangle (1, 1, 11, 11)
    TspColor Value;
    bool Angles, Border, Centre;
  };
  const TCase Cases[] = {
      {{0, 0}, 0x00000000, true, false, false}, {{9, 9}, 0xFE000000, true, false, false},
      {{5, 0}, 0xFF7F007F, false, true, false}, {{0, 5}, 0x80000000, false, true, false},
      {{5, 5}, 0x00000000, false, false, true}, {{7, 7}, 0x00000000, false, false, true},
      {{8, 8}, 0x00000000, true, false, false}, {{5, 5}, 0x33333333, false, false, false},
  };
  for (const TCase& Case : Cases) {
    Bitmap.Clear(0xFF000000);
    Bitmap.SetPixel(Case.Pixel.X + 1, Case.Pixel.Y + 1, Case.Value);
    const auto Link = Bitmap.GetBitmapLink(Rect(1, 1, 11, 11));
    Link->CheckingMasked(Rect(2, 2, 2, 2));
    EXPECT_EQ(Link->MaskedAngles, Case.Angles) << Case.Pixel.X << "," << Case.Pixel.Y;
    EXPECT_EQ(Link->MaskedBorder, Case.Border) << Case.Pixel.X << "," << Case.Pixel.Y;
    EXPECT_EQ(Link->Masked, Case.Centre) << Case.Pixel.X << "," << Case.Pixel.Y;
    Link->CheckingMasked();
    EXPECT_EQ(Link->Masked, Case.Value != 0x33333333) << "without margins any masked pixel counts";
  }
  Bitmap.Clear(0xFF000000);
  const auto Outside = Bitmap.GetBitmapLink(Rect(10, 10, 13, 13));
  Outside->CheckingMasked();
  EXPECT_TRUE(Outside->Masked) << "pixels beyond the image are masked";
  // A rectangle as large as a skin text can name is judged without visiting the pixels
  // beyond the image: every zone but the top-left corner lies there.
  const auto Huge = Bitmap.GetBitmapLink(Rect(-2000000000, 0, 2000000000, 2000000000));
  EXPECT_TRUE(Huge->Assigned()) << "its area does not fit 32 bits";
  Huge->CheckingMasked(Rect(12, 12, 12, 12));
  EXPECT_TRUE(Huge->MaskedAngles && Huge->MaskedBorder && Huge->Masked);
}

TEST(BitmapLinkTest, AssignedDrawingAndStreams) {
  TspBitmapLink Link;
  EXPECT_FALSE(Link.Assigned());
  TspBitmap Empty;
  Link.Image = &Empty;
  Link.Rect = Rect(0, 0, 2, 1);
  EXPECT_TRUE(Link.Assigned());
  TspBitmap Target;
  Target.SetSize(3, 1);
  Link.Draw(Target, 0, 0);  // an empty image draws nothing
  EXPECT_EQ(Target.GetPixel(0, 0), 0u);

  TspBitmap Image;
  Image.SetSize(4, 1);
  for (int X = 0; X < 4; ++X) Image.SetPixel(X, 0, 0xFF000000 | TspColor(X + 1));
  Link.Image = &Image;
  Link.SetLeft(2);
  Link.SetRight(4);
  Link.Draw(Target, 1, 0);
  EXPECT_EQ(Target.GetPixel(1, 0), 0xFF000003u);
  EXPECT_EQ(Target.GetPixel(2, 0), 0xFF000004u);
  Link.SetBottom(0);
  EXPECT_FALSE(Link.Assigned());

  Link.Name = "edge";
  Link.Rect = Rect(-1, 2, 300, 4);
  TMemoryStream Stream;
  Link.SaveToStream(Stream);
  EXPECT_EQ(Stream.Size(), 4 + 4 + 16);
  Stream.SetPosition(0);
  TspBitmapLink Loaded;
  Loaded.LoadFromStream(Stream);
  EXPECT_EQ(Loaded.Name, "edge");
  EXPECT_EQ(Loaded.Rect, Rect(-1, 2, 300, 4));

  const int32_t Hostile = 0x7FFFFFFF;
  TMemoryStream Damaged;
  Damaged.WriteBuffer(&Hostile, 4);
  Damaged.SetPosition(0);
  EXPECT_THROW(Loaded.LoadFromStream(Damaged), EReadError);

  TspBitmapLink Copy;
  Loaded.Masked = true;
  Copy.Assign(Loaded);
  EXPECT_EQ(Copy.Rect, Loaded.Rect);
  EXPECT_TRUE(Copy.Masked);
  EXPECT_THROW(Copy.Assign(Image), EConvertError);
}

}  // namespace
