// The EDIT window's input: editing keys, typed characters (the Ctrl shortcuts come
// as characters 3, 22, 24 and 26), and selecting with the mouse under capture.

#include <algorithm>

#include "platform/ui/native/EditStateInternal.h"

namespace {

bool IsDown(int AKey) { return GetKeyState(AKey) < 0; }

const TEditLine& LineAt(const TEditState& AState, int AIndex) {
  return AState.Lines[static_cast<size_t>(AIndex)];
}

// The position one line up or down (ALines), at the caret's column in pixels.
int PositionOnLine(TEditState& AState, int ALines) {
  const int Caret = AState.Model.CaretPos();
  const int Line = LineOfPosition(AState.Lines, Caret);
  const int Target = std::clamp(Line + ALines, 0, static_cast<int>(AState.Lines.size()) - 1);
  if (Target == Line) return ALines < 0 ? LineAt(AState, Line).Start : Caret;
  const POINT At = PointOfPosition(AState, Caret);
  return PositionAtOffset(ShownText(AState), LineAt(AState, Target), CharWidths(AState),
                          At.X - LineLeft(AState, Target));
}

// Where a movement key takes the caret; -1 for a key that does not move it.
int MovedCaret(TEditState& AState, WPARAM AKey, bool AControl, bool AShift) {
  const TEditModel& M = AState.Model;
  const int Caret = M.CaretPos();
  const TEditLine& Line = LineAt(AState, LineOfPosition(AState.Lines, Caret));
  const bool MultiLine = IsMultiLine(AState);
  const int Page = std::max(1, VisibleLineCount(AState));
  switch (AKey) {
    case VK_LEFT:
      if (M.HasSelection() && !AShift) return M.SelStart();
      return AControl ? M.WordStartBefore(Caret) : std::max(0, Caret - 1);
    case VK_RIGHT:
      if (M.HasSelection() && !AShift) return M.SelEnd();
      return AControl ? M.WordEndAfter(Caret) : std::min(M.Length(), Caret + 1);
    case VK_UP:
      return MultiLine ? PositionOnLine(AState, -1) : MovedCaret(AState, VK_LEFT, AControl, AShift);
    case VK_DOWN:
      return MultiLine ? PositionOnLine(AState, 1) : MovedCaret(AState, VK_RIGHT, AControl, AShift);
    case VK_PRIOR:
      return MultiLine ? PositionOnLine(AState, -Page) : -1;
    case VK_NEXT:
      return MultiLine ? PositionOnLine(AState, Page) : -1;
    case VK_HOME:
      return AControl ? 0 : Line.Start;
    case VK_END:
      return AControl ? M.Length() : Line.Start + Line.Length;
    default:
      return -1;
  }
}

void DeleteForward(TEditState& AState, bool AControl) {
  if (IsReadOnly(AState)) return RefuseEdit();
  TEditModel& M = AState.Model;
  if (!M.HasSelection()) {
    const int Caret = M.CaretPos();
    M.SetSelection(Caret, AControl ? M.WordEndAfter(Caret) : Caret + 1);
  }
  ReplaceSelection(AState, U"", true, false);
}

void DeleteBackward(TEditState& AState) {
  if (IsReadOnly(AState)) return RefuseEdit();
  TEditModel& M = AState.Model;
  if (!M.HasSelection()) {
    if (M.CaretPos() == 0) return;
    const int Caret = M.CaretPos();
    M.SetSelection(Caret, Caret - 1);
  }
  ReplaceSelection(AState, U"", true, false);
}

// The clipboard keys go out as their messages, so that a window that subclasses the
// edit sees WM_CUT, WM_COPY, WM_PASTE and WM_UNDO whichever way they were asked for.
void Ask(TEditState& AState, UINT AMsg) { SendMessage(AState.Window, AMsg, 0, 0); }

void Type(TEditState& AState, std::u32string_view AText) {
  if (IsReadOnly(AState)) return RefuseEdit();
  ReplaceSelection(AState, PrepareInsertion(AState, AText, true), true, true);
}

}  // namespace

void EditKeyDown(TEditState& AState, WPARAM AKey) {
  const bool Shift = IsDown(VK_SHIFT);
  const bool Control = IsDown(VK_CONTROL);
  if (AKey == VK_DELETE) return Shift ? Ask(AState, WM_CUT) : DeleteForward(AState, Control);
  if (AKey == VK_INSERT && Control) return Ask(AState, WM_COPY);
  if (AKey == VK_INSERT && Shift) return Ask(AState, WM_PASTE);
  const int Caret = MovedCaret(AState, AKey, Control, Shift);
  if (Caret < 0) return;
  Select(AState, Shift ? AState.Model.Anchor() : Caret, Caret);
}

void EditChar(TEditState& AState, char32_t AChar) {
  switch (AChar) {
    case 3:
      return Ask(AState, WM_COPY);
    case 22:
      return Ask(AState, WM_PASTE);
    case 24:
      return Ask(AState, WM_CUT);
    case 26:
      return Ask(AState, WM_UNDO);
    case 8:
      return DeleteBackward(AState);
    case U'\r':
      return TakesLineBreaks(AState) ? Type(AState, U"\n") : void();
    case U'\t':
      return IsMultiLine(AState) ? Type(AState, U"\t") : void();
    default:
      break;
  }
  if (AChar < 32 || AChar == 127) return;
  Type(AState, std::u32string(1, AChar));
}

void EditButtonDown(TEditState& AState, POINT APoint, bool ADoubleClick) {
  if (GetFocus() != AState.Window) SetFocus(AState.Window);
  const int Pos = PositionAtPoint(AState, APoint);
  const TEditModel& M = AState.Model;
  if (ADoubleClick) {
    const int Start = M.WordStartBefore(std::min(M.Length(), Pos + 1));
    Select(AState, Start, M.WordEndAfter(Start));
  } else {
    Select(AState, IsDown(VK_SHIFT) ? M.Anchor() : Pos, Pos);
  }
  AState.Selecting = true;
  SetCapture(AState.Window);
}

void EditMouseMove(TEditState& AState, POINT APoint) {
  if (!AState.Selecting) return;
  Select(AState, AState.Model.Anchor(), PositionAtPoint(AState, APoint));
}

void EditButtonUp(TEditState& AState) {
  if (!AState.Selecting) return;
  AState.Selecting = false;
  if (GetCapture() == AState.Window) ReleaseCapture();
}
