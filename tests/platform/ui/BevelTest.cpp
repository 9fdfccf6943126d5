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
  // The bevel (40 × 7 at 10, 10) with a pixel of the host around it: 's' shadow, 'l'
  // light, '.' the face. A box's top-right corner belongs to its light edges, its
  // bottom-left corner to its shadow edges.
  std::string Picture() {
    return HostPicture(Rect(9, 9, 51, 18), {{clBtnShadow, 's'}, {clBtnHighlight, 'l'}, {clBtnFace, '.'}});
  }
};

TEST_F(BevelTest, ALoweredBoxIsDarkAboveAndLightBelow) {
  MakeBevel(bsBox, bsLowered);
  ShowHost();
  EXPECT_EQ(Picture(),
            "..........................................\n"
            ".sssssssssssssssssssssssssssssssssssssssl.\n"
            ".s......................................l.\n"
            ".s......................................l.\n"
            ".s......................................l.\n"
            ".s......................................l.\n"
            ".s......................................l.\n"
            ".slllllllllllllllllllllllllllllllllllllll.\n"
            "..........................................\n");
}

TEST_F(BevelTest, LinesAreTwoPixelsOfBothColours) {
  TBevel* Bevel = MakeBevel(bsBottomLine, bsLowered);
  ShowHost();
  EXPECT_EQ(Picture(),
            "..........................................\n"
            "..........................................\n"
            "..........................................\n"
            "..........................................\n"
            "..........................................\n"
            "..........................................\n"
            ".ssssssssssssssssssssssssssssssssssssssss.\n"
            ".llllllllllllllllllllllllllllllllllllllll.\n"
            "..........................................\n");
  Bevel->SetStyle(bsRaised);
  Bevel->SetShape(bsTopLine);
  Pump();
  EXPECT_EQ(Picture(),
            "..........................................\n"
            ".llllllllllllllllllllllllllllllllllllllll.\n"
            ".ssssssssssssssssssssssssssssssssssssssss.\n"
            "..........................................\n"
            "..........................................\n"
            "..........................................\n"
            "..........................................\n"
            "..........................................\n"
            "..........................................\n");
}

}  // namespace
}  // namespace ui_test
