// The edit model: text, selection, undo.

#include "platform/ui/native/EditModel.h"

#include <algorithm>
#include <cwctype>

namespace {

enum TCharKind { ckBlank, ckWord, ckOther };

TCharKind KindOf(char32_t AChar) {
  if (AChar == U' ' || AChar == U'\t') return ckBlank;
  if (std::iswalnum(static_cast<wint_t>(AChar)) || AChar == U'_') return ckWord;
  return ckOther;
}

}  // namespace

void TEditModel::SetText(std::u32string AText) {
  FText = std::move(AText);
  FAnchor = FCaret = 0;
  Modified = false;
  EmptyUndo();
}

std::u32string TEditModel::SelectedText() const {
  return FText.substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelEnd() - SelStart()));
}

void TEditModel::SetSelection(int AAnchor, int ACaret) {
  FAnchor = std::clamp(AAnchor, 0, Length());
  FCaret = std::clamp(ACaret, 0, Length());
  FTyping = false;
}

bool TEditModel::ReplaceSelection(const std::u32string& AText, bool ACanUndo, bool ATyping) {
  const int Start = SelStart();
  const int Removed = SelEnd() - Start;
  const int Room = std::max(0, Limit - (Length() - Removed));
  const std::u32string Inserted = AText.substr(0, static_cast<size_t>(std::min<int>(Room, AText.size())));
  if (Removed == 0 && Inserted.empty()) return false;
  if (ACanUndo && !(ATyping && FTyping)) {
    FUndo = {FText, FAnchor, FCaret};
    FHasUndo = true;
  }
  FText.replace(static_cast<size_t>(Start), static_cast<size_t>(Removed), Inserted);
  FAnchor = FCaret = Start + static_cast<int>(Inserted.size());
  FTyping = ATyping;
  Modified = true;
  return true;
}

bool TEditModel::Undo() {
  if (!FHasUndo) return false;
  TSnapshot Current{FText, FAnchor, FCaret};
  FText = std::move(FUndo.Text);
  FAnchor = FUndo.Anchor;
  FCaret = FUndo.Caret;
  FUndo = std::move(Current);
  FTyping = false;
  Modified = true;
  return true;
}

void TEditModel::EmptyUndo() {
  FUndo = TSnapshot{};
  FHasUndo = false;
  FTyping = false;
}

int TEditModel::WordStartBefore(int APos) const {
  int Pos = std::clamp(APos, 0, Length());
  while (Pos > 0 && KindOf(FText[Pos - 1]) == ckBlank) --Pos;
  if (Pos == 0) return 0;
  const TCharKind Kind = KindOf(FText[Pos - 1]);
  if (Kind == ckOther) return Pos - 1;
  while (Pos > 0 && KindOf(FText[Pos - 1]) == Kind) --Pos;
  return Pos;
}

int TEditModel::WordEndAfter(int APos) const {
  int Pos = std::clamp(APos, 0, Length());
  if (Pos == Length()) return Pos;
  const TCharKind Kind = KindOf(FText[Pos]);
  if (Kind == ckOther)
    ++Pos;
  else
    while (Pos < Length() && KindOf(FText[Pos]) == Kind) ++Pos;
  // Ctrl+Right stops at the start of the next word: blanks after a word go with it.
  while (Pos < Length() && KindOf(FText[Pos]) == ckBlank) ++Pos;
  return Pos;
}

std::u32string ToCodePoints(std::string_view AText) {
  std::u32string Result;
  Result.reserve(AText.size());
  for (size_t Pos = 0; Pos < AText.size();) Result.push_back(Utf8Next(AText, Pos));
  return Result;
}

// Runs of ASCII are copied in one step: memos convert their whole text after every
// change.
String ToUtf8(std::u32string_view AText) {
  String Result;
  Result.reserve(AText.size());
  for (size_t Pos = 0; Pos < AText.size();) {
    size_t Run = Pos;
    while (Run < AText.size() && AText[Run] < 0x80) ++Run;
    if (Run == Pos) {
      Utf8Append(Result, AText[Pos++]);
      continue;
    }
    const size_t Old = Result.size();
    Result.resize(Old + (Run - Pos));
    std::transform(AText.begin() + static_cast<std::ptrdiff_t>(Pos),
                   AText.begin() + static_cast<std::ptrdiff_t>(Run),
                   Result.begin() + static_cast<std::ptrdiff_t>(Old),
                   [](char32_t AChar) { return static_cast<char>(AChar); });
    Pos = Run;
  }
  return Result;
}
