// The scaler to the encoder's size stands between the source and the user's filters
// whatever the filter text looks like: a watermark chain that starts with a source of its
// own, and one that names its links "[in]" and "[out]", in a conversion with "-s" and in
// a join whose later segment must be brought to the first segment's size.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "tests/Src/NativeFilterTestSupport.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace transcode_test;

// Red pictures of the clip, the blue logo's square laid over them; in yuv420p red has
// U about 90 and blue about 240.
constexpr int RedU = 90;
constexpr int BlueU = 240;

class TranscodeScalerTest : public TranscodeFixture {
 protected:
  void SetUp() override {
    TranscodeFixture::SetUp();
    if (HasFatalFailure()) return;
    Logo = MakeMedia(Dir.Path().string(), "logo.png", "-f lavfi -i color=c=blue:s=32x32 -frames:v 1");
  }

  std::string MakeRedClip(const std::string& AName, const std::string& ASize) {
    return MakeMedia(Dir.Path().string(), AName,
                     "-f lavfi -i color=c=red:s=" + ASize + ":r=25:d=0.4 -c:v ffv1");
  }

  // The U sample under luma pixel (AX, AY) of the first picture of raw yuv420p pictures.
  static int FirstPictureU(const std::string& ARaw, int AWidth, int AHeight, int AX, int AY) {
    return static_cast<uint8_t>(ARaw[AWidth * AHeight + (AY / 2) * (AWidth / 2) + AX / 2]);
  }

  std::string Logo;
};

TEST_F(TranscodeScalerTest, AWatermarkChainGetsPicturesOfTheEncodersSize) {
  const std::string Clip = MakeRedClip("red.mkv", "320x240");
  // The logo lands at 10,10 of the scaled picture, so it covers the same square in
  // every case; "nativeeq" shows that the engine's filters still run behind it.
  const std::string Chains[] = {
      "movie=" + Logo + " [wm]; [in][wm] overlay=10:10, nativeeq=20",
      "movie=" + Logo + " [wm]; [in][wm] overlay=10:10 [out]",
      "[in] null [main]; movie=" + Logo + " [wm]; [main][wm] overlay=10:10",
  };
  for (const std::string& Chain : Chains) {
    SCOPED_TRACE(Chain);
    const std::string Output = Dir.File("marked.mkv");
    auto Task = MakeTask({{Clip, ""}}, Output, "-an -c:v ffv1 -s 160x120 -vf \"" + Chain + "\"");
    ASSERT_TRUE(Task);
    TRunResult Run = RunInPlace(*Task);
    ASSERT_FALSE(Run.Failed) << Run.Message;
    TFileFacts Facts = Probe(Output);
    ASSERT_EQ(Facts.Video.size(), 1u);
    EXPECT_EQ(Facts.Video[0].Width, 160);
    EXPECT_EQ(Facts.Video[0].Height, 120);
    const std::string Raw = native_filter_test::DecodeToRawVideo(Output);
    ASSERT_GE(Raw.size(), 160u * 120 * 3 / 2);
    EXPECT_NEAR(FirstPictureU(Raw, 160, 120, 26, 26), BlueU, 12);
    EXPECT_NEAR(FirstPictureU(Raw, 160, 120, 100, 80), RedU, 12);
  }
}

TEST_F(TranscodeScalerTest, AJoinedSegmentOfAnotherSizeEndsAtTheFirstSegmentsSize) {
  // The crop halves every picture: 160 × 120 for the first segment; the second one is
  // scaled to that before the chain, cropped to 80 × 60 and scaled back up at the end.
  const std::string First = MakeRedClip("first.mkv", "320x240");
  const std::string Second = MakeRedClip("second.mkv", "640x480");
  const std::string Output = Dir.File("joined.mkv");
  auto Task = MakeTask(
      {{First, ""}, {Second, ""}}, Output,
      "-an -c:v ffv1 -vf \"movie=" + Logo + " [wm]; [in][wm] overlay=10:10, crop=iw/2:ih/2:0:0 [out]\"",
      true);
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Width, 160);
  EXPECT_EQ(Facts.Video[0].Height, 120);
  EXPECT_EQ(Facts.Video[0].Frames, 20);
  const std::string Raw = native_filter_test::DecodeToRawVideo(Output);
  constexpr size_t PictureSize = 160 * 120 * 3 / 2;
  ASSERT_GE(Raw.size(), 2 * PictureSize);
  // The second segment's logo was laid over a 160 × 120 picture and then doubled.
  const std::string LastPicture = Raw.substr(Raw.size() - PictureSize);
  EXPECT_NEAR(FirstPictureU(LastPicture, 160, 120, 52, 52), BlueU, 12);
  EXPECT_NEAR(FirstPictureU(LastPicture, 160, 120, 120, 100), RedU, 12);
}

}  // namespace
