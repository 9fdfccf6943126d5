// The converter component: building and editing the task list.

#include "Src/FFEncode.h"

#include <algorithm>
#include <mutex>

#include "Src/FFLoad.h"
#include "Src/MyUtils.h"

void InitInputOptions(TInputOptions& AOptions) { AOptions = TInputOptions{}; }
void InitOutputOptions(TOutputOptions& AOptions) { AOptions = TOutputOptions{}; }

TCustomEncoder::TCustomEncoder(TComponent* AOwner) : TFFBaseComponent(AOwner) {}

TCustomEncoder::~TCustomEncoder() {
  OnProgress = nullptr;
  OnTerminate = nullptr;
  OnPreviewBitmap = nullptr;
  // The hook events are raised on the tasks' threads under their locks.
  {
    std::lock_guard Lock(FAudioHookLock);
    OnAudioHook = nullptr;
  }
  {
    std::lock_guard Lock(FVideoHookLock);
    OnVideoInputHook = nullptr;
    OnVideoOutputHook = nullptr;
  }
  {
    std::lock_guard Lock(FFrameHookLock);
    OnFrameInputHook = nullptr;
    OnFrameOutputHook = nullptr;
  }
  Stop(true);
  // The tasks go first: each waits for its converting thread, which may still be
  // relaying its end through this encoder.
  FFFmpegList.Clear();
}

void TCustomEncoder::CheckNotWorking(const char* AOperation) const {
  if (FWorking) throw Exception(Format("Cannot %s while working.", AOperation));
}

void TCustomEncoder::BindRunEvents(TFFmpeg& ATask) {
  ATask.FOnProgress = [this](TCustomFFmpeg* ASender, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                             float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration, int64_t ATotalDuration) {
    DoProgress(ASender, AFileIndex, AFrameNumber, AFPS, AQuality, ABitRate, ACurrentSize, ACurrentDuration,
               ATotalDuration);
  };
  ATask.FOnTerminate = [this](TCustomFFmpeg* ASender) { DoTerminate(ASender); };
  ATask.FOnPreviewBitmap = [this](TCustomFFmpeg* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS) {
    DoPreviewBitmap(ASender, ABitmap, AFrameNumber, APTS);
  };
  TPostHooks Hooks;
  if (FPreview) Hooks.Include(phPreview);
  if (FPreviewBitmap) Hooks.Include(phBitmap);
  ATask.SetPostHooks(Hooks);
}

void TCustomEncoder::SetProgressInterval(int AMilliseconds) { FProgressInterval = std::max(AMilliseconds, 100); }

void TCustomEncoder::SetPreview(bool AValue) {
  SetPostHook(phPreview, AValue);
  FPreview = AValue;
}

void TCustomEncoder::SetPreviewBitmap(bool AValue) {
  SetPostHook(phBitmap, AValue);
  FPreviewBitmap = AValue;
}

void TCustomEncoder::SetPostHook(TPostHook AHook, bool AOn) {
  for (int I = 0; I < TasksCount(); I++) {
    TPostHooks Hooks = Task(I).PostHooks();
    if (AOn)
      Hooks.Include(AHook);
    else
      Hooks.Exclude(AHook);
    Task(I).SetPostHooks(Hooks);
  }
}

bool TCustomEncoder::AVLibLoaded() const { return FFLoader().Loaded(AllLibraries); }

bool TCustomEncoder::LoadAVLib(const String& APath) {
  FFLoader().SetLibraryPath(APath);
  if (FFLoader().Load(AllLibraries)) return true;
  FLastErrMsg = FFLoader().LastErrMsg();
  return false;
}

void TCustomEncoder::UnloadAVLib() { FFLoader().Unload(AllLibraries); }

int TCustomEncoder::OpenTaskInput(TFFmpeg& ATask, const String& AFileName, const TInputOptions* AOptions) {
  ATask.HaltOnInvalidOption = HaltOnInvalidOption;
  if (AOptions) {
    ATask.ParseOptions(AOptions->Options);
    ATask.ParsePresets(AOptions->Presets);
  }
  ATask.FReadTimeout = ReadTimeout;
  ATask.FWriteTimeout = WriteTimeout;
  int Result = ATask.OpenInputFile(AFileName);
  if (Result < 0) FLastErrMsg = ATask.FLastErrMsg;
  return Result;
}

int TCustomEncoder::AddTask(const String& AFileName, const TInputOptions* AOptions) {
  CheckNotWorking("AddTask");
  auto NewTask = std::make_unique<TFFmpeg>();
  BindRunEvents(*NewTask);
  NewTask->FOnBeforeFindStreamInfo = [this](void* ASender, AVFormatContext* AContext) {
    DoBeforeFindStreamInfo(ASender, AContext);
  };
  try {
    int Result = OpenTaskInput(*NewTask, AFileName, AOptions);
    if (Result < 0) return Result;
  } catch (const std::exception& E) {
    FLastErrMsg = E.what();
    return -1;
  }
  return FFFmpegList.Add(std::move(NewTask));
}

int TCustomEncoder::AddTask(const String& AFileName, const String& AOptions, const String& APresets) {
  TInputOptions Options;
  Options.FileName = AFileName;
  Options.Options = AOptions;
  Options.Presets = APresets;
  return AddTask(AFileName, &Options);
}

int TCustomEncoder::AddInput(int ATaskIndex, const String& AFileName, const TInputOptions* AOptions) {
  CheckNotWorking("AddInput");
  TFFmpeg& Target = Task(ATaskIndex);
  try {
    return OpenTaskInput(Target, AFileName, AOptions);
  } catch (const std::exception& E) {
    FLastErrMsg = E.what();
    return -1;
  }
}

int TCustomEncoder::AddInput(int ATaskIndex, const String& AFileName, const String& AOptions,
                             const String& APresets) {
  TInputOptions Options;
  Options.FileName = AFileName;
  Options.Options = AOptions;
  Options.Presets = APresets;
  return AddInput(ATaskIndex, AFileName, &Options);
}

int TCustomEncoder::SetOutput(int ATaskIndex, const String& AFileName, const TOutputOptions* AOptions) {
  CheckNotWorking("SetOutput");
  TFFmpeg& Target = Task(ATaskIndex);
  Target.HaltOnInvalidOption = HaltOnInvalidOption;
  try {
    bool Join = false;
    if (AOptions) {
      BindHookEvents(Target, *AOptions);
      Target.SetVideoHookBitsPixel(AOptions->VideoHookBitsPixel);
      Target.ParseOptions(AOptions->Options);
      Target.ParsePresets(AOptions->Presets);
      Join = AOptions->Join;
    }
    Target.FReadTimeout = ReadTimeout;
    Target.FWriteTimeout = WriteTimeout;
    int Result = Target.OpenOutputFile(AFileName, Join);
    if (Result >= 0 && Target.FJoinMode) Result = Target.JoinOutputs();
    if (Result < 0) FLastErrMsg = Target.FLastErrMsg;
    return Result;
  } catch (const std::exception& E) {
    FLastErrMsg = E.what();
    return -1;
  }
}

int TCustomEncoder::SetOutput(int ATaskIndex, const String& AFileName, const String& AOptions,
                              const String& APresets) {
  TFFmpeg& Target = Task(ATaskIndex);
  TOutputOptions Options;
  Options.Options = AOptions;
  Options.Presets = APresets;
  Options.AudioHook = Target.IsSwitchGiven(AOptions, "AudioHook");
  Options.VideoInputHook = Target.IsSwitchGiven(AOptions, "VideoInputHook");
  Options.VideoOutputHook = Target.IsSwitchGiven(AOptions, "VideoOutputHook");
  Options.FrameInputHook = Target.IsSwitchGiven(AOptions, "FrameInputHook");
  Options.FrameOutputHook = Target.IsSwitchGiven(AOptions, "FrameOutputHook");
  Options.Join = Target.IsSwitchGiven(AOptions, "Join");
  return SetOutput(ATaskIndex, AFileName, &Options);
}

void TCustomEncoder::ClearTasks() {
  if (FWorking && !FTerminated) throw Exception("Cannot ClearTasks while working.");
  FFFmpegList.Clear();
  FLastErrMsg.clear();
  std::lock_guard Lock(FTerminateLock);
  FCompleteTasks = 0;
  FCurrentTask = -1;
  FPendingTasks = 0;
  FTerminated = false;
  FThreadMode = false;
  FWorking = false;
  FPaused = false;
}

void TCustomEncoder::RemoveTask(int ATaskIndex) {
  CheckNotWorking("RemoveTask");
  FFFmpegList.Delete(ATaskIndex);
}

int TCustomEncoder::GetTaskIndex(const TFFmpeg* AFFmpeg) const { return FFFmpegList.IndexOf(AFFmpeg); }

void TCustomEncoder::DoBeforeFindStreamInfo(void* ASender, AVFormatContext* AContext) {
  if (!OnBeforeFindStreamInfo) return;
  std::lock_guard Lock(FFindStreamLock);
  auto Raise = [this, ASender, AContext] { OnBeforeFindStreamInfo(ASender, AContext); };
  if (TriggerEventInMainThread)
    CallInMainThread(Raise);
  else
    Raise();
}
