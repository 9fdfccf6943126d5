// The line of a run's events: posting, coalescing and delivery in order.

#include "Src/FFEncode_RunEvents.h"

#include "platform/base/Threads.h"

struct TRunEventQueue::TState {
  struct TEntry {
    std::function<void()> Event;
    int Key;
    bool Final;
  };

  std::mutex Lock;               // guards everything below
  std::condition_variable Wake;  // the own thread's signal
  std::deque<TEntry> Entries;
  TTarget Target = etCallerThread;
  bool DrainScheduled = false;  // a drain was handed to the target thread and has not begun
  bool Delivering = false;      // a drain runs a handler: only one delivers at a time
  int FinalHolds = 0;
  bool Closed = false;
};

TRunEventQueue::TRunEventQueue() : FState(std::make_shared<TState>()) {}

TRunEventQueue::~TRunEventQueue() { Close(); }

void TRunEventQueue::Close() {
  {
    std::lock_guard Lock(FState->Lock);
    FState->Closed = true;
    FState->Entries.clear();
  }
  FState->Wake.notify_all();
  if (!FOwnThread.joinable()) return;
  // A handler on the own thread may free the encoder: the thread then ends by itself.
  if (FOwnThread.get_id() == std::this_thread::get_id())
    FOwnThread.detach();
  else
    FOwnThread.join();
}

void TRunEventQueue::SetTarget(TTarget ATarget) {
  std::lock_guard Lock(FState->Lock);
  FState->Target = ATarget;
}

void TRunEventQueue::Post(std::function<void()> AEvent, int AKey, bool AFinal) {
  std::lock_guard Lock(FState->Lock);
  if (FState->Closed) return;
  if (AKey >= 0)
    for (TState::TEntry& Entry : FState->Entries)
      if (Entry.Key == AKey) {
        Entry.Event = std::move(AEvent);
        return;
      }
  FState->Entries.push_back({std::move(AEvent), AKey, AFinal});
}

void TRunEventQueue::HoldFinal() {
  std::lock_guard Lock(FState->Lock);
  FState->FinalHolds++;
}

void TRunEventQueue::ReleaseFinal() {
  std::lock_guard Lock(FState->Lock);
  FState->FinalHolds--;
}

void TRunEventQueue::Deliver() {
  TTarget Target;
  {
    std::lock_guard Lock(FState->Lock);
    if (FState->Closed || FState->Entries.empty()) return;
    Target = FState->Target;
    if (Target != etCallerThread) {
      if (FState->DrainScheduled) return;
      FState->DrainScheduled = true;
    }
    if (Target == etOwnThread && !FOwnThread.joinable()) FOwnThread = std::thread(RunOwnThread, FState);
  }
  switch (Target) {
    case etCallerThread:
      Drain(FState);
      break;
    case etMainThread:
      // On the user-interface thread this drains at once.
      TThread::Queue([State = FState] { Drain(State); });
      break;
    case etOwnThread:
      FState->Wake.notify_one();
      break;
  }
}

void TRunEventQueue::Drain(const std::shared_ptr<TState>& AState) {
  {
    std::lock_guard Lock(AState->Lock);
    AState->DrainScheduled = false;
    if (AState->Delivering) return;
    AState->Delivering = true;
  }
  for (;;) {
    std::function<void()> Event;
    {
      std::lock_guard Lock(AState->Lock);
      const bool FinalHeld =
          !AState->Entries.empty() && AState->Entries.front().Final && AState->FinalHolds > 0;
      if (AState->Closed || AState->Entries.empty() || FinalHeld) {
        AState->Delivering = false;
        return;
      }
      Event = std::move(AState->Entries.front().Event);
      AState->Entries.pop_front();
    }
    Event();  // the encoder's events catch their handlers' failures
  }
}

void TRunEventQueue::RunOwnThread(const std::shared_ptr<TState>& AState) {
  for (;;) {
    {
      std::unique_lock Lock(AState->Lock);
      AState->Wake.wait(Lock, [&] { return AState->Closed || AState->DrainScheduled; });
      if (AState->Closed) return;
    }
    Drain(AState);
  }
}
