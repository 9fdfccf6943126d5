// The window procedure hands painting to the skin: the frame a shown form presents on
// the screen is the skin's, composed by the frame painting, with nothing of the
// platform's own frame over it; and a form without skin presents the built-in frame.

#include "platform/gdi/Regions.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowRegions.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/components/forms/SkinFormPaintFixture.h"

namespace {

using SkinFormPaintRoutingTest = skin_form_paint_test::SkinFormPaintTest;

// The pixel (0xAARRGGBB) the window presented at (AX, AY).
uint32_t RoutedPresentedPixel(HWND AWindow, int AX, int AY) {
  const auto& Pixels = HeadlessBackend()->PresentedPixels(AWindow);
  const int Width = HeadlessBackend()->PresentedSize(AWindow).cx;
  const uint8_t* P = Pixels.data() + (size_t(AY) * size_t(Width) + size_t(AX)) * 4;
  return 0xFF000000u | uint32_t(P[2]) << 16 | uint32_t(P[1]) << 8 | P[0];
}

TEST_F(SkinFormPaintRoutingTest, AShownFormPresentsTheSkinsFrame) {
  auto Skin = skin_form_paint_test::MakeFixtureSkin();
  NewSkinForm(400, 300, Skin.get());
  Form->Show();
  ProcessPendingMessages();
  const HWND Window = Form->Handle();
  ASSERT_EQ(HeadlessBackend()->PresentedSize(Window), (TSize{400, 300}));
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Window, Region), ERROR);
  int FramePixels = 0, Mismatches = 0;
  for (int Y = 0; Y < 300; ++Y)
    for (int X = 0; X < 400; ++X) {
      const TPoint Source = skin_form_paint_test::ReferenceFrameSource(*Skin, 400, 300, X, Y);
      if (Source.X < 0 || !PtInRegion(Region, X, Y)) continue;
      ++FramePixels;
      if (RoutedPresentedPixel(Window, X, Y) != skin_form_paint_test::FixtureFramePixel(Source.X, Source.Y))
        ++Mismatches;
    }
  DeleteObject(Region);
  EXPECT_GT(FramePixels, 0);
  EXPECT_EQ(Mismatches, 0);
}

TEST_F(SkinFormPaintRoutingTest, AFormWithoutSkinPresentsTheBuiltInFrame) {
  NewSkinForm(300, 200, nullptr);
  Form->Show();
  ProcessPendingMessages();
  const HWND Window = Form->Handle();
  // The built-in frame's outer edge and its caption, the close button at the right of
  // the caption: drawn, where the platform's own frame would have a caption of its own.
  TBitmap Reference;
  Reference.SetPixelFormat(pf32bit);
  Reference.SetSize(300, 200);
  SendMessage(Window, SP_PAINTNCINTODC, reinterpret_cast<WPARAM>(Reference.Canvas().Handle()), PAINTNC_MAGIC);
  const TPixelImage Expected = Reference.ToPixelImage();
  int Mismatches = 0;
  for (int Y = 0; Y < 200; ++Y)
    for (int X = 0; X < 300; ++X) {
      const bool InFrame = X < 3 || Y < 22 || X >= 297 || Y >= 197;
      if (InFrame && RoutedPresentedPixel(Window, X, Y) != (Expected.Pixel(X, Y) | 0xFF000000u)) ++Mismatches;
    }
  EXPECT_EQ(Mismatches, 0);
}

}  // namespace
