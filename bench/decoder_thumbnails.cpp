// The loading dialog's work on 100 small files: probe each file and take a thumbnail
// of its middle picture. The decoder does it in this one process; the reference is
// what a program without it would run per file: ffprobe for the streams, then
// ffmpeg -ss <middle> -frames:v 1 for the picture. Prints both times and their ratio
// (the target is at most 1.0).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "Src/FFDecode.h"

namespace {

namespace fs = std::filesystem;

constexpr int FileCount = 100;

bool Run(const std::string& ACommand) { return std::system((ACommand + " >/dev/null 2>&1").c_str()) == 0; }

// Four kinds of small clip, each copied under 25 names.
std::vector<std::string> MakeFiles(const fs::path& AFolder) {
  const char* Kinds[] = {
      "-f lavfi -i testsrc2=d=2:s=320x240:r=25 -f lavfi -i sine=d=2 -c:v mpeg4 -g 12 -c:a aac %s.mp4",
      "-f lavfi -i testsrc2=d=2:s=352x288:r=30 -c:v libx264 -preset veryfast -g 30 %s.mkv",
      "-f lavfi -i testsrc2=d=2:s=176x144:r=25 -f lavfi -i sine=d=2 -c:v mpeg4 -c:a mp2 %s.avi",
      "-f lavfi -i testsrc2=d=2:s=640x360:r=25 -c:v libx264 -preset veryfast -g 25 %s.mp4"};
  std::vector<std::string> Sources;
  for (int Kind = 0; Kind < 4; ++Kind) {
    std::string Base = (AFolder / ("source" + std::to_string(Kind))).string();
    char Arguments[512];
    std::snprintf(Arguments, sizeof(Arguments), Kinds[Kind], Base.c_str());
    std::string Command = std::string("ffmpeg -nostdin -y ") + Arguments;
    if (!Run(Command)) {
      std::fprintf(stderr, "cannot make test media: %s\n", Command.c_str());
      std::exit(1);
    }
    Sources.push_back(Base + fs::path(Arguments).extension().string());
  }
  std::vector<std::string> Files;
  for (int I = 0; I < FileCount; ++I) {
    const std::string& Source = Sources[I % Sources.size()];
    fs::path Copy = AFolder / ("file" + std::to_string(I) + fs::path(Source).extension().string());
    fs::copy_file(Source, Copy, fs::copy_options::overwrite_existing);
    Files.push_back(Copy.string());
  }
  return Files;
}

double Seconds(std::chrono::steady_clock::time_point AStart) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - AStart).count();
}

// Probe, seek to the middle, decode one picture, make it a bitmap.
double TimeDecoder(const std::vector<std::string>& AFiles) {
  TFFDecoder Decoder(nullptr);
  if (!Decoder.LoadAVLib("")) {
    std::fprintf(stderr, "%s\n", Decoder.LastErrMsg().c_str());
    std::exit(1);
  }
  auto Start = std::chrono::steady_clock::now();
  int Thumbnails = 0;
  for (const std::string& File : AFiles) {
    if (!Decoder.LoadFile(File)) continue;
    TVideoStreamInfo Video = Decoder.FirstVideoStreamInfo();
    TAudioStreamInfo Audio = Decoder.FirstAudioStreamInfo();
    (void)Audio;
    TFileStreamInfo Container = Decoder.FileStreamInfo();
    int64_t Middle = Container.Duration > 0 ? Container.Duration / 2 : 0;
    TBitmap Thumbnail;
    if (Video.Width > 0 && Decoder.Seek(Middle) && Decoder.Decode() && Decoder.CopyToBitmap(Thumbnail))
      ++Thumbnails;
  }
  double Elapsed = Seconds(Start);
  if (Thumbnails != int(AFiles.size())) std::fprintf(stderr, "only %d thumbnails\n", Thumbnails);
  return Elapsed;
}

double TimeReference(const std::vector<std::string>& AFiles, const fs::path& AFolder) {
  std::string Picture = (AFolder / "thumbnail.bmp").string();
  auto Start = std::chrono::steady_clock::now();
  for (const std::string& File : AFiles) {
    Run("ffprobe -v error -of json -show_format -show_streams '" + File + "'");
    Run("ffmpeg -nostdin -v error -ss 1 -i '" + File + "' -frames:v 1 -y '" + Picture + "'");
  }
  return Seconds(Start);
}

}  // namespace

int main() {
  fs::path Folder = fs::temp_directory_path() / ("decoder_thumbnails-" + std::to_string(::getpid()));
  fs::create_directories(Folder);
  std::vector<std::string> Files = MakeFiles(Folder);
  TimeDecoder(Files);  // a first round loads the libraries and warms the file cache
  double Ours = TimeDecoder(Files);
  double Reference = TimeReference(Files, Folder);
  std::printf("probe + middle thumbnail of %d files\n", FileCount);
  std::printf("  decoder:                          %8.3f s\n", Ours);
  std::printf("  ffprobe + ffmpeg -ss -frames:v 1: %8.3f s\n", Reference);
  std::printf("  ratio (target <= 1.0):            %8.3f\n", Ours / Reference);
  fs::remove_all(Folder);
  return 0;
}
