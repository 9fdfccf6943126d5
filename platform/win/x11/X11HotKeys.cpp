// Hot keys as grabs of their key on the root window: the key reaches the program
// whichever window has the focus. Caps Lock and Num Lock change the modifier state
// the server compares, so each key is grabbed with and without them. Another client
// holding the same grab makes the server answer BadAccess, and the registration fails.

#include "platform/win/HotKeys.h"
#include "platform/win/x11/X11Internal.h"

namespace {

unsigned int MaskOfModifiers(UINT AModifiers) {
  unsigned int Mask = 0;
  if (AModifiers & MOD_ALT) Mask |= Mod1Mask;
  if (AModifiers & MOD_CONTROL) Mask |= ControlMask;
  if (AModifiers & MOD_SHIFT) Mask |= ShiftMask;
  if (AModifiers & MOD_WIN) Mask |= Mod4Mask;
  return Mask;
}

std::vector<unsigned int> LockVariants(const TX11Display& AX) {
  std::vector<unsigned int> Variants = {0, LockMask};
  if (AX.NumLockMask) {
    Variants.push_back(AX.NumLockMask);
    Variants.push_back(AX.NumLockMask | LockMask);
  }
  return Variants;
}

void Ungrab(TX11Display& AX, KeyCode ACode, unsigned int AMask) {
  for (const unsigned int Variant : LockVariants(AX))
    XUngrabKey(AX.Connection, ACode, AMask | Variant, AX.Root);
}

}  // namespace

bool TX11Backend::GrabHotKey(UINT AModifiers, UINT AVirtualKey) {
  TX11Display& X = *FX;
  const KeySym Keysym = KeysymOfVirtualKey(AVirtualKey);
  const KeyCode Code = Keysym == NoSymbol ? 0 : XKeysymToKeycode(X.Connection, Keysym);
  if (!Code) return false;
  const unsigned int ModifierMask = MaskOfModifiers(AModifiers);
  TX11ErrorTrap Trap(X.Connection);
  for (const unsigned int Variant : LockVariants(X))
    XGrabKey(X.Connection, Code, ModifierMask | Variant, X.Root, False, GrabModeAsync, GrabModeAsync);
  if (Trap.Failed()) {
    // Ungrabbing touches only the program's own grabs: those it got are given back.
    Ungrab(X, Code, ModifierMask);
    return false;
  }
  X.HotKeys.push_back({AModifiers, AVirtualKey, Code, ModifierMask});
  return true;
}

void TX11Backend::ReleaseHotKey(UINT AModifiers, UINT AVirtualKey) {
  TX11Display& X = *FX;
  std::erase_if(X.HotKeys, [&](const TX11HotKey& AKey) {
    if (AKey.Modifiers != AModifiers || AKey.VirtualKey != AVirtualKey) return false;
    Ungrab(X, AKey.Code, AKey.Mask);
    return true;
  });
}

const TX11HotKey* FindHotKey(const TX11Display& AX, const XKeyEvent& AEvent) {
  // The modifiers may be let go before the key: a release matches by the key alone.
  const unsigned int Held = AEvent.state & (ShiftMask | ControlMask | Mod1Mask | Mod4Mask);
  for (const TX11HotKey& Key : AX.HotKeys)
    if (Key.Code == AEvent.keycode && (AEvent.type == KeyRelease || Key.Mask == Held)) return &Key;
  return nullptr;
}
