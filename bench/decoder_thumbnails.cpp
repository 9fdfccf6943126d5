// The loading dialog's work on a mixed list of 100 files: probe each file and take a
// picture of its middle. The decoder does it as the dialog does; the reference is the
// least a program written directly on FFmpeg's libraries does for the same result
// (open, find the stream information, seek to the middle, decode one picture, convert
// it to 24-bit RGB). Both run on one pinned core, the median of a few rounds, with their
// user and system time. Prints the ratio (the target is at most 1.2).
//
// The list mixes five kinds, as a user's folder does: H.264 at 720p and at 1080p, VP9,
// MPEG-4 Part 2 and MPEG-2 in a transport stream.

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include "Src/FFDecode.h"

namespace {

namespace fs = std::filesystem;

constexpr int FileCount = 100;
constexpr int Rounds = 3;

bool Run(const std::string& ACommand) { return std::system((ACommand + " >/dev/null 2>&1").c_str()) == 0; }

std::vector<std::string> MakeFiles(const fs::path& AFolder) {
  struct TKind {
    const char* Arguments;
    const char* Extension;
  };
  const TKind Kinds[] = {
      {"-f lavfi -i testsrc2=d=4:s=1280x720:r=25 -f lavfi -i sine=d=4 -c:v libx264 -preset veryfast -g 50 "
       "-c:a aac",
       ".mp4"},
      {"-f lavfi -i testsrc2=d=4:s=1920x1080:r=25 -c:v libx264 -preset veryfast -g 50", ".mkv"},
      {"-f lavfi -i testsrc2=d=4:s=640x360:r=25 -f lavfi -i sine=d=4 -c:v libvpx-vp9 -deadline realtime "
       "-cpu-used 8 "
       "-g 50 -c:a libopus",
       ".webm"},
      {"-f lavfi -i testsrc2=d=4:s=640x480:r=25 -f lavfi -i sine=d=4 -c:v mpeg4 -g 25 -c:a mp3", ".avi"},
      {"-f lavfi -i testsrc2=d=4:s=720x576:r=25 -f lavfi -i sine=d=4 -c:v mpeg2video -g 12 -c:a mp2", ".ts"}};
  std::vector<std::string> Sources;
  for (const TKind& Kind : Kinds) {
    const std::string Name =
        (AFolder / ("source" + std::to_string(Sources.size()) + Kind.Extension)).string();
    const std::string Command = std::string("ffmpeg -nostdin -y ") + Kind.Arguments + " '" + Name + "'";
    if (!Run(Command)) {
      std::fprintf(stderr, "cannot make test media: %s\n", Command.c_str());
      std::exit(1);
    }
    Sources.push_back(Name);
  }
  std::vector<std::string> Files;
  for (int I = 0; I < FileCount; ++I) {
    const std::string& Source = Sources[I % Sources.size()];
    const fs::path Copy = AFolder / ("file" + std::to_string(I) + fs::path(Source).extension().string());
    fs::copy_file(Source, Copy, fs::copy_options::overwrite_existing);
    Files.push_back(Copy.string());
  }
  return Files;
}

// The files MakeFiles made earlier in AFolder.
std::vector<std::string> ListFiles(const fs::path& AFolder) {
  std::vector<std::string> Files;
  for (int I = 0; I < FileCount; ++I)
    for (const char* Extension : {".mp4", ".mkv", ".webm", ".avi", ".ts"})
      if (fs::exists(AFolder / ("file" + std::to_string(I) + Extension)))
        Files.push_back((AFolder / ("file" + std::to_string(I) + Extension)).string());
  return Files;
}

struct TTimes {
  double Wall = 0, User = 0, System = 0;
  long PageFaults = 0;  // minor faults: pages of memory touched for the first time
};

double Seconds(const timeval& ATime) { return ATime.tv_sec + ATime.tv_usec / 1e6; }

// The median round of AWork by wall time, after a first round that warms the caches.
template <class F>
TTimes Measure(F AWork) {
  AWork();
  std::vector<TTimes> All;
  for (int I = 0; I < Rounds; ++I) {
    rusage Before, After;
    getrusage(RUSAGE_SELF, &Before);
    const auto Start = std::chrono::steady_clock::now();
    AWork();
    TTimes T;
    T.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    getrusage(RUSAGE_SELF, &After);
    T.User = Seconds(After.ru_utime) - Seconds(Before.ru_utime);
    T.System = Seconds(After.ru_stime) - Seconds(Before.ru_stime);
    T.PageFaults = After.ru_minflt - Before.ru_minflt;
    All.push_back(T);
  }
  std::sort(All.begin(), All.end(), [](const TTimes& A, const TTimes& B) { return A.Wall < B.Wall; });
  return All[Rounds / 2];
}

int DecoderRound(TFFDecoder& ADecoder, const std::vector<std::string>& AFiles) {
  int Pictures = 0;
  for (const std::string& File : AFiles) {
    if (!ADecoder.LoadFile(File)) continue;
    const TVideoStreamInfo Video = ADecoder.FirstVideoStreamInfo();
    const TFileStreamInfo Container = ADecoder.FileStreamInfo();
    const int64_t Middle = Container.Duration > 0 ? Container.Duration / 2 : 0;
    TBitmap Picture;
    Picture.SetPixelFormat(pf24bit);
    if (Video.Width > 0 && ADecoder.Seek(Middle) && ADecoder.Decode() && ADecoder.CopyToBitmap(Picture))
      ++Pictures;
  }
  return Pictures;
}

// The reference: FFmpeg's libraries called directly, nothing more than the result needs.
bool ReferencePicture(const std::string& AFile, std::vector<uint8_t>& ARGB) {
  AVFormatContext* Format = nullptr;
  if (avformat_open_input(&Format, AFile.c_str(), nullptr, nullptr) < 0) return false;
  bool Done = false;
  AVCodecContext* Decoder = nullptr;
  AVPacket* Packet = av_packet_alloc();
  AVFrame* Frame = av_frame_alloc();
  const AVCodec* Codec = nullptr;
  int Stream = -1;
  if (avformat_find_stream_info(Format, nullptr) >= 0 &&
      (Stream = av_find_best_stream(Format, AVMEDIA_TYPE_VIDEO, -1, -1, &Codec, 0)) >= 0) {
    Decoder = avcodec_alloc_context3(Codec);
    avcodec_parameters_to_context(Decoder, Format->streams[Stream]->codecpar);
    const int64_t Middle = Format->duration > 0 ? Format->duration / 2 : 0;
    if (avcodec_open2(Decoder, Codec, nullptr) >= 0 &&
        av_seek_frame(Format, -1, Middle + std::max<int64_t>(Format->start_time, 0), AVSEEK_FLAG_BACKWARD) >=
            0) {
      while (!Done && av_read_frame(Format, Packet) >= 0) {
        if (Packet->stream_index == Stream && avcodec_send_packet(Decoder, Packet) >= 0 &&
            avcodec_receive_frame(Decoder, Frame) >= 0) {
          SwsContext* Scaler = sws_getContext(
              Frame->width, Frame->height, static_cast<AVPixelFormat>(Frame->format), Frame->width,
              Frame->height, AV_PIX_FMT_BGR24, SWS_BICUBIC, nullptr, nullptr, nullptr);
          ARGB.resize(static_cast<size_t>(Frame->width) * Frame->height * 3);
          uint8_t* Target[4] = {ARGB.data(), nullptr, nullptr, nullptr};
          const int Lines[4] = {Frame->width * 3, 0, 0, 0};
          sws_scale(Scaler, Frame->data, Frame->linesize, 0, Frame->height, Target, Lines);
          sws_freeContext(Scaler);
          Done = true;
        }
        av_packet_unref(Packet);
      }
    }
  }
  av_frame_free(&Frame);
  av_packet_free(&Packet);
  avcodec_free_context(&Decoder);
  avformat_close_input(&Format);
  return Done;
}

int ReferenceRound(const std::vector<std::string>& AFiles) {
  int Pictures = 0;
  std::vector<uint8_t> RGB;
  for (const std::string& File : AFiles)
    if (ReferencePicture(File, RGB)) ++Pictures;
  return Pictures;
}

// The first core this process may run on, alone.
void PinToOneCore() {
  cpu_set_t Allowed;
  if (sched_getaffinity(0, sizeof Allowed, &Allowed) != 0) return;
  for (int Core = 0; Core < CPU_SETSIZE; ++Core)
    if (CPU_ISSET(Core, &Allowed)) {
      cpu_set_t One;
      CPU_ZERO(&One);
      CPU_SET(Core, &One);
      sched_setaffinity(0, sizeof One, &One);
      return;
    }
}

void Print(const char* AName, const TTimes& ATimes) {
  std::printf("  %-10s %8.3f s  (user %.3f s, system %.3f s, %ld page faults)\n", AName, ATimes.Wall,
              ATimes.User, ATimes.System, ATimes.PageFaults);
}

}  // namespace

// With a folder argument the media are made there once and kept, so that a profiler
// can run the measurement alone.
int main(int argc, char** argv) {
  PinToOneCore();
  const bool Keep = argc > 1;
  const fs::path Folder =
      Keep ? fs::path(argv[1])
           : fs::temp_directory_path() / ("decoder_thumbnails-" + std::to_string(::getpid()));
  fs::create_directories(Folder);
  const std::vector<std::string> Files =
      Keep && fs::exists(Folder / "file0.mp4") ? ListFiles(Folder) : MakeFiles(Folder);

  TFFDecoder Decoder(nullptr);
  if (!Decoder.LoadAVLib("")) {
    std::fprintf(stderr, "%s\n", Decoder.LastErrMsg().c_str());
    return 1;
  }
  int DecoderPictures = 0, ReferencePictures = 0;
  const TTimes Ours = Measure([&] { DecoderPictures = DecoderRound(Decoder, Files); });
  const TTimes Reference = Measure([&] { ReferencePictures = ReferenceRound(Files); });
  if (DecoderPictures != FileCount || ReferencePictures != FileCount)
    std::fprintf(stderr, "pictures: decoder %d, reference %d of %d\n", DecoderPictures, ReferencePictures,
                 FileCount);

  std::printf("probe + middle picture as 24-bit RGB, %d files of five kinds, one core\n", FileCount);
  Print("decoder", Ours);
  Print("reference", Reference);
  std::printf("  ratio (target <= 1.2): %.3f\n", Ours.Wall / Reference.Wall);
  if (!Keep) fs::remove_all(Folder);
  return 0;
}
