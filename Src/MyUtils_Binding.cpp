#include "Src/MyUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"

HMODULE LoadLibraryInFolder(const String& AFolder, const String& AFileName, String& AErrorText) {
  if (!AFolder.empty()) {
    String FullName = IncludeTrailingPathDelimiter(AFolder) + AFileName;
    if (FileExists(FullName)) return LoadLibrary(FullName, AErrorText);
  }
  return LoadLibrary(AFileName, AErrorText);
}

namespace {

void Fixup(const char* AErrorFormat, const String& ALibFile, HMODULE AHandle, const char* AName,
           bool AOptional, void*& AEntry) {
  String ErrorText;
  AEntry = GetProcAddress(AHandle, AName, ErrorText);
  if (!AEntry && !AOptional) throw Exception(Format(AErrorFormat, AName, ALibFile, ErrorText));
}

}  // namespace

void FixupFunction(const String& ALibFile, HMODULE AHandle, const char* AName, bool AOptional,
                   void*& AEntry) {
  Fixup("Load function %s@%s error: %s", ALibFile, AHandle, AName, AOptional, AEntry);
}

void FixupVariable(const String& ALibFile, HMODULE AHandle, const char* AName, bool AOptional,
                   void*& AEntry) {
  Fixup("Load variable %s@%s error: %s", ALibFile, AHandle, AName, AOptional, AEntry);
}
