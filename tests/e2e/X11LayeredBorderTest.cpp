// A skin's layer frame around a skinned form on a real X display: with a compositor
// (xcompmgr, started here) the frame's windows show on the screen with their alpha and
// dragging the frame's border resizes the form; without one the form keeps its
// ordinary skinned frame and nothing surrounds it. A full-border frame carries the
// caption's close button, which closes the form.

#include <cstdlib>
#include <functional>
#include <memory>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/ui/Forms.h"
#include "tests/e2e/Compositor.h"
#include "tests/e2e/DefaultSkinOnDisk.h"

namespace e2e {
namespace {

// A white frame picture of 140 x 120 at alpha 128, whose client rectangle
// (20, 30, 120, 100) covers the form, with a visible border of 10 around it.
constexpr int FrameAlpha = 128;

std::unique_ptr<TBitmap> GreyPicture(int AGrey) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(140, 120);
  Picture->Canvas().Brush().SetColor(TColor(RGB(AGrey, AGrey, AGrey)));
  Picture->Canvas().FillRect(Rect(0, 0, 140, 120));
  return Picture;
}

class X11LayeredBorderTest : public X11DefaultSkinTest {
 protected:
  void SetUp() override {
    X11DefaultSkinTest::SetUp();
    const int First = Skin->PictureCount();
    TspSkinEditor(*Skin).AddPicture(GreyPicture(255));
    TspSkinEditor(*Skin).AddPicture(GreyPicture(FrameAlpha));
    TspDataSkinLayerFrame& Frame = *Skin->LayerFrame;
    Frame.PictureIndex = First;
    Frame.MaskPictureIndex = First + 1;
    Frame.LTPoint = {30, 40};
    Frame.RTPoint = {110, 40};
    Frame.LBPoint = {30, 90};
    Frame.RBPoint = {110, 90};
    Frame.ClRect = Rect(20, 30, 120, 100);
    Frame.BorderRect = Rect(10, 20, 130, 110);
    Frame.HitTestLTPoint = {20, 30};
    Frame.HitTestRTPoint = {120, 30};
    Frame.HitTestLBPoint = {20, 100};
    Frame.HitTestRBPoint = {120, 100};
    Frame.HitTestSize = 5;
    Frame.HitTestEnable = true;
  }

  TspSkinForm* ShowForm(const TRect& ABounds) {
    TForm* Form = Application->CreateForm<TForm>();
    Form->SetCaption("Framed");
    auto* SkinForm = new TspSkinForm(Form);
    SkinForm->SetSkinData(Skin.get());
    Form->SetBoundsRect(ABounds);
    Form->Show();
    EXPECT_TRUE(PumpUntil([&] {
      const TXid Window = Other().WindowTitled("Framed");
      return Window != 0 && Other().Geometry(Window) == ABounds;
    }));
    return SkinForm;
  }

  int ScreenGrey(TPoint APoint) {
    return int(VirtualDisplay().Screenshot(Bounds(APoint.X, APoint.Y, 1, 1)).Pixel(0, 0) & 0xFF);
  }
  bool TickUntil(const std::function<bool()>& ACondition) { return e2e::TickUntil(X11(), 10, ACondition); }

  TCompositor Compositor;
};

// The form at (100, 100), 400 x 300: its frame's left window covers x 80 to 99, its
// visible border x 90 to 99.
constexpr TRect FormBounds{100, 100, 500, 400};
constexpr TPoint OnLeftBorder{95, 250};

TEST_F(X11LayeredBorderTest, WithoutACompositorTheFormKeepsItsOrdinaryFrame) {
  BindSystemFunctions();
  TspSkinForm* SkinForm = ShowForm(FormBounds);
  EXPECT_FALSE(SkinForm->UseLayeredBorder());
  EXPECT_FALSE(SkinForm->LayerBorder().Visible());
  EXPECT_EQ(SkinForm->LayerBorder().Window(spflLeft), nullptr);
  EXPECT_EQ(ScreenGrey(OnLeftBorder), 0) << "the black root window shows";
}

// Each screenshot goes through ImageMagick's import: the test takes a few seconds.
TEST_F(X11LayeredBorderTest, WithACompositorTheFramesPixelsCarryTheirAlphaAndItsBorderResizesTheForm) {
  ASSERT_TRUE(Compositor.Start(VirtualDisplay(), X11()));
  BindSystemFunctions();
  TspSkinForm* SkinForm = ShowForm(FormBounds);
  ASSERT_TRUE(SkinForm->LayerBorder().Visible());
  // Once it composites, the compositor paints the root in a grey of its own (seen
  // above the frame); white at alpha a over grey g shows g + (255 − g) × a / 255.
  int Background = 0;
  ASSERT_TRUE(TickUntil([&] { return (Background = ScreenGrey({100, 60})) > 0; }));
  const int Expected = Background + (255 - Background) * FrameAlpha / 255;
  EXPECT_TRUE(TickUntil([&] { return std::abs(ScreenGrey(OnLeftBorder) - Expected) <= 3; }))
      << ScreenGrey(OnLeftBorder) << " for " << Expected;

  // The right border (x 500 to 509), dragged 60 pixels right under the pointer grab.
  VirtualDisplay().Xdotool("mousemove 505 250 mousedown 1 mousemove 535 250 mousemove 565 250 mouseup 1");
  EXPECT_TRUE(TickUntil([&] { return SkinForm->Form()->Width() == 460; })) << SkinForm->Form()->Width();
  EXPECT_EQ(SkinForm->Form()->Left(), 100);
  // The frame followed: its right window now starts at the form's new right edge.
  EXPECT_TRUE(TickUntil([&] {
    return std::abs(ScreenGrey({565, 250}) - Expected) <= 3;
  })) << ScreenGrey({565, 250})
      << " for " << Expected;
}

// The full border: a red close button of 12 x 12 at the caption's right end.
TEST_F(X11LayeredBorderTest, TheCloseButtonOfAFullBorderClosesTheForm) {
  ASSERT_TRUE(Compositor.Start(VirtualDisplay(), X11()));
  BindSystemFunctions();
  auto Button = std::make_unique<TBitmap>();
  Button->SetPixelFormat(pf24bit);
  Button->SetSize(12, 12);
  Button->Canvas().Brush().SetColor(clRed);
  Button->Canvas().FillRect(Rect(0, 0, 12, 12));
  TspSkinEditor(*Skin).AddPicture(std::move(Button));
  TspDataSkinLayerFrame& Frame = *Skin->LayerFrame;
  Frame.FullBorder = true;
  Frame.CaptionRect = Rect(20, 8, 120, 28);
  auto Close = std::make_unique<TspDataSkinStdButton>("closebutton");
  Close->Command = cmClose;
  Close->SkinRectInAPicture = true;
  Close->ActivePictureIndex = Skin->PictureCount() - 1;
  Close->SkinRect = Rect(0, 0, 12, 12);
  TspSkinEditor(*Skin).ClearObjects();
  TspSkinEditor(*Skin).AddObject(std::move(Close));
  // Closing the main form would end the application: the framed form is another one.
  Application->CreateForm<TForm>();
  TspSkinForm* SkinForm = ShowForm(FormBounds);
  ASSERT_TRUE(SkinForm->WearsFullLayeredBorder());
  // The top window starts at (80, 70) and the caption ends at 120 + 300 in it: the
  // button spans x 488 to 499, y 78 to 89.
  const TPoint OnClose{494, 84};
  ASSERT_TRUE(TickUntil([&] {
    const uint32_t Pixel = VirtualDisplay().Screenshot(Bounds(OnClose.X, OnClose.Y, 1, 1)).Pixel(0, 0);
    return (Pixel >> 16 & 0xFF) > 200 && (Pixel & 0xFF) < 50;
  })) << "the red button shows in the top window";
  VirtualDisplay().Xdotool("mousemove 494 84 click 1");
  EXPECT_TRUE(TickUntil([&] { return !SkinForm->Form()->Visible(); }));
  EXPECT_FALSE(SkinForm->LayerBorder().Visible());
}

}  // namespace
}  // namespace e2e
