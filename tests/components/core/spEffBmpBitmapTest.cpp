// TspBitmap: sizing, the registry of device contexts, pixel access, the alpha and key
// checks, copying from and to the class library's graphics, and the stream format with
// damaged streams.

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "components/core/spEffBmp.h"
#include "platform/base/Exceptions.h"

namespace {

std::vector<TspColor> PixelsOf(const TspBitmap& ABitmap) {
  return {ABitmap.Bits(), ABitmap.Bits() + ABitmap.Width() * ABitmap.Height()};
}

void AppendInt32(TMemoryStream& AStream, int32_t AValue) { AStream.WriteBuffer(&AValue, 4); }

TEST(TspBitmapTest, SizesAreTakenAsMagnitudesAndZeroChangesNothing) {
  TspBitmap Bitmap;
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_EQ(Bitmap.DC(), nullptr);
  Bitmap.SetSize(-10, 5);
  ASSERT_FALSE(Bitmap.Empty());
  EXPECT_EQ(Bitmap.Width(), 10);
  EXPECT_EQ(Bitmap.Height(), 5);
  EXPECT_EQ(PixelsOf(Bitmap), std::vector<TspColor>(50, 0));
  Bitmap.SetPixel(3, 4, 0x12345678);
  Bitmap.SetSize(0, 5);
  Bitmap.SetSize(10, -5);
  EXPECT_EQ(Bitmap.Width(), 10);
  EXPECT_EQ(Bitmap.GetPixel(3, 4), 0x12345678u) << "the same size keeps the pixels";
  Bitmap.SetSize(4, 4);
  EXPECT_EQ(PixelsOf(Bitmap), std::vector<TspColor>(16, 0));
}

TEST(TspBitmapTest, ASizeBeyondTheLimitsRaisesAndLeavesTheBitmapEmpty) {
  TspBitmap Bitmap;
  Bitmap.SetSize(3, 3);
  Bitmap.AlphaBlend = true;
  try {
    Bitmap.SetSize(INT_MIN, 1);
    FAIL() << "no exception";
  } catch (const EOutOfMemory& E) {
    EXPECT_STREQ(E.what(), "Can't allocate the DIB handle");
  }
  EXPECT_TRUE(Bitmap.Empty());
  EXPECT_EQ(Bitmap.Width(), 0);
  EXPECT_EQ(Bitmap.Bits(), nullptr);
  EXPECT_TRUE(Bitmap.AlphaBlend) << "flags stay";
  EXPECT_THROW(Bitmap.SetSize(30000, 30000), EOutOfMemory) << "more pixels than a bitmap may hold";
}

TEST(TspBitmapTest, DeviceContextsMapBackToTheirBitmapsWhileTheyLive) {
  auto First = std::make_unique<TspBitmap>();
  TspBitmap Second;
  First->SetSize(2, 2);
  Second.SetSize(2, 2);
  EXPECT_EQ(FindBitmapByDC(First->DC()), First.get());
  EXPECT_EQ(FindBitmapByDC(Second.DC()), &Second);
  EXPECT_EQ(First->Canvas().Handle(), First->DC());
  First->SetSize(5, 5);
  EXPECT_EQ(FindBitmapByDC(First->DC()), First.get()) << "a new context after resizing";
  EXPECT_EQ(First->Canvas().Handle(), First->DC()) << "the canvas follows";
  const HDC Old = First->DC();
  First.reset();
  EXPECT_EQ(FindBitmapByDC(Old), nullptr);
  EXPECT_EQ(FindBitmapByDC(nullptr), nullptr);
}

TEST(TspBitmapTest, TheCanvasDrawsIntoThePixelsBitsAddresses) {
  TspBitmap Bitmap;
  Bitmap.SetSize(4, 3);
  Bitmap.Canvas().Brush().SetColor(RGB(10, 20, 30));
  Bitmap.Canvas().FillRect(Rect(1, 1, 3, 2));
  EXPECT_EQ(Bitmap.GetPixel(1, 1), 0x000A141Eu) << "drawing writes alpha 0";
  EXPECT_EQ(*Bitmap.GetPixelPtr(2, 1), 0x000A141Eu);
  EXPECT_EQ(Bitmap.GetScanLinePtr(2), Bitmap.Bits() + 8);
  EXPECT_EQ(Bitmap.GetPixel(0, 1), 0u);
}

TEST(TspBitmapTest, PixelAccessOutsideTheBitmapReadsZeroAndWritesNothing) {
  TspBitmap Bitmap;
  Bitmap.SetPixel(0, 0, 1);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 0u);
  Bitmap.SetSize(2, 2);
  Bitmap.Clear(0xFFFFFFFF);
  for (const TPoint P : {Point(-1, 0), Point(0, -1), Point(2, 0), Point(0, 2)}) {
    Bitmap.SetPixel(P.X, P.Y, 0);
    EXPECT_EQ(Bitmap.GetPixel(P.X, P.Y), 0u);
  }
  EXPECT_EQ(PixelsOf(Bitmap), std::vector<TspColor>(4, 0xFFFFFFFF));
}

TEST(TspBitmapTest, SetAlphaOfARectangleIsCutToTheBitmap) {
  TspBitmap Bitmap;
  Bitmap.SetSize(3, 2);
  Bitmap.Clear(0x00102030);
  Bitmap.SetAlpha(0x80, Rect(-5, 1, 2, 9));
  Bitmap.SetAlpha(0xFF, Rect(1, 0, 1, 2));  // no width
  Bitmap.SetAlpha(0xFF, Rect(5, 0, 9, 2));  // empty once cut
  EXPECT_EQ(PixelsOf(Bitmap),
            (std::vector<TspColor>{0x00102030, 0x00102030, 0x00102030, 0x80102030, 0x80102030, 0x00102030}));
  Bitmap.SetAlpha(0xFF);
  EXPECT_EQ(Bitmap.GetPixel(2, 0), 0xFF102030u);
}

TEST(TspBitmapTest, RgbaChecksLowerOrPremultiplyTheColours) {
  TspBitmap Bitmap;
  Bitmap.SetSize(3, 1);
  Bitmap.SetPixel(0, 0, 0x80C8FF10);  // red 200, green 255, blue 16, alpha 128
  Bitmap.SetPixel(1, 0, 0xFFFFFFFF);
  Bitmap.SetPixel(2, 0, 0x00FFFFFF);
  TspBitmap Lowered;
  Lowered.Assign(Bitmap);
  Lowered.CheckRGBA();
  EXPECT_EQ(PixelsOf(Lowered), (std::vector<TspColor>{0x80808010, 0xFFFFFFFF, 0x00000000}));
  Bitmap.CheckRGBA2();
  // Round(128 × 200 / 255) = 100, Round(128 × 255 / 255) = 128, Round(128 × 16 / 255) = 8.
  EXPECT_EQ(PixelsOf(Bitmap), (std::vector<TspColor>{0x80648008, 0xFFFFFFFF, 0x00000000}));
}

TEST(TspBitmapTest, AlphaCheckFindsPartialAlphaInsideTheRectangleOnly) {
  TspBitmap Bitmap;
  Bitmap.SetSize(4, 4);
  Bitmap.Clear(0xFF000000);
  Bitmap.SetPixel(0, 0, 0x00000000);
  Bitmap.CheckingAlphaBlend();
  EXPECT_FALSE(Bitmap.AlphaBlend) << "only 0 and 255";
  Bitmap.SetPixel(3, 3, 0x7F000000);
  Bitmap.CheckingAlphaBlend();
  EXPECT_TRUE(Bitmap.AlphaBlend);
  Bitmap.CheckingAlphaBlend(Rect(-2, -2, 3, 3));
  EXPECT_FALSE(Bitmap.AlphaBlend);
  Bitmap.CheckingAlphaBlend(Rect(3, 3, 10, 10));
  EXPECT_TRUE(Bitmap.AlphaBlend);
  // Rectangles beside or across the bitmap find nothing.
  for (const TRect& Outside : {Rect(6, 0, 9, 4), Rect(0, 6, 4, 9), Rect(3, 3, 1, 1)}) {
    Bitmap.CheckingAlphaBlend(Outside);
    EXPECT_FALSE(Bitmap.AlphaBlend);
  }
}

TEST(TspBitmapTest, KeyCheckTakesColoursWithinFiveOfTheGivenOne) {
  TspBitmap Bitmap;
  Bitmap.SetSize(3, 1);
  Bitmap.SetPixel(0, 0, 0xFF656565);  // 101 in each channel: within 5 of 100
  Bitmap.SetPixel(1, 0, 0xFF646A64);  // green 106: 6 away
  Bitmap.SetPixel(2, 0, 0x805F645F);  // 95 and 100: within 5, alpha ignored
  Bitmap.CheckingTransparent(0xFF646464);
  EXPECT_TRUE(Bitmap.Transparent);
  EXPECT_EQ(PixelsOf(Bitmap), (std::vector<TspColor>{0x007F007F, 0xFF646A64, 0x007F007F}));
  Bitmap.CheckingTransparent(0xFF646A64, Rect(0, 0, 1, 1));
  EXPECT_FALSE(Bitmap.Transparent) << "the matching pixel lies outside the rectangle";
}

TEST(TspBitmapTest, AssignCopiesAnotherBitmapWithNameAndFlags) {
  TspBitmap Source, Copy;
  Source.SetSize(2, 1);
  Source.SetPixel(1, 0, 0x80112233);
  Source.Name = "button";
  Source.AlphaBlend = Source.Transparent = true;
  Copy.Assign(Source);
  EXPECT_EQ(PixelsOf(Copy), PixelsOf(Source));
  EXPECT_EQ(Copy.Name, "button");
  EXPECT_TRUE(Copy.AlphaBlend && Copy.Transparent);
  EXPECT_THROW(Copy.Assign(TFont()), EConvertError);
}

// A 2 × 1 class-library bitmap of 32 bits with a half-transparent pixel.
void FillHalfTransparent(TBitmap& ABitmap) {
  ABitmap.SetPixelFormat(pf32bit);
  ABitmap.SetSize(2, 1);
  const TspColor Pixels[2] = {0x80102030, 0xFF405060};
  std::memcpy(ABitmap.ScanLine(0), Pixels, sizeof Pixels);
}

TEST(TspBitmapTest, A32BitBitmapKeepsItsAlphaButNotThroughAPicture) {
  TBitmap Source;
  FillHalfTransparent(Source);
  TspBitmap Direct;
  Direct.Assign(Source);
  EXPECT_EQ(PixelsOf(Direct), (std::vector<TspColor>{0x80102030, 0xFF405060}));
  EXPECT_TRUE(Direct.AlphaBlend);

  TPicture Picture;
  Picture.SetGraphic(&Source);
  TspBitmap Through;
  Through.Assign(Picture);
  EXPECT_EQ(PixelsOf(Through), (std::vector<TspColor>{0xFF102030, 0xFF405060}));
  EXPECT_FALSE(Through.AlphaBlend);

  Source.SetPixelFormat(pf24bit);
  TspBitmap Opaque;
  Opaque.Assign(Source);
  EXPECT_EQ(Opaque.GetPixel(1, 0), 0xFF405060u);
}

TEST(TspBitmapTest, OtherGraphicsArePaintedInOpaque) {
  TBitmap Pixels;
  FillHalfTransparent(Pixels);
  TPngImage Png;
  Png.Assign(Pixels);
  TspBitmap Bitmap;
  Bitmap.Assign(Png);
  ASSERT_EQ(Bitmap.Width(), 2);
  EXPECT_EQ(Bitmap.GetPixel(1, 0), 0xFF405060u);
  EXPECT_EQ(Bitmap.GetPixel(0, 0) >> 24, 0xFFu);
}

TEST(TspBitmapTest, AssignToABitmapOrPictureDrawsAt32Bits) {
  TspBitmap Source;
  Source.SetSize(2, 2);
  Source.Clear(0xFF0A0B0C);
  TBitmap Target;
  Target.Assign(Source);
  EXPECT_EQ(Target.PixelFormat(), pf32bit);
  ASSERT_EQ(Target.Width(), 2);
  EXPECT_EQ(reinterpret_cast<const TspColor*>(Target.ScanLine(1))[1], 0xFF0A0B0Cu);
  TPicture Picture;
  Picture.Assign(Source);
  EXPECT_EQ(Picture.Width(), 2);
}

TEST(TspBitmapTest, StreamOfATwoPixelBitmapIs22BytesAndLoadsIntoAnyBitmap) {
  TspBitmap Source;
  Source.SetSize(2, 1);
  Source.SetPixel(0, 0, 0x01020304);
  Source.SetPixel(1, 0, 0x05060708);
  Source.Name = "ab";
  TMemoryStream Stream;
  Source.SaveToStream(Stream);
  EXPECT_EQ(Stream.Size(), 22);  // 4 + 2 + 4 + 4 + 8
  Stream.SetPosition(0);
  TspBitmap Loaded;
  Loaded.SetSize(7, 7);
  Loaded.AlphaBlend = true;
  Loaded.LoadFromStream(Stream);
  EXPECT_EQ(Loaded.Name, "ab");
  EXPECT_EQ(PixelsOf(Loaded), PixelsOf(Source));
  EXPECT_TRUE(Loaded.AlphaBlend) << "flags are not stored";
  EXPECT_EQ(Stream.Position(), 22);
}

TEST(TspBitmapTest, ANegativeStoredHeightMeansRowsBottomToTop) {
  const auto Stored = [](int32_t AHeight, TspColor AFirst, TspColor ASecond) {
    TMemoryStream Stream;
    AppendInt32(Stream, 0);
    AppendInt32(Stream, 1);
    AppendInt32(Stream, AHeight);
    AppendInt32(Stream, int32_t(AFirst));
    AppendInt32(Stream, int32_t(ASecond));
    Stream.SetPosition(0);
    TspBitmap Bitmap;
    Bitmap.LoadFromStream(Stream);
    return PixelsOf(Bitmap);
  };
  EXPECT_EQ(Stored(-2, 0xAA, 0xBB), Stored(2, 0xBB, 0xAA));
  EXPECT_EQ(Stored(-2, 0xAA, 0xBB), (std::vector<TspColor>{0xBB, 0xAA}));
}

TEST(TspBitmapTest, DamagedStreamsRaiseBeforeAnythingLargeIsAllocated) {
  struct TCase {
    const char* What;
    int32_t NameLength;
    int32_t Width;
    int32_t Height;
    int PixelBytes;
  };
  const TCase Cases[] = {
      {"negative name length", -1, 1, 1, 4},
      {"name longer than the stream", 1000000, 1, 1, 4},
      {"huge size with a few bytes", 0, 30000, 30000, 8},
      {"smallest width", 0, INT_MIN, 1, 8},
      {"smallest height", 0, 1, INT_MIN, 8},
      {"short pixels", 0, 2, 2, 12},
  };
  for (const TCase& Case : Cases) {
    TMemoryStream Stream;
    AppendInt32(Stream, Case.NameLength);
    AppendInt32(Stream, Case.Width);
    AppendInt32(Stream, Case.Height);
    for (int I = 0; I < Case.PixelBytes; ++I) Stream.WriteBuffer("\x7f", 1);
    Stream.SetPosition(0);
    TspBitmap Bitmap;
    Bitmap.SetSize(3, 3);
    Bitmap.Name = "kept";
    EXPECT_THROW(Bitmap.LoadFromStream(Stream), EReadError) << Case.What;
    EXPECT_EQ(Bitmap.Width(), 3) << Case.What << ": nothing was resized";
    EXPECT_EQ(Bitmap.Name, "kept") << Case.What;
  }
}

TEST(TspBitmapTest, AStoredSizeOfZeroLeavesTheBitmapAsItWas) {
  TMemoryStream Stream;
  AppendInt32(Stream, 0);
  AppendInt32(Stream, 0);
  AppendInt32(Stream, 5);
  Stream.SetPosition(0);
  TspBitmap Bitmap;
  Bitmap.SetSize(2, 1);
  Bitmap.SetPixel(0, 0, 9);
  Bitmap.LoadFromStream(Stream);
  EXPECT_EQ(Bitmap.Width(), 2);
  EXPECT_EQ(Bitmap.GetPixel(0, 0), 9u);
}

}  // namespace
