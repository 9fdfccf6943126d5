// Keysyms and virtual-key codes. Letters and digits are their own codes; the other
// keys follow the table, which names the US keyboard's punctuation keys by their OEM
// codes. A keysym missing here has no virtual-key code: a key typing a character
// without one arrives as VK_PACKET.

#include "platform/win/Keyboard.h"
#include "platform/win/x11/X11Internal.h"

namespace {

struct TKeyName {
  KeySym Keysym;
  UINT VirtualKey;
};

// The first entry of a virtual-key code is the keysym that stands for it (hot keys).
constexpr TKeyName KeyNames[] = {
    {XK_BackSpace, VK_BACK},
    {XK_Tab, VK_TAB},
    {XK_ISO_Left_Tab, VK_TAB},
    {XK_Clear, VK_CLEAR},
    {XK_Return, VK_RETURN},
    {XK_KP_Enter, VK_RETURN},
    {XK_Pause, VK_PAUSE},
    {XK_Scroll_Lock, VK_SCROLL},
    {XK_Escape, VK_ESCAPE},
    {XK_Delete, VK_DELETE},
    {XK_Home, VK_HOME},
    {XK_Left, VK_LEFT},
    {XK_Up, VK_UP},
    {XK_Right, VK_RIGHT},
    {XK_Down, VK_DOWN},
    {XK_Prior, VK_PRIOR},
    {XK_Next, VK_NEXT},
    {XK_End, VK_END},
    {XK_Print, VK_SNAPSHOT},
    {XK_Insert, VK_INSERT},
    {XK_Menu, VK_APPS},
    {XK_Help, VK_HELP},
    {XK_Num_Lock, VK_NUMLOCK},
    {XK_Caps_Lock, VK_CAPITAL},
    {XK_KP_Multiply, VK_MULTIPLY},
    {XK_KP_Add, VK_ADD},
    {XK_KP_Separator, VK_SEPARATOR},
    {XK_KP_Subtract, VK_SUBTRACT},
    {XK_KP_Decimal, VK_DECIMAL},
    {XK_KP_Divide, VK_DIVIDE},
    {XK_KP_Home, VK_HOME},
    {XK_KP_Left, VK_LEFT},
    {XK_KP_Up, VK_UP},
    {XK_KP_Right, VK_RIGHT},
    {XK_KP_Down, VK_DOWN},
    {XK_KP_Prior, VK_PRIOR},
    {XK_KP_Next, VK_NEXT},
    {XK_KP_End, VK_END},
    {XK_KP_Begin, VK_CLEAR},
    {XK_KP_Insert, VK_INSERT},
    {XK_KP_Delete, VK_DELETE},
    {XK_Shift_L, VK_LSHIFT},
    {XK_Shift_R, VK_RSHIFT},
    {XK_Control_L, VK_LCONTROL},
    {XK_Control_R, VK_RCONTROL},
    {XK_Alt_L, VK_LMENU},
    {XK_Alt_R, VK_RMENU},
    {XK_Meta_L, VK_LMENU},
    {XK_Meta_R, VK_RMENU},
    {XK_Super_L, VK_LWIN},
    {XK_Super_R, VK_RWIN},
    {XK_space, VK_SPACE},
    {XK_semicolon, VK_OEM_1},
    {XK_equal, VK_OEM_PLUS},
    {XK_comma, VK_OEM_COMMA},
    {XK_minus, VK_OEM_MINUS},
    {XK_period, VK_OEM_PERIOD},
    {XK_slash, VK_OEM_2},
    {XK_grave, VK_OEM_3},
    {XK_bracketleft, VK_OEM_4},
    {XK_backslash, VK_OEM_5},
    {XK_bracketright, VK_OEM_6},
    {XK_apostrophe, VK_OEM_7},
};

// Key messages name the generic modifier keys; hot keys name them so too.
constexpr TKeyName GenericModifiers[] = {
    {XK_Shift_L, VK_SHIFT}, {XK_Control_L, VK_CONTROL}, {XK_Alt_L, VK_MENU}};

constexpr UINT FunctionKeyCount = 24;

}  // namespace

UINT VirtualKeyOfKeysym(KeySym AKeysym) {
  if (AKeysym >= XK_a && AKeysym <= XK_z) return static_cast<UINT>('A' + (AKeysym - XK_a));
  if (AKeysym >= XK_A && AKeysym <= XK_Z) return static_cast<UINT>('A' + (AKeysym - XK_A));
  if (AKeysym >= XK_0 && AKeysym <= XK_9) return static_cast<UINT>('0' + (AKeysym - XK_0));
  if (AKeysym >= XK_KP_0 && AKeysym <= XK_KP_9) return static_cast<UINT>(VK_NUMPAD0 + (AKeysym - XK_KP_0));
  if (AKeysym >= XK_F1 && AKeysym < XK_F1 + FunctionKeyCount)
    return static_cast<UINT>(VK_F1 + (AKeysym - XK_F1));
  for (const TKeyName& Name : KeyNames)
    if (Name.Keysym == AKeysym) return Name.VirtualKey;
  return 0;
}

KeySym KeysymOfVirtualKey(UINT AVirtualKey) {
  if (AVirtualKey >= 'A' && AVirtualKey <= 'Z') return XK_a + (AVirtualKey - 'A');
  if (AVirtualKey >= '0' && AVirtualKey <= '9') return XK_0 + (AVirtualKey - '0');
  if (AVirtualKey >= VK_NUMPAD0 && AVirtualKey <= VK_NUMPAD9) return XK_KP_0 + (AVirtualKey - VK_NUMPAD0);
  if (AVirtualKey >= VK_F1 && AVirtualKey < VK_F1 + FunctionKeyCount) return XK_F1 + (AVirtualKey - VK_F1);
  for (const TKeyName& Name : GenericModifiers)
    if (Name.VirtualKey == AVirtualKey) return Name.Keysym;
  for (const TKeyName& Name : KeyNames)
    if (Name.VirtualKey == AVirtualKey) return Name.Keysym;
  return NoSymbol;
}

char32_t CharacterOfKeysym(KeySym AKeysym) {
  // Latin-1 keysyms are their characters; Unicode keysyms carry theirs above 0x1000000.
  if ((AKeysym >= 0x20 && AKeysym <= 0x7E) || (AKeysym >= 0xA0 && AKeysym <= 0xFF))
    return static_cast<char32_t>(AKeysym);
  constexpr KeySym UnicodeKeysyms = 0x1000000;
  if (AKeysym > UnicodeKeysyms + 0xFF && AKeysym <= UnicodeKeysyms + 0x10FFFF)
    return static_cast<char32_t>(AKeysym - UnicodeKeysyms);
  return 0;
}
