// The run of a task: in place or on its converting thread, its stop, and its end with a
// result.

#include "Src/FFmpeg.h"
#include "Src/MyUtils.h"

// The converting thread: runs the task once and frees itself.
class TCustomFFmpeg::TConvertThread : public TThread {
 public:
  explicit TConvertThread(TCustomFFmpeg& AOwner) : FOwner(AOwner) { FreeOnTerminate = true; }

 protected:
  void Execute() override {
    // The task may be freed as soon as the event is set: nothing touches it afterwards.
    struct TSetOnExit {
      TEvent& Event;
      ~TSetOnExit() { Event.SetEvent(); }
    } Done{FOwner.FStopEvent};
    FOwner.RunConvert();
  }

 private:
  TCustomFFmpeg& FOwner;
};

TThread* TCustomFFmpeg::StartConvert(bool AUseThread) {
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
  FThread = new TConvertThread(*this);  // frees itself when the run has ended
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
  bool Wait = AWaitForStop;
  {
    std::lock_guard Lock(FThreadLock);
    if (!FThread) return;
    // A thread that was never started starts now, to end at once.
    FThread->Start();
    // The converting thread itself (a progress handler) cannot wait for its own end.
    Wait = Wait && FThread->ThreadID() != GetCurrentThreadId();
  }
  if (!Wait) return;
  while (FStopEvent.WaitFor(20) == wrTimeout)
    if (IsMainThread()) PumpMessages();
}
