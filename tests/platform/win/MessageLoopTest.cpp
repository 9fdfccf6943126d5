// The message loop: cross-thread sends and hand-overs served by GetMessage, idling
// without spinning, posting, quitting and retrieval filters.

#include <atomic>
#include <thread>

#include "platform/base/Exceptions.h"
#include "platform/base/Threads.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

constexpr UINT WM_STOP = WM_USER + 2;
// A failing test must not hang: waits for other threads end after this much real time.
constexpr int GuardMs = 10000;

class MessageLoopTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    Target = Create("w", WS_POPUP, Bounds(0, 0, 10, 10));
  }

  // Runs GetMessage until WM_STOP arrives, dispatching everything else.
  void RunLoopUntilStop() {
    MSG Message;
    while (GetMessage(&Message, nullptr, 0, 0) && Message.message != WM_STOP) DispatchMessage(&Message);
  }

  HWND Target = nullptr;
};

TEST_F(MessageLoopTest, SendMessageFromAWorkerRunsOnTheUserInterfaceThread) {
  bool RanOnUIThread = false;
  Answer(WM_PING, [&](HWND, UINT, WPARAM AWParam, LPARAM) {
    RanOnUIThread = IsMainThread();
    return std::optional<LRESULT>(static_cast<LRESULT>(AWParam * 2));
  });
  LRESULT Result = 0;
  std::thread Worker([&] {
    Result = SendMessage(Target, WM_PING, 21, 0);
    PostMessage(Target, WM_STOP, 0, 0);
  });
  RunLoopUntilStop();
  Worker.join();
  EXPECT_EQ(Result, 42);
  EXPECT_TRUE(RanOnUIThread);
}

TEST_F(MessageLoopTest, SendMessageFromAWorkerGetsTheProceduresExceptionBack) {
  Answer(WM_PING, [](auto...) -> std::optional<LRESULT> { throw EConvertError("bad value"); });
  String Caught;
  std::thread Worker([&] {
    try {
      SendMessage(Target, WM_PING, 0, 0);
    } catch (const EConvertError& E) {
      Caught = E.Message();
    }
    PostMessage(Target, WM_STOP, 0, 0);
  });
  RunLoopUntilStop();
  Worker.join();
  EXPECT_EQ(Caught, "bad value");
}

TEST_F(MessageLoopTest, HandedOverCallsAreServedByAWaitingGetMessage) {
  bool RanOnUIThread = false;
  std::thread Worker([&] {
    ASSERT_TRUE(Headless().WaitUntilLoopWaits(GuardMs));
    TThread::Synchronize([&] { RanOnUIThread = IsMainThread(); });
    PostMessage(Target, WM_STOP, 0, 0);
  });
  RunLoopUntilStop();
  Worker.join();
  EXPECT_TRUE(RanOnUIThread);
}

TEST_F(MessageLoopTest, AnIdleLoopBlocksUntilAnotherThreadPosts) {
  const uint64_t WaitsBefore = Headless().WaitCount();
  std::thread Worker([&] {
    // The loop must be blocked before the post, or this would prove nothing.
    ASSERT_TRUE(Headless().WaitUntilLoopWaits(GuardMs));
    PostMessage(Target, WM_PING, 7, 8);
  });
  MSG Message;
  ASSERT_TRUE(GetMessage(&Message, nullptr, 0, 0));
  Worker.join();
  EXPECT_EQ(Message.hwnd, Target);
  EXPECT_EQ(Message.message, WM_PING);
  EXPECT_EQ(Message.wParam, 7u);
  EXPECT_EQ(Message.lParam, 8);
  // One wait, ended by the post: the loop never woke up to look for work in between.
  EXPECT_EQ(Headless().WaitCount() - WaitsBefore, 1u);
  EXPECT_FALSE(PeekMessage(&Message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageLoopTest, PostedMessagesComeInOrderAndWmQuitAfterThem) {
  PostMessage(Target, WM_PING, 1, 0);
  PostQuitMessage(3);
  PostMessage(nullptr, WM_PING, 2, 0);
  MSG Message;
  ASSERT_TRUE(GetMessage(&Message, nullptr, 0, 0));
  EXPECT_EQ(Message.wParam, 1u);
  ASSERT_TRUE(GetMessage(&Message, nullptr, 0, 0));
  EXPECT_EQ(Message.hwnd, nullptr);
  EXPECT_EQ(Message.wParam, 2u);
  EXPECT_FALSE(GetMessage(&Message, nullptr, 0, 0));
  EXPECT_EQ(Message.message, WM_QUIT);
  EXPECT_EQ(Message.wParam, 3u);
}

TEST_F(MessageLoopTest, ProcessPendingMessagesStopsAtWmQuitAndLeavesItQueued) {
  PostMessage(Target, WM_PING, 0, 0);
  PostQuitMessage(5);
  PostMessage(Target, WM_PING, 0, 0);
  ClearLog();
  EXPECT_FALSE(ProcessPendingMessages());
  EXPECT_EQ(LogOf({WM_PING}).size(), 2u);
  MSG Message;
  EXPECT_FALSE(GetMessage(&Message, nullptr, 0, 0));
  EXPECT_EQ(Message.wParam, 5u);
}

TEST_F(MessageLoopTest, PeekMessageFilters) {
  const HWND Child = Create("c", WS_CHILD, Bounds(0, 0, 5, 5), Target);
  const HWND Other = Create("o", WS_POPUP, Bounds(0, 0, 5, 5));
  PostMessage(Other, WM_PING, 1, 0);
  PostMessage(Child, WM_PING, 2, 0);
  PostMessage(nullptr, WM_PING, 3, 0);
  PostMessage(Target, WM_STOP, 4, 0);
  MSG Message;
  // A window filter takes the window's descendants' messages too.
  ASSERT_TRUE(PeekMessage(&Message, Target, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(Message.wParam, 2u);
  ASSERT_TRUE(PeekMessage(&Message, Target, WM_STOP, WM_STOP, PM_REMOVE));
  EXPECT_EQ(Message.wParam, 4u);
  ASSERT_TRUE(PeekMessage(&Message, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
  EXPECT_EQ(Message.wParam, 3u);
  ASSERT_TRUE(PeekMessage(&Message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(Message.wParam, 1u);
  ASSERT_TRUE(PeekMessage(&Message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(Message.wParam, 2u);
  EXPECT_FALSE(PeekMessage(&Message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageLoopTest, MessagesOfADestroyedWindowAreDropped) {
  std::thread Worker([&] { PostMessage(Target, WM_PING, 0, 0); });
  Worker.join();
  PostMessage(Target, WM_PING, 0, 0);
  DestroyWindow(Target);
  MSG Message;
  EXPECT_FALSE(PeekMessage(&Message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PostMessage(Target, WM_PING, 0, 0));
  EXPECT_EQ(SendMessage(Target, WM_PING, 0, 0), 0);
}

TEST_F(MessageLoopTest, PostThreadMessageReachesOnlyTheUserInterfaceThread) {
  EXPECT_FALSE(PostThreadMessage(MainThreadID() + 1, WM_PING, 0, 0));
  ASSERT_TRUE(PostThreadMessage(MainThreadID(), WM_PING, 9, 0));
  MSG Message;
  ASSERT_TRUE(PeekMessage(&Message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(Message.hwnd, nullptr);
  EXPECT_EQ(Message.wParam, 9u);
}

TEST_F(MessageLoopTest, WindowCallsFromAWorkerRaise) {
  bool Raised = false;
  std::thread Worker([&] {
    try {
      DestroyWindow(Target);
    } catch (const EThread&) {
      Raised = true;
    }
  });
  Worker.join();
  EXPECT_TRUE(Raised);
  EXPECT_TRUE(IsWindow(Target));
}

TEST_F(MessageLoopTest, RegisteredMessagesAreUniquePerNameWhateverTheCase) {
  const UINT Created = RegisterWindowMessage("TaskbarCreated");
  EXPECT_GE(Created, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage("TASKBARCREATED"), Created);
  EXPECT_NE(RegisterWindowMessage("SomethingElse"), Created);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

}  // namespace
}  // namespace window_test
