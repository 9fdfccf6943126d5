#pragma once
// The line layout of DrawText, apart from any drawing: splitting into lines, word
// breaking, accelerator prefixes and ellipses. It sees the font only through the
// advance of each code point, so it is a pure function of the text, the format and
// those advances. Text positions are counted in code points.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The advance in pixels of one code point in the font being laid out.
using TAdvanceFunction = std::function<int(char32_t)>;

struct TLayoutOptions {
  unsigned Format = 0;  // DT_* flags (Text.h)
  int Width = 0;        // of the formatting rectangle
  int Height = 0;       // of the formatting rectangle
  int LineHeight = 0;
  int TabWidth = 0;  // pixels between tab stops when DT_EXPANDTABS is given
};

struct TLayoutLine {
  std::u32string Text;  // prefix ampersands removed, ellipsis applied, tabs kept
  int Width = 0;
  int PrefixIndex = -1;  // the code point of Text drawn underlined, or -1
};

// The lines of AText as DrawText shows them:
// - Lines end at CR LF, LF or CR, unless DT_SINGLELINE; a line break at the very end
//   starts no further line, and an empty text has no lines.
// - DT_WORDBREAK (not with DT_SINGLELINE) breaks a line at spaces before the word that
//   would cross the rectangle's right edge; the spaces at the break are dropped; a word
//   wider than the rectangle stays whole on its own line.
// - Without DT_NOPREFIX, "&" is removed and the character after it underlined (the
//   last such character of a line, as the window system does), "&&" shows one "&",
//   and a trailing "&" shows nothing.
// - Tabs jump to the next multiple of TabWidth with DT_EXPANDTABS; otherwise, like
//   every control character, they take no room.
// - Without DT_CALCRECT, DT_END_ELLIPSIS shortens a line wider than the rectangle and
//   ends it in "..."; DT_PATH_ELLIPSIS keeps the part from the last "/" or "\" on and
//   replaces characters before it with "..." (like DT_END_ELLIPSIS without a
//   separator). With DT_WORDBREAK and DT_END_ELLIPSIS, lines that do not fit the
//   rectangle's height are dropped (one line is always kept) and the last one kept
//   ends in "...". Measuring with DT_CALCRECT ignores both ellipses.
std::vector<TLayoutLine> LayoutText(std::string_view AText, const TLayoutOptions& AOptions,
                                    const TAdvanceFunction& AAdvance);

// The width of a line laid out from its start, tabs as in LayoutText.
int LineWidth(std::u32string_view ALine, int ATabWidth, const TAdvanceFunction& AAdvance);

// The code points of UTF-8 text (a malformed byte gives U+FFFD).
std::u32string DecodeUtf8(std::string_view AText);

// The pen position after a tab at AX; ATabWidth 0 leaves the pen where it is.
int NextTabStop(int AX, int ATabWidth);
