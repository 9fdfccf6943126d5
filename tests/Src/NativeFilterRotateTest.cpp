// "rotate": quarter turns in conversions, checked against the ffmpeg tool's own
// transposition; other angles, sizes and refused arguments through the chain.

#include <gtest/gtest.h>

#include <cmath>

#include "Src/FFLoad.h"
#include "tests/Src/NativeFilterTestSupport.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace native_filter_test;
using namespace transcode_test;

class NativeFilterRotateTest : public TranscodeFixture {};

TEST_F(NativeFilterRotateTest, QuarterTurnsMoveEveryPixelAndTheCornerMarker) {
  // A 160 × 120 picture with a white 16 × 12 marker in its top-left corner, kept
  // lossless throughout so that every sample can be compared.
  const std::string Source =
      MakeMedia(Dir.Path().string(), "marked.mkv",
                "-f lavfi -i testsrc2=s=160x120:r=25:d=0.2 -vf drawbox=x=0:y=0:w=16:h=12:color=white:t=fill "
                "-pix_fmt yuv420p -c:v ffv1");
  struct TCase {
    int Angle;
    const char* Reference;  // the same turn by the ffmpeg tool
    int Width, Height;
    int MarkerLeft, MarkerTop, MarkerWidth, MarkerHeight;
  };
  const TCase Cases[] = {
      {90, "transpose=clock", 120, 160, 120 - 12, 0, 12, 16},      // top-left goes top-right
      {180, "hflip,vflip", 160, 120, 160 - 16, 120 - 12, 16, 12},  // and bottom-right
      {270, "transpose=cclock", 120, 160, 0, 160 - 16, 12, 16},    // and bottom-left
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Angle);
    const std::string Output = Dir.File("turned" + std::to_string(Case.Angle) + ".mkv");
    auto Task = MakeTask({{Source, ""}}, Output, "-an -c:v ffv1 -vf rotate=" + std::to_string(Case.Angle));
    ASSERT_TRUE(Task);
    TRunResult Run = RunInPlace(*Task);
    ASSERT_FALSE(Run.Failed) << Run.Message;
    TFileFacts Facts = Probe(Output);
    ASSERT_EQ(Facts.Video.size(), 1u);
    EXPECT_EQ(Facts.Video[0].Width, Case.Width);
    EXPECT_EQ(Facts.Video[0].Height, Case.Height);
    EXPECT_EQ(Facts.Video[0].Frames, 5);

    const std::string Turned = DecodeToRawVideo(Output);
    ASSERT_EQ(Turned.size(), 5u * 160 * 120 * 3 / 2);
    EXPECT_TRUE(Turned == DecodeToRawVideo(Source, Case.Reference));
    // The whole marker stands where its corner went, in the first picture's luma.
    int Marker = 0;
    for (int Y = Case.MarkerTop; Y < Case.MarkerTop + Case.MarkerHeight; Y++)
      for (int X = Case.MarkerLeft; X < Case.MarkerLeft + Case.MarkerWidth; X++)
        Marker += static_cast<uint8_t>(Turned[Y * Case.Width + X]) == 235;
    EXPECT_EQ(Marker, Case.MarkerWidth * Case.MarkerHeight);
  }
}

TEST_F(NativeFilterRotateTest, OtherAnglesGiveTheBoundingSizeWithBlackCorners) {
  struct TCase {
    const char* Filters;
    AVPixelFormat Format;
    int Width, Height;
    int Black;  // the luma of the uncovered corners
  };
  // 45 degrees by default: the bounding box is (640 + 480) × cos 45° across and down.
  const int Diagonal = static_cast<int>(std::floor((640 + 480) * std::cos(M_PI / 4)));
  const TCase Cases[] = {
      {"rotate", AV_PIX_FMT_YUV420P, Diagonal, Diagonal, 16},
      {"rotate=-45", AV_PIX_FMT_YUV420P, Diagonal, Diagonal, 16},
      {"rotate=45", AV_PIX_FMT_YUVJ420P, Diagonal, Diagonal, 0},  // full range is black at 0
      {"rotate=0", AV_PIX_FMT_YUV420P, 640, 480, -1},
      {"rotate=360", AV_PIX_FMT_YUV422P, 640, 480, -1},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Filters);
    TVideoFilterChain Chain;
    String Error;
    ASSERT_EQ(
        Chain.Configure(Case.Filters, FlatFormat(Case.Format, 640, 480), {Case.Format}, SWS_BICUBIC, Error),
        0)
        << Error;
    EXPECT_EQ(Chain.OutputFormat().Width, Case.Width);
    EXPECT_EQ(Chain.OutputFormat().Height, Case.Height);
    TFramePtr Input = MakeFlatFrame(Case.Format, 640, 480, 200, 90, 170);
    TFramePtr Output = FilterOne(Chain, Input.get());
    ASSERT_EQ(Output->width, Case.Width);
    ASSERT_EQ(Output->height, Case.Height);
    auto Luma = [&](int X, int Y) { return int(Output->data[0][Y * Output->linesize[0] + X]); };
    EXPECT_EQ(Luma(Case.Width / 2, Case.Height / 2), 200);
    EXPECT_EQ(Output->data[1][Output->linesize[1] * (Output->height / 4) + Output->width / 4], 90);
    if (Case.Black >= 0) {
      EXPECT_EQ(Luma(0, 0), Case.Black);
      EXPECT_EQ(Luma(Case.Width - 1, Case.Height - 1), Case.Black);
      EXPECT_EQ(Output->data[1][0], 128);
    } else {
      EXPECT_EQ(PlaneSamples(Output.get(), 0), PlaneSamples(Input.get(), 0));
      EXPECT_EQ(PlaneSamples(Output.get(), 1), PlaneSamples(Input.get(), 1));
    }
  }
}

TEST_F(NativeFilterRotateTest, PixelShapesTurnWithThePicture) {
  for (auto [Angle, Expected] :
       {std::pair{90, AVRational{3, 4}}, {180, AVRational{4, 3}}, {270, AVRational{3, 4}}}) {
    TVideoFormat Input = FlatFormat(AV_PIX_FMT_YUV420P, 64, 48);
    Input.SampleAspectRatio = {4, 3};
    TVideoFilterChain Chain;
    String Error;
    ASSERT_EQ(Chain.Configure(Format("rotate=%d", Angle), Input, {}, SWS_BICUBIC, Error), 0) << Error;
    EXPECT_EQ(av_cmp_q(Chain.OutputFormat().SampleAspectRatio, Expected), 0) << Angle;
    TFramePtr Frame = MakeFlatFrame(AV_PIX_FMT_YUV420P, 64, 48, 100, 128, 128);
    Frame->sample_aspect_ratio = {4, 3};
    EXPECT_EQ(av_cmp_q(FilterOne(Chain, Frame.get())->sample_aspect_ratio, Expected), 0) << Angle;
  }
}

TEST_F(NativeFilterRotateTest, AnAngleThatIsNotAWholeNumberEndsTheConversion) {
  const std::string Clip = MakeClip(Dir.Path().string(), "clip.mkv", 0.2);
  for (const char* Angle : {"1.5", "ninety"}) {
    auto Task = MakeTask({{Clip, ""}}, Dir.File("out.mkv"), std::string("-an -c:v ffv1 -vf rotate=") + Angle);
    ASSERT_TRUE(Task);
    TRunResult Run = RunInPlace(*Task);
    EXPECT_TRUE(Run.Failed);
    EXPECT_EQ(Run.Message,
              Format("Error opening filters: The angle of \"rotate\" must be a whole number of degrees, "
                     "not \"%s\"",
                     Angle));
  }
}

}  // namespace
