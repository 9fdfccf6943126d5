#pragma once
// The engine's one logger. The engine's components log through it with a sender and
// a level, and FFmpeg's own messages reach it through a callback installed in
// libavutil: the callback joins FFmpeg's fragments into whole lines per thread,
// drops lines that repeat, and hands every line to the same OnLog event.

#include <atomic>
#include <cstdarg>
#include <functional>

#include "Src/FFBaseComponent.h"
#include "platform/base/Threads.h"

// Ordinals 0 to 7; FFmpeg's level of each is 8 * ordinal - 8 (quiet -8 ... debug 48).
enum TLogLevel { llQuiet, llPanic, llFatal, llError, llWarning, llInfo, llVerbose, llDebug };

int LogLevelToAV(TLogLevel ALevel);
// (level / 8, truncated toward zero) + 1, clamped to llQuiet..llDebug.
TLogLevel AVToLogLevel(int AAVLevel);

// A sender is an engine component, a conversion task, the logger itself for FFmpeg's
// lines, or nullptr.
struct TLogInfo {
  TObject* Sender = nullptr;
  TThreadID ThreadID = 0;  // the thread that logged
  TLogLevel LogLevel = llQuiet;
  String LogMsg;
};

using TLogEvent =
    std::function<void(TObject* Sender, TThreadID AThreadID, TLogLevel ALogLevel, const String& ALogMsg)>;

class TLoggerRef;

class TVORerivi : public TFFBaseComponent {
 public:
  // Becomes the process's logger. An auto-created logger is freed first; any other
  // one still alive makes the creation fail with "Allow creating only one instance
  // of TVORerivi.". The level starts at the one FFmpeg's lines are filtered with.
  explicit TVORerivi(TComponent* AOwner);
  ~TVORerivi() override;

  // Raises OnLog unless ALogLevel is above LogLevel(). Any thread may log; see
  // TriggerEventInMainThread for where the handler runs.
  void Log(TObject* Sender, TLogLevel ALogLevel, const String& ALogMsg);
  template <typename... Args>
  requires(sizeof...(Args) > 0) void Log(TObject* Sender, TLogLevel ALogLevel, const char* AFormat,
                                         const Args&... AArgs) {
    Log(Sender, ALogLevel, Format(AFormat, AArgs...));
  }

  // The level of the engine's own messages; FFmpeg's lines are filtered with the same
  // level by the callback. A change is applied to FFmpeg when libavutil is bound. Any
  // thread reads it on every message while a task's option parser may change it.
  TLogLevel LogLevel() const { return FLogLevel; }
  void SetLogLevel(TLogLevel ALevel);
  // The converter's "loglevel" option: a level name (any letter case) or a decimal
  // FFmpeg level. A text that is neither raises EConvertError.
  void OptLogLevel(const String& AArg);

  // Installs the engine's callback in libavutil and applies LogLevel() to it; the
  // loader calls it each time libavutil is bound. Fails the Assert while libavutil's
  // log functions are not bound.
  void InstallAVLogCallback();

  bool AutoCreated() const { return FAutoCreated; }

  // When set, OnLog runs on the user-interface thread and a logging worker waits
  // until its line has been handled; else OnLog runs on the thread that logged.
  // Both are read by every thread that logs, without a lock: set them while no
  // conversion, player or decoder of another thread runs (in this program: when the
  // form that owns the logger is created or destroyed).
  bool TriggerEventInMainThread = true;
  TLogEvent OnLog;

 private:
  friend class TLoggerRef;
  friend TLoggerRef GetLogger();
  void ApplyLogLevel();
  void RaiseLog(const TLogInfo& AInfo);
  // The callback installed in libavutil. FFmpeg calls it on whatever thread logs.
  static void AVLogCallback(void* AAvcl, int ALevel, const char* AFormat, va_list AArgs);

  bool FAutoCreated = false;
  std::atomic<TLogLevel> FLogLevel{llInfo};
  // The TLoggerRef that use this logger; its destructor waits for them to end.
  std::atomic<int> FUsers{0};
};

// A use of the current logger that keeps it alive: the logger's destructor, on
// whatever thread its owner frees it, waits until every use has ended (on the
// user-interface thread it runs handed-over calls meanwhile, so a worker waiting for
// its line to be shown is served). Keep a reference for one statement or one call,
// never across a wait for the user-interface thread.
class TLoggerRef {
 public:
  TLoggerRef(const TLoggerRef&) = delete;
  TLoggerRef& operator=(const TLoggerRef&) = delete;
  ~TLoggerRef();
  TVORerivi* operator->() const { return FLogger; }
  TVORerivi& operator*() const { return *FLogger; }
  // The plain pointer, for the logger's owner and for comparisons; it holds nothing.
  operator TVORerivi*() const { return FLogger; }

 private:
  friend class TVORerivi;
  friend TLoggerRef GetLogger();
  explicit TLoggerRef(TVORerivi* ALogger) : FLogger(ALogger) {}
  TVORerivi* FLogger;
};

// The current logger; when there is none, the engine creates one without owner (an
// auto-created logger, freed when a component creates its own or at exit).
TLoggerRef GetLogger();
