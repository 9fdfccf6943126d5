#pragma once
// The line of a run's events on their way from the converting threads to the
// application's handlers.
//
// Converting threads post an event and go on at once: they never wait for a handler
// and never hold a lock while one runs, so a slow user interface cannot slow a
// conversion, and a handler may stop or wait for the run without deadlock. Events are
// delivered one at a time, in the order they were posted, on the delivery thread
// chosen for the run: the caller of Deliver (an in-place run), the user-interface
// thread, or the queue's own thread. An event posted with a key replaces a pending
// event of the same key in its place in the line (progress: the newest figures win).
//
// The final event of a run waits while an operation of the encoder holds it back
// (THeldFinal): Start, Stop and Pause walk the task list, and a handler of the final
// event may clear that list.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class TRunEventQueue {
 public:
  enum TTarget { etCallerThread, etMainThread, etOwnThread };

  TRunEventQueue();
  // Events not yet delivered are dropped; the queue's own thread ends.
  ~TRunEventQueue();
  // The same, at once: events posted from now on are dropped, and the call returns when
  // a handler running on the own thread has returned (unless it is that handler's own
  // call, which returns at once). The owner closes the queue before it clears the
  // handlers that the events call.
  void Close();
  TRunEventQueue(const TRunEventQueue&) = delete;
  TRunEventQueue& operator=(const TRunEventQueue&) = delete;

  // Where Deliver hands the events; set when a run starts.
  void SetTarget(TTarget ATarget);
  // Any thread; never runs AEvent. AKey >= 0 coalesces (see above).
  void Post(std::function<void()> AEvent, int AKey = -1, bool AFinal = false);
  // Any thread: has the pending events delivered on the target thread. With the caller
  // as target, or on the user-interface thread with that as target, they are delivered
  // before it returns, unless a delivery is already under way further up the stack (a
  // handler's call), which then delivers them after the handler.
  void Deliver();

  void HoldFinal();
  void ReleaseFinal();

 private:
  struct TState;
  static void Drain(const std::shared_ptr<TState>& AState);
  static void RunOwnThread(const std::shared_ptr<TState>& AState);

  // Shared with the calls handed to the user-interface thread and with the own thread,
  // which may outlive the queue object by a moment.
  std::shared_ptr<TState> FState;
  std::thread FOwnThread;  // started on first use; guarded by the state's lock
};

// Holds the final event back for a scope; at its end the pending events are delivered.
class THeldFinal {
 public:
  explicit THeldFinal(TRunEventQueue& AQueue) : FQueue(AQueue) { FQueue.HoldFinal(); }
  ~THeldFinal() {
    FQueue.ReleaseFinal();
    FQueue.Deliver();
  }
  THeldFinal(const THeldFinal&) = delete;
  THeldFinal& operator=(const THeldFinal&) = delete;

 private:
  TRunEventQueue& FQueue;
};
