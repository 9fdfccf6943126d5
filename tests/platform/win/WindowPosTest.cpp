// Placement: the client area from WM_NCCALCSIZE, coordinates, WM_WINDOWPOSCHANGING
// edits, size limits, maximizing and minimizing.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class WindowPosTest : public WindowSystemTest {
 protected:
  TRect ClientOnScreen(HWND AWindow) {
    RECT Client;
    GetClientRect(AWindow, &Client);
    POINT Origin{0, 0};
    ClientToScreen(AWindow, &Origin);
    OffsetRect(Client, Origin.X, Origin.Y);
    return Client;
  }

  TRect WindowRectOf(HWND AWindow) {
    RECT Rect;
    GetWindowRect(AWindow, &Rect);
    return Rect;
  }
};

struct TFrameCase {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
  TRect Insets;  // left, top, right, bottom
};

class DefaultFrameTest : public WindowPosTest, public ::testing::WithParamInterface<TFrameCase> {};

TEST_P(DefaultFrameTest, TheClientAreaLeavesTheFrameTheStylesAskFor) {
  const TFrameCase& Case = GetParam();
  const HWND Window = Create("w", WS_POPUP | Case.Style, Bounds(100, 50, 300, 200), nullptr, Case.ExStyle);
  const TRect Client = ClientOnScreen(Window);
  EXPECT_EQ(Client, Rect(100 + Case.Insets.Left, 50 + Case.Insets.Top, 400 - Case.Insets.Right,
                         250 - Case.Insets.Bottom));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, DefaultFrameTest,
    ::testing::Values(TFrameCase{"None", 0, 0, {0, 0, 0, 0}},
                      TFrameCase{"Border", WS_BORDER, 0, {1, 1, 1, 1}},
                      TFrameCase{"Caption", WS_CAPTION, 0, {3, 22, 3, 3}},
                      TFrameCase{"SizeableCaption", WS_CAPTION | WS_THICKFRAME, 0, {4, 23, 4, 4}},
                      TFrameCase{"ToolWindowCaption", WS_CAPTION, WS_EX_TOOLWINDOW, {3, 19, 3, 3}},
                      TFrameCase{"ClientEdge", 0, WS_EX_CLIENTEDGE, {2, 2, 2, 2}},
                      TFrameCase{"ScrollBars", WS_VSCROLL | WS_HSCROLL, 0, {0, 0, 17, 17}}),
    [](const ::testing::TestParamInfo<TFrameCase>& AInfo) { return AInfo.param.Name; });

TEST_F(WindowPosTest, AWindowsOwnNcCalcSizeDecidesItsClientArea) {
  // A skinned frame: 3 pixels around and a 22-pixel caption.
  Answer(WM_NCCALCSIZE, [](HWND, UINT, WPARAM AWParam, LPARAM ALParam) {
    RECT& R =
        AWParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0] : *reinterpret_cast<RECT*>(ALParam);
    R = Rect(R.Left + 3, R.Top + 3 + 22, R.Right - 3, R.Bottom - 3);
    return std::optional<LRESULT>(0);
  });
  const HWND Window = Create("w", WS_POPUP, Bounds(100, 50, 300, 200));
  EXPECT_EQ(ClientOnScreen(Window), Rect(103, 75, 397, 247));
  const HWND Child = Create("c", WS_CHILD, Bounds(10, 20, 30, 30), Window);
  EXPECT_EQ(WindowRectOf(Child), Bounds(113, 95, 30, 30));
  Answer(WM_SIZE, [&](HWND AWindow, UINT, WPARAM, LPARAM ALParam) {
    if (AWindow == Window) {
      EXPECT_EQ(ALParam, MAKELPARAM(394, 72));
    }
    return std::optional<LRESULT>(0);
  });
  SetWindowPos(Window, nullptr, 0, 0, 400, 100, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(ClientOnScreen(Window), Rect(103, 75, 497, 147));
  // The children move with the client area.
  SetWindowPos(Window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(WindowRectOf(Child), Bounds(13, 45, 30, 30));
}

TEST_F(WindowPosTest, CoordinatesMapBetweenClientAreasAndTheScreen) {
  const HWND Top = Create("top", WS_POPUP | WS_CAPTION, Bounds(100, 50, 300, 200));
  const HWND Child = Create("child", WS_CHILD, Bounds(10, 20, 50, 50), Top);
  POINT Point{1, 2};
  ASSERT_TRUE(ClientToScreen(Child, &Point));
  EXPECT_EQ(Point, POINT(114, 94));
  ASSERT_TRUE(ScreenToClient(Top, &Point));
  EXPECT_EQ(Point, POINT(11, 22));
  POINT Points[2] = {{0, 0}, {5, 5}};
  const int Moved = MapWindowPoints(Child, nullptr, Points, 2);
  EXPECT_EQ(Points[1], POINT(118, 97));
  EXPECT_EQ(LOWORD(static_cast<uint32_t>(Moved)), 113);
  EXPECT_EQ(HIWORD(static_cast<uint32_t>(Moved)), 92);
  DestroyWindow(Child);
  EXPECT_FALSE(ClientToScreen(Child, &Point));
}

TEST_F(WindowPosTest, WindowPosChangingMayChangeTheRequest) {
  const HWND Window = Create("w", WS_POPUP, Bounds(0, 0, 100, 100));
  Answer(WM_WINDOWPOSCHANGING, [](HWND, UINT, WPARAM, LPARAM ALParam) {
    auto* Pos = reinterpret_cast<WINDOWPOS*>(ALParam);
    Pos->cx = std::min(Pos->cx, 150);
    Pos->x = 7;
    return std::optional<LRESULT>(0);
  });
  WINDOWPOS Reported;
  Answer(WM_WINDOWPOSCHANGED, [&](HWND, UINT, WPARAM, LPARAM ALParam) {
    Reported = *reinterpret_cast<WINDOWPOS*>(ALParam);
    return std::optional<LRESULT>(0);
  });
  SetWindowPos(Window, nullptr, 50, 60, 400, 80, SWP_NOZORDER);
  EXPECT_EQ(WindowRectOf(Window), Bounds(7, 60, 150, 80));
  EXPECT_EQ((std::vector<int>{Reported.x, Reported.y, Reported.cx, Reported.cy}),
            (std::vector<int>{7, 60, 150, 80}));
  EXPECT_TRUE(Reported.flags & SWP_NOZORDER);
  // A move alone still reports the final rectangle, not the zeros of the request.
  SetWindowPos(Window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ((std::vector<int>{Reported.x, Reported.cx, Reported.cy}), (std::vector<int>{7, 150, 80}));
}

TEST_F(WindowPosTest, SizeableWindowsStayWithinTheirTrackingLimits) {
  Answer(WM_GETMINMAXINFO, [](HWND, UINT, WPARAM, LPARAM ALParam) {
    auto* Info = reinterpret_cast<MINMAXINFO*>(ALParam);
    Info->ptMinTrackSize = {120, 90};
    Info->ptMaxTrackSize = {500, 400};
    return std::optional<LRESULT>(0);
  });
  const HWND Window = Create("w", WS_POPUP | WS_THICKFRAME, Bounds(0, 0, 50, 900));
  EXPECT_EQ(WindowRectOf(Window), Bounds(0, 0, 120, 400));
  MoveWindow(Window, 0, 0, 1000, 10, true);
  EXPECT_EQ(WindowRectOf(Window), Bounds(0, 0, 500, 90));
  // A popup without a sizing frame has no limits.
  const HWND Plain = Create("plain", WS_POPUP, Bounds(0, 0, 5, 900));
  EXPECT_EQ(WindowRectOf(Plain), Bounds(0, 0, 5, 900));
}

TEST_F(WindowPosTest, MaximizeTakesTheBoundsWmGetMinMaxInfoGivesAndRestoreGoesBack) {
  const HWND Window = Create("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  ShowWindow(Window, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(Window));
  // By default the frame lies just outside the work area (1280 × 760).
  EXPECT_EQ(WindowRectOf(Window), Rect(-4, -4, 1284, 764));
  ShowWindow(Window, SW_RESTORE);
  EXPECT_FALSE(IsZoomed(Window));
  EXPECT_EQ(WindowRectOf(Window), Bounds(100, 100, 300, 200));

  Answer(WM_GETMINMAXINFO, [](HWND, UINT, WPARAM, LPARAM ALParam) {
    auto* Info = reinterpret_cast<MINMAXINFO*>(ALParam);
    Info->ptMaxPosition = {10, 20};
    Info->ptMaxSize = {600, 500};
    return std::optional<LRESULT>(0);
  });
  ClearLog();
  ShowWindow(Window, SW_MAXIMIZE);
  EXPECT_EQ(WindowRectOf(Window), Bounds(10, 20, 600, 500));
  EXPECT_EQ(LogOf({WM_SIZE}), std::vector<std::string>{"w:WM_SIZE"});
}

TEST_F(WindowPosTest, AMinimizedWindowRestoresToItsFormerState) {
  std::vector<WPARAM> SizeKinds;
  Answer(WM_SIZE, [&](HWND, UINT, WPARAM AKind, LPARAM) {
    SizeKinds.push_back(AKind);
    return std::optional<LRESULT>(0);
  });
  const HWND Window = Create("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200));
  SizeKinds.clear();
  ShowWindow(Window, SW_MAXIMIZE);
  ShowWindow(Window, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(Window));
  EXPECT_FALSE(IsZoomed(Window));
  ShowWindow(Window, SW_RESTORE);
  EXPECT_TRUE(IsZoomed(Window));
  ShowWindow(Window, SW_RESTORE);
  EXPECT_EQ(WindowRectOf(Window), Bounds(100, 100, 300, 200));
  EXPECT_EQ(SizeKinds, (std::vector<WPARAM>{SIZE_MAXIMIZED, SIZE_MINIMIZED, SIZE_MAXIMIZED, SIZE_RESTORED}));
}

TEST_F(WindowPosTest, TheBackendMirrorsTopLevelWindows) {
  const HWND Window = Create("w", WS_POPUP, Bounds(10, 10, 100, 100));
  ASSERT_TRUE(Headless().IsKnown(Window));
  EXPECT_FALSE(Headless().IsShown(Window));
  ShowWindow(Window, SW_SHOWNOACTIVATE);
  EXPECT_TRUE(Headless().IsShown(Window));
  MoveWindow(Window, 20, 30, 40, 50, true);
  EXPECT_EQ(Headless().WindowRect(Window), Bounds(20, 30, 40, 50));
  const HWND Child = Create("c", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 5, 5), Window);
  EXPECT_FALSE(Headless().IsKnown(Child));
  ShowWindow(Window, SW_HIDE);
  EXPECT_FALSE(Headless().IsShown(Window));
}

}  // namespace
}  // namespace window_test
