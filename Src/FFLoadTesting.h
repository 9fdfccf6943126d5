#pragma once
// A seam for the loader's tests, not for use by the program.

#include "Src/FFLoad.h"

// How often the loader has run the library's Fixup in this process, failed runs
// included.
int FixupCalls(TLibrary ALibrary);
