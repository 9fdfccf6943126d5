#include <gtest/gtest.h>

#include "platform/ui/Image.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

class ImageTest : public UiTest {
 protected:
  // A 20 × 20 image holding a 4 × 4 red bitmap.
  TImage* MakeImage() {
    auto* Image = new TImage(&Host());
    Image->SetBounds(10, 10, 20, 20);
    Image->SetParent(&Host());
    TBitmap& Bitmap = Image->Picture().Bitmap();
    Bitmap.SetSize(4, 4);
    Bitmap.Canvas().Brush().SetColor(clRed);
    Bitmap.Canvas().FillRect(Rect(0, 0, 4, 4));
    return Image;
  }
};

TEST_F(ImageTest, ThePictureIsDrawnAtItsSizeCentredOrStretched) {
  TImage* Image = MakeImage();
  ShowHost();
  EXPECT_EQ(HostPixel(11, 11), RGB(255, 0, 0));
  EXPECT_EQ(HostPixel(15, 15), ColorToRGB(clBtnFace));
  EXPECT_FALSE(Image->ControlStyle.Contains(csOpaque));
  Image->SetCenter(true);
  Pump();
  EXPECT_EQ(HostPixel(20, 20), RGB(255, 0, 0));
  EXPECT_EQ(HostPixel(11, 11), ColorToRGB(clBtnFace));
  Image->SetStretch(true);
  Pump();
  EXPECT_EQ(HostPixel(11, 11), RGB(255, 0, 0));
  EXPECT_EQ(HostPixel(28, 28), RGB(255, 0, 0));
  EXPECT_TRUE(Image->ControlStyle.Contains(csOpaque));
}

TEST_F(ImageTest, AutoSizeTakesThePicturesSize) {
  TImage* Image = MakeImage();
  Image->SetAutoSize(true);
  EXPECT_EQ(Image->BoundsRect(), Bounds(10, 10, 4, 4));
  Image->Picture().Bitmap().SetSize(8, 6);
  EXPECT_EQ(Image->BoundsRect(), Bounds(10, 10, 8, 6));
}

}  // namespace
}  // namespace ui_test
