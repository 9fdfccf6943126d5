#pragma once
// Run-time binding of SDL 1.2, which the preview players use for sound, threads,
// locks, conditions, their event queue and delays.
//
// SDL keeps its state in library globals, and every player needs its own SDL: the
// audio device, the event queue and the started subsystems belong to one playback.
// So each player binds its own copy of the library file (MakeSDLLibraryCopy makes
// one per player in the temporary folder), and a process-wide list makes sure that no
// two loaders hold the same file: a second dlopen of one file would give the same
// instance.
//
// SDL never draws: the players' pictures go to their windows through the window
// system's video output. SDL's video subsystem is still started, with its "dummy"
// driver, because SDL 1.2 keeps its event queue there.

#include <SDL/SDL.h>

#include "platform/base/DynLib.h"
#include "platform/base/Strings.h"
#include "platform/base/Threads.h"

// SDL's header spells the lock calls as macros over SDL_mutexP and SDL_mutexV; the
// entry table binds them under the names the player calls.
#undef SDL_LockMutex
#undef SDL_UnlockMutex

// The exports the player calls, in binding order. Each entry is named after the SDL
// function it holds; the second column is the export it is bound from.
// The formatter would lay these tables out differently on every run.
// clang-format off
#define SDL_ENTRIES(X)                                                                                     \
  X(SDL_Init, SDL_Init) X(SDL_Quit, SDL_Quit) X(SDL_GetError, SDL_GetError)                              \
  X(SDL_OpenAudio, SDL_OpenAudio) X(SDL_PauseAudio, SDL_PauseAudio) X(SDL_CloseAudio, SDL_CloseAudio)    \
  X(SDL_MixAudio, SDL_MixAudio) X(SDL_WaitEvent, SDL_WaitEvent) X(SDL_PeepEvents, SDL_PeepEvents)       \
  X(SDL_PushEvent, SDL_PushEvent) X(SDL_EventState, SDL_EventState) X(SDL_CreateMutex, SDL_CreateMutex) \
  X(SDL_LockMutex, SDL_mutexP) X(SDL_UnlockMutex, SDL_mutexV) X(SDL_DestroyMutex, SDL_DestroyMutex)     \
  X(SDL_CreateCond, SDL_CreateCond) X(SDL_DestroyCond, SDL_DestroyCond) X(SDL_CondSignal, SDL_CondSignal) \
  X(SDL_CondWait, SDL_CondWait) X(SDL_CreateThread, SDL_CreateThread) X(SDL_WaitThread, SDL_WaitThread)  \
  X(SDL_Delay, SDL_Delay) X(SDL_AudioDriverName, SDL_AudioDriverName)                                   \
  X(SDL_VideoDriverName, SDL_VideoDriverName) X(SDL_LockAudio, SDL_LockAudio)                           \
  X(SDL_UnlockAudio, SDL_UnlockAudio)
// clang-format on

struct TSDLEntryPoints {
#define SDL_DECLARE_ENTRY(Name, Export) decltype(&::Export) Name = nullptr;
  SDL_ENTRIES(SDL_DECLARE_ENTRY)
#undef SDL_DECLARE_ENTRY
};

// Holds an SDL mutex of a player's bound SDL for the rest of the scope, as std::lock_guard
// holds a standard one; an SDL_CondWait inside the scope may release and retake it.
class TSDLMutexLock {
 public:
  TSDLMutexLock(const TSDLEntryPoints& ASDL, SDL_mutex* AMutex) : FSDL(ASDL), FMutex(AMutex) {
    FSDL.SDL_LockMutex(FMutex);
  }
  ~TSDLMutexLock() { FSDL.SDL_UnlockMutex(FMutex); }
  TSDLMutexLock(const TSDLMutexLock&) = delete;
  TSDLMutexLock& operator=(const TSDLMutexLock&) = delete;

 private:
  const TSDLEntryPoints& FSDL;
  SDL_mutex* FMutex;
};

// The file name of the system's SDL 1.2, which a player loads when told to load SDL by
// itself.
inline constexpr const char* SDLLibraryFileName = "libSDL-1.2.so.0";

// Copies the system's SDL 1.2 into AFolder (the program's temporary folder) as "lib" +
// "SDL_%d" (with APlayerNumber) + ".so" and returns the full name: 0 for the main
// window's player, 1 and 2 for the edit dialog's players, 3 for the trim dialog's. A
// copy that a loader of this process holds is kept; any other is replaced by a new
// file, so that a process still running the old one is not disturbed. Empty with the
// reason in AErrorText on failure.
String MakeSDLLibraryCopy(const String& AFolder, int APlayerNumber, String& AErrorText);

class TSDLLoader {
 public:
  TSDLLoader() = default;
  ~TSDLLoader();
  TSDLLoader(const TSDLLoader&) = delete;
  TSDLLoader& operator=(const TSDLLoader&) = delete;

  // Binds AFile in APath (a file not in the folder is loaded by its bare name). A file
  // that another loader holds is refused with "%s alreay loaded in another instance.";
  // otherwise what this loader held is released first. False with LastErrMsg() on
  // every failure; nothing is raised. Any thread.
  bool Load(const String& APath, const String& AFile);
  bool Loaded() const { return FHandle && FFixuped; }
  // Forgets the bindings, frees the library and takes its name off the list.
  void Unload();

  const String& LibFile() const { return FLibFile; }
  const String& LastErrMsg() const { return FLastErrMsg; }
  const TSDLEntryPoints& EntryPoints() const { return FEntries; }

 private:
  void ReleaseLocked();

  String FLibFile;
  HMODULE FHandle = nullptr;
  bool FFixuped = false;
  String FLastErrMsg;
  TSDLEntryPoints FEntries;
};

// Guards the list of bound SDL files. The players also hold it while they set SDL's
// environment variables and start SDL, so that no two players start SDL at once.
TCriticalSection& SdlListLock();
