// Filter chains with the engine's own filters between libavfilter's: the split of the
// chain text, the run of pictures through graphs and engine filters, and a conversion
// whose "-vf" names an engine filter.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "Src/VideoFilterChain.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace transcode_test;

// A small engine filter: turns gray pictures by a quarter (rows become columns), so its
// output shows that it ran, in which format it got its pictures and that the chain
// adopted the size it announced.
class TTransposeInstance : public TEngineFilterInstance {
 public:
  std::vector<AVPixelFormat> InputFormats() const override { return {AV_PIX_FMT_GRAY8}; }
  int Configure(const TVideoFormat& AInput, TVideoFormat& AOutput, String&) override {
    Input = AInput;
    AOutput = AInput;
    AOutput.Width = AInput.Height;
    AOutput.Height = AInput.Width;
    return 0;
  }
  int FilterFrame(AVFrame* AInput, AVFrame* AOutput) override {
    AOutput->format = AInput->format;
    AOutput->width = AInput->height;
    AOutput->height = AInput->width;
    int Error = FF.av_frame_get_buffer(AOutput, 0);
    if (Error < 0) return Error;
    for (int Y = 0; Y < AOutput->height; Y++)
      for (int X = 0; X < AOutput->width; X++)
        AOutput->data[0][Y * AOutput->linesize[0] + X] = AInput->data[0][X * AInput->linesize[0] + Y];
    Frames++;
    return FF.av_frame_copy_props(AOutput, AInput);
  }
  TVideoFormat Input;
  static inline int Frames = 0;
};

class TTransposeFilter : public TEngineVideoFilter {
 public:
  String Name() const override { return "pelladrintranspose"; }
  std::unique_ptr<TEngineFilterInstance> CreateInstance(const String& AArguments, String& AError) override {
    if (!AArguments.empty()) {
      AError = "pelladrintranspose takes no arguments";
      return nullptr;
    }
    return std::make_unique<TTransposeInstance>();
  }
};

TTransposeFilter& Transpose() {
  static TTransposeFilter Filter;
  RegisterFilter(Filter);
  return Filter;
}

class TranscodeFilterChainTest : public TranscodeFixture {
 protected:
  void SetUp() override {
    TranscodeFixture::SetUp();
    if (HasFatalFailure()) return;
    Transpose();
    TTransposeInstance::Frames = 0;
  }
};

TEST_F(TranscodeFilterChainTest, TheTextIsSplitAtEngineFiltersOnly) {
  struct TCase {
    const char* Text;
    std::vector<std::pair<bool, std::string>> Parts;  // engine filter?, text or arguments
  };
  const TCase Cases[] = {
      {"scale=320:240,hflip", {{false, "scale=320:240,hflip"}}},
      {"", {{false, ""}}},
      {"split[a][b];[a]hflip[c];[b][c]overlay", {{false, "split[a][b];[a]hflip[c];[b][c]overlay"}}},
      {"scale=32:24, pelladrintranspose ,hflip", {{false, "scale=32:24"}, {true, ""}, {false, "hflip"}}},
      {"pelladrintranspose", {{false, ""}, {true, ""}, {false, ""}}},
      {"drawtext=text='a,pelladrintranspose',pelladrintranspose=x",
       {{false, "drawtext=text='a,pelladrintranspose'"}, {true, "x"}, {false, ""}}},
      {"drawtext=text=a\\,b,pelladrintranspose", {{false, "drawtext=text=a\\,b"}, {true, ""}, {false, ""}}},
      {"movie=a.png [wm]; [in][wm] overlay=1:2, pelladrintranspose, scale=8:6 [out]",
       {{false, "movie=a.png [wm];[in][wm] overlay=1:2"}, {true, ""}, {false, "scale=8:6 [out]"}}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    std::vector<TChainPart> Parts;
    String Error;
    ASSERT_TRUE(SplitFilterChain(Case.Text, Parts, Error)) << Error;
    ASSERT_EQ(Parts.size(), Case.Parts.size());
    for (size_t I = 0; I < Parts.size(); I++) {
      EXPECT_EQ(Parts[I].Filter != nullptr, Case.Parts[I].first) << I;
      EXPECT_EQ(Parts[I].Text, Case.Parts[I].second) << I;
    }
  }

  const std::pair<const char*, const char*> Refused[] = {
      {"[in]pelladrintranspose[out]",
       "The filter \"pelladrintranspose\" must stand in the last chain of the filter text, without link "
       "labels"},
      {"pelladrintranspose;hflip",
       "The filter \"pelladrintranspose\" must stand in the last chain of the filter text, without link "
       "labels"},
      {"scale=2:2,nosuch=1", "No such filter: 'nosuch'"},
  };
  for (const auto& [Text, Message] : Refused) {
    std::vector<TChainPart> Parts;
    String Error;
    EXPECT_FALSE(SplitFilterChain(Text, Parts, Error)) << Text;
    EXPECT_EQ(Error, Message);
  }
}

TEST_F(TranscodeFilterChainTest, PicturesPassThroughGraphsAndTheEngineFilterInOrder) {
  TVideoFormat Input;
  Input.Width = 64;
  Input.Height = 48;
  Input.PixelFormat = AV_PIX_FMT_YUV420P;
  Input.TimeBase = {1, 25};
  TVideoFilterChain Chain;
  String Error;
  ASSERT_EQ(Chain.Configure("scale=32:24,pelladrintranspose,hflip", Input, {AV_PIX_FMT_YUV420P}, SWS_BICUBIC,
                            Error),
            0)
      << Error;
  EXPECT_EQ(Chain.OutputFormat().Width, 24);
  EXPECT_EQ(Chain.OutputFormat().Height, 32);
  EXPECT_EQ(Chain.OutputFormat().PixelFormat, AV_PIX_FMT_YUV420P);

  TFramePtr Frame(FF.av_frame_alloc());
  std::vector<int64_t> Times;
  for (int I = 0; I < 10; I++) {
    FF.av_frame_unref(Frame.get());
    Frame->format = AV_PIX_FMT_YUV420P;
    Frame->width = 64;
    Frame->height = 48;
    ASSERT_GE(FF.av_frame_get_buffer(Frame.get(), 0), 0);
    for (int P = 0; P < 3; P++)
      std::memset(Frame->data[P], P ? 128 : 16 + I, Frame->linesize[P] * (P ? 24 : 48));
    Frame->pts = I;
    ASSERT_EQ(Chain.SendFrame(Frame.get()), 0);
    FF.av_frame_unref(Frame.get());
    while (Chain.ReceiveFrame(Frame.get()) == 0) {
      EXPECT_EQ(Frame->width, 24);
      EXPECT_EQ(Frame->height, 32);
      Times.push_back(Frame->pts);
      FF.av_frame_unref(Frame.get());
    }
  }
  ASSERT_EQ(Chain.SendFrame(nullptr), 0);
  int Error2;
  while ((Error2 = Chain.ReceiveFrame(Frame.get())) == 0) {
    Times.push_back(Frame->pts);
    FF.av_frame_unref(Frame.get());
  }
  EXPECT_EQ(Error2, AVERROR_EOF);
  EXPECT_EQ(Times, (std::vector<int64_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(TTransposeInstance::Frames, 10);
}

TEST_F(TranscodeFilterChainTest, AConversionRunsTheEngineFilterOfItsVideoFilterOption) {
  const std::string Clip = MakeClip(Dir.Path().string(), "clip.mkv", 1);
  const std::string Output = Dir.File("turned.mp4");
  auto Task = MakeTask({{Clip, ""}}, Output, "-an -c:v mpeg4 -vf hflip,pelladrintranspose");
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Width, 240);
  EXPECT_EQ(Facts.Video[0].Height, 320);
  EXPECT_EQ(Facts.Video[0].Frames, 25);
  EXPECT_EQ(TTransposeInstance::Frames, 25);
}

TEST_F(TranscodeFilterChainTest, AChainThatCannotBeBuiltEndsTheTaskWithTheReason) {
  const std::string Clip = MakeClip(Dir.Path().string(), "clip.mkv", 1);
  const std::pair<const char*, String> Cases[] = {
      {"pelladrintranspose=9", "Error opening filters: pelladrintranspose takes no arguments"},
      {"hflip,nosuchfilter", "Error opening filters: No such filter: 'nosuchfilter'"},
  };
  for (const auto& [Filters, Message] : Cases) {
    auto Task = MakeTask({{Clip, ""}}, Dir.File("out.mp4"), String("-an -c:v mpeg4 -vf ") + Filters);
    ASSERT_TRUE(Task);
    TRunResult Run = RunInPlace(*Task);
    EXPECT_TRUE(Run.Failed);
    EXPECT_EQ(Run.Message, Message);
  }
}

}  // namespace
