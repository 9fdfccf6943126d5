#pragma once
// The font families installed on the system, as fontconfig lists them: the names a
// font picker offers (the screen object's Fonts). Any thread.

#include <vector>

#include "platform/base/Strings.h"

// The family names of the installed scalable fonts, each once, sorted without regard
// to case. Empty when fontconfig finds no fonts.
std::vector<String> InstalledFontFamilies();
