// What the x11 backend makes of the program's top-level windows on the display: how
// it describes them to a window manager, their shapes, their pictures, and layered
// windows with and without a compositor.

#include <unistd.h>

#include <algorithm>

#include "platform/gdi/Bitmaps.h"
#include "platform/win/LayeredWindows.h"
#include "tests/e2e/X11BackendFixture.h"

namespace e2e {
namespace {

TEST_F(X11BackendTest, WindowsAreDescribedToTheWindowManager) {
  const HWND Plain = Create("Plain", WS_OVERLAPPEDWINDOW, 0, Bounds(10, 10, 300, 200));
  Create("Tip", WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW, Bounds(20, 20, 100, 30));
  Create("Palette", WS_OVERLAPPED | WS_CAPTION, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, Bounds(30, 30, 150, 150));
  Create("Dialog", WS_POPUP | WS_CAPTION, 0, Bounds(40, 40, 200, 100), 0, Plain);
  const TXid PlainX = XWindowOf("Plain");
  ASSERT_NE(PlainX, 0u);

  // Undecorated: the program draws its frames itself.
  EXPECT_EQ(Other().Property(PlainX, "_MOTIF_WM_HINTS", "_MOTIF_WM_HINTS"),
            (std::vector<long>{2, 0, 0, 0, 0}));
  EXPECT_EQ(Other().Property(PlainX, "_NET_WM_PID", "CARDINAL"), std::vector<long>{getpid()});
  const std::vector<long> Protocols = Other().Property(PlainX, "WM_PROTOCOLS", "ATOM");
  EXPECT_NE(
      std::find(Protocols.begin(), Protocols.end(), static_cast<long>(Other().AtomNamed("WM_DELETE_WINDOW"))),
      Protocols.end());
  EXPECT_EQ(Other().ClassName(PlainX), "Pelladrin");
  EXPECT_FALSE(Other().IsOverrideRedirect(PlainX));
  EXPECT_TRUE(Other().IsOverrideRedirect(XWindowOf("Tip")))
      << "a captionless tool popup never takes the focus";
  EXPECT_EQ(Other().Property(XWindowOf("Palette"), "_NET_WM_STATE", "ATOM"),
            (std::vector<long>{static_cast<long>(Other().AtomNamed("_NET_WM_STATE_ABOVE")),
                               static_cast<long>(Other().AtomNamed("_NET_WM_STATE_SKIP_TASKBAR"))}));
  EXPECT_EQ(Other().TransientFor(XWindowOf("Dialog")), PlainX);

  SetWindowText(Plain, "Grüße");
  EXPECT_EQ(Other().TextProperty(PlainX, "_NET_WM_NAME", "UTF8_STRING"), "Grüße");
}

TEST_F(X11BackendTest, WindowRegionsBecomeBoundingAndInputShapes) {
  const HWND Window = Create("Shaped", WS_POPUP | WS_VISIBLE, 0, Bounds(50, 50, 200, 100));
  const HRGN Shape = CreateRectRgn(0, 0, 200, 100);
  const HRGN Hole = CreateRectRgn(50, 20, 150, 80);
  CombineRgn(Shape, Shape, Hole, RGN_DIFF);
  DeleteObject(Hole);
  SetWindowRgn(Window, Shape, true);
  const TXid X = XWindowOf("Shaped");
  const std::vector<TRect> Expected = {Bounds(0, 0, 200, 20), Bounds(0, 20, 50, 60), Bounds(150, 20, 50, 60),
                                       Bounds(0, 80, 200, 20)};
  EXPECT_EQ(Other().Shape(X, false), Expected);
  EXPECT_EQ(Other().Shape(X, true), Expected);

  SetWindowRgn(Window, nullptr, true);
  const std::vector<TRect> Whole = {Bounds(0, 0, 200, 100)};
  EXPECT_EQ(Other().Shape(X, false), Whole);
  EXPECT_EQ(Other().Shape(X, true), Whole);
}

class X11PresentTest : public X11BackendTest, public ::testing::WithParamInterface<bool> {};

TEST_P(X11PresentTest, PicturesReachTheWindowAndFollowItsSize) {
  TX11Options Options;
  Options.UseSharedMemory = GetParam();
  RestartBackend(Options);
  EXPECT_EQ(X11().UsesSharedMemory(), GetParam()) << "Xvfb offers MIT-SHM";
  const HWND Window =
      Create("Painted", WS_POPUP | WS_VISIBLE, 0, Bounds(100, 100, 240, 120), RGB(200, 30, 60));
  const TXid X = XWindowOf("Painted");
  // The picture reaches the window when the server has mapped it and says so.
  EXPECT_TRUE(PumpUntil([&] { return Other().UniformPixel(X, 240, 120) == 0xC81E3Cu; }));
  SetWindowLong(Window, GWL_USERDATA, static_cast<LONG_PTR>(RGB(10, 220, 90)));
  SetWindowPos(Window, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  InvalidateRect(Window, nullptr, true);
  UpdateWindow(Window);
  EXPECT_EQ(Other().Geometry(X), Bounds(100, 100, 400, 300));
  EXPECT_EQ(Other().UniformPixel(X, 400, 300), 0x0ADC5Au);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutSharedMemory, X11PresentTest, ::testing::Bool());

TEST_F(X11BackendTest, PerPixelAlphaNeedsACompositor) {
  EXPECT_FALSE(X11().CanShowPerPixelAlpha());
  // A compositor announces itself by owning the manager selection of the screen.
  Other().OwnSelection("_NET_WM_CM_S0");
  ASSERT_TRUE(X11().CanShowPerPixelAlpha());

  const HWND Layered = Create("Layered", WS_POPUP | WS_VISIBLE, WS_EX_LAYERED, Bounds(10, 10, 60, 40));
  const TXid LayeredX = XWindowOf("Layered");
  EXPECT_EQ(Other().Depth(LayeredX), 32);
  ASSERT_TRUE(SetLayeredWindowAttributes(Layered, 0, 128, LWA_ALPHA));
  EXPECT_EQ(Other().Property(LayeredX, "_NET_WM_WINDOW_OPACITY", "CARDINAL"), std::vector<long>{0x80808080L});
  ASSERT_TRUE(SetLayeredWindowAttributes(Layered, 0, 255, LWA_ALPHA));
  EXPECT_TRUE(Other().Property(LayeredX, "_NET_WM_WINDOW_OPACITY", "CARDINAL").empty());

  // Opaque pictures say so in their alpha; per-pixel pictures keep theirs,
  // premultiplied.
  Create("Opaque", WS_POPUP | WS_VISIBLE, 0, Bounds(100, 10, 60, 40), RGB(0, 0, 255));
  const TXid OpaqueX = XWindowOf("Opaque");
  EXPECT_TRUE(PumpUntil([&] { return Other().UniformPixel(OpaqueX, 60, 40) == 0xFF0000FFu; }));
  const HBITMAP Picture = CreateDib(60, 40, 32);
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 60; ++X) {
      uint8_t* Pixel = Picture->Surface().Row(Y) + X * 4;
      Pixel[2] = 128;
      Pixel[3] = 128;
    }
  const HDC Source = CreateCompatibleDC(nullptr);
  SelectObject(Source, Picture);
  const BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  const POINT Origin{0, 0};
  ASSERT_TRUE(UpdateLayeredWindow(Layered, nullptr, nullptr, nullptr, Source, &Origin, 0, &Blend, ULW_ALPHA));
  EXPECT_EQ(Other().UniformPixel(LayeredX, 60, 40), 0x80800000u);
  DeleteDC(Source);
  DeleteObject(Picture);
}

}  // namespace
}  // namespace e2e
