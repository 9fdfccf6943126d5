// Join mode: several inputs one after another into one output, through one encoder per
// output stream, or by stream copy when the inputs agree.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "Src/FFLoad.h"
#include "Src/FFLog.h"
#include "tests/Src/ProbeJson.h"
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

// Without a progress event the task logs its status line after every packet: the
// frame count and the time go on from one segment into the next, the last line is
// marked "L", and the summary gives the sizes of what was written.
TEST_F(TranscodeJoinTest, TheStatusLinesRunAcrossTheSegmentsAndTheSummaryGivesTheWrittenSizes) {
  const std::string Folder = Dir.Path().string();
  const std::string Output = Dir.File("joined.mkv");
  auto Task = MakeTask({{MakeClip(Folder, "one.mkv", 1), ""}, {MakeClip(Folder, "two.mkv", 1), ""}}, Output,
                       "-c:v mpeg4 -c:a ac3", true);
  ASSERT_TRUE(Task);
  Task->ReportInterval = 0;
  std::vector<String> Lines;
  TVORerivi* Logger = GetLogger();
  Logger->TriggerEventInMainThread = false;
  Logger->OnLog = [&](TObject* Sender, TThreadID, TLogLevel ALevel, const String& AText) {
    if (Sender == Task.get() && ALevel == llInfo) Lines.push_back(AText);
  };
  TThread* Thread = Task->StartConvert(false);
  Logger->OnLog = nullptr;
  ASSERT_EQ(Thread, nullptr);
  ASSERT_TRUE(Task->FFinished) << Task->FLastErrMsg;

  const std::regex StatusLine(
      R"(frame= *(\d+) fps= *\d+ q= *[0-9.]+ (L?)size= *\d+kB time=00:00:(\d\d)\.(\d\d) bitrate= *[0-9.]+kbits/s)");
  std::vector<int> Frames, Hundredths;
  std::vector<bool> Last;
  size_t LastStatus = 0;
  for (size_t I = 0; I < Lines.size(); I++) {
    std::smatch Match;
    if (!std::regex_match(Lines[I], Match, StatusLine)) continue;
    Frames.push_back(std::stoi(Match[1]));
    Last.push_back(Match[2] == "L");
    Hundredths.push_back(std::stoi(Match[3]) * 100 + std::stoi(Match[4]));
    LastStatus = I;
  }
  ASSERT_GT(Frames.size(), 2u);
  EXPECT_TRUE(std::is_sorted(Frames.begin(), Frames.end()));
  EXPECT_TRUE(std::is_sorted(Hundredths.begin(), Hundredths.end()));
  // The second segment's streams count on from the first segment's 25 pictures.
  EXPECT_TRUE(std::any_of(Frames.begin(), Frames.end(), [](int F) { return F > 0 && F <= 25; }));
  EXPECT_TRUE(std::any_of(Frames.begin(), Frames.end(), [](int F) { return F > 25; }));
  EXPECT_EQ(std::count(Last.begin(), Last.end(), true), 1);
  EXPECT_TRUE(Last.back());
  const TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_EQ(Frames.back(), Facts.Video[0].Frames);
  EXPECT_NEAR(Hundredths.back(), 200, 10);

  ASSERT_LT(LastStatus + 1, Lines.size());
  std::smatch Summary;
  ASSERT_TRUE(std::regex_match(Lines[LastStatus + 1], Summary,
                               std::regex(R"(video:(\d+)kB audio:(\d+)kB global headers:(\d+)kB )"
                                          R"(muxing overhead [0-9.]+%\r\n)")))
      << Lines[LastStatus + 1];
  auto WrittenKB = [&](const char* ASelector) {
    const TJsonValue Packets =
        ProbeJson(Output, std::string("-select_streams ") + ASelector + " -show_entries packet=size");
    double Bytes = 0;
    for (const TJsonValue& Packet : Packets["packets"].Items) Bytes += Packet.Num("size");
    return Bytes / 1024;
  };
  EXPECT_NEAR(std::stoi(Summary[1]), WrittenKB("v:0"), 1.0);
  EXPECT_NEAR(std::stoi(Summary[2]), WrittenKB("a:0"), 1.0);
}

// The events of a join name the segment being read; each segment's figures are those of
// its own streams, which go on from the previous segment's.
TEST_F(TranscodeJoinTest, EachSegmentsProgressEventsCarryItsOwnStreamsFigures) {
  const std::string Folder = Dir.Path().string();
  const std::string Output = Dir.File("joined.mkv");
  auto Task = MakeTask({{MakeClip(Folder, "one.mkv", 1), ""}, {MakeClip(Folder, "two.mkv", 2), ""}}, Output,
                       "-c:v mpeg4 -c:a ac3", true);
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  ASSERT_FALSE(Run.Reports.empty());
  int Previous = -1;
  std::vector<int> SegmentOrder;
  for (const TProgressReport& Report : Run.Reports) {
    if (SegmentOrder.empty() || SegmentOrder.back() != Report.FileIndex)
      SegmentOrder.push_back(Report.FileIndex);
    if (Report.FileIndex == 0) {
      EXPECT_LE(Report.FrameNumber, 25);
    } else if (Report.FileIndex == 1) {
      EXPECT_GE(Report.FrameNumber, 25);
      EXPECT_GE(Report.CurrentDuration, 900000);  // the time goes on from the first second
    }
    EXPECT_GE(Report.FrameNumber, Previous);
    if (Report.FrameNumber > 0) Previous = Report.FrameNumber;
  }
  EXPECT_EQ(SegmentOrder, (std::vector<int>{0, 1, -1}));
  EXPECT_EQ(Run.Reports.back().FrameNumber, 75);
  EXPECT_NEAR(Run.Reports.back().CurrentDuration, 3000000, 100000);
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
