#include "platform/base/Threads.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <deque>
#include <memory>

#include "platform/base/Exceptions.h"

TThreadID GetCurrentThreadId() {
  thread_local const TThreadID Id = static_cast<TThreadID>(syscall(SYS_gettid));
  return Id;
}

namespace {

// Static initialisation runs on the thread that starts the program.
const TThreadID GMainThreadID = GetCurrentThreadId();

// A call handed to the user-interface thread. Synchronize waits on Done; Queue does not.
struct THandOver {
  std::function<void()> Method;
  bool Waited = false;
  bool Done = false;
  std::exception_ptr Error;
};

struct THandOverQueue {
  std::mutex Mutex;  // guards Calls, Done flags and WakeUp
  std::condition_variable Changed;
  std::deque<std::shared_ptr<THandOver>> Calls;
  std::function<void()> WakeUp;
};

THandOverQueue& HandOvers() {
  static THandOverQueue Queue;
  return Queue;
}

void HandOver(const std::shared_ptr<THandOver>& ACall) {
  THandOverQueue& Q = HandOvers();
  std::function<void()> WakeUp;
  {
    std::lock_guard Lock(Q.Mutex);
    Q.Calls.push_back(ACall);
    WakeUp = Q.WakeUp;
  }
  Q.Changed.notify_all();
  if (WakeUp) WakeUp();
}

}  // namespace

TThreadID MainThreadID() { return GMainThreadID; }
bool IsMainThread() { return GetCurrentThreadId() == GMainThreadID; }

void SetWakeMainThread(std::function<void()> AWakeUp) {
  std::lock_guard Lock(HandOvers().Mutex);
  HandOvers().WakeUp = std::move(AWakeUp);
}

bool CheckSynchronize(int ATimeoutMs) {
  if (!IsMainThread()) throw EThread("CheckSynchronize called from a thread other than the main thread");
  THandOverQueue& Q = HandOvers();
  std::deque<std::shared_ptr<THandOver>> Pending;
  {
    std::unique_lock Lock(Q.Mutex);
    if (ATimeoutMs > 0)
      Q.Changed.wait_for(Lock, std::chrono::milliseconds(ATimeoutMs), [&] { return !Q.Calls.empty(); });
    Pending.swap(Q.Calls);
  }
  for (const auto& Call : Pending) {
    try {
      Call->Method();
    } catch (...) {
      // A queued call has nobody to report to; a waiting caller gets its exception back.
      if (Call->Waited) Call->Error = std::current_exception();
    }
    std::lock_guard Lock(Q.Mutex);
    Call->Done = true;
  }
  if (!Pending.empty()) Q.Changed.notify_all();
  return !Pending.empty();
}

void TThread::Synchronize(const std::function<void()>& AMethod) {
  if (IsMainThread()) {
    AMethod();
    return;
  }
  auto Call = std::make_shared<THandOver>();
  Call->Method = AMethod;
  Call->Waited = true;
  HandOver(Call);
  THandOverQueue& Q = HandOvers();
  // The exception is taken out under the lock: the user-interface thread lets go of
  // the call whenever it likes, and must not be the one that frees the exception while
  // this thread still reads it.
  std::exception_ptr Error;
  {
    std::unique_lock Lock(Q.Mutex);
    Q.Changed.wait(Lock, [&] { return Call->Done; });
    Error = std::move(Call->Error);
  }
  if (Error) std::rethrow_exception(Error);
}

void TThread::Queue(std::function<void()> AMethod) {
  if (IsMainThread()) {
    AMethod();
    return;
  }
  auto Call = std::make_shared<THandOver>();
  Call->Method = std::move(AMethod);
  HandOver(Call);
}

void TEvent::SetEvent() {
  // The notification happens under the lock: a waiter that wakes may destroy the event
  // at once (a task's end does), and it cannot get past the lock before the notifier
  // has left the broadcast.
  std::lock_guard Lock(FMutex);
  FSignaled = true;
  if (FManualReset)
    FChanged.notify_all();
  else
    FChanged.notify_one();
}

void TEvent::ResetEvent() {
  std::lock_guard Lock(FMutex);
  FSignaled = false;
}

TWaitResult TEvent::WaitFor(unsigned ATimeoutMs) {
  std::unique_lock Lock(FMutex);
  auto IsSet = [&] { return FSignaled; };
  if (ATimeoutMs == INFINITE)
    FChanged.wait(Lock, IsSet);
  else if (!FChanged.wait_for(Lock, std::chrono::milliseconds(ATimeoutMs), IsSet))
    return wrTimeout;
  if (!FManualReset) FSignaled = false;
  return wrSignaled;
}

TThread::~TThread() {
  if (FThread.joinable()) {
    if (FThread.get_id() == std::this_thread::get_id()) {
      FThread.detach();  // freed from its own Execute or OnTerminate
    } else {
      Terminate();
      WaitFor();
    }
  }
}

void TThread::Start() {
  std::lock_guard Lock(FStartMutex);
  if (FStarted) return;
  FStarted = true;
  FThread = std::thread([this] { Run(); });
  if (FreeOnTerminate) FThread.detach();
}

void TThread::Run() {
  // Start still holds the lock while it stores (and detaches) the thread: the thread
  // waits until it is done, since a thread that frees itself on its end would free the
  // object under Start's hands.
  { std::lock_guard StartDone(FStartMutex); }
  FThreadID = GetCurrentThreadId();
  try {
    Execute();
  } catch (const std::exception& E) {
    FFatalException = E.what();
  } catch (...) {
    FFatalException = "Unknown exception";
  }
  if (OnTerminate) {
    try {
      Synchronize([this] { OnTerminate(this); });
    } catch (...) {
      // An OnTerminate handler's failure must not take the thread object with it.
    }
  }
  FFinished = true;
  if (FreeOnTerminate) delete this;
}

int TThread::WaitFor() {
  if (!FThread.joinable()) return ReturnValue;
  if (FThread.get_id() == std::this_thread::get_id()) throw EThread("Thread cannot wait for itself");
  if (IsMainThread()) {
    while (!FFinished) CheckSynchronize(10);
  }
  FThread.join();
  return ReturnValue;
}
