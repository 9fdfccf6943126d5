#include <gtest/gtest.h>

#include <climits>

#include "components/core/SPUtils.h"
#include "tests/components/core/SkinTestSupport.h"

using skin_test::IniFromText;

TEST(SPUtilsGeometry, RectangleTests) {
  EXPECT_EQ(RectangleWidth(Rect(10, 4, 110, 24)), 100);
  EXPECT_EQ(RectangleHeight(Rect(10, 4, 110, 24)), 20);
  EXPECT_TRUE(RectangleIsEmpty(Rect(5, 5, 5, 20)));
  EXPECT_FALSE(RectangleIsEmpty(Rect(0, 0, 1, 1)));
  EXPECT_TRUE(RectangleIsEmpty(TRect()));

  TRect R = Rect(1, 2, 3, 4);
  SetZeroRect(R);
  EXPECT_EQ(R, TRect());
  EXPECT_TRUE(RectanglesEqual(Rect(1, 2, 3, 4), Rect(1, 2, 3, 4)));
  EXPECT_FALSE(RectanglesEqual(Rect(1, 2, 3, 4), Rect(1, 2, 3, 5)));

  // The point test includes every edge; the inside test excludes right and bottom.
  EXPECT_TRUE(PointInRectangle(Rect(0, 0, 10, 10), Point(10, 10)));
  EXPECT_TRUE(PointInRectangle(Rect(0, 0, 10, 10), Point(0, 0)));
  EXPECT_FALSE(PointInRectangle(Rect(0, 0, 10, 10), Point(11, 5)));
  EXPECT_FALSE(RectangleInside(Rect(0, 0, 10, 10), Rect(0, 0, 10, 10)));
  EXPECT_TRUE(RectangleInside(Rect(0, 0, 9, 9), Rect(0, 0, 10, 10)));

  EXPECT_TRUE(PointIsEmpty(Point(0, 7)));
  EXPECT_TRUE(PointIsEmpty(Point(7, 0)));
  EXPECT_FALSE(PointIsEmpty(Point(-1, 7)));
  EXPECT_EQ(MaxOf(-3, 2), 2);
  EXPECT_EQ(MinOf(-3, 2), -3);
}

// Coordinates from a hostile skin must not overflow the width and height arithmetic.
TEST(SPUtilsGeometry, ExtremeRectanglesSaturate) {
  TRect Huge = Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(RectangleWidth(Huge), INT_MAX);
  EXPECT_EQ(RectangleHeight(Huge), INT_MAX);
  EXPECT_FALSE(RectangleIsEmpty(Huge));
  TRect Inverted = Rect(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  EXPECT_EQ(RectangleWidth(Inverted), INT_MIN);
  EXPECT_TRUE(RectangleIsEmpty(Inverted));
}

TEST(SPUtilsGeometry, AverageColor) {
  // (255 + 0) div 2 = 127 for red and blue.
  EXPECT_EQ(AverageColor(clRed, clBlue), TColor(RGB(127, 0, 127)));
  EXPECT_EQ(AverageColor(RGB(10, 20, 30), RGB(10, 20, 30)), TColor(RGB(10, 20, 30)));
  // System colours are resolved first.
  COLORREF Face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(AverageColor(clBtnFace, clBtnFace), TColor(Face));
  EXPECT_EQ(AverageColor(clBtnFace, clBlack),
            TColor(RGB(GetRValue(Face) / 2, GetGValue(Face) / 2, GetBValue(Face) / 2)));
}

TEST(SPUtilsTextForms, ParseRectAndPoint) {
  struct Case {
    const char* Text;
    TRect Expected;
  };
  const Case Cases[] = {
      {"10,4,110,24", Rect(10, 4, 110, 24)},
      {" 10 , 4 , 110 , 24 ", Rect(10, 4, 110, 24)},
      {"1a0,4,110,24", Rect(10, 4, 110, 24)},
      {"-5,-3,-1,2", Rect(-5, -3, -1, 2)},
      {"- 5,3,x-7,8", Rect(-5, 3, -7, 8)},
      {"5-3,0,0,0", Rect(53, 0, 0, 0)},
      {"-2147483648,2147483647,0,0", Rect(INT_MIN, INT_MAX, 0, 0)},
      // What does not make a number reads 0, field by field.
      {"", TRect()},
      {"7", Rect(7, 0, 0, 0)},
      {"1,2", Rect(1, 2, 0, 0)},
      {"abc,2,,4", Rect(0, 2, 0, 4)},
      {"2147483648,99999999999999999999,-2147483649,1", Rect(0, 0, 0, 1)},
      {"1,2,3,4,5,6", Rect(1, 2, 3, 4)},
      {"\x01\xff,\x80"
       "9,,",
       Rect(0, 9, 0, 0)},
  };
  for (const Case& C : Cases) EXPECT_EQ(ParseRect(C.Text), C.Expected) << C.Text;

  EXPECT_EQ(ParsePoint("5,3"), Point(5, 3));
  EXPECT_EQ(ParsePoint("-5,3"), Point(-5, 3));
  EXPECT_EQ(ParsePoint("5"), Point(5, 0));
  EXPECT_EQ(ParsePoint("x,y"), Point(0, 0));
  EXPECT_EQ(ParsePoint("1,2,3"), Point(1, 2));

  EXPECT_EQ(RectToStr(Rect(-1, 2, -3, 4)), "-1,2,-3,4");
  EXPECT_EQ(PointToStr(Point(-5, 3)), "-5,3");
}

TEST(SPUtilsIniForms, ReadValueForms) {
  auto Ini = IniFromText(
      "[s]\n"
      "rect=1a0,4,110,24\n"
      "negrect=-10,-20,30,40\n"
      "emptyrect=\n"
      "point=-5,3\n"
      "one=1\n"
      "two=2\n"
      "word=true\n"
      "hexone=0x1\n"
      "styles=fsbold,fsitalic\n"
      "capital=fsBold\n"
      "embedded=xfsboldx,fsstrikeout\n"
      "left=taleftjustify\n"
      "right=tarightjustify\n"
      "othercase=taCenter\n"
      "junk=middle\n");
  EXPECT_EQ(IniReadRect(*Ini, "s", "rect"), Rect(10, 4, 110, 24));
  EXPECT_EQ(IniReadRect(*Ini, "S", "NEGRECT"), Rect(-10, -20, 30, 40));
  EXPECT_EQ(IniReadRect(*Ini, "s", "emptyrect"), TRect());
  EXPECT_EQ(IniReadRect(*Ini, "s", "absent"), TRect());
  EXPECT_EQ(IniReadPoint(*Ini, "s", "point"), Point(-5, 3));
  EXPECT_EQ(IniReadPoint(*Ini, "s", "absent"), Point(0, 0));

  EXPECT_TRUE(IniReadBoolean(*Ini, "s", "one"));
  EXPECT_TRUE(IniReadBoolean(*Ini, "s", "hexone"));
  EXPECT_FALSE(IniReadBoolean(*Ini, "s", "two"));
  EXPECT_FALSE(IniReadBoolean(*Ini, "s", "word"));
  EXPECT_FALSE(IniReadBoolean(*Ini, "s", "absent"));

  EXPECT_EQ(IniReadFontStyles(*Ini, "s", "styles"), TFontStyles({fsBold, fsItalic}));
  EXPECT_EQ(IniReadFontStyles(*Ini, "s", "capital"), TFontStyles());
  EXPECT_EQ(IniReadFontStyles(*Ini, "s", "embedded"), TFontStyles({fsBold, fsStrikeOut}));
  EXPECT_EQ(IniReadFontStyles(*Ini, "s", "absent"), TFontStyles());

  EXPECT_EQ(IniReadAlignment(*Ini, "s", "absent"), taCenter);
  EXPECT_EQ(IniReadAlignment(*Ini, "s", "left"), taLeftJustify);
  EXPECT_EQ(IniReadAlignment(*Ini, "s", "right"), taRightJustify);
  EXPECT_EQ(IniReadAlignment(*Ini, "s", "othercase"), taRightJustify);
  EXPECT_EQ(IniReadAlignment(*Ini, "s", "junk"), taRightJustify);
}

TEST(SPUtilsIniForms, WrittenFormsReadBack) {
  auto Ini = IniFromText("");
  IniWriteRect(*Ini, "s", "rect", Rect(-10, 4, 110, -24));
  IniWritePoint(*Ini, "s", "point", Point(-5, 3));
  IniWriteBoolean(*Ini, "s", "yes", true);
  IniWriteBoolean(*Ini, "s", "no", false);
  IniWriteFontStyles(*Ini, "s", "styles", {fsItalic, fsBold});
  IniWriteFontStyles(*Ini, "s", "nostyles", TFontStyles());
  IniWriteAlignment(*Ini, "s", "a1", taCenter);
  IniWriteAlignment(*Ini, "s", "a2", taLeftJustify);
  IniWriteAlignment(*Ini, "s", "a3", taRightJustify);

  EXPECT_EQ(Ini->ReadString("s", "rect", ""), "-10,4,110,-24");
  EXPECT_EQ(Ini->ReadString("s", "point", ""), "-5,3");
  EXPECT_EQ(Ini->ReadString("s", "yes", ""), "1");
  EXPECT_EQ(Ini->ReadString("s", "no", ""), "0");
  EXPECT_EQ(Ini->ReadString("s", "styles", ""), "fsbold,fsitalic");
  EXPECT_TRUE(Ini->ValueExists("s", "nostyles"));
  EXPECT_EQ(Ini->ReadString("s", "nostyles", "x"), "");
  EXPECT_EQ(Ini->ReadString("s", "a1", ""), "tacenter");
  EXPECT_EQ(Ini->ReadString("s", "a2", ""), "taleftjustify");
  EXPECT_EQ(Ini->ReadString("s", "a3", ""), "tarightjustify");

  EXPECT_EQ(IniReadRect(*Ini, "s", "rect"), Rect(-10, 4, 110, -24));
  EXPECT_EQ(IniReadPoint(*Ini, "s", "point"), Point(-5, 3));
  EXPECT_EQ(IniReadFontStyles(*Ini, "s", "styles"), TFontStyles({fsBold, fsItalic}));
  EXPECT_EQ(IniReadAlignment(*Ini, "s", "a2"), taLeftJustify);
  EXPECT_EQ(IniReadAlignment(*Ini, "s", "a3"), taRightJustify);
}

TEST(SPUtilsIniForms, TextLinesAndStringLists) {
  TStringList Lines;
  Lines.Add("first");
  Lines.Add("");
  Lines.Add("third line");
  auto Ini = IniFromText("");
  IniWriteTextLines(*Ini, "s", "hint", Lines);
  EXPECT_EQ(Ini->ReadString("s", "hintlinecount", ""), "3");
  EXPECT_EQ(Ini->ReadString("s", "hintline2", ""), "third line");
  IniWriteStringList(*Ini, "s", "items", Lines);
  EXPECT_EQ(Ini->ReadString("s", "itemscount", ""), "3");
  EXPECT_EQ(Ini->ReadString("s", "0", ""), "first");

  // Readers append to what the list holds.
  TStringList Read;
  Read.Add("kept");
  IniReadTextLines(*Ini, "s", "hint", Read);
  EXPECT_EQ(Read.Text(), "kept\nfirst\n\nthird line\n");
  TStringList Items;
  IniReadStringList(*Ini, "s", "items", Items);
  EXPECT_EQ(Items.Text(), "first\n\nthird line\n");

  TStringList None;
  IniReadTextLines(*Ini, "s", "absent", None);
  IniReadStringList(*Ini, "s", "absent", None);
  EXPECT_EQ(None.Count(), 0);
}

// A line key missing below the count reads as an empty line; a count beyond the keys
// the section holds at all is not believed.
TEST(SPUtilsIniForms, ListCountsAreBoundedBySection) {
  auto Ini = IniFromText(
      "[gap]\nsymbolslinecount=2\nsymbolsline0=abc\n"
      "[hostile]\nsymbolslinecount=2000000000\nsymbolsline0=a\nsymbolsline1=b\n"
      "itemscount=2147483647\n0=x\n"
      "[negative]\nsymbolslinecount=-5\nsymbolsline0=a\n");
  TStringList Gap;
  IniReadTextLines(*Ini, "gap", "symbols", Gap);
  EXPECT_EQ(Gap.Text(), "abc\n\n");

  TStringList Hostile;
  IniReadTextLines(*Ini, "hostile", "symbols", Hostile);
  ASSERT_LE(Hostile.Count(), 5);
  EXPECT_EQ(Hostile.Strings(0), "a");
  EXPECT_EQ(Hostile.Strings(1), "b");
  TStringList HostileItems;
  IniReadStringList(*Ini, "hostile", "items", HostileItems);
  ASSERT_LE(HostileItems.Count(), 5);
  EXPECT_EQ(HostileItems.Strings(0), "x");

  TStringList Negative;
  IniReadTextLines(*Ini, "negative", "symbols", Negative);
  EXPECT_EQ(Negative.Count(), 0);
}
