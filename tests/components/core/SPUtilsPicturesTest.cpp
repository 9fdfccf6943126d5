// The picture helpers: the 24-bit row copy of a bitmap, and JPEG files by name and
// by content.

#include <gtest/gtest.h>

#include "components/core/SPUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/gdi/PictureCodecs.h"
#include "tests/components/core/SkinDataTestSupport.h"

using testing_support::TempDir;

namespace {

TEST(SPUtilsPicturesTest, TheRowCopyHoldsEveryPixelInBlueGreenRedRows) {
  TBitmap Source;
  Source.SetPixelFormat(pf32bit);
  Source.SetSize(5, 3);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 5; ++X) Source.Canvas().SetPixels(X, Y, RGB(uint8_t(X * 40), uint8_t(Y * 100), 7));
  TFBitmap Copy(Source.Handle());
  EXPECT_EQ(Copy.Width, 5);
  EXPECT_EQ(Copy.Height, 3);
  EXPECT_EQ(Copy.Gap, 1);
  EXPECT_EQ(Copy.RowInc, 16);
  EXPECT_EQ(Copy.Size, 48);
  ASSERT_EQ(Copy.Pixels.size(), 3u);
  EXPECT_NE(Copy.hDC, nullptr);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 5; ++X) {
      const uint8_t* Pixel = Copy.Pixels[size_t(Y)] + X * 3;
      EXPECT_EQ(Pixel[0], 7) << X << "," << Y;
      EXPECT_EQ(Pixel[1], Y * 100) << X << "," << Y;
      EXPECT_EQ(Pixel[2], X * 40) << X << "," << Y;
    }
  EXPECT_EQ(Copy.Pixels[1], Copy.Bits + 16);
}

TEST(SPUtilsPicturesTest, AnEmptySourceGivesAnEmptyCopy) {
  TBitmap Empty;
  TFBitmap Copy(Empty.Handle());
  EXPECT_EQ(Copy.Width, 0);
  EXPECT_EQ(Copy.Handle, nullptr);
  EXPECT_TRUE(Copy.Pixels.empty());
}

TEST(SPUtilsPicturesTest, JpegNamesAreKnownByTheirExtension) {
  const std::pair<const char*, bool> Cases[] = {
      {"frame.jpg", true},   {"frame.JPG", true},          {"a/b.Jpeg", true}, {"a.jpg.bmp", false},
      {"photo.jpgx", false}, {"dir.jpg/frame.bmp", false}, {"jpg", false}};
  for (const auto& [Name, IsJpeg] : Cases) EXPECT_EQ(IsJpegFileName(Name), IsJpeg) << Name;
}

TEST(SPUtilsPicturesTest, AJpegFileLoadsAndADamagedOneRaises) {
  TempDir Folder;
  skin_data_test::WriteTestPicture(Folder.File("p.jpg"), 12, 7, 0xFF0000,
                                   skin_data_test::TTestPictureFormat::Jpeg);
  TBitmap Bitmap;
  LoadJpegToBitmap(Bitmap, Folder.File("p.jpg"));
  EXPECT_EQ(Bitmap.Width(), 12);
  EXPECT_EQ(Bitmap.Height(), 7);
  EXPECT_NEAR(int(skin_data_test::PicturePixel(Bitmap, 1, 1) >> 16), 255, 8);
  testing_support::WriteWholeFile(Folder.File("bad.jpg"), "\xFF\xD8\xFF\xE0 broken");
  EXPECT_THROW(LoadJpegToBitmap(Bitmap, Folder.File("bad.jpg")), EInvalidGraphic);
  EXPECT_THROW(LoadJpegToBitmap(Bitmap, Folder.File("missing.jpg")), Exception);
}

}  // namespace
