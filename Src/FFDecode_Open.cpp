// The decoder's libraries, opening and closing a file, the pending options and the
// read time-out.

#include "Src/FFDecode.h"
#include "Src/FFDecode_FifoInput.h"
#include "Src/MyUtils.h"
#include "platform/base/ScopeExit.h"

TCustomDecoder::TCustomDecoder(TComponent* AOwner) : TFFBaseComponent(AOwner) { RefreshFileInfo(); }

TCustomDecoder::~TCustomDecoder() { TCustomDecoder::ReleaseFFObjects(); }

void TCustomDecoder::ReleaseFFObjects() {
  CloseFile();
  UninitOptions(FOptions);
}

bool TCustomDecoder::LoadAVLib(const String& APath) {
  FFLoader().SetLibraryPath(APath);
  if (!FFLoader().Load(DecoderComponentLibraries)) {
    FLastErrMsg = FFLoader().LastErrMsg();
    return false;
  }
  InitOptions(FOptions, Fsws_flags);
  return true;
}

bool TCustomDecoder::AVLibLoaded() const { return FFLoader().Loaded(DecoderComponentLibraries); }

void TCustomDecoder::UnloadAVLib() { FFLoader().Unload(DecoderComponentLibraries); }

void TCustomDecoder::Report(TLogLevel ALevel, const String& AText) {
  FLastErrMsg = AText;
  GetLogger()->Log(this, ALevel, AText);
}

void TCustomDecoder::LogOnly(TLogLevel ALevel, const String& AText) { GetLogger()->Log(this, ALevel, AText); }

bool TCustomDecoder::IsLogged(TLogLevel ALevel) { return ALevel <= GetLogger()->LogLevel(); }

bool TCustomDecoder::CheckFileLoaded() {
  if (FFileHandle) return true;
  Report(llWarning, "file not loaded.");
  return false;
}

void TCustomDecoder::StartReadTimer() {
  FLastRead = MonotonicMicroseconds();
  FTimeoutLogged = false;
}

// Asked by FFmpeg (and by our pipe reader) on the thread that is inside a blocking
// read. The product is taken in 64 bits, so any ReadTimeout the property holds works.
bool TCustomDecoder::IsReadTimedOut() {
  if (FLastRead == ReadTimerStopped || ReadTimeout <= 0) return false;
  if (MonotonicMicroseconds() - FLastRead <= int64_t{ReadTimeout} * 1000) return false;
  // FFmpeg asks again and again while it unwinds; one line tells the story.
  if (!FTimeoutLogged) LogOnly(llInfo, "connecting/reading timeout");
  FTimeoutLogged = true;
  return true;
}

int TCustomDecoder::InterruptCallback(void* ADecoder) {
  return static_cast<TCustomDecoder*>(ADecoder)->IsReadTimedOut() ? 1 : 0;
}

bool TCustomDecoder::LoadFile(const String& AFileName, const String& AFormatName) {
  FFLoader().CheckLibAV(DecoderLibraries);
  {
    FLoading = true;
    ScopeExit EndLoading([this] { FLoading = false; });
    CloseFile();
  }
  // A failed open leaves nothing open, and its options are spent like a good one's.
  ScopeExit CloseOnFailure([this] { CloseFile(); });

  const AVInputFormat* InputFormat = nullptr;
  if (!AFormatName.empty()) {
    InputFormat = FF.av_find_input_format(AFormatName.c_str());
    if (!InputFormat) {
      Report(llError, "Unknown input format: %s", AFormatName);
      return false;
    }
  }
  if (!OpenInput(AFileName, InputFormat)) return false;

  // Options the format did not take are reported and otherwise ignored.
  const AVDictionaryEntry* Unused = nullptr;
  while ((Unused = FF.av_dict_get(FOptions.format_opts, "", Unused, AV_DICT_IGNORE_SUFFIX)))
    LogOnly(llError, Format("Option %s not found, ignored.", Unused->key));

  FFileHandle->flags |= AVFMT_FLAG_GENPTS;
  RunBeforeFindStreamInfo();
  if (!FindStreamInfo(AFileName)) return false;
  StopReadTimer();
  if (FFileHandle->pb) {
    FFileHandle->pb->eof_reached = 0;
    FFileHandle->pb->error = 0;
  }

  CloseOnFailure.Dismiss();
  RefreshFileInfo();
  InitOptions(FOptions, Fsws_flags);
  FForceFormat = AFormatName;
  return true;
}

bool TCustomDecoder::OpenInput(const String& AFileName, const AVInputFormat* AFormat) {
  FOwnedInput.reset(FF.avformat_alloc_context());
  FFileHandle = FOwnedInput.get();
  if (!FFileHandle) {
    FLastErrMsg = ErrorToText(AFileName, AVERROR(ENOMEM));
    return false;
  }
  FFileHandle->interrupt_callback = {&TCustomDecoder::InterruptCallback, this};
  StartReadTimer();

  // FFmpeg's file protocol blocks in the system's open and read of a named pipe that
  // has no writer or no data, where no time-out can reach it; such a file is read
  // through our own reader, which waits in slices and asks the time-out in between.
  if (IsFifo(AFileName)) {
    int Error = 0;
    FFifoIO = OpenFifoInput(AFileName, FFileHandle->interrupt_callback, Error);
    if (!FFifoIO) {
      FLastErrMsg = ErrorToText(AFileName, Error);
      return false;
    }
    FFileHandle->pb = FFifoIO;
  } else {
    // A name that one of the engine's protocols serves ("unicode:...") is read through it.
    int Error = 0;
    FProtocolIO = OpenProtocolIO(AFileName, AVIO_FLAG_READ, Error);
    if (FProtocolIO) {
      FFileHandle->pb = FProtocolIO;
    } else if (Error != AVERROR_PROTOCOL_NOT_FOUND) {
      FLastErrMsg = ErrorToText(AFileName, Error);
      return false;
    }
  }

  // avformat_open_input frees the context when it fails.
  AVFormatContext* Opening = FOwnedInput.release();
  int Result = FF.avformat_open_input(&Opening, AFileName.c_str(), AFormat, &FOptions.format_opts);
  FOwnedInput.reset(Opening);
  FFileHandle = Opening;
  if (Result < 0) {
    FLastErrMsg = ErrorToText(AFileName, Result);
    return false;
  }
  return true;
}

void TCustomDecoder::RunBeforeFindStreamInfo() {
  if (!OnBeforeFindStreamInfo) return;
  AVFormatContext* Context = FFileHandle;
  if (TriggerEventInMainThread)
    CallInMainThread([this, Context] { OnBeforeFindStreamInfo(this, Context); });
  else
    OnBeforeFindStreamInfo(this, Context);
}

bool TCustomDecoder::FindStreamInfo(const String& AFileName) {
  std::vector<AVDictionary*> StreamOptions = SetupFindStreamInfoOptions(FFileHandle, FOptions.codec_opts);
  StartReadTimer();
  int Result =
      FF.avformat_find_stream_info(FFileHandle, StreamOptions.empty() ? nullptr : StreamOptions.data());
  for (AVDictionary*& Options : StreamOptions) FF.av_dict_free(&Options);
  if (Result < 0) {
    FLastErrMsg = Format("%s: could not find codec parameters", AFileName);
    return false;
  }
  return true;
}

void TCustomDecoder::CloseInput() {
  FFileHandle = nullptr;
  FOwnedInput.reset();
  // A context given its reader leaves the reader to us; it goes after the context.
  if (FFifoIO) CloseFifoInput(FFifoIO);
  CloseProtocolIO(FProtocolIO);
  FLastRead = ReadTimerStopped;
}

void TCustomDecoder::CloseFile() {
  if (!FLoading) {
    if (FFLoader().Loaded(DecoderLibraries)) InitOptions(FOptions, Fsws_flags);
    FForceFormat.clear();
  }
  CloseInput();
  RefreshFileInfo();
}

void TCustomDecoder::SetFileHandle(AVFormatContext* AFormatContext) {
  if (AFormatContext == FFileHandle) return;
  FFLoader().CheckLibAV(DecoderLibraries);
  CloseFile();
  FFileHandle = AFormatContext;
  RefreshFileInfo();
}

bool TCustomDecoder::opt_default(const String& opt, const String& arg) {
  if (!FFLoader().Loaded(DecoderLibraries)) {
    Report(llError, "libav not loaded.");
    return false;
  }
  return SetDefaultOption(FOptions, opt, arg) == 0;
}
