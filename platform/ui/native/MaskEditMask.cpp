// Edit masks: parsing and laying text into them.

#include "platform/ui/native/MaskEditMask.h"

#include "platform/ui/native/EditModel.h"

namespace {

bool IsDigit(char32_t AChar) { return AChar >= U'0' && AChar <= U'9'; }

}  // namespace

TEditMask::TEditMask(const String& AMask) {
  const std::u32string Mask = ToCodePoints(AMask);
  // The fields after the mask: the last two ';' that are not escaped.
  size_t End = Mask.size();
  std::vector<size_t> Separators;
  for (size_t I = 0; I < Mask.size(); ++I) {
    if (Mask[I] == U'\\')
      ++I;
    else if (Mask[I] == U';')
      Separators.push_back(I);
  }
  if (Separators.size() >= 2) {
    const size_t Second = Separators[Separators.size() - 1];
    const size_t First = Separators[Separators.size() - 2];
    FSavesLiterals = Mask.substr(First + 1, Second - First - 1) != U"0";
    if (Second + 1 < Mask.size()) FBlank = Mask[Second + 1];
    End = First;
  } else if (Separators.size() == 1) {
    FSavesLiterals = Mask.substr(Separators[0] + 1) != U"0";
    End = Separators[0];
  }
  for (size_t I = 0; I < End; ++I) {
    const char32_t Char = Mask[I];
    if (Char == U'!') continue;
    if (Char == U'\\' && I + 1 < End)
      FSlots.push_back({skLiteral, Mask[++I]});
    else if (Char == U'0')
      FSlots.push_back({skRequiredDigit, 0});
    else if (Char == U'9')
      FSlots.push_back({skOptionalDigit, 0});
    else
      FSlots.push_back({skLiteral, Char});
  }
}

bool TEditMask::IsLiteral(int APos) const {
  return APos >= 0 && APos < Length() && FSlots[static_cast<size_t>(APos)].Kind == skLiteral;
}

bool TEditMask::Accepts(int APos, char32_t AChar) const {
  if (APos < 0 || APos >= Length()) return false;
  const TSlot& Slot = FSlots[static_cast<size_t>(APos)];
  return Slot.Kind == skLiteral ? AChar == Slot.Literal : IsDigit(AChar);
}

std::u32string TEditMask::EmptyText() const {
  std::u32string Text;
  for (const TSlot& Slot : FSlots) Text.push_back(Slot.Kind == skLiteral ? Slot.Literal : FBlank);
  return Text;
}

std::u32string TEditMask::Apply(const std::u32string& AText) const {
  std::u32string Text = EmptyText();
  size_t From = 0;
  for (int Pos = 0; Pos < Length() && From < AText.size(); ++Pos) {
    if (IsLiteral(Pos) && !FSavesLiterals) continue;
    const char32_t Char = AText[From++];
    if (!IsLiteral(Pos) && Accepts(Pos, Char)) Text[static_cast<size_t>(Pos)] = Char;
  }
  return Text;
}

bool TEditMask::IsComplete(const std::u32string& AEditText) const {
  for (int Pos = 0; Pos < Length(); ++Pos) {
    if (FSlots[static_cast<size_t>(Pos)].Kind != skRequiredDigit) continue;
    if (Pos >= static_cast<int>(AEditText.size()) || !Accepts(Pos, AEditText[static_cast<size_t>(Pos)]))
      return false;
  }
  return true;
}

int TEditMask::EditablePosition(int APos, int ADirection) const {
  for (int Pos = APos; Pos >= 0 && Pos < Length(); Pos += ADirection)
    if (!IsLiteral(Pos)) return Pos;
  return -1;
}
