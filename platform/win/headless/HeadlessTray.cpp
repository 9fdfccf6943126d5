// The headless backend's stand-in tray.

#include "platform/win/BackendEvents.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/headless/HeadlessBackend.h"

bool THeadlessBackend::DockTrayIcon(int AIcon, const TPixelImage& AImage, const String& ATip) {
  if (!FTrayRunning) return false;
  FTrayIcons[AIcon] = {AImage, ATip};
  return true;
}

void THeadlessBackend::UpdateTrayIcon(int AIcon, const TPixelImage& AImage, const String& ATip) {
  if (const auto Found = FTrayIcons.find(AIcon); Found != FTrayIcons.end()) Found->second = {AImage, ATip};
}

void THeadlessBackend::SetTrayRunning(bool ARunning) {
  RequireUIThread("SetTrayRunning");
  if (ARunning == FTrayRunning) return;
  FTrayRunning = ARunning;
  if (ARunning) {
    DeliverTrayAppeared();
  } else {
    FTrayIcons.clear();
    DeliverTrayGone();
  }
}
