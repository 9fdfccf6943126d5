// The hooks of a conversion task: the video hooks' drawing on bitmaps and the frame
// hooks' changes in place reach the output (or not, as the handler asks), the decoder's
// own pictures stay untouched, the audio hook sees and changes the samples before the
// volume, and a stream copy is refused while hooks want the frames.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "Src/FFLoad.h"
#include "platform/gdi/Graphics.h"
#include "tests/Src/HookTestMedia.h"
#include "tests/Src/SharedLibraryBuilder.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace hook_test;
using namespace transcode_test;

// The box the handlers draw: columns and rows 16 to 31.
constexpr int BoxFirst = 16;
constexpr int BoxEnd = 32;

void PaintBox(TBitmap& ABitmap, uint8_t AValue) {
  const int Bytes = ABitmap.PixelFormat() == pf32bit ? 4 : 3;
  for (int Y = BoxFirst; Y < BoxEnd; Y++)
    std::memset(ABitmap.ScanLine(Y) + BoxFirst * Bytes, AValue, (BoxEnd - BoxFirst) * Bytes);
}

void PaintBox(AVFrame* APicture, uint8_t ALuma) {
  for (int Y = BoxFirst; Y < BoxEnd; Y++)
    std::memset(APicture->data[0] + Y * APicture->linesize[0] + BoxFirst, ALuma, BoxEnd - BoxFirst);
}

// Whether the picture shows the box in about ALuma on the grey ground.
bool HasBox(const std::vector<uint8_t>& APlane, int ALuma) {
  return std::abs(LumaAt(APlane, 20, 20) - ALuma) <= 6 && std::abs(LumaAt(APlane, 27, 27) - ALuma) <= 6 &&
         std::abs(LumaAt(APlane, 4, 4) - GrayLuma) <= 4 && std::abs(LumaAt(APlane, 50, 40) - GrayLuma) <= 4;
}
bool IsPlainGray(const std::vector<uint8_t>& APlane) {
  for (uint8_t Luma : APlane)
    if (std::abs(Luma - GrayLuma) > 4) return false;
  return true;
}

class HookTest : public TranscodeFixture {
 protected:
  void SetUp() override {
    TranscodeFixture::SetUp();
    if (HasFatalFailure()) return;
    Clip = MakeFlatClip(Dir.Path().string(), "gray.avi");
    Output = Dir.File("out.mkv");
  }

  // A task from the clip into Output with lossless video.
  std::unique_ptr<TCustomFFmpeg> Task(const std::string& AOptions = "-vcodec ffv1") {
    return MakeTask({{Clip, ""}}, Output, AOptions);
  }

  std::string Clip;
  std::string Output;
};

TEST_F(HookTest, TheInputVideoHooksDrawingReachesTheOutputWhenTheHandlerAsksForIt) {
  struct TCase {
    const char* Name;
    bool Update;
    bool StopHook;
    int ExpectedCalls;
    int BoxedPictures;  // the first pictures that show the box
  };
  const TCase Cases[] = {
      {"update", true, false, Frames, Frames},
      {"no update", false, false, Frames, 0},
      {"stop at once", true, true, 1, 1},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    auto Task = this->Task();
    ASSERT_TRUE(Task);
    std::vector<std::pair<int, int64_t>> Calls;
    Task->FOnInputVideoHook = [&](TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS,
                                  bool& AUpdate, bool& AStopHook) {
      EXPECT_EQ(ASender, Task.get());
      EXPECT_TRUE(AUpdate);
      EXPECT_FALSE(AStopHook);
      EXPECT_EQ(ABitmap->Width(), Width);
      EXPECT_EQ(ABitmap->Height(), Height);
      Calls.emplace_back(AFrameNumber, APTS);
      PaintBox(*ABitmap, 255);
      AUpdate = Case.Update;
      AStopHook = Case.StopHook;
    };
    TRunResult Result = RunInPlace(*Task);
    ASSERT_TRUE(Result.Finished) << Result.Message;
    ASSERT_EQ(static_cast<int>(Calls.size()), Case.ExpectedCalls);
    for (size_t I = 0; I < Calls.size(); I++) {
      EXPECT_EQ(Calls[I].first, static_cast<int>(I) + 1);
      EXPECT_EQ(Calls[I].second, static_cast<int64_t>(I) * 40000);
    }
    const auto Pictures = ReadLuma(Output);
    ASSERT_EQ(static_cast<int>(Pictures.size()), Frames);
    for (int I = 0; I < Frames; I++) {
      if (I < Case.BoxedPictures)
        EXPECT_TRUE(HasBox(Pictures[I], 235)) << "picture " << I;
      else
        EXPECT_TRUE(IsPlainGray(Pictures[I])) << "picture " << I;
    }
  }
}

TEST_F(HookTest, TheOutputVideoHookDrawsOnThePicturesBeingEncodedAtTheChosenDepth) {
  auto Task = this->Task("-vcodec ffv1 -VideoHookBitsPixel 32");
  ASSERT_TRUE(Task);
  std::vector<int> FrameNumbers;
  Task->FOnOutputVideoHook = [&](TObject*, TBitmap* ABitmap, int AFrameNumber, int64_t, bool&, bool&) {
    EXPECT_EQ(ABitmap->PixelFormat(), pf32bit);
    FrameNumbers.push_back(AFrameNumber);
    PaintBox(*ABitmap, 0);
  };
  TRunResult Result = RunInPlace(*Task);
  ASSERT_TRUE(Result.Finished) << Result.Message;
  EXPECT_EQ(FrameNumbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  for (const auto& Picture : ReadLuma(Output)) EXPECT_TRUE(HasBox(Picture, 16));
}

// The clip's later pictures are predicted from the first one: had the hook drawn into
// the decoder's own picture, the box would show up in them too. One decoding thread, so
// that the second picture is decoded after the hook ran on the first.
TEST_F(HookTest, FrameHooksChangeTheirPictureInPlaceAndOnlyThatPicture) {
  for (bool Input : {true, false}) {
    SCOPED_TRACE(Input ? "input" : "output");
    auto Task = MakeTask({{Clip, "-threads 1"}}, Output, "-vcodec ffv1");
    ASSERT_TRUE(Task);
    std::vector<int> FrameNumbers;
    auto Hook = [&](TObject*, AVFrame* APicture, AVPixelFormat APixFmt, int AFrameNumber, int AWidth,
                    int AHeight, int64_t APTS) {
      EXPECT_EQ(APixFmt, AV_PIX_FMT_YUV420P);
      EXPECT_EQ(AWidth, Width);
      EXPECT_EQ(AHeight, Height);
      EXPECT_EQ(APTS, (AFrameNumber - 1) * 40000);
      FrameNumbers.push_back(AFrameNumber);
      if (AFrameNumber == 1) PaintBox(APicture, 235);
    };
    (Input ? Task->FOnInputFrameHook : Task->FOnOutputFrameHook) = Hook;
    TRunResult Result = RunInPlace(*Task);
    ASSERT_TRUE(Result.Finished) << Result.Message;
    EXPECT_EQ(FrameNumbers, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    const auto Pictures = ReadLuma(Output);
    ASSERT_EQ(static_cast<int>(Pictures.size()), Frames);
    EXPECT_TRUE(HasBox(Pictures[0], 235));
    for (int I = 1; I < Frames; I++) EXPECT_TRUE(IsPlainGray(Pictures[I])) << "picture " << I;
  }
}

TEST_F(HookTest, AHandlersExceptionIsLoggedAndLeavesThePictureAsItWas) {
  auto Task = this->Task();
  ASSERT_TRUE(Task);
  int Calls = 0;
  Task->FOnInputVideoHook = [&](TObject*, TBitmap* ABitmap, int, int64_t, bool&, bool&) {
    Calls++;
    PaintBox(*ABitmap, 255);
    throw Exception("drawing failed");
  };
  TRunResult Result = RunInPlace(*Task);
  ASSERT_TRUE(Result.Finished) << Result.Message;
  EXPECT_EQ(Calls, Frames);
  for (const auto& Picture : ReadLuma(Output)) EXPECT_TRUE(IsPlainGray(Picture));
}

TEST_F(HookTest, AStreamCopyIsRefusedWhileHooksWantTheFrames) {
  using TSetUp = std::function<void(TCustomFFmpeg&)>;
  const std::string Module = Dir.File("hook.so");
  ASSERT_TRUE(
      BuildSharedLibrary("void Process(void* c, void* p, int f, int w, int h, long long t) {}", Module));
  struct TCase {
    std::string Options;
    TSetUp SetUp;
    const char* Text;
  };
  const auto VideoHook = [](TObject*, TBitmap*, int, int64_t, bool&, bool&) {};
  const auto FrameHook = [](TObject*, AVFrame*, AVPixelFormat, int, int, int, int64_t) {};
  const TCase Cases[] = {
      {"-vcodec copy", [&](TCustomFFmpeg& T) { T.FOnInputVideoHook = VideoHook; },
       "-vcodec copy and VideoHook are incompatible (frames are not decoded)"},
      {"-vcodec copy", [&](TCustomFFmpeg& T) { T.FOnOutputVideoHook = VideoHook; },
       "-vcodec copy and VideoHook are incompatible (frames are not decoded)"},
      {"-vcodec copy", [&](TCustomFFmpeg& T) { T.FOnOutputFrameHook = FrameHook; },
       "-vcodec copy and FrameHook are incompatible (frames are not decoded)"},
      {"-vcodec copy -vhook " + Module, [](TCustomFFmpeg&) {},
       "-vcodec copy and -vhook are incompatible (frames are not decoded)"},
      {"-vcodec copy", [](TCustomFFmpeg& T) { T.SetPostHooks({phBitmap}); },
       "-vcodec copy and PostHooks are incompatible (frames are not decoded)"},
      {"-vcodec ffv1 -acodec copy",
       [](TCustomFFmpeg& T) {
         T.FOnAudioHook = [](TObject*, int64_t, uint8_t*, int, int, int, AVSampleFormat) {};
       },
       "-acodec copy and AudioHook are incompatible (frames are not decoded)"},
  };
  const std::string WithAudio = MakeFlatClip(Dir.Path().string(), "gray-with-tone.avi", "gray", true);
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    auto Task = MakeTask({{WithAudio, ""}}, Output, Case.Options);
    ASSERT_TRUE(Task);
    Case.SetUp(*Task);
    TRunResult Result = RunInPlace(*Task);
    EXPECT_TRUE(Result.Failed);
    EXPECT_NE(Result.Message.find(Case.Text), std::string::npos) << Result.Message;
  }
}

TEST_F(HookTest, TheAudioHookSeesTheDecodedSamplesBeforeTheVolumeAndMayChangeThem) {
  const std::string WithAudio = MakeFlatClip(Dir.Path().string(), "gray-with-tone.avi", "gray", true);
  for (bool Silence : {false, true}) {
    SCOPED_TRACE(Silence ? "silenced" : "untouched");
    auto Task = MakeTask({{WithAudio, ""}}, Output, "-vn -acodec pcm_s16le -vol 512");
    ASSERT_TRUE(Task);
    float Peak = 0;
    int Calls = 0;
    Task->FOnAudioHook = [&](TObject*, int64_t, uint8_t* ASample, int ASize, int ASampleRate, int AChannels,
                             AVSampleFormat ASampleFormat) {
      Calls++;
      // The decoder's planar floats come interleaved.
      EXPECT_EQ(ASampleFormat, AV_SAMPLE_FMT_FLT);
      EXPECT_EQ(ASampleRate, 48000);
      EXPECT_EQ(AChannels, 2);
      EXPECT_EQ(ASize % (AChannels * 4), 0);
      auto* Samples = reinterpret_cast<float*>(ASample);
      for (int I = 0; I < ASize / 4; I++) Peak = std::max(Peak, std::fabs(Samples[I]));
      if (Silence) std::memset(ASample, 0, ASize);
    };
    TRunResult Result = RunInPlace(*Task);
    ASSERT_TRUE(Result.Finished) << Result.Message;
    EXPECT_GT(Calls, 0);
    // The hook saw the samples at the clip's own level, which the volume then doubled.
    EXPECT_GT(Peak, 0.05);
    if (Silence)
      EXPECT_LT(PeakVolume(Output), -80);
    else
      EXPECT_NEAR(PeakVolume(Output), 20 * std::log10(2 * Peak), 0.5);
  }
}

}  // namespace
