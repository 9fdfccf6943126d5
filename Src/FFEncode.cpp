// The converter component: building and editing the task list.

#include "Src/FFEncode.h"

#include <mutex>

#include "Src/FFLoad.h"
#include "Src/MyUtils.h"

void InitInputOptions(TInputOptions& AOptions) { AOptions = TInputOptions{}; }
void InitOutputOptions(TOutputOptions& AOptions) { AOptions = TOutputOptions{}; }

TCustomEncoder::TCustomEncoder(TComponent* AOwner) : TFFBaseComponent(AOwner) {}

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
  auto NewTask = std::make_unique<TFFmpeg>();
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
  TFFmpeg& Target = Task(ATaskIndex);
  Target.HaltOnInvalidOption = HaltOnInvalidOption;
  try {
    bool Join = false;
    if (AOptions) {
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
  FFFmpegList.Clear();
  FLastErrMsg.clear();
}

void TCustomEncoder::RemoveTask(int ATaskIndex) { FFFmpegList.Delete(ATaskIndex); }

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
