#pragma once
// What the transcode tests share: their fixture, media made by the ffmpeg command-line
// tool, a task built from option texts and run, and what ffprobe says of the result.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Src/FFLoad.h"
#include "Src/FFmpeg.h"
#include "tests/support/TestSupport.h"

namespace transcode_test {

// The fixture of the tests that open and run tasks: FFmpeg's libraries bound, and a
// fresh folder for the media and the outputs. A SetUp of its own calls this one first
// and returns when it failed.
class TranscodeFixture : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg(); }

  testing_support::TempDir Dir;
};

// Runs `ffmpeg -y <AArguments> <folder/AName>` and returns the file's path; throws when
// ffmpeg fails.
std::string MakeMedia(const std::string& AFolder, const std::string& AName, const std::string& AArguments);

// A clip of ASeconds at 25 frames a second: ASize (such as "320x240") MPEG-4 video and
// stereo 48 kHz AC-3 audio (decoded as fltp), a 440 Hz tone at the sine source's level;
// both streams start at 0.
std::string MakeClip(const std::string& AFolder, const std::string& AName, double ASeconds,
                     const std::string& ASize = "320x240");

// A task with AInputs (each opened with its option text) and one output made with
// AOutputOptions; AJoin joins the inputs. Fails the test (and returns nullptr) when an
// opening fails.
struct TInputSpec {
  std::string FileName;
  std::string Options;
};
std::unique_ptr<TCustomFFmpeg> MakeTask(const std::vector<TInputSpec>& AInputs, const std::string& AOutput,
                                        const std::string& AOutputOptions, bool AJoin = false);

// What the run reported.
struct TProgressReport {
  int FileIndex = 0;
  int FrameNumber = 0;
  int64_t CurrentSize = 0;
  int64_t CurrentDuration = 0;
  int64_t TotalDuration = 0;
};
struct TRunResult {
  bool Terminated = false;
  bool Finished = false;
  bool Failed = false;
  std::string Message;
  std::vector<TProgressReport> Reports;
};

// Runs ATask in place with a progress report after every packet.
TRunResult RunInPlace(TCustomFFmpeg& ATask);

// ffprobe's view of one stream of a file (-count_frames).
struct TStreamFacts {
  std::string Codec;
  int Width = 0;
  int Height = 0;
  int SampleRate = 0;
  int Frames = 0;   // decoded frames
  int Packets = 0;  // packets read
};
struct TFileFacts {
  double Duration = 0;  // the container's, seconds
  std::vector<TStreamFacts> Video;
  std::vector<TStreamFacts> Audio;
};
TFileFacts Probe(const std::string& AFileName);

// Decoding time stamps of the packets of the file's stream ASelector ("v:0", "a:0").
std::vector<double> PacketTimes(const std::string& AFileName, const std::string& ASelector);

// The loudest sample of the file's audio in dB below full scale (ffmpeg's volumedetect).
double PeakVolume(const std::string& AFileName);

}  // namespace transcode_test
