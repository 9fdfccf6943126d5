// The encoder's run: tasks on converting threads or in place, the order and the threads
// of the events, the locked list, stop and pause, and handlers that stop or restart
// the run.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>

#include "Src/FFEncode.h"
#include "platform/base/Paths.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace transcode_test;
namespace fs = std::filesystem;

// Watches the run from the tasks' own threads: how many tasks convert at once, how
// often they report, and the nice value their threads run at.
class TTestEncoder : public TFFEncoder {
 public:
  using TCustomEncoder::Task;
  using TFFEncoder::TFFEncoder;
  // The tasks' threads call the overrides below and set TaskEnded: the run ends
  // before this class's part goes.
  ~TTestEncoder() override { Stop(true); }

  std::atomic<int> MostConverting{0};
  std::atomic<int> Reports{0};
  std::atomic<int> NiceValue{-100};
  TEvent TaskEnded{true, false};

 protected:
  void DoProgress(TObject* ASender, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                  float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration,
                  int64_t ATotalDuration) override {
    NoteConverting();
    Reports++;
    NiceValue = getpriority(PRIO_PROCESS, GetCurrentThreadId());
    TFFEncoder::DoProgress(ASender, AFileIndex, AFrameNumber, AFPS, AQuality, ABitRate, ACurrentSize,
                           ACurrentDuration, ATotalDuration);
  }
  void DoTerminate(TObject* ASender) override {
    NoteConverting();
    TFFEncoder::DoTerminate(ASender);
    TaskEnded.SetEvent();
  }

 private:
  void NoteConverting() {
    int Count = 0;
    for (int I = 0; I < TasksCount(); I++) Count += Task(I).FConverting ? 1 : 0;
    int Most = MostConverting;
    while (Count > Most && !MostConverting.compare_exchange_weak(Most, Count)) {
    }
  }
};

// The events as delivered, from whichever thread delivers them.
struct TEventLog {
  std::mutex Lock;
  std::vector<TTerminateInfo> Ends;
  std::vector<TThreadID> EndThreads;
  std::vector<TProgressInfo> Progress;
  std::vector<TThreadID> ProgressThreads;
  // The index in Ends at which each task's last progress report arrived.
  std::vector<size_t> LastReportBeforeEnd;

  std::vector<int> EndedTasks() {
    std::lock_guard Guard(Lock);
    std::vector<int> Tasks;
    for (const TTerminateInfo& End : Ends) Tasks.push_back(End.TaskIndex);
    return Tasks;
  }
  int Finals() {
    std::lock_guard Guard(Lock);
    return static_cast<int>(
        std::count_if(Ends.begin(), Ends.end(), [](auto& AEnd) { return AEnd.TaskIndex < 0; }));
  }
  size_t ProgressCount() {
    std::lock_guard Guard(Lock);
    return Progress.size();
  }
};

// Runs handed-over calls on this (the user-interface) thread until ADone, with a guard
// that only a hang reaches.
bool PumpUntil(const std::function<bool()>& ADone) {
  const auto Guard = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (!ADone()) {
    if (std::chrono::steady_clock::now() > Guard) return false;
    CheckSynchronize(20);
  }
  return true;
}

class EncoderRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Encoder.LoadAVLib(GetAppPath() + "LibAV")) << Encoder.LastErrMsg();
    Encoder.SetProgressInterval(100);
    Encoder.OnTerminate = [this](TObject* ASender, const TTerminateInfo& AInfo) {
      EXPECT_EQ(ASender, &Encoder);
      // OnEnd runs before the end is logged: the test changes OnEnd once it sees the
      // final end, while the handler may still be on the event thread.
      if (OnEnd) OnEnd(AInfo);
      std::lock_guard Guard(Log.Lock);
      Log.Ends.push_back(AInfo);
      Log.EndThreads.push_back(GetCurrentThreadId());
    };
    Encoder.OnProgress = [this](TObject*, const TProgressInfo* AInfo) {
      std::lock_guard Guard(Log.Lock);
      Log.Progress.push_back(*AInfo);
      Log.ProgressThreads.push_back(GetCurrentThreadId());
    };
  }

  std::string Clip(double ASeconds) {
    const std::string Name = Format("clip%d.mkv", static_cast<int>(ASeconds * 10));
    if (!fs::exists(Dir.File(Name))) MakeClip(Dir.Path().string(), Name, ASeconds);
    return Dir.File(Name);
  }
  std::string Output(int ATask) const { return Dir.File(Format("out%d.mkv", ATask)); }
  // One more task converting AClip into Output(its index); AInputOptions "-re" reads
  // at the clip's own speed (paced by the copied audio), so the task surely runs for
  // the clip's length.
  void AddTask(const std::string& AClip, const std::string& AInputOptions = "") {
    const int Index = Encoder.AddTask(AClip, AInputOptions, "");
    ASSERT_GE(Index, 0) << Encoder.LastErrMsg();
    ASSERT_GE(Encoder.SetOutput(Index, Output(Index), "-c:v mpeg4 -c:a copy", ""), 0) << Encoder.LastErrMsg();
  }
  bool PumpUntilFinal() {
    return PumpUntil([this] { return Log.Finals() > 0; });
  }
  bool PumpUntilFirstReport() {
    return PumpUntil([this] { return Log.ProgressCount() > 0; });
  }
  // Per-task ends before a single final one at the very end.
  void ExpectFinalLast(size_t ATasks) {
    std::lock_guard Guard(Log.Lock);
    ASSERT_EQ(Log.Ends.size(), ATasks + 1);
    const TTerminateInfo& Final = Log.Ends.back();
    EXPECT_EQ(Final.TaskIndex, -1);
    EXPECT_TRUE(Final.Finished);
    EXPECT_FALSE(Final.Exception);
    EXPECT_EQ(Final.ExceptionMsg, "");
    std::set<int> Tasks;
    for (size_t I = 0; I < ATasks; I++) Tasks.insert(Log.Ends[I].TaskIndex);
    EXPECT_EQ(Tasks.size(), ATasks);
    EXPECT_EQ(*Tasks.begin(), 0);
    EXPECT_EQ(*Tasks.rbegin(), static_cast<int>(ATasks) - 1);
  }

  testing_support::TempDir Dir;  // outlives the encoder, whose tasks write into it
  TTestEncoder Encoder{nullptr};
  TEventLog Log;
  std::function<void(const TTerminateInfo&)> OnEnd;
};

TEST_F(EncoderRunTest, FiveTasksOnTwoThreadsRunTwoAtATimeAndEndWithOneFinalEvent) {
  const std::string Source = Clip(3);
  for (int I = 0; I < 5; I++) AddTask(Source);
  Encoder.Start(2);
  EXPECT_TRUE(Encoder.Working());
  ASSERT_TRUE(PumpUntilFinal());
  ExpectFinalLast(5);
  EXPECT_EQ(Encoder.MostConverting, 2);
  EXPECT_TRUE(Encoder.Terminated());
  for (size_t I = 0; I < 5; I++) {
    EXPECT_TRUE(Log.Ends[I].Finished);
    EXPECT_FALSE(Log.Ends[I].Exception) << Log.Ends[I].ExceptionMsg;
  }
  for (TThreadID Thread : Log.EndThreads) EXPECT_EQ(Thread, MainThreadID());
  for (TThreadID Thread : Log.ProgressThreads) EXPECT_EQ(Thread, MainThreadID());
  // Each task's last report (the file index -1) came before its end.
  for (int Task = 0; Task < 5; Task++) {
    auto Last = std::find_if(Log.Progress.rbegin(), Log.Progress.rend(),
                             [Task](const TProgressInfo& AInfo) { return AInfo.TaskIndex == Task; });
    ASSERT_NE(Last, Log.Progress.rend());
    EXPECT_EQ(Last->FileIndex, -1);
    EXPECT_GT(Last->TotalDuration, 0);
    EXPECT_EQ(Probe(Output(Task)).Video.at(0).Frames, 75);
  }
}

TEST_F(EncoderRunTest, WithoutThreadsEveryEventComesInsideStartOnTheCallersThread) {
  const std::string Source = Clip(1);
  for (int I = 0; I < 3; I++) AddTask(Source);
  Encoder.Start(0);
  EXPECT_EQ(Log.EndedTasks(), (std::vector<int>{0, 1, 2, -1}));
  EXPECT_EQ(Encoder.MostConverting, 1);
  EXPECT_GT(Log.ProgressCount(), 0u);
  for (TThreadID Thread : Log.EndThreads) EXPECT_EQ(Thread, GetCurrentThreadId());
  for (TThreadID Thread : Log.ProgressThreads) EXPECT_EQ(Thread, GetCurrentThreadId());
  EXPECT_TRUE(Encoder.Terminated());
}

// The same from a thread that is not the user-interface thread, with the handlers meant
// for the user-interface thread: they still come on the caller's thread, within Start.
TEST_F(EncoderRunTest, WithoutThreadsOnAnotherThreadTheEventsStayOnThatThread) {
  AddTask(Clip(1));
  TThreadID Caller = 0;
  std::thread([&] {
    Caller = GetCurrentThreadId();
    Encoder.Start(0);
  }).join();
  EXPECT_EQ(Log.EndedTasks(), (std::vector<int>{0, -1}));
  for (TThreadID Thread : Log.EndThreads) EXPECT_EQ(Thread, Caller);
}

TEST_F(EncoderRunTest, AnEmptyListEndsAtOnceWithTheFinalEvent) {
  for (int Threads : {0, 3}) {
    SCOPED_TRACE(Threads);
    Encoder.Start(Threads);
    EXPECT_EQ(Log.EndedTasks(), (std::vector<int>{-1}));
    EXPECT_TRUE(Encoder.Terminated());
    Encoder.ClearTasks();
    EXPECT_FALSE(Encoder.Working());
    Log.Ends.clear();
  }
}

// A handler on the event thread may still run when the encoder is freed: the
// destructor lets it finish before the handlers go.
TEST(EncoderLifetime, FreeingTheEncoderWaitsForAHandlerOnTheEventThread) {
  auto Encoder = std::make_unique<TFFEncoder>(nullptr);
  Encoder->TriggerEventInMainThread = false;
  TEvent Entered, Go;
  std::atomic<bool> HandlerDone{false};
  const String Kept = "a value the handler holds for a while";
  Encoder->OnTerminate = [&Entered, &Go, &HandlerDone, Kept](TObject*, const TTerminateInfo&) {
    Entered.SetEvent();
    Go.WaitFor();
    size_t Read = 0;
    for (int I = 0; I < 20000; I++) Read += Kept.size();
    HandlerDone = Read > 0;
  };
  Encoder->Start(1);  // an empty list: the final event comes on the event thread
  ASSERT_EQ(wrSignaled, Entered.WaitFor());
  std::thread Owner([&] {
    Go.SetEvent();
    Encoder.reset();
  });
  Owner.join();
  EXPECT_TRUE(HandlerDone);
}

TEST_F(EncoderRunTest, ATaskWithoutOutputEndsWithItsErrorAndTheNextOneRuns) {
  const std::string Source = Clip(1);
  AddTask(Source);
  ASSERT_EQ(Encoder.AddTask(Source, "", ""), 1);
  AddTask(Source);
  Encoder.Start(1);
  ASSERT_TRUE(PumpUntilFinal());
  EXPECT_EQ(Log.EndedTasks(), (std::vector<int>{0, 1, 2, -1}));
  EXPECT_TRUE(Log.Ends[0].Finished && Log.Ends[2].Finished);
  EXPECT_FALSE(Log.Ends[1].Finished);
  EXPECT_TRUE(Log.Ends[1].Exception);
  EXPECT_EQ(Log.Ends[1].ExceptionMsg, "At least one output file must be specified");
  EXPECT_GT(Probe(Output(2)).Video.at(0).Frames, 0);
}

TEST_F(EncoderRunTest, TheListIsLockedFromStartUntilClearTasks) {
  const std::string Source = Clip(1);
  AddTask(Source);
  Encoder.SetProgressInterval(50);
  EXPECT_EQ(Encoder.ProgressInterval(), 100);
  Encoder.SetProgressInterval(101);
  EXPECT_EQ(Encoder.ProgressInterval(), 101);
  Encoder.Start(1);
  EXPECT_EQ(Encoder.Task(0).ReportInterval, 101000);

  auto ExpectRefused = [](const std::function<void()>& ACall, const char* AText) {
    try {
      ACall();
      ADD_FAILURE() << "no exception: " << AText;
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), AText);
    }
  };
  // The final event needs this thread, so the run has surely not ended yet.
  ExpectRefused([&] { Encoder.ClearTasks(); }, "Cannot ClearTasks while working.");
  ASSERT_TRUE(PumpUntilFinal());
  ExpectRefused([&] { Encoder.Start(1); }, "Cannot StartTask while working.");
  ExpectRefused([&] { Encoder.AddTask(Source, "", ""); }, "Cannot AddTask while working.");
  ExpectRefused([&] { Encoder.AddInput(0, Source, "", ""); }, "Cannot AddInput while working.");
  ExpectRefused([&] { Encoder.SetOutput(0, Output(5), "", ""); }, "Cannot SetOutput while working.");
  ExpectRefused([&] { Encoder.RemoveTask(0); }, "Cannot RemoveTask while working.");
  EXPECT_EQ(Encoder.TasksCount(), 1);

  Encoder.ClearTasks();
  EXPECT_FALSE(Encoder.Working() || Encoder.Terminated());
  EXPECT_EQ(Encoder.AddTask(Source, "", ""), 0);
}

TEST_F(EncoderRunTest, StopEndsRunningAndPendingTasksUnfinishedAndLeavesNoFileOfAPendingOne) {
  const std::string Source = Clip(8);
  for (int I = 0; I < 5; I++) AddTask(Source, "-re");
  Encoder.Start(2);
  ASSERT_TRUE(PumpUntilFirstReport());
  Encoder.Stop(true);
  ASSERT_TRUE(PumpUntilFinal());
  ExpectFinalLast(5);
  for (size_t I = 0; I < 5; I++) {
    EXPECT_FALSE(Log.Ends[I].Finished) << I;
    EXPECT_FALSE(Log.Ends[I].Exception) << Log.Ends[I].ExceptionMsg;
  }
  // The two that ran keep what they wrote up to the stop, complete and playable; the
  // three that never started leave nothing under their names.
  for (int Task = 0; Task < 2; Task++) {
    const TFileFacts Facts = Probe(Output(Task));
    ASSERT_EQ(Facts.Video.size(), 1u);
    EXPECT_GT(Facts.Video[0].Frames, 0);
    EXPECT_LT(Facts.Video[0].Frames, 200);
  }
  for (int Task = 2; Task < 5; Task++) EXPECT_FALSE(fs::exists(Output(Task))) << Task;
  Encoder.ClearTasks();
  std::set<std::string> Left;
  for (const auto& Entry : fs::directory_iterator(Dir.Path())) Left.insert(Entry.path().filename().string());
  EXPECT_EQ(Left, (std::set<std::string>{"clip80.mkv", "out0.mkv", "out1.mkv"}));
}

struct TDeliveryCase {
  const char* Name;
  bool InMainThread;
};
const TDeliveryCase DeliveryCases[] = {{"user-interface thread", true}, {"event thread", false}};

TEST_F(EncoderRunTest, AnEndHandlerThatStopsAndWaitsDoesNotDeadlock) {
  for (const TDeliveryCase& Case : DeliveryCases) {
    SCOPED_TRACE(Case.Name);
    Encoder.TriggerEventInMainThread = Case.InMainThread;
    AddTask(Clip(1));
    for (int I = 0; I < 2; I++) AddTask(Clip(8), "-re");
    OnEnd = [this](const TTerminateInfo& AInfo) {
      if (AInfo.TaskIndex == 0) Encoder.Stop(true);
    };
    Encoder.Start(1);
    ASSERT_TRUE(PumpUntilFinal());
    // Task 1 was running and ends on its thread, task 2 ends within the stop: either
    // may come first.
    ExpectFinalLast(3);
    EXPECT_EQ(Log.Ends[0].TaskIndex, 0);
    EXPECT_TRUE(Log.Ends[0].Finished);
    EXPECT_FALSE(Log.Ends[1].Finished || Log.Ends[2].Finished);
    for (TThreadID Thread : Log.EndThreads) EXPECT_EQ(Thread == MainThreadID(), Case.InMainThread);
    Encoder.ClearTasks();
    Log.Ends.clear();
    Log.EndThreads.clear();
  }
}

TEST_F(EncoderRunTest, AFinalHandlerMayClearTheListAndStartANewRun) {
  for (const TDeliveryCase& Case : DeliveryCases) {
    SCOPED_TRACE(Case.Name);
    Encoder.TriggerEventInMainThread = Case.InMainThread;
    const std::string Source = Clip(1);
    for (int I = 0; I < 2; I++) AddTask(Source);
    bool Restarted = false;
    OnEnd = [&](const TTerminateInfo& AInfo) {
      if (AInfo.TaskIndex >= 0 || Restarted) return;
      Restarted = true;
      Encoder.ClearTasks();
      for (int I = 0; I < 3; I++) AddTask(Source);
      Encoder.Start(2);
    };
    Encoder.Start(2);
    ASSERT_TRUE(PumpUntil([&] { return Log.Finals() == 2; }));
    EXPECT_EQ(Log.Ends.size(), 2u + 1 + 3 + 1);
    EXPECT_EQ(Log.Ends.back().TaskIndex, -1);
    for (int Task = 0; Task < 3; Task++) EXPECT_GT(Probe(Output(Task)).Video.at(0).Frames, 0);
    Encoder.ClearTasks();
    OnEnd = nullptr;
    Log.Ends.clear();
  }
}

// While paused, the task writes nothing, however long the pause; the read and write
// time-outs (shorter than the pause) do not end it either. Resume completes the file.
TEST_F(EncoderRunTest, PauseFreezesTheOutputAndResumeCompletesIt) {
  Encoder.ReadTimeout = 500;
  Encoder.WriteTimeout = 500;
  AddTask(Clip(4), "-re");
  Encoder.Start(1);
  ASSERT_TRUE(PumpUntil([this] {
    std::lock_guard Guard(Log.Lock);
    return !Log.Progress.empty() && Log.Progress.back().CurrentSize > 0;
  }));
  Encoder.Pause();
  EXPECT_TRUE(Encoder.Paused());
  TFFmpeg& Task = Encoder.Task(0);
  auto Written = [&Task] { return FF.avio_seek(Task.Foutput_files[0]->ctx->pb, 0, SEEK_CUR); };
  const int64_t Before = Written();
  const int64_t FramesBefore = Task.Foutput_streams[0]->state->frame_number;
  std::this_thread::sleep_for(std::chrono::seconds(1));  // the pause itself is what is measured
  EXPECT_EQ(Written(), Before);
  EXPECT_EQ(Task.Foutput_streams[0]->state->frame_number, FramesBefore);
  EXPECT_GT(Before, 0);
  EXPECT_LT(FramesBefore, 100);

  Encoder.Resume();
  EXPECT_FALSE(Encoder.Paused());
  ASSERT_TRUE(PumpUntilFinal());
  ASSERT_EQ(Log.Ends.size(), 2u);
  EXPECT_TRUE(Log.Ends[0].Finished) << Log.Ends[0].ExceptionMsg;
  EXPECT_EQ(Probe(Output(0)).Video.at(0).Frames, 100);
}

TEST_F(EncoderRunTest, StopEndsAPausedRunAndLeavesItPaused) {
  for (int I = 0; I < 3; I++) AddTask(Clip(8), "-re");
  Encoder.Start(2);
  ASSERT_TRUE(PumpUntilFirstReport());
  Encoder.Pause();
  Encoder.Stop(true);
  ASSERT_TRUE(PumpUntilFinal());
  ExpectFinalLast(3);
  for (size_t I = 0; I < 3; I++) EXPECT_FALSE(Log.Ends[I].Finished);
  EXPECT_TRUE(Encoder.Paused());
}

// A user-interface thread that is busy elsewhere holds up no conversion: the task runs
// to its end meanwhile, and of its many reports only the newest is delivered, before
// its end.
TEST_F(EncoderRunTest, ABusyUserInterfaceGetsOnlyTheNewestProgress) {
  AddTask(Clip(1), "-re");
  Encoder.Start(1);
  ASSERT_EQ(Encoder.TaskEnded.WaitFor(120000), wrSignaled);
  EXPECT_GE(Encoder.Reports, 5);
  ASSERT_TRUE(PumpUntilFinal());
  ASSERT_EQ(Log.Progress.size(), 1u);
  EXPECT_EQ(Log.Progress[0].FileIndex, -1);
  EXPECT_EQ(Log.Progress[0].TaskIndex, 0);
  EXPECT_EQ(Log.Progress[0].FrameNumber, 25);
  EXPECT_EQ(Log.EndedTasks(), (std::vector<int>{0, -1}));
}

// Pictures of every task, whether the switch was set before the task was added or
// after: on the user-interface thread in a run with threads, on the caller's without.
TEST_F(EncoderRunTest, PreviewBitmapsComeWithTheirTaskOnTheDeliveringThread) {
  struct TPreview {
    int TaskIndex;
    int Width;
    int FrameNumber;
    TThreadID Thread;
  };
  std::vector<TPreview> Previews;
  Encoder.OnPreviewBitmap = [&](TObject* ASender, const TPreviewInfo& AInfo) {
    EXPECT_EQ(ASender, &Encoder);
    ASSERT_NE(AInfo.Bitmap, nullptr);
    Previews.push_back({AInfo.TaskIndex, AInfo.Bitmap->Width(), AInfo.FrameNumber, GetCurrentThreadId()});
  };
  for (int Threads : {2, 0}) {
    SCOPED_TRACE(Threads);
    Encoder.SetPreviewBitmap(true);
    AddTask(Clip(1));
    Encoder.SetPreviewBitmap(false);
    AddTask(Clip(1));
    Encoder.SetPreviewBitmap(true);
    EXPECT_TRUE(Encoder.PreviewBitmap());
    Encoder.Start(Threads);
    ASSERT_TRUE(PumpUntilFinal());
    for (int Task = 0; Task < 2; Task++) {
      std::vector<int> Frames;
      for (const TPreview& Preview : Previews)
        if (Preview.TaskIndex == Task) {
          Frames.push_back(Preview.FrameNumber);
          EXPECT_EQ(Preview.Width, 320);
          EXPECT_EQ(Preview.Thread, MainThreadID());
        }
      ASSERT_FALSE(Frames.empty()) << Task;
      EXPECT_TRUE(std::is_sorted(Frames.begin(), Frames.end()));
      EXPECT_LE(Frames.back(), 25);
    }
    Encoder.ClearTasks();
    Previews.clear();
    Log.Ends.clear();
  }
}

TEST_F(EncoderRunTest, ConvertingThreadsRunAtTheChosenPriority) {
  const int OwnNice = getpriority(PRIO_PROCESS, GetCurrentThreadId());
  const struct {
    TThreadPriority Priority;
    int Nice;
  } Cases[] = {{tpIdle, 19}, {tpLower, 5}};
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Nice);
    Encoder.SetThreadPriority(Case.Priority);
    AddTask(Clip(1));
    Encoder.Start(1);
    ASSERT_TRUE(PumpUntilFinal());
    // A thread may always lower its priority, never raise it above the inherited one.
    EXPECT_EQ(Encoder.NiceValue, std::max(Case.Nice, OwnNice));
    Encoder.ClearTasks();
    Log.Ends.clear();
  }
  EXPECT_EQ(getpriority(PRIO_PROCESS, GetCurrentThreadId()), OwnNice);
}

}  // namespace
