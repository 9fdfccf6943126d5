#pragma once
// Binding of the FFmpeg libraries (and the C library) at run time.
//
// One loader serves the whole process: each library is loaded at most once and shared
// by every engine component. Components ask for the set of libraries they need; a set
// loads in TLibrary order and, when one member fails, the whole set is unloaded again.
// Load and Unload run on the user-interface thread while no engine work runs.

#include "Src/FFEntryPoints.h"
#include "platform/base/Set.h"
#include "platform/base/Strings.h"

enum TLibrary { avCodec, avDevice, avFilter, avFormat, avUtil, swResample, swScale, myUtil };
using TLibraries = TSet<TLibrary>;

// What the decoder needs, and what the encoder and the player need.
inline const TLibraries DecoderLibraries{avCodec, avFormat, avUtil, swResample, swScale, myUtil};
inline const TLibraries AllLibraries{avCodec, avDevice,   avFilter, avFormat,
                                     avUtil,  swResample, swScale,  myUtil};

class TFFLoader {
 public:
  // Loads and binds one library, then runs its follow-up work (every time it succeeds).
  // False with LastErrMsg set on failure; a failed bind leaves nothing bound.
  bool Load(TLibrary ALibrary);
  // Loads the set in TLibrary order; on the first failure unloads the whole set.
  bool Load(const TLibraries& ALibraries);
  bool Loaded(TLibrary ALibrary) const;
  bool Loaded(const TLibraries& ALibraries) const;
  // Raises "Library %s not loaded." naming the first member that is not loaded.
  void CheckLibAV(const TLibraries& ALibraries) const;
  void Unload(TLibrary ALibrary);
  void Unload(const TLibraries& ALibraries);

  // The file name a library is loaded from: "lib" + name + ".so." + major version.
  static String LibraryFileName(TLibrary ALibrary);
  // The library's base name as the messages give it (avcodec, swscale, c).
  static String LibraryName(TLibrary ALibrary);

  const String& LastErrMsg() const;
  const String& LibraryPath() const;
  // The folder searched first (LibAV beside the program); a library not there is
  // loaded by bare name from the system.
  void SetLibraryPath(const String& APath);
  bool InstallLogger = true;
};

// The process-wide loader.
TFFLoader& FFLoader();

// An object that holds FFmpeg objects (a decoder, a picture converter). Before the
// loader unbinds a library it has every holder free what it holds: freeing it later,
// when the object is closed or destroyed, would call entry points that are gone. A
// holder is registered for its whole life; the release runs on the thread that
// unloads, while no engine work runs. A released holder works again once the libraries
// are loaded again.
class TFFObjectHolder {
 public:
  TFFObjectHolder();
  virtual ~TFFObjectHolder();
  TFFObjectHolder(const TFFObjectHolder&) = delete;
  TFFObjectHolder& operator=(const TFFObjectHolder&) = delete;

  virtual void ReleaseFFObjects() = 0;
};
