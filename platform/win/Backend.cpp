#include "platform/win/Backend.h"

#include <cstdlib>

#include "platform/base/Exceptions.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/x11/X11Backend.h"

String SelectedBackendName() {
  const char* Chosen = std::getenv("PELLADRIN_BACKEND");
  if (Chosen && *Chosen) {
    const String Name = Chosen;
    if (Name != "headless" && Name != "x11")
      throw Exception(Format("Unknown window-system backend \"%s\" in PELLADRIN_BACKEND", Name));
    return Name;
  }
  const char* Display = std::getenv("DISPLAY");
  return Display && *Display ? "x11" : "headless";
}

std::unique_ptr<TWindowBackend> CreateBackend(const String& AName) {
  if (AName == "x11") return std::make_unique<TX11Backend>();
  if (AName == "headless") return std::make_unique<THeadlessBackend>();
  throw Exception(Format("Unknown window-system backend \"%s\"", AName));
}
