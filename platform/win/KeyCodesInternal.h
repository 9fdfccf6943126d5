#pragma once
// Scan codes of keys, for the lParam of key messages (internal to platform/win).

#include "platform/win/WindowTypes.h"

// The set-1 scan code of a key on a US keyboard; 0 for keys without one.
UINT ScanCodeOf(UINT AVirtualKey);
// Whether the key is one of the extended keys (the arrows and the block above them,
// the right-hand Ctrl and Alt, the keypad's divide key, the Windows and menu keys).
bool IsExtendedKey(UINT AVirtualKey);
