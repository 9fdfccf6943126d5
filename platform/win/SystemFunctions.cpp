#include "platform/win/SystemFunctions.h"

#include "platform/win/Backend.h"

namespace {

constexpr uint32_t ProfileMajor = 6;
constexpr uint32_t ProfileMinor = 2;
constexpr uint32_t ProfileBuild = 9200;

}  // namespace

uint32_t GetVersion() { return ProfileMajor | (ProfileMinor << 8) | (ProfileBuild << 16); }

uint32_t GetVersionPlatformId() { return VER_PLATFORM_WIN32_NT; }

bool IsSystemEntryOffered(TSystemEntry AEntry) {
  const TWindowBackend& Current = Backend();
  // Layered windows show nothing without someone to blend them: the functions that
  // make them count as missing then, so that callers take their opaque fallback.
  const bool IsLayered = AEntry == seSetLayeredWindowAttributes || AEntry == seUpdateLayeredWindow;
  if (IsLayered && !Current.CanShowPerPixelAlpha()) return false;
  return Current.OffersSystemEntry(AEntry);
}
