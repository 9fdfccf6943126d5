#include "platform/ui/PostedRelease.h"

#include "platform/ui/ControlMessages.h"
#include "platform/win/MessageQueue.h"

TMessageHookId PostRelease(const void* AObject, std::function<void()> AOnRelease) {
  const LPARAM Self = reinterpret_cast<LPARAM>(AObject);
  const TMessageHookId Hook =
      AddMessageHook([Self, OnRelease = std::move(AOnRelease)](MSG& AMessage, bool& AHandled) {
        if (AMessage.hwnd || AMessage.message != CM_RELEASE || AMessage.lParam != Self) return;
        AHandled = true;
        OnRelease();
      });
  PostMessage(nullptr, CM_RELEASE, 0, Self);
  return Hook;
}
