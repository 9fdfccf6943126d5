// Join mode: several inputs one after another into one output, through one encoder per
// output stream, or by stream copy when the inputs agree.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace transcode_test;

class TranscodeJoinTest : public TranscodeFixture {
 protected:
  static void ExpectRising(const std::vector<double>& ATimes, const char* AWhat) {
    ASSERT_FALSE(ATimes.empty()) << AWhat;
    for (size_t I = 1; I < ATimes.size(); I++)
      ASSERT_GT(ATimes[I], ATimes[I - 1]) << AWhat << " packet " << I;
  }
};

TEST_F(TranscodeJoinTest, ClipsOfDifferentSizesBecomeOneStreamOfTheFirstSize) {
  const std::string Folder = Dir.Path().string();
  const std::string First = MakeClip(Folder, "one.mkv", 1, "320x240");
  const std::string Second = MakeClip(Folder, "two.mkv", 2, "160x120");
  const std::string Output = Dir.File("joined.mp4");
  auto Task = MakeTask({{First, ""}, {Second, ""}}, Output, "-c:v libx264 -preset veryfast -c:a aac", true);
  ASSERT_TRUE(Task);
  ASSERT_TRUE(Task->FJoinMode);
  // The second segment writes through the first segment's encoders.
  ASSERT_EQ(Task->Foutput_streams.size(), 4u);
  EXPECT_EQ(Task->Foutput_streams[2]->enc_ctx, Task->Foutput_streams[0]->enc_ctx);
  EXPECT_EQ(Task->Foutput_streams[3]->enc_ctx, Task->Foutput_streams[1]->enc_ctx);

  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  EXPECT_TRUE(Run.Finished);

  TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  ASSERT_EQ(Facts.Audio.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Width, 320);
  EXPECT_EQ(Facts.Video[0].Height, 240);
  // The second clip's pictures follow the first clip's longer audio: its first picture
  // may fill that gap once more.
  EXPECT_GE(Facts.Video[0].Frames, 75);
  EXPECT_LE(Facts.Video[0].Frames, 76);
  EXPECT_NEAR(Facts.Duration, 3.0, 0.1);
  ExpectRising(PacketTimes(Output, "v:0"), "video");
  ExpectRising(PacketTimes(Output, "a:0"), "audio");

  // The reports name the segment being read; the frame count goes on across segments.
  bool SawSecond = false;
  for (const TProgressReport& Report : Run.Reports) SawSecond = SawSecond || Report.FileIndex == 1;
  EXPECT_TRUE(SawSecond);
  EXPECT_EQ(Run.Reports.back().FileIndex, -1);
  EXPECT_EQ(Run.Reports.back().FrameNumber, Facts.Video[0].Frames);
}

TEST_F(TranscodeJoinTest, StreamCopyJoinsOnlyInputsThatAgree) {
  const std::string Folder = Dir.Path().string();
  const std::string First = MakeClip(Folder, "one.mkv", 1, "320x240");
  const std::string Same = MakeClip(Folder, "same.mkv", 2, "320x240");
  const std::string Smaller = MakeClip(Folder, "small.mkv", 2, "160x120");

  const std::string Output = Dir.File("copied.mkv");
  auto Task = MakeTask({{First, ""}, {Same, ""}}, Output, "-c copy", true);
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Packets, Probe(First).Video[0].Packets + Probe(Same).Video[0].Packets);
  EXPECT_NEAR(Facts.Duration, 3.0, 0.1);
  ExpectRising(PacketTimes(Output, "v:0"), "video");

  auto Refused = MakeTask({{First, ""}, {Smaller, ""}}, Dir.File("refused.mkv"), "-c copy", true);
  ASSERT_TRUE(Refused);
  Run = RunInPlace(*Refused);
  EXPECT_TRUE(Run.Failed);
  EXPECT_EQ(Run.Message,
            "Input file #1 cannot be joined by stream copy: its video stream differs from the first input's "
            "(codec, "
            "size or format)");
  EXPECT_FALSE(std::filesystem::exists(Dir.File("refused.mkv")));
}

TEST_F(TranscodeJoinTest, AnInputWithoutAKindOfStreamTheOutputHasIsRefused) {
  const std::string Folder = Dir.Path().string();
  const std::string First = MakeClip(Folder, "one.mkv", 1);
  const std::string Silent =
      MakeMedia(Folder, "silent.mkv", "-f lavfi -i testsrc2=s=320x240:r=25:d=1 -c:v mpeg4");
  auto Task = MakeTask({{First, ""}, {Silent, ""}}, Dir.File("joined.mkv"), "-c:v mpeg4 -c:a aac", true);
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  EXPECT_TRUE(Run.Failed);
  EXPECT_EQ(Run.Message, "Input file #1 cannot be joined: it has no audio stream");
  EXPECT_FALSE(std::filesystem::exists(Dir.File("joined.mkv")));
}

}  // namespace
