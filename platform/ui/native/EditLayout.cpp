// Line layout of edit windows.

#include "platform/ui/native/EditLayout.h"

#include <algorithm>

namespace {

bool IsBlank(char32_t AChar) { return AChar == U' ' || AChar == U'\t'; }

// Lays out one paragraph (the text between LFs) from AStart to AEnd.
void LayOutParagraph(const std::u32string& AText, int AStart, int AEnd, const TCharWidth& AWidthOf,
                     int AWrapWidth, std::vector<TEditLine>& ALines) {
  TEditLine Line{AStart, 0, 0};
  int BreakAfter = -1;  // the last blank on the line, where it may break
  int WidthAtBreak = 0;
  for (int Pos = AStart; Pos < AEnd; ++Pos) {
    const char32_t Char = AText[static_cast<size_t>(Pos)];
    const int Advance = AWidthOf(Char);
    // Blanks may hang past the edge; anything else that does not fit starts a line.
    if (AWrapWidth > 0 && !IsBlank(Char) && Line.Width + Advance > AWrapWidth && Pos > Line.Start) {
      int Next = Pos;
      if (BreakAfter >= 0) {
        Next = BreakAfter + 1;
        Line.Width = WidthAtBreak;
      }
      Line.Length = Next - Line.Start;
      ALines.push_back(Line);
      Line = {Next, 0, 0};
      BreakAfter = -1;
      for (int Back = Next; Back < Pos; ++Back) Line.Width += AWidthOf(AText[static_cast<size_t>(Back)]);
    }
    Line.Width += Advance;
    if (IsBlank(Char)) {
      BreakAfter = Pos;
      WidthAtBreak = Line.Width;
    }
  }
  Line.Length = AEnd - Line.Start;
  ALines.push_back(Line);
}

}  // namespace

std::vector<TEditLine> LayOutLines(const std::u32string& AText, const TCharWidth& AWidthOf, int AWrapWidth) {
  std::vector<TEditLine> Lines;
  LayOutLinesFrom(Lines, AText, AWidthOf, AWrapWidth, 0);
  return Lines;
}

void LayOutLinesFrom(std::vector<TEditLine>& ALines, const std::u32string& AText, const TCharWidth& AWidthOf,
                     int AWrapWidth, int AFromPos) {
  size_t Kept = ALines.empty() ? 0 : static_cast<size_t>(LineOfPosition(ALines, AFromPos));
  // Back to the first line of its paragraph: a wrapped paragraph may break anew.
  while (Kept > 0 && AText[static_cast<size_t>(ALines[Kept].Start) - 1] != U'\n') --Kept;
  int Start = Kept < ALines.size() ? ALines[Kept].Start : 0;
  ALines.resize(Kept);
  const int Length = static_cast<int>(AText.size());
  for (int Pos = Start; Pos <= Length; ++Pos) {
    if (Pos < Length && AText[static_cast<size_t>(Pos)] != U'\n') continue;
    LayOutParagraph(AText, Start, Pos, AWidthOf, AWrapWidth, ALines);
    Start = Pos + 1;
  }
}

int LineOfPosition(const std::vector<TEditLine>& ALines, int APos) {
  auto After =
      std::upper_bound(ALines.begin(), ALines.end(), APos,
                       [](int APosition, const TEditLine& ALine) { return APosition < ALine.Start; });
  return std::max(0, static_cast<int>(After - ALines.begin()) - 1);
}

int OffsetInLine(const std::u32string& AText, const TEditLine& ALine, const TCharWidth& AWidthOf, int APos) {
  const int End = std::clamp(APos, ALine.Start, ALine.Start + ALine.Length);
  int X = 0;
  for (int Pos = ALine.Start; Pos < End; ++Pos) X += AWidthOf(AText[static_cast<size_t>(Pos)]);
  return X;
}

int PositionAtOffset(const std::u32string& AText, const TEditLine& ALine, const TCharWidth& AWidthOf,
                     int AX) {
  int X = 0;
  for (int Pos = ALine.Start; Pos < ALine.Start + ALine.Length; ++Pos) {
    const int Advance = AWidthOf(AText[static_cast<size_t>(Pos)]);
    if (AX < X + (Advance + 1) / 2) return Pos;
    X += Advance;
  }
  return ALine.Start + ALine.Length;
}
