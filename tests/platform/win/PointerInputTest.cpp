// Pointer input: double clicks, capture, the wheel, leave tracking, parent
// notification, cursors, disabled windows and the non-client messages.

#include "platform/win/Cursors.h"
#include "tests/platform/win/InputTestSupport.h"

namespace window_test {
namespace {

const TRect InputPlace = Bounds(100, 100, 200, 150);

class PointerInputTest : public InputTest {
 protected:
  void AdvanceClock(uint32_t AMilliseconds) { Headless().AdvanceClock(AMilliseconds); }
  // Answers WM_NCHITTEST with ACode everywhere a window lies.
  void HitTestAs(LRESULT ACode) {
    Answer(WM_NCHITTEST, [ACode](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return ACode; });
  }
};

struct TDoubleClickCase {
  const char* Name;
  // The second press: its distance from the first and the time between them.
  int DX;
  int DY;
  uint32_t Pause;
  bool ClassHasDblClks;
  std::vector<std::string> Expected;
};

void PrintTo(const TDoubleClickCase& ACase, std::ostream* AStream) { *AStream << ACase.Name; }

class DoubleClickTest : public PointerInputTest, public ::testing::WithParamInterface<TDoubleClickCase> {};

TEST_P(DoubleClickTest, SecondPressIsADoubleClickOnlyWithinTimeAndSlop) {
  const TDoubleClickCase& Case = GetParam();
  Create("w", WS_POPUP | WS_VISIBLE, InputPlace);
  if (!Case.ClassHasDblClks) SetClassLong(Window("w"), GCL_STYLE, 0);
  InjectClick(At("w", 50, 50));
  Run();
  AdvanceClock(Case.Pause);
  InjectClick(At("w", 50 + Case.DX, 50 + Case.DY));
  Run();
  EXPECT_EQ(InputLog({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), Case.Expected);
}

const std::vector<std::string> DownDblClk = {"w:WM_LBUTTONDOWN", "w:WM_LBUTTONDBLCLK"};
const std::vector<std::string> DownDown = {"w:WM_LBUTTONDOWN", "w:WM_LBUTTONDOWN"};

INSTANTIATE_TEST_SUITE_P(
    Presses, DoubleClickTest,
    ::testing::Values(TDoubleClickCase{"AtOnce", 0, 0, 0, true, DownDblClk},
                      TDoubleClickCase{"WithinTimeAndSlop", 2, -2, 499, true, DownDblClk},
                      TDoubleClickCase{"AfterTheDoubleClickTime", 0, 0, 500, true, DownDown},
                      TDoubleClickCase{"OutsideTheSlopAcross", 3, 0, 100, true, DownDown},
                      TDoubleClickCase{"OutsideTheSlopDown", 0, 3, 100, true, DownDown},
                      TDoubleClickCase{"ClassWithoutDblClks", 0, 0, 100, false, DownDown}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST_F(PointerInputTest, ThirdPressStartsAnew) {
  Create("w", WS_POPUP | WS_VISIBLE, InputPlace);
  InjectDoubleClick(At("w", 5, 5));
  InjectClick(At("w", 5, 5));
  Run();
  EXPECT_EQ(InputLog({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
            (std::vector<std::string>{"w:WM_LBUTTONDOWN", "w:WM_LBUTTONDBLCLK", "w:WM_LBUTTONDOWN"}));
}

TEST_F(PointerInputTest, NonClientDoubleClicksNeedNoClassStyle) {
  Create("w", WS_POPUP | WS_VISIBLE, InputPlace);
  SetClassLong(Window("w"), GCL_STYLE, 0);
  HitTestAs(HTBORDER);
  Watch(WM_NCLBUTTONDBLCLK);
  InjectDoubleClick(At("w", 5, 5));
  Run();
  EXPECT_EQ(InputLog({WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK}),
            (std::vector<std::string>{"w:WM_NCLBUTTONDOWN", "w:WM_NCLBUTTONUP", "w:WM_NCLBUTTONDBLCLK",
                                      "w:WM_NCLBUTTONUP"}));
  // Non-client messages carry the hit-test code and the screen point.
  ASSERT_EQ(Seen().size(), 1u);
  EXPECT_EQ(static_cast<LRESULT>(Seen()[0].WParam), HTBORDER);
  EXPECT_EQ(LParamToPoint(Seen()[0].LParam), At("w", 5, 5));
}

// The window takes the capture on the press and lets it go on the release; the drag
// leaves the window and every program window on the way.
TEST_F(PointerInputTest, CaptureFollowsADragOutOfTheWindow) {
  Create("w", WS_POPUP | WS_VISIBLE, InputPlace);
  Create("other", WS_POPUP | WS_VISIBLE, Bounds(400, 100, 100, 100));
  SetActiveWindow(Window("w"));
  Answer(WM_LBUTTONDOWN, [](HWND AWindow, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    SetCapture(AWindow);
    return 0;
  });
  Answer(WM_LBUTTONUP, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    ReleaseCapture();
    return 0;
  });
  Watch(WM_MOUSEMOVE);
  Watch(WM_CAPTURECHANGED);
  InjectPointerMove(At("w", 10, 10));
  InjectPointerPress(At("w", 10, 10));
  InjectPointerMove(At("other", 5, 5));
  InjectPointerMove({900, 700});
  InjectPointerRelease({900, 700});
  Run();
  EXPECT_EQ(InputLog({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED, WM_SETCURSOR}),
            (std::vector<std::string>{"w:WM_SETCURSOR", "w:WM_MOUSEMOVE", "w:WM_SETCURSOR",
                                      "w:WM_LBUTTONDOWN", "w:WM_MOUSEMOVE", "w:WM_MOUSEMOVE",
                                      "w:WM_LBUTTONUP", "w:WM_CAPTURECHANGED"}));
  const auto Moves = SeenOf(WM_MOUSEMOVE);
  ASSERT_EQ(Moves.size(), 3u);
  EXPECT_EQ(LParamToPoint(Moves[1].LParam), (TPoint{At("other", 5, 5).X - 100, At("other", 5, 5).Y - 100}));
  EXPECT_EQ(LParamToPoint(Moves[2].LParam), (TPoint{800, 600}));
  EXPECT_EQ(Moves[2].WParam, MK_LBUTTON);
  EXPECT_EQ(SeenOf(WM_CAPTURECHANGED).at(0).LParam, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Headless().PointerGrab(), nullptr);
}

TEST_F(PointerInputTest, CaptureMovingToAnotherWindowTellsTheFormerHolder) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  Create("b", WS_POPUP | WS_VISIBLE, Bounds(400, 100, 100, 100));
  Watch(WM_CAPTURECHANGED);
  EXPECT_EQ(SetCapture(Window("a")), nullptr);
  EXPECT_EQ(Headless().PointerGrab(), Window("a"));
  EXPECT_EQ(SetCapture(Window("b")), Window("a"));
  ASSERT_EQ(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0].Window, "a");
  EXPECT_EQ(reinterpret_cast<HWND>(Seen()[0].LParam), Window("b"));
  // Destroying the holder ends the capture.
  DestroyWindow(Window("b"));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PointerInputTest, WheelGoesToTheFocusWindowAndOnToItsParents) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Window("a"));
  Create("b", WS_POPUP | WS_VISIBLE, Bounds(400, 100, 100, 100), Window("a"));
  SetFocus(Window("c"));
  Watch(WM_MOUSEWHEEL);
  InjectWheel(At("b", 5, 5), -WHEEL_DELTA, PointerControl);
  Run();
  EXPECT_EQ(InputLog({WM_MOUSEWHEEL}), (std::vector<std::string>{"c:WM_MOUSEWHEEL", "a:WM_MOUSEWHEEL"}));
  ASSERT_FALSE(Seen().empty());
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(Seen()[0].WParam), -WHEEL_DELTA);
  EXPECT_EQ(LOWORD(Seen()[0].WParam), MK_CONTROL);
  EXPECT_EQ(LParamToPoint(Seen()[0].LParam), At("b", 5, 5));
}

TEST_F(PointerInputTest, LeaveTrackingReportsTheLeaveOnce) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  Create("c", WS_CHILD | WS_VISIBLE, Bounds(100, 10, 50, 50), Window("a"));
  Answer(WM_MOUSEMOVE, [](HWND AWindow, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    TRACKMOUSEEVENT Track;
    Track.dwFlags = TME_LEAVE;
    Track.hwndTrack = AWindow;
    TrackMouseEvent(&Track);
    return 0;
  });
  InjectPointerMove(At("a", 5, 5));
  InjectPointerMove(At("a", 6, 6));
  InjectPointerMove(At("c", 5, 5));
  InjectPointerLeave();
  Run();
  EXPECT_EQ(InputLog({WM_MOUSEMOVE, WM_MOUSELEAVE}),
            (std::vector<std::string>{"a:WM_MOUSEMOVE", "a:WM_MOUSEMOVE", "a:WM_MOUSELEAVE", "c:WM_MOUSEMOVE",
                                      "c:WM_MOUSELEAVE"}));
}

TEST_F(PointerInputTest, TrackingAWindowThePointerIsNotOverReportsTheLeaveAtOnce) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  TRACKMOUSEEVENT Track;
  Track.dwFlags = TME_LEAVE;
  Track.hwndTrack = Window("a");
  EXPECT_TRUE(TrackMouseEvent(&Track));
  Run();
  EXPECT_EQ(InputLog({WM_MOUSELEAVE}), std::vector<std::string>{"a:WM_MOUSELEAVE"});
}

TEST_F(PointerInputTest, NonClientLeaveTrackingEndsWhenThePointerEntersTheClientArea) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  Answer(WM_NCHITTEST, [this](HWND, UINT, WPARAM, LPARAM ALParam) -> std::optional<LRESULT> {
    return LParamToPoint(ALParam).X < At("a", 10, 0).X ? HTBORDER : HTCLIENT;
  });
  Answer(WM_NCMOUSEMOVE, [](HWND AWindow, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    TRACKMOUSEEVENT Track;
    Track.dwFlags = TME_LEAVE | TME_NONCLIENT;
    Track.hwndTrack = AWindow;
    TrackMouseEvent(&Track);
    return 0;
  });
  InjectPointerMove(At("a", 5, 5));
  InjectPointerMove(At("a", 50, 5));
  Run();
  EXPECT_EQ(InputLog({WM_NCMOUSEMOVE, WM_MOUSEMOVE, WM_NCMOUSELEAVE, WM_MOUSELEAVE}),
            (std::vector<std::string>{"a:WM_NCMOUSEMOVE", "a:WM_NCMOUSELEAVE", "a:WM_MOUSEMOVE"}));
}

// A press in a grandchild tells each ancestor, in its own client coordinates, up to a
// window that keeps its parent out of it.
TEST_F(PointerInputTest, PressInAChildNotifiesItsParents) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 100, 100), Window("a"));
  Create("g", WS_CHILD | WS_VISIBLE, Bounds(20, 20, 50, 50), Window("c"));
  Create("quiet", WS_CHILD | WS_VISIBLE, Bounds(120, 10, 50, 50), Window("a"), WS_EX_NOPARENTNOTIFY);
  ClearLog();
  Watch(WM_PARENTNOTIFY);
  InjectClick(At("g", 1, 2), pbRight);
  InjectClick(At("quiet", 1, 2));
  Run();
  EXPECT_EQ(InputLog({WM_PARENTNOTIFY, WM_RBUTTONDOWN, WM_LBUTTONDOWN}),
            (std::vector<std::string>{"c:WM_PARENTNOTIFY", "a:WM_PARENTNOTIFY", "g:WM_RBUTTONDOWN",
                                      "quiet:WM_LBUTTONDOWN"}));
  ASSERT_EQ(Seen().size(), 2u);
  EXPECT_EQ(LOWORD(Seen()[0].WParam), WM_RBUTTONDOWN);
  EXPECT_EQ(LParamToPoint(Seen()[0].LParam), (TPoint{21, 22}));
  EXPECT_EQ(LParamToPoint(Seen()[1].LParam), (TPoint{31, 32}));
}

TEST_F(PointerInputTest, SetCursorNamesTheHitAndTheMessageAndParentsDecideFirst) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Window("a"));
  const HCURSOR IBeam = LoadCursor(nullptr, IDC_IBEAM);
  SetClassLong(Window("a"), GCL_HCURSOR, reinterpret_cast<LONG_PTR>(IBeam));
  Watch(WM_SETCURSOR);
  InjectPointerMove(At("c", 5, 5));
  InjectPointerPress(At("c", 5, 5));
  Run();
  ASSERT_EQ(Seen().size(), 4u);
  EXPECT_EQ(Seen()[0].Window, "c");
  EXPECT_EQ(Seen()[1].Window, "a");
  EXPECT_EQ(reinterpret_cast<HWND>(Seen()[1].WParam), Window("c"));
  EXPECT_EQ(LOWORD(Seen()[1].LParam), HTCLIENT);
  EXPECT_EQ(HIWORD(Seen()[1].LParam), WM_MOUSEMOVE);
  EXPECT_EQ(HIWORD(Seen()[3].LParam), WM_LBUTTONDOWN);
  EXPECT_EQ(Headless().Cursor(), IBeam);
  EXPECT_EQ(GetCursor(), IBeam);
}

TEST_F(PointerInputTest, PressOnADisabledChildGoesToItsParent) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  Create("c", WS_CHILD | WS_VISIBLE | WS_DISABLED, Bounds(10, 10, 50, 50), Window("a"));
  Watch(WM_LBUTTONDOWN);
  InjectClick(At("c", 5, 5));
  Run();
  EXPECT_EQ(InputLog({WM_LBUTTONDOWN}), std::vector<std::string>{"a:WM_LBUTTONDOWN"});
  EXPECT_EQ(LParamToPoint(Seen().at(0).LParam), (TPoint{15, 15}));
}

TEST_F(PointerInputTest, SetCursorPosMovesThePointerOverTheWindowBelow) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  EXPECT_TRUE(SetCursorPos(150, 160));
  Run();
  POINT Position;
  ASSERT_TRUE(GetCursorPos(&Position));
  EXPECT_EQ(Position, (TPoint{150, 160}));
  EXPECT_EQ(Headless().PointerPosition(), (TPoint{150, 160}));
  EXPECT_EQ(InputLog({WM_MOUSEMOVE}), std::vector<std::string>{"a:WM_MOUSEMOVE"});
}

TEST_F(PointerInputTest, MessageTimeAndPointComeFromTheEvent) {
  Create("a", WS_POPUP | WS_VISIBLE, InputPlace);
  InjectPointerMove(At("a", 5, 5));
  Run();
  AdvanceClock(40);
  DWORD Time = 0;
  POINT Point;
  Answer(WM_LBUTTONDOWN, [&](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
    Time = GetMessageTime();
    GetCursorPos(&Point);
    return 0;
  });
  InjectPointerPress(At("a", 7, 8));
  Run();
  EXPECT_EQ(Time, Win::GetTickCount());
  EXPECT_EQ(Point, At("a", 7, 8));
}

}  // namespace
}  // namespace window_test
