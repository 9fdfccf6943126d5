#include "platform/win/ExtensionsInternal.h"

TDefaultMessageHandler TWindowSystemExtensions::SetDefaultHandler(UINT AMessage,
                                                                  TDefaultMessageHandler AHandler) {
  if (AMessage >= DefaultHandlers.size()) return nullptr;
  const TDefaultMessageHandler Previous = DefaultHandlers[AMessage];
  DefaultHandlers[AMessage] = AHandler;
  return Previous;
}

TWindowSystemExtensions& Extensions() {
  static TWindowSystemExtensions Instance = [] {
    TWindowSystemExtensions Built;
    InstallCoreExtensions(Built);
    InstallPaintingExtensions(Built);
    InstallInputExtensions(Built);
    return Built;
  }();
  return Instance;
}
