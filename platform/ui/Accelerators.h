#pragma once
// Accelerator characters of captions: the character after a single "&" ("&&" stands
// for an "&" of the text).

#include <cstdint>

#include "platform/base/Strings.h"

// The accelerator character of a caption as text (one character), or "" when it has
// none.
String GetHotkey(const String& ACaption);
// Whether AChar (a code point) is the accelerator of ACaption, without regard to case.
bool IsAccel(uint32_t AChar, const String& ACaption);
