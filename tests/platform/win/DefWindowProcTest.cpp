// The default handling of messages and the table through which the painting and input
// parts extend it.

#include "platform/win/ExtensionsInternal.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

using DefWindowProcTest = WindowSystemTest;

TEST_F(DefWindowProcTest, SystemCommandsChangeTheShowState) {
  const HWND Window = Create("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(10, 10, 300, 200));
  SendMessage(Window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_TRUE(IsZoomed(Window));
  SendMessage(Window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(Window));
  SendMessage(Window, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(IsZoomed(Window));
  SendMessage(Window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindow(Window));
}

TEST_F(DefWindowProcTest, MessagesWithoutDefaultHandlingAnswerZero) {
  const HWND Window = Create("w", WS_POPUP, Bounds(0, 0, 10, 10));
  EXPECT_EQ(DefWindowProc(Window, WM_USER + 5, 1, 2), 0);
  EXPECT_EQ(DefWindowProc(Window, WM_PARENTNOTIFY, 1, 2), 0);
  EXPECT_EQ(DefWindowProc(Window, WM_NCACTIVATE, 1, 0), 1);
}

LRESULT (*GReplaced)(HWND, UINT, WPARAM, LPARAM) = nullptr;

LRESULT AnswerSevenThenPassOn(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return AWParam == 7 ? 7 : GReplaced(AWindow, AMessage, AWParam, ALParam);
}

TEST_F(DefWindowProcTest, APartTakesOverAMessageAndPassesOnWhatItDoesNotHandle) {
  const HWND Window = Create("w", WS_POPUP, Bounds(0, 0, 10, 10));
  TWindowSystemExtensions& Table = Extensions();
  GReplaced = Table.SetDefaultHandler(WM_NCCALCSIZE, AnswerSevenThenPassOn);
  RECT Rect = Bounds(0, 0, 10, 10);
  EXPECT_EQ(DefWindowProc(Window, WM_NCCALCSIZE, 7, 0), 7);
  EXPECT_EQ(DefWindowProc(Window, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&Rect)), 0);
  EXPECT_EQ(Table.SetDefaultHandler(WM_NCCALCSIZE, GReplaced), &AnswerSevenThenPassOn);
  EXPECT_EQ(Table.SetDefaultHandler(WM_USER, AnswerSevenThenPassOn), nullptr);
}

}  // namespace
}  // namespace window_test
