#include <gtest/gtest.h>

#include "platform/ui/Bevel.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

class BevelTest : public UiTest {
 protected:
  TBevel* MakeBevel(TBevelShape AShape, TBevelStyle AStyle) {
    auto* Bevel = new TBevel(&Host());
    Bevel->SetBounds(10, 10, 40, 7);
    Bevel->SetShape(AShape);
    Bevel->SetStyle(AStyle);
    Bevel->SetParent(&Host());
    return Bevel;
  }
  COLORREF Shadow() const { return ColorToRGB(clBtnShadow); }
  COLORREF Light() const { return ColorToRGB(clBtnHighlight); }
  COLORREF Face() const { return ColorToRGB(clBtnFace); }
};

TEST_F(BevelTest, ALoweredBoxIsDarkAboveAndLightBelow) {
  MakeBevel(bsBox, bsLowered);
  ShowHost();
  EXPECT_EQ(HostPixel(10, 10), Shadow());
  EXPECT_EQ(HostPixel(30, 10), Shadow());
  EXPECT_EQ(HostPixel(10, 14), Shadow());
  EXPECT_EQ(HostPixel(49, 16), Light());
  EXPECT_EQ(HostPixel(30, 16), Light());
  EXPECT_EQ(HostPixel(49, 12), Light());
  EXPECT_EQ(HostPixel(30, 13), Face());
}

TEST_F(BevelTest, LinesAreTwoPixelsOfBothColours) {
  TBevel* Bevel = MakeBevel(bsBottomLine, bsLowered);
  ShowHost();
  EXPECT_EQ(HostPixel(20, 15), Shadow());
  EXPECT_EQ(HostPixel(20, 16), Light());
  EXPECT_EQ(HostPixel(20, 14), Face());
  Bevel->SetStyle(bsRaised);
  Bevel->SetShape(bsTopLine);
  Pump();
  EXPECT_EQ(HostPixel(20, 10), Light());
  EXPECT_EQ(HostPixel(20, 11), Shadow());
  EXPECT_EQ(HostPixel(20, 15), Face());
}

}  // namespace
}  // namespace ui_test
