#include "platform/win/ExtensionsInternal.h"
#include "platform/win/PaintingInternal.h"

// The painting part: painting and window device contexts, the non-client area with its
// default frame, hit test and move and size loop, window regions and layered windows.
// See ExtensionsInternal.h.
void InstallPaintingExtensions(TWindowSystemExtensions& AExtensions) {
  InstallClientPaintingDefaults(AExtensions);
  InstallDefaultFrame(AExtensions);
  InstallNonClientHitTest(AExtensions);
  InstallNonClientMouse(AExtensions);
  InstallMoveSizeLoop(AExtensions);
  AExtensions.NextPaintMessage = NextPaintMessage;
  AExtensions.WindowPosChanged.push_back(RepaintAfterWindowPosChange);
  AExtensions.StyleChanged.push_back(RepaintAfterStyleChange);
  AExtensions.WindowDestroying.push_back(ForgetPaintingOf);
}
