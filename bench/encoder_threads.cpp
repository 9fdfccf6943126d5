// A batch as the main window converts it: 8 short 640 × 360 H.264/AAC clips to H.264
// (libx264, preset veryfast) and AAC, through the encoder component with Start(N), and
// through N ffmpeg command-line processes at a time with the same settings, for N = 1,
// 2, 4 and the number of processors. Prints both times (the median of three batches
// after one to warm up) and the throughput of the encoder against the processes (the
// target is at least 0.97 at every N: running tasks on threads adds nothing to the
// cost of running them as processes).

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "Src/FFEncode.h"
#include "Src/FFLoad.h"
#include "bench/BenchSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int Clips = 8;
constexpr int Runs = 3;
// The rates are given: both sides then do the same work, whatever their defaults.
const char* const Settings = "-c:v libx264 -preset veryfast -b:v 1000k -c:a aac -b:a 128k";

bool Run(const std::string& ACommand) { return std::system((ACommand + " >/dev/null 2>&1").c_str()) == 0; }

void Fail(const std::string& AText) {
  std::fprintf(stderr, "%s\n", AText.c_str());
  std::exit(1);
}

// The whole batch through the encoder; returns when its final event has come.
void ConvertWithEncoder(const std::vector<std::string>& AInputs, const fs::path& AFolder, int AThreads) {
  TFFEncoder Encoder(nullptr);
  Encoder.TriggerEventInMainThread = false;
  TEvent Finished{true, false};
  std::atomic<bool> Failed{false};
  Encoder.OnTerminate = [&](TObject*, const TTerminateInfo& AInfo) {
    if (AInfo.Exception) Failed = true;
    if (AInfo.TaskIndex < 0) Finished.SetEvent();
  };
  for (int I = 0; I < Clips; I++) {
    const int Task = Encoder.AddTask(AInputs[I], "", "");
    if (Task < 0 || Encoder.SetOutput(Task, (AFolder / ("engine" + std::to_string(I) + ".mp4")).string(),
                                      Settings, "") < 0)
      Fail("engine: " + Encoder.LastErrMsg());
  }
  Encoder.Start(AThreads);
  Finished.WaitFor();
  if (Failed) Fail("engine: a conversion failed");
}

// The same batch as ffmpeg processes, AThreads at a time.
void ConvertWithProcesses(const std::vector<std::string>& AInputs, const fs::path& AFolder, int AThreads) {
  std::atomic<int> Next{0};
  std::atomic<bool> Failed{false};
  std::vector<std::thread> Workers;
  for (int W = 0; W < AThreads; W++)
    Workers.emplace_back([&] {
      for (int I = Next++; I < Clips; I = Next++) {
        const std::string Output = (AFolder / ("tool" + std::to_string(I) + ".mp4")).string();
        if (!Run("ffmpeg -nostdin -y -i '" + AInputs[I] + "' " + Settings + " '" + Output + "'"))
          Failed = true;
      }
    });
  for (std::thread& Worker : Workers) Worker.join();
  if (Failed) Fail("ffmpeg failed");
}

}  // namespace

int main() {
  if (!FFLoader().Load(AllLibraries)) Fail("cannot load FFmpeg: " + FFLoader().LastErrMsg());
  GetLogger()->SetLogLevel(llError);
  char Template[] = "/tmp/pelladrin-bench-encoder-XXXXXX";
  if (!mkdtemp(Template)) return 1;
  const fs::path Folder = Template;
  std::vector<std::string> Inputs;
  for (int I = 0; I < Clips; I++) {
    Inputs.push_back((Folder / ("clip" + std::to_string(I) + ".mp4")).string());
    if (!Run("ffmpeg -nostdin -y -f lavfi -i testsrc2=d=4:s=640x360:r=25 -f lavfi -i sine=d=4:r=48000:f=" +
             std::to_string(300 + 50 * I) + " -c:v libx264 -preset veryfast -c:a aac '" + Inputs.back() +
             "'"))
      Fail("cannot make the clips");
  }

  const int Processors = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::vector<int> Counts = {1, 2, 4, Processors};
  std::sort(Counts.begin(), Counts.end());
  Counts.erase(std::unique(Counts.begin(), Counts.end()), Counts.end());
  for (int N : Counts) {
    const double Engine = bench::MedianSeconds(Runs, [&] { ConvertWithEncoder(Inputs, Folder, N); });
    const double Tool = bench::MedianSeconds(Runs, [&] { ConvertWithProcesses(Inputs, Folder, N); });
    std::printf("N=%d: encoder %.2f s, ffmpeg processes %.2f s, throughput ratio %.3f (target >= 0.97)\n", N,
                Engine, Tool, Tool / Engine);
    std::fflush(stdout);
  }
  fs::remove_all(Folder);
  return 0;
}
