#include "Src/FFLogLines.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <map>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

#include "platform/base/Threads.h"

namespace {

// What one thread has logged so far.
struct TThreadLines {
  uint64_t Owner = 0;     // the serial of the thread the entry belongs to
  String Pending;         // the thread's line not ended yet
  String Previous;        // the thread's last fragment
  int PreviousLevel = 0;  // and its FFmpeg level
  int RepeatCount = 0;    // how often Previous came again since it was delivered
};

// Entries are kept by thread id and stay for the life of the process. They are never
// destroyed: FFmpeg may log from its own threads, or while the libraries are unloaded
// at exit, after ordinary static objects are gone.
struct TLineState {
  std::mutex Lock;  // guards Threads
  std::map<TThreadID, TThreadLines> Threads;
};

TLineState& LineState() {
  static TLineState* State = new TLineState;
  return *State;
}

// Thread ids are reused once a thread ends. The serial tells a new thread from the
// ended one whose id it got, so it never inherits the other's unfinished line.
uint64_t ThreadSerial() {
  static std::atomic<uint64_t> LastSerial{0};
  thread_local const uint64_t Serial = ++LastSerial;
  return Serial;
}

const AVClass* ClassOf(void* AObject) { return AObject ? *static_cast<const AVClass**>(AObject) : nullptr; }

// "[parent @ address] [object @ address]" for an FFmpeg object; nothing for a message
// without one (or an object without class).
String ObjectPrefix(void* AAvcl) {
  const AVClass* Class = ClassOf(AAvcl);
  if (!Class) return {};
  String Prefix;
  if (Class->parent_log_context_offset) {
    void* Parent = *reinterpret_cast<void**>(static_cast<uint8_t*>(AAvcl) + Class->parent_log_context_offset);
    if (const AVClass* ParentClass = ClassOf(Parent))
      Prefix = Format("[%s @ %p] ", ParentClass->item_name(Parent), Parent);
  }
  return Prefix + Format("[%s @ %p]", Class->item_name(AAvcl), AAvcl);
}

// The whole formatted message, however long.
String FormatMessage(const char* AFormat, va_list AArgs) {
  char Line[2048];
  va_list Args;
  va_copy(Args, AArgs);
  int Length = std::vsnprintf(Line, sizeof Line, AFormat, Args);
  va_end(Args);
  if (Length < 0) return {};
  if (static_cast<size_t>(Length) < sizeof Line) return String(Line, Length);
  String Text(Length, '\0');
  va_copy(Args, AArgs);
  std::vsnprintf(Text.data(), Text.size() + 1, AFormat, Args);
  va_end(Args);
  return Text;
}

TThreadLines& LinesOfCallingThread(TLineState& AState) {
  TThreadLines& Lines = AState.Threads[GetCurrentThreadId()];
  if (Lines.Owner != ThreadSerial()) {
    Lines = TThreadLines();
    Lines.Owner = ThreadSerial();
  }
  return Lines;
}

}  // namespace

std::vector<TLibraryLine> AddLibraryFragment(void* AAvcl, int AAVLevel, const char* AFormat, va_list AArgs) {
  std::vector<TLibraryLine> Result;
  TLineState& State = LineState();
  std::lock_guard Guard(State.Lock);
  TThreadLines& Lines = LinesOfCallingThread(State);

  String Fragment = (Lines.Pending.empty() ? ObjectPrefix(AAvcl) : String()) + FormatMessage(AFormat, AArgs);
  if (!Fragment.empty() && Fragment.back() == '\n' && Fragment == Lines.Previous) {
    ++Lines.RepeatCount;
    return Result;
  }
  // A single repeat is dropped without a line.
  if (Lines.RepeatCount > 1)
    Result.push_back({Lines.PreviousLevel, Format("    Last message repeated %d times", Lines.RepeatCount)});
  Lines.RepeatCount = 0;
  Lines.Previous = Fragment;
  Lines.PreviousLevel = AAVLevel;

  Lines.Pending += Fragment;
  for (size_t End; (End = Lines.Pending.find('\n')) != String::npos;) {
    Result.push_back({AAVLevel, Lines.Pending.substr(0, End)});
    Lines.Pending.erase(0, End + 1);
  }
  return Result;
}
