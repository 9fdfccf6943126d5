// Keyboard input: key messages and their lParam, character messages for typed text,
// system keys with Alt, and the key state during a message.

#include "tests/platform/win/InputTestSupport.h"

namespace window_test {
namespace {

class KeyboardInputTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    Create("w", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150));
    ClearLog();
  }
};

const std::initializer_list<UINT> KeyMessages = {WM_KEYDOWN,    WM_KEYUP,    WM_CHAR,
                                                 WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR};

TEST_F(KeyboardInputTest, TypedTextArrivesAsOneCharacterMessagePerCodePoint) {
  Watch(WM_CHAR);
  Watch(WM_KEYDOWN);
  InjectText("aZé€😀");
  Run();
  std::vector<WPARAM> Characters;
  for (const TSeen& Char : SeenOf(WM_CHAR)) Characters.push_back(Char.WParam);
  EXPECT_EQ(Characters, (std::vector<WPARAM>{'a', 'Z', 0xE9, 0x20AC, 0x1F600}));
  std::vector<WPARAM> Keys;
  for (const TSeen& Key : SeenOf(WM_KEYDOWN)) Keys.push_back(Key.WParam);
  EXPECT_EQ(Keys, (std::vector<WPARAM>{'A', VK_SHIFT, 'Z', VK_PACKET, VK_PACKET, VK_PACKET}));
  EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
  EXPECT_EQ(InputLog(KeyMessages).front(), "w:WM_KEYDOWN");
  EXPECT_EQ(InputLog(KeyMessages)[1], "w:WM_CHAR");
  EXPECT_EQ(InputLog(KeyMessages)[2], "w:WM_KEYUP");
}

TEST_F(KeyboardInputTest, KeyMessagesCarryRepeatScanCodeAndTransitionBits) {
  Watch(WM_KEYDOWN);
  Watch(WM_KEYUP);
  InjectKeyDown(VK_LEFT);
  InjectKeyDown(VK_LEFT);
  InjectKeyUp(VK_LEFT);
  InjectKeyStroke('Q');
  Run();
  ASSERT_EQ(Seen().size(), 5u);
  const auto Bits = [](LPARAM AValue) { return static_cast<uint32_t>(AValue); };
  EXPECT_EQ(Bits(Seen()[0].LParam), 0x014B0001u);  // extended, scan 0x4B, one stroke
  EXPECT_EQ(Bits(Seen()[1].LParam), 0x414B0001u);  // a repeat: the key was down
  EXPECT_EQ(Bits(Seen()[2].LParam), 0xC14B0001u);  // going up
  EXPECT_EQ(Bits(Seen()[3].LParam), 0x00100001u);
  EXPECT_EQ(Bits(Seen()[4].LParam), 0xC0100001u);
}

TEST_F(KeyboardInputTest, AltMakesSystemKeysAndSystemCharacters) {
  Watch(WM_SYSKEYDOWN);
  Watch(WM_SYSCHAR);
  InjectKeyDown(VK_MENU);
  InjectKeyStroke('F', PointerAlt);
  InjectKeyUp(VK_MENU, PointerAlt);
  InjectKeyStroke(VK_F10);
  InjectKeyStroke('C', PointerControl | PointerAlt);
  Run();
  EXPECT_EQ(InputLog(KeyMessages),
            (std::vector<std::string>{"w:WM_SYSKEYDOWN", "w:WM_SYSKEYDOWN", "w:WM_SYSCHAR", "w:WM_SYSKEYUP",
                                      "w:WM_SYSKEYUP", "w:WM_SYSKEYDOWN", "w:WM_SYSKEYUP", "w:WM_KEYDOWN",
                                      "w:WM_CHAR", "w:WM_KEYUP"}));
  ASSERT_EQ(SeenOf(WM_SYSCHAR).size(), 1u);
  EXPECT_EQ(SeenOf(WM_SYSCHAR)[0].WParam, WPARAM('f'));
  const auto SysKeys = SeenOf(WM_SYSKEYDOWN);
  EXPECT_EQ(SysKeys[1].WParam, WPARAM('F'));
  EXPECT_TRUE(SysKeys[1].LParam & (LPARAM(1) << 29));
  EXPECT_EQ(SysKeys[2].WParam, VK_F10);
  EXPECT_FALSE(SysKeys[2].LParam & (LPARAM(1) << 29));
}

TEST_F(KeyboardInputTest, ControlWithALetterTypesTheControlCharacter) {
  Watch(WM_CHAR);
  InjectKeyStroke('C', PointerControl);
  InjectKeyStroke('V', PointerControl);
  Run();
  ASSERT_EQ(Seen().size(), 2u);
  EXPECT_EQ(Seen()[0].WParam, 3u);
  EXPECT_EQ(Seen()[1].WParam, 22u);
}

// The key state a message sees is the one of its own moment, also when the backend
// has delivered later events already.
TEST_F(KeyboardInputTest, KeyStateDuringAMessageIsThatOfTheMessage) {
  std::vector<std::pair<bool, bool>> ShiftSeen;  // GetKeyState, GetAsyncKeyState
  const auto Note = [&](HWND, UINT, WPARAM AWParam, LPARAM) -> std::optional<LRESULT> {
    if (AWParam == 'A') ShiftSeen.emplace_back(GetKeyState(VK_SHIFT) < 0, GetAsyncKeyState(VK_SHIFT) < 0);
    return 0;
  };
  Answer(WM_KEYDOWN, Note);
  Answer(WM_KEYUP, Note);
  DeliverKey(VK_SHIFT, true, "", 0);
  DeliverKey('A', true, "A", PointerShift);
  DeliverKey(VK_SHIFT, false, "", PointerShift);
  DeliverKey('A', false, "", 0);
  Run();
  EXPECT_EQ(ShiftSeen, (std::vector<std::pair<bool, bool>>{{true, false}, {false, false}}));
}

TEST_F(KeyboardInputTest, CapsLockTogglesAndReportsItsState) {
  Watch(WM_CHAR);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
  InjectKeyStroke(VK_CAPITAL);
  InjectKeyStroke('A');
  Run();
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
  EXPECT_GE(GetKeyState(VK_CAPITAL), 0);
  ASSERT_EQ(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0].WParam, WPARAM('A'));
}

TEST_F(KeyboardInputTest, WithoutAFocusWindowTheActiveWindowGetsSystemKeys) {
  SetFocus(nullptr);
  InjectKeyStroke('A');
  Run();
  EXPECT_EQ(InputLog(KeyMessages),
            (std::vector<std::string>{"w:WM_SYSKEYDOWN", "w:WM_SYSCHAR", "w:WM_SYSKEYUP"}));
}

TEST_F(KeyboardInputTest, KeysGoToTheFocusWindow) {
  Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Window("w"));
  SetFocus(Window("c"));
  ClearLog();
  InjectKeyStroke(VK_RETURN);
  Run();
  EXPECT_EQ(InputLog(KeyMessages), (std::vector<std::string>{"c:WM_KEYDOWN", "c:WM_CHAR", "c:WM_KEYUP"}));
}

TEST_F(KeyboardInputTest, AltF4ClosesTheWindow) {
  InjectKeyDown(VK_MENU);
  InjectKeyStroke(VK_F4, PointerAlt);
  Run();
  EXPECT_FALSE(IsWindow(Window("w")));
}

TEST_F(KeyboardInputTest, ContextMenuKeyAsksForTheMenuAtNoPoint) {
  Watch(WM_CONTEXTMENU);
  InjectKeyStroke(VK_APPS);
  Run();
  ASSERT_EQ(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0].LParam, -1);
}

}  // namespace
}  // namespace window_test
