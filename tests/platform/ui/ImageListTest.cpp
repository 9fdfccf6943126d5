// Image lists: adding from bitmaps with masks, mask colours and alpha, the slots, and
// drawing checked pixel by pixel in off-screen bitmaps.

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/ui/ImgList.h"

namespace {

// A 24-bit bitmap filled with AColor, with AInner filled with AInnerColor.
std::unique_ptr<TBitmap> Picture(int AWidth, int AHeight, TColor AColor, TRect AInner = {},
                                 TColor AInnerColor = 0) {
  auto Bitmap = std::make_unique<TBitmap>();
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(AWidth, AHeight);
  Bitmap->Canvas().Brush().SetColor(AColor);
  Bitmap->Canvas().FillRect(Rect(0, 0, AWidth, AHeight));
  Bitmap->Canvas().Brush().SetColor(AInnerColor);
  Bitmap->Canvas().FillRect(AInner);
  return Bitmap;
}

// A white 32 × 32 target to draw on.
std::unique_ptr<TBitmap> Target() { return Picture(32, 32, clWhite); }

TColor PixelOf(TBitmap& ABitmap, int AX, int AY) { return ABitmap.Canvas().Pixels(AX, AY); }

class ImageListTest : public ::testing::Test {
 protected:
  TImageList List{nullptr};
};

TEST_F(ImageListTest, AddCutsTheBitmapIntoImagesAndDrawShowsThem) {
  EXPECT_EQ(List.Width(), 16);
  EXPECT_EQ(List.Height(), 16);
  auto Strip = Picture(40, 16, clRed, Rect(16, 0, 32, 16), clBlue);
  EXPECT_EQ(List.Add(*Strip, nullptr), 0);
  EXPECT_EQ(List.Count(), 2);
  EXPECT_EQ(List.Add(*Picture(16, 20, clLime), nullptr), 2);
  auto Canvas = Target();
  List.Draw(Canvas->Canvas(), 4, 4, 1);
  EXPECT_EQ(PixelOf(*Canvas, 4, 4), clBlue);
  EXPECT_EQ(PixelOf(*Canvas, 19, 19), clBlue);
  EXPECT_EQ(PixelOf(*Canvas, 20, 20), clWhite);
  EXPECT_EQ(PixelOf(*Canvas, 3, 3), clWhite);
  // An index outside the list draws nothing.
  List.Draw(Canvas->Canvas(), 0, 0, 7);
  EXPECT_EQ(PixelOf(*Canvas, 0, 0), clWhite);
}

TEST_F(ImageListTest, AMaskColourAMaskBitmapAndAlphaMakePixelsTransparent) {
  List.AddMasked(*Picture(16, 16, clRed, Rect(0, 0, 8, 16), clFuchsia), clFuchsia);
  List.Add(*Picture(16, 16, clBlue), Picture(16, 16, clBlack, Rect(0, 8, 16, 16), clWhite).get());
  auto Translucent = std::make_unique<TBitmap>();
  Translucent->SetPixelFormat(pf32bit);
  Translucent->SetSize(16, 16);
  for (int Y = 0; Y < 16; ++Y) {
    auto* Row = reinterpret_cast<uint32_t*>(Translucent->ScanLine(Y));
    for (int X = 0; X < 16; ++X) Row[X] = 0x80FF0000;  // red at half alpha
  }
  List.Add(*Translucent, nullptr);
  auto Canvas = Target();
  List.Draw(Canvas->Canvas(), 0, 0, 0);
  EXPECT_EQ(PixelOf(*Canvas, 2, 2), clWhite);
  EXPECT_EQ(PixelOf(*Canvas, 10, 2), clRed);
  List.Draw(Canvas->Canvas(), 16, 0, 1);
  EXPECT_EQ(PixelOf(*Canvas, 20, 2), clBlue);
  EXPECT_EQ(PixelOf(*Canvas, 20, 12), clWhite);
  List.Draw(Canvas->Canvas(), 0, 16, 2);
  const COLORREF Blended = PixelOf(*Canvas, 4, 20);
  EXPECT_EQ(GetRValue(Blended), 255);
  EXPECT_NEAR(GetGValue(Blended), 127, 1);
  EXPECT_NEAR(GetBValue(Blended), 127, 1);
}

TEST_F(ImageListTest, ADisabledImageIsItsOutlineInShadowOverHighlight) {
  List.AddMasked(*Picture(16, 16, clFuchsia, Rect(0, 0, 8, 8), clRed), clFuchsia);
  auto Canvas = Target();
  List.Draw(Canvas->Canvas(), 0, 0, 0, false);
  EXPECT_EQ(PixelOf(*Canvas, 3, 3), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(*Canvas, 8, 8), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelOf(*Canvas, 12, 12), clWhite);
}

TEST_F(ImageListTest, BkColorFillsUnderTheImageUnlessItIsDrawnTransparent) {
  List.AddMasked(*Picture(16, 16, clFuchsia, Rect(0, 0, 8, 8), clRed), clFuchsia);
  List.SetBkColor(clLime);
  auto Canvas = Target();
  List.Draw(Canvas->Canvas(), 0, 0, 0);
  EXPECT_EQ(PixelOf(*Canvas, 2, 2), clRed);
  EXPECT_EQ(PixelOf(*Canvas, 12, 12), clLime);
  List.SetDrawingStyle(dsTransparent);
  List.Draw(Canvas->Canvas(), 16, 16, 0);
  EXPECT_EQ(PixelOf(*Canvas, 28, 28), clWhite);
  List.SetImageType(itMask);
  List.Draw(Canvas->Canvas(), 16, 0, 0);
  EXPECT_EQ(PixelOf(*Canvas, 18, 2), clBlack);
  EXPECT_EQ(PixelOf(*Canvas, 28, 12), clWhite);
}

TEST_F(ImageListTest, SlotsAreInsertedDeletedAndReplacedByIndex) {
  int Changes = 0;
  List.OnChange = [&](TObject* ASender) {
    EXPECT_EQ(ASender, &List);
    ++Changes;
  };
  List.Add(*Picture(16, 16, clRed), nullptr);
  List.Add(*Picture(16, 16, clBlue), nullptr);
  List.Insert(1, *Picture(16, 16, clLime), nullptr);
  List.Replace(0, *Picture(16, 16, clBlack), nullptr);
  List.Delete(2);
  EXPECT_EQ(List.Count(), 2);
  EXPECT_EQ(Changes, 5);
  auto Canvas = Target();
  List.Draw(Canvas->Canvas(), 0, 0, 0);
  List.Draw(Canvas->Canvas(), 16, 0, 1);
  EXPECT_EQ(PixelOf(*Canvas, 0, 0), clBlack);
  EXPECT_EQ(PixelOf(*Canvas, 16, 0), clLime);
  for (int Bad : {-1, 2}) {
    try {
      List.Delete(Bad);
      FAIL() << "no exception for " << Bad;
    } catch (const EInvalidOperation& E) {
      EXPECT_EQ(E.Message(), "Invalid ImageList Index");
    }
  }
  EXPECT_THROW(List.Insert(3, *Picture(16, 16, clRed), nullptr), EInvalidOperation);
  try {
    List.Add(*Picture(8, 16, clRed), nullptr);
    FAIL() << "no exception";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Invalid image size");
  }
  List.SetSize(24, 24);
  EXPECT_EQ(List.Count(), 0);
  EXPECT_THROW(List.SetWidth(0), EInvalidOperation);
}

TEST_F(ImageListTest, GetBitmapAndGetIconHandOutTheImageWithItsAlpha) {
  List.AddMasked(*Picture(16, 16, clFuchsia, Rect(0, 0, 8, 8), clRed), clFuchsia);
  TBitmap Bitmap;
  ASSERT_TRUE(List.GetBitmap(0, Bitmap));
  EXPECT_EQ(Bitmap.Width(), 16);
  EXPECT_EQ(Bitmap.PixelFormat(), pf32bit);
  const TPixelImage Pixels = Bitmap.ToPixelImage();
  EXPECT_EQ(Pixels.Pixel(2, 2), 0xFFFF0000u);
  EXPECT_EQ(Pixels.Pixel(12, 12), 0x00000000u);
  TIcon Icon;
  ASSERT_TRUE(List.GetIcon(0, Icon));
  EXPECT_EQ(Icon.Width(), 16);
  EXPECT_EQ(Icon.ToPixelImage().Pixel(12, 12) >> 24, 0u);
  EXPECT_FALSE(List.GetBitmap(1, Bitmap));
}

}  // namespace
