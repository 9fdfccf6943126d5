// The converter component: building and editing the task list.

#include "Src/FFEncode.h"

#include <algorithm>
#include <mutex>
#include <typeinfo>

#include "Src/FFLoad.h"
#include "Src/MyUtils.h"
#include "Src/StreamProtocol.h"
#include "platform/base/ScopeExit.h"

void InitInputOptions(TInputOptions& AOptions) { AOptions = TInputOptions{}; }
void InitOutputOptions(TOutputOptions& AOptions) { AOptions = TOutputOptions{}; }

TFFmpeg::~TFFmpeg() {
  // The decoders only borrow the inputs' contexts, which the base closes after this.
  FDecoders.clear();
}

void TFFmpeg::ReleaseFFObjects() {
  for (const std::unique_ptr<TFFDecoder>& Decoder : FDecoders)
    if (Decoder) Decoder->ReleaseFFObjects();
  TCustomFFmpeg::ReleaseFFObjects();
}

TFFDecoder& TFFmpeg::Decoder(int AFileIndex) {
  CheckListIndex(AFileIndex, static_cast<int>(Finput_files.size()));
  if (FDecoders.size() <= static_cast<size_t>(AFileIndex)) FDecoders.resize(AFileIndex + 1);
  std::unique_ptr<TFFDecoder>& Decoder = FDecoders[AFileIndex];
  if (!Decoder) {
    Decoder = std::make_unique<TFFDecoder>(nullptr);
    Decoder->SetFileHandle(Finput_files[AFileIndex]->ctx);
  }
  return *Decoder;
}

namespace {

// The option record stored at AIndex, the vector grown as needed.
template <typename TOptions>
TOptions& StoredOptions(std::vector<TOptions>& AStore, size_t AIndex) {
  if (AStore.size() <= AIndex) AStore.resize(AIndex + 1);
  return AStore[AIndex];
}

}  // namespace

TCustomEncoder::TCustomEncoder(TComponent* AOwner)
    : TFFBaseComponent(AOwner), FDecoder(new TFFDecoder(this)) {}

TCustomEncoder::~TCustomEncoder() {
  // The event thread may be inside a handler: it ends before the handlers go.
  FRunEvents.Close();
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
  ATask.FOnProgress = [this](TObject* ASender, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                             float ABitRate, int64_t ACurrentSize, int64_t ACurrentDuration,
                             int64_t ATotalDuration) {
    DoProgress(ASender, AFileIndex, AFrameNumber, AFPS, AQuality, ABitRate, ACurrentSize, ACurrentDuration,
               ATotalDuration);
  };
  ATask.FOnTerminate = [this](TObject* ASender) { DoTerminate(ASender); };
  ATask.FOnPreviewBitmap = [this](TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS) {
    DoPreviewBitmap(ASender, ABitmap, AFrameNumber, APTS);
  };
  TPostHooks Hooks;
  if (FPreview) Hooks.Include(phPreview);
  if (FPreviewBitmap) Hooks.Include(phBitmap);
  ATask.SetPostHooks(Hooks);
}

void TCustomEncoder::SetProgressInterval(int AMilliseconds) {
  FProgressInterval = std::max(AMilliseconds, 100);
}

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
  const size_t Index = ATask.Finput_files.size();
  TInputOptions& Stored = StoredOptions(ATask.FInputOptions, Index);
  Stored = AOptions ? *AOptions : TInputOptions{};
  if (AOptions && Stored.FileName.empty()) Stored.FileName = AFileName;
  // An input that does not open leaves no options behind at its index.
  ScopeExit ResetStored([&ATask, Index] { ATask.FInputOptions[Index] = TInputOptions{}; });
  if (AOptions) {
    ATask.ParseOptions(AOptions->Options);
    ATask.ParsePresets(AOptions->Presets);
  }
  ATask.FReadTimeout = ReadTimeout;
  ATask.FWriteTimeout = WriteTimeout;
  int Result = ATask.OpenInputFile(AFileName);
  if (Result < 0) {
    FLastErrMsg = ATask.FLastErrMsg;
    return Result;
  }
  ATask.Decoder(Result);
  ResetStored.Dismiss();
  return Result;
}

int TCustomEncoder::AddTask(const String& AFileName, const TInputOptions* AOptions) {
  CheckNotWorking("AddTask");
  auto NewTask = std::make_unique<TFFmpeg>();
  NewTask->FParent = this;
  BindRunEvents(*NewTask);
  NewTask->FOnBeforeFindStreamInfo = [this](TObject* ASender, AVFormatContext* AContext) {
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
  const size_t Index = Target.Foutput_files.size();
  TOutputOptions& Stored = StoredOptions(Target.FOutputOptions, Index);
  Stored = AOptions ? *AOptions : TOutputOptions{};
  if (AOptions && Stored.FileName.empty()) Stored.FileName = AFileName;
  ScopeExit ResetStored([&Target, Index] { Target.FOutputOptions[Index] = TOutputOptions{}; });
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
    if (Result < 0) {
      FLastErrMsg = Target.FLastErrMsg;
      return Result;
    }
    ResetStored.Dismiss();
    if (Target.FJoinMode) Result = Target.JoinOutputs();
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

void TCustomEncoder::Exchange(int ATaskIndex1, int ATaskIndex2) {
  CheckNotWorking("Exchange");
  FFFmpegList.Exchange(ATaskIndex1, ATaskIndex2);
}

TFFDecoder* TCustomEncoder::GetTaskDecoder(int ATaskIndex, int AFileIndex) {
  return &Task(ATaskIndex).Decoder(AFileIndex);
}

int TCustomEncoder::AddTask(TStream* AStream, const String& APrivateData, const TInputOptions* AOptions) {
  return AddTask(StreamURL(AStream, APrivateData), AOptions);
}

int TCustomEncoder::AddTask(TStream* AStream, const String& APrivateData, const String& AOptions,
                            const String& APresets) {
  return AddTask(StreamURL(AStream, APrivateData), AOptions, APresets);
}

int TCustomEncoder::AddInput(int ATaskIndex, TStream* AStream, const String& APrivateData,
                             const TInputOptions* AOptions) {
  return AddInput(ATaskIndex, StreamURL(AStream, APrivateData), AOptions);
}

int TCustomEncoder::AddInput(int ATaskIndex, TStream* AStream, const String& APrivateData,
                             const String& AOptions, const String& APresets) {
  return AddInput(ATaskIndex, StreamURL(AStream, APrivateData), AOptions, APresets);
}

int TCustomEncoder::SetOutput(int ATaskIndex, TStream* AStream, const String& APrivateData,
                              const TOutputOptions* AOptions) {
  return SetOutput(ATaskIndex, StreamURL(AStream, APrivateData), AOptions);
}

int TCustomEncoder::SetOutput(int ATaskIndex, TStream* AStream, const String& APrivateData,
                              const String& AOptions, const String& APresets) {
  return SetOutput(ATaskIndex, StreamURL(AStream, APrivateData), AOptions, APresets);
}

int TCustomEncoder::GetTaskIndex(const TFFmpeg* AFFmpeg) const { return FFFmpegList.IndexOf(AFFmpeg); }

TFFmpeg& TCustomEncoder::SendingTask(TObject* ASender) {
  if (auto* SendingFFmpeg = dynamic_cast<TFFmpeg*>(ASender)) return *SendingFFmpeg;
  throw std::bad_cast();
}

void TCustomEncoder::DoBeforeFindStreamInfo(TObject* ASender, AVFormatContext* AContext) {
  if (!OnBeforeFindStreamInfo) return;
  std::lock_guard Lock(FFindStreamLock);
  auto Raise = [this, ASender, AContext] { OnBeforeFindStreamInfo(ASender, AContext); };
  if (TriggerEventInMainThread)
    CallInMainThread(Raise);
  else
    Raise();
}
