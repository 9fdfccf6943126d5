#include "platform/gdi/TextLayout.h"

#include <algorithm>

#include "platform/base/Strings.h"
#include "platform/gdi/Text.h"

namespace {

constexpr std::u32string_view Ellipsis = U"...";

// One line of the text before wrapping, with the prefix already resolved.
struct TParagraph {
  std::u32string Text;
  int PrefixIndex = -1;
};

bool IsBreakingSpace(char32_t ACodePoint) { return ACodePoint == U' ' || ACodePoint == U'\t'; }

// The pen position after one code point at AX.
int Advanced(int AX, char32_t ACodePoint, int ATabWidth, const TAdvanceFunction& AAdvance) {
  if (ACodePoint == U'\t' && ATabWidth > 0) return NextTabStop(AX, ATabWidth);
  return AX + AAdvance(ACodePoint);
}

TParagraph ResolvePrefixes(std::u32string_view ALine, bool AUsePrefixes) {
  TParagraph paragraph;
  if (!AUsePrefixes) {
    paragraph.Text = ALine;
    return paragraph;
  }
  for (size_t i = 0; i < ALine.size(); ++i) {
    if (ALine[i] != U'&') {
      paragraph.Text += ALine[i];
    } else if (i + 1 < ALine.size()) {
      ++i;
      if (ALine[i] != U'&') paragraph.PrefixIndex = static_cast<int>(paragraph.Text.size());
      paragraph.Text += ALine[i];
    }
  }
  return paragraph;
}

// The lines of the text as written, split at CR LF, LF and CR.
std::vector<std::u32string> SplitLines(const std::u32string& AText, bool ASingleLine) {
  std::vector<std::u32string> lines;
  if (AText.empty()) return lines;
  if (ASingleLine) return {AText};
  size_t start = 0;
  while (start < AText.size()) {
    size_t end = AText.find_first_of(U"\r\n", start);
    if (end == std::u32string::npos) {
      lines.push_back(AText.substr(start));
      break;
    }
    lines.push_back(AText.substr(start, end - start));
    start = end + ((AText[end] == U'\r' && end + 1 < AText.size() && AText[end + 1] == U'\n') ? 2 : 1);
  }
  return lines;
}

TLayoutLine MakeLine(const TParagraph& AParagraph, size_t AStart, size_t AEnd, int ATabWidth,
                     const TAdvanceFunction& AAdvance) {
  TLayoutLine line;
  line.Text = AParagraph.Text.substr(AStart, AEnd - AStart);
  line.Width = LineWidth(line.Text, ATabWidth, AAdvance);
  const int prefix = AParagraph.PrefixIndex;
  if (prefix >= static_cast<int>(AStart) && prefix < static_cast<int>(AEnd))
    line.PrefixIndex = prefix - static_cast<int>(AStart);
  return line;
}

// Greedy word wrapping: words (runs of non-spaces) are added while they end inside
// AWidth; spaces that end a wrapped line are dropped.
void WrapParagraph(const TParagraph& AParagraph, int AWidth, int ATabWidth, const TAdvanceFunction& AAdvance,
                   std::vector<TLayoutLine>& ALines) {
  const std::u32string& text = AParagraph.Text;
  size_t lineStart = 0;
  size_t lineEnd = 0;  // end of the last word on the line (trailing spaces excluded)
  bool hasWord = false;
  int x = 0;
  size_t i = 0;
  while (i < text.size()) {
    size_t wordEnd = i;
    int xAfterWord = x;
    while (wordEnd < text.size() && !IsBreakingSpace(text[wordEnd]))
      xAfterWord = Advanced(xAfterWord, text[wordEnd++], ATabWidth, AAdvance);
    if (hasWord && xAfterWord > AWidth && wordEnd > i) {
      ALines.push_back(MakeLine(AParagraph, lineStart, lineEnd, ATabWidth, AAdvance));
      lineStart = i;
      x = 0;
      xAfterWord = 0;
      for (size_t k = i; k < wordEnd; ++k) xAfterWord = Advanced(xAfterWord, text[k], ATabWidth, AAdvance);
    }
    if (wordEnd > i) {
      hasWord = true;
      lineEnd = wordEnd;
    }
    x = xAfterWord;
    i = wordEnd;
    while (i < text.size() && IsBreakingSpace(text[i])) x = Advanced(x, text[i++], ATabWidth, AAdvance);
    if (!hasWord) lineEnd = i;  // leading spaces of the paragraph stay with its first word
  }
  // The paragraph's last line keeps its trailing spaces, as an unwrapped line does.
  ALines.push_back(MakeLine(AParagraph, lineStart, text.size(), ATabWidth, AAdvance));
}

// The pen position after laying out AText from AX.
int PenAfter(int AX, std::u32string_view AText, int ATabWidth, const TAdvanceFunction& AAdvance) {
  for (char32_t codePoint : AText) AX = Advanced(AX, codePoint, ATabWidth, AAdvance);
  return AX;
}

// Replaces the end of the line's first AHeadLength code points with "...", keeping
// the longest start of them for which the line fits AWidth; the code points after the
// head stay. When even no start fits, the line is "..." and the rest, clipped when
// drawn.
void Ellipsize(TLayoutLine& ALine, size_t AHeadLength, int AWidth, int ATabWidth,
               const TAdvanceFunction& AAdvance) {
  const std::u32string ending = std::u32string(Ellipsis) + ALine.Text.substr(AHeadLength);
  // The pen after k head code points, and after the ending drawn from there, both grow
  // with k: the longest fitting start is found by bisection.
  std::vector<int> pens(AHeadLength + 1, 0);
  for (size_t k = 0; k < AHeadLength; ++k)
    pens[k + 1] = Advanced(pens[k], ALine.Text[k], ATabWidth, AAdvance);
  const auto fits = [&](int APen) { return PenAfter(APen, ending, ATabWidth, AAdvance) <= AWidth; };
  const auto firstMisfit = std::partition_point(pens.begin() + 1, pens.end(), fits);
  const size_t keep = static_cast<size_t>(firstMisfit - pens.begin()) - 1;  // 0 when no start fits
  const int prefix = ALine.PrefixIndex;
  if (prefix >= static_cast<int>(AHeadLength))
    ALine.PrefixIndex = prefix - static_cast<int>(AHeadLength) + static_cast<int>(keep + Ellipsis.size());
  else if (prefix >= static_cast<int>(keep))
    ALine.PrefixIndex = -1;
  ALine.Text = ALine.Text.substr(0, keep) + ending;
  ALine.Width = LineWidth(ALine.Text, ATabWidth, AAdvance);
}

void ApplyEndEllipsis(TLayoutLine& ALine, int AWidth, int ATabWidth, const TAdvanceFunction& AAdvance) {
  if (ALine.Width > AWidth) Ellipsize(ALine, ALine.Text.size(), AWidth, ATabWidth, AAdvance);
}

void ApplyPathEllipsis(TLayoutLine& ALine, int AWidth, int ATabWidth, const TAdvanceFunction& AAdvance) {
  if (ALine.Width <= AWidth) return;
  const size_t separator = ALine.Text.find_last_of(U"/\\");
  Ellipsize(ALine, separator == std::u32string::npos ? ALine.Text.size() : separator, AWidth, ATabWidth,
            AAdvance);
}

}  // namespace

std::u32string DecodeUtf8(std::string_view AText) {
  std::u32string codePoints;
  codePoints.reserve(AText.size());
  size_t position = 0;
  while (position < AText.size()) codePoints += Utf8Next(AText, position);
  return codePoints;
}

int NextTabStop(int AX, int ATabWidth) {
  if (ATabWidth <= 0) return AX;
  return (AX / ATabWidth + 1) * ATabWidth;
}

int LineWidth(std::u32string_view ALine, int ATabWidth, const TAdvanceFunction& AAdvance) {
  return PenAfter(0, ALine, ATabWidth, AAdvance);
}

std::vector<TLayoutLine> LayoutText(std::string_view AText, const TLayoutOptions& AOptions,
                                    const TAdvanceFunction& AAdvance) {
  const unsigned format = AOptions.Format;
  const bool singleLine = format & DT_SINGLELINE;
  const bool wordBreak = (format & DT_WORDBREAK) && !singleLine;
  const bool measuring = format & DT_CALCRECT;
  const int tabWidth = (format & DT_EXPANDTABS) ? AOptions.TabWidth : 0;

  std::vector<TLayoutLine> lines;
  for (const std::u32string& written : SplitLines(DecodeUtf8(AText), singleLine)) {
    const TParagraph paragraph = ResolvePrefixes(written, !(format & DT_NOPREFIX));
    if (wordBreak)
      WrapParagraph(paragraph, AOptions.Width, tabWidth, AAdvance, lines);
    else
      lines.push_back(MakeLine(paragraph, 0, paragraph.Text.size(), tabWidth, AAdvance));
  }
  if (measuring) return lines;

  if (wordBreak && (format & DT_END_ELLIPSIS) && AOptions.LineHeight > 0) {
    const size_t fitting = std::max(1, AOptions.Height / AOptions.LineHeight);
    if (lines.size() > fitting) {
      lines.resize(fitting);
      // The last line kept ends in "..." even when it fits: more text follows it.
      Ellipsize(lines.back(), lines.back().Text.size(), AOptions.Width, tabWidth, AAdvance);
    }
  }
  for (TLayoutLine& line : lines) {
    if (format & DT_PATH_ELLIPSIS)
      ApplyPathEllipsis(line, AOptions.Width, tabWidth, AAdvance);
    else if (format & DT_END_ELLIPSIS)
      ApplyEndEllipsis(line, AOptions.Width, tabWidth, AAdvance);
  }
  return lines;
}
