// The menu key: DefWindowProc answers an Alt tap or F10 with WM_SYSCOMMAND SC_KEYMENU
// to the top-level window; Alt used with another key is no tap.

#include <utility>

#include "tests/platform/win/InputTestSupport.h"

namespace window_test {
namespace {

class MenuKeyTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    Create("w", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150));
    Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Window("w"));
    SetFocus(Window("c"));
    Answer(WM_SYSCOMMAND,
           [this](HWND AWindow, UINT, WPARAM AWParam, LPARAM ALParam) -> std::optional<LRESULT> {
             if ((AWParam & 0xFFF0) == SC_KEYMENU) {
               EXPECT_EQ(ALParam, 0);
               Asked.push_back(NameOf(AWindow));
             }
             return std::nullopt;
           });
  }
  // The windows that got SC_KEYMENU since the last look, in order.
  std::vector<std::string> MenuKeyCommands() { return std::exchange(Asked, {}); }

  std::vector<std::string> Asked;
};

TEST_F(MenuKeyTest, AnAltTapOrF10AsksTheTopLevelWindowForItsMenu) {
  const struct {
    const char* Name;
    void (*Script)();
    std::size_t Commands;
  } MenuKeyCases[] = {
      {"Alt alone", [] { InjectKeyStroke(VK_MENU); }, 1},
      {"the right Alt alone", [] { InjectKeyStroke(VK_RMENU); }, 1},
      {"Alt held long",
       [] {
         InjectKeyDown(VK_MENU);
         InjectKeyDown(VK_MENU, PointerAlt);
         InjectKeyUp(VK_MENU, PointerAlt);
       },
       1},
      {"F10", [] { InjectKeyStroke(VK_F10); }, 1},
      {"Alt with a letter",
       [] {
         InjectKeyDown(VK_MENU);
         InjectKeyStroke('F', PointerAlt);
         InjectKeyUp(VK_MENU, PointerAlt);
       },
       0},
      {"Alt with Shift pressed meanwhile",
       [] {
         InjectKeyDown(VK_MENU);
         InjectKeyDown(VK_SHIFT, PointerAlt);
         InjectKeyUp(VK_SHIFT, PointerAlt | PointerShift);
         InjectKeyUp(VK_MENU, PointerAlt);
       },
       0},
      {"Alt pressed while Ctrl is held",
       [] {
         InjectKeyDown(VK_CONTROL);
         InjectKeyDown(VK_MENU, PointerControl);
         InjectKeyUp(VK_CONTROL, PointerControl | PointerAlt);
         InjectKeyUp(VK_MENU, PointerAlt);
       },
       0},
      {"a letter alone", [] { InjectKeyStroke('F'); }, 0},
  };
  for (const auto& Case : MenuKeyCases) {
    SCOPED_TRACE(Case.Name);
    Case.Script();
    Run();
    EXPECT_EQ(MenuKeyCommands(), std::vector<std::string>(Case.Commands, "w"));
  }
}

TEST_F(MenuKeyTest, AClickWhileAltIsHeldIsNoTap) {
  InjectKeyDown(VK_MENU);
  InjectClick(At("w", 5, 5), pbLeft, PointerAlt);
  InjectKeyUp(VK_MENU, PointerAlt);
  Run();
  EXPECT_TRUE(MenuKeyCommands().empty());
}

// Alt+Tab to another window and back: the display took the keyboard between the
// press and the release.
TEST_F(MenuKeyTest, LosingTheKeyboardWhileAltIsHeldIsNoTap) {
  InjectKeyDown(VK_MENU);
  InjectTopLevelFocus(Window("w"), false);
  InjectTopLevelFocus(Window("w"), true);
  InjectKeyUp(VK_MENU, PointerAlt);
  Run();
  EXPECT_TRUE(MenuKeyCommands().empty());
  InjectKeyStroke(VK_MENU);
  Run();
  EXPECT_EQ(MenuKeyCommands(), std::vector<std::string>{"w"});
}

// The tap is the release's own: a key pressed after Alt went up does not take it back,
// and a release whose WM_SYSKEYUP the window keeps from DefWindowProc leaves no tap for
// a later one.
TEST_F(MenuKeyTest, EachTapAsksOnceAndOnlyThroughItsOwnRelease) {
  bool KeepRelease = true;
  Answer(WM_SYSKEYUP, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (KeepRelease) return 0;
    return std::nullopt;
  });
  InjectKeyStroke(VK_MENU);
  Run();
  EXPECT_TRUE(MenuKeyCommands().empty());
  KeepRelease = false;
  InjectKeyDown(VK_MENU);
  InjectKeyStroke('F', PointerAlt);
  InjectKeyUp(VK_MENU, PointerAlt);
  Run();
  EXPECT_TRUE(MenuKeyCommands().empty());
  InjectKeyStroke(VK_MENU);
  InjectKeyStroke('X');
  Run();
  EXPECT_EQ(MenuKeyCommands(), std::vector<std::string>{"w"});
}

}  // namespace
}  // namespace window_test
