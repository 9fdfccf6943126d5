// Line layout of edit windows: wrapping at blanks, hard breaks, and laying out again
// from a changed position giving the same lines as laying out the whole text.

#include <gtest/gtest.h>

#include "platform/ui/native/EditLayout.h"
#include "platform/ui/native/EditModel.h"

namespace {

// Every character 10 pixels wide.
const TCharWidth TenPixels = [](char32_t) { return 10; };

std::vector<std::u32string> LineTexts(const std::u32string& AText, const std::vector<TEditLine>& ALines) {
  std::vector<std::u32string> Texts;
  for (const TEditLine& Line : ALines)
    Texts.push_back(AText.substr(static_cast<size_t>(Line.Start), static_cast<size_t>(Line.Length)));
  return Texts;
}

TEST(EditLayoutTest, WrapsBeforeTheWordThatPassesTheEdgeAndBreaksLongWords) {
  const std::u32string Text = U"aa bb cc\nabcdefghij\n";
  const auto Lines = LayOutLines(Text, TenPixels, 50);
  EXPECT_EQ(LineTexts(Text, Lines), (std::vector<std::u32string>{U"aa bb ", U"cc", U"abcde", U"fghij", U""}));
  EXPECT_EQ(Lines[0].Width, 60);  // the blank at the break hangs past the edge
  EXPECT_EQ(LineOfPosition(Lines, 6), 1);
  EXPECT_EQ(LineOfPosition(Lines, 20), 4);
  EXPECT_EQ(OffsetInLine(Text, Lines[1], TenPixels, 8), 20);
  EXPECT_EQ(PositionAtOffset(Text, Lines[1], TenPixels, 14), 7);
  EXPECT_EQ(PositionAtOffset(Text, Lines[1], TenPixels, 16), 8);
  // Without wrapping only line breaks start lines.
  EXPECT_EQ(LayOutLines(Text, TenPixels, 0).size(), 3u);
}

TEST(EditLayoutTest, LayingOutFromAChangeGivesTheLinesOfTheWholeText) {
  struct TEdit {
    int At;
    int Removed;
    const char32_t* Inserted;
  };
  const std::u32string Before = U"one two three four\nfive six seven\n\neight nine ten eleven twelve";
  const TEdit Edits[] = {{0, 0, U"x"},    {9, 0, U"XXXXXXXX "}, {18, 1, U" "}, {30, 3, U"\n"},
                         {50, 0, U"end"}, {63, 0, U" tail"},    {5, 40, U""}};
  for (int Wrap : {0, 60, 130}) {
    for (const TEdit& Edit : Edits) {
      SCOPED_TRACE(::testing::Message() << "wrap " << Wrap << " at " << Edit.At);
      auto Lines = LayOutLines(Before, TenPixels, Wrap);
      std::u32string After = Before;
      After.replace(static_cast<size_t>(Edit.At), static_cast<size_t>(Edit.Removed), Edit.Inserted);
      LayOutLinesFrom(Lines, After, TenPixels, Wrap, Edit.At);
      const auto Whole = LayOutLines(After, TenPixels, Wrap);
      EXPECT_EQ(LineTexts(After, Lines), LineTexts(After, Whole));
      ASSERT_EQ(Lines.size(), Whole.size());
      for (size_t I = 0; I < Lines.size(); ++I) EXPECT_EQ(Lines[I].Width, Whole[I].Width);
    }
  }
}

TEST(EditLayoutTest, CodePointsRoundTripThroughUtf8) {
  const String Text = "a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80z";
  const std::u32string Points = ToCodePoints(Text);
  EXPECT_EQ(Points, (std::u32string{U'a', 0xFC, 0x20AC, 0x1F600, U'z'}));
  EXPECT_EQ(ToUtf8(Points), Text);
}

}  // namespace
