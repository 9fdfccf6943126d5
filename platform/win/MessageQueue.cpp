#include "platform/win/MessageQueue.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <optional>

#include "platform/base/Threads.h"
#include "platform/win/ExtensionsInternal.h"
#include "platform/win/MessageHooksInternal.h"
#include "platform/win/MessageQueueInternal.h"
#include "platform/win/Timers.h"
#include "platform/win/TimersInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowSystemInternal.h"
#include "platform/win/WindowTree.h"

namespace {

const HWND ThreadMessagesOnly = reinterpret_cast<HWND>(-1);

struct TQueuedMessage {
  MSG Message;
  // Posted from another thread: the pointer position is filled in when it is taken.
  bool NeedsPoint = false;
};

struct TMessageQueue {
  // Guards everything below: other threads post.
  std::mutex Mutex;
  std::deque<TQueuedMessage> Posted;
  bool QuitPending = false;
  int QuitCode = 0;
};

TMessageQueue& Queue() {
  static TMessageQueue Instance;
  return Instance;
}

// The time of the message last retrieved; user-interface thread.
DWORD GLastMessageTime = 0;

void Enqueue(TQueuedMessage AEntry) {
  {
    std::lock_guard Lock(Queue().Mutex);
    Queue().Posted.push_back(AEntry);
  }
  if (!IsMainThread()) WakeUpMessageLoop();
}

bool PassesWindowFilter(HWND AFilter, HWND AWindow) {
  if (!AFilter) return true;
  if (AFilter == ThreadMessagesOnly) return AWindow == nullptr;
  return AWindow == AFilter || IsChild(AFilter, AWindow);
}

bool PassesRangeFilter(UINT AMin, UINT AMax, UINT AMessage) {
  return (AMin == 0 && AMax == 0) || (AMessage >= AMin && AMessage <= AMax);
}

// Takes (or, without ARemove, copies) the first posted message the filters let through.
// Messages of windows that died since they were posted are dropped on the way.
std::optional<MSG> TakePosted(HWND AFilter, UINT AMin, UINT AMax, bool ARemove) {
  TMessageQueue& Q = Queue();
  std::lock_guard Lock(Q.Mutex);
  for (auto Entry = Q.Posted.begin(); Entry != Q.Posted.end();) {
    const MSG& Message = Entry->Message;
    if (Message.hwnd && !FindWindowRecord(Message.hwnd)) {
      Entry = Q.Posted.erase(Entry);
      continue;
    }
    if (PassesWindowFilter(AFilter, Message.hwnd) &&
        (Message.message == WM_QUIT || PassesRangeFilter(AMin, AMax, Message.message))) {
      MSG Found = Message;
      if (Entry->NeedsPoint) Found.pt = CurrentPointerPosition();
      if (ARemove) Q.Posted.erase(Entry);
      return Found;
    }
    ++Entry;
  }
  return std::nullopt;
}

std::optional<MSG> TakeQuit(bool ARemove) {
  TMessageQueue& Q = Queue();
  std::lock_guard Lock(Q.Mutex);
  if (!Q.QuitPending) return std::nullopt;
  MSG Quit;
  Quit.message = WM_QUIT;
  Quit.wParam = static_cast<WPARAM>(Q.QuitCode);
  Quit.time = Win::GetTickCount();
  Quit.pt = CurrentPointerPosition();
  if (ARemove) Q.QuitPending = false;
  return Quit;
}

// One look at the queue in the order MessageQueue.h describes. AAllowPaint is cleared
// once a hook swallowed a WM_PAINT, which would otherwise come straight back.
bool LookForMessage(MSG& AMessage, HWND AFilter, UINT AMin, UINT AMax, bool ARemove, bool& AAllowPaint) {
  CheckSynchronize(0);
  Backend().DeliverPendingEvents();
  if (auto Posted = TakePosted(AFilter, AMin, AMax, ARemove)) {
    AMessage = *Posted;
    return true;
  }
  if (auto Quit = TakeQuit(ARemove)) {
    AMessage = *Quit;
    return true;
  }
  const TWindowSystemExtensions& Ext = Extensions();
  if (AAllowPaint && Ext.NextPaintMessage && PassesRangeFilter(AMin, AMax, WM_PAINT) &&
      AFilter != ThreadMessagesOnly && Ext.NextPaintMessage(AFilter, AMessage))
    return true;
  return PassesRangeFilter(AMin, AMax, WM_TIMER) && TakeTimerMessage(AFilter, AMessage, ARemove);
}

bool RetrieveMessage(MSG& AMessage, HWND AFilter, UINT AMin, UINT AMax, bool ARemove) {
  bool AllowPaint = true;
  while (LookForMessage(AMessage, AFilter, AMin, AMax, ARemove, AllowPaint)) {
    if (ARemove && AMessage.message != WM_QUIT && RunMessageHooks(AMessage)) {
      if (AMessage.message == WM_PAINT) AllowPaint = false;
      continue;
    }
    GLastMessageTime = AMessage.time;
    return true;
  }
  return false;
}

// Blocks until the backend reports an event or a wake-up, or the next timer the filter
// lets through comes due.
void WaitForWork(HWND AFilter, UINT AMin, UINT AMax) {
  int64_t Timeout = -1;
  if (PassesRangeFilter(AMin, AMax, WM_TIMER))
    if (const auto Due = NextTimerDue(AFilter)) {
      const uint64_t Now = Backend().ClockMs();
      Timeout = *Due > Now ? static_cast<int64_t>(*Due - Now) : 0;
    }
  Backend().WaitForEvents(Timeout);
}

}  // namespace

POINT CurrentPointerPosition() {
  const auto& Position = Extensions().PointerPosition;
  return Position ? Position() : POINT{};
}

void PostQueuedMessage(const MSG& AMessage) { Enqueue({AMessage, false}); }

void PurgeWindowMessages(HWND AWindow) {
  std::lock_guard Lock(Queue().Mutex);
  std::erase_if(Queue().Posted, [&](const TQueuedMessage& AEntry) { return AEntry.Message.hwnd == AWindow; });
}

void ClearMessageQueue() {
  std::lock_guard Lock(Queue().Mutex);
  Queue().Posted.clear();
  Queue().QuitPending = false;
}

bool PostMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const bool OnUIThread = IsMainThread();
  if (AWindow && !(OnUIThread ? FindWindowRecord(AWindow) != nullptr : IsLiveWindowHandle(AWindow)))
    return false;
  TQueuedMessage Entry;
  Entry.Message = {AWindow, AMessage, AWParam, ALParam, Win::GetTickCount(), {}};
  if (OnUIThread)
    Entry.Message.pt = CurrentPointerPosition();
  else
    Entry.NeedsPoint = true;
  Enqueue(Entry);
  return true;
}

bool PostThreadMessage(TThreadID AThread, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return AThread == MainThreadID() && PostMessage(nullptr, AMessage, AWParam, ALParam);
}

void PostQuitMessage(int AExitCode) {
  RequireUIThread("PostQuitMessage");
  std::lock_guard Lock(Queue().Mutex);
  Queue().QuitPending = true;
  Queue().QuitCode = AExitCode;
}

bool PeekMessage(MSG* AMessage, HWND AWindow, UINT AFilterMin, UINT AFilterMax, UINT ARemove) {
  RequireUIThread("PeekMessage");
  MSG Found;
  if (!RetrieveMessage(Found, AWindow, AFilterMin, AFilterMax, (ARemove & PM_REMOVE) != 0)) return false;
  if (AMessage) *AMessage = Found;
  return true;
}

bool GetMessage(MSG* AMessage, HWND AWindow, UINT AFilterMin, UINT AFilterMax) {
  RequireUIThread("GetMessage");
  MSG Found;
  while (!RetrieveMessage(Found, AWindow, AFilterMin, AFilterMax, true))
    WaitForWork(AWindow, AFilterMin, AFilterMax);
  if (AMessage) *AMessage = Found;
  return Found.message != WM_QUIT;
}

bool WaitMessage() {
  RequireUIThread("WaitMessage");
  MSG Found;
  while (!RetrieveMessage(Found, nullptr, 0, 0, false)) WaitForWork(nullptr, 0, 0);
  return true;
}

DWORD GetMessageTime() { return GLastMessageTime; }
