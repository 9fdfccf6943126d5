#include "tests/Src/DecoderTestMedia.h"

#include <sys/stat.h>

#include <stdexcept>

#include "tests/support/TestSupport.h"

namespace decoder_media {

using testing_support::ShellQuote;

void RunFFmpeg(const std::string& AArguments) {
  auto Result = testing_support::RunCommand("ffmpeg -hide_banner -loglevel error -nostdin -y " + AArguments);
  if (Result.ExitCode != 0) throw std::runtime_error("ffmpeg " + AArguments + " failed: " + Result.Output);
}

std::string MakeMp4(const std::string& AFolder, bool AFastStart) {
  std::string Name = AFolder + (AFastStart ? "/faststart.mp4" : "/clip.mp4");
  RunFFmpeg("-f lavfi -i testsrc2=d=2:s=320x240:r=25 -f lavfi -i sine=d=2 -c:v mpeg4 -g 10 -bf 0 -c:a aac " +
            std::string(AFastStart ? "-movflags +faststart " : "") + ShellQuote(Name));
  return Name;
}

std::string MakeMatroska(const std::string& AFolder) {
  std::string Subtitles = AFolder + "/subtitles.srt";
  testing_support::WriteWholeFile(Subtitles, "1\n00:00:00,100 --> 00:00:00,600\nHello\n\n");
  std::string Name = AFolder + "/streams.mkv";
  RunFFmpeg(
      "-f lavfi -i testsrc2=d=1:s=1280x720:r=30000/1001 -f lavfi -i testsrc2=d=1:s=640x360:r=30000/1001 "
      "-f lavfi -i sine=d=1:sample_rate=44100 -f lavfi -i sine=d=1:sample_rate=48000:frequency=500 -i " +
      ShellQuote(Subtitles) +
      " -map 0:v -map 1:v -map 2:a -map 3:a -map 4:s -c:v:0 libx264 -preset ultrafast -c:v:1 mpeg4 "
      "-c:a:0 aac -c:a:1 ac3 -ac:a:1 6 -c:s srt -metadata:s:a:0 language=eng -metadata:s:a:1 language=ger "
      "-metadata:s:s:0 language=eng " +
      ShellQuote(Name));
  return Name;
}

std::string MakeRedGreenClip(const std::string& AFolder) {
  std::string Name = AFolder + "/redgreen.mp4";
  RunFFmpeg(
      "-f lavfi -i \"color=c=red:s=320x240:r=25:d=1[r];color=c=green:s=320x240:r=25:d=1[g];"
      "[r][g]concat=n=2:v=1:a=0[out0]\" -c:v mpeg4 -q:v 2 -g 10 " +
      ShellQuote(Name));
  return Name;
}

std::string MakeWideClip(const std::string& AFolder) {
  std::string Name = AFolder + "/wide.mkv";
  RunFFmpeg("-f lavfi -i testsrc2=s=854x480:r=25 -frames:v 5 -c:v ffv1 " + ShellQuote(Name));
  return Name;
}

std::string MakePicture(const std::string& AFolder) {
  std::string Name = AFolder + "/red.png";
  RunFFmpeg("-f lavfi -i color=c=red:s=64x48 -frames:v 1 " + ShellQuote(Name));
  return Name;
}

std::string MakeWav(const std::string& AFolder) {
  std::string Name = AFolder + "/stereo.wav";
  RunFFmpeg("-f lavfi -i sine=d=1:sample_rate=44100 -ac 2 -c:a pcm_s16le " + ShellQuote(Name));
  return Name;
}

std::string MakeRateChangingAac(const std::string& AFolder) {
  std::string First = AFolder + "/first.aac", Second = AFolder + "/second.aac",
              Name = AFolder + "/changing.aac";
  RunFFmpeg("-f lavfi -i sine=d=0.5:sample_rate=44100 -c:a aac " + ShellQuote(First));
  RunFFmpeg("-f lavfi -i sine=d=0.5:sample_rate=22050 -c:a aac " + ShellQuote(Second));
  testing_support::WriteWholeFile(
      Name, testing_support::ReadWholeFile(First) + testing_support::ReadWholeFile(Second));
  return Name;
}

std::string MakeCodecRateMismatchClip(const std::string& AFolder) {
  std::string Plain = AFolder + "/rate25.mp4", Name = AFolder + "/rate-mismatch.mp4";
  RunFFmpeg("-f lavfi -i testsrc2=d=1:s=160x120:r=25 -c:v libx264 -preset ultrafast -pix_fmt yuv420p " +
            ShellQuote(Plain));
  RunFFmpeg("-i " + ShellQuote(Plain) + " -c copy -bsf:v h264_metadata=tick_rate=100/1 " + ShellQuote(Name));
  return Name;
}

std::string MakeSinglePictureRateMismatchNut(const std::string& AFolder) {
  std::string Name = AFolder + "/one-picture.nut";
  RunFFmpeg(
      "-f lavfi -i testsrc2=s=160x120:r=25 -frames:v 1 -c:v libx264 -preset ultrafast -pix_fmt yuv420p "
      "-bsf:v h264_metadata=tick_rate=100/1 " +
      ShellQuote(Name));
  return Name;
}

std::string MakeFifo(const std::string& AFolder) {
  std::string Name = AFolder + "/silent.fifo";
  if (mkfifo(Name.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
  return Name;
}

std::string TruncatedCopy(const std::string& ASource, const std::string& ADest, double AFraction) {
  std::string Data = testing_support::ReadWholeFile(ASource);
  testing_support::WriteWholeFile(ADest, Data.substr(0, static_cast<size_t>(Data.size() * AFraction)));
  return ADest;
}

std::string BitFlippedCopy(const std::string& ASource, const std::string& ADest) {
  std::string Data = testing_support::ReadWholeFile(ASource);
  for (size_t I = Data.size() / 5; I < Data.size() * 4 / 5; I += 61) Data[I] = static_cast<char>(~Data[I]);
  testing_support::WriteWholeFile(ADest, Data);
  return ADest;
}

}  // namespace decoder_media
