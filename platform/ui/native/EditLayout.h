#pragma once
// The lines of an edit window's text: where each begins and how wide it is, breaking
// at LF and, when the edit wraps, before the word that would pass the right edge.
// Pure geometry: the widths of characters come from the caller.

#include <functional>
#include <string>
#include <vector>

struct TEditLine {
  // Code points from the start of the text.
  int Start = 0;
  // Code points on the line, its LF not counted (blanks where a wrapped line broke
  // are counted: they stay on the line they end).
  int Length = 0;
  int Width = 0;
};

using TCharWidth = std::function<int(char32_t AChar)>;

// AWrapWidth <= 0: no wrapping. There is always at least one line.
std::vector<TEditLine> LayOutLines(const std::u32string& AText, const TCharWidth& AWidthOf, int AWrapWidth);
// Lays ALines out again from the paragraph that holds AFromPos to the end; the lines
// before that paragraph stay, as the text before AFromPos has not changed. Appending
// to a long text thus costs only the last paragraph.
void LayOutLinesFrom(std::vector<TEditLine>& ALines, const std::u32string& AText, const TCharWidth& AWidthOf,
                     int AWrapWidth, int AFromPos);

// The line that holds APos: a position where a wrapped line breaks belongs to the next
// line, the end of the text to the last.
int LineOfPosition(const std::vector<TEditLine>& ALines, int APos);

// Pixels from the line's left edge to the position (clamped to the line).
int OffsetInLine(const std::u32string& AText, const TEditLine& ALine, const TCharWidth& AWidthOf, int APos);

// The position on the line nearest to AX pixels from its left edge.
int PositionAtOffset(const std::u32string& AText, const TEditLine& ALine, const TCharWidth& AWidthOf, int AX);
