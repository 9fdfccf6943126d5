#include "platform/base/DynLib.h"

#include <dlfcn.h>

HMODULE LoadLibrary(const String& AFileName, String& AErrorText) {
  HMODULE Module = dlopen(AFileName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!Module) {
    const char* Error = dlerror();
    AErrorText = Error ? Error : Format("%s: cannot load library", AFileName);
  }
  return Module;
}

void* GetProcAddress(HMODULE AModule, const char* AName, String& AErrorText) {
  // dlsym with a null handle would search the whole process (RTLD_DEFAULT); a module
  // that failed to load must not find some other library's symbol that way.
  if (!AModule) {
    AErrorText = Format("%s: invalid module handle", AName);
    return nullptr;
  }
  dlerror();
  void* Address = dlsym(AModule, AName);
  if (!Address) {
    // A symbol may legitimately have the address zero; callers treat it as missing.
    const char* Error = dlerror();
    AErrorText = Error ? Error : Format("%s: undefined symbol", AName);
  }
  return Address;
}

void FreeLibrary(HMODULE AModule) {
  if (AModule) dlclose(AModule);
}
