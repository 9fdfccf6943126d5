// The non-client area: a window that answers WM_NCCALCSIZE with a 3-pixel frame and a
// 22-pixel caption, its hit tests, moving it by its caption and sizing it by its
// borders through the move and size loop; the default hit test by style, the default
// frame and the frame cursors.

#include <algorithm>

#include "platform/win/Capture.h"
#include "platform/win/Cursors.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/win/PaintTestSupport.h"

namespace paint_test {
namespace {

constexpr int FrameWidth = 3;
constexpr int CaptionHeight = 22;
const TRect Place = Bounds(100, 100, 300, 200);

using Entries = std::vector<std::string>;

class FramedWindowTest : public PaintingTest {
 protected:
  void SetUp() override {
    PaintingTest::SetUp();
    Answer(WM_NCCALCSIZE, [](HWND, UINT, WPARAM AWParam, LPARAM ALParam) {
      RECT& Rect = AWParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0]
                           : *reinterpret_cast<RECT*>(ALParam);
      InflateRect(Rect, -FrameWidth, -FrameWidth);
      Rect.Top += CaptionHeight;
      return std::optional<LRESULT>(0);
    });
    W = Create(
        "w",
        WS_POPUP | WS_VISIBLE | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
        Place, Red);
    Pump();
    ClearLog();
  }

  // The screen point at (AX, AY) of the window rectangle.
  static TPoint At(int AX, int AY) { return {Place.Left + AX, Place.Top + AY}; }

  LRESULT HitTest(const TPoint& AScreen) { return SendMessage(W, WM_NCHITTEST, 0, PointToLParam(AScreen)); }

  TRect WindowRect() {
    RECT Rect;
    GetWindowRect(W, &Rect);
    return Rect;
  }

  // The entries of the move and size loop's messages.
  Entries LoopLog() const {
    Entries Selected;
    for (const std::string& Entry : Log())
      for (const char* Name : {":WM_ENTERSIZEMOVE", ":WM_MOVING", ":WM_SIZING", ":WM_EXITSIZEMOVE"})
        if (Entry.ends_with(Name)) Selected.push_back(Entry);
    return Selected;
  }

  // Makes WM_MOVING or WM_SIZING record the proposed rectangles.
  void RecordProposals(UINT AMessage) {
    Answer(AMessage, [this](HWND, UINT, WPARAM AWParam, LPARAM ALParam) {
      Proposals.push_back(*reinterpret_cast<RECT*>(ALParam));
      Edges.push_back(AWParam);
      return std::optional<LRESULT>();
    });
  }

  HWND W = nullptr;
  std::vector<TRect> Proposals;
  std::vector<WPARAM> Edges;
};

TEST_F(FramedWindowTest, TheClientAreaIsWhatWmNcCalcSizeLeft) {
  RECT Client;
  GetClientRect(W, &Client);
  EXPECT_EQ(Client, Rect(0, 0, 294, 172));
  POINT Origin{0, 0};
  ClientToScreen(W, &Origin);
  EXPECT_EQ(Origin, POINT(103, 125));
}

TEST_F(FramedWindowTest, HitTestsFollowTheFrameTheWindowAnswered) {
  const struct {
    TPoint Point;
    LRESULT Expected;
  } Cases[] = {
      {At(150, 100), HTCLIENT},   {At(1, 100), HTLEFT},       {At(298, 100), HTRIGHT},
      {At(150, 1), HTTOP},        {At(150, 198), HTBOTTOM},   {At(1, 1), HTTOPLEFT},
      {At(10, 1), HTTOPLEFT},     {At(1, 15), HTTOPLEFT},     {At(1, 25), HTLEFT},
      {At(290, 1), HTTOPRIGHT},   {At(1, 190), HTBOTTOMLEFT}, {At(298, 198), HTBOTTOMRIGHT},
      {At(150, 10), HTCAPTION},   {At(150, 24), HTCAPTION},   {At(280, 10), HTCLOSE},
      {At(260, 10), HTMAXBUTTON}, {At(240, 10), HTMINBUTTON}, {At(10, 10), HTSYSMENU},
      {At(300, 10), HTNOWHERE},   {At(-1, -1), HTNOWHERE},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(HitTest(Case.Point), Case.Expected)
        << Case.Point.X - Place.Left << ", " << Case.Point.Y - Place.Top;
}

TEST_F(FramedWindowTest, DraggingTheCaptionMovesTheWindowThroughWmMoving) {
  RecordProposals(WM_MOVING);
  InjectPointerPress(At(150, 10));
  InjectPointerMove(At(160, 30));
  InjectPointerMove(At(170, 50));
  InjectPointerRelease(At(170, 50));
  Pump();
  EXPECT_EQ(LoopLog(), (Entries{"w:WM_ENTERSIZEMOVE", "w:WM_MOVING", "w:WM_MOVING", "w:WM_EXITSIZEMOVE"}));
  EXPECT_EQ(Proposals, (std::vector<TRect>{Bounds(110, 120, 300, 200), Bounds(120, 140, 300, 200)}));
  EXPECT_EQ(WindowRect(), Bounds(120, 140, 300, 200));
  EXPECT_EQ(Headless().WindowRect(W), Bounds(120, 140, 300, 200));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FramedWindowTest, TheWindowGoesWhereWmMovingPutsIt) {
  // A window that may only move sideways.
  Answer(WM_MOVING, [](HWND, UINT, WPARAM, LPARAM ALParam) {
    RECT& Proposed = *reinterpret_cast<RECT*>(ALParam);
    OffsetRect(Proposed, 0, Place.Top - Proposed.Top);
    return std::optional<LRESULT>(1);
  });
  InjectPointerPress(At(150, 10));
  InjectPointerMove(At(190, 90));
  InjectPointerRelease(At(190, 90));
  Pump();
  EXPECT_EQ(WindowRect(), Bounds(140, 100, 300, 200));
}

TEST_F(FramedWindowTest, EscapePutsTheWindowBack) {
  InjectPointerPress(At(150, 10));
  InjectPointerMove(At(250, 110));
  InjectKeyDown(VK_ESCAPE);
  InjectPointerRelease(At(250, 110));
  Pump();
  EXPECT_EQ(LoopLog().back(), "w:WM_EXITSIZEMOVE");
  EXPECT_EQ(WindowRect(), Place);
}

TEST_F(FramedWindowTest, AMaximizedWindowStaysWhereItIs) {
  ShowWindow(W, SW_MAXIMIZE);
  Pump();
  ClearLog();
  const TRect Maximized = WindowRect();
  InjectPointerPress({Maximized.Left + 150, Maximized.Top + 10});
  InjectPointerMove({Maximized.Left + 200, Maximized.Top + 60});
  InjectPointerRelease({Maximized.Left + 200, Maximized.Top + 60});
  Pump();
  EXPECT_EQ(WindowRect(), Maximized);
  EXPECT_EQ(LoopLog(), Entries{});
}

TEST_F(FramedWindowTest, DraggingABorderSizesTheWindowWithinItsLimits) {
  Answer(WM_GETMINMAXINFO, [](HWND, UINT, WPARAM, LPARAM ALParam) {
    auto* Limits = reinterpret_cast<MINMAXINFO*>(ALParam);
    Limits->ptMinTrackSize = {200, 150};
    Limits->ptMaxTrackSize = {400, 260};
    return std::optional<LRESULT>(0);
  });
  RecordProposals(WM_SIZING);
  InjectPointerPress(At(298, 100));
  InjectPointerMove(At(600, 100));
  InjectPointerRelease(At(600, 100));
  Pump();
  EXPECT_EQ(LoopLog(), (Entries{"w:WM_ENTERSIZEMOVE", "w:WM_SIZING", "w:WM_EXITSIZEMOVE"}));
  EXPECT_EQ(Edges, std::vector<WPARAM>{WMSZ_RIGHT});
  EXPECT_EQ(Proposals, std::vector<TRect>{Rect(100, 100, 500, 300)});
  EXPECT_EQ(WindowRect(), Rect(100, 100, 500, 300));
  RECT Client;
  GetClientRect(W, &Client);
  EXPECT_EQ(Client, Rect(0, 0, 394, 172));

  // Bottom-left corner: the right and top edges stay, the size stops at the minimum.
  InjectPointerPress({101, 298});
  InjectPointerMove({450, 150});
  InjectPointerRelease({450, 150});
  Pump();
  EXPECT_EQ(Edges.back(), WMSZ_BOTTOMLEFT);
  EXPECT_EQ(WindowRect(), Rect(300, 100, 500, 250));
}

TEST_F(FramedWindowTest, TheFrameShowsTheSizingCursors) {
  InjectPointerMove(At(1, 100));
  Pump();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_SIZEWE));
  InjectPointerMove(At(298, 198));
  Pump();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_SIZENWSE));
  InjectPointerMove(At(150, 1));
  Pump();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_SIZENS));
  InjectPointerMove(At(290, 1));
  Pump();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_SIZENESW));
  InjectPointerMove(At(150, 10));
  Pump();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(FramedWindowTest, CaptionButtonsActWhenReleasedOverThem) {
  InjectPointerPress(At(260, 10));
  InjectPointerMove(At(150, 10));
  InjectPointerRelease(At(150, 10));
  Pump();
  EXPECT_FALSE(IsZoomed(W)) << "released away from the button";
  // Far enough apart in time not to make double clicks.
  Headless().AdvanceClock(1000);
  InjectClick(At(260, 10));
  Pump();
  EXPECT_TRUE(IsZoomed(W));
  Headless().AdvanceClock(1000);
  RECT Maximized;
  GetWindowRect(W, &Maximized);
  InjectClick({Maximized.Right - 20, Maximized.Top + 10});
  Pump();
  EXPECT_FALSE(IsWindow(W));
}

// The default hit test of windows that leave WM_NCCALCSIZE to DefWindowProc.
struct THitCase {
  const char* Name;
  DWORD Style;
  DWORD ExStyle;
  TPoint Point;  // window coordinates (of a 200 × 150 window unless maximized)
  LRESULT Expected;
};

class DefaultHitTestTest : public PaintingTest, public ::testing::WithParamInterface<THitCase> {};

TEST_P(DefaultHitTestTest, AnswersByStyle) {
  const HWND W =
      Create("w", WS_VISIBLE | GetParam().Style, Bounds(10, 10, 200, 150), Red, nullptr, GetParam().ExStyle);
  RECT Window;
  GetWindowRect(W, &Window);
  const TPoint Screen{Window.Left + GetParam().Point.X, Window.Top + GetParam().Point.Y};
  EXPECT_EQ(SendMessage(W, WM_NCHITTEST, 0, PointToLParam(Screen)), GetParam().Expected);
}

const THitCase HitCases[] = {
    {"OverlappedCaption", WS_OVERLAPPEDWINDOW, 0, {100, 10}, HTCAPTION},
    {"OverlappedSizingBorder", WS_OVERLAPPEDWINDOW, 0, {2, 75}, HTLEFT},
    {"OverlappedClose", WS_OVERLAPPEDWINDOW, 0, {190, 10}, HTCLOSE},
    {"OverlappedClient", WS_OVERLAPPEDWINDOW, 0, {100, 75}, HTCLIENT},
    {"MaximizedHasNoSizingBorder", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, 0, {2, 75}, HTBORDER},
    {"ThinBorder", WS_POPUP | WS_BORDER, 0, {0, 75}, HTBORDER},
    {"ToolWindowHasOnlyClose",
     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
     WS_EX_TOOLWINDOW,
     {170, 8},
     HTCAPTION},
    {"VerticalScrollBar", WS_POPUP | WS_VSCROLL, 0, {190, 75}, HTVSCROLL},
    {"HorizontalScrollBar", WS_POPUP | WS_HSCROLL, 0, {100, 140}, HTHSCROLL},
    {"ClientEdgeIsNowhere", WS_POPUP, WS_EX_CLIENTEDGE, {1, 75}, HTNOWHERE},
    {"FramelessPopupIsAllClient", WS_POPUP, 0, {0, 0}, HTCLIENT},
};

INSTANTIATE_TEST_SUITE_P(Styles, DefaultHitTestTest, ::testing::ValuesIn(HitCases),
                         [](const ::testing::TestParamInfo<THitCase>& AInfo) { return AInfo.param.Name; });

TEST_F(PaintingTest, TheDefaultCaptionShowsTheActiveState) {
  const DWORD Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
  const HWND First = Create("first", Style, Bounds(0, 0, 200, 100), Red);
  Pump();
  // A dialog frame of 3 pixels, then the caption.
  EXPECT_EQ(PresentedPixel(First, 60, 3), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_EQ(PresentedPixel(First, 0, 0), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(PresentedPixel(First, 199, 99), GetSysColor(COLOR_3DDKSHADOW));
  Create("second", Style, Bounds(300, 0, 200, 100), Red);
  Pump();
  EXPECT_EQ(PresentedPixel(First, 60, 3), GetSysColor(COLOR_INACTIVECAPTION));
}

}  // namespace
}  // namespace paint_test
