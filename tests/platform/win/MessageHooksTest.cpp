// The message hook chain in front of dispatch.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

constexpr UINT WM_SWALLOWED = WM_USER + 2;

class MessageHooksTest : public WindowSystemTest {
 protected:
  // A hook that logs what it sees under its name and swallows AToSwallow.
  TMessageHookId AddLoggingHook(const std::string& AName, UINT AToSwallow = 0) {
    return AddMessageHook([this, AName, AToSwallow](MSG& AMessage, bool& AHandled) {
      Seen.push_back(AName + ":" + MessageName(AMessage.message));
      AHandled = AMessage.message == AToSwallow;
    });
  }

  std::vector<std::string> Seen;
};

TEST_F(MessageHooksTest, HooksSeeEveryRetrievedMessageNewestFirstAndMaySwallowIt) {
  const HWND Window = Create("w", WS_POPUP, Bounds(0, 0, 10, 10));
  AddLoggingHook("old");
  AddLoggingHook("new", WM_SWALLOWED);
  PostMessage(Window, WM_SWALLOWED, 0, 0);
  PostMessage(Window, WM_PING, 0, 0);
  ClearLog();
  ProcessPendingMessages();
  EXPECT_EQ(Seen, (std::vector<std::string>{"new:0x0402", "new:0x0401", "old:0x0401"}));
  EXPECT_EQ(Log(), std::vector<std::string>{"w:0x0401"});
}

TEST_F(MessageHooksTest, PeekingWithoutRemovingShowsNothingToTheHooks) {
  AddLoggingHook("hook");
  PostMessage(nullptr, WM_PING, 0, 0);
  MSG Message;
  ASSERT_TRUE(PeekMessage(&Message, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_TRUE(Seen.empty());
}

TEST_F(MessageHooksTest, HooksAreRemovedByIdentityInAnyOrder) {
  const TMessageHookId First = AddLoggingHook("first");
  const TMessageHookId Second = AddLoggingHook("second");
  AddLoggingHook("third");
  RemoveMessageHook(Second);
  RemoveMessageHook(Second);  // a second removal changes nothing
  PostMessage(nullptr, WM_PING, 0, 0);
  ProcessPendingMessages();
  EXPECT_EQ(Seen, (std::vector<std::string>{"third:0x0401", "first:0x0401"}));
  Seen.clear();
  RemoveMessageHook(First);
  PostMessage(nullptr, WM_PING, 0, 0);
  ProcessPendingMessages();
  EXPECT_EQ(Seen, std::vector<std::string>{"third:0x0401"});
}

TEST_F(MessageHooksTest, AHookMayRemoveItselfWhileItRuns) {
  TMessageHookId Self = 0;
  int Calls = 0;
  Self = AddMessageHook([&](MSG&, bool&) {
    ++Calls;
    RemoveMessageHook(Self);
  });
  AddLoggingHook("outer");
  PostMessage(nullptr, WM_PING, 0, 0);
  PostMessage(nullptr, WM_PING, 0, 0);
  ProcessPendingMessages();
  EXPECT_EQ(Calls, 1);
  EXPECT_EQ(Seen.size(), 2u);
}

}  // namespace
}  // namespace window_test
