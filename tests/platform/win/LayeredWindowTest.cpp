// Layered windows: constant alpha and colour keys of SetLayeredWindowAttributes, and
// pictures with per-pixel alpha given by UpdateLayeredWindow, as the backend records
// them.

#include <cstring>

#include "platform/win/LayeredWindows.h"
#include "tests/platform/win/PaintTestSupport.h"

namespace paint_test {
namespace {

class LayeredWindowTest : public PaintingTest {
 protected:
  void SetUp() override {
    PaintingTest::SetUp();
    W = Create("w", WS_POPUP | WS_VISIBLE | WS_BORDER, Bounds(10, 10, 60, 40), Red, nullptr, WS_EX_LAYERED);
    Pump();
  }

  HWND W = nullptr;
};

TEST_F(LayeredWindowTest, ConstantAlphaIsRecordedUntilTheWindowStopsBeingLayered) {
  EXPECT_FALSE(GetLayeredWindowAttributes(W, nullptr, nullptr, nullptr)) << "nothing set yet";
  EXPECT_TRUE(SetLayeredWindowAttributes(W, 0, 128, LWA_ALPHA));
  EXPECT_EQ(Headless().ConstantAlpha(W), 128);
  EXPECT_FALSE(Headless().HasPerPixelAlpha(W));
  COLORREF Key = 1;
  BYTE Alpha = 0;
  DWORD Flags = 0;
  EXPECT_TRUE(GetLayeredWindowAttributes(W, &Key, &Alpha, &Flags));
  EXPECT_EQ(Key, 0u);
  EXPECT_EQ(Alpha, 128);
  EXPECT_EQ(Flags, LWA_ALPHA);
  SetWindowLong(W, GWL_EXSTYLE, 0);
  EXPECT_EQ(Headless().ConstantAlpha(W), 255);
  EXPECT_FALSE(SetLayeredWindowAttributes(W, 0, 128, LWA_ALPHA));
  EXPECT_FALSE(GetLayeredWindowAttributes(W, nullptr, nullptr, nullptr));
}

TEST_F(LayeredWindowTest, AColourKeyLeavesThePixelsOfThatColourOut) {
  EXPECT_TRUE(SetLayeredWindowAttributes(W, Red, 0, LWA_COLORKEY));
  EXPECT_EQ(Headless().ConstantAlpha(W), 255);
  EXPECT_TRUE(Headless().HasPerPixelAlpha(W));
  const TPixelImage Picture = WindowPicture(W);
  EXPECT_EQ(Picture.Pixel(20, 20), 0u) << "the red client area";
  EXPECT_EQ(Picture.Pixel(0, 0) >> 24, 0xFFu) << "the black border";
}

TEST_F(LayeredWindowTest, UpdateLayeredWindowShowsAPremultipliedPictureWithItsAlpha) {
  const HBITMAP Bitmap = CreateDib(40, 20, 32);
  const HDC Source = CreateCompatibleDC(nullptr);
  SelectObject(Source, Bitmap);
  auto* Pixels = reinterpret_cast<uint32_t*>(Bitmap->Bits());
  for (int Index = 0; Index < 40 * 20; ++Index) Pixels[Index] = Index % 2 ? 0x80400000u : 0xFF00FF00u;
  const POINT Destination{200, 150};
  const SIZE Size{40, 20};
  const POINT SourcePoint{0, 0};
  const BLENDFUNCTION Blend{AC_SRC_OVER, 0, 200, AC_SRC_ALPHA};
  EXPECT_TRUE(
      UpdateLayeredWindow(W, nullptr, &Destination, &Size, Source, &SourcePoint, 0, &Blend, ULW_ALPHA));

  RECT Placed;
  GetWindowRect(W, &Placed);
  EXPECT_EQ(Placed, Bounds(200, 150, 40, 20));
  EXPECT_EQ(Headless().ConstantAlpha(W), 200);
  EXPECT_TRUE(Headless().HasPerPixelAlpha(W));
  const std::vector<uint8_t>& Shown = Headless().PresentedPixels(W);
  ASSERT_EQ(Shown.size(), 40u * 20 * 4);
  EXPECT_EQ(std::memcmp(Shown.data(), Bitmap->Bits(), Shown.size()), 0);
  EXPECT_FALSE(GetLayeredWindowAttributes(W, nullptr, nullptr, nullptr));

  // Painting does not reach the picture...
  InvalidateRect(W, nullptr, true);
  Pump();
  EXPECT_EQ(std::memcmp(Headless().PresentedPixels(W).data(), Bitmap->Bits(), Shown.size()), 0);
  // ...until the window is given attributes again.
  SetLayeredWindowAttributes(W, 0, 255, LWA_ALPHA);
  Pump();
  EXPECT_FALSE(Headless().HasPerPixelAlpha(W));
  EXPECT_EQ(ClientPixel(W, 5, 5), Red);

  DeleteDC(Source);
  DeleteObject(Bitmap);
}

TEST_F(LayeredWindowTest, UpdateLayeredWindowRefusesWhatItCannotShow) {
  const HBITMAP Bitmap = CreateDib(10, 10, 32);
  const HDC Source = CreateCompatibleDC(nullptr);
  SelectObject(Source, Bitmap);
  const SIZE TooLarge{20, 10};
  const POINT Origin{0, 0};
  EXPECT_FALSE(UpdateLayeredWindow(W, nullptr, nullptr, &TooLarge, Source, &Origin, 0, nullptr, ULW_OPAQUE));
  const HWND Plain = Create("plain", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 10, 10), Red);
  const SIZE Fits{10, 10};
  EXPECT_FALSE(UpdateLayeredWindow(Plain, nullptr, nullptr, &Fits, Source, &Origin, 0, nullptr, ULW_OPAQUE));
  EXPECT_TRUE(UpdateLayeredWindow(W, nullptr, nullptr, &Fits, Source, &Origin, 0, nullptr, ULW_OPAQUE));
  EXPECT_FALSE(Headless().HasPerPixelAlpha(W));
  DeleteDC(Source);
  DeleteObject(Bitmap);
}

}  // namespace
}  // namespace paint_test
