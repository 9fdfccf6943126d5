#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Threads.h"

namespace {

// Pumps handed-over calls on the test's (user-interface) thread until ADone holds.
template <typename Pred>
void PumpUntil(Pred ADone) {
  while (!ADone()) CheckSynchronize(100);
}

class TLambdaThread : public TThread {
 public:
  explicit TLambdaThread(std::function<void(TLambdaThread&)> ABody) : FBody(std::move(ABody)) {}
  ~TLambdaThread() override {
    if (OnDestroy) OnDestroy();
  }
  std::function<void()> OnDestroy;

 protected:
  void Execute() override { FBody(*this); }

 private:
  std::function<void(TLambdaThread&)> FBody;
};

}  // namespace

TEST(Threads, TheStartingThreadIsTheMainThread) {
  EXPECT_TRUE(IsMainThread());
  EXPECT_EQ(MainThreadID(), GetCurrentThreadId());
  TThreadID Worker = 0;
  std::thread([&] { Worker = GetCurrentThreadId(); }).join();
  EXPECT_NE(0u, Worker);
  EXPECT_NE(MainThreadID(), Worker);
}

TEST(Synchronize, OnTheMainThreadRunsAtOnce) {
  bool Ran = false;
  TThread::Synchronize([&] { Ran = true; });
  EXPECT_TRUE(Ran);
  EXPECT_FALSE(CheckSynchronize());
}

TEST(Synchronize, FromAWorkerWaitsUntilTheMainThreadRanIt) {
  TEvent Handed(true, false);
  std::atomic<bool> Returned{false};
  TThreadID RanOn = 0;
  std::thread Worker([&] {
    Handed.SetEvent();
    TThread::Synchronize([&] { RanOn = GetCurrentThreadId(); });
    Returned = true;
  });
  ASSERT_EQ(wrSignaled, Handed.WaitFor(10000));
  // The worker is blocked until this thread runs the call.
  EXPECT_FALSE(Returned);
  PumpUntil([&] { return RanOn != 0; });
  Worker.join();
  EXPECT_TRUE(Returned);
  EXPECT_EQ(MainThreadID(), RanOn);
}

TEST(Synchronize, ExceptionsReachTheWaitingWorker) {
  String Caught;
  std::atomic<bool> Done{false};
  std::thread Worker([&] {
    try {
      TThread::Synchronize([] { throw EConvertError("bad value"); });
    } catch (const EConvertError& E) {
      Caught = E.Message();
    }
    Done = true;
  });
  PumpUntil([&] { return Done.load(); });
  Worker.join();
  EXPECT_EQ("bad value", Caught);
}

TEST(Synchronize, CallsFromOneThreadRunInOrderAndTheWakeUpHookFires) {
  std::atomic<int> Wakes{0};
  SetWakeMainThread([&] { ++Wakes; });
  std::vector<int> Order;
  std::thread Worker([&] {
    for (int I = 0; I < 3; ++I) TThread::Queue([&Order, I] { Order.push_back(I); });
  });
  Worker.join();
  SetWakeMainThread(nullptr);
  EXPECT_EQ(3, Wakes.load());
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_EQ((std::vector<int>{0, 1, 2}), Order);
}

TEST(CheckSynchronize, RefusesOtherThreads) {
  bool Threw = false;
  std::thread([&] {
    try {
      CheckSynchronize();
    } catch (const EThread&) {
      Threw = true;
    }
  }).join();
  EXPECT_TRUE(Threw);
}

TEST(TEvent, AutoResetReleasesOneWaitManualResetStaysSet) {
  TEvent Auto(false, true);
  EXPECT_EQ(wrSignaled, Auto.WaitFor(0));
  EXPECT_EQ(wrTimeout, Auto.WaitFor(0));

  TEvent Manual(true, true);
  EXPECT_EQ(wrSignaled, Manual.WaitFor(0));
  EXPECT_EQ(wrSignaled, Manual.WaitFor(0));
  Manual.ResetEvent();
  EXPECT_EQ(wrTimeout, Manual.WaitFor(0));
}

TEST(TEvent, WakesAWaitingThread) {
  TEvent Event(false, false);
  std::atomic<TWaitResult> Result{wrError};
  std::thread Waiter([&] { Result = Event.WaitFor(); });
  Event.SetEvent();
  Waiter.join();
  EXPECT_EQ(wrSignaled, Result.load());
}

// A waiter that wakes owns the event from then on and may free it at once, as a task's
// end does with the event its converting thread set. The setter must be out of the
// event by then; the sanitizer builds report the use of freed memory otherwise.
TEST(TEvent, AWokenWaiterMayFreeTheEventAtOnce) {
  for (int Round = 0; Round < 200; Round++) {
    auto* Event = new TEvent(true, false);
    std::thread Waiter([Event] {
      Event->WaitFor();
      delete Event;
    });
    Event->SetEvent();
    Waiter.join();
  }
}

TEST(TCriticalSection, TheHolderMayEnterAgain) {
  TCriticalSection Lock;
  Lock.Enter();
  EXPECT_TRUE(Lock.TryEnter());
  Lock.Leave();
  bool OtherGotIt = true;
  std::thread([&] { OtherGotIt = Lock.TryEnter(); }).join();
  EXPECT_FALSE(OtherGotIt);
  Lock.Leave();
}

TEST(TThread, RunsExecuteThenOnTerminateOnTheMainThread) {
  TThreadID ExecutedOn = 0, TerminatedOn = 0;
  TLambdaThread Thread([&](TLambdaThread& T) {
    ExecutedOn = GetCurrentThreadId();
    T.ReturnValue = 7;
  });
  Thread.OnTerminate = [&](TThread*) { TerminatedOn = GetCurrentThreadId(); };
  Thread.Start();
  EXPECT_EQ(7, Thread.WaitFor());
  EXPECT_NE(MainThreadID(), ExecutedOn);
  EXPECT_EQ(MainThreadID(), TerminatedOn);
  EXPECT_TRUE(Thread.Finished());
}

TEST(TThread, TerminateAsksAPollingExecuteToStop) {
  TEvent Started(true, false);
  TLambdaThread Thread([&](TLambdaThread& T) {
    Started.SetEvent();
    while (!T.Terminated()) std::this_thread::yield();
  });
  Thread.Start();
  ASSERT_EQ(wrSignaled, Started.WaitFor(10000));
  Thread.Terminate();
  Thread.WaitFor();
  EXPECT_TRUE(Thread.Finished());
}

TEST(TThread, AnEscapingExceptionIsKeptAsFatalException) {
  TLambdaThread Thread([](TLambdaThread&) { throw EConvertError("broken"); });
  Thread.Start();
  Thread.WaitFor();
  EXPECT_EQ("broken", Thread.FatalException());
}

TEST(TThread, FreeOnTerminateDeletesItselfAfterOnTerminate) {
  std::atomic<bool> Terminated{false};
  TEvent Destroyed(true, false);
  auto* Thread = new TLambdaThread([](TLambdaThread&) {});
  Thread->FreeOnTerminate = true;
  Thread->OnTerminate = [&](TThread*) { Terminated = true; };
  Thread->OnDestroy = [&] {
    EXPECT_TRUE(Terminated);
    Destroyed.SetEvent();
  };
  Thread->Start();
  PumpUntil([&] { return Terminated.load(); });
  EXPECT_EQ(wrSignaled, Destroyed.WaitFor(10000));
}

// A thread that frees itself and has nothing to do may end before Start has stored and
// detached it; Start must not touch the freed object (the sanitizer builds see it).
TEST(TThread, AFreeOnTerminateThreadThatEndsAtOnceLeavesStartAlone) {
  constexpr int Threads = 200;
  std::atomic<int> Destroyed{0};
  for (int I = 0; I < Threads; ++I) {
    auto* Thread = new TLambdaThread([](TLambdaThread&) {});
    Thread->FreeOnTerminate = true;
    Thread->OnDestroy = [&] { ++Destroyed; };
    Thread->Start();
  }
  PumpUntil([&] { return Destroyed.load() == Threads; });
  EXPECT_EQ(Threads, Destroyed.load());
}
