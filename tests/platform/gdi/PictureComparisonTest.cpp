// The tests' own picture comparison: what it accepts, what it refuses, and the pictures
// it leaves for a person when it refuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/base/Files.h"
#include "tests/support/Pictures.h"

using testing_support::MatchesReferencePicture;
using testing_support::TPictureTolerance;

namespace {

const std::string ComparisonReference = "tests/platform/gdi/pictures/comparison-reference.png";

// The 4 x 3 picture the reference holds: a grey ramp with one blue pixel.
TPixelImage ComparisonPicture() {
  TPixelImage Picture;
  Picture.Width = 4;
  Picture.Height = 3;
  for (int I = 0; I < 12; ++I) Picture.Pixels.push_back(0xFF000000 | uint32_t(I * 20) * 0x010101);
  Picture.Pixels[5] = 0xFF0000FF;
  return Picture;
}

// A picture the comparison kept for a person, from where it keeps them.
TPixelImage ReadKeptPicture(const std::string& AName) {
  const char* Folder = getenv("PELLADRIN_TEST_TMP");
  const std::filesystem::path Kept = Folder && *Folder ? Folder : std::filesystem::temp_directory_path();
  const String Data = ReadFileToString((Kept / AName).string());
  return DecodePng(std::span(reinterpret_cast<const uint8_t*>(Data.data()), Data.size()));
}

}  // namespace

TEST(PictureComparison, TheToleranceDecidesAndARefusalLeavesTheDrawingAndTheDifference) {
  TPixelImage Drawn = ComparisonPicture();
  EXPECT_TRUE(MatchesReferencePicture(Drawn, ComparisonReference, {}));

  Drawn.Pixels[6] += 3;  // pixel (2, 1) strays by 3 in blue
  EXPECT_TRUE(MatchesReferencePicture(Drawn, ComparisonReference, {3, 0}));
  EXPECT_TRUE(MatchesReferencePicture(Drawn, ComparisonReference, {0, 1}));
  const ::testing::AssertionResult Refused = MatchesReferencePicture(Drawn, ComparisonReference, {2, 0});
  ASSERT_FALSE(Refused);
  EXPECT_NE(std::string(Refused.message()).find("1 pixels differ"), std::string::npos) << Refused.message();
  EXPECT_NE(std::string(Refused.message()).find("the first at (2, 1)"), std::string::npos);

  EXPECT_EQ(ReadKeptPicture("comparison-reference-actual.png").Pixels, Drawn.Pixels);
  const TPixelImage Difference = ReadKeptPicture("comparison-reference-difference.png");
  ASSERT_EQ(Difference.Pixels.size(), 12u);
  for (int I = 0; I < 12; ++I)
    EXPECT_EQ(Difference.Pixels[I] == 0xFFFF0000, I == 6) << "only the differing pixel is red, " << I;
}

TEST(PictureComparison, AnotherSizeOrAMissingReferenceIsRefused) {
  TPixelImage Wider = ComparisonPicture();
  Wider.Width = 6;
  Wider.Height = 2;
  const ::testing::AssertionResult Refused = MatchesReferencePicture(Wider, ComparisonReference, {255, 1000});
  ASSERT_FALSE(Refused);
  EXPECT_NE(std::string(Refused.message()).find("6 x 2, the reference 4 x 3"), std::string::npos)
      << Refused.message();
  EXPECT_FALSE(
      MatchesReferencePicture(Wider, "tests/platform/gdi/pictures/no-such-picture.png", {255, 1000}));
}
