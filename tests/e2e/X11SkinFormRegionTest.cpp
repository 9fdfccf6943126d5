// The shape of a form wearing the default skin on the desktop: against the black root
// window, every pixel of the screen is black exactly where the skin's window region
// leaves the form out, at a small, a middle, the screen's and the maximized size. The screenshot of
// the middle size is kept as docs/default-skin-frame-region.png.

#include <string>

#include "components/forms/SkinForm.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/Forms.h"
#include "platform/win/WindowRegions.h"
#include "tests/e2e/DefaultSkinOnDisk.h"
#include "tests/support/Pictures.h"

namespace e2e {
namespace {

class X11SkinFormRegionTest : public X11DefaultSkinTest {};

// The pixels of AShot (the form's window rectangle on the screen) that are black where
// the form's region has them inside, or not black where it leaves them out.
int ShapeMismatches(const TPixelImage& AShot, TCustomForm* AForm) {
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(AForm->Handle(), Region), ERROR);
  int Mismatches = 0;
  for (int Y = 0; Y < AShot.Height; ++Y)
    for (int X = 0; X < AShot.Width; ++X) {
      // The frame's own colours are never pure black.
      const bool Shown = (AShot.Pixel(X, Y) & 0xFFFFFF) != 0;
      if (Shown != bool(PtInRegion(Region, X, Y))) ++Mismatches;
    }
  DeleteObject(Region);
  return Mismatches;
}

TEST_F(X11SkinFormRegionTest, TheDefaultSkinsFrameHasNoNotchAtAnySize) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetCaption("Region");
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->SetSkinData(Skin.get());
  Form->SetBoundsRect(Bounds(40, 40, 320, 240));
  Form->Show();
  auto ShownAt = [&](const TRect& ABounds) {
    return PumpUntil([&] {
      const TXid Window = Other().WindowTitled("Region");
      return Window != 0 && Other().Geometry(Window) == ABounds;
    });
  };
  auto Shot = [&] {
    ProcessPendingMessages();
    Other().Synchronize();
    return VirtualDisplay().Screenshot(Form->BoundsRect());
  };
  ASSERT_TRUE(ShownAt(Bounds(40, 40, 320, 240)));
  EXPECT_EQ(ShapeMismatches(Shot(), Form), 0) << "320 x 240";

  Form->SetBoundsRect(Bounds(40, 40, 780, 490));
  ASSERT_TRUE(ShownAt(Bounds(40, 40, 780, 490)));
  const TPixelImage Middle = Shot();
  EXPECT_EQ(ShapeMismatches(Middle, Form), 0) << "780 x 490";
  EXPECT_TRUE(
      testing_support::MatchesReferencePicture(Middle, "docs/default-skin-frame-region.png", {24, 400}));

  Form->SetBoundsRect(Bounds(0, 0, 1280, 800));
  ASSERT_TRUE(ShownAt(Bounds(0, 0, 1280, 800)));
  EXPECT_EQ(ShapeMismatches(Shot(), Form), 0) << "full";
  SkinForm->SetWindowState(wsMaximized);
  ASSERT_TRUE(ShownAt(Form->BoundsRect()));
  EXPECT_EQ(ShapeMismatches(Shot(), Form), 0) << "maximized";
}

}  // namespace
}  // namespace e2e
