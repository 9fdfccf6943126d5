#include "platform/win/Capture.h"
#include "platform/win/DroppedFilesInternal.h"
#include "platform/win/ExtensionsInternal.h"
#include "platform/win/FocusInternal.h"
#include "platform/win/HotKeysInternal.h"
#include "platform/win/InputDefaultsInternal.h"
#include "platform/win/InputMessagesInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/KeyboardInternal.h"
#include "platform/win/Messages.h"

namespace {

// A window being destroyed lets go of the capture, the focus and the activation, and
// leaves nothing of its own behind in the input part.
void ForgetDestroyedWindow(HWND AWindow) {
  TInputState& S = InputState();
  if (S.Capture == AWindow) ReleaseCapture();
  ForgetFocusOfDestroyedWindow(AWindow);
  if (S.Hover == AWindow) S.Hover = nullptr;
  if (S.LastPress.Window == AWindow) S.LastPress = {};
  ForgetInputMessagesOf(AWindow);
  ForgetHotKeysOf(AWindow);
  ForgetDropsOf(AWindow);
}

}  // namespace

// The input part (focus, activation, capture, keyboard, mouse, cursors, clipboard, file
// drop) hooks its default message handlers and window events in here; see
// ExtensionsInternal.h.
void InstallInputExtensions(TWindowSystemExtensions& AExtensions) {
  InstallInputDefaults(AExtensions);
  AExtensions.PointerPosition = [] { return InputState().Pointer; };
  AExtensions.TranslateMessage = TranslateKeyMessage;
  AExtensions.ActivateWindow = [](HWND AWindow) { ActivateTopLevel(AWindow, WA_ACTIVE, false); };
  AExtensions.WindowHidden.push_back(MoveFocusFromHiddenWindow);
  AExtensions.StyleChanged.push_back(MoveFocusFromDisabledWindow);
  AExtensions.WindowDestroying.push_back(ForgetDestroyedWindow);
}
