#include <algorithm>
#include <memory>
#include <vector>

#include "platform/win/MessageHooksInternal.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowInternal.h"

namespace {

struct THookEntry {
  TMessageHookId Id = 0;
  // Shared so that a hook removed while it runs stays alive until it returns.
  std::shared_ptr<TMessageHook> Hook;
};

struct THookChain {
  // Oldest first; they run newest first.
  std::vector<THookEntry> Hooks;
  TMessageHookId NextId = 1;
};

THookChain& Chain() {
  static THookChain Instance;
  return Instance;
}

}  // namespace

TMessageHookId AddMessageHook(TMessageHook AHook) {
  RequireUIThread("AddMessageHook");
  THookChain& C = Chain();
  const TMessageHookId Id = C.NextId++;
  C.Hooks.push_back({Id, std::make_shared<TMessageHook>(std::move(AHook))});
  return Id;
}

void RemoveMessageHook(TMessageHookId AHook) {
  RequireUIThread("RemoveMessageHook");
  std::erase_if(Chain().Hooks, [&](const THookEntry& AEntry) { return AEntry.Id == AHook; });
}

bool RunMessageHooks(MSG& AMessage) {
  // A snapshot: hooks added or removed by a hook take effect with the next message.
  const std::vector<THookEntry> Snapshot = Chain().Hooks;
  for (auto Entry = Snapshot.rbegin(); Entry != Snapshot.rend(); ++Entry) {
    const bool StillHooked = std::any_of(Chain().Hooks.begin(), Chain().Hooks.end(),
                                         [&](const THookEntry& AHooked) { return AHooked.Id == Entry->Id; });
    if (!StillHooked) continue;
    bool Handled = false;
    (*Entry->Hook)(AMessage, Handled);
    if (Handled) return true;
  }
  return false;
}

void ClearMessageHooks() { Chain().Hooks.clear(); }
