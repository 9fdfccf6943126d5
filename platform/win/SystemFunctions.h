#pragma once
// What the program asks of the system it runs on before choosing between older and
// newer behaviour: the system's version, and the optional functions that it looks up by
// name at run time and does without when they are missing (older systems lacked them).
//
// The version is one fixed profile, the same on every machine: a system of the NT family,
// version 6.2, so that every "newer system" branch of the program is taken and none
// depends on the machine. This is the one place that states it.
//
// Each optional function is a capability of the backend (TWindowBackend::
// OffersSystemEntry): the x11 backend offers all of them, the layered-window ones only
// while a compositor can show per-pixel alpha; the headless backend lets tests switch
// each one off, so that the fallbacks run too. User-interface thread only.

#include <cstdint>

// The packed version number: major version in the low byte, minor version in the next
// byte, the build in the high word (its top bit clear for the NT family).
uint32_t GetVersion();
constexpr uint32_t VER_PLATFORM_WIN32_NT = 2;
// The platform identifier: VER_PLATFORM_WIN32_NT.
uint32_t GetVersionPlatformId();

// The optional functions, by the library and name under which the program binds them.
enum TSystemEntry {
  seTransparentBlt,              // "msimg32.dll" "TransparentBlt"
  seAlphaBlend,                  // "msimg32.dll" "AlphaBlend"
  seMonitorFromWindow,           // "user32.dll" "MonitorFromWindow"
  seGetMonitorInfo,              // "user32.dll" "GetMonitorInfoA"
  seSetLayeredWindowAttributes,  // "user32.dll" "SetLayeredWindowAttributes"
  seUpdateLayeredWindow,         // "user32.dll" "UpdateLayeredWindow"
};

// Whether the running backend offers the function: the program binds it only then.
bool IsSystemEntryOffered(TSystemEntry AEntry);
