#include "tests/Src/TranscodeTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <stdexcept>

#include "tests/Src/ProbeJson.h"
#include "tests/support/TestSupport.h"

namespace transcode_test {

using testing_support::RunCommand;
using testing_support::ShellQuote;

std::string MakeMedia(const std::string& AFolder, const std::string& AName, const std::string& AArguments) {
  const std::string Path = AFolder + "/" + AName;
  auto Made = RunCommand("ffmpeg -hide_banner -loglevel error -y " + AArguments + " " + ShellQuote(Path));
  if (Made.ExitCode != 0) throw std::runtime_error("ffmpeg failed: " + Made.Output);
  return Path;
}

std::string MakeClip(const std::string& AFolder, const std::string& AName, double ASeconds,
                     const std::string& ASize) {
  const std::string Length = std::to_string(ASeconds);
  // One encoder thread: the clip's bytes then do not depend on the machine's cores, and
  // the tests that damage them damage the same file everywhere.
  return MakeMedia(AFolder, AName,
                   "-f lavfi -i testsrc2=s=" + ASize + ":r=25:d=" + Length +
                       " -f lavfi -i sine=f=440:r=48000:d=" + Length +
                       " -ac 2 -threads 1 -c:v mpeg4 -q:v 4 -c:a ac3 -shortest");
}

std::unique_ptr<TCustomFFmpeg> MakeTask(const std::vector<TInputSpec>& AInputs, const std::string& AOutput,
                                        const std::string& AOutputOptions, bool AJoin) {
  auto Task = std::make_unique<TCustomFFmpeg>();
  for (const TInputSpec& Input : AInputs) {
    Task->ParseOptions(Input.Options);
    int Result = Task->OpenInputFile(Input.FileName);
    EXPECT_GE(Result, 0) << Task->FLastErrMsg;
    if (Result < 0) return nullptr;
  }
  Task->ParseOptions(AOutputOptions);
  int Result = Task->OpenOutputFile(AOutput, AJoin);
  if (Result >= 0 && Task->FJoinMode) Result = Task->JoinOutputs();
  EXPECT_GE(Result, 0) << Task->FLastErrMsg;
  return Result < 0 ? nullptr : std::move(Task);
}

TRunResult RunInPlace(TCustomFFmpeg& ATask) {
  TRunResult Result;
  ATask.ReportInterval = 0;
  ATask.FOnProgress = [&Result](TObject*, int AFileIndex, int AFrameNumber, int, float, float,
                                int64_t ACurrentSize, int64_t ACurrentDuration, int64_t ATotalDuration) {
    Result.Reports.push_back({AFileIndex, AFrameNumber, ACurrentSize, ACurrentDuration, ATotalDuration});
  };
  ATask.FOnTerminate = [&Result](TObject* ASender) {
    const auto* SendingTask = dynamic_cast<TCustomFFmpeg*>(ASender);
    ASSERT_NE(SendingTask, nullptr);
    Result.Terminated = true;
    Result.Finished = SendingTask->FFinished;
    Result.Failed = SendingTask->FFatalException;
    Result.Message = SendingTask->FFatalMessage;
  };
  EXPECT_EQ(ATask.StartConvert(false), nullptr);
  return Result;
}

TFileFacts Probe(const std::string& AFileName) {
  TJsonValue Json = ProbeJson(AFileName, "-count_frames -count_packets -show_format -show_streams");
  TFileFacts Facts;
  Facts.Duration = Json["format"].Num("duration");
  for (const TJsonValue& Stream : Json["streams"].Items) {
    TStreamFacts Item;
    Item.Codec = Stream.Str("codec_name");
    Item.Width = static_cast<int>(Stream.Num("width"));
    Item.Height = static_cast<int>(Stream.Num("height"));
    Item.SampleRate = static_cast<int>(Stream.Num("sample_rate"));
    Item.Frames = static_cast<int>(Stream.Num("nb_read_frames"));
    Item.Packets = static_cast<int>(Stream.Num("nb_read_packets"));
    if (Stream.Str("codec_type") == "video") Facts.Video.push_back(Item);
    if (Stream.Str("codec_type") == "audio") Facts.Audio.push_back(Item);
  }
  return Facts;
}

std::vector<double> PacketTimes(const std::string& AFileName, const std::string& ASelector) {
  TJsonValue Json = ProbeJson(AFileName, "-select_streams " + ASelector + " -show_entries packet=dts_time");
  std::vector<double> Times;
  for (const TJsonValue& Packet : Json["packets"].Items) Times.push_back(Packet.Num("dts_time"));
  return Times;
}

double PeakVolume(const std::string& AFileName) {
  auto Run = RunCommand("ffmpeg -hide_banner -nostats -i " + ShellQuote(AFileName) +
                        " -af volumedetect -f null - 2>&1");
  std::smatch Match;
  if (!std::regex_search(Run.Output, Match, std::regex("max_volume: (-?[0-9.]+) dB")))
    throw std::runtime_error("volumedetect failed: " + Run.Output);
  return std::strtod(Match[1].str().c_str(), nullptr);
}

}  // namespace transcode_test
