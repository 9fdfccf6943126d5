// One conversion as the main window runs it: a 20-second 1280 × 720 H.264/AAC clip to
// H.264 (libx264, preset veryfast) and AAC, once through a conversion task of the engine
// and once through the ffmpeg command-line tool with the same settings. Each side runs
// three times, alternating; the best wall time of each counts. Prints both times and
// their ratio (the target is at most 1.03: the engine adds nothing to FFmpeg's own cost),
// and the same for the processor time used, which a busy machine disturbs less.

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Src/FFLoad.h"
#include "Src/FFmpeg.h"

namespace {

namespace fs = std::filesystem;

constexpr int Rounds = 3;
const char* const Settings = "-c:v libx264 -preset veryfast -c:a aac";

bool Run(const std::string& ACommand) { return std::system((ACommand + " >/dev/null 2>&1").c_str()) == 0; }

double Seconds(std::chrono::steady_clock::time_point AStart) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - AStart).count();
}

// Processor seconds (user and system) used so far by this process or its children.
double ProcessorSeconds(int AWho) {
  rusage Usage{};
  getrusage(AWho, &Usage);
  auto ToSeconds = [](const timeval& ATime) { return ATime.tv_sec + ATime.tv_usec / 1e6; };
  return ToSeconds(Usage.ru_utime) + ToSeconds(Usage.ru_stime);
}

struct TTimes {
  double Wall = 1e9;
  double Processor = 1e9;
  void Keep(double AWall, double AProcessor) {
    Wall = std::min(Wall, AWall);
    Processor = std::min(Processor, AProcessor);
  }
};

double TimeEngine(const std::string& AInput, const std::string& AOutput) {
  const auto Start = std::chrono::steady_clock::now();
  TCustomFFmpeg Task;
  if (Task.OpenInputFile(AInput) < 0) {
    std::fprintf(stderr, "engine: %s\n", Task.FLastErrMsg.c_str());
    std::exit(1);
  }
  Task.ParseOptions(Settings);
  if (Task.OpenOutputFile(AOutput, false) < 0) {
    std::fprintf(stderr, "engine: %s\n", Task.FLastErrMsg.c_str());
    std::exit(1);
  }
  Task.StartConvert(false);
  if (Task.FFatalException) {
    std::fprintf(stderr, "engine: %s\n", Task.FFatalMessage.c_str());
    std::exit(1);
  }
  return Seconds(Start);
}

double TimeTool(const std::string& AInput, const std::string& AOutput) {
  const auto Start = std::chrono::steady_clock::now();
  if (!Run("ffmpeg -nostdin -y -i '" + AInput + "' " + Settings + " '" + AOutput + "'")) {
    std::fprintf(stderr, "ffmpeg failed\n");
    std::exit(1);
  }
  return Seconds(Start);
}

}  // namespace

int main() {
  if (!FFLoader().Load(AllLibraries)) {
    std::fprintf(stderr, "cannot load FFmpeg: %s\n", FFLoader().LastErrMsg().c_str());
    return 1;
  }
  GetLogger()->SetLogLevel(llError);
  char Template[] = "/tmp/pelladrin-bench-transcode-XXXXXX";
  if (!mkdtemp(Template)) return 1;
  const fs::path Folder = Template;
  const std::string Input = (Folder / "input.mp4").string();
  if (!Run("ffmpeg -nostdin -y -f lavfi -i testsrc2=d=20:s=1280x720:r=25 -f lavfi -i sine=d=20:r=48000 "
           "-c:v libx264 -preset veryfast -c:a aac '" +
           Input + "'")) {
    std::fprintf(stderr, "cannot make the clip\n");
    return 1;
  }

  TTimes Engine, Tool;
  for (int I = 0; I < Rounds; I++) {
    double Before = ProcessorSeconds(RUSAGE_SELF);
    double Wall = TimeEngine(Input, (Folder / "engine.mp4").string());
    Engine.Keep(Wall, ProcessorSeconds(RUSAGE_SELF) - Before);
    Before = ProcessorSeconds(RUSAGE_CHILDREN);
    Wall = TimeTool(Input, (Folder / "tool.mp4").string());
    Tool.Keep(Wall, ProcessorSeconds(RUSAGE_CHILDREN) - Before);
  }
  std::printf("wall: engine %.2f s, ffmpeg %.2f s, ratio %.3f (target <= 1.03)\n", Engine.Wall, Tool.Wall,
              Engine.Wall / Tool.Wall);
  std::printf("processor: engine %.2f s, ffmpeg %.2f s, ratio %.3f\n", Engine.Processor, Tool.Processor,
              Engine.Processor / Tool.Processor);
  fs::remove_all(Folder);
  return 0;
}
