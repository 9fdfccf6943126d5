#include "platform/win/HotKeys.h"

#include <algorithm>

#include "platform/win/Backend.h"
#include "platform/win/BackendEvents.h"
#include "platform/win/HotKeysInternal.h"
#include "platform/win/InputMessagesInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"

namespace {

std::vector<THotKey>& HotKeys() { return InputState().HotKeys; }

// Removes the registrations AMatches picks and gives their keys back to the desktop;
// returns how many went.
template <typename TMatches>
std::size_t RemoveHotKeys(TMatches AMatches) {
  std::vector<THotKey>& Keys = HotKeys();
  const auto Removed =
      std::stable_partition(Keys.begin(), Keys.end(), [&](const THotKey& AKey) { return !AMatches(AKey); });
  for (auto Key = Removed; Key != Keys.end(); ++Key) Backend().ReleaseHotKey(Key->Modifiers, Key->VirtualKey);
  const auto Count = static_cast<std::size_t>(Keys.end() - Removed);
  Keys.erase(Removed, Keys.end());
  return Count;
}

}  // namespace

bool RegisterHotKey(HWND AWindow, int AId, UINT AModifiers, UINT AVirtualKey) {
  RequireUIThread("RegisterHotKey");
  if (AWindow && !FindWindowRecord(AWindow)) return false;
  constexpr UINT KnownModifiers = MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN;
  const UINT Modifiers = AModifiers & KnownModifiers;
  auto& Keys = HotKeys();
  if (std::any_of(Keys.begin(), Keys.end(), [&](const THotKey& AKey) {
        return AKey.Modifiers == Modifiers && AKey.VirtualKey == AVirtualKey;
      }))
    return false;
  // Another program holding the keys on the desktop makes the registration fail too.
  if (!Backend().GrabHotKey(Modifiers, AVirtualKey)) return false;
  Keys.push_back({AWindow, AId, Modifiers, AVirtualKey});
  return true;
}

bool UnregisterHotKey(HWND AWindow, int AId) {
  RequireUIThread("UnregisterHotKey");
  return RemoveHotKeys([&](const THotKey& AKey) { return AKey.Window == AWindow && AKey.Id == AId; }) != 0;
}

const std::vector<THotKey>& RegisteredHotKeys() { return HotKeys(); }

void ForgetHotKeysOf(HWND AWindow) {
  RemoveHotKeys([&](const THotKey& AKey) { return AKey.Window == AWindow; });
}

// The keys pick the registration: they are unique, while two windows may use one id.
void DeliverHotKey(UINT AModifiers, UINT AVirtualKey) {
  RequireUIThread("DeliverHotKey");
  for (const THotKey& Key : HotKeys())
    if (Key.Modifiers == AModifiers && Key.VirtualKey == AVirtualKey) {
      PostInputMessage(Key.Window, WM_HOTKEY, static_cast<WPARAM>(Key.Id),
                       MAKELPARAM(static_cast<WORD>(Key.Modifiers), static_cast<WORD>(Key.VirtualKey)));
      return;
    }
}
