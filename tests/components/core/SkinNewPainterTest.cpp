// The default skin's painter: straight edges on whole pixels are crisp (exact colours,
// one pixel wide), rounded corners are blended, and strokes stay inside their bounds.

#include <gtest/gtest.h>

#include "resources/skin-new/SkinNewPainter.h"
#include "tests/support/Pictures.h"

namespace {

using skin_new::TSkinNewPainter;

constexpr TColor PainterWhite = TColor(RGB(255, 255, 255));
constexpr TColor PainterBorder = TColor(RGB(0, 0, 255));
constexpr TColor PainterFill = TColor(RGB(0, 255, 0));

std::string PainterPicture(const TspBitmap& ABitmap) {
  // '.' background, 'B' border, 'F' fill, '#' anything blended between them.
  return testing_support::AsciiPicture(Rect(0, 0, ABitmap.Width(), ABitmap.Height()),
                                       [&](int AX, int AY) { return ABitmap.GetPixel(AX, AY); },
                                       {{ColorToPixel(PainterWhite), '.'},
                                        {ColorToPixel(PainterBorder), 'B'},
                                        {ColorToPixel(PainterFill), 'F'}});
}

TEST(SkinNewPainterTest, BoxHasCrispOnePixelEdgesAndBlendedCorners) {
  TspBitmap Bitmap;
  Bitmap.SetSize(10, 8);
  Bitmap.Clear(ColorToPixel(PainterWhite));
  TSkinNewPainter(Bitmap).Box(Rect(1, 1, 9, 7), 2, PainterFill, PainterBorder);
  EXPECT_EQ(PainterPicture(Bitmap),
            "..........\n"
            ".##BBBB##.\n"
            ".##FFFF##.\n"
            ".BFFFFFFB.\n"
            ".BFFFFFFB.\n"
            ".##FFFF##.\n"
            ".##BBBB##.\n"
            "..........\n");
}

TEST(SkinNewPainterTest, SquareRingIsExactAndRoundRingLeavesTheCornerOut) {
  TspBitmap Bitmap;
  Bitmap.SetSize(6, 5);
  Bitmap.Clear(ColorToPixel(PainterWhite));
  TSkinNewPainter Painter(Bitmap);
  Painter.FrameRoundRect(Rect(0, 0, 6, 5), 0, 1, PainterBorder);
  EXPECT_EQ(PainterPicture(Bitmap),
            "BBBBBB\n"
            "B....B\n"
            "B....B\n"
            "B....B\n"
            "BBBBBB\n");
  Bitmap.SetSize(12, 12);
  Bitmap.Clear(ColorToPixel(PainterWhite));
  Painter.FrameRoundRect(Rect(0, 0, 12, 12), 4, 1, PainterBorder);
  // The corner pixel lies outside the curve and stays; the curve itself is blended.
  EXPECT_EQ(Bitmap.GetPixel(0, 0), ColorToPixel(PainterWhite));
  EXPECT_NE(Bitmap.GetPixel(1, 1), ColorToPixel(PainterWhite));
  EXPECT_NE(Bitmap.GetPixel(1, 1), ColorToPixel(PainterBorder));
  EXPECT_EQ(Bitmap.GetPixel(6, 0), ColorToPixel(PainterBorder));
  EXPECT_EQ(Bitmap.GetPixel(0, 6), ColorToPixel(PainterBorder));
  EXPECT_EQ(Bitmap.GetPixel(6, 1), ColorToPixel(PainterWhite));
  EXPECT_EQ(Bitmap.GetPixel(6, 6), ColorToPixel(PainterWhite));
}

TEST(SkinNewPainterTest, ShapesAreClippedToTheBitmapAndKeysSetOnlyOutside) {
  TspBitmap Bitmap;
  Bitmap.SetSize(8, 8);
  Bitmap.Clear(ColorToPixel(PainterWhite));
  TSkinNewPainter Painter(Bitmap);
  // Partly outside: drawn where it meets the bitmap, and nothing breaks.
  Painter.FillCircle({0, 0}, 5, PainterFill);
  Painter.Stroke({{-20, 4.5}, {30, 4.5}}, 1, PainterBorder);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), ColorToPixel(PainterFill));
  for (int X = 0; X < 8; ++X) EXPECT_EQ(Bitmap.GetPixel(X, 4), ColorToPixel(PainterBorder)) << X;
  EXPECT_EQ(Bitmap.GetPixel(7, 3), ColorToPixel(PainterWhite));

  Bitmap.Clear(ColorToPixel(PainterFill));
  Painter.SetOutside(Rect(0, 0, 8, 8), 4, PainterBorder);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), ColorToPixel(PainterBorder));
  EXPECT_EQ(Bitmap.GetPixel(4, 4), ColorToPixel(PainterFill));
  EXPECT_EQ(Bitmap.GetPixel(4, 0), ColorToPixel(PainterFill));
}

}  // namespace
