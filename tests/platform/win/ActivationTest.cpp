// Activation and focus changes: the messages, in the order the system the program was
// designed on sends them, and where activation and focus end up.

#include "tests/platform/win/InputTestSupport.h"

namespace window_test {
namespace {

const std::initializer_list<UINT> ActivationMessages = {
    WM_MOUSEACTIVATE, WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONDOWN};

class ActivationTest;

struct TActivationCase {
  const char* Name;
  std::function<void(ActivationTest&)> Act;
  std::vector<std::string> Expected;
  // Where activation and focus end up.
  const char* Active;
  const char* Focus;
};

void PrintTo(const TActivationCase& ACase, std::ostream* AStream) { *AStream << ACase.Name; }

// Two visible popups a (left) and b (right), b created last and so active, and a child
// c in a.
class ActivationTest : public InputTest, public ::testing::WithParamInterface<TActivationCase> {
 public:
  using InputTest::At;
  using InputTest::ClearLog;
  using InputTest::Run;
  using InputTest::Window;

 protected:
  void SetUp() override {
    InputTest::SetUp();
    Create("a", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150));
    Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 40), Window("a"));
    Create("b", WS_POPUP | WS_VISIBLE, Bounds(400, 100, 200, 150));
    ClearLog();
  }
};

const std::vector<TActivationCase> Cases = {
    {"ClickOnInactiveWindow",
     [](ActivationTest& T) {
       InjectClick(T.At("a", 100, 100));
       T.Run();
     },
     {"a:WM_MOUSEACTIVATE", "b:WM_NCACTIVATE", "b:WM_ACTIVATE", "a:WM_NCACTIVATE", "a:WM_ACTIVATE",
      "b:WM_KILLFOCUS", "a:WM_SETFOCUS", "a:WM_LBUTTONDOWN"},
     "a",
     "a"},
    {"ClickOnChildOfInactiveWindowAsksTheChild",
     [](ActivationTest& T) {
       InjectClick(T.At("c", 5, 5));
       T.Run();
     },
     {"c:WM_MOUSEACTIVATE", "a:WM_MOUSEACTIVATE", "b:WM_NCACTIVATE", "b:WM_ACTIVATE", "a:WM_NCACTIVATE",
      "a:WM_ACTIVATE", "b:WM_KILLFOCUS", "a:WM_SETFOCUS", "c:WM_LBUTTONDOWN"},
     "a",
     "a"},
    {"ClickOnActiveWindowChangesNothing",
     [](ActivationTest& T) {
       InjectClick(T.At("b", 5, 5));
       T.Run();
     },
     {"b:WM_LBUTTONDOWN"},
     "b",
     "b"},
    {"SetFocusActivatesTheTopLevelWindowFirst",
     [](ActivationTest& T) { SetFocus(T.Window("c")); },
     {"b:WM_NCACTIVATE", "b:WM_ACTIVATE", "a:WM_NCACTIVATE", "a:WM_ACTIVATE", "b:WM_KILLFOCUS",
      "a:WM_SETFOCUS", "a:WM_KILLFOCUS", "c:WM_SETFOCUS"},
     "a",
     "c"},
    {"ProgramLosesTheForeground",
     [](ActivationTest& T) {
       InjectTopLevelFocus(T.Window("b"), false);
       T.Run();
     },
     {"b:WM_NCACTIVATE", "b:WM_ACTIVATE", "b:WM_ACTIVATEAPP", "a:WM_ACTIVATEAPP", "b:WM_KILLFOCUS"},
     nullptr,
     nullptr},
    {"ProgramComesBackToTheForeground",
     [](ActivationTest& T) {
       InjectTopLevelFocus(T.Window("b"), false);
       T.Run();
       T.ClearLog();
       InjectTopLevelFocus(T.Window("a"), true);
       T.Run();
     },
     {"a:WM_ACTIVATEAPP", "b:WM_ACTIVATEAPP", "a:WM_NCACTIVATE", "a:WM_ACTIVATE", "a:WM_SETFOCUS"},
     "a",
     "a"},
    {"FocusLossOfAnInactiveWindowIsIgnored",
     [](ActivationTest& T) {
       InjectTopLevelFocus(T.Window("a"), false);
       T.Run();
     },
     {},
     "b",
     "b"},
    {"HidingTheActiveWindowActivatesTheNextOne",
     [](ActivationTest& T) { ShowWindow(T.Window("b"), SW_HIDE); },
     {"b:WM_NCACTIVATE", "b:WM_ACTIVATE", "a:WM_NCACTIVATE", "a:WM_ACTIVATE", "b:WM_KILLFOCUS",
      "a:WM_SETFOCUS"},
     "a",
     "a"},
    {"DestroyingTheActiveWindowActivatesTheNextOne",
     [](ActivationTest& T) { DestroyWindow(T.Window("b")); },
     {"b:WM_NCACTIVATE", "b:WM_ACTIVATE", "a:WM_NCACTIVATE", "a:WM_ACTIVATE", "b:WM_KILLFOCUS",
      "a:WM_SETFOCUS"},
     "a",
     "a"},
    {"HidingTheFocusChildGivesTheFocusToItsParent",
     [](ActivationTest& T) {
       SetFocus(T.Window("c"));
       T.ClearLog();
       ShowWindow(T.Window("c"), SW_HIDE);
     },
     {"c:WM_KILLFOCUS", "a:WM_SETFOCUS"},
     "a",
     "a"},
    {"DisablingTheFocusWindowTakesTheFocusAway",
     [](ActivationTest& T) { EnableWindow(T.Window("b"), false); },
     {"b:WM_KILLFOCUS"},
     "b",
     nullptr},
};

TEST_P(ActivationTest, SendsTheMessagesInOrder) {
  GetParam().Act(*this);
  EXPECT_EQ(InputLog(ActivationMessages), GetParam().Expected);
  const auto Named = [this](const char* AName) { return AName ? Window(AName) : nullptr; };
  EXPECT_EQ(GetActiveWindow(), Named(GetParam().Active));
  EXPECT_EQ(GetFocus(), Named(GetParam().Focus));
  if (GetParam().Active) {
    EXPECT_EQ(Headless().ActiveWindow(), Named(GetParam().Active));
  }
}

INSTANTIATE_TEST_SUITE_P(Changes, ActivationTest, ::testing::ValuesIn(Cases),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

class ActivationDetailTest : public InputTest {};

TEST_F(ActivationDetailTest, FirstWindowShownBringsTheProgramToTheForeground) {
  Create("p", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 100, 100));
  EXPECT_EQ(InputLog(ActivationMessages), (std::vector<std::string>{"p:WM_ACTIVATEAPP", "p:WM_NCACTIVATE",
                                                                    "p:WM_ACTIVATE", "p:WM_SETFOCUS"}));
  EXPECT_EQ(GetForegroundWindow(), Window("p"));
}

TEST_F(ActivationDetailTest, ClickActivationNamesTheOtherWindow) {
  Create("a", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 100, 100));
  Create("b", WS_POPUP | WS_VISIBLE, Bounds(200, 10, 100, 100));
  Watch(WM_ACTIVATE);
  InjectClick(At("a", 5, 5));
  Run();
  const auto Seen = SeenOf(WM_ACTIVATE);
  ASSERT_EQ(Seen.size(), 2u);
  EXPECT_EQ(Seen[0].Window, "b");
  EXPECT_EQ(LOWORD(Seen[0].WParam), WA_INACTIVE);
  EXPECT_EQ(reinterpret_cast<HWND>(Seen[0].LParam), Window("a"));
  EXPECT_EQ(Seen[1].Window, "a");
  EXPECT_EQ(LOWORD(Seen[1].WParam), WA_CLICKACTIVE);
  EXPECT_EQ(reinterpret_cast<HWND>(Seen[1].LParam), Window("b"));
  // The click raised the window it activated.
  EXPECT_EQ(Headless().StackingOrder().front(), Window("a"));
}

TEST_F(ActivationDetailTest, DisabledWindowsAreNeverActivated) {
  Create("a", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 100, 100));
  Create("b", WS_POPUP | WS_VISIBLE | WS_DISABLED, Bounds(200, 10, 100, 100));
  EXPECT_EQ(GetActiveWindow(), Window("a"));
  EXPECT_EQ(SetActiveWindow(Window("b")), nullptr);
  EXPECT_EQ(SetFocus(Window("b")), nullptr);
  EXPECT_EQ(GetActiveWindow(), Window("a"));
  EXPECT_EQ(GetFocus(), Window("a"));
}

// A click on a window disabled for a modal window reaches no window and brings the
// modal window forward.
TEST_F(ActivationDetailTest, ClickOnDisabledOwnerActivatesItsModalWindow) {
  Create("owner", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 300, 300));
  Create("modal", WS_POPUP | WS_VISIBLE, Bounds(400, 10, 100, 100), Window("owner"));
  Create("other", WS_POPUP | WS_VISIBLE, Bounds(600, 10, 100, 100));
  EnableWindow(Window("owner"), false);
  ClearLog();
  InjectClick(At("owner", 5, 5));
  Run();
  EXPECT_EQ(InputLog({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEACTIVATE}), std::vector<std::string>{});
  EXPECT_EQ(GetActiveWindow(), Window("modal"));
}

struct TMouseActivateCase {
  const char* Name;
  LRESULT Answer;
  bool Activated;
  bool PressArrives;
};

void PrintTo(const TMouseActivateCase& ACase, std::ostream* AStream) { *AStream << ACase.Name; }

class MouseActivateTest : public InputTest, public ::testing::WithParamInterface<TMouseActivateCase> {};

// A popup p owned by the active, focused window w answers WM_MOUSEACTIVATE.
TEST_P(MouseActivateTest, AnswerIsHonoured) {
  Create("w", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 300, 300));
  Create("p", WS_POPUP | WS_VISIBLE, Bounds(50, 50, 100, 100), Window("w"));
  SetActiveWindow(Window("w"));
  Answer(WM_MOUSEACTIVATE,
         [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return GetParam().Answer; });
  ClearLog();
  InjectClick(At("p", 5, 5));
  Run();
  const HWND Expected = GetParam().Activated ? Window("p") : Window("w");
  EXPECT_EQ(GetActiveWindow(), Expected);
  EXPECT_EQ(GetFocus(), Expected);
  EXPECT_EQ(InputLog({WM_LBUTTONDOWN}).size(), GetParam().PressArrives ? 1u : 0u);
  // The release is never eaten.
  EXPECT_EQ(InputLog({WM_LBUTTONUP}), std::vector<std::string>{"p:WM_LBUTTONUP"});
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MouseActivateTest,
    ::testing::Values(TMouseActivateCase{"Activate", MA_ACTIVATE, true, true},
                      TMouseActivateCase{"ActivateAndEat", MA_ACTIVATEANDEAT, true, false},
                      TMouseActivateCase{"NoActivate", MA_NOACTIVATE, false, true},
                      TMouseActivateCase{"NoActivateAndEat", MA_NOACTIVATEANDEAT, false, false}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST_F(ActivationDetailTest, NoActivatePopupNeverTakesActivationOrFocus) {
  Create("w", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 300, 300));
  Create("p", WS_POPUP, Bounds(50, 50, 100, 100), nullptr, WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
  SetWindowPos(Window("p"), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  ClearLog();
  InjectClick(At("p", 5, 5));
  InjectClick(At("p", 20, 20));
  Run();
  EXPECT_EQ(GetActiveWindow(), Window("w"));
  EXPECT_EQ(GetFocus(), Window("w"));
  EXPECT_EQ(InputLog({WM_MOUSEACTIVATE, WM_LBUTTONDOWN, WM_NCACTIVATE, WM_SETFOCUS}),
            (std::vector<std::string>{"p:WM_MOUSEACTIVATE", "p:WM_LBUTTONDOWN", "p:WM_MOUSEACTIVATE",
                                      "p:WM_LBUTTONDOWN"}));
}

}  // namespace
}  // namespace window_test
