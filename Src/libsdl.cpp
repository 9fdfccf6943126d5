#include "Src/libsdl.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <vector>

#include "Src/MyUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Paths.h"

namespace {

// The full names of the files some loader holds bound. Guarded by SdlListLock().
std::vector<String>& LoadedSdlFiles() {
  static std::vector<String> Files;
  return Files;
}

bool SameFileName(const String& A, const String& B) {
  return A.size() == B.size() &&
         std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) { return tolower(X) == tolower(Y); });
}

std::vector<String>::iterator FindLoadedSdlFile(const String& AFullName) {
  auto& Files = LoadedSdlFiles();
  return std::find_if(Files.begin(), Files.end(),
                      [&](const String& F) { return SameFileName(F, AFullName); });
}

bool IsHeldByALoader(const String& AFullName) {
  std::lock_guard Lock(SdlListLock());
  return FindLoadedSdlFile(AFullName) != LoadedSdlFiles().end();
}

// The file the dynamic loader mapped for AHandle.
String LoadedPath(HMODULE AHandle) {
  String Error;
  Dl_info Info;
  void* Init = GetProcAddress(AHandle, "SDL_Init", Error);
  return Init && dladdr(Init, &Info) && Info.dli_fname ? String(Info.dli_fname) : String();
}

// Where the system's dynamic loader finds SDL 1.2. The library is loaded for the
// look-up and released again at once. The answer is kept: the loader can keep a
// released copy mapped for the life of the process, and a later look-up by the
// library's name would then find that copy, whose folder may be gone.
String SystemSDLLibraryPath(String& AErrorText) {
  static std::mutex Lock;
  static String Found;
  std::lock_guard Guard(Lock);
  if (!Found.empty()) return Found;
  HMODULE Handle = LoadLibrary(SDLLibraryFileName, AErrorText);
  if (!Handle) return {};
  Found = LoadedPath(Handle);
  FreeLibrary(Handle);
  return Found;
}

}  // namespace

TCriticalSection& SdlListLock() {
  static TCriticalSection Lock;
  return Lock;
}

String MakeSDLLibraryCopy(const String& AFolder, int APlayerNumber, String& AErrorText) {
  const String Source = SystemSDLLibraryPath(AErrorText);
  if (Source.empty()) return {};
  const String Target = IncludeTrailingPathDelimiter(AFolder) + Format("libSDL_%d.so", APlayerNumber);
  if (IsHeldByALoader(Target)) return Target;
  // Written beside the target and renamed over it: a file that is mapped somewhere
  // must never change under the code that runs from it.
  const String Partial = Target + Format(".%d.part", static_cast<int>(getpid()));
  std::error_code Error;
  std::filesystem::copy_file(Source, Partial, std::filesystem::copy_options::overwrite_existing, Error);
  if (!Error) std::filesystem::rename(Partial, Target, Error);
  if (Error) {
    std::error_code Ignored;
    std::filesystem::remove(Partial, Ignored);
    AErrorText = Format("Copy %s to %s error: %s", Source, Target, Error.message());
    return {};
  }
  return Target;
}

TSDLLoader::~TSDLLoader() { Unload(); }

bool TSDLLoader::Load(const String& APath, const String& AFile) {
  const String FullName = IncludeTrailingPathDelimiter(APath) + AFile;
  if (Loaded() && FLibFile == FullName) return true;

  std::lock_guard Lock(SdlListLock());
  if (FindLoadedSdlFile(FullName) != LoadedSdlFiles().end()) {
    FLastErrMsg = Format("%s alreay loaded in another instance.", FullName);
    return false;
  }
  ReleaseLocked();

  String ErrorText;
  FHandle = LoadLibraryInFolder(APath, AFile, ErrorText);
  if (!FHandle) {
    FLastErrMsg = Format("Load library %s error: %s", FullName, ErrorText);
    return false;
  }
  try {
#define SDL_BIND_ENTRY(Name, Export) \
  FixupFunction(FullName, FHandle, #Export, false, reinterpret_cast<void*&>(FEntries.Name));
    SDL_ENTRIES(SDL_BIND_ENTRY)
#undef SDL_BIND_ENTRY
  } catch (const Exception& E) {
    FLastErrMsg = E.Message();
    FEntries = {};
    FreeLibrary(FHandle);
    FHandle = nullptr;
    return false;
  }
  // SDL 1.2 keeps state in library globals that SDL_Quit never frees (its thread list
  // and lock among them), and its sound back-ends leave code of theirs behind: a copy
  // that was bound stays mapped until the process ends. Freeing it below only gives up
  // this loader's claim; binding the same copy again takes the instance up again.
  if (void* Pin = dlopen(LoadedPath(FHandle).c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE)) dlclose(Pin);
  FFixuped = true;
  FLibFile = FullName;
  LoadedSdlFiles().push_back(FullName);
  return true;
}

void TSDLLoader::Unload() {
  std::lock_guard Lock(SdlListLock());
  ReleaseLocked();
}

void TSDLLoader::ReleaseLocked() {
  FFixuped = false;
  FEntries = {};
  if (FHandle) FreeLibrary(FHandle);
  FHandle = nullptr;
  if (!FLibFile.empty()) {
    if (auto Found = FindLoadedSdlFile(FLibFile); Found != LoadedSdlFiles().end())
      LoadedSdlFiles().erase(Found);
    FLibFile.clear();
  }
}
