#pragma once
// The keyboard part's contribution to the message loop (internal to platform/win).

#include "platform/win/WindowTypes.h"

// TranslateMessage: posts one WM_CHAR (WM_SYSCHAR) per character of the text that the
// key of a key-down message produced, when the message is the one last taken off the
// queue for a key event. Returns whether it posted any.
bool TranslateKeyMessage(const MSG& AMessage);
