#include "tests/Src/HookTestMedia.h"

#include <stdexcept>

#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace hook_test {

std::string MakeFlatClip(const std::string& AFolder, const std::string& AName, const std::string& AColor,
                         bool AWithAudio) {
  const std::string Seconds = std::to_string(Frames / 25.0);
  std::string Arguments = "-f lavfi -i color=c=" + AColor + ":s=" + std::to_string(Width) + "x" +
                          std::to_string(Height) + ":r=25:d=" + Seconds;
  if (AWithAudio) Arguments += " -f lavfi -i sine=f=440:r=48000:d=" + Seconds + " -ac 2 -c:a ac3";
  return transcode_test::MakeMedia(AFolder, AName, Arguments + " -c:v mpeg4 -q:v 2 -g 100");
}

std::vector<std::vector<uint8_t>> ReadLuma(const std::string& AFileName) {
  const std::string Raw = AFileName + ".yuv";
  auto Decoded =
      testing_support::RunCommand("ffmpeg -v error -y -i " + testing_support::ShellQuote(AFileName) +
                                  " -f rawvideo -pix_fmt yuv420p " + testing_support::ShellQuote(Raw));
  if (Decoded.ExitCode != 0) throw std::runtime_error("ffmpeg failed: " + Decoded.Output);
  const std::string Data = testing_support::ReadWholeFile(Raw);
  const size_t LumaSize = Width * Height;
  const size_t PictureSize = LumaSize * 3 / 2;
  std::vector<std::vector<uint8_t>> Planes;
  for (size_t Offset = 0; Offset + PictureSize <= Data.size(); Offset += PictureSize)
    Planes.emplace_back(Data.begin() + Offset, Data.begin() + Offset + LumaSize);
  return Planes;
}

}  // namespace hook_test
