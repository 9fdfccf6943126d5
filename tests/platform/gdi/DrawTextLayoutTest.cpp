#include <gtest/gtest.h>

#include "platform/base/Strings.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextLayout.h"

namespace {

// A font where every character is 10 pixels wide, a period 3 and control characters 0,
// so every expected width can be worked out by hand.
int FakeAdvance(char32_t ACodePoint) {
  if (ACodePoint < 0x20) return 0;
  return ACodePoint == U'.' ? 3 : 10;
}

struct TLaidOut {
  std::vector<String> Texts;
  std::vector<int> Widths;
  std::vector<int> Prefixes;
};

TLaidOut Layout(const String& AText, unsigned AFormat, int AWidth = 1000, int AHeight = 1000) {
  TLayoutOptions options;
  options.Format = AFormat;
  options.Width = AWidth;
  options.Height = AHeight;
  options.LineHeight = 10;
  options.TabWidth = 80;
  TLaidOut result;
  for (const TLayoutLine& line : LayoutText(AText, options, FakeAdvance)) {
    String text;
    for (char32_t codePoint : line.Text) Utf8Append(text, codePoint);
    result.Texts.push_back(text);
    result.Widths.push_back(line.Width);
    result.Prefixes.push_back(line.PrefixIndex);
  }
  return result;
}

using Lines = std::vector<String>;

TEST(DrawTextLayout, SplitsLinesAtEveryKindOfLineBreak) {
  struct TCase {
    String Text;
    unsigned Format;
    Lines Expected;
  } cases[] = {
      {"a\r\nb\nc\rd", DT_NOPREFIX, {"a", "b", "c", "d"}},
      {"abc\n", DT_NOPREFIX, {"abc"}},
      {"a\n\nb", DT_NOPREFIX, {"a", "", "b"}},
      {"", DT_NOPREFIX, {}},
      {"a\nb", DT_NOPREFIX | DT_SINGLELINE, {"a\nb"}},
  };
  for (const TCase& c : cases) EXPECT_EQ(Layout(c.Text, c.Format).Texts, c.Expected) << c.Text;
  // A line break shown on a single line takes no room.
  EXPECT_EQ(Layout("a\nb", DT_SINGLELINE).Widths, std::vector<int>{20});
}

TEST(DrawTextLayout, ResolvesAcceleratorPrefixes) {
  struct TCase {
    String Text;
    unsigned Format;
    String Shown;
    int Prefix;
  } cases[] = {
      {"&File", 0, "File", 0},
      {"&&", 0, "&", -1},
      {"a&&b&c", 0, "a&bc", 3},
      {"abc&", 0, "abc", -1},
      {"&a&b", 0, "ab", 1},  // the last prefix of a line wins
      {"&File", DT_NOPREFIX, "&File", -1},
      {"&&", DT_NOPREFIX, "&&", -1},
  };
  for (const TCase& c : cases) {
    const TLaidOut laidOut = Layout(c.Text, c.Format);
    ASSERT_EQ(laidOut.Texts.size(), 1u) << c.Text;
    EXPECT_EQ(laidOut.Texts[0], c.Shown) << c.Text;
    EXPECT_EQ(laidOut.Prefixes[0], c.Prefix) << c.Text;
  }
  EXPECT_EQ(Layout("&File", DT_NOPREFIX).Widths[0], 50);
  EXPECT_EQ(Layout("&File", 0).Widths[0], 40);
}

TEST(DrawTextLayout, WordBreakWrapsAtTheWidth) {
  struct TCase {
    String Text;
    int Width;
    Lines Expected;
  } cases[] = {
      {"aaa bbb ccc", 50, {"aaa", "bbb", "ccc"}},
      {"aaa bbb ccc", 70, {"aaa bbb", "ccc"}},
      {"aaa bbb ccc", 110, {"aaa bbb ccc"}},
      {"aaaaa bb", 20, {"aaaaa", "bb"}},  // a word wider than the rectangle stays whole
      {"  aa bb", 40, {"  aa", "bb"}},    // leading spaces stay with the first word
      {"aa   bb", 40, {"aa", "bb"}},      // spaces at a break are dropped
      {"aa bb\ncc dd", 30, {"aa", "bb", "cc", "dd"}},
      {"aaa bbb", 0, {"aaa", "bbb"}},
  };
  for (const TCase& c : cases) EXPECT_EQ(Layout(c.Text, DT_WORDBREAK, c.Width).Texts, c.Expected) << c.Text;
  // The accelerator follows its character onto the next line.
  const TLaidOut wrapped = Layout("aa &bb", DT_WORDBREAK, 30);
  EXPECT_EQ(wrapped.Prefixes, (std::vector<int>{-1, 0}));
  // A single line ignores word breaking.
  EXPECT_EQ(Layout("aaa bbb", DT_WORDBREAK | DT_SINGLELINE, 30).Texts, Lines{"aaa bbb"});
}

TEST(DrawTextLayout, ExpandsTabsOnlyWhenAsked) {
  EXPECT_EQ(Layout("a\tb", DT_EXPANDTABS).Widths[0], 90);
  EXPECT_EQ(Layout("abcdefgh\tb", DT_EXPANDTABS).Widths[0], 170);  // a tab at a stop goes to the next
  EXPECT_EQ(Layout("a\tb", 0).Widths[0], 20);
  EXPECT_EQ(NextTabStop(79, 80), 80);
  EXPECT_EQ(NextTabStop(80, 80), 160);
  EXPECT_EQ(NextTabStop(5, 0), 5);
}

TEST(DrawTextLayout, EndEllipsisShortensWhatDoesNotFit) {
  const TLaidOut cut = Layout("abcdefgh", DT_END_ELLIPSIS, 55);
  EXPECT_EQ(cut.Texts, Lines{"abcd..."});
  EXPECT_EQ(cut.Widths[0], 49);
  EXPECT_EQ(Layout("abcde", DT_END_ELLIPSIS, 50).Texts, Lines{"abcde"});
  // Not even the ellipsis fits: it is shown alone, to be clipped.
  EXPECT_EQ(Layout("abcdefgh", DT_END_ELLIPSIS, 5).Texts, Lines{"..."});
  // Measuring ignores the ellipsis.
  EXPECT_EQ(Layout("abcdefgh", DT_END_ELLIPSIS | DT_CALCRECT, 55).Widths, std::vector<int>{80});
  // An accelerator that is cut off is not underlined.
  EXPECT_EQ(Layout("abcdef&gh", DT_END_ELLIPSIS, 55).Prefixes, std::vector<int>{-1});
  EXPECT_EQ(Layout("a&bcdefgh", DT_END_ELLIPSIS, 55).Prefixes, std::vector<int>{1});
}

TEST(DrawTextLayout, PathEllipsisKeepsTheFileName) {
  // "/song.mp3" is 83 pixels and "..." 9, so 28 pixels are left for the folders.
  const TLaidOut cut = Layout("/home/user/music/song.mp3", DT_PATH_ELLIPSIS, 120);
  EXPECT_EQ(cut.Texts, Lines{"/h.../song.mp3"});
  EXPECT_LE(cut.Widths[0], 120);
  EXPECT_EQ(Layout("C:\\Music\\song.mp3", DT_PATH_ELLIPSIS, 110).Texts, Lines{"C...\\song.mp3"});
  // When the file name alone is too wide it is kept whole behind the ellipsis.
  EXPECT_EQ(Layout("/home/user/song.mp3", DT_PATH_ELLIPSIS, 50).Texts, Lines{".../song.mp3"});
  // Without a separator the path ellipsis cuts the end.
  EXPECT_EQ(Layout("abcdefgh", DT_PATH_ELLIPSIS, 55).Texts, Lines{"abcd..."});
}

TEST(DrawTextLayout, WordBreakWithEndEllipsisDropsLinesBelowTheRectangle) {
  // Three wrapped lines in a rectangle two lines high: the second ends in "...".
  EXPECT_EQ(Layout("aaa bbb ccc ddd eee", DT_WORDBREAK | DT_END_ELLIPSIS, 70, 25).Texts,
            (Lines{"aaa bbb", "ccc dd..."}));
  EXPECT_EQ(Layout("aaa bbb", DT_WORDBREAK | DT_END_ELLIPSIS, 30, 25).Texts, (Lines{"aaa", "bbb"}));
  // Too low for any line: one is kept.
  EXPECT_EQ(Layout("aaa bbb", DT_WORDBREAK | DT_END_ELLIPSIS, 130, 5).Texts.size(), 1u);
  // Measuring keeps every line.
  EXPECT_EQ(Layout("aaa bbb ccc ddd eee", DT_WORDBREAK | DT_END_ELLIPSIS | DT_CALCRECT, 70, 25).Texts.size(),
            3u);
}

}  // namespace
