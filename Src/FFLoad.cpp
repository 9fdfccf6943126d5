#include "Src/FFLoad.h"

#include <malloc.h>

#include <algorithm>
#include <cfenv>
#include <mutex>
#include <vector>

#include "Src/FFBindings.h"
#include "Src/FFLog.h"
#include "Src/MyUtils.h"
#include "Src/NativeFilters.h"
#include "Src/StreamProtocol.h"
#include "Src/UnicodeProtocol.h"
#include "platform/base/Exceptions.h"

namespace {

struct TLibraryStatus {
  HMODULE Handle = nullptr;  // nullptr while the library is not loaded
  bool Fixuped = false;      // every entry of the library is bound
};

// Process-wide, shared by every component. Written on the user-interface thread
// while no engine work runs.
TLibraryStatus GStatuses[myUtil + 1];
String GLastErrMsg;
String GLibraryPath;

// FFmpeg allocates the pictures of every decoder it opens anew (a probe opens some,
// every file its own) and frees them when the file closes: megabytes per file. The C
// library's allocator, left to itself, hands pictures out of fresh mappings or gives
// the freed top of the heap back to the system, depending on what the process freed
// before; every file then faults its pictures' pages in again, which doubled the time
// of probing a folder of files. Pictures up to 32 MiB (a 4K plane) come from the heap,
// and up to 64 MiB of freed memory stays with the process for the next file.
void FFLoadKeepPictureMemory() {
  constexpr int PictureLimit = 32 << 20;
  constexpr int KeptFreeMemory = 64 << 20;
  mallopt(M_MMAP_THRESHOLD, PictureLimit);
  mallopt(M_TRIM_THRESHOLD, KeptFreeMemory);
}

// What the loader does after each successful Load of a library, also when the
// library was bound before.
void RunFollowUp(TLibrary ALibrary, bool AInstallLogger) {
  switch (ALibrary) {
    case avUtil:
      if (AInstallLogger) GetLogger()->InstallAVLogCallback();
      FFLoadKeepPictureMemory();
      break;
    case avFilter:
      RegisterRotateFilter();
      RegisterNativeEqFilter();
      RegisterNativeHueFilter();
      break;
    case avFormat:
      RegisterUnicodeProtocol();
      RegisterStreamProtocol();
      break;
    default:
      break;
  }
}

// The engine runs with every floating-point exception masked and rounding to
// nearest, which FFmpeg's arithmetic assumes; at exit the environment the process
// had before is restored.
//
// The libraries are deliberately not unloaded at exit: the process is ending anyway,
// a thread still inside FFmpeg (one of FFmpeg's own, or a worker that is being torn
// down) would crash if the code were unmapped under it, and some of the system
// libraries FFmpeg pulls in lose what their constructors allocated when unmapped.
class TFloatingPointEnvironment {
 public:
  TFloatingPointEnvironment() {
    feholdexcept(&FSaved);
    fesetround(FE_TONEAREST);
  }
  ~TFloatingPointEnvironment() { fesetenv(&FSaved); }

 private:
  fenv_t FSaved;
};

TFloatingPointEnvironment GFloatingPointEnvironment;

}  // namespace

TFFLoader& FFLoader() {
  static TFFLoader Loader;
  return Loader;
}

String TFFLoader::LibraryFileName(TLibrary ALibrary) {
  const TLibraryItem& Item = LibraryItem(ALibrary);
  String FileName = String("lib") + Item.Name + ".so";
  if (Item.Version >= 0) FileName += "." + IntToStr(Item.Version);
  return FileName;
}

String TFFLoader::LibraryName(TLibrary ALibrary) { return LibraryItem(ALibrary).Name; }

const String& TFFLoader::LastErrMsg() const { return GLastErrMsg; }
const String& TFFLoader::LibraryPath() const { return GLibraryPath; }
void TFFLoader::SetLibraryPath(const String& APath) { GLibraryPath = APath; }

bool TFFLoader::Load(TLibrary ALibrary) {
  const TLibraryItem& Item = LibraryItem(ALibrary);
  TLibraryStatus& Status = GStatuses[ALibrary];
  String FileName = LibraryFileName(ALibrary);
  if (!Status.Handle) {
    String Folder =
        GLibraryPath.empty() || Item.SysLib ? String() : IncludeTrailingPathDelimiter(GLibraryPath);
    String ErrorText;
    Status.Handle = LoadLibraryInFolder(Folder, FileName, ErrorText);
    if (!Status.Handle) {
      GLastErrMsg = Format("Load library %s error: %s", Folder + FileName, ErrorText);
      return false;
    }
  }
  if (!Status.Fixuped) {
    try {
      Item.Fixup(FileName, Status.Handle);
      Status.Fixuped = true;
    } catch (const Exception& E) {
      GLastErrMsg = E.Message();
    }
  }
  if (!Status.Fixuped) {
    Unload(ALibrary);
    return false;
  }
  RunFollowUp(ALibrary, InstallLogger);
  return true;
}

bool TFFLoader::Load(const TLibraries& ALibraries) {
  Assert(!ALibraries.Empty());
  for (TLibrary Library : ALibraries) {
    if (!Load(Library)) {
      Unload(ALibraries);
      return false;
    }
  }
  return true;
}

bool TFFLoader::Loaded(TLibrary ALibrary) const {
  const TLibraryStatus& Status = GStatuses[LibraryItem(ALibrary).Lib];
  return Status.Handle && Status.Fixuped;
}

bool TFFLoader::Loaded(const TLibraries& ALibraries) const {
  Assert(!ALibraries.Empty());
  for (TLibrary Library : ALibraries)
    if (!Loaded(Library)) return false;
  return true;
}

void TFFLoader::CheckLibAV(const TLibraries& ALibraries) const {
  for (TLibrary Library : ALibraries)
    if (!Loaded(Library)) throw Exception(Format("Library %s not loaded.", LibraryName(Library)));
}

namespace {

struct THolderRegistry {
  std::mutex Lock;
  std::vector<TFFObjectHolder*> Holders;
};

// Never destroyed: holders may be destroyed at exit after ordinary statics.
THolderRegistry& HolderRegistry() {
  static THolderRegistry* Registry = new THolderRegistry;
  return *Registry;
}

bool IsRegisteredHolder(TFFObjectHolder* AHolder) {
  std::lock_guard Guard(HolderRegistry().Lock);
  return std::find(HolderRegistry().Holders.begin(), HolderRegistry().Holders.end(), AHolder) !=
         HolderRegistry().Holders.end();
}

// A holder's release may destroy other holders (a player ending its playback frees
// what its threads held), so each one is looked up again before it is called.
void ReleaseHeldFFObjects() {
  std::vector<TFFObjectHolder*> Holders;
  {
    std::lock_guard Guard(HolderRegistry().Lock);
    Holders = HolderRegistry().Holders;
  }
  for (TFFObjectHolder* Holder : Holders)
    if (IsRegisteredHolder(Holder)) Holder->ReleaseFFObjects();
}

}  // namespace

TFFObjectHolder::TFFObjectHolder() {
  std::lock_guard Guard(HolderRegistry().Lock);
  HolderRegistry().Holders.push_back(this);
}

TFFObjectHolder::~TFFObjectHolder() {
  std::lock_guard Guard(HolderRegistry().Lock);
  std::erase(HolderRegistry().Holders, this);
}

void TFFLoader::Unload(TLibrary ALibrary) {
  const TLibraryItem& Item = LibraryItem(ALibrary);
  TLibraryStatus& Status = GStatuses[ALibrary];
  if (!Status.Handle) return;
  // While every library is still bound: a holder's objects need several to be freed.
  ReleaseHeldFFObjects();
  // Also after a Fixup that failed halfway: the entries it had bound are cleared
  // with the rest, so none is left pointing into the freed library.
  Item.Unfix();
  Status.Fixuped = false;
  FreeLibrary(Status.Handle);
  Status.Handle = nullptr;
}

void TFFLoader::Unload(const TLibraries& ALibraries) {
  Assert(!ALibraries.Empty());
  for (TLibrary Library : ALibraries) Unload(Library);
}
