// The EDIT window's editing steps: insertion rules, replacing the selection, the
// selection, undo, the clipboard and the change notification.

#include <cwctype>

#include "platform/ui/native/EditStateInternal.h"

std::u32string PrepareInsertion(const TEditState& AState, std::u32string_view AText, bool AFromUser) {
  const DWORD Style = EditStyle(AState);
  // A line stays a line where Enter cannot make one: a pasted record keeps to itself.
  const bool KeepBreaks = (Style & ES_MULTILINE) && (!AFromUser || (Style & ES_WANTRETURN));
  std::u32string Result;
  Result.reserve(AText.size());
  for (size_t I = 0; I < AText.size(); ++I) {
    char32_t Char = AText[I];
    if (Char == U'\r') {
      if (I + 1 < AText.size() && AText[I + 1] == U'\n') ++I;
      Char = U'\n';
    }
    if (Char == U'\n' && !KeepBreaks) Char = U' ';
    if (Style & ES_UPPERCASE) Char = static_cast<char32_t>(std::towupper(static_cast<wint_t>(Char)));
    if (Style & ES_LOWERCASE) Char = static_cast<char32_t>(std::towlower(static_cast<wint_t>(Char)));
    Result.push_back(Char);
  }
  return Result;
}

void NotifyParent(TEditState& AState, WORD ACode) {
  if (HWND Parent = GetParent(AState.Window)) {
    const auto Id = static_cast<WORD>(GetWindowLong(AState.Window, GWL_ID));
    SendMessage(Parent, WM_COMMAND, MAKEWPARAM(Id, ACode), reinterpret_cast<LPARAM>(AState.Window));
  }
}

bool ReplaceSelection(TEditState& AState, std::u32string_view AText, bool ACanUndo, bool ATyping) {
  const int ChangedFrom = AState.Model.SelStart();
  if (!AState.Model.ReplaceSelection(std::u32string(AText), ACanUndo, ATyping)) return false;
  Relayout(AState, ChangedFrom);
  ScrollCaretIntoView(AState);
  InvalidateRect(AState.Window, nullptr, true);
  NotifyParent(AState, EN_CHANGE);
  return true;
}

void Select(TEditState& AState, int AAnchor, int ACaret) {
  const bool Changed = AState.Model.Anchor() != AAnchor || AState.Model.CaretPos() != ACaret;
  AState.Model.SetSelection(AAnchor, ACaret);
  ScrollCaretIntoView(AState);
  if (Changed) InvalidateRect(AState.Window, nullptr, true);
}

// A password never leaves its edit.
void CopySelection(TEditState& AState) {
  if (IsPassword(AState) || !AState.Model.HasSelection()) return;
  if (!OpenClipboard(AState.Window)) return;
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, AllocClipboardText(ToUtf8(AState.Model.SelectedText())));
  CloseClipboard();
}

void ClearSelection(TEditState& AState) {
  if (IsReadOnly(AState)) return RefuseEdit();
  ReplaceSelection(AState, U"", true, false);
}

void CutSelection(TEditState& AState) {
  if (IsReadOnly(AState)) return RefuseEdit();
  if (IsPassword(AState)) return;
  CopySelection(AState);
  ClearSelection(AState);
}

void PasteClipboard(TEditState& AState) {
  if (IsReadOnly(AState)) return RefuseEdit();
  String Text;
  if (OpenClipboard(AState.Window)) {
    if (HGLOBAL Block = GetClipboardData(CF_UNICODETEXT)) Text = Block->Text;
    CloseClipboard();
  }
  if (!Text.empty())
    ReplaceSelection(AState, PrepareInsertion(AState, ToCodePoints(Text), true), true, false);
}

void UndoEdit(TEditState& AState) {
  if (IsReadOnly(AState)) return RefuseEdit();
  if (!AState.Model.Undo()) return;
  Relayout(AState);
  ScrollCaretIntoView(AState);
  InvalidateRect(AState.Window, nullptr, true);
  NotifyParent(AState, EN_CHANGE);
}

void RefuseEdit() { MessageBeep(0); }
