#pragma once
// Joining FFmpeg's log fragments into whole lines, for the engine's logger.
//
// FFmpeg prints a line in one or several calls of its log callback. Each thread's
// fragments are joined separately, so lines that several threads log at the same
// time stay whole; a complete line that the same thread repeats is counted instead
// of delivered again. Any thread may call this.

#include <cstdarg>
#include <vector>

#include "platform/base/Strings.h"

struct TLibraryLine {
  int AVLevel = 0;  // FFmpeg's level of the line
  String Text;      // without its line feed
};

// Adds one fragment of the calling thread (FFmpeg's logging object, level, format and
// arguments, which are read through copies only) and returns the lines it completes:
// when a different fragment ends a run of more than one repeat, the line
// "    Last message repeated %d times" at the level of the repeated line comes first.
// A fragment that starts a line is prefixed with the object's name and address
// ("[%s @ %p]"), after its parent's ("[%s @ %p] ") when the object's class names one.
// Bytes are kept as they are.
std::vector<TLibraryLine> AddLibraryFragment(void* AAvcl, int AAVLevel, const char* AFormat, va_list AArgs);
