#include "platform/win/HotKeys.h"
#include "tests/platform/win/InputTestSupport.h"

namespace window_test {
namespace {

class HotKeysTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    Create("w", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150));
    Create("v", WS_POPUP | WS_VISIBLE, Bounds(400, 100, 200, 150));
  }
};

TEST_F(HotKeysTest, FiredHotKeyPostsWmHotKeyToItsWindow) {
  ASSERT_TRUE(RegisterHotKey(Window("w"), 7, MOD_CONTROL | MOD_ALT, 'P'));
  Watch(WM_HOTKEY);
  InjectHotKey(MOD_CONTROL | MOD_ALT, 'P');
  Run();
  ASSERT_EQ(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0].Window, "w");
  EXPECT_EQ(Seen()[0].WParam, 7u);
  EXPECT_EQ(LOWORD(Seen()[0].LParam), MOD_CONTROL | MOD_ALT);
  EXPECT_EQ(HIWORD(Seen()[0].LParam), 'P');
}

TEST_F(HotKeysTest, TheSameKeysCannotBeRegisteredTwice) {
  ASSERT_TRUE(RegisterHotKey(Window("w"), 1, MOD_SHIFT, VK_F5));
  EXPECT_FALSE(RegisterHotKey(Window("v"), 2, MOD_SHIFT, VK_F5));
  EXPECT_TRUE(RegisterHotKey(Window("v"), 2, MOD_CONTROL, VK_F5));
  ASSERT_TRUE(UnregisterHotKey(Window("w"), 1));
  EXPECT_FALSE(UnregisterHotKey(Window("w"), 1));
  EXPECT_TRUE(RegisterHotKey(Window("v"), 3, MOD_SHIFT, VK_F5));
}

TEST_F(HotKeysTest, HotKeysGoWithTheirWindow) {
  ASSERT_TRUE(RegisterHotKey(Window("w"), 1, MOD_ALT, 'K'));
  DestroyWindow(Window("w"));
  EXPECT_TRUE(RegisteredHotKeys().empty());
  EXPECT_TRUE(RegisterHotKey(Window("v"), 1, MOD_ALT, 'K'));
  Watch(WM_HOTKEY);
  InjectHotKey(MOD_ALT, 'K');
  Run();
  ASSERT_EQ(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0].Window, "v");
}

TEST_F(HotKeysTest, TheKeysPickTheWindowWhenTwoWindowsUseOneId) {
  ASSERT_TRUE(RegisterHotKey(Window("w"), 1, MOD_ALT, 'K'));
  ASSERT_TRUE(RegisterHotKey(Window("v"), 1, MOD_ALT, 'L'));
  Watch(WM_HOTKEY);
  InjectHotKey(MOD_ALT, 'L');
  Run();
  ASSERT_EQ(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0].Window, "v");
  EXPECT_EQ(Seen()[0].WParam, 1u);
}

}  // namespace
}  // namespace window_test
