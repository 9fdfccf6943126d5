#include <algorithm>
#include <cstring>

#include "platform/win/KeyCodesInternal.h"
#include "platform/win/Keyboard.h"

namespace {

struct TScanCode {
  UINT Key;
  UINT Scan;
};

constexpr TScanCode ScanCodes[] = {
    {VK_ESCAPE, 0x01},  {VK_BACK, 0x0E},      {VK_TAB, 0x0F},        {VK_RETURN, 0x1C},
    {VK_CONTROL, 0x1D}, {VK_LCONTROL, 0x1D},  {VK_RCONTROL, 0x1D},   {VK_SHIFT, 0x2A},
    {VK_LSHIFT, 0x2A},  {VK_RSHIFT, 0x36},    {VK_MENU, 0x38},       {VK_LMENU, 0x38},
    {VK_RMENU, 0x38},   {VK_SPACE, 0x39},     {VK_CAPITAL, 0x3A},    {VK_NUMLOCK, 0x45},
    {VK_SCROLL, 0x46},  {VK_HOME, 0x47},      {VK_UP, 0x48},         {VK_PRIOR, 0x49},
    {VK_LEFT, 0x4B},    {VK_RIGHT, 0x4D},     {VK_END, 0x4F},        {VK_DOWN, 0x50},
    {VK_NEXT, 0x51},    {VK_INSERT, 0x52},    {VK_DELETE, 0x53},     {VK_F11, 0x57},
    {VK_F12, 0x58},     {VK_MULTIPLY, 0x37},  {VK_SUBTRACT, 0x4A},   {VK_ADD, 0x4E},
    {VK_DECIMAL, 0x53}, {VK_DIVIDE, 0x35},    {VK_LWIN, 0x5B},       {VK_RWIN, 0x5C},
    {VK_APPS, 0x5D},    {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D},   {VK_OEM_4, 0x1A},
    {VK_OEM_6, 0x1B},   {VK_OEM_1, 0x27},     {VK_OEM_7, 0x28},      {VK_OEM_3, 0x29},
    {VK_OEM_5, 0x2B},   {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35},
};

// The keypad digits 0 to 9.
constexpr UINT KeypadScanCodes[] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};

constexpr UINT ExtendedKeys[] = {VK_HOME, VK_UP,   VK_PRIOR,    VK_LEFT,   VK_RIGHT,  VK_END,
                                 VK_DOWN, VK_NEXT, VK_INSERT,   VK_DELETE, VK_DIVIDE, VK_LWIN,
                                 VK_RWIN, VK_APPS, VK_RCONTROL, VK_RMENU};

// The letters by scan code order of their keyboard rows.
constexpr const char* LetterRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr UINT LetterRowStarts[] = {0x10, 0x1E, 0x2C};

}  // namespace

UINT ScanCodeOf(UINT AVirtualKey) {
  if (AVirtualKey >= '1' && AVirtualKey <= '9') return 0x02 + (AVirtualKey - '1');
  if (AVirtualKey == '0') return 0x0B;
  if (AVirtualKey >= 'A' && AVirtualKey <= 'Z')
    for (std::size_t Row = 0; Row < std::size(LetterRows); ++Row)
      if (const char* Found = std::strchr(LetterRows[Row], static_cast<int>(AVirtualKey)))
        return LetterRowStarts[Row] + static_cast<UINT>(Found - LetterRows[Row]);
  if (AVirtualKey >= VK_F1 && AVirtualKey <= VK_F10) return 0x3B + (AVirtualKey - VK_F1);
  if (AVirtualKey >= VK_NUMPAD0 && AVirtualKey <= VK_NUMPAD9)
    return KeypadScanCodes[AVirtualKey - VK_NUMPAD0];
  for (const TScanCode& Code : ScanCodes)
    if (Code.Key == AVirtualKey) return Code.Scan;
  return 0;
}

bool IsExtendedKey(UINT AVirtualKey) {
  return std::find(std::begin(ExtendedKeys), std::end(ExtendedKeys), AVirtualKey) != std::end(ExtendedKeys);
}
