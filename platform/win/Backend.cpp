#include "platform/win/Backend.h"

#include <cstdlib>

#include "platform/base/Exceptions.h"
#include "platform/win/HeadlessBackend.h"

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

std::unique_ptr<TWindowBackend> CreateBackend(const String&) {
  // The x11 backend comes with its own piece of work; until then every selection runs
  // on the headless backend.
  return std::make_unique<THeadlessBackend>();
}
