// Key events from the backend, turned into key messages for the focus window, and
// TranslateMessage, which turns key-down messages into character messages.

#include "platform/win/BackendEvents.h"
#include "platform/win/InputMessagesInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/KeyCodesInternal.h"
#include "platform/win/KeyStateInternal.h"
#include "platform/win/Keyboard.h"
#include "platform/win/KeyboardInternal.h"
#include "platform/win/MessageQueueInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"

namespace {

constexpr LPARAM ExtendedBit = LPARAM(1) << 24;
constexpr LPARAM AltBit = LPARAM(1) << 29;
constexpr LPARAM WasDownBit = LPARAM(1) << 30;
constexpr LPARAM GoingUpBit = LPARAM(1) << 31;

// The lParam of a key message: one stroke, the scan code, the extended-key flag, Alt
// held, whether the key was down before and whether it is going up.
LPARAM KeyLParam(UINT AVirtualKey, bool APressed, bool AWasDown, bool AAltHeld) {
  LPARAM Value = 1 | static_cast<LPARAM>(ScanCodeOf(AVirtualKey) << 16);
  if (IsExtendedKey(AVirtualKey)) Value |= ExtendedBit;
  if (AAltHeld) Value |= AltBit;
  if (AWasDown) Value |= WasDownBit;
  if (!APressed) Value |= GoingUpBit;
  return static_cast<int32_t>(Value);
}

}  // namespace

void DeliverKey(UINT AVirtualKey, bool APressed, const String& AText, UINT AModifiers) {
  RequireUIThread("DeliverKey");
  ApplyEventModifiers(AModifiers);
  TInputState& S = InputState();
  const UINT Key = GenericKey(AVirtualKey);
  const bool WasDown = Key <= 0xFF && IsKeyDown(S.AsyncKeys[Key]);
  SetKeyDown(AVirtualKey, APressed);
  NoteMenuKeyEvent(AVirtualKey, APressed, WasDown);

  // Without a focus window the active window gets the keys, as system keys.
  const HWND Target = S.Focus ? S.Focus : S.Active;
  const TWindow* Window = FindWindowRecord(Target);
  if (!Window || !Window->IsEnabled()) return;
  const bool Alt = IsKeyDown(S.AsyncKeys[VK_MENU]);
  const bool Control = IsKeyDown(S.AsyncKeys[VK_CONTROL]);
  const bool System = (Alt && !Control) || Key == VK_MENU || Key == VK_F10 || !S.Focus;
  const UINT Message = APressed ? (System ? WM_SYSKEYDOWN : WM_KEYDOWN) : (System ? WM_SYSKEYUP : WM_KEYUP);
  PostInputMessage(Target, Message, Key, KeyLParam(AVirtualKey, APressed, APressed ? WasDown : true, Alt),
                   APressed ? AText : String());
}

bool TranslateKeyMessage(const MSG& AMessage) {
  if (AMessage.message != WM_KEYDOWN && AMessage.message != WM_SYSKEYDOWN) return false;
  const String* Text = TextOfTakenKeyMessage(AMessage);
  if (!Text || Text->empty()) return false;
  const UINT CharMessage = AMessage.message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  for (std::size_t Position = 0; Position < Text->size();) {
    MSG Char = AMessage;
    Char.message = CharMessage;
    Char.wParam = Utf8Next(*Text, Position);
    PostQueuedMessage(Char);
  }
  return true;
}
