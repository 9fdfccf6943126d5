// Pictures of windows and of the screen as the headless backend shows them, and their
// PNG files.

#include <span>

#include "platform/base/Files.h"
#include "platform/win/LayeredWindows.h"
#include "tests/platform/win/PaintTestSupport.h"
#include "tests/support/TestSupport.h"

namespace paint_test {
namespace {

TPixelImage ReadPng(const std::string& AFileName) {
  const String Data = ReadFileToString(AFileName);
  return DecodePng(std::span(reinterpret_cast<const uint8_t*>(Data.data()), Data.size()));
}

TEST_F(PaintingTest, TheScreenLaysWindowsOverEachOtherWithTheirAlpha) {
  Create("below", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), Red);
  const HWND Above =
      Create("above", WS_POPUP | WS_VISIBLE, Bounds(50, 50, 100, 100), Blue, nullptr, WS_EX_LAYERED);
  SetLayeredWindowAttributes(Above, 0, 128, LWA_ALPHA);
  Pump();
  const TPixelImage Screen = ScreenPicture();
  EXPECT_EQ(Screen.Width, 1280);
  EXPECT_EQ(Screen.Height, 800);
  EXPECT_EQ(Screen.Pixel(10, 10), 0xFFC80000u);
  // 200 × 128 / 255 of blue over 200 × 127 / 255 of red.
  EXPECT_EQ(Screen.Pixel(75, 75), 0xFF640064u);
  EXPECT_EQ(Screen.Pixel(120, 120), 0xFF000064u);
  EXPECT_EQ(Screen.Pixel(300, 300), 0xFF000000u);
}

TEST_F(PaintingTest, PicturesAreSavedAsPngFiles) {
  testing_support::TempDir Folder;
  const HWND W = Create("w", WS_POPUP | WS_VISIBLE | WS_BORDER, Bounds(20, 30, 64, 48), Red);
  Pump();
  SaveWindowPicture(W, Folder.File("window.png"));
  const TPixelImage Window = ReadPng(Folder.File("window.png"));
  EXPECT_EQ(Window.Pixels, WindowPicture(W).Pixels);
  EXPECT_EQ(Window.Width, 64);
  EXPECT_EQ(Window.Pixel(10, 10), 0xFFC80000u);
  SaveScreenPicture(Folder.File("screen.png"));
  EXPECT_EQ(ReadPng(Folder.File("screen.png")).Pixel(30, 40), 0xFFC80000u);
}

TEST_F(PaintingTest, PicturesOfChildrenAreCutFromTheirTopLevelWindow) {
  const HWND Parent = Create("p", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), Red);
  const HWND Child = Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 20, 30, 40), Blue, Parent);
  Pump();
  const TPixelImage Picture = WindowPicture(Child);
  EXPECT_EQ(Picture.Width, 30);
  EXPECT_EQ(Picture.Height, 40);
  EXPECT_EQ(Picture.Pixel(0, 0), 0xFF0000C8u);
  EXPECT_EQ(PresentedPixel(Child, 30, 0), CLR_INVALID);
  EXPECT_EQ(PresentedPixel(Parent, 10, 20), Blue);
}

}  // namespace
}  // namespace paint_test
