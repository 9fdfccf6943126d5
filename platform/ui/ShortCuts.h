#pragma once
// Keyboard shortcuts of menu items: a virtual key with the modifiers Shift, Ctrl and
// Alt in one 16-bit value, and its text ("Ctrl+S", "Alt+F4", "Shift+Del", "F1").

#include <cstdint>

#include "platform/base/Strings.h"
#include "platform/ui/ControlTypes.h"

// The low byte is the virtual key; the modifiers are the high bits.
using TShortCut = uint16_t;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// The shortcut of a key with modifiers (the other shift-state members are ignored);
// scNone for a key above 255.
TShortCut ShortCut(WORD AKey, TShiftState AShift);
void ShortCutToKey(TShortCut AShortCut, WORD& AKey, TShiftState& AShift);
// "Shift+", "Ctrl+" and "Alt+" in this order, then the key's name: letters and digits
// (the number pad's too) as themselves, "F1" to "F24", "BkSp", "Tab", "Enter", "Esc",
// "Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down", "Ins", "Del",
// the punctuation keys as their characters and the number pad's operators as "Num *",
// "Num +", "Num -", "Num Del", "Num /". "" for scNone and for keys without a name.
String ShortCutToText(TShortCut AShortCut);
// The reverse, without regard to case; "^" also stands for "Ctrl+". scNone when the
// text names no key.
TShortCut TextToShortCut(const String& AText);
