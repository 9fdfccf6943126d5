// Finding the window under a point: stacking, children, WM_NCHITTEST's HTTRANSPARENT,
// window regions and pointer-transparent layered windows.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Regions.h"
#include "platform/win/WindowInternal.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class HitTestTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    Below = Create("below", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 300, 300));
    Above = Create("above", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 100, 100));
    Child = Create("child", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Above);
  }

  // Makes AWindow answer WM_NCHITTEST with HTTRANSPARENT.
  void MakeTransparentToHits(HWND AWindow) {
    Answer(WM_NCHITTEST, [AWindow](HWND AHit, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
      return AHit == AWindow ? HTTRANSPARENT : DefWindowProc(AHit, AMessage, AWParam, ALParam);
    });
  }

  HWND Below = nullptr;
  HWND Above = nullptr;
  HWND Child = nullptr;
};

TEST_F(HitTestTest, TheDeepestVisibleWindowOnTopWins) {
  EXPECT_EQ(WindowFromPoint({115, 115}), Child);
  EXPECT_EQ(WindowFromPoint({180, 180}), Above);
  EXPECT_EQ(WindowFromPoint({50, 50}), Below);
  EXPECT_EQ(WindowFromPoint({500, 500}), nullptr);
  ShowWindow(Child, SW_HIDE);
  EXPECT_EQ(WindowFromPoint({115, 115}), Above);
  SetWindowPos(Below, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(WindowFromPoint({115, 115}), Below);
}

TEST_F(HitTestTest, TheHitTestIsAskedOfEachCandidate) {
  ClearLog();
  WindowFromPoint({115, 116});
  EXPECT_EQ(Log(), std::vector<std::string>{"child:WM_NCHITTEST"});
  Answer(WM_NCHITTEST, [](HWND, UINT, WPARAM, LPARAM ALParam) {
    EXPECT_EQ(LParamToPoint(ALParam), POINT(115, 116));
    return std::optional<LRESULT>(HTCLIENT);
  });
  WindowFromPoint({115, 116});
}

TEST_F(HitTestTest, HtTransparentPassesThePointToTheWindowsBelow) {
  MakeTransparentToHits(Child);
  EXPECT_EQ(WindowFromPoint({115, 115}), Above);
  MakeTransparentToHits(Above);
  EXPECT_EQ(WindowFromPoint({180, 180}), Below);
  // A transparent child over a sibling: the sibling below it is next.
  const HWND Sibling = Create("sibling", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 100, 100), Above);
  SetWindowPos(Child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  MakeTransparentToHits(Child);
  EXPECT_EQ(WindowFromPoint({115, 115}), Sibling);
}

TEST_F(HitTestTest, AWindowRegionLetsClicksOnItsCutAwayCornerReachTheWindowBelow) {
  // The top-left 20 × 20 corner of Above is cut away.
  HRGN Shape = CreateRectRgn(0, 0, 100, 100);
  HRGN Corner = CreateRectRgn(0, 0, 20, 20);
  CombineRgn(Shape, Shape, Corner, RGN_DIFF);
  DeleteObject(Corner);
  FindWindowRecord(Above)->Region = Shape;
  EXPECT_EQ(WindowFromPoint({105, 105}), Below);
  EXPECT_EQ(WindowFromPoint({125, 105}), Above);
  EXPECT_EQ(ChildWindowFromPoint(GetDesktopWindow(), {105, 105}), Below);
}

TEST_F(HitTestTest, LayeredWindowsWithWsExTransparentLetThePointerThrough) {
  SetWindowLong(Above, GWL_EXSTYLE, WS_EX_TRANSPARENT);
  EXPECT_EQ(WindowFromPoint({180, 180}), Above);
  SetWindowLong(Above, GWL_EXSTYLE, WS_EX_TRANSPARENT | WS_EX_LAYERED);
  EXPECT_EQ(WindowFromPoint({180, 180}), Below);
  EXPECT_EQ(WindowFromPoint({115, 115}), Below);
}

TEST_F(HitTestTest, ADisabledWindowIsFoundButNotItsChildren) {
  EnableWindow(Above, false);
  EXPECT_EQ(WindowFromPoint({115, 115}), Above);
}

TEST_F(HitTestTest, ChildWindowFromPointLooksAtImmediateChildrenOnly) {
  const HWND Grandchild = Create("grandchild", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 10, 10), Child);
  EXPECT_EQ(ChildWindowFromPoint(Above, {15, 15}), Child);
  EXPECT_EQ(ChildWindowFromPoint(Above, {80, 80}), Above);
  EXPECT_EQ(ChildWindowFromPoint(Above, {150, 15}), nullptr);
  ShowWindow(Child, SW_HIDE);
  EXPECT_EQ(ChildWindowFromPoint(Above, {15, 15}), Child);
  EXPECT_EQ(ChildWindowFromPointEx(Above, {15, 15}, CWP_SKIPINVISIBLE), Above);
  ShowWindow(Child, SW_SHOW);
  EnableWindow(Child, false);
  EXPECT_EQ(ChildWindowFromPointEx(Above, {15, 15}, CWP_SKIPDISABLED), Above);
  EnableWindow(Child, true);
  SetWindowLong(Child, GWL_EXSTYLE, WS_EX_TRANSPARENT);
  EXPECT_EQ(ChildWindowFromPointEx(Above, {15, 15}, CWP_SKIPTRANSPARENT), Above);
  EXPECT_NE(Grandchild, nullptr);
}

}  // namespace
}  // namespace window_test
