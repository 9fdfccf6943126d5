// The encoder's run: starting the tasks on converting threads or in place, pause,
// resume and stop of all tasks, and the relay of the tasks' events.

#include "Src/FFEncode.h"
#include "Src/MyUtils.h"

void TCustomEncoder::Start(int AThreadCount) {
  CheckNotWorking("StartTask");
  // A task that fails its start checks ends inside this call; the final event must not
  // reach a handler that might clear the list while the loop below walks it.
  THeldFinal Hold(FRunEvents);
  {
    std::lock_guard Lock(FTerminateLock);
    FCompleteTasks = 0;
    FCurrentTask = 0;
    FPendingTasks = TasksCount();
    FTerminated = false;
    FThreadMode = AThreadCount > 0;
    FWorking = true;
    FPaused = false;
    FRunEvents.SetTarget(!FThreadMode               ? TRunEventQueue::etCallerThread
                         : TriggerEventInMainThread ? TRunEventQueue::etMainThread
                                                    : TRunEventQueue::etOwnThread);
    if (FPendingTasks == 0) PostFinalEvent();
  }
  if (FThreadMode) {
    std::lock_guard Lock(FTerminateLock);
    for (int Started = 0; Started < AThreadCount && FPendingTasks > 0; Started++) StartNextTask();
  } else {
    while (RunNextTaskInPlace()) {
    }
  }
}

// Thread mode, under FTerminateLock: starts the next pending task on its thread. A task
// that fails its start checks ends at once (DoTerminate, on this thread) and frees its
// place again, so the next one is tried.
void TCustomEncoder::StartNextTask() {
  FStartingTask = true;
  do {
    FSlotFreed = false;
    if (FPendingTasks <= 0) break;
    FPendingTasks--;
    TFFmpeg& Next = Task(FCurrentTask++);
    Next.ReportInterval = int64_t{ProgressInterval()} * 1000;
    if (TThread* Thread = Next.StartConvert(true, ThreadPriority())) {
      if (FPaused) Next.Pause(false);
      Thread->Start();
    }
  } while (FSlotFreed);
  FStartingTask = false;
}

// Without threads: runs the next pending task to its end on this thread; false when
// none is left. The lock is not held while the task runs, so a stop from another thread
// gets through.
bool TCustomEncoder::RunNextTaskInPlace() {
  TFFmpeg* Next;
  {
    std::lock_guard Lock(FTerminateLock);
    if (FPendingTasks <= 0) return false;
    FPendingTasks--;
    Next = &Task(FCurrentTask++);
    Next->ReportInterval = int64_t{ProgressInterval()} * 1000;
  }
  Next->StartConvert(false, ThreadPriority());
  return true;
}

void TCustomEncoder::Pause() {
  {
    std::lock_guard Lock(FTerminateLock);  // against a task starting meanwhile
    if (!FWorking || FPaused) return;
    FPaused = true;
    if (!FThreadMode) return;
    for (int I = 0; I < TasksCount(); I++) Task(I).Pause(false);
  }
  // Waiting lets handed-over calls (and so the events) run: hold the final one back.
  THeldFinal Hold(FRunEvents);
  for (int I = 0; I < TasksCount(); I++) Task(I).Pause(true);
}

void TCustomEncoder::Resume() {
  std::lock_guard Lock(FTerminateLock);
  if (!FWorking || !FPaused) return;
  FPaused = false;
  if (!FThreadMode) return;
  for (int I = 0; I < TasksCount(); I++) Task(I).Resume();
}

void TCustomEncoder::Stop(bool AWaitForStop) {
  THeldFinal Hold(FRunEvents);
  int Started;
  {
    // From here on no task starts.
    std::lock_guard Lock(FTerminateLock);
    FPendingTasks = 0;
    if (!FWorking) return;
    Started = FCurrentTask;
    FCurrentTask = TasksCount();
  }
  // Every running task is told first, so that they all stop at once; then the tasks
  // that never started end, and last the wait.
  for (int I = 0; I < Started; I++) Task(I).Stop(false);
  for (int I = Started; I < TasksCount(); I++) Task(I).StopOrTerminate(false);
  if (!AWaitForStop) return;
  for (int I = 0; I < Started; I++) Task(I).Stop(true);
}

// On the thread that ran the task (or that ended it without a run). The record goes
// into the line under the lock, so that the final event, posted under the same lock by
// the last task, comes after every task's.
void TCustomEncoder::DoTerminate(TObject* ASender) {
  const TFFmpeg& Ended = SendingTask(ASender);
  bool InsideStart;
  {
    std::lock_guard Lock(FTerminateLock);
    InsideStart = FStartingTask;
    const TTerminateInfo Info{GetTaskIndex(&Ended), Ended.FFinished, Ended.FFatalException,
                              Ended.FFatalMessage};
    FRunEvents.Post([this, Info] { RaiseTerminate(Info); });
    FCompleteTasks++;
    if (FPendingTasks > 0) {
      // Without threads the loop of Start runs the next task.
      if (FThreadMode) {
        if (FStartingTask)
          FSlotFreed = true;
        else
          StartNextTask();
      }
    } else if (FCompleteTasks >= TasksCount()) {
      PostFinalEvent();
    }
  }
  // Inside a start the lock is still held further up: the start's caller delivers.
  if (!InsideStart) FRunEvents.Deliver();
}

void TCustomEncoder::PostFinalEvent() {
  FRunEvents.Post(
      [this] {
        FTerminated = true;
        RaiseTerminate({-1, true, false, ""});
      },
      -1, true);
}

void TCustomEncoder::RaiseTerminate(const TTerminateInfo& AInfo) {
  RaiseSafely([&] {
    if (OnTerminate) OnTerminate(this, AInfo);
  });
}

void TCustomEncoder::DoProgress(TObject* ASender, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                                float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration,
                                int64_t ATotalDuration) {
  if (!OnProgress) return;
  const TProgressInfo Info{GetTaskIndex(&SendingTask(ASender)),
                           AFileIndex,
                           AFrameNumber,
                           AFPS,
                           AQuality,
                           ABitRate,
                           ACurrentSize,
                           ACurrentDuration,
                           ATotalDuration};
  FRunEvents.Post(
      [this, Info] {
        RaiseSafely([&] {
          if (OnProgress) OnProgress(this, &Info);
        });
      },
      Info.TaskIndex);
  FRunEvents.Deliver();
}

// The bitmap is the task's and shows the next picture soon, so the task waits for the
// handler; its failure goes back into the task.
void TCustomEncoder::DoPreviewBitmap(TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS) {
  if (!OnPreviewBitmap) return;
  const TPreviewInfo Info{GetTaskIndex(&SendingTask(ASender)), ABitmap, AFrameNumber, APTS};
  if (FThreadMode && TriggerEventInMainThread) {
    CallInMainThread([&] {
      if (OnPreviewBitmap) OnPreviewBitmap(this, Info);
    });
    return;
  }
  std::lock_guard Lock(FPreviewLock);
  OnPreviewBitmap(this, Info);
}

void TCustomEncoder::RaiseSafely(const std::function<void()>& AHandler) {
  try {
    AHandler();
  } catch (const std::exception& E) {
    GetLogger()->Log(this, llError, E.what());
  } catch (...) {
    GetLogger()->Log(this, llError, "Unknown exception");
  }
}
