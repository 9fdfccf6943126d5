// The EDIT window's line and scroll messages: lines by index and by position, where
// a position is drawn, and scrolling by lines, pixels and the wheel.

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/ui/native/EditStateInternal.h"

namespace {

int LineIndexArg(TEditState& AState, WPARAM AWParam) {
  const auto Line = static_cast<intptr_t>(AWParam);
  return Line < 0 ? LineOfPosition(AState.Lines, AState.Model.CaretPos()) : static_cast<int>(Line);
}

}  // namespace

// ---------------------------------------------------------------- lines

LRESULT EditLineIndex(TEditState& AState, WPARAM AWParam) {
  const int Line = LineIndexArg(AState, AWParam);
  return Line < static_cast<int>(AState.Lines.size()) ? AState.Lines[static_cast<size_t>(Line)].Start : -1;
}

// wParam is a position on the line; -1 asks for the unselected part of the lines the
// selection touches.
LRESULT EditLineLength(TEditState& AState, WPARAM AWParam) {
  const auto Pos = static_cast<intptr_t>(AWParam);
  if (Pos < 0) {
    const TEditLine& First =
        AState.Lines[static_cast<size_t>(LineOfPosition(AState.Lines, AState.Model.SelStart()))];
    const TEditLine& Last =
        AState.Lines[static_cast<size_t>(LineOfPosition(AState.Lines, AState.Model.SelEnd()))];
    return (AState.Model.SelStart() - First.Start) + (Last.Start + Last.Length - AState.Model.SelEnd());
  }
  if (Pos > AState.Model.Length()) return 0;
  return AState.Lines[static_cast<size_t>(LineOfPosition(AState.Lines, static_cast<int>(Pos)))].Length;
}

// The buffer's first WORD holds its size in bytes; the line is not terminated.
LRESULT EditGetLine(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  const auto Line = static_cast<size_t>(AWParam);
  if (!ALParam || Line >= AState.Lines.size()) return 0;
  const TEditLine& L = AState.Lines[Line];
  const String Text = ToUtf8(std::u32string_view(AState.Model.Text())
                                 .substr(static_cast<size_t>(L.Start), static_cast<size_t>(L.Length)));
  WORD Size;
  std::memcpy(&Size, reinterpret_cast<void*>(ALParam), sizeof(Size));
  const size_t Copied = std::min<size_t>(Size, Text.size());
  std::memcpy(reinterpret_cast<char*>(ALParam), Text.data(), Copied);
  return static_cast<LRESULT>(Copied);
}

LRESULT EditLineFromChar(TEditState& AState, WPARAM AWParam) {
  const auto Pos = static_cast<intptr_t>(AWParam);
  return LineOfPosition(AState.Lines, Pos < 0 ? AState.Model.SelStart() : static_cast<int>(Pos));
}

LRESULT EditPosFromChar(TEditState& AState, WPARAM AWParam) {
  if (static_cast<int>(AWParam) > AState.Model.Length()) return -1;
  const POINT P = PointOfPosition(AState, static_cast<int>(AWParam));
  return MAKELONG(static_cast<WORD>(P.X), static_cast<WORD>(P.Y));
}

LRESULT EditCharFromPos(TEditState& AState, LPARAM ALParam) {
  const int Pos = PositionAtPoint(AState, {GET_X_LPARAM(ALParam), GET_Y_LPARAM(ALParam)});
  return MAKELONG(static_cast<WORD>(Pos), static_cast<WORD>(LineOfPosition(AState.Lines, Pos)));
}

// ---------------------------------------------------------------- scrolling

LRESULT EditVScroll(TEditState& AState, WPARAM AWParam) {
  const int Page = std::max(1, VisibleLineCount(AState));
  int Line = AState.FirstLine;
  switch (ScrollCodeOf(AWParam)) {
    case SB_LINEUP:
      --Line;
      break;
    case SB_LINEDOWN:
      ++Line;
      break;
    case SB_PAGEUP:
      Line -= Page;
      break;
    case SB_PAGEDOWN:
      Line += Page;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      Line = ScrollPosOf(AWParam);
      break;
    case SB_TOP:
      Line = 0;
      break;
    case SB_BOTTOM:
      Line = static_cast<int>(AState.Lines.size());
      break;
    default:
      return 0;
  }
  ScrollToLine(AState, Line);
  return 0;
}

LRESULT EditHScroll(TEditState& AState, WPARAM AWParam) {
  const int Step = std::max(1, CharWidth(AState, U'x'));
  const int Page = std::max(1, TextArea(AState).Width());
  int X = AState.XOffset;
  switch (ScrollCodeOf(AWParam)) {
    case SB_LINELEFT:
      X -= Step;
      break;
    case SB_LINERIGHT:
      X += Step;
      break;
    case SB_PAGELEFT:
      X -= Page;
      break;
    case SB_PAGERIGHT:
      X += Page;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      X = ScrollPosOf(AWParam);
      break;
    case SB_LEFT:
      X = 0;
      break;
    case SB_RIGHT:
      X = INT_MAX / 2;
      break;
    default:
      return 0;
  }
  ScrollToX(AState, X);
  return 0;
}

LRESULT EditLineScroll(TEditState& AState, WPARAM AWParam, LPARAM ALParam) {
  if (!IsMultiLine(AState)) return 0;
  ScrollToX(AState, AState.XOffset + static_cast<int>(AWParam) * std::max(1, CharWidth(AState, U'x')));
  ScrollToLine(AState, AState.FirstLine + static_cast<int>(ALParam));
  return 1;
}

LRESULT EditMouseWheel(TEditState& AState, WPARAM AWParam) {
  if (!IsMultiLine(AState)) return 0;
  ScrollToLine(AState, AState.FirstLine - 3 * GET_WHEEL_DELTA_WPARAM(AWParam) / WHEEL_DELTA);
  return 0;
}
