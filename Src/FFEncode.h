#pragma once
// FFEncode: the converter component. It holds an ordered list of conversion tasks; each
// task has one or more inputs and one output, each named by a file name and described
// by converter-style option texts (FFmpeg.h). This unit builds and edits the list; the
// run (Start, Pause, Resume, Stop) and the events of a run come with the encoder's run.
//
// Threads: the list operations run on the caller's thread (the user-interface thread in
// this program) and open inputs and outputs there; OnBeforeFindStreamInfo is raised
// while an input is opened.

#include <memory>

#include "Src/FFBaseComponent.h"
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

// The encoder's task: what belongs to the encoder's use of a task (such as the decoders
// that describe its inputs) is kept here, not in the conversion task itself.
class TFFmpeg : public TCustomFFmpeg {};

class TCustomEncoder : public TFFBaseComponent {
 public:
  explicit TCustomEncoder(TComponent* AOwner);

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
  // The output of task ATaskIndex: the output's index within the task, or 0 after a
  // join set-up. An output that names one of the task's inputs is refused. With the
  // option-text overload the switches ("-Join", "-AudioHook", "-VideoInputHook",
  // "-VideoOutputHook", "-FrameInputHook", "-FrameOutputHook") are read from the text
  // as options of their own.
  int SetOutput(int ATaskIndex, const String& AFileName, const TOutputOptions* AOptions);
  int SetOutput(int ATaskIndex, const String& AFileName, const String& AOptions, const String& APresets);

  // Frees every task.
  void ClearTasks();
  // Frees one task; the later ones move up.
  void RemoveTask(int ATaskIndex);
  // The task's index, or -1.
  int GetTaskIndex(const TFFmpeg* AFFmpeg) const;
  int TasksCount() const { return FFFmpegList.Count(); }

  const String& LastErrMsg() const { return FLastErrMsg; }
  // Copied into every task by AddTask, AddInput and SetOutput.
  bool HaltOnInvalidOption = true;
  // Events are raised on the user-interface thread when set, else on the thread that
  // raises them.
  bool TriggerEventInMainThread = true;

  // Raised while an input is opened, before its streams are probed; the sender is the
  // task (TFFmpeg). The handler may adjust the format context.
  TBeforeFindStreamInfoEvent OnBeforeFindStreamInfo;

 protected:
  // A bad index raises EListError.
  TFFmpeg& Task(int ATaskIndex) const { return *FFFmpegList.Items(ATaskIndex); }

 private:
  int OpenTaskInput(TFFmpeg& ATask, const String& AFileName, const TInputOptions* AOptions);
  void DoBeforeFindStreamInfo(void* ASender, AVFormatContext* AContext);

  String FLastErrMsg;
  TObjectList<TFFmpeg> FFFmpegList;
  TCriticalSection FFindStreamLock;  // serialises OnBeforeFindStreamInfo of all tasks
};

class TFFEncoder : public TCustomEncoder {
 public:
  using TCustomEncoder::TCustomEncoder;
};
