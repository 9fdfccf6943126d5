// The skinned bevel: its colours from the skin element "bevel" (the system's without
// one) and its divider mode.

#include "components/controls/SkinCtrls.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinBevelTest : public MoreControlsTest {
 protected:
  TspSkinBevel* MakeBevel(TBevelShape AShape, int AHeight) {
    auto* Bevel = new TspSkinBevel(&Host());
    Bevel->SetBounds(10, 10, 12, AHeight);
    Bevel->SetShape(AShape);
    Bevel->SetParent(&Host());
    return Bevel;
  }
  // The bevel's place with a pixel of the host around it: 'd' dark, 'l' light, '.'
  // the host.
  std::string Picture(int AHeight, TColor ADark, TColor ALight) {
    return HostPicture(Rect(9, 9, 23, 11 + AHeight), {{ADark, 'd'}, {ALight, 'l'}, {clBtnFace, '.'}});
  }
};

TEST_F(SkinBevelTest, ADividerWithTheBottomLineShapeDrawsItsLineThroughTheMiddle) {
  TspSkinBevel* Bevel = MakeBevel(bsBottomLine, 7);
  Bevel->SetDividerMode(true);
  ShowHost();
  // 7 pixels high: the frame (2, 2, 10, 3): left and top dark, right and bottom light.
  EXPECT_EQ(Picture(7, clBtnShadow, clBtnHighlight),
            "..............\n"
            "..............\n"
            "..............\n"
            "...ddddddddl..\n"
            "...dllllllll..\n"
            "..............\n"
            "..............\n"
            "..............\n"
            "..............\n");
}

TEST_F(SkinBevelTest, ABoxDividerIsAVerticalLineAndTheSkinGivesItsColours) {
  auto& Element = AddElement<TspDataSkinBevel>("bevel");
  Element.LightColor = clYellow;
  Element.DarkColor = clNavy;
  TspSkinBevel* Bevel = MakeBevel(bsBox, 6);
  Bevel->SetSkinData(&Skin());
  Bevel->SetDividerMode(true);
  ShowHost();
  EXPECT_EQ(Bevel->LightColor, clYellow);
  EXPECT_EQ(Bevel->DarkColor, clNavy);
  // The frame (5, 2, 6, 4).
  EXPECT_EQ(Picture(6, clNavy, clYellow),
            "..............\n"
            "..............\n"
            "..............\n"
            "......dl......\n"
            "......dl......\n"
            "......dl......\n"
            "..............\n"
            "..............\n");
  // Without the element the system colours come back.
  TspSkinEditor(Skin()).ClearControls();
  Bevel->ChangeSkinData();
  EXPECT_EQ(Bevel->LightColor, clBtnHighlight);
  EXPECT_EQ(Bevel->DarkColor, clBtnShadow);
}

TEST_F(SkinBevelTest, OutsideDividerModeTheShapesTakeTheSkinColours) {
  auto& Element = AddElement<TspDataSkinBevel>("bevel");
  Element.LightColor = clYellow;
  Element.DarkColor = clNavy;
  TspSkinBevel* Bevel = MakeBevel(bsBox, 4);
  Bevel->SetSkinData(&Skin());
  Bevel->SetStyle(bsRaised);
  ShowHost();
  EXPECT_EQ(Picture(4, clNavy, clYellow),
            "..............\n"
            ".llllllllllld.\n"
            ".l..........d.\n"
            ".l..........d.\n"
            ".lddddddddddd.\n"
            "..............\n");
}

}  // namespace
}  // namespace more_controls_test
