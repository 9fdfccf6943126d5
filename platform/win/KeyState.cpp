#include <utility>

#include "platform/win/BackendEvents.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/KeyStateInternal.h"
#include "platform/win/Keyboard.h"
#include "platform/win/WindowInternal.h"

namespace {

constexpr BYTE KeyDownBit = 0x80;
constexpr BYTE KeyToggledBit = 0x01;

int16_t StateOf(const TKeyStates& AKeys, int AVirtualKey) {
  if (AVirtualKey < 0 || AVirtualKey > 0xFF) return 0;
  const BYTE State = AKeys[static_cast<std::size_t>(AVirtualKey)];
  return static_cast<int16_t>((IsKeyDown(State) ? 0x8000 : 0) | (State & KeyToggledBit));
}

void SetBit(BYTE& AState, bool ADown) {
  if (ADown && !IsKeyDown(AState)) AState ^= KeyToggledBit;
  AState = ADown ? (AState | KeyDownBit) : (AState & ~KeyDownBit);
}

// The generic modifier and its left-hand key, which stands for it when an event only
// says "held".
struct TModifier {
  UINT Flag;
  UINT Generic;
  UINT Left;
  UINT Right;
};

constexpr TModifier Modifiers[] = {{PointerShift, VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
                                   {PointerControl, VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
                                   {PointerAlt, VK_MENU, VK_LMENU, VK_RMENU}};

}  // namespace

UINT GenericKey(UINT AVirtualKey) {
  for (const TModifier& M : Modifiers)
    if (AVirtualKey == M.Left || AVirtualKey == M.Right) return M.Generic;
  return AVirtualKey;
}

void ApplyEventModifiers(UINT AModifiers) {
  const TKeyStates& Keys = InputState().AsyncKeys;
  for (const TModifier& M : Modifiers) {
    const bool Held = (AModifiers & M.Flag) != 0;
    if (Held != IsKeyDown(Keys[M.Generic])) SetKeyDown(M.Generic, Held);
  }
}

void SetKeyDown(UINT AVirtualKey, bool ADown) {
  if (AVirtualKey > 0xFF) return;
  // Any other key or a mouse button going down makes a held Alt part of a chord.
  if (ADown && GenericKey(AVirtualKey) != VK_MENU) InputState().MenuKeyAlone = false;
  TKeyStates& Keys = InputState().AsyncKeys;
  for (const TModifier& M : Modifiers) {
    if (AVirtualKey == M.Generic) {
      // Told only that the modifier went down or up: the left-hand key stands for it.
      SetBit(Keys[M.Left], ADown);
      if (!ADown) SetBit(Keys[M.Right], false);
      break;
    }
    if (AVirtualKey == M.Left || AVirtualKey == M.Right) {
      SetBit(Keys[AVirtualKey], ADown);
      AVirtualKey = M.Generic;
      ADown = IsKeyDown(Keys[M.Left]) || IsKeyDown(Keys[M.Right]);
      break;
    }
  }
  SetBit(Keys[AVirtualKey], ADown);
}

void NoteMenuKeyEvent(UINT AVirtualKey, bool APressed, bool AWasDown) {
  TInputState& S = InputState();
  if (GenericKey(AVirtualKey) != VK_MENU) return;
  if (APressed) {
    // A held key repeats its press: the tap goes on. Alt joining Ctrl or Shift is a
    // chord, no tap.
    if (!AWasDown) {
      S.MenuKeyAlone = !IsKeyDown(S.AsyncKeys[VK_CONTROL]) && !IsKeyDown(S.AsyncKeys[VK_SHIFT]);
      S.MenuKeyTapped = false;
    }
    return;
  }
  S.MenuKeyTapped = S.MenuKeyAlone;
  S.MenuKeyAlone = false;
}

bool TakeMenuKeyTap() { return std::exchange(InputState().MenuKeyTapped, false); }

int16_t GetKeyState(int AVirtualKey) {
  RequireUIThread("GetKeyState");
  return StateOf(InputState().MessageKeys, AVirtualKey);
}

int16_t GetAsyncKeyState(int AVirtualKey) {
  RequireUIThread("GetAsyncKeyState");
  return StateOf(InputState().AsyncKeys, AVirtualKey);
}
