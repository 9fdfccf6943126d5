#pragma once
// Shared libraries bound at run time. The engine binds FFmpeg and SDL this way, and
// the optional entries of outside libraries are looked up so.
//
// Threads: any thread may call these. The error texts come from dlerror, which glibc
// keeps per thread, so each call reports its own failure even when several threads
// load libraries at once.

#include "platform/base/Strings.h"

using HMODULE = void*;

// Loads a library by file name (a name without '/' is looked up on the system's
// search path). All its references are resolved now, and its symbols stay private to
// those who look them up. On failure returns nullptr with the loader's text in
// AErrorText.
HMODULE LoadLibrary(const String& AFileName, String& AErrorText);

// The address of the exported name AName, or nullptr with a text naming AName in
// AErrorText when the library has no such export (or AModule is nullptr).
void* GetProcAddress(HMODULE AModule, const char* AName, String& AErrorText);

// Releases a library loaded by LoadLibrary; nullptr is ignored.
void FreeLibrary(HMODULE AModule);
