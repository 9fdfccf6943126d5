// The PNG image list: items and the image store kept in step, sizes, and the faded
// look of disabled images, on pictures made with ffmpeg and in memory.

#include <gtest/gtest.h>

#include "components/core/spEffBmp.h"
#include "components/core/sppngimagelist.h"
#include "tests/support/TestSupport.h"

namespace {

// A AWidth × AHeight picture of straight-alpha pixels AColor.
std::unique_ptr<TspPngImage> PngListPicture(int AWidth, int AHeight, uint32_t AColor) {
  TPixelImage Image;
  ResizePixelImage(Image, AWidth, AHeight, AColor);
  Image.HasAlpha = (AColor >> 24) != 255;
  Image.SourceBitsPerPixel = 32;
  auto Picture = std::make_unique<TspPngImage>();
  Picture->SetImage(Image);
  return Picture;
}

TEST(PngImageListTest, ItemsKeepTheImageStoreInStep) {
  TspPngImageList List(nullptr);
  TspPngImageItems& Items = List.PngImages();
  for (int I = 0; I < 3; ++I) Items.Add();
  EXPECT_EQ(List.Count(), 3);
  auto* Fourth = static_cast<TspPngImageItem*>(Items.Add());
  EXPECT_EQ(Fourth->Name(), "PngImage3");
  EXPECT_EQ(Fourth->GetDisplayName(), "PngImage3");
  EXPECT_EQ(List.Count(), 4);

  auto* Inserted = static_cast<TspPngImageItem*>(Items.Insert(1));
  EXPECT_EQ(Inserted->Index(), 1);
  EXPECT_EQ(List.Count(), 5);
  Items.Delete(2);
  Items.Delete(0);
  EXPECT_EQ(Items.Count(), 3);
  EXPECT_EQ(List.Count(), 3);

  // An item whose place lies beyond the store leaves the store as it is.
  List.Delete(2);
  Items.Delete(2);
  EXPECT_EQ(List.Count(), 2);
  EXPECT_EQ(Items.Count(), 2);
  Items.Clear();
  EXPECT_EQ(List.Count(), 0);
}

TEST(PngImageListTest, ANewSizeClearsTheItemsUnlessTheListIsLoading) {
  TspPngImageList List(nullptr);
  List.PngImages().Add();
  List.PngImages().Add();
  List.SetPngWidth(16);
  EXPECT_EQ(List.PngImages().Count(), 2) << "the same size changes nothing";
  List.SetPngWidth(24);
  EXPECT_EQ(List.PngImages().Count(), 0);
  EXPECT_EQ(List.PngWidth(), 24);

  List.PngImages().Add();
  List.BeginLoading();
  List.SetPngHeight(32);
  List.EndLoading();
  EXPECT_EQ(List.PngImages().Count(), 1);
  EXPECT_EQ(List.Count(), 1);
  EXPECT_EQ(List.PngHeight(), 32);
}

TEST(PngImageListTest, AssigningItemsCopiesPicturesAndNames) {
  TspPngImageList Source(nullptr);
  auto* Item = static_cast<TspPngImageItem*>(Source.PngImages().Add());
  Item->SetName("PngTrim");
  Item->SetPngImage(*PngListPicture(2, 2, 0xFF00FF00));
  TspPngImageList Target(nullptr);
  Target.SetPngImages(Source.PngImages());
  ASSERT_EQ(Target.PngImages().Count(), 1);
  EXPECT_EQ(Target.Count(), 1);
  EXPECT_EQ(Target.PngImages().GetItem(0)->Name(), "PngTrim");
  EXPECT_EQ(Target.PngImages().GetItem(0)->PngImage().ToPixelImage().Pixel(1, 1), 0xFF00FF00u);
}

TEST(PngImageListTest, FadingHalvesTheAlphaOfTrueColourPictures) {
  const struct { uint32_t Alpha, Faded; } Cases[] = {{255, 128}, {100, 50}, {1, 0}, {0, 0}};
  for (const auto& Case : Cases) {
    const auto Picture = PngListPicture(1, 1, Case.Alpha << 24 | 0x123456);
    FadePngImage(*Picture, 127);
    EXPECT_EQ(Picture->ToPixelImage().Pixel(0, 0), Case.Faded << 24 | 0x123456) << Case.Alpha;
  }
}

TEST(PngImageListTest, FadingAPalettePictureKeepsItsTransparentColour) {
  testing_support::TempDir Dir;
  const std::string File = Dir.File("palette.png");
  // Left half opaque red, right half fully transparent, stored with a palette.
  const auto Made = testing_support::RunCommand(
      "ffmpeg -v error -f lavfi -i \"color=c=red:s=4x2:d=0.04,format=rgba,"
      "geq=r=255:g=0:b=0:a='if(lt(X,2),255,0)',split[a][b];[a]palettegen=reserve_transparent=1[p];"
      "[b][p]paletteuse=alpha_threshold=128\" -frames:v 1 -y " +
      testing_support::ShellQuote(File));
  ASSERT_EQ(Made.ExitCode, 0) << Made.Output;
  TspPngImage Picture;
  Picture.LoadFromFile(File);
  FadePngImage(Picture, 127);
  const TPixelImage Image = Picture.ToPixelImage();
  EXPECT_EQ(Image.Pixel(0, 0) >> 24, 127u);
  EXPECT_EQ(Image.Pixel(3, 1) >> 24, 0u);
}

TEST(PngImageListTest, DrawsEnabledWholeAndDisabledHalfTransparent) {
  TspPngImageList List(nullptr);
  List.SetPngWidth(2);
  List.SetPngHeight(2);
  auto* Item = static_cast<TspPngImageItem*>(List.PngImages().Add());
  Item->SetPngImage(*PngListPicture(2, 2, 0xFFFF0000));
  TspBitmap Target;
  Target.SetSize(4, 2);
  List.Draw(Target.Canvas(), 0, 0, 0, true);
  List.Draw(Target.Canvas(), 2, 0, 0, false);
  EXPECT_EQ((Target.GetPixel(1, 1) >> 16) & 0xFF, 255u);
  EXPECT_NEAR(double((Target.GetPixel(3, 1) >> 16) & 0xFF), 128, 1);
  EXPECT_EQ(Item->PngImage().ToPixelImage().Pixel(0, 0), 0xFFFF0000u) << "the item's own picture stays";
}

}  // namespace
