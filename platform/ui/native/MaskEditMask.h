#pragma once
// An edit mask: "mask;saves literals;blank", as in "!90:00:00;1; ". The mask part is a
// row of positions, one character of the edit text each: '0' a digit that must be
// there, '9' a digit that may be left blank, '\' makes the next character a literal,
// ':' and every other character are literals (':' is the time separator, which is ':'
// here). '!' is accepted and means nothing: the program's masks fill every position
// anyway. The second field "0" keeps the literals out of Text (default "1"); the
// third is the character a blank position shows (default ' ').
//
// Positions count code points.

#include <vector>

#include "platform/base/Strings.h"

class TEditMask {
 public:
  TEditMask() = default;
  explicit TEditMask(const String& AMask);

  bool IsEmpty() const { return FSlots.empty(); }
  int Length() const { return static_cast<int>(FSlots.size()); }
  bool IsLiteral(int APos) const;
  // Whether the character may stand at the position (a literal position takes only
  // its literal).
  bool Accepts(int APos, char32_t AChar) const;
  char32_t Blank() const { return FBlank; }
  bool SavesLiterals() const { return FSavesLiterals; }

  // The edit text of an empty entry: literals in place, blanks elsewhere.
  std::u32string EmptyText() const;
  // AText laid into the mask: with saved literals position by position, otherwise
  // into the editable positions in turn; what does not fit stays blank.
  std::u32string Apply(const std::u32string& AText) const;
  // Whether every required position holds a character.
  bool IsComplete(const std::u32string& AEditText) const;
  // The first editable position from APos on in ADirection (+1 or -1); -1 when none.
  int EditablePosition(int APos, int ADirection) const;

 private:
  enum TSlotKind { skLiteral, skRequiredDigit, skOptionalDigit };
  struct TSlot {
    TSlotKind Kind = skLiteral;
    char32_t Literal = 0;
  };

  std::vector<TSlot> FSlots;
  bool FSavesLiterals = true;
  char32_t FBlank = U' ';
};
