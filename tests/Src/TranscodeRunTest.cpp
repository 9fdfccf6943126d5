// A task's run on its converting thread: its end event, a stop in the middle, failures
// that leave nothing behind, two tasks at once, and blocking reads cut short.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <mutex>
#include <thread>

#include "Src/FFLoad.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace transcode_test;
namespace fs = std::filesystem;

// Generous guard for waits on a run: only a hang ever reaches it.
constexpr unsigned RunGuardMs = 120000;

// Watches one task run on its own thread.
struct TRunWatch {
  TEvent Ended{true, false};
  TEvent Reported{true, false};
  std::mutex Lock;
  bool Finished = false;
  bool Failed = false;
  String Message;
  std::function<void(TCustomFFmpeg*)> OnReport;

  void Attach(TCustomFFmpeg& ATask) {
    ATask.ReportInterval = 0;
    ATask.FOnProgress = [this](TObject* ASender, int AFileIndex, int, int, float, float, int64_t,
                               int64_t ACurrentDuration, int64_t) {
      if (AFileIndex < 0 || ACurrentDuration <= 0) return;
      auto* SendingTask = dynamic_cast<TCustomFFmpeg*>(ASender);
      ASSERT_NE(SendingTask, nullptr);
      if (OnReport) OnReport(SendingTask);
      Reported.SetEvent();
    };
    ATask.FOnTerminate = [this](TObject* ASender) {
      const auto* SendingTask = dynamic_cast<TCustomFFmpeg*>(ASender);
      ASSERT_NE(SendingTask, nullptr);
      std::lock_guard Guard(Lock);
      Finished = SendingTask->FFinished;
      Failed = SendingTask->FFatalException;
      Message = SendingTask->FFatalMessage;
      Ended.SetEvent();
    };
  }
  void Start(TCustomFFmpeg& ATask) {
    TThread* Thread = ATask.StartConvert(true);
    ASSERT_NE(Thread, nullptr);
    Thread->Start();
  }
  bool WaitForEnd() { return Ended.WaitFor(RunGuardMs) == wrSignaled; }
};

// The logger's lines while the object lives, from any thread.
class TLogCapture {
 public:
  TLogCapture() {
    GetLogger()->TriggerEventInMainThread = false;
    GetLogger()->OnLog = [this](TObject*, TThreadID, TLogLevel, const String& AText) {
      std::lock_guard Guard(FLock);
      FLines.push_back(AText);
    };
  }
  ~TLogCapture() { GetLogger()->OnLog = nullptr; }
  bool Has(const String& ALine) {
    std::lock_guard Guard(FLock);
    return std::find(FLines.begin(), FLines.end(), ALine) != FLines.end();
  }

 private:
  std::mutex FLock;
  std::vector<String> FLines;
};

std::vector<std::string> FolderEntries(const fs::path& AFolder) {
  std::vector<std::string> Names;
  for (const auto& Entry : fs::directory_iterator(AFolder)) Names.push_back(Entry.path().filename().string());
  std::sort(Names.begin(), Names.end());
  return Names;
}

class TranscodeRunTest : public TranscodeFixture {};

TEST_F(TranscodeRunTest, AStopInTheMiddleLeavesAPlayableFileAndAnUnfinishedResult) {
  const std::string Clip = MakeClip(Dir.Path().string(), "long.mkv", 20);
  const std::string Output = Dir.File("stopped.mp4");
  TRunWatch Watch;  // outlives the task, whose events it receives
  auto Task = MakeTask({{Clip, ""}}, Output, "-c:v libx264 -preset veryfast -c:a aac");
  ASSERT_TRUE(Task);
  Watch.Attach(*Task);
  // A report after the first pictures were written stops the run from its own thread,
  // which must not wait for itself.
  Watch.OnReport = [](TCustomFFmpeg* ATask) {
    if (ATask->Fvideo_size > 0) ATask->Stop(true);
  };
  Watch.Start(*Task);
  ASSERT_TRUE(Watch.WaitForEnd());
  EXPECT_FALSE(Watch.Failed) << Watch.Message;
  EXPECT_FALSE(Watch.Finished);

  TFileFacts Facts = Probe(Output);
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_GT(Facts.Video[0].Frames, 0);
  EXPECT_LT(Facts.Duration, 19.0);
  EXPECT_EQ(FolderEntries(Dir.Path()), (std::vector<std::string>{"long.mkv", "stopped.mp4"}));
}

TEST_F(TranscodeRunTest, AStopFromAnotherThreadWaitsForTheEnd) {
  const std::string Clip = MakeClip(Dir.Path().string(), "long.mkv", 20);
  TRunWatch Watch;
  auto Task = MakeTask({{Clip, ""}}, Dir.File("out.mkv"), "-c:v mpeg4 -c:a aac");
  ASSERT_TRUE(Task);
  Watch.Attach(*Task);
  Watch.Start(*Task);
  ASSERT_EQ(Watch.Reported.WaitFor(RunGuardMs), wrSignaled);
  Task->Stop(true);
  EXPECT_EQ(Watch.Ended.WaitFor(0), wrSignaled);
  EXPECT_FALSE(Watch.Finished);
  EXPECT_FALSE(Task->FConverting);
  // A task runs once.
  EXPECT_EQ(Task->StartConvert(true), nullptr);
}

TEST_F(TranscodeRunTest, AFailingEncoderLeavesNoFileAndSaysWhy) {
  const std::string Clip = MakeClip(Dir.Path().string(), "clip.mkv", 1);
  TRunWatch Watch;
  auto Task =
      MakeTask({{Clip, ""}}, Dir.File("out.mp4"), "-c:v libx264 -profile:v baseline -pix_fmt yuv444p");
  ASSERT_TRUE(Task);
  Watch.Attach(*Task);
  Watch.Start(*Task);
  ASSERT_TRUE(Watch.WaitForEnd());
  EXPECT_TRUE(Watch.Failed);
  EXPECT_FALSE(Watch.Finished);
  EXPECT_EQ(Watch.Message,
            "Error while opening encoder for output stream #0:0 (Video) - maybe incorrect parameters such as "
            "bit_rate, rate, width or height. Please check error log message(reported by VORerivi) to find "
            "out more "
            "detail information.");
  EXPECT_EQ(FolderEntries(Dir.Path()), (std::vector<std::string>{"clip.mkv"}));
}

TEST_F(TranscodeRunTest, ATaskWithoutOutputEndsAtOnce) {
  const std::string Clip = MakeClip(Dir.Path().string(), "clip.mkv", 1);
  TRunWatch Watch;
  TCustomFFmpeg Empty;
  ASSERT_EQ(Empty.OpenInputFile(Clip), 0);
  Watch.Attach(Empty);
  EXPECT_EQ(Empty.StartConvert(true), nullptr);
  ASSERT_EQ(Watch.Ended.WaitFor(0), wrSignaled);
  EXPECT_TRUE(Watch.Failed);
  EXPECT_EQ(Watch.Message, "At least one output file must be specified");
  EXPECT_EQ(Empty.StartConvert(false), nullptr);
}

// Each task's passes read only its own statistics: with different picture sizes, a
// second pass that read the other task's log would fail.
TEST_F(TranscodeRunTest, TwoPassEncodingsOfTwoTasksAtOnceKeepTheirLogsApart) {
  const std::string Folder = Dir.Path().string();
  const std::string Clips[] = {MakeClip(Folder, "a.mkv", 2, "320x240"),
                               MakeClip(Folder, "b.mkv", 2, "160x120")};
  for (const std::string Codec : {"libx264 -preset veryfast", "mpeg4"}) {
    SCOPED_TRACE(Codec);
    for (int Pass : {1, 2}) {
      TRunWatch Watches[2];
      std::unique_ptr<TCustomFFmpeg> Tasks[2];
      for (int I = 0; I < 2; I++) {
        const std::string Name = I ? "b" : "a";
        const std::string Output = Pass == 1 ? Dir.File(Name + ".null") : Dir.File(Name + "-out.mp4");
        Tasks[I] = MakeTask({{Clips[I], ""}}, Output,
                            Format("-an -c:v %s -b:v 300k -pass %d -passlogfile %s%s", Codec, Pass,
                                   Dir.File(Name + "-log"), Pass == 1 ? " -f null" : ""));
        ASSERT_TRUE(Tasks[I]);
        Watches[I].Attach(*Tasks[I]);
      }
      for (int I = 0; I < 2; I++) Watches[I].Start(*Tasks[I]);
      for (int I = 0; I < 2; I++) {
        ASSERT_TRUE(Watches[I].WaitForEnd());
        EXPECT_FALSE(Watches[I].Failed) << "pass " << Pass << ": " << Watches[I].Message;
      }
    }
    EXPECT_TRUE(fs::exists(Dir.File("a-log-0.log")));
    EXPECT_TRUE(fs::exists(Dir.File("b-log-0.log")));
    EXPECT_EQ(Probe(Dir.File("a-out.mp4")).Video.at(0).Width, 320);
    EXPECT_EQ(Probe(Dir.File("b-out.mp4")).Video.at(0).Width, 160);
  }
}

// A server on 127.0.0.1 that sends the first part of a file and then holds the
// connection open without sending more, until the test ends.
class TStallingServer {
 public:
  TStallingServer(const std::string& AFileName, double AShare) {
    FData = testing_support::ReadWholeFile(AFileName);
    FData.resize(static_cast<size_t>(FData.size() * AShare));
    FListener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(FListener, reinterpret_cast<sockaddr*>(&Address), sizeof(Address));
    socklen_t Length = sizeof(Address);
    getsockname(FListener, reinterpret_cast<sockaddr*>(&Address), &Length);
    FPort = ntohs(Address.sin_port);
    listen(FListener, 1);
    FThread = std::thread([this] { Serve(); });
  }
  ~TStallingServer() {
    FRelease.SetEvent();
    shutdown(FListener, SHUT_RDWR);
    FThread.join();
    close(FListener);
  }
  std::string Url() const { return "tcp://127.0.0.1:" + std::to_string(FPort); }
  TEvent Sent{true, false};

 private:
  void Serve() {
    int Connection = accept(FListener, nullptr, nullptr);
    if (Connection < 0) return;
    for (size_t Done = 0; Done < FData.size();) {
      ssize_t Count = send(Connection, FData.data() + Done, FData.size() - Done, MSG_NOSIGNAL);
      if (Count <= 0) break;
      Done += Count;
    }
    Sent.SetEvent();
    FRelease.WaitFor();
    close(Connection);
  }

  std::string FData;
  int FListener = -1;
  int FPort = 0;
  TEvent FRelease{true, false};
  std::thread FThread;
};

TEST_F(TranscodeRunTest, AReadThatBlocksTooLongEndsTheInput) {
  const std::string Stream =
      MakeMedia(Dir.Path().string(), "clip.ts", "-f lavfi -i testsrc2=s=160x120:r=25:d=4 -c:v mpeg2video");
  TStallingServer Server(Stream, 0.5);
  TLogCapture Log;
  TRunWatch Watch;
  auto Task = std::make_unique<TCustomFFmpeg>();
  Task->FReadTimeout = 300;
  ASSERT_GE(Task->OpenInputFile(Server.Url()), 0) << Task->FLastErrMsg;
  ASSERT_GE(Task->OpenOutputFile(Dir.File("out.mkv"), false), 0) << Task->FLastErrMsg;
  Watch.Attach(*Task);
  Watch.Start(*Task);
  ASSERT_TRUE(Watch.WaitForEnd());
  EXPECT_FALSE(Watch.Failed) << Watch.Message;
  TFileFacts Facts = Probe(Dir.File("out.mkv"));
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_GT(Facts.Video[0].Frames, 0);
  EXPECT_LT(Facts.Video[0].Frames, 100);
  EXPECT_TRUE(Log.Has("connecting/reading timeout"));
}

TEST_F(TranscodeRunTest, AStopCutsABlockedReadShortWithoutATimeOut) {
  const std::string Stream =
      MakeMedia(Dir.Path().string(), "clip.ts", "-f lavfi -i testsrc2=s=160x120:r=25:d=4 -c:v mpeg2video");
  TStallingServer Server(Stream, 0.5);
  TRunWatch Watch;
  auto Task = std::make_unique<TCustomFFmpeg>();
  Task->FReadTimeout = 0;
  ASSERT_GE(Task->OpenInputFile(Server.Url()), 0) << Task->FLastErrMsg;
  Task->ParseOptions("-c:v mpeg4");
  ASSERT_GE(Task->OpenOutputFile(Dir.File("out.mkv"), false), 0) << Task->FLastErrMsg;
  Watch.Attach(*Task);
  Watch.Start(*Task);
  ASSERT_EQ(Server.Sent.WaitFor(RunGuardMs), wrSignaled);
  ASSERT_EQ(Watch.Reported.WaitFor(RunGuardMs), wrSignaled);
  Task->Stop(true);
  ASSERT_EQ(Watch.Ended.WaitFor(0), wrSignaled);
  EXPECT_FALSE(Watch.Failed) << Watch.Message;
  EXPECT_FALSE(Watch.Finished);
  EXPECT_GT(Probe(Dir.File("out.mkv")).Video.at(0).Frames, 0);
}

}  // namespace
