#pragma once
// Keeps libraries mapped through the loader's unloads. The loader clears its entries
// all the same, which is what the tests look at; the libraries' code and their own
// start-up allocations stay in place, so the leak checker does not take those for
// leaks of ours, and ThreadSanitizer, which silences FFmpeg's libraries by name, does
// not see a silenced library go. It silences by name, so a test pins no two files of
// one name.

#include <dlfcn.h>

#include <string>

inline void PinLibrary(const std::string& AFileName) { dlopen(AFileName.c_str(), RTLD_NOW | RTLD_NODELETE); }

// Pins those of FFmpeg's libraries that are loaded by now; loading the others here
// would make their start-up allocations ours.
inline void PinFFmpegLibraries() {
  for (const char* Name : {"libavutil.so.57", "libswresample.so.4", "libswscale.so.6", "libavcodec.so.59",
                           "libavformat.so.59", "libavfilter.so.8", "libavdevice.so.59"})
    dlopen(Name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}
