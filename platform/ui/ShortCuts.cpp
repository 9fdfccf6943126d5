#include "platform/ui/ShortCuts.h"

#include "platform/win/Keyboard.h"

namespace {

// The names of the keys between VK_SPACE and VK_DOWN, in key order.
constexpr const char* NavigationNames[] = {"Space", "PgUp", "PgDn",  "End", "Home",
                                           "Left",  "Up",   "Right", "Down"};

String KeyName(WORD AKey) {
  if (AKey == VK_BACK) return "BkSp";
  if (AKey == VK_TAB) return "Tab";
  if (AKey == VK_RETURN) return "Enter";
  if (AKey == VK_ESCAPE) return "Esc";
  if (AKey >= VK_SPACE && AKey <= VK_DOWN) return NavigationNames[AKey - VK_SPACE];
  if (AKey == VK_INSERT) return "Ins";
  if (AKey == VK_DELETE) return "Del";
  if ((AKey >= '0' && AKey <= '9') || (AKey >= 'A' && AKey <= 'Z')) return String(1, static_cast<char>(AKey));
  if (AKey >= VK_NUMPAD0 && AKey <= VK_NUMPAD9) return String(1, static_cast<char>('0' + AKey - VK_NUMPAD0));
  if (AKey >= VK_F1 && AKey <= VK_F24) return Format("F%d", AKey - VK_F1 + 1);
  switch (AKey) {
    case VK_MULTIPLY:
      return "Num *";
    case VK_ADD:
      return "Num +";
    case VK_SUBTRACT:
      return "Num -";
    case VK_DECIMAL:
      return "Num Del";
    case VK_DIVIDE:
      return "Num /";
    case VK_OEM_1:
      return ";";
    case VK_OEM_PLUS:
      return "=";
    case VK_OEM_COMMA:
      return ",";
    case VK_OEM_MINUS:
      return "-";
    case VK_OEM_PERIOD:
      return ".";
    case VK_OEM_2:
      return "/";
    case VK_OEM_3:
      return "`";
    case VK_OEM_4:
      return "[";
    case VK_OEM_5:
      return "\\";
    case VK_OEM_6:
      return "]";
    case VK_OEM_7:
      return "'";
    default:
      return "";
  }
}

// Takes APrefix off the front of AText when it is there (without regard to case).
bool TakePrefix(String& AText, const char* APrefix) {
  const String Prefix = APrefix;
  if (AText.size() < Prefix.size() || !SameText(AText.substr(0, Prefix.size()), Prefix)) return false;
  AText.erase(0, Prefix.size());
  return true;
}

}  // namespace

TShortCut ShortCut(WORD AKey, TShiftState AShift) {
  if (AKey > 0xFF) return scNone;
  TShortCut Result = AKey;
  if (AShift.Contains(ssShift)) Result |= scShift;
  if (AShift.Contains(ssCtrl)) Result |= scCtrl;
  if (AShift.Contains(ssAlt)) Result |= scAlt;
  return Result;
}

void ShortCutToKey(TShortCut AShortCut, WORD& AKey, TShiftState& AShift) {
  AKey = AShortCut & 0xFF;
  AShift = {};
  if (AShortCut & scShift) AShift.Include(ssShift);
  if (AShortCut & scCtrl) AShift.Include(ssCtrl);
  if (AShortCut & scAlt) AShift.Include(ssAlt);
}

String ShortCutToText(TShortCut AShortCut) {
  const String Name = KeyName(AShortCut & 0xFF);
  if (Name.empty()) return "";
  String Result;
  if (AShortCut & scShift) Result += "Shift+";
  if (AShortCut & scCtrl) Result += "Ctrl+";
  if (AShortCut & scAlt) Result += "Alt+";
  return Result + Name;
}

TShortCut TextToShortCut(const String& AText) {
  String Rest = AText;
  TShortCut Modifiers = 0;
  for (;;) {
    if (TakePrefix(Rest, "Shift+"))
      Modifiers |= scShift;
    else if (TakePrefix(Rest, "Ctrl+") || TakePrefix(Rest, "^"))
      Modifiers |= scCtrl;
    else if (TakePrefix(Rest, "Alt+"))
      Modifiers |= scAlt;
    else
      break;
  }
  if (Rest.empty()) return scNone;
  // The first key of that name: digits win over the number pad's, as they come first.
  for (WORD Key = VK_BACK; Key <= 0xFF; ++Key)
    if (const String Name = KeyName(Key); !Name.empty() && SameText(Name, Rest)) return Key | Modifiers;
  return scNone;
}
