#include <gtest/gtest.h>

#include "components/core/SkinData.h"
#include "tests/components/core/SkinTestSupport.h"

using skin_test::IniFromText;

namespace {

std::vector<TColor> AllColors(const TspSkinColors& AColors) {
  return {AColors.cBtnFace,   AColors.cBtnText,       AColors.cWindow,       AColors.cWindowText,
          AColors.cHighLight, AColors.cHighLightText, AColors.cBtnHighLight, AColors.cBtnShadow,
          AColors.c3DLight,   AColors.c3DDkShadow};
}

const std::vector<TColor> SystemColors = {clBtnFace,   clBtnText,       clWindow,       clWindowText,
                                          clHighlight, clHighlightText, clBtnHighlight, clBtnShadow,
                                          cl3DLight,   cl3DDkShadow};

}  // namespace

TEST(SkinColors, NewDefaultAndStored) {
  TspSkinColors Colors;
  EXPECT_EQ(AllColors(Colors), std::vector<TColor>(10, 0));
  Colors.SetColorsToDefault();
  EXPECT_EQ(AllColors(Colors), SystemColors);

  auto Ini = IniFromText("[SKINCOLORS]\nstale=1\n");
  Colors.cWindow = RGB(1, 2, 3);
  Colors.SaveToFile(*Ini);
  EXPECT_EQ(Ini->ReadString("SKINCOLORS", "cbtnface", ""), "-16777201");
  EXPECT_EQ(Ini->ReadString("SKINCOLORS", "cwindow", ""), IntToStr(RGB(1, 2, 3)));
  EXPECT_EQ(Ini->ReadString("SKINCOLORS", "c3ddkshadow", ""), IntToStr(cl3DDkShadow));
  TspSkinColors Back;
  Back.LoadFromFile(*Ini);
  EXPECT_EQ(AllColors(Back), AllColors(Colors));
}

TEST(SkinColors, ReadFromSkin) {
  auto Ini = IniFromText("[skincolors]\nCBTNFACE=-16777201\ncbtntext=255\nchighlight=0x00FF00\n");
  TspSkinColors Colors;
  Colors.LoadFromFile(*Ini);
  EXPECT_EQ(Colors.cBtnFace, clBtnFace);
  EXPECT_EQ(Colors.cBtnText, clRed);
  EXPECT_EQ(Colors.cHighLight, clLime);
}

// A skin without its colours keeps the system's: black would make the built-in look
// black text on black faces.
TEST(SkinColors, AbsentKeysGiveSystemColors) {
  TspSkinColors Colors;
  Colors.LoadFromFile(*IniFromText("[FORMINFO]\na=1\n"));
  EXPECT_EQ(AllColors(Colors), SystemColors);
  Colors.LoadFromFile(*IniFromText("[SKINCOLORS]\ncbtnshadow=8421504\n"));
  EXPECT_EQ(Colors.cBtnShadow, clGray);
  EXPECT_EQ(Colors.cBtnFace, clBtnFace);
  EXPECT_EQ(Colors.c3DLight, cl3DLight);
}
