// What a window manager does to the program's windows reaches the program as the
// system it was designed on reports it: a close request as WM_CLOSE, a move or size as
// a new window rectangle, an iconify as a minimized window; and X errors caused by a
// window gone from under the program fail the requests quietly.

#include "tests/e2e/X11BackendFixture.h"

namespace e2e {
namespace {

TEST_F(X11BackendTest, ACloseRequestBecomesWmClose) {
  const HWND Window = Create("Closable", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, Bounds(10, 10, 300, 200));
  Other().RequestClose(XWindowOf("Closable"));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(Window); }));
  EXPECT_TRUE(Received(Window, WM_SYSCOMMAND, SC_CLOSE));
  EXPECT_TRUE(Received(Window, WM_CLOSE));
}

TEST_F(X11BackendTest, AMoveOrSizeOfTheWindowManagerIsTheWindowsNewRectangle) {
  const HWND Window = Create("Movable", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, Bounds(10, 10, 300, 200));
  Other().MoveResize(XWindowOf("Movable"), Bounds(300, 200, 250, 150));
  RECT Rect;
  EXPECT_TRUE(PumpUntil([&] {
    GetWindowRect(Window, &Rect);
    return Rect == Bounds(300, 200, 250, 150);
  })) << Rect.Left
      << "," << Rect.Top << "," << Rect.Right << "," << Rect.Bottom;
  EXPECT_TRUE(Received(Window, WM_SIZE, SIZE_RESTORED));
}

TEST_F(X11BackendTest, TheWindowStateOfTheWindowManagerMinimizesAndRestores) {
  const HWND Window = Create("Iconic", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, Bounds(10, 10, 300, 200));
  const TXid X = XWindowOf("Iconic");
  Other().SetWindowState(X, true);
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(Window); }));
  EXPECT_TRUE(Received(Window, WM_SYSCOMMAND, SC_MINIMIZE));
  EXPECT_TRUE(Received(Window, WM_SIZE, SIZE_MINIMIZED));
  Other().SetWindowState(X, false);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(Window); }));
  EXPECT_TRUE(Received(Window, WM_SYSCOMMAND, SC_RESTORE));
}

TEST_F(X11BackendTest, ErrorsOfAWindowGoneFromUnderTheProgramEndNothing) {
  const HWND Window = Create("Doomed", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, Bounds(10, 10, 300, 200));
  Other().Destroy(XWindowOf("Doomed"));
  // Every request about the window fails on the server now.
  SetWindowPos(Window, nullptr, 50, 50, 320, 220, SWP_NOZORDER);
  SetWindowText(Window, "Still here");
  const HRGN Shape = CreateRectRgn(0, 0, 100, 100);
  SetWindowRgn(Window, Shape, true);
  InvalidateRect(Window, nullptr, true);
  UpdateWindow(Window);
  ShowWindow(Window, SW_HIDE);
  DestroyWindow(Window);
  X11().Synchronize();
  ProcessPendingMessages();
  // The program goes on.
  Create("Next", WS_POPUP | WS_VISIBLE, 0, Bounds(10, 10, 50, 50), RGB(1, 2, 3));
  EXPECT_TRUE(PumpUntil([&] { return Other().UniformPixel(XWindowOf("Next"), 50, 50) == 0x010203u; }));
}

}  // namespace
}  // namespace e2e
