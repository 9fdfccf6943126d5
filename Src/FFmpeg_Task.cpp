// The conversion task: construction and release, the failure step, the pending option
// state, the time-out callbacks and the task's own names.

#include <unistd.h>

#include <atomic>

#include "Src/FFLoad.h"
#include "Src/FFmpeg.h"
#include "platform/base/Clock.h"
#include "platform/base/Paths.h"

namespace {

// The default pass-log prefix: in the temporary folder and unique to the task, so
// tasks that run at once, in this process or another, never share a log file.
String UniquePassLogPrefix() {
  static std::atomic<unsigned> Serial{0};
  return Format("%s/ffencoder2pass-%d-%u", ExcludeTrailingPathDelimiter(GetTempDir()),
                static_cast<int>(getpid()), Serial++);
}

}  // namespace

TCustomFFmpeg::TCustomFFmpeg() {
  FReadCallback = {&TCustomFFmpeg::ReadInterrupt, this};
  FWriteCallback = {&TCustomFFmpeg::WriteInterrupt, this};
  InitOptionState();
}

TCustomFFmpeg::~TCustomFFmpeg() {
  Stop(true);
  TCustomFFmpeg::ReleaseFFObjects();
}

void TCustomFFmpeg::ReleaseFFObjects() {
  ReleaseRecords();
  ReleaseHooks();
  UninitOptions(FOptions);
}

void TCustomFFmpeg::ReleaseRecords() {
  // Outputs first: their targets discard unfinished files. Then the inputs, whose
  // streams the output records point into.
  Foutput_streams.clear();
  Foutput_files.clear();
  Finput_streams.clear();
  Finput_files.clear();
}

void TCustomFFmpeg::ReleaseOptionState() {
  ReleaseRecords();
  ResetOptionState(false);
  ReleaseHooks();
}

void TCustomFFmpeg::InitOptionState() {
  Assert(FFLoader().Loaded(AllLibraries));
  Fpass_logfilename_prefix = UniquePassLogPrefix();
  ResetOptionState(false);
}

void TCustomFFmpeg::ResetOptionState(bool AIsInput) {
  if (options.empty()) BuildOptionTable();
  int64_t RecordingTime = optctx.recording_time;
  optctx = TOptionsContext{};
  if (AIsInput) optctx.recording_time = RecordingTime;
  InitOptions(FOptions, SWS_BICUBIC);
}

void TCustomFFmpeg::CheckUnusedOptions(AVDictionary* AOptions) {
  const AVDictionaryEntry* Left = FF.av_dict_get(AOptions, "", nullptr, AV_DICT_IGNORE_SUFFIX);
  if (!Left) return;
  String Text = Format("Option %s not found.", Left->key);
  if (HaltOnInvalidOption) RaiseError(Text);
  FLastErrMsg = Text;
}

void TCustomFFmpeg::RaiseError(const String& AText) {
  FLastErrMsg = AText;
  Log(llFatal, AText);
  throw FFmpegException(AText);
}

void TCustomFFmpeg::Log(TLogLevel ALevel, const String& AText) { GetLogger()->Log(this, ALevel, AText); }

namespace {

// Called by FFmpeg on the thread that is blocked in I/O: 1 aborts the call. A stop
// aborts it too, except while the run writes its end: the file is to be complete up to
// the stop.
int CheckTimeout(TCustomFFmpeg* ATask, bool AStopped, int64_t ALastStart, int ATimeout, const char* ACanceled,
                 const char* ATimedOut) {
  if (AStopped) {
    GetLogger()->Log(ATask, llInfo, "reading/writing broken");
    return 1;
  }
  if (ALastStart == INT64_MAX || ATimeout <= 0) return 0;
  if (MonotonicMicroseconds() - ALastStart <= static_cast<int64_t>(ATimeout) * 1000) return 0;
  GetLogger()->Log(ATask, llInfo, ALastStart == 0 ? ACanceled : ATimedOut);
  return 1;
}

}  // namespace

int TCustomFFmpeg::ReadInterrupt(void* AOpaque) {
  auto* Task = static_cast<TCustomFFmpeg*>(AOpaque);
  return CheckTimeout(Task, Task->FBroken, Task->FLastRead, Task->FReadTimeout, "connecting/reading canceled",
                      "connecting/reading timeout");
}

int TCustomFFmpeg::WriteInterrupt(void* AOpaque) {
  auto* Task = static_cast<TCustomFFmpeg*>(AOpaque);
  return CheckTimeout(Task, Task->FBroken && !Task->FEnding, Task->FLastWrite, Task->FWriteTimeout,
                      "connecting/writing canceled", "connecting/writing timeout");
}

String TCustomFFmpeg::PassLogFileName(int AOutputStreamIndex) const {
  return Format("%s-%d.log", Fpass_logfilename_prefix, AOutputStreamIndex).substr(0, 1023);
}

void TCustomFFmpeg::SetVideoHookBitsPixel(int ABitsPixel) {
  switch (ABitsPixel) {
    case 8:
    case 15:
    case 16:
    case 24:
    case 32:
      FVideoHookBitsPixel = ABitsPixel;
      return;
    default:
      throw Exception(Format("Invalid BitsPixel %d", ABitsPixel));
  }
}
