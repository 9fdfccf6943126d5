// The x11 backend among other programs on the display: the clipboard shared through
// the CLIPBOARD selection, hot keys other programs may hold, the monitors and the work
// area, the keyboard focus going to another program and back.

#include <atomic>
#include <thread>

#include "platform/base/Threads.h"
#include "platform/win/Clipboard.h"
#include "tests/e2e/X11BackendFixture.h"

namespace e2e {
namespace {

std::optional<String> ClipboardText() {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<String> Text;
  if (const HGLOBAL Block = GetClipboardData(CF_UNICODETEXT)) Text = Block->Text;
  CloseClipboard();
  return Text;
}

void PutOnClipboard(const String& AText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, AllocClipboardText(AText));
  CloseClipboard();
}

TEST_F(X11BackendTest, OtherProgramsPasteWhatTheProgramCopied) {
  PutOnClipboard("Grüße aus Pelladrin");
  // The program answers while its loop runs; the other program waits on its own
  // thread meanwhile.
  std::optional<std::string> Pasted;
  std::atomic<bool> Done = false;
  std::thread Paster([&] {
    Pasted = PasteFromClipboard(VirtualDisplay().Name(), PatienceMs);
    Done = true;
    PostThreadMessage(MainThreadID(), WM_NULL, 0, 0);
  });
  EXPECT_TRUE(PumpUntil([&] { return Done.load(); }));
  Paster.join();
  EXPECT_EQ(Pasted, "Grüße aus Pelladrin");
  // Its own text stays the program's.
  EXPECT_EQ(ClipboardText(), "Grüße aus Pelladrin");
}

TEST_F(X11BackendTest, TheProgramPastesWhatAnotherProgramCopied) {
  PutOnClipboard("mine");
  {
    TForeignClipboard Foreign(VirtualDisplay().Name(), "Čeština, 日本語");
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(ClipboardText(), "Čeština, 日本語");
  }
  // The other program is gone, and its text with it.
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(ClipboardText(), std::nullopt);
}

TEST_F(X11BackendTest, HotKeysAreHeldAgainstOtherPrograms) {
  const HWND Window = Create("Keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, Bounds(10, 10, 200, 100));
  ASSERT_TRUE(RegisterHotKey(Window, 1, MOD_CONTROL | MOD_SHIFT, VK_F7));
  EXPECT_FALSE(Other().GrabKey("F7", OtherControlMask | OtherShiftMask));
  ASSERT_TRUE(UnregisterHotKey(Window, 1));
  EXPECT_TRUE(Other().GrabKey("F7", OtherControlMask | OtherShiftMask));
  EXPECT_FALSE(RegisterHotKey(Window, 2, MOD_CONTROL | MOD_SHIFT, VK_F7));
  EXPECT_TRUE(RegisteredHotKeys().empty());
  EXPECT_TRUE(RegisterHotKey(Window, 3, MOD_ALT, 'K'));
}

TEST_F(X11BackendTest, MonitorsComeWithTheWorkAreaTheDesktopGives) {
  const std::vector<TMonitorDescription> Screen = {{Bounds(0, 0, 1280, 800), Bounds(0, 0, 1280, 800), true}};
  EXPECT_EQ(X11().Monitors(), Screen);
  // A panel of 40 pixels at the bottom, as a window manager would announce it.
  Other().SetCardinals(Other().Root(), "_NET_WORKAREA", {0, 0, 1280, 760});
  EXPECT_TRUE(PumpUntil([&] { return X11().Monitors().front().WorkArea == Bounds(0, 0, 1280, 760); }));
  RECT WorkArea;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &WorkArea, 0);
  EXPECT_EQ(WorkArea, Bounds(0, 0, 1280, 760));
}

TEST_F(X11BackendTest, TheFocusGoesToAnotherProgramAndComesBack) {
  const HWND Window = Create("Focused", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, Bounds(10, 10, 300, 200));
  const TXid X = XWindowOf("Focused");
  ASSERT_TRUE(PumpUntil([&] { return Other().FocusedWindow() == X; }));
  ASSERT_EQ(GetActiveWindow(), Window);
  Other().TakeFocus();
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == nullptr; }));
  EXPECT_TRUE(Received(Window, WM_ACTIVATEAPP, 0));
  Other().Focus(X);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == Window; }));
  EXPECT_EQ(GetFocus(), Window);
}

}  // namespace
}  // namespace e2e
