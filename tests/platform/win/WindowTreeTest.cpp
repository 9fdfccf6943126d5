// Windows and their tree: handles, relations, re-parenting, enumeration, window longs,
// text, visibility, enabled state and destruction.

#include "platform/win/BackendEvents.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class WindowTreeTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    Top = Create("top", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 200));
    First = Create("first", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Top);
    Second = Create("second", WS_CHILD | WS_VISIBLE, Bounds(20, 20, 50, 50), Top);
  }

  HWND Top = nullptr;
  HWND First = nullptr;
  HWND Second = nullptr;
};

TEST_F(WindowTreeTest, SiblingsAreKeptInZOrderNewestOnTop) {
  EXPECT_EQ(GetWindow(Top, GW_CHILD), Second);
  EXPECT_EQ(GetWindow(Second, GW_HWNDNEXT), First);
  EXPECT_EQ(GetWindow(First, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetWindow(First, GW_HWNDPREV), Second);
  EXPECT_EQ(GetWindow(First, GW_HWNDFIRST), Second);
  EXPECT_EQ(GetWindow(Second, GW_HWNDLAST), First);
  SetWindowPos(First, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(Top, GW_CHILD), First);
  SetWindowPos(First, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(Top, GW_CHILD), Second);
  SetWindowPos(Second, First, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(Top, GW_CHILD), First);
}

TEST_F(WindowTreeTest, ParentOwnerAndDescendants) {
  const HWND Owned = Create("owned", WS_POPUP, Bounds(0, 0, 10, 10), First);
  const HWND Overlapped = Create("overlapped", WS_OVERLAPPED, Bounds(0, 0, 200, 100));
  EXPECT_EQ(GetParent(First), Top);
  // The owner of a top-level window is always top-level, and GetParent of a popup
  // answers it.
  EXPECT_EQ(GetWindow(Owned, GW_OWNER), Top);
  EXPECT_EQ(GetParent(Owned), Top);
  EXPECT_EQ(GetParent(Overlapped), nullptr);
  EXPECT_EQ(GetWindowLong(First, GWL_HWNDPARENT), reinterpret_cast<LONG_PTR>(Top));
  EXPECT_TRUE(IsChild(Top, First));
  EXPECT_FALSE(IsChild(Top, Owned));
  EXPECT_FALSE(IsChild(First, Second));
  EXPECT_EQ(GetWindow(Top, GW_OWNER), nullptr);
  EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), Overlapped);
}

TEST_F(WindowTreeTest, HandlesOfDestroyedWindowsStayDead) {
  DestroyWindow(First);
  EXPECT_FALSE(IsWindow(First));
  EXPECT_EQ(GetParent(First), nullptr);
  EXPECT_FALSE(DestroyWindow(First));
  const HWND Later = Create("later", WS_CHILD, Bounds(0, 0, 5, 5), Top);
  EXPECT_NE(Later, First);
  EXPECT_FALSE(IsWindow(First));
  EXPECT_FALSE(IsWindow(nullptr));
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(0x1234)));
  EXPECT_FALSE(IsWindow(HWND_TOPMOST));
  EXPECT_FALSE(IsWindow(HWND_NOTOPMOST));
  EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(Later) + 1)));
}

TEST_F(WindowTreeTest, HandlesOfAnEarlierRunOfTheWindowSystemAreNeitherAliveNorGivenOutAgain) {
  const std::vector<HWND> Earlier{Top, First, Second};
  WindowSystemTest::TearDown();  // stops the window system
  WindowSystemTest::SetUp();     // starts it again
  const HWND Again = Create("again", WS_POPUP, Bounds(0, 0, 10, 10));
  ASSERT_NE(Again, nullptr);
  for (HWND Handle : Earlier) {
    EXPECT_FALSE(IsWindow(Handle));
    EXPECT_NE(Again, Handle);
  }
  EXPECT_TRUE(IsWindow(Again));
}

TEST_F(WindowTreeTest, AWindowMayDestroyItselfFromItsOwnProcedure) {
  Answer(WM_PING, [](HWND AWindow, UINT, WPARAM, LPARAM) {
    DestroyWindow(AWindow);
    return std::optional<LRESULT>(5);
  });
  EXPECT_EQ(SendMessage(Second, WM_PING, 0, 0), 5);
  EXPECT_FALSE(IsWindow(Second));
  EXPECT_EQ(GetWindow(Top, GW_CHILD), First);
}

TEST_F(WindowTreeTest, DestroyWindowFromWmDestroyIsHarmless) {
  Answer(WM_DESTROY, [](HWND AWindow, UINT, WPARAM, LPARAM) {
    DestroyWindow(AWindow);
    return std::optional<LRESULT>(0);
  });
  ClearLog();
  DestroyWindow(Top);
  EXPECT_EQ(LogOf({WM_DESTROY, WM_NCDESTROY}),
            (std::vector<std::string>{"top:WM_DESTROY", "second:WM_DESTROY", "first:WM_DESTROY",
                                      "second:WM_NCDESTROY", "first:WM_NCDESTROY", "top:WM_NCDESTROY"}));
  EXPECT_FALSE(IsWindow(First));
}

TEST_F(WindowTreeTest, CloseRequestsEndInDestruction) {
  DeliverCloseRequest(Top);
  EXPECT_EQ(LogOf({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}),
            (std::vector<std::string>{"top:WM_SYSCOMMAND", "top:WM_CLOSE", "top:WM_DESTROY",
                                      "second:WM_DESTROY", "first:WM_DESTROY"}));
  EXPECT_FALSE(IsWindow(Top));
}

TEST_F(WindowTreeTest, SetParentKeepsThePositionInTheParentsClientArea) {
  const HWND Other = Create("other", WS_POPUP | WS_VISIBLE, Bounds(300, 300, 100, 100));
  EXPECT_EQ(SetParent(First, Other), Top);
  EXPECT_EQ(GetParent(First), Other);
  EXPECT_EQ(GetWindow(Other, GW_CHILD), First);
  EXPECT_EQ(GetWindow(Top, GW_CHILD), Second);
  EXPECT_TRUE(IsWindowVisible(First));
  RECT Rect;
  GetWindowRect(First, &Rect);
  EXPECT_EQ(Rect, Bounds(310, 310, 50, 50));
  // A window never becomes its own descendant.
  EXPECT_EQ(SetParent(Top, Second), nullptr);
}

TEST_F(WindowTreeTest, EnumerationVisitsEachWindowBeforeItsChildren) {
  const HWND Grandchild = Create("grandchild", WS_CHILD, Bounds(0, 0, 5, 5), First);
  std::vector<HWND> Visited;
  EXPECT_TRUE(EnumChildWindows(Top, [&](HWND AWindow) {
    Visited.push_back(AWindow);
    return true;
  }));
  EXPECT_EQ(Visited, (std::vector<HWND>{Second, First, Grandchild}));
  Visited.clear();
  EXPECT_FALSE(EnumChildWindows(Top, [&](HWND AWindow) {
    Visited.push_back(AWindow);
    return AWindow != First;
  }));
  EXPECT_EQ(Visited, (std::vector<HWND>{Second, First}));
  Visited.clear();
  // Windows destroyed during the walk are skipped.
  EnumChildWindows(Top, [&](HWND AWindow) {
    Visited.push_back(AWindow);
    if (AWindow == Second) DestroyWindow(First);
    return true;
  });
  EXPECT_EQ(Visited, std::vector<HWND>{Second});
  const HWND Other = Create("other", WS_POPUP, Bounds(0, 0, 5, 5));
  Visited.clear();
  EnumWindows([&](HWND AWindow) {
    Visited.push_back(AWindow);
    return true;
  });
  EXPECT_EQ(Visited, (std::vector<HWND>{Other, Top}));
}

TEST_F(WindowTreeTest, WindowLongs) {
  EXPECT_EQ(SetWindowLong(First, GWL_USERDATA, 77), 0);
  EXPECT_EQ(GetWindowLong(First, GWL_USERDATA), 77);
  SetWindowLong(First, GWL_ID, 12);
  EXPECT_EQ(GetWindowLongPtr(First, GWLP_ID), 12);
  EXPECT_EQ(GetWindowLong(First, 1234), 0);
  const HWND Popup = Create("popup", WS_POPUP, Bounds(0, 0, 5, 5));
  EXPECT_EQ(SetWindowLong(Popup, GWL_HWNDPARENT, reinterpret_cast<LONG_PTR>(First)), 0);
  EXPECT_EQ(GetWindow(Popup, GW_OWNER), Top);
}

TEST_F(WindowTreeTest, StyleChangesAreAnnouncedAndMayBeEdited) {
  Answer(WM_STYLECHANGING, [](HWND, UINT, WPARAM AIndex, LPARAM ALParam) {
    if (AIndex == static_cast<WPARAM>(GWL_STYLE))
      reinterpret_cast<STYLESTRUCT*>(ALParam)->styleNew |= WS_BORDER;
    return std::optional<LRESULT>(0);
  });
  ClearLog();
  const LONG_PTR Old = SetWindowLong(First, GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
  EXPECT_EQ(Old, static_cast<LONG_PTR>(WS_CHILD | WS_VISIBLE));
  EXPECT_EQ(GetWindowLong(First, GWL_STYLE),
            static_cast<LONG_PTR>(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER));
  EXPECT_EQ(Log(), (std::vector<std::string>{"first:WM_STYLECHANGING", "first:WM_STYLECHANGED"}));
  // Topmost changes only through SetWindowPos.
  SetWindowLong(Top, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_LAYERED);
  EXPECT_EQ(GetWindowLong(Top, GWL_EXSTYLE), static_cast<LONG_PTR>(WS_EX_LAYERED));
  EXPECT_EQ(Headless().ExStyle(Top), WS_EX_LAYERED);
}

TEST_F(WindowTreeTest, TextIsUtf8AndNeverCutInsideACharacter) {
  ASSERT_TRUE(SetWindowText(First, "Größe"));
  EXPECT_EQ(GetWindowTextLength(First), 7);
  EXPECT_EQ(GetWindowText(First), "Größe");
  char Buffer[4];
  EXPECT_EQ(GetWindowText(First, Buffer, sizeof Buffer), 2);
  EXPECT_STREQ(Buffer, "Gr");
  SetWindowText(Top, "Pelladrin");
  EXPECT_EQ(Headless().Text(Top), "Pelladrin");
  EXPECT_EQ(GetWindowText(Top), "Pelladrin");
}

TEST_F(WindowTreeTest, TextGoesThroughTheWindowProcedure) {
  Answer(WM_GETTEXTLENGTH, [](auto...) { return std::optional<LRESULT>(3); });
  Answer(WM_GETTEXT, [](HWND, UINT, WPARAM ASize, LPARAM ABuffer) {
    std::snprintf(reinterpret_cast<char*>(ABuffer), ASize, "own");
    return std::optional<LRESULT>(3);
  });
  EXPECT_EQ(GetWindowText(First), "own");
}

TEST_F(WindowTreeTest, VisibilityNeedsEveryAncestorVisible) {
  EXPECT_TRUE(IsWindowVisible(First));
  ShowWindow(Top, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(First));
  EXPECT_TRUE(GetWindowLong(First, GWL_STYLE) & WS_VISIBLE);
  ShowWindow(Top, SW_SHOWNA);
  EXPECT_TRUE(IsWindowVisible(First));
}

TEST_F(WindowTreeTest, EnableWindowCancelsModesAndAnnouncesTheChange) {
  ClearLog();
  EXPECT_FALSE(EnableWindow(First, false));
  EXPECT_FALSE(IsWindowEnabled(First));
  EXPECT_TRUE(EnableWindow(First, false));
  EXPECT_TRUE(EnableWindow(First, true));
  EXPECT_TRUE(IsWindowEnabled(First));
  EXPECT_EQ(Log(), (std::vector<std::string>{"first:WM_CANCELMODE", "first:WM_ENABLE", "first:WM_CANCELMODE",
                                             "first:WM_ENABLE"}));
}

TEST_F(WindowTreeTest, DestructionDropsQueuedMessagesAndTimers) {
  PostMessage(First, WM_PING, 0, 0);
  SetTimer(First, 1, 10, nullptr);
  DestroyWindow(Top);
  ClearLog();
  Headless().AdvanceClock(100);
  EXPECT_TRUE(Log().empty());
  EXPECT_FALSE(Headless().IsKnown(Top));
}

}  // namespace
}  // namespace window_test
