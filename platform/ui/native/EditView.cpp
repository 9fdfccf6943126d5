// The EDIT window's view of its text: line layout in the formatting rectangle,
// alignment, scrolling with the scroll state kept for GetScrollInfo, and the caret.

#include <algorithm>
#include <climits>

#include "platform/gdi/Text.h"
#include "platform/ui/native/EditStateInternal.h"

namespace {

int WidestLine(const TEditState& AState) {
  int Widest = 0;
  for (const TEditLine& Line : AState.Lines) Widest = std::max(Widest, Line.Width);
  return Widest;
}

int MaxFirstLine(const TEditState& AState) {
  return std::max(0, static_cast<int>(AState.Lines.size()) - std::max(1, VisibleLineCount(AState)));
}

int MaxXOffset(const TEditState& AState) {
  return std::max(0, WidestLine(AState) - TextArea(AState).Width() + 1);
}

// Sets the scroll state of one bar when it differs from what the window holds.
void SetBarState(HWND AWindow, int ABar, int AMax, int APage, int APos) {
  SCROLLINFO Held;
  Held.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  GetScrollInfo(AWindow, ABar, &Held);
  if (Held.nMin == 0 && Held.nMax == AMax && static_cast<int>(Held.nPage) == APage && Held.nPos == APos)
    return;
  SCROLLINFO Info;
  // The state is kept whatever it holds: showing and hiding bars would only move the
  // frame, and no bar is drawn here.
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  Info.nMin = 0;
  Info.nMax = AMax;
  Info.nPage = static_cast<UINT>(std::max(0, APage));
  Info.nPos = APos;
  SetScrollInfo(AWindow, ABar, &Info, false);
}

}  // namespace

RECT TextArea(const TEditState& AState) {
  RECT Area = AState.FormatRect;
  Area.Left += AState.LeftMargin;
  Area.Right = std::max(Area.Left, Area.Right - AState.RightMargin);
  return Area;
}

int CharWidth(TEditState& AState, char32_t AChar) {
  if (AChar == U'\t') return 8 * CharWidth(AState, U' ');
  if (AChar < 128 && AState.AsciiAdvances[AChar] >= 0) return AState.AsciiAdvances[AChar];
  auto It = AState.Advances.find(AChar);
  if (It != AState.Advances.end()) return It->second;
  String Text;
  Utf8Append(Text, AChar);
  TSize Size;
  {
    const TWindowDCScope ScreenDC(nullptr);
    if (AState.Font) SelectObject(ScreenDC.Handle(), AState.Font);
    GetTextExtentPoint32(ScreenDC.Handle(), Text, Size);
  }
  if (AChar < 128)
    AState.AsciiAdvances[AChar] = Size.cx;
  else
    AState.Advances[AChar] = Size.cx;
  return Size.cx;
}

TCharWidth CharWidths(TEditState& AState) {
  if (IsPassword(AState)) {
    const int Width = CharWidth(AState, AState.PasswordChar);
    return [Width](char32_t) { return Width; };
  }
  return [&AState](char32_t AChar) { return CharWidth(AState, AChar); };
}

const std::u32string& ShownText(const TEditState& AState) {
  return IsPassword(AState) ? AState.PasswordText : AState.Model.Text();
}

int VisibleLineCount(const TEditState& AState) { return TextArea(AState).Height() / AState.LineHeight; }

void Relayout(TEditState& AState, int AChangedFrom) {
  const DWORD Style = EditStyle(AState);
  const bool Wraps = (Style & ES_MULTILINE) && !(Style & (ES_AUTOHSCROLL | WS_HSCROLL));
  AState.Utf8TextValid = false;
  if (IsPassword(AState)) AState.PasswordText.assign(AState.Model.Text().size(), AState.PasswordChar);
  const int WrapWidth = Wraps ? std::max(1, TextArea(AState).Width()) : 0;
  if (AChangedFrom > 0)
    LayOutLinesFrom(AState.Lines, ShownText(AState), CharWidths(AState), WrapWidth, AChangedFrom);
  else
    AState.Lines = LayOutLines(ShownText(AState), CharWidths(AState), WrapWidth);
  if (Wraps) AState.XOffset = 0;
  // The view stays where it was scrolled to (as far as the text still reaches): the
  // owner may reset the formatting rectangle at every paint.
  ScrollToLine(AState, AState.FirstLine);
  ScrollToX(AState, AState.XOffset);
}

int LineLeft(TEditState& AState, int ALine) {
  const RECT Area = TextArea(AState);
  const int Width = AState.Lines[static_cast<size_t>(ALine)].Width;
  const DWORD Style = EditStyle(AState);
  int Left = Area.Left;
  if (Style & ES_CENTER)
    Left = Area.Left + (Area.Width() - Width) / 2;
  else if (Style & ES_RIGHT)
    Left = Area.Right - Width - 1;
  // Aligned text that is wider than the area starts at the left, as left-aligned text.
  return std::max(Left, Area.Left) - AState.XOffset;
}

POINT PointOfPosition(TEditState& AState, int APos) {
  const int Line = LineOfPosition(AState.Lines, APos);
  const std::u32string& Shown = ShownText(AState);
  const int X = LineLeft(AState, Line) +
                OffsetInLine(Shown, AState.Lines[static_cast<size_t>(Line)], CharWidths(AState), APos);
  return {X, TextArea(AState).Top + (Line - AState.FirstLine) * AState.LineHeight};
}

int PositionAtPoint(TEditState& AState, POINT APoint) {
  const RECT Area = TextArea(AState);
  const int Row = APoint.Y < Area.Top ? -1 : (APoint.Y - Area.Top) / AState.LineHeight;
  const int Line = std::clamp(AState.FirstLine + Row, 0, static_cast<int>(AState.Lines.size()) - 1);
  return PositionAtOffset(ShownText(AState), AState.Lines[static_cast<size_t>(Line)], CharWidths(AState),
                          APoint.X - LineLeft(AState, Line));
}

void PlaceCaret(TEditState& AState) {
  POINT P = PointOfPosition(AState, AState.Model.CaretPos());
  const RECT Area = TextArea(AState);
  // A caret right of the area's edge stays on the last column, where it can be seen.
  P.X = std::min(P.X, Area.Right - 1);
  SetCaretPos(P.X, P.Y);
}

void UpdateScrollState(TEditState& AState) {
  const DWORD Style = EditStyle(AState);
  if (Style & WS_VSCROLL)
    SetBarState(AState.Window, SB_VERT, static_cast<int>(AState.Lines.size()) - 1, VisibleLineCount(AState),
                AState.FirstLine);
  if (Style & WS_HSCROLL)
    SetBarState(AState.Window, SB_HORZ, WidestLine(AState), TextArea(AState).Width(), AState.XOffset);
}

void ScrollToLine(TEditState& AState, int AFirstLine) {
  const int First = IsMultiLine(AState) ? std::clamp(AFirstLine, 0, MaxFirstLine(AState)) : 0;
  if (First != AState.FirstLine) {
    AState.FirstLine = First;
    InvalidateRect(AState.Window, nullptr, true);
  }
  UpdateScrollState(AState);
  PlaceCaret(AState);
}

void ScrollToX(TEditState& AState, int AXOffset) {
  const int X = std::clamp(AXOffset, 0, MaxXOffset(AState));
  if (X != AState.XOffset) {
    AState.XOffset = X;
    InvalidateRect(AState.Window, nullptr, true);
  }
  UpdateScrollState(AState);
  PlaceCaret(AState);
}

void ScrollCaretIntoView(TEditState& AState) {
  const int Caret = AState.Model.CaretPos();
  const int Line = LineOfPosition(AState.Lines, Caret);
  const int Visible = std::max(1, VisibleLineCount(AState));
  int First = std::min(AState.FirstLine, MaxFirstLine(AState));
  if (Line < First) First = Line;
  if (Line >= First + Visible) First = Line - Visible + 1;
  ScrollToLine(AState, First);
  const RECT Area = TextArea(AState);
  const int CaretX = PointOfPosition(AState, Caret).X + AState.XOffset;
  int X = AState.XOffset;
  // Going past either edge scrolls by a quarter of the area, so typing does not
  // scroll at every character.
  const int Jump = std::max(1, Area.Width() / 4);
  if (CaretX < Area.Left + X) X = std::max(0, CaretX - Area.Left - Jump);
  if (CaretX >= Area.Right + X) X = CaretX - Area.Right + Jump;
  ScrollToX(AState, X);
}
