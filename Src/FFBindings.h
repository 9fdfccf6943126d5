#pragma once
// The loader's table of libraries: file names and the binding of each library's
// entries into the process-wide entry table FF.

#include "Src/FFLoad.h"
#include "platform/base/DynLib.h"

// Binds every entry of the library in list order, none optional, then runs the
// library's own start-up. A missing entry raises "Load function %s@%s error: %s";
// the entries bound before it stay set until the library's Unfix clears them.
using TFixupProc = void (*)(const String& ALibFile, HMODULE AHandle);
// Undoes what Fixup started and clears every entry of the library; safe after a
// Fixup that failed halfway.
using TUnfixProc = void (*)();

struct TLibraryItem {
  TLibrary Lib;
  const char* Name;  // the base name: "lib" + Name + ".so." + Version is the file
  bool SysLib;       // always loaded by bare name from the system
  int Version;       // major version; negative for a file without one
  TFixupProc Fixup;
  TUnfixProc Unfix;
};

const TLibraryItem& LibraryItem(TLibrary ALibrary);
