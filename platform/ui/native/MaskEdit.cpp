// TCustomMaskEdit: overwrite typing into the mask's positions.

#include "platform/ui/native/MaskEdit.h"

#include <algorithm>

#include "platform/ui/native/EditModel.h"
#include "platform/win/Windows.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const String& AValue) {
  if (FEditMask == AValue) return;
  FEditMask = AValue;
  FMask = TEditMask(AValue);
  if (IsMasked()) SetMaxLength(FMask.Length());
  // The current text laid into the new mask.
  const String Current = Text();
  FText.clear();
  SetText(Current);
}

void TCustomMaskEdit::SetText(const String& AValue) {
  TCustomEdit::SetText(IsMasked() ? ToUtf8(FMask.Apply(ToCodePoints(AValue))) : AValue);
}

void TCustomMaskEdit::ValidateEdit() {
  if (IsMasked() && Modified() && !FMask.IsComplete(Shown())) throw EDBEditError("Invalid input value");
}

void TCustomMaskEdit::DoExit() {
  ValidateEdit();
  TCustomEdit::DoExit();
}

void TCustomMaskEdit::Dispatch(TMessage& AMessage) {
  if (!IsMasked()) return TCustomEdit::Dispatch(AMessage);
  // clang-format off
  switch (AMessage.Msg) {
    case WM_CUT: WMCut(AMessage); break;
    case WM_CLEAR: WMClear(AMessage); break;
    case WM_PASTE: WMPaste(AMessage); break;
    case WM_LBUTTONUP: WMLButtonUp(AMessage); break;
    default: TCustomEdit::Dispatch(AMessage); break;
  }
  // clang-format on
}

// ---------------------------------------------------------------- keys

void TCustomMaskEdit::KeyDown(WORD& AKey, TShiftState AShift) {
  TCustomEdit::KeyDown(AKey, AShift);
  if (!IsMasked() || AKey == 0) return;
  const int Caret = SelStart() + SelLength();
  if (AKey == VK_DELETE && AShift.Empty())
    DeleteForward();
  else if (AShift.Contains(ssShift) || AShift.Contains(ssCtrl))
    return;
  else if (AKey == VK_LEFT)
    MoveCaret(SelLength() > 0 ? SelStart() : Caret - 1, -1);
  else if (AKey == VK_RIGHT)
    MoveCaret(SelLength() > 0 ? Caret : Caret + 1, 1);
  else if (AKey == VK_HOME)
    MoveCaret(0, 1);
  else if (AKey == VK_END)
    MoveCaret(FMask.Length(), 1);
  else
    return;
  AKey = 0;
}

void TCustomMaskEdit::KeyPress(uint32_t& AKey) {
  TCustomEdit::KeyPress(AKey);
  if (!IsMasked() || AKey == 0) return;
  // Ctrl+C copies as usual; the other Ctrl shortcuts come as their messages.
  if (AKey == 3) return;
  if (AKey == 8)
    DeleteBackward();
  else if (AKey == 22)
    Perform(WM_PASTE, 0, 0);
  else if (AKey == 24)
    Perform(WM_CUT, 0, 0);
  else if (AKey == 26)
    Undo();
  else if (AKey >= 32)
    InputText(std::u32string(1, static_cast<char32_t>(AKey)));
  AKey = 0;
}

// ---------------------------------------------------------------- editing

std::u32string TCustomMaskEdit::Shown() const { return ToCodePoints(Text()); }

void TCustomMaskEdit::ReplaceRange(int AStart, int AEnd, const std::u32string& AText, int ACaret) {
  SendMessage(Handle(), EM_SETSEL, static_cast<WPARAM>(AStart), AEnd);
  SendMessage(Handle(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(ToUtf8(AText).c_str()));
  SendMessage(Handle(), EM_SETSEL, static_cast<WPARAM>(ACaret), ACaret);
}

std::u32string TCustomMaskEdit::BlankedRange(int AStart, int AEnd) const {
  const std::u32string Text = Shown();
  std::u32string Range;
  for (int Pos = AStart; Pos < AEnd; ++Pos)
    Range.push_back(FMask.IsLiteral(Pos) ? Text[static_cast<size_t>(Pos)] : FMask.Blank());
  return Range;
}

void TCustomMaskEdit::InputText(const std::u32string& AText) {
  if (ReadOnly() || !EditCanModify()) return;
  const int Start = SelStart();
  const int End = Start + SelLength();
  std::u32string Range = BlankedRange(Start, End);
  int Pos = Start;
  for (char32_t Char : AText) {
    Pos = FMask.EditablePosition(Pos, 1);
    if (Pos < 0 || !FMask.Accepts(Pos, Char)) {
      MessageBeep(0);
      break;
    }
    if (Pos - Start >= static_cast<int>(Range.size()))
      Range += BlankedRange(Start + static_cast<int>(Range.size()), Pos + 1);
    Range[static_cast<size_t>(Pos - Start)] = Char;
    ++Pos;
  }
  const int Next = FMask.EditablePosition(Pos, 1);
  ReplaceRange(Start, Start + static_cast<int>(Range.size()), Range, Next < 0 ? FMask.Length() : Next);
}

void TCustomMaskEdit::BlankSelection() {
  if (ReadOnly() || !EditCanModify() || SelLength() == 0) return;
  const int Start = SelStart();
  const int End = Start + SelLength();
  ReplaceRange(Start, End, BlankedRange(Start, End), Start);
}

void TCustomMaskEdit::DeleteBackward() {
  if (SelLength() > 0) return BlankSelection();
  if (ReadOnly() || !EditCanModify()) return;
  const int Pos = FMask.EditablePosition(SelStart() - 1, -1);
  if (Pos >= 0) ReplaceRange(Pos, Pos + 1, BlankedRange(Pos, Pos + 1), Pos);
}

void TCustomMaskEdit::DeleteForward() {
  if (SelLength() > 0) return BlankSelection();
  if (ReadOnly() || !EditCanModify()) return;
  const int Caret = SelStart();
  const int Pos = FMask.EditablePosition(Caret, 1);
  if (Pos >= 0) ReplaceRange(Pos, Pos + 1, BlankedRange(Pos, Pos + 1), Caret);
}

void TCustomMaskEdit::MoveCaret(int APos, int ADirection) {
  const int Clamped = std::clamp(APos, 0, FMask.Length());
  int Pos = Clamped == FMask.Length() ? Clamped : FMask.EditablePosition(Clamped, ADirection);
  if (Pos < 0) Pos = FMask.EditablePosition(Clamped, -ADirection);
  if (Pos < 0) Pos = FMask.Length();
  SendMessage(Handle(), EM_SETSEL, static_cast<WPARAM>(Pos), Pos);
}

// ---------------------------------------------------------------- clipboard and mouse

void TCustomMaskEdit::WMCut(TMessage&) {
  CopyToClipboard();
  BlankSelection();
}

void TCustomMaskEdit::WMClear(TMessage&) { BlankSelection(); }

void TCustomMaskEdit::WMPaste(TMessage&) {
  String Text;
  if (OpenClipboard(Handle())) {
    if (HGLOBAL Block = GetClipboardData(CF_UNICODETEXT)) Text = Block->Text;
    CloseClipboard();
  }
  if (!Text.empty()) InputText(ToCodePoints(Text));
}

// A click on a literal puts the caret on the next position that takes a character.
void TCustomMaskEdit::WMLButtonUp(TMessage& AMessage) {
  TCustomEdit::Dispatch(AMessage);
  if (SelLength() == 0 && FMask.IsLiteral(SelStart())) MoveCaret(SelStart(), 1);
}
