// The stacking order of top-level windows: topmost windows, owners and owned windows.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class ZOrderTest : public WindowSystemTest {
 protected:
  HWND Popup(const std::string& AName, HWND AOwner = nullptr, DWORD AExStyle = 0) {
    return Create(AName, WS_POPUP | WS_VISIBLE, Bounds(0, 0, 50, 50), AOwner, AExStyle);
  }

  // The stacking order as names, the topmost first; checked against what the backend
  // was told.
  std::vector<std::string> Stack() {
    std::vector<std::string> Names;
    std::vector<HWND> Windows;
    for (HWND Window = GetWindow(GetDesktopWindow(), GW_CHILD); Window;
         Window = GetWindow(Window, GW_HWNDNEXT)) {
      Names.push_back(NameOf(Window));
      Windows.push_back(Window);
    }
    EXPECT_EQ(Headless().StackingOrder(), Windows);
    return Names;
  }

  static void Raise(HWND AWindow, HWND AInsertAfter = HWND_TOP, UINT AFlags = 0) {
    SetWindowPos(AWindow, AInsertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | AFlags);
  }
};

TEST_F(ZOrderTest, NewWindowsComeOnTopButBelowTopmostOnes) {
  Popup("a");
  Popup("top", nullptr, WS_EX_TOPMOST);
  Popup("b");
  EXPECT_EQ(Stack(), (std::vector<std::string>{"top", "b", "a"}));
}

TEST_F(ZOrderTest, TopmostWindowsStayAboveTheOthers) {
  const HWND A = Popup("a");
  const HWND B = Popup("b");
  Raise(A, HWND_TOPMOST);
  EXPECT_TRUE(GetWindowLong(A, GWL_EXSTYLE) & WS_EX_TOPMOST);
  Raise(B, HWND_TOP);
  EXPECT_EQ(Stack(), (std::vector<std::string>{"a", "b"}));
  // Inserting after a topmost window keeps a plain window in its own band.
  const HWND C = Popup("c");
  Raise(C, A);
  EXPECT_EQ(Stack(), (std::vector<std::string>{"a", "c", "b"}));
  Raise(A, HWND_NOTOPMOST);
  EXPECT_FALSE(GetWindowLong(A, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Stack(), (std::vector<std::string>{"a", "c", "b"}));
  Raise(A, HWND_BOTTOM);
  EXPECT_EQ(Stack(), (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(Headless().ExStyle(A) & WS_EX_TOPMOST, 0u);
}

TEST_F(ZOrderTest, OwnedWindowsStayAboveTheirOwnerAndRiseWithIt) {
  const HWND Owner = Popup("owner");
  Popup("owned", Owner);
  const HWND Other = Popup("other");
  EXPECT_EQ(Stack(), (std::vector<std::string>{"other", "owned", "owner"}));
  Raise(Owner);
  EXPECT_EQ(Stack(), (std::vector<std::string>{"owned", "owner", "other"}));
  Raise(Other);
  Raise(Owner, HWND_TOP, SWP_NOOWNERZORDER);
  EXPECT_EQ(Stack(), (std::vector<std::string>{"owner", "other", "owned"}));
  // An owned window sent to the bottom still stays above its owner.
  Raise(Owner);
  Raise(Window("owned"), HWND_BOTTOM);
  EXPECT_EQ(Stack(), (std::vector<std::string>{"owned", "owner", "other"}));
}

TEST_F(ZOrderTest, MakingAnOwnerTopmostTakesItsOwnedWindowsAlong) {
  const HWND Owner = Popup("owner");
  const HWND Owned = Popup("owned", Owner);
  Popup("other");
  Raise(Owner, HWND_TOPMOST);
  EXPECT_TRUE(GetWindowLong(Owned, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Stack(), (std::vector<std::string>{"owned", "owner", "other"}));
  Raise(Owner, HWND_NOTOPMOST);
  EXPECT_FALSE(GetWindowLong(Owned, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
}  // namespace window_test
