// The run of a task: in place or on its converting thread, its stop and pause, and its
// end with a result.

#include <sys/resource.h>

#include <chrono>

#include "Src/FFmpeg.h"
#include "Src/MyUtils.h"
#include "platform/base/Clock.h"

namespace {

// Linux schedules ordinary threads by their nice value, which setpriority sets per
// thread when given the thread's id. A thread inherits the value of the thread that
// created it; going below that value needs the privilege to do so, and without it the
// thread keeps the inherited value (the conversion runs all the same).
void ApplyThreadPriority(TThreadPriority APriority) {
  static constexpr int NiceValues[] = {19, 10, 5, 0, -5, -10, -20};
  setpriority(PRIO_PROCESS, GetCurrentThreadId(), NiceValues[APriority]);
}

}  // namespace

// The converting thread: runs the task once and frees itself.
class TCustomFFmpeg::TConvertThread : public TThread {
 public:
  TConvertThread(TCustomFFmpeg& AOwner, TThreadPriority APriority) : FOwner(AOwner), FPriority(APriority) {
    FreeOnTerminate = true;
  }

 protected:
  void Execute() override {
    FOwner.FConvertThreadID = GetCurrentThreadId();
    ApplyThreadPriority(FPriority);
    // The task may be freed as soon as the event is set: nothing touches it afterwards.
    struct TSetOnExit {
      TEvent& Event;
      ~TSetOnExit() { Event.SetEvent(); }
    } Done{FOwner.FStopEvent};
    FOwner.RunConvert();
  }

 private:
  TCustomFFmpeg& FOwner;
  TThreadPriority FPriority;
};

TThread* TCustomFFmpeg::StartConvert(bool AUseThread, TThreadPriority APriority) {
  if (FConverting || FTerminated) return nullptr;
  if (Foutput_files.empty() || Finput_files.empty()) {
    const String Text = Foutput_files.empty() ? "At least one output file must be specified"
                                              : "At least one input file must be specified";
    ReleaseOptionState();
    FLastErrMsg = Text;
    Log(llQuiet, Text);
    FFatalException = true;
    FFatalMessage = Text;
    DoTerminate();
    return nullptr;
  }
  FConverting = true;
  FBroken = false;
  FFinished = false;
  FEnding = false;
  if (!AUseThread) {
    RunConvert();
    return nullptr;
  }
  FStopEvent.ResetEvent();
  std::lock_guard Lock(FThreadLock);
  FThread = new TConvertThread(*this, APriority);  // frees itself when the run has ended
  return FThread;
}

void TCustomFFmpeg::RunConvert() {
  FFinished = false;
  try {
    Transcode();
  } catch (const std::exception& E) {
    RecordFailure(E.what());
  } catch (...) {
    RecordFailure("Unknown exception");
  }
  // A run that ended well, or was stopped, gives its files their names: they are complete
  // up to where they got. A failed run leaves nothing behind.
  if (FFatalException)
    DiscardOutputFiles();
  else if (FinishOutputFiles() < 0)
    RecordFailure(FLastErrMsg);
  try {
    ReleaseOptionState();
  } catch (const std::exception& E) {
    RecordFailure(E.what());
  }
  DoTerminate();
}

void TCustomFFmpeg::RecordFailure(const String& AMessage) {
  Log(llQuiet, AMessage);
  FFinished = false;
  FFatalException = true;
  FFatalMessage = AMessage;
}

void TCustomFFmpeg::DoTerminate() {
  FConverting = false;
  FTerminated = true;
  {
    std::lock_guard Lock(FThreadLock);
    FThread = nullptr;
  }
  if (FOnTerminate) FOnTerminate(this);
}

void TCustomFFmpeg::Stop(bool AWaitForStop) {
  FBroken = true;
  {
    // A paused run wakes up to see the stop.
    std::lock_guard Lock(FPauseLock);
  }
  FPauseChanged.notify_all();
  {
    std::lock_guard Lock(FThreadLock);
    // A thread that was never started starts now, to end at once.
    if (FThread) FThread->Start();
  }
  // The converting thread itself (a handler of its events) cannot wait for its own end.
  // Anyone else waits for FStopEvent even after the terminate event cleared FThread:
  // the thread is still on its way out then, and the task must outlive it.
  if (!AWaitForStop || FConvertThreadID == GetCurrentThreadId()) return;
  while (FStopEvent.WaitFor(20) == wrTimeout)
    if (IsMainThread()) PumpMessages();
}

void TCustomFFmpeg::StopOrTerminate(bool AWaitForStop) {
  if (FConverting) {
    Stop(AWaitForStop);
    return;
  }
  if (FTerminated) return;
  FFinished = false;
  DoTerminate();
}

void TCustomFFmpeg::Pause(bool AWaitForPause) {
  {
    std::lock_guard Lock(FThreadLock);
    if (!FThread) return;
    std::lock_guard PauseLock(FPauseLock);
    FPauseRequested = true;
  }
  if (!AWaitForPause || FConvertThreadID == GetCurrentThreadId()) return;
  for (;;) {
    {
      std::unique_lock Lock(FPauseLock);
      if (FPauseChanged.wait_for(Lock, std::chrono::milliseconds(20),
                                 [this] { return FPauseReached || !FPauseRequested || FBroken; }))
        return;
    }
    if (FStopEvent.WaitFor(0) == wrSignaled) return;
    if (IsMainThread()) PumpMessages();
  }
}

void TCustomFFmpeg::Resume() {
  {
    std::lock_guard Lock(FPauseLock);
    FPauseRequested = false;
  }
  FPauseChanged.notify_all();
}

void TCustomFFmpeg::WaitWhilePaused() {
  if (!FPauseRequested) return;
  const int64_t PauseStart = MonotonicMicroseconds();
  {
    std::unique_lock Lock(FPauseLock);
    FPauseReached = true;
    FPauseChanged.notify_all();
    FPauseChanged.wait(Lock, [this] { return !FPauseRequested || FBroken; });
    FPauseReached = false;
  }
  // The time-out clocks measure how long a read or write blocks; the pause is no such
  // wait, so the clocks move on by its length.
  const int64_t Paused = MonotonicMicroseconds() - PauseStart;
  for (int64_t* Clock : {&FLastRead, &FLastWrite})
    if (*Clock != INT64_MAX && *Clock != 0) *Clock += Paused;
}
