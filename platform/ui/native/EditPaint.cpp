// The EDIT window's painting: the parent chooses colours and brush, the brush fills
// the client area unless it is the stock NULL_BRUSH, then each visible line is drawn
// with the selection over it. The caret is hidden meanwhile.

#include <algorithm>

#include "platform/base/ScopeExit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/Text.h"
#include "platform/ui/native/EditStateInternal.h"

namespace {

// Asks the parent for the colours; its answer, or the window colours when it gives
// none.
HBRUSH AskColors(TEditState& AState, HDC ADC) {
  const bool Static = !IsWindowEnabled(AState.Window) || IsReadOnly(AState);
  SetTextColor(ADC, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(ADC, GetSysColor(COLOR_WINDOW));
  HBRUSH Brush = nullptr;
  if (HWND Parent = GetParent(AState.Window))
    Brush = reinterpret_cast<HBRUSH>(SendMessage(Parent, Static ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                 reinterpret_cast<WPARAM>(ADC),
                                                 reinterpret_cast<LPARAM>(AState.Window)));
  return Brush ? Brush : GetSysColorBrush(COLOR_WINDOW);
}

// The characters of a piece of a line as drawn, with their advances.
struct TRun {
  String Text;
  std::vector<int> Advances;
  int Width = 0;
};

TRun RunOf(TEditState& AState, const std::u32string& AShown, int AStart, int AEnd) {
  const TCharWidth WidthOf = CharWidths(AState);
  TRun Run;
  for (int Pos = AStart; Pos < AEnd; ++Pos) {
    const char32_t Char = AShown[static_cast<size_t>(Pos)];
    Utf8Append(Run.Text, Char == U'\t' ? U' ' : Char);
    Run.Advances.push_back(WidthOf(Char));
    Run.Width += Run.Advances.back();
  }
  return Run;
}

bool ShowsSelection(const TEditState& AState) {
  return AState.Model.HasSelection() && (GetFocus() == AState.Window || (EditStyle(AState) & ES_NOHIDESEL));
}

void DrawSelectedPart(TEditState& AState, HDC ADC, const std::u32string& AShown, int ALine, int AY) {
  const TEditLine& Line = AState.Lines[static_cast<size_t>(ALine)];
  const int Start = std::max(AState.Model.SelStart(), Line.Start);
  const int End = std::min(AState.Model.SelEnd(), Line.Start + Line.Length);
  if (Start >= End) return;
  const int X = LineLeft(AState, ALine) + OffsetInLine(AShown, Line, CharWidths(AState), Start);
  const TRun Run = RunOf(AState, AShown, Start, End);
  FillSolidRect(ADC, Rect(X, AY, X + Run.Width, AY + AState.LineHeight), GetSysColor(COLOR_HIGHLIGHT));
  const COLORREF OldColor = SetTextColor(ADC, GetSysColor(COLOR_HIGHLIGHTTEXT));
  const int OldMode = SetBkMode(ADC, TRANSPARENT);
  ExtTextOut(ADC, X, AY, 0, nullptr, Run.Text, Run.Advances.data());
  SetBkMode(ADC, OldMode);
  SetTextColor(ADC, OldColor);
}

void DrawLines(TEditState& AState, HDC ADC) {
  const RECT Area = TextArea(AState);
  IntersectClipRect(ADC, Area.Left, Area.Top, Area.Right, Area.Bottom);
  if (!IsWindowEnabled(AState.Window)) SetTextColor(ADC, GetSysColor(COLOR_GRAYTEXT));
  const std::u32string& Shown = ShownText(AState);
  const int Last = std::min(static_cast<int>(AState.Lines.size()),
                            AState.FirstLine + (Area.Height() + AState.LineHeight - 1) / AState.LineHeight);
  const bool Selection = ShowsSelection(AState);
  for (int Line = AState.FirstLine; Line < Last; ++Line) {
    const TEditLine& L = AState.Lines[static_cast<size_t>(Line)];
    const int Y = Area.Top + (Line - AState.FirstLine) * AState.LineHeight;
    const TRun Run = RunOf(AState, Shown, L.Start, L.Start + L.Length);
    ExtTextOut(ADC, LineLeft(AState, Line), Y, 0, nullptr, Run.Text, Run.Advances.data());
    if (Selection) DrawSelectedPart(AState, ADC, Shown, Line, Y);
  }
}

}  // namespace

void PaintEdit(TEditState& AState, HDC AGivenDC) {
  PAINTSTRUCT Paint;
  HDC DC = AGivenDC ? AGivenDC : BeginPaint(AState.Window, &Paint);
  if (!DC) return;
  ScopeExit EndOwnPaint([&] {
    if (!AGivenDC) EndPaint(AState.Window, &Paint);
  });
  const bool CaretHidden = HideCaret(AState.Window);
  ScopeExit ShowCaretAgain([&] {
    if (CaretHidden) ShowCaret(AState.Window);
  });
  // The parent's answer to WM_CTLCOLOREDIT may throw: the DC's state comes back then too.
  TSavedDC Saved(DC);
  if (AState.Font) SelectObject(DC, AState.Font);
  HBRUSH Brush = AskColors(AState, DC);
  if (static_cast<HGDIOBJ>(Brush) != GetStockObject(NULL_BRUSH)) {
    RECT Client;
    GetClientRect(AState.Window, &Client);
    FillRect(DC, &Client, Brush);
  }
  DrawLines(AState, DC);
}
