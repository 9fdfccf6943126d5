#include "Src/FFLog.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "Src/FFEntryPoints.h"
#include "Src/FFLogLines.h"
#include "Src/MyUtils.h"
#include "platform/base/Exceptions.h"

namespace {

// The process's logger. Never destroyed, because FFmpeg may log from its own threads
// after ordinary static objects are gone; only an auto-created logger is freed at exit.
struct TLoggerState {
  TCriticalSection Lock;  // guards Current and AutoLogger
  TVORerivi* Current = nullptr;
  std::unique_ptr<TVORerivi> AutoLogger;
  // FFmpeg's level above which the callback drops a message at once.
  std::atomic<int> Threshold{AV_LOG_INFO};
  // Signalled when the last use of a logger ends (TLoggerRef).
  std::mutex UsersLock;
  std::condition_variable UsersEnded;
};

TLoggerState& LoggerState() {
  static TLoggerState* State = new TLoggerState;
  return *State;
}

struct TAutoLoggerRelease {
  ~TAutoLoggerRelease() {
    TLoggerState& State = LoggerState();
    std::unique_ptr<TVORerivi> Released;
    std::lock_guard Guard(State.Lock);
    Released = std::move(State.AutoLogger);
  }
} GAutoLoggerRelease;

}  // namespace

int LogLevelToAV(TLogLevel ALevel) { return 8 * static_cast<int>(ALevel) - 8; }

TLogLevel AVToLogLevel(int AAVLevel) {
  int Ordinal = AAVLevel / 8 + 1;
  if (Ordinal < llQuiet) return llQuiet;
  if (Ordinal > llDebug) return llDebug;
  return static_cast<TLogLevel>(Ordinal);
}

TVORerivi::TVORerivi(TComponent* AOwner) : TFFBaseComponent(AOwner) {
  TLoggerState& State = LoggerState();
  // An auto-created logger gives way to one that a component asked for. It is freed
  // after the lock is left, because its destructor waits for its users, and a user
  // may be asking for the logger meanwhile.
  std::unique_ptr<TVORerivi> Replaced;
  std::lock_guard Guard(State.Lock);
  if (State.Current && State.Current->FAutoCreated) {
    Replaced = std::move(State.AutoLogger);
    State.Current = nullptr;
  }
  if (State.Current) throw Exception("Allow creating only one instance of TVORerivi.");
  FLogLevel = AVToLogLevel(State.Threshold);
  State.Current = this;
}

TVORerivi::~TVORerivi() {
  TLoggerState& State = LoggerState();
  {
    std::lock_guard Guard(State.Lock);
    if (State.Current == this) State.Current = nullptr;
  }
  // No new use can start now; the ones under way may still be calling OnLog.
  if (IsMainThread()) {
    // A user may be a worker that waits for the user-interface thread to show its line.
    while (FUsers > 0) CheckSynchronize(10);
  } else {
    std::unique_lock Lock(State.UsersLock);
    State.UsersEnded.wait(Lock, [this] { return FUsers == 0; });
  }
}

TLoggerRef::~TLoggerRef() {
  if (!FLogger || FLogger->FUsers.fetch_sub(1) > 1) return;
  // FLogger may be gone from here on: its destructor may have been waiting.
  TLoggerState& State = LoggerState();
  std::lock_guard Lock(State.UsersLock);
  State.UsersEnded.notify_all();
}

TLoggerRef GetLogger() {
  TLoggerState& State = LoggerState();
  std::lock_guard Guard(State.Lock);
  if (!State.Current) {
    State.AutoLogger = std::make_unique<TVORerivi>(nullptr);
    State.AutoLogger->FAutoCreated = true;
  }
  State.Current->FUsers++;
  return TLoggerRef(State.Current);
}

void TVORerivi::Log(TObject* Sender, TLogLevel ALogLevel, const String& ALogMsg) {
  if (!OnLog || ALogLevel > FLogLevel) return;
  RaiseLog({Sender, GetCurrentThreadId(), ALogLevel, ALogMsg});
}

void TVORerivi::RaiseLog(const TLogInfo& AInfo) {
  if (!OnLog) return;
  // Each call carries its own copy of the information, so lines that several threads
  // log at once arrive intact.
  auto Raise = [this, AInfo] {
    if (OnLog) OnLog(AInfo.Sender, AInfo.ThreadID, AInfo.LogLevel, AInfo.LogMsg);
  };
  if (TriggerEventInMainThread)
    CallInMainThread(Raise);
  else
    Raise();
}

void TVORerivi::SetLogLevel(TLogLevel ALevel) {
  if (ALevel == FLogLevel) return;
  FLogLevel = ALevel;
  ApplyLogLevel();
}

void TVORerivi::ApplyLogLevel() {
  if (!FF.av_log_set_level) return;
  LoggerState().Threshold = LogLevelToAV(FLogLevel);
  FF.av_log_set_level(LogLevelToAV(FLogLevel));
}

void TVORerivi::OptLogLevel(const String& AArg) {
  static const struct {
    const char* Name;
    int AVLevel;
  } Names[] = {{"quiet", AV_LOG_QUIET},     {"panic", AV_LOG_PANIC},     {"fatal", AV_LOG_FATAL},
               {"error", AV_LOG_ERROR},     {"warning", AV_LOG_WARNING}, {"info", AV_LOG_INFO},
               {"verbose", AV_LOG_VERBOSE}, {"debug", AV_LOG_DEBUG}};
  for (const auto& Name : Names)
    if (SameText(AArg, Name.Name)) return SetLogLevel(AVToLogLevel(Name.AVLevel));
  SetLogLevel(AVToLogLevel(StrToInt(AArg)));
}

void TVORerivi::InstallAVLogCallback() {
  Assert(FF.av_log_set_callback && FF.av_log_set_level);
  FF.av_log_set_callback(&TVORerivi::AVLogCallback);
  ApplyLogLevel();
}

void TVORerivi::AVLogCallback(void* AAvcl, int ALevel, const char* AFormat, va_list AArgs) {
  TLoggerState& State = LoggerState();
  if (ALevel > State.Threshold) return;
  std::vector<TLibraryLine> Lines = AddLibraryFragment(AAvcl, ALevel, AFormat, AArgs);
  if (Lines.empty()) return;
  TVORerivi* Current;
  {
    std::lock_guard Guard(State.Lock);
    Current = State.Current;
    if (Current) Current->FUsers++;
  }
  // The lines are handed over with no lock held: the user-interface thread may itself
  // be inside an FFmpeg call that logs.
  if (!Current) return;
  TLoggerRef Logger(Current);
  for (TLibraryLine& Line : Lines) {
    try {
      Logger->RaiseLog({Logger, GetCurrentThreadId(), AVToLogLevel(Line.AVLevel), std::move(Line.Text)});
    } catch (...) {
      // A handler's exception must not unwind through FFmpeg, which was not built for
      // it; the line is lost, the work goes on.
    }
  }
}
