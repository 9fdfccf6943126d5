// The video output: pictures handed over from other threads, shown in a window and
// kept through its painting.

#include <thread>

#include "platform/gdi/Colors.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/win/Painting.h"
#include "platform/win/VideoOutput.h"
#include "tests/platform/win/WindowTestSupport.h"

using namespace window_test;

namespace {

class VideoOutputTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    WNDCLASS Class;
    Class.lpfnWndProc = DefWindowProc;
    Class.hbrBackground = White;
    Class.lpszClassName = "WhiteWindow";
    ASSERT_NE(RegisterClass(&Class), 0);
    Window = CreateWindowEx(0, "WhiteWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr,
                            nullptr, nullptr);
    ASSERT_NE(Window, nullptr);
    ProcessPendingMessages();
  }
  void TearDown() override {
    WindowSystemTest::TearDown();
    DeleteObject(White);
  }

  // 0xRRGGBB of the presented window.
  uint32_t Pixel(int AX, int AY) {
    const auto& Pixels = Headless().PresentedPixels(Window);
    const uint8_t* P = &Pixels[(static_cast<size_t>(AY) * Headless().PresentedSize(Window).cx + AX) * 4];
    return (uint32_t{P[2]} << 16) | (uint32_t{P[1]} << 8) | P[0];
  }

  // A picture of AWidth × AHeight in one colour (0xRRGGBB).
  static TVideoImage Solid(int AWidth, int AHeight, uint32_t AColour) {
    return TVideoImage{AWidth, AHeight,
                       std::vector<uint32_t>(static_cast<size_t>(AWidth) * AHeight, 0xFF000000 | AColour)};
  }

  HBRUSH White = CreateSolidBrush(RGB(255, 255, 255));
  HWND Window = nullptr;
};

}  // namespace

TEST_F(VideoOutputTest, APictureFromAnotherThreadIsDrawnByTheUserInterfaceThread) {
  AttachVideoOutput(Window);
  bool Accepted = false;
  std::thread Producer([&] { Accepted = PresentVideoImage(Window, Solid(30, 20, 0x0000FF)); });
  Producer.join();
  EXPECT_TRUE(Accepted);
  EXPECT_EQ(Pixel(10, 10), 0xFFFFFFu) << "drawn only once the loop runs";
  ProcessPendingMessages();
  EXPECT_EQ(Pixel(10, 10), 0x0000FFu);
  // The client area beyond the picture is black.
  EXPECT_EQ(Pixel(35, 10), 0x000000u);
  EXPECT_EQ(Pixel(10, 25), 0x000000u);
}

TEST_F(VideoOutputTest, TheWindowPaintsThePictureAgainAndItsOwnBackgroundWithoutOne) {
  AttachVideoOutput(Window);
  PresentVideoImage(Window, Solid(40, 30, 0x00FF00));
  ProcessPendingMessages();
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(Pixel(20, 15), 0x00FF00u);
  ClearVideoImage(Window);
  ProcessPendingMessages();
  EXPECT_EQ(Pixel(20, 15), 0xFFFFFFu);
}

TEST_F(VideoOutputTest, AttachingTwiceKeepsOneOutputAndAnotherProcedureMayGoOnTop) {
  const WNDPROC Output = AttachVideoOutput(Window);
  EXPECT_EQ(AttachVideoOutput(Window), Output);
  int Seen = 0;
  const WNDPROC OnTop = MakeProcInstance([&](HWND W, UINT M, WPARAM WP, LPARAM LP) {
    if (M == WM_PAINT) ++Seen;
    return CallWindowProc(Output, W, M, WP, LP);
  });
  SetWindowLong(Window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(OnTop));
  PresentVideoImage(Window, Solid(40, 30, 0xFF0000));
  ProcessPendingMessages();
  RedrawWindow(Window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GE(Seen, 1);
  EXPECT_EQ(Pixel(5, 5), 0xFF0000u);
  SetWindowLong(Window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Output));
  FreeProcInstance(OnTop);
}

TEST_F(VideoOutputTest, ResizesAreReportedAndADestroyedWindowTakesNoPictures) {
  AttachVideoOutput(Window);
  int Width = 0, Height = 0;
  SetVideoOutputResizeHandler(Window, [&](HWND, int AWidth, int AHeight) {
    Width = AWidth;
    Height = AHeight;
  });
  SetWindowPos(Window, nullptr, 0, 0, 64, 48, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Width, 64);
  EXPECT_EQ(Height, 48);
  DestroyWindow(Window);
  ProcessPendingMessages();
  EXPECT_FALSE(PresentVideoImage(Window, Solid(4, 4, 0)));
}
