// The line of a run's events: order, the newest progress winning, the final event held
// back, and delivery on each kind of thread without nesting.

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "Src/FFEncode_RunEvents.h"
#include "platform/base/Threads.h"

namespace {

// Runs handed-over calls on this (the user-interface) thread until ADone, with a guard
// that only a hang reaches.
bool PumpEventsUntil(const std::function<bool()>& ADone) {
  const auto Guard = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!ADone()) {
    if (std::chrono::steady_clock::now() > Guard) return false;
    CheckSynchronize(20);
  }
  return true;
}

// What the handlers saw, from whatever thread delivered.
struct TSeen {
  std::mutex Lock;
  std::vector<int> Values;
  std::vector<TThreadID> Threads;
  void Add(int AValue) {
    std::lock_guard Guard(Lock);
    Values.push_back(AValue);
    Threads.push_back(GetCurrentThreadId());
  }
  std::vector<int> Snapshot() {
    std::lock_guard Guard(Lock);
    return Values;
  }
};

TEST(RunEventQueue, AKeyedEventReplacesThePendingOneInItsPlace) {
  TRunEventQueue Queue;
  TSeen Seen;
  Queue.Post([&] { Seen.Add(10); }, 1);
  Queue.Post([&] { Seen.Add(20); }, 2);
  Queue.Post([&] { Seen.Add(11); }, 1);
  Queue.Post([&] { Seen.Add(99); });
  Queue.Post([&] { Seen.Add(98); });
  Queue.Deliver();
  EXPECT_EQ(Seen.Snapshot(), (std::vector<int>{11, 20, 99, 98}));
  // A key that was delivered starts a new place at the end.
  Queue.Post([&] { Seen.Add(30); }, 2);
  Queue.Post([&] { Seen.Add(12); }, 1);
  Queue.Deliver();
  EXPECT_EQ(Seen.Snapshot(), (std::vector<int>{11, 20, 99, 98, 30, 12}));
}

TEST(RunEventQueue, TheFinalEventWaitsWhileHeldAndWhatFollowsItWaitsToo) {
  TRunEventQueue Queue;
  TSeen Seen;
  {
    THeldFinal Hold(Queue);
    Queue.Post([&] { Seen.Add(1); });
    Queue.Post([&] { Seen.Add(-1); }, -1, true);
    Queue.Post([&] { Seen.Add(2); });
    Queue.Deliver();
    EXPECT_EQ(Seen.Snapshot(), (std::vector<int>{1}));
    { THeldFinal Inner(Queue); }
    EXPECT_EQ(Seen.Snapshot(), (std::vector<int>{1}));
  }
  EXPECT_EQ(Seen.Snapshot(), (std::vector<int>{1, -1, 2}));
}

// A handler that posts and delivers again (as a handler that stops the run does) gets
// its new events after it has returned, in order, never inside itself.
TEST(RunEventQueue, ADeliveryInsideAHandlerDoesNotNest) {
  TRunEventQueue Queue;
  TSeen Seen;
  bool Inside = false;
  bool Nested = false;
  Queue.Post([&] {
    Inside = true;
    Queue.Post([&] {
      Nested = Nested || Inside;
      Seen.Add(2);
    });
    Queue.Deliver();
    Seen.Add(1);
    Inside = false;
  });
  Queue.Deliver();
  EXPECT_EQ(Seen.Snapshot(), (std::vector<int>{1, 2}));
  EXPECT_FALSE(Nested);
}

// Many threads post at once; the user-interface thread gets every unkeyed event, each
// thread's in its own order, and of the keyed ones at least each thread's last.
TEST(RunEventQueue, EventsFromManyThreadsReachTheMainThreadInOrder) {
  TRunEventQueue Queue;
  Queue.SetTarget(TRunEventQueue::etMainThread);
  constexpr int Threads = 4;
  constexpr int Events = 200;
  TSeen Seen;
  std::vector<std::vector<int>> Progress(Threads);
  std::vector<std::thread> Posters;
  for (int T = 0; T < Threads; T++)
    Posters.emplace_back([&, T] {
      for (int I = 0; I < Events; I++) {
        Queue.Post([&Seen, T, I] { Seen.Add(T * 1000 + I); });
        Queue.Post([&Progress, T, I] { Progress[T].push_back(I); }, T);
        Queue.Deliver();
      }
    });
  for (auto& Poster : Posters) Poster.join();
  ASSERT_TRUE(PumpEventsUntil([&] { return Seen.Snapshot().size() == Threads * Events; }));
  std::vector<int> Next(Threads, 0);
  for (int Value : Seen.Snapshot()) EXPECT_EQ(Value % 1000, Next[Value / 1000]++);
  for (TThreadID Thread : Seen.Threads) EXPECT_EQ(Thread, MainThreadID());
  for (int T = 0; T < Threads; T++) {
    ASSERT_FALSE(Progress[T].empty());
    EXPECT_EQ(Progress[T].back(), Events - 1);
    EXPECT_TRUE(std::is_sorted(Progress[T].begin(), Progress[T].end()));
  }
}

TEST(RunEventQueue, TheOwnThreadDeliversAndEndsWithTheQueue) {
  TSeen Seen;
  TEvent Done{true, false};
  {
    TRunEventQueue Queue;
    Queue.SetTarget(TRunEventQueue::etOwnThread);
    for (int I = 0; I < 3; I++) Queue.Post([&Seen, I] { Seen.Add(I); });
    Queue.Post([&] { Done.SetEvent(); });
    Queue.Deliver();
    ASSERT_EQ(Done.WaitFor(30000), wrSignaled);
  }
  EXPECT_EQ(Seen.Snapshot(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(Seen.Threads[0], Seen.Threads[2]);
  EXPECT_NE(Seen.Threads[0], GetCurrentThreadId());
}

}  // namespace
