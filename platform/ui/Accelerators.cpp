#include "platform/ui/Accelerators.h"

String GetHotkey(const String& ACaption) {
  size_t Pos = 0;
  while (Pos < ACaption.size()) {
    const char32_t Char = Utf8Next(ACaption, Pos);
    if (Char != U'&' || Pos >= ACaption.size()) continue;
    const size_t Start = Pos;
    const char32_t Next = Utf8Next(ACaption, Pos);
    if (Next != U'&') return ACaption.substr(Start, Pos - Start);
  }
  return "";
}

bool IsAccel(uint32_t AChar, const String& ACaption) {
  const String Hotkey = GetHotkey(ACaption);
  if (Hotkey.empty()) return false;
  String Typed;
  Utf8Append(Typed, static_cast<char32_t>(AChar));
  return SameText(Typed, Hotkey);
}
