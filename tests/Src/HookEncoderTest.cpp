// The converter component's hook events: the output options choose which hooks a task
// raises, and every event carries the index of the task that raised it.

#include <gtest/gtest.h>

#include <cstring>

#include "Src/FFEncode.h"
#include "Src/FFLoad.h"
#include "platform/base/Paths.h"
#include "platform/gdi/Graphics.h"
#include "tests/Src/HookTestMedia.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace hook_test;

class HookEncoderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Encoder.LoadAVLib(GetAppPath() + "LibAV")) << Encoder.LastErrMsg();
    Clip = MakeFlatClip(Dir.Path().string(), "gray.avi", "gray", true);
  }

  TFFEncoder Encoder{nullptr};
  testing_support::TempDir Dir;
  std::string Clip;
};

TEST_F(HookEncoderTest, EachHookEventCarriesTheIndexOfItsTask) {
  // Task 0 asks for the output video hook through the record, task 1 for the input
  // video hook, the output frame hook and the audio hook through switches in its text.
  ASSERT_EQ(Encoder.AddTask(Clip, "", ""), 0) << Encoder.LastErrMsg();
  ASSERT_EQ(Encoder.AddTask(Clip, "", ""), 1) << Encoder.LastErrMsg();
  TOutputOptions Options;
  Options.Options = "-vcodec ffv1 -an";
  Options.VideoOutputHook = true;
  ASSERT_EQ(Encoder.SetOutput(0, Dir.File("out0.mkv"), &Options), 0) << Encoder.LastErrMsg();
  ASSERT_EQ(
      Encoder.SetOutput(1, Dir.File("out1.mkv"),
                        "-vcodec ffv1 -acodec pcm_s16le -VideoInputHook -FrameOutputHook -AudioHook", ""),
      0)
      << Encoder.LastErrMsg();

  std::vector<std::pair<int, int>> InputVideo, OutputVideo, OutputFrames;
  std::vector<int> AudioTasks;
  Encoder.OnVideoInputHook = [&](TObject* ASender, TCustomEncoder::THookInfo* AInfo) {
    EXPECT_EQ(ASender, &Encoder);
    EXPECT_TRUE(AInfo->Update);
    EXPECT_FALSE(AInfo->StopHook);
    EXPECT_EQ(AInfo->PTS, (AInfo->FrameNumber - 1) * 40000);
    InputVideo.emplace_back(AInfo->TaskIndex, AInfo->FrameNumber);
    AInfo->Update = false;
  };
  Encoder.OnVideoOutputHook = [&](TObject*, TCustomEncoder::THookInfo* AInfo) {
    OutputVideo.emplace_back(AInfo->TaskIndex, AInfo->FrameNumber);
    for (int Y = 16; Y < 32; Y++) std::memset(AInfo->Bitmap->ScanLine(Y) + 16 * 3, 255, 16 * 3);
    AInfo->StopHook = AInfo->FrameNumber == 2;
  };
  Encoder.OnFrameOutputHook = [&](TObject*, TCustomEncoder::TFrameHookInfo* AInfo) {
    EXPECT_EQ(AInfo->PixFmt, AV_PIX_FMT_YUV420P);
    EXPECT_EQ(AInfo->Width, Width);
    OutputFrames.emplace_back(AInfo->TaskIndex, AInfo->FrameNumber);
  };
  Encoder.OnAudioHook = [&](TObject*, int ATaskIndex, int64_t, uint8_t*, int, int, int, AVSampleFormat) {
    AudioTasks.push_back(ATaskIndex);
  };
  Encoder.Start(0);

  std::vector<std::pair<int, int>> Task0, Task1;
  for (int I = 1; I <= Frames; I++) Task1.emplace_back(1, I);
  EXPECT_EQ(InputVideo, Task1);
  EXPECT_EQ(OutputFrames, Task1);
  // The handler stopped the hook at the second picture.
  EXPECT_EQ(OutputVideo, (std::vector<std::pair<int, int>>{{0, 1}, {0, 2}}));
  ASSERT_FALSE(AudioTasks.empty());
  EXPECT_EQ(AudioTasks, std::vector<int>(AudioTasks.size(), 1));

  const auto Drawn = ReadLuma(Dir.File("out0.mkv"));
  ASSERT_EQ(static_cast<int>(Drawn.size()), Frames);
  EXPECT_NEAR(LumaAt(Drawn[0], 20, 20), 235, 6);
  EXPECT_NEAR(LumaAt(Drawn[1], 20, 20), 235, 6);
  EXPECT_NEAR(LumaAt(Drawn[2], 20, 20), GrayLuma, 4);
  // Without the update nothing of the bitmap came back into the pictures.
  for (const auto& Picture : ReadLuma(Dir.File("out1.mkv")))
    EXPECT_NEAR(LumaAt(Picture, 20, 20), GrayLuma, 4);
}

// A task asked for a hook that the application does not handle leaves its pictures as
// they are (no round trip through a bitmap).
TEST_F(HookEncoderTest, AHookWithoutAHandlerLeavesThePicturesExact) {
  ASSERT_EQ(Encoder.AddTask(Clip, "", ""), 0) << Encoder.LastErrMsg();
  ASSERT_EQ(Encoder.SetOutput(0, Dir.File("hooked.mkv"), "-vcodec ffv1 -an -VideoInputHook", ""), 0)
      << Encoder.LastErrMsg();
  ASSERT_EQ(Encoder.AddTask(Clip, "", ""), 1) << Encoder.LastErrMsg();
  ASSERT_EQ(Encoder.SetOutput(1, Dir.File("plain.mkv"), "-vcodec ffv1 -an", ""), 0) << Encoder.LastErrMsg();
  Encoder.Start(0);
  EXPECT_EQ(ReadLuma(Dir.File("hooked.mkv")), ReadLuma(Dir.File("plain.mkv")));
}

}  // namespace
