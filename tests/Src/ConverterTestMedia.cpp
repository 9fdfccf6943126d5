#include "tests/Src/ConverterTestMedia.h"

#include <stdexcept>

#include "tests/support/TestSupport.h"

namespace converter_test_media {

namespace {

std::string RunFfmpeg(const std::string& AArguments, const std::string& AOutput) {
  auto Made = testing_support::RunCommand("ffmpeg -hide_banner -loglevel error -y " + AArguments + " " +
                                          testing_support::ShellQuote(AOutput));
  if (Made.ExitCode != 0) throw std::runtime_error("ffmpeg failed: " + Made.Output);
  return AOutput;
}

}  // namespace

std::string MakeMultiStreamMatroska(const std::string& AFolder, const std::string& AName) {
  std::string Subtitles = AFolder + "/subtitles.srt";
  testing_support::WriteWholeFile(Subtitles, "1\n00:00:00,000 --> 00:00:00,900\nHello\n");
  return RunFfmpeg(
      "-f lavfi -i testsrc2=s=640x360:d=1:r=5 -f lavfi -i testsrc2=s=1280x720:d=1:r=5 "
      "-f lavfi -i sine=d=1:r=48000 -f lavfi -i sine=f=880:d=1:r=48000 -i " +
          testing_support::ShellQuote(Subtitles) +
          " -map 0:v -map 1:v -map 2:a -map 3:a -map 4:s -c:v mpeg4 -c:a ac3 -ac:a:0 1 -ac:a:1 6 -c:s srt",
      AFolder + "/" + AName);
}

std::string MakeClip(const std::string& AFolder, const std::string& AName, int ASeconds) {
  std::string Length = std::to_string(ASeconds);
  return RunFfmpeg("-f lavfi -i testsrc2=s=160x120:r=10:d=" + Length +
                       " -f lavfi -i sine=r=48000:d=" + Length + " -c:v mpeg4 -c:a ac3",
                   AFolder + "/" + AName);
}

}  // namespace converter_test_media
