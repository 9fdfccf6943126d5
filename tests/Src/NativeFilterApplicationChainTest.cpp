// The chain the application gives a conversion: a picture overlaid from a "movie"
// source, the equaliser and a scaler in one "-vf" text.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "tests/Src/NativeFilterTestSupport.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace native_filter_test;
using namespace transcode_test;

TEST(NativeFilterApplicationChainTest, OverlayEqualiserAndScalerAllShowInTheOutput) {
  ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg();
  testing_support::TempDir Dir;
  // Flat grey pictures, a white 64 × 64 watermark put at 10, 10, brightness 20, and
  // half the size.
  const std::string Source =
      MakeMedia(Dir.Path().string(), "grey.mkv",
                "-f lavfi -i color=c=gray:s=640x480:r=25:d=0.2 -pix_fmt yuv420p -c:v ffv1");
  const std::string Watermark =
      MakeMedia(Dir.Path().string(), "watermark.png", "-f lavfi -i color=c=white:s=64x64 -frames:v 1");
  const std::string Chain = "movie=" + Watermark +
                            " [watermark]; [in] [watermark] overlay=10:10, nativeeq=20:0, "
                            "scale=320:240 [out]";
  const std::string Output = Dir.File("converted.mkv");
  auto Task = MakeTask({{Source, ""}}, Output, "-an -c:v ffv1 -vf \"" + Chain + "\"");
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;

  TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Width, 320);
  EXPECT_EQ(Facts.Video[0].Height, 240);
  const std::string Grey = DecodeToRawVideo(Source);
  const std::string Converted = DecodeToRawVideo(Output);
  ASSERT_EQ(Converted.size(), 5u * 320 * 240 * 3 / 2);
  auto Luma = [&](int X, int Y) { return int(static_cast<uint8_t>(Converted[Y * 320 + X])); };
  // Brightness 20 adds ((20 + 100) × 511) / 200 − 128 − 128 = 50 to every sample.
  const int Background = static_cast<uint8_t>(Grey[0]) + 50;
  // The watermark covers 5..36 across and down after scaling; white (235) plus 50 is
  // limited to 255. Samples at the watermark's edge are blended by the scaler.
  for (auto [X, Y] : {std::pair{6, 6}, {21, 21}, {35, 35}}) EXPECT_EQ(Luma(X, Y), 255) << X << "," << Y;
  for (auto [X, Y] : {std::pair{0, 0}, {40, 21}, {21, 40}, {160, 120}, {319, 239}})
    EXPECT_EQ(Luma(X, Y), Background) << X << "," << Y;
}

}  // namespace
