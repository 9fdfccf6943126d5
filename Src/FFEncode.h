#pragma once
// FFEncode: the converter component. It holds an ordered list of conversion tasks; each
// task has one or more inputs and one output, each named by a file name and described
// by converter-style option texts (FFmpeg.h). FFEncode.cpp builds and edits the list;
// FFEncode_Run.cpp runs it (Start, Pause, Resume, Stop) and relays the tasks' progress,
// preview and end as the encoder's events, through the line of FFEncode_RunEvents.
//
// Threads: the list operations run on the caller's thread (the user-interface thread in
// this program) and open inputs and outputs there; OnBeforeFindStreamInfo is raised
// while an input is opened. A run started with threads converts on one thread per
// running task; its events come on the user-interface thread (TriggerEventInMainThread)
// or on the encoder's event thread, one at a time and in order, while the converting
// threads go on. A run without threads raises every event on the caller's thread.

#include <memory>

#include "Src/FFBaseComponent.h"
#include "Src/FFDecode.h"
#include "Src/FFEncode_RunEvents.h"
#include "Src/FFmpeg.h"
#include "platform/base/Lists.h"
#include "platform/base/Threads.h"

// One input of a task.
struct TInputOptions {
  String FileName;  // the input's name as the application keeps it; the call's name is opened
  String Options;   // option text applied before the input is opened
  String Presets;   // preset text (name=value lines) applied after Options
  int Tag = 0;      // the user's values
  void* Data = nullptr;
};

// The output of a task.
struct TOutputOptions {
  String FileName;
  String Options;
  String Presets;
  bool AudioHook = false;  // the hook events this task raises
  bool VideoInputHook = false;
  bool VideoOutputHook = false;
  int VideoHookBitsPixel = 24;  // bits per pixel of the hook bitmaps
  bool FrameInputHook = false;
  bool FrameOutputHook = false;
  bool Join = false;  // join all inputs of the task one after another into this output
  int Tag = 0;
  void* Data = nullptr;
};

void InitInputOptions(TInputOptions& AOptions);
void InitOutputOptions(TOutputOptions& AOptions);

// The records of the run's events. TaskIndex is the task's index in the list.

// A task's progress, figures as its status line's. FileIndex: the input being read, -1
// on the task's last report. BitRate in kbit/s, sizes in bytes, durations in
// microseconds; TotalDuration is negative when the total is unknown.
struct TProgressInfo {
  int TaskIndex = 0;
  int FileIndex = 0;
  int FrameNumber = 0;
  int FPS = 0;
  float Quality = 0;
  float BitRate = 0;
  int64_t CurrentSize = 0;
  int64_t CurrentDuration = 0;
  int64_t TotalDuration = 0;
};

// The end of a task, or with TaskIndex -1 the end of the whole run (Finished true).
// Finished: the task ran to its end without a stop; Exception: it ended by an error,
// whose text is ExceptionMsg.
struct TTerminateInfo {
  int TaskIndex = 0;
  bool Finished = false;
  bool Exception = false;
  String ExceptionMsg;
};

// A picture being encoded, as the task's preview bitmap; valid during the call only.
struct TPreviewInfo {
  int TaskIndex = 0;
  TBitmap* Bitmap = nullptr;
  int FrameNumber = 0;
  int64_t PTS = 0;  // microseconds
};

using TProgressEvent = std::function<void(TObject* Sender, const TProgressInfo* AProgressInfo)>;
using TTerminateEvent = std::function<void(TObject* Sender, const TTerminateInfo& ATerminateInfo)>;
using TPreviewBitmapEvent = std::function<void(TObject* Sender, const TPreviewInfo& APreviewInfo)>;

class TCustomEncoder;
class TStream;

// The encoder's task: what belongs to the encoder's use of a task is kept here, not in
// the conversion task itself.
class TFFmpeg : public TCustomFFmpeg {
 public:
  // The decoders go before the inputs they describe are closed (the base's part).
  ~TFFmpeg() override;
  // The same order: the decoders' objects first, then the task's.
  void ReleaseFFObjects() override;

  // The decoder that describes input AFileIndex through the task's own opened context,
  // created on first use; it never opens the file again. The task owns it.
  TFFDecoder& Decoder(int AFileIndex);

  // The option records the task was built with, a copy per input and per output index
  // (reset for an index whose options were not given), kept for the task's life.
  std::vector<TInputOptions> FInputOptions;
  std::vector<TOutputOptions> FOutputOptions;
  TCustomEncoder* FParent = nullptr;

 private:
  std::vector<std::unique_ptr<TFFDecoder>> FDecoders;
};

class TCustomEncoder : public TFFBaseComponent {
 public:
  explicit TCustomEncoder(TComponent* AOwner);
  // Stops a run and waits for it; no handler is called any more.
  ~TCustomEncoder() override;

  // The encoder needs every engine library (AllLibraries).
  bool AVLibLoaded() const;
  // Loads the libraries from the folder APath first; false with LastErrMsg set.
  bool LoadAVLib(const String& APath);
  void UnloadAVLib();

  // The task-list operations return a negative value on failure, with the reason in
  // LastErrMsg. The opening's own code comes back when the file could not be opened
  // (AVERROR(ENOENT) for a missing file); -1 for any other failure (an invalid option,
  // a failure inside the opening).

  // A new task with its first input: the task's index. A failed task is not kept.
  int AddTask(const String& AFileName, const TInputOptions* AOptions);
  int AddTask(const String& AFileName, const String& AOptions, const String& APresets);
  // One more input of task ATaskIndex: the input's index within the task. A failure
  // leaves the task with its earlier inputs.
  int AddInput(int ATaskIndex, const String& AFileName, const TInputOptions* AOptions);
  int AddInput(int ATaskIndex, const String& AFileName, const String& AOptions, const String& APresets);
  // The same with a stream of the application as the input or output, named
  // "stream:<address>:<APrivateData>" (StreamProtocol.h). The stream stays the
  // caller's and must live until the task is freed.
  int AddTask(TStream* AStream, const String& APrivateData, const TInputOptions* AOptions);
  int AddTask(TStream* AStream, const String& APrivateData, const String& AOptions, const String& APresets);
  int AddInput(int ATaskIndex, TStream* AStream, const String& APrivateData, const TInputOptions* AOptions);
  int AddInput(int ATaskIndex, TStream* AStream, const String& APrivateData, const String& AOptions,
               const String& APresets);
  // The output of task ATaskIndex: the output's index within the task, or 0 after a
  // join set-up. An output that names one of the task's inputs is refused. With the
  // option-text overload the switches ("-Join", "-AudioHook", "-VideoInputHook",
  // "-VideoOutputHook", "-FrameInputHook", "-FrameOutputHook") are read from the text
  // as options of their own.
  int SetOutput(int ATaskIndex, const String& AFileName, const TOutputOptions* AOptions);
  int SetOutput(int ATaskIndex, const String& AFileName, const String& AOptions, const String& APresets);
  int SetOutput(int ATaskIndex, TStream* AStream, const String& APrivateData, const TOutputOptions* AOptions);
  int SetOutput(int ATaskIndex, TStream* AStream, const String& APrivateData, const String& AOptions,
                const String& APresets);

  // Frees every task and ends a finished run. Raises "Cannot ClearTasks while working."
  // while a run has not raised its final event.
  void ClearTasks();
  // Frees one task; the later ones move up.
  void RemoveTask(int ATaskIndex);
  // Swaps the places of two tasks in the list.
  void Exchange(int ATaskIndex1, int ATaskIndex2);
  // The decoder that describes input AFileIndex of a task from the task's own opened
  // input (see TFFmpeg::Decoder); valid while the task exists.
  TFFDecoder* GetTaskDecoder(int ATaskIndex, int AFileIndex);
  // A decoder of the encoder's own, for probing files (the main window's use).
  TFFDecoder* Decoder() const { return FDecoder; }
  // The task's index, or -1.
  int GetTaskIndex(const TFFmpeg* AFFmpeg) const;
  int TasksCount() const { return FFFmpegList.Count(); }

  const String& LastErrMsg() const { return FLastErrMsg; }
  // Copied into every task by AddTask, AddInput and SetOutput.
  bool HaltOnInvalidOption = true;
  // The user's value.
  void* UserData = nullptr;
  // Events are raised on the user-interface thread when set, else on the thread that
  // raises them.
  bool TriggerEventInMainThread = true;

  // Raised while an input is opened, before its streams are probed; the sender is the
  // task (TFFmpeg). The handler may adjust the format context.
  TBeforeFindStreamInfoEvent OnBeforeFindStreamInfo;

  // --- The run (FFEncode_Run.cpp). Building the list (AddTask, AddInput, SetOutput,
  // RemoveTask) and Start raise "Cannot %s while working." from Start until ClearTasks.

  // AThreadCount > 0: up to that many tasks convert at once, each on its own thread, in
  // list order, a further task starting whenever one ends; the call returns at once.
  // AThreadCount <= 0: the tasks run one after another inside the call, on the caller's
  // thread, and every event, the final one included, has been raised when it returns.
  // Each task raises OnTerminate when it ends (a failure too, with its text); after the
  // last, one more OnTerminate with TaskIndex -1 and Finished true ends the run. An
  // empty list ends at once with that final event.
  void Start(int AThreadCount);
  // Every running task stops before its next packet and waits, holding no lock, until
  // Resume; a task that starts meanwhile starts paused. Returns once no running task
  // converts any more (a task blocked in a read is waited for until the read returns);
  // on the user-interface thread handed-over calls run meanwhile. A run without threads
  // is not paused: only Paused is set.
  void Pause();
  void Resume();
  // Ends the run: running tasks stop (their outputs complete up to where they got),
  // tasks not yet started end without running; each reports Finished false, then the
  // final event follows. With AWaitForStop the call returns when every converting
  // thread has ended; on the user-interface thread handed-over calls run meanwhile.
  // Paused stays as it was.
  void Stop(bool AWaitForStop);

  // From Start until ClearTasks.
  bool Working() const { return FWorking; }
  bool Paused() const { return FPaused; }
  // The final event has been raised.
  bool Terminated() const { return FTerminated; }

  // Milliseconds between two progress events of a task, 100 at the least.
  int ProgressInterval() const { return FProgressInterval; }
  void SetProgressInterval(int AMilliseconds);
  // The priority of the converting threads, taken when a task starts.
  TThreadPriority ThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority APriority) { FThreadPriority = APriority; }
  // The preview window and the preview-bitmap event of every task, existing and later
  // ones; may change during a run.
  bool Preview() const { return FPreview; }
  void SetPreview(bool AValue);
  bool PreviewBitmap() const { return FPreviewBitmap; }
  void SetPreviewBitmap(bool AValue);

  // A task's progress at most once per ProgressInterval and once more at its end. Only
  // the newest figures of a task wait for delivery: a handler that is slow misses
  // intermediate ones, never the last.
  TProgressEvent OnProgress;
  // See Start. A handler may call Stop; a handler of the final event may clear the list
  // and start a new run.
  TTerminateEvent OnTerminate;
  // A picture of a task, at most once per the task's PreviewInterval while
  // PreviewBitmap is set. The task waits until the handler has run (on the
  // user-interface thread when TriggerEventInMainThread and the run has threads, else
  // on the task's thread, one task at a time): the handler must not wait for the run.
  TPreviewBitmapEvent OnPreviewBitmap;

 protected:
  // A bad index raises EListError.
  TFFmpeg& Task(int ATaskIndex) const { return *FFFmpegList.Items(ATaskIndex); }

  // The dispatch of the tasks' events, on the task's thread; ASender is the task. A
  // class that overrides them calls Stop(true) in its destructor, so that no task
  // calls into its part once that is gone.
  virtual void DoPreviewBitmap(TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS);
  virtual void DoProgress(TObject* ASender, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                          float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration,
                          int64_t ATotalDuration);
  virtual void DoTerminate(TObject* ASender);

 private:
  // The task that raised a dispatched event. The dispatch is bound to the list's tasks
  // only, so any other sender is a fault of the caller and raises std::bad_cast.
  static TFFmpeg& SendingTask(TObject* ASender);
  int OpenTaskInput(TFFmpeg& ATask, const String& AFileName, const TInputOptions* AOptions);
  void DoBeforeFindStreamInfo(TObject* ASender, AVFormatContext* AContext);
  void BindRunEvents(TFFmpeg& ATask);
  void CheckNotWorking(const char* AOperation) const;
  void SetPostHook(TPostHook AHook, bool AOn);

  // The run (FFEncode_Run.cpp).
  void StartNextTask();
  bool RunNextTaskInPlace();
  void PostFinalEvent();
  void RaiseTerminate(const TTerminateInfo& AInfo);
  // Calls AHandler; its failure is logged, so that the events behind it still come.
  void RaiseSafely(const std::function<void()>& AHandler);

  String FLastErrMsg;
  TFFDecoder* FDecoder;  // owned as a component of the encoder
  TObjectList<TFFmpeg> FFFmpegList;
  TCriticalSection FFindStreamLock;  // serialises OnBeforeFindStreamInfo of all tasks

  // Run state. Guarded by FTerminateLock, which serialises the ends of tasks and the
  // starts of further ones: FCompleteTasks, FCurrentTask (the next task to start),
  // FPendingTasks, FStartingTask (a start is under way on the lock's holder) and
  // FSlotFreed (a task ended inside that start, so one more may start).
  TCriticalSection FTerminateLock;
  int FCompleteTasks = 0;
  int FCurrentTask = -1;
  int FPendingTasks = 0;
  bool FStartingTask = false;
  bool FSlotFreed = false;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FThreadMode{false};
  std::atomic<bool> FWorking{false};
  std::atomic<bool> FPaused{false};
  std::atomic<int> FProgressInterval{500};
  std::atomic<TThreadPriority> FThreadPriority{tpNormal};
  bool FPreview = false;
  bool FPreviewBitmap = false;
  TCriticalSection FPreviewLock;  // serialises OnPreviewBitmap raised on the tasks' threads
  TRunEventQueue FRunEvents;

  // --- Hook events (FFEncode_Hooks.cpp). A task whose output options ask for a hook
  // raises it here with the task's index. Hooks always run on the task's thread,
  // whatever TriggerEventInMainThread says: they hold up the conversion meanwhile and
  // may touch only what they are given. Each kind is serialised over all tasks by its
  // lock, which also guards the kind's one info record, so a handler copies what it
  // keeps.
 public:
  // A picture as a bitmap (the task's VideoHookBitsPixel bits). Update (true on entry):
  // the handler changed the bitmap and the picture is to take the change; StopHook
  // (false on entry): the hook is not raised again for this task. Frame numbers count
  // from 1 per stream; times are microseconds.
  struct THookInfo {
    int TaskIndex = 0;
    TBitmap* Bitmap = nullptr;
    int FrameNumber = 0;
    int64_t PTS = 0;
    bool Update = true;
    bool StopHook = false;
  };
  // The picture itself, which the handler may change in place.
  struct TFrameHookInfo {
    int TaskIndex = 0;
    int FrameNumber = 0;
    AVFrame* Picture = nullptr;
    AVPixelFormat PixFmt = AV_PIX_FMT_NONE;
    int Width = 0;
    int Height = 0;
    int64_t PTS = 0;
  };
  // The decoded samples before the volume, interleaved; the handler may change them in
  // place, keeping their size.
  using TAudioHookEvent =
      std::function<void(TObject* Sender, int ATaskIndex, int64_t APTS, uint8_t* ASample, int ASize,
                         int ASampleRate, int AChannels, AVSampleFormat ASampleFormat)>;
  using TVideoHookEvent = std::function<void(TObject* Sender, THookInfo* AHookInfo)>;
  using TFrameHookEvent = std::function<void(TObject* Sender, TFrameHookInfo* AHookInfo)>;
  TAudioHookEvent OnAudioHook;
  TVideoHookEvent OnVideoInputHook;   // decoded pictures, before the filters
  TVideoHookEvent OnVideoOutputHook;  // pictures about to be encoded
  TFrameHookEvent OnFrameInputHook;
  TFrameHookEvent OnFrameOutputHook;

 protected:
  // Binds the task's events that AOptions asks for to the dispatch below (SetOutput).
  void BindHookEvents(TFFmpeg& ATask, const TOutputOptions& AOptions);
  // The dispatch, on the task's thread; ASender is the task.
  virtual void DoAudioHook(TObject* ASender, int64_t APTS, uint8_t* ASample, int ASize, int ASampleRate,
                           int AChannels, AVSampleFormat ASampleFormat);
  virtual void DoInputVideoHook(TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS,
                                bool& AUpdate, bool& AStopHook);
  virtual void DoOutputVideoHook(TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS,
                                 bool& AUpdate, bool& AStopHook);
  virtual void DoInputFrameHook(TObject* ASender, AVFrame* APicture, AVPixelFormat APixFmt, int AFrameNumber,
                                int AWidth, int AHeight, int64_t APTS);
  virtual void DoOutputFrameHook(TObject* ASender, AVFrame* APicture, AVPixelFormat APixFmt, int AFrameNumber,
                                 int AWidth, int AHeight, int64_t APTS);

 private:
  void RaiseVideoHook(const TVideoHookEvent& AEvent, TObject* ASender, TBitmap* ABitmap, int AFrameNumber,
                      int64_t APTS, bool& AUpdate, bool& AStopHook);
  void RaiseFrameHook(const TFrameHookEvent& AEvent, TObject* ASender, AVFrame* APicture,
                      AVPixelFormat APixFmt, int AFrameNumber, int AWidth, int AHeight, int64_t APTS);
  TCriticalSection FAudioHookLock;
  TCriticalSection FVideoHookLock;  // both video hooks, and FVideoHookInfo
  TCriticalSection FFrameHookLock;  // both frame hooks, and FFrameHookInfo
  THookInfo FVideoHookInfo;
  TFrameHookInfo FFrameHookInfo;
};

class TFFEncoder : public TCustomEncoder {
 public:
  using TCustomEncoder::TCustomEncoder;
};
