#pragma once
// Threads, locks and the hand-over to the user-interface thread.
//
// The user-interface thread is the thread that started the program (the one that
// ran static initialisation). Other threads reach it only through Synchronize (waits
// until the call has run) or Queue (returns at once); the user-interface thread runs
// those calls in CheckSynchronize, which the message loop calls whenever the wake-up
// hook tells it that something is waiting.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/base/Strings.h"

using TThreadID = uint32_t;

TThreadID GetCurrentThreadId();
TThreadID MainThreadID();
bool IsMainThread();

// Runs the calls that other threads handed to the user-interface thread, in the order
// they were handed over. Called on the user-interface thread only; returns whether any
// call ran. With a positive timeout it first waits up to that long for a call to arrive.
bool CheckSynchronize(int ATimeoutMs = 0);

// The message loop installs a hook that wakes it when a call is waiting; the hook runs
// on the handing thread and must only post a wake-up. Pass nullptr to remove it.
void SetWakeMainThread(std::function<void()> AWakeUp);

// A recursive lock, as a critical section of the system the program was designed on:
// the thread that holds it may enter it again.
class TCriticalSection {
 public:
  void Enter() { FMutex.lock(); }
  void Leave() { FMutex.unlock(); }
  bool TryEnter() { return FMutex.try_lock(); }
  void Acquire() { Enter(); }
  void Release() { Leave(); }
  // For std::lock_guard / std::unique_lock.
  void lock() { Enter(); }
  void unlock() { Leave(); }

 private:
  std::recursive_mutex FMutex;
};

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

constexpr unsigned INFINITE = 0xFFFFFFFF;

// An event with manual or automatic reset. An auto-reset event releases one waiter and
// resets itself; a manual-reset event stays set until ResetEvent.
class TEvent {
 public:
  explicit TEvent(bool AManualReset = true, bool AInitialState = false)
      : FManualReset(AManualReset), FSignaled(AInitialState) {}

  void SetEvent();
  void ResetEvent();
  TWaitResult WaitFor(unsigned ATimeoutMs = INFINITE);

 private:
  std::mutex FMutex;  // guards FSignaled
  std::condition_variable FChanged;
  const bool FManualReset;
  bool FSignaled;
};

// A thread of the class library: derive, override Execute, construct, then Start.
// (Threads are always created suspended: starting from the base constructor would let
// Execute run before the derived object exists.) Execute runs on the new thread;
// OnTerminate runs on the user-interface thread after Execute.
class TThread {
 public:
  TThread() = default;
  // Terminates the thread and waits for it, unless it frees itself.
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  void Start();
  void Resume() { Start(); }
  // Asks Execute to finish; Execute polls Terminated().
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }
  bool Finished() const { return FFinished; }
  // Waits for the thread to end and returns ReturnValue. On the user-interface thread
  // it keeps running handed-over calls while it waits, so a thread that synchronises
  // on its way out cannot deadlock with its waiter.
  int WaitFor();

  TThreadID ThreadID() const { return FThreadID; }
  int ReturnValue = 0;
  // The text of an exception that escaped Execute, empty when none did.
  const String& FatalException() const { return FFatalException; }

  // Set before starting: the object deletes itself once Execute and OnTerminate ran.
  bool FreeOnTerminate = false;
  // Called on the user-interface thread after Execute, with the thread as sender.
  std::function<void(TThread* Sender)> OnTerminate;

  // Runs AMethod on the user-interface thread and waits until it has run; on the
  // user-interface thread it runs at once. An exception thrown by AMethod is raised
  // again in the calling thread.
  static void Synchronize(const std::function<void()>& AMethod);
  // Hands AMethod to the user-interface thread without waiting.
  static void Queue(std::function<void()> AMethod);

 protected:
  virtual void Execute() = 0;

 private:
  void Run();

  std::thread FThread;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FFinished{false};
  std::atomic<TThreadID> FThreadID{0};
  String FFatalException;
  std::mutex FStartMutex;  // guards FStarted; the new thread waits on it until Start is done
  bool FStarted = false;
};
