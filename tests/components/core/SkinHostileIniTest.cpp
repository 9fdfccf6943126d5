// Skins come from outside the program: damaged, hand-edited or hostile descriptions
// load as far as they are sound, without an exception, a crash or a hang.

#include <gtest/gtest.h>

#include <random>

#include "components/core/SkinData.h"
#include "tests/components/core/SkinTestSupport.h"
#include "tests/support/TestSupport.h"

using skin_test::IniFromText;

namespace {

// Loads every kind of both lists, and the windows and colours, from AIni's section
// "elem" and the fixed sections.
void LoadEveryRecord(const TCustomIniFile& AIni) {
  for (const auto& Kind : SkinControlKinds()) Kind.Create("elem")->LoadFromFile(AIni);
  for (const auto& Kind : SkinObjectKinds()) Kind.Create("elem")->LoadFromFile(AIni);
  TspDataSkinPopupWindow().LoadFromFile(AIni);
  TspDataSkinHintWindow().LoadFromFile(AIni);
  TspDataSkinLayerFrame().LoadFromFile(AIni);
  TspSkinColors().LoadFromFile(AIni);
  IsSkinIniFile(AIni);
}

}  // namespace

TEST(SkinHostileIni, FixtureLoadsWhatIsSound) {
  TMemIniFile Ini(testing_support::FixtureFile("skins/hostile-values/skin.ini"));
  ASSERT_NO_THROW(LoadEveryRecord(Ini));
  EXPECT_TRUE(IsSkinIniFile(Ini));

  TspDataSkinBitLabelControl Label("elem");
  Label.LoadFromFile(Ini);
  // The count claims two billion lines; the section cannot hold more than its keys.
  EXPECT_LE(Label.Symbols.Count(), 40);
  EXPECT_EQ(Label.Symbols.Strings(0), "first");
  EXPECT_EQ(Label.SkinRect, TRect());
  EXPECT_EQ(Label.LTPoint, TPoint());
  EXPECT_EQ(Label.ClRect, TRect());
  EXPECT_EQ(Label.PictureIndex, -1);
  EXPECT_EQ(Label.CursorIndex, -1);
  EXPECT_EQ(Label.StretchType, spstHorz);

  TspDataSkinButtonControl Button("elem");
  Button.LoadFromFile(Ini);
  EXPECT_EQ(Button.ActiveSkinRect, Rect(0, 0, -5, 4));
  EXPECT_EQ(Button.FontHeight, 14);
  EXPECT_EQ(Button.FontName, "");
  EXPECT_EQ(Button.FontStyle, TFontStyles({fsBold, fsItalic, fsUnderline}));
  EXPECT_EQ(Button.MorphKind, mkDefault);

  TspDataSkinPanelControl Panel("elem");
  Panel.LoadFromFile(Ini);
  EXPECT_EQ(Panel.Alignment, taRightJustify);

  TspDataSkinSwitchControl Strip("elem");
  Strip.LoadFromFile(Ini);
  EXPECT_EQ(Strip.FramesCount, 1);
  EXPECT_EQ(Strip.FramesPlacement, fpVertical);  // the ini trims the value

  TspDataSkinStdButton StdButton("elem");
  StdButton.LoadFromFile(Ini);
  EXPECT_EQ(StdButton.Command, cmClose);
  EXPECT_EQ(StdButton.RestoreHint, "");

  TspDataSkinFrameRegulatorObject Regulator("elem");
  Regulator.LoadFromFile(Ini);
  EXPECT_EQ(Regulator.CountFrames, SkinCountLimit);
  EXPECT_EQ(Regulator.Kind, rkVertical);

  TspDataSkinLabel TextLabel("elem");
  TextLabel.LoadFromFile(Ini);
  EXPECT_EQ(TextLabel.TextValue, "a=b=c");

  TspDataSkinPopupWindow Popup;
  Popup.LoadFromFile(Ini);
  EXPECT_EQ(Popup.StretchType, spstVert);
  EXPECT_EQ(Popup.ItemsRect, Rect(1, 2, 3, 0));

  TspDataSkinLayerFrame Layer;
  Layer.LoadFromFile(Ini);
  EXPECT_EQ(Layer.AlphaBlendValue, 255);
  EXPECT_EQ(Layer.InActiveAlphaBlendValue, -1);

  TspSkinColors Colors;
  Colors.LoadFromFile(Ini);
  EXPECT_EQ(Colors.cBtnFace, clBtnFace);
  EXPECT_EQ(Colors.cBtnText, clBtnText);
  EXPECT_EQ(Colors.cWindow, clFuchsia);
}

// What a record reads is bounded where it is read, so that every consumer may add a
// few of its values or divide a strip by its count: rectangles and points within the
// skin's coordinate limit, picture and cursor indexes from -1 up (a cursor index within
// the cursor table), frame counts from 0 to one per pixel of a bitmap's greatest side.
TEST(SkinHostileIni, ValuesAreReadWithinTheirBounds) {
  auto Ini = IniFromText(
      "[elem]\nskinrect=99999,-99999,16384,-2147483648\nlefttoppoint=2147483647,-16385\npictureindex=-7\n"
      "cursorindex=2147483646\nframecount=2000000000\ncountframes=-3\n");
  TspDataSkinButtonControl Button("elem");
  Button.LoadFromFile(*Ini);
  const int Limit = SkinCoordinateLimit;
  EXPECT_EQ(Button.SkinRect, Rect(Limit, -Limit, Limit, -Limit));
  EXPECT_EQ(Button.LTPoint, Point(Limit, -Limit));
  EXPECT_EQ(Button.PictureIndex, -1);
  EXPECT_EQ(Button.CursorIndex, SkinCursorNumberLimit);
  EXPECT_EQ(Button.FrameCount, SkinCountLimit);
  TspDataSkinFrameGaugeObject Gauge("elem");
  Gauge.LoadFromFile(*Ini);
  EXPECT_EQ(Gauge.CountFrames, 0);
}

// The first cursor number is kept within one past the cursor table, so that adding a
// cursor index to it stays within int.
TEST(SkinHostileIni, CursorNumbersAndAreasAreReadWithinTheirBounds) {
  testing_support::TempDir Folder;
  testing_support::WriteWholeFile(
      Folder.File("skin.ini"),
      "[VERSION]\nskinname=cursors\n[PICTURES]\ncount=0\n[FORMINFO]\na=1\n[SKINOBJECTS]\ncount=0\n"
      "[SKINCONTROLS]\ncount=0\n[CURSORS]\nstartcursorindex=2147483647\n"
      "[SKINAREAS]\ncount=1\n0=area:-2147483648,0,2147483647,5\n");
  TspSkinData Skin(nullptr);
  Skin.BuildMode = true;
  Skin.LoadFromFile(Folder.File("skin.ini"));
  EXPECT_EQ(Skin.StartCursorIndex, SkinCursorNumberLimit + 1);
  ASSERT_EQ(Skin.AreaList.size(), 1u);
  EXPECT_EQ(Skin.AreaList[0]->AreaRect, Rect(-SkinCoordinateLimit, 0, SkinCoordinateLimit, 5));
}

TEST(SkinHostileIni, MissingSectionsAndEmptyFile) {
  for (const char* Text : {"", "[elem]\n", "no section at all\nkey=value\n", "[elem\nskinrect=1,2,3,4\n"}) {
    auto Ini = IniFromText(Text);
    ASSERT_NO_THROW(LoadEveryRecord(*Ini)) << Text;
    EXPECT_FALSE(IsSkinIniFile(*Ini));
  }
}

// Random bytes, lines and separators, fed through every reader. Half of the texts
// start with a section header so that their keys reach the records.
TEST(SkinHostileIni, BinaryJunk) {
  std::mt19937 Random(7);
  std::uniform_int_distribution<int> Byte(0, 255);
  const char Pieces[][24] = {"[elem]\n",
                             "skinrect=",
                             "symbolslinecount=",
                             "symbolsline0=",
                             ",",
                             "-",
                             "=",
                             "\n",
                             "fontstyle=fsbold",
                             "0x",
                             "99999999999",
                             "\r\n",
                             "[",
                             "]",
                             "stretchtype=st"};
  for (int Round = 0; Round < 200; ++Round) {
    String Text = Round % 2 ? "[elem]\n" : "";
    for (int I = 0; I < 200; ++I) {
      if (Byte(Random) < 128)
        Text += Pieces[Byte(Random) % std::size(Pieces)];
      else
        Text += char(Byte(Random));
    }
    auto Ini = IniFromText(Text);
    ASSERT_NO_THROW(LoadEveryRecord(*Ini)) << Round;
  }
}

// Ten-megabyte values, a rectangle of digits and a font-style text of separators, and
// a line count far beyond 32 bits. Reading stays linear in their size. The ini is made
// in memory: writing and parsing the file would only test the ini layer again.
TEST(SkinHostileIni, HugeLines) {
  String Digits(10 << 20, '7');
  String Commas(10 << 20, ',');
  String Text = "[elem]\nskinrect=" + Digits + "\nfontstyle=" + Commas +
                "fsitalic\nsymbolslinecount=" + String(40, '9') + "\nsymbolsline0=x\n";
  auto Ini = IniFromText(Text);
  TspDataSkinBitLabelControl Label("elem");
  ASSERT_NO_THROW(Label.LoadFromFile(*Ini));
  EXPECT_EQ(Label.SkinRect, TRect());
  EXPECT_EQ(Label.Symbols.Count(), 0);  // the count does not fit 32 bits: no lines
  TspDataSkinButtonControl Button("elem");
  ASSERT_NO_THROW(Button.LoadFromFile(*Ini));
  EXPECT_EQ(Button.FontStyle, TFontStyles({fsItalic}));
}
