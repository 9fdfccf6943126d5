// The transcode of a task run in place: decode, filter, encode and mux, checked with
// ffprobe; stream copy, frame rate, volume and time limits.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "Src/FFLoad.h"
#include "tests/Src/DvdSubtitleMedia.h"
#include "tests/Src/ProbeJson.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace transcode_test;
namespace fs = std::filesystem;

class TranscodeTest : public TranscodeFixture {
 protected:
  void SetUp() override {
    TranscodeFixture::SetUp();
    if (HasFatalFailure()) return;
    Clip = MakeClip(Dir.Path().string(), "clip.mkv", 2);
  }

  std::string Clip;
};

TEST_F(TranscodeTest, AClipBecomesH264AndAacAtTheAskedSize) {
  const std::string Output = Dir.File("out.mp4");
  auto Task = MakeTask({{Clip, ""}}, Output, "-c:v libx264 -preset veryfast -c:a aac -s 640x360");
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_TRUE(Run.Terminated);
  EXPECT_FALSE(Run.Failed) << Run.Message;
  EXPECT_TRUE(Run.Finished);

  TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  ASSERT_EQ(Facts.Audio.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Codec, "h264");
  EXPECT_EQ(Facts.Video[0].Width, 640);
  EXPECT_EQ(Facts.Video[0].Height, 360);
  EXPECT_EQ(Facts.Video[0].Frames, 50);
  EXPECT_EQ(Facts.Audio[0].Codec, "aac");
  EXPECT_NEAR(Facts.Duration, 2.0, 0.05);

  // Progress: the duration written grows, and the last report closes the run.
  ASSERT_GE(Run.Reports.size(), 3u);
  for (size_t I = 1; I < Run.Reports.size(); I++)
    EXPECT_GE(Run.Reports[I].CurrentDuration, Run.Reports[I - 1].CurrentDuration) << I;
  EXPECT_GT(Run.Reports.back().CurrentDuration, Run.Reports.front().CurrentDuration);
  const TProgressReport& Last = Run.Reports.back();
  EXPECT_EQ(Last.FileIndex, -1);
  EXPECT_EQ(Last.FrameNumber, 50);
  EXPECT_NEAR(Last.CurrentDuration / 1e6, 2.0, 0.05);
  EXPECT_NEAR(Last.TotalDuration / 1e6, 2.0, 0.05);
  EXPECT_EQ(Last.CurrentSize, static_cast<int64_t>(fs::file_size(Output)));
  for (size_t I = 0; I + 1 < Run.Reports.size(); I++) EXPECT_EQ(Run.Reports[I].FileIndex, 0);

  // Only the finished file is left: no temporary name.
  std::vector<std::string> Names;
  for (const auto& Entry : fs::directory_iterator(Dir.Path()))
    Names.push_back(Entry.path().filename().string());
  std::sort(Names.begin(), Names.end());
  EXPECT_EQ(Names, (std::vector<std::string>{"clip.mkv", "out.mp4"}));
}

TEST_F(TranscodeTest, StreamCopyKeepsEveryPacket) {
  const std::string Output = Dir.File("copy.mkv");
  auto Task = MakeTask({{Clip, ""}}, Output, "-c copy");
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  TFileFacts In = Probe(Clip), Out = Probe(Output);
  ASSERT_EQ(Out.Video.size(), 1u);
  ASSERT_EQ(Out.Audio.size(), 1u);
  EXPECT_EQ(Out.Video[0].Codec, "mpeg4");
  EXPECT_EQ(Out.Video[0].Packets, In.Video[0].Packets);
  EXPECT_EQ(Out.Audio[0].Packets, In.Audio[0].Packets);
  EXPECT_NEAR(Out.Duration, In.Duration, 0.05);
}

TEST_F(TranscodeTest, AHigherFrameRateDuplicatesEveryPicture) {
  const std::string Output = Dir.File("fast.mp4");
  auto Task = MakeTask({{Clip, ""}}, Output, "-c:v mpeg4 -r 50 -an");
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Frames, 100);
  EXPECT_EQ(Task->Fnb_frames_dup, 50);
  EXPECT_NEAR(Facts.Duration, 2.0, 0.05);
}

TEST_F(TranscodeTest, TheVolumeDoublesThePeakOfPackedAndPlanarInput) {
  // 16-bit WAV decodes to packed s16, AAC to planar float.
  const std::string Packed =
      MakeMedia(Dir.Path().string(), "tone.wav", "-f lavfi -i sine=f=440:r=48000:d=1 -c:a pcm_s16le");
  for (const std::string& Input : {Packed, Clip}) {
    SCOPED_TRACE(Input);
    const std::string Output = Dir.File("loud.wav");
    auto Task = MakeTask({{Input, ""}}, Output, "-vn -vol 512 -c:a pcm_s16le");
    ASSERT_TRUE(Task);
    TRunResult Run = RunInPlace(*Task);
    ASSERT_FALSE(Run.Failed) << Run.Message;
    EXPECT_NEAR(PeakVolume(Output) - PeakVolume(Input), 6.02, 0.15);
  }
}

TEST_F(TranscodeTest, AStartOnTheInputAndALengthOnTheOutputCutTheClip) {
  const std::string Output = Dir.File("cut.mp4");
  auto Task =
      MakeTask({{Clip, "-ss_microsecond 500000"}}, Output, "-t_microsecond 1000000 -c:v mpeg4 -c:a aac");
  ASSERT_TRUE(Task);
  TRunResult Run = RunInPlace(*Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  TFileFacts Facts = Probe(Output);
  EXPECT_NEAR(Facts.Duration, 1.0, 0.05);
  ASSERT_EQ(Facts.Video.size(), 1u);
  // The first picture kept lies within a frame after the output's start; at a constant
  // frame rate it may fill the start a second time.
  EXPECT_GE(Facts.Video[0].Frames, 25);
  EXPECT_LE(Facts.Video[0].Frames, 26);
}

TEST_F(TranscodeTest, RunOptionsShapeTheOutput) {
  struct TCase {
    const char* Options;
    std::function<void(const TFileFacts&)> Check;
  };
  const std::string Stats = Dir.File("stats.txt");
  const TCase Cases[] = {
      {"-c:v mpeg4 -an -deinterlace",
       [](const TFileFacts& AFacts) { EXPECT_EQ(AFacts.Video.at(0).Frames, 50); }},
      {"-c:v mpeg4 -an -frames:v 10",
       [](const TFileFacts& AFacts) { EXPECT_EQ(AFacts.Video.at(0).Frames, 10); }},
      {"-c:v mpeg4 -an -vsync 2", [](const TFileFacts& AFacts) { EXPECT_EQ(AFacts.Video.at(0).Frames, 50); }},
      {"-vn -c:a aac -ar 22050 -ac 1",
       [](const TFileFacts& AFacts) {
         EXPECT_EQ(AFacts.Audio.at(0).SampleRate, 22050);
         EXPECT_NEAR(AFacts.Duration, 2.0, 0.1);
       }},
      {"-vn -c:a aac -async 1000", [](const TFileFacts& AFacts) { EXPECT_NEAR(AFacts.Duration, 2.0, 0.1); }},
      {"-vn -c:a aac -map_channel 0.1.1 -map_channel 0.1.0",
       [](const TFileFacts& AFacts) { EXPECT_NEAR(AFacts.Duration, 2.0, 0.1); }},
      {"-c:v mpeg4 -c:a aac -t 1", [](const TFileFacts& AFacts) { EXPECT_NEAR(AFacts.Duration, 1.0, 0.05); }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Options);
    const std::string Output = Dir.File("options.mkv");
    auto Task = MakeTask({{Clip, ""}}, Output, Case.Options);
    ASSERT_TRUE(Task);
    TRunResult Run = RunInPlace(*Task);
    ASSERT_FALSE(Run.Failed) << Run.Message;
    Case.Check(Probe(Output));
  }

  // One statistics line per encoded picture.
  auto Task = MakeTask({{Clip, ""}}, Dir.File("stats.mkv"), "-c:v mpeg4 -an -vstats_file " + Stats);
  ASSERT_TRUE(Task);
  ASSERT_FALSE(RunInPlace(*Task).Failed);
  const std::string Lines = testing_support::ReadWholeFile(Stats);
  EXPECT_EQ(std::count(Lines.begin(), Lines.end(), '\n'), 50);
  EXPECT_TRUE(Lines.starts_with("frame=     1 q= ")) << Lines.substr(0, 80);
}

TEST_F(TranscodeTest, TwoInputsFeedOneOutputAndTheShortestMayEndIt) {
  const std::string Tone =
      MakeMedia(Dir.Path().string(), "tone.wav", "-f lavfi -i sine=f=220:r=44100:d=1 -c:a pcm_s16le");
  const std::pair<const char*, double> Cases[] = {{"", 2.0}, {" -shortest", 1.0}};
  for (const auto& [Extra, Seconds] : Cases) {
    SCOPED_TRACE(Extra);
    const std::string Output = Dir.File("mixed.mkv");
    auto Task = MakeTask({{Clip, ""}, {Tone, ""}}, Output,
                         std::string("-map 0:v -map 1:a -c:v mpeg4 -c:a aac") + Extra);
    ASSERT_TRUE(Task);
    TRunResult Run = RunInPlace(*Task);
    ASSERT_FALSE(Run.Failed) << Run.Message;
    TFileFacts Facts = Probe(Output);
    ASSERT_EQ(Facts.Video.size(), 1u);
    ASSERT_EQ(Facts.Audio.size(), 1u);
    EXPECT_EQ(Facts.Audio[0].SampleRate, 44100);
    EXPECT_NEAR(Facts.Duration, Seconds, 0.15);
  }
}

TEST_F(TranscodeTest, SubtitlesAreEncodedForTheOutputFormat) {
  const std::string Subtitles = Dir.File("text.srt");
  testing_support::WriteWholeFile(Subtitles, "1\n00:00:00,500 --> 00:00:01,500\nHello\n");
  const std::string Input = MakeMedia(Dir.Path().string(), "subtitled.mkv",
                                      "-i " + testing_support::ShellQuote(Clip) + " -i " +
                                          testing_support::ShellQuote(Subtitles) + " -map 0 -map 1 -c copy");
  // Matroska takes ASS subtitles by default; MP4 has none of its own.
  const std::pair<const char*, std::string> Cases[] = {{"out.mkv", ""}, {"out.mp4", " -scodec mov_text"}};
  for (const auto& [Name, Options] : Cases) {
    SCOPED_TRACE(Name);
    const std::string Output = Dir.File(Name);
    auto Task = MakeTask({{Input, ""}}, Output, "-c:v mpeg4 -c:a aac" + Options);
    ASSERT_TRUE(Task);
    TRunResult Run = RunInPlace(*Task);
    ASSERT_FALSE(Run.Failed) << Run.Message;
    // The text is the last packet (MP4 fills the time before it with an empty one), half
    // a second after the pictures start (a muxer may move the whole file's times).
    TJsonValue Packets = ProbeJson(Output, "-select_streams s -show_entries packet=pts_time,duration_time");
    ASSERT_FALSE(Packets["packets"].Items.empty());
    const TJsonValue& Text = Packets["packets"].Items.back();
    const double PicturesStart =
        ProbeJson(Output, "-select_streams v -show_entries stream=start_time")["streams"][0].Num(
            "start_time");
    EXPECT_NEAR(Text.Num("pts_time") - PicturesStart, 0.5, 0.01);
    EXPECT_NEAR(Text.Num("duration_time"), 1.0, 0.01);
  }
}

// Each output of one subtitle stream times the subtitles itself: the second output
// shows them when the first one does.
TEST_F(TranscodeTest, TwoOutputsOfOneSubtitleStreamBothKeepTheDisplayTimes) {
  TCustomFFmpeg Task;
  // Graphic subtitles shown from 512 ms to 1536 ms after their packet times (text
  // subtitles are decoded with a display start of 0).
  const std::string Subtitles =
      dvd_subtitle_media::WriteVobSub(Dir.File("subtitles"), 2, 15, {{0, 512, 1536}, {2, 512, 1536}});
  ASSERT_GE(Task.OpenInputFile(Subtitles), 0) << Task.FLastErrMsg;
  const std::string Outputs[] = {Dir.File("first.mkv"), Dir.File("second.mkv")};
  for (const std::string& Output : Outputs) {
    Task.ParseOptions("-c:s dvdsub");
    ASSERT_GE(Task.OpenOutputFile(Output, false), 0) << Task.FLastErrMsg;
  }
  TRunResult Run = RunInPlace(Task);
  ASSERT_FALSE(Run.Failed) << Run.Message;
  for (const std::string& Output : Outputs) {
    SCOPED_TRACE(Output);
    const TJsonValue Packets =
        ProbeJson(Output, "-select_streams s -show_entries packet=pts_time,duration_time");
    ASSERT_EQ(Packets["packets"].Items.size(), 2u);
    const double Shown[][2] = {{0.512, 1.024}, {2.512, 1.024}};
    for (size_t I = 0; I < 2; I++) {
      EXPECT_NEAR(Packets["packets"][I].Num("pts_time"), Shown[I][0], 0.002) << "subtitle " << I;
      EXPECT_NEAR(Packets["packets"][I].Num("duration_time"), Shown[I][1], 0.002) << "subtitle " << I;
    }
  }
}

}  // namespace
