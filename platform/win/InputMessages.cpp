#include <algorithm>
#include <utility>

#include "platform/win/InputMessagesInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueueInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/Timers.h"

namespace {

bool IsSameMessage(const MSG& A, const MSG& B) {
  return A.hwnd == B.hwnd && A.message == B.message && A.wParam == B.wParam && A.lParam == B.lParam &&
         A.time == B.time && A.pt == B.pt;
}

void RunWhenInputTaken() {
  TInputState& S = InputState();
  if (!S.QueuedInput.empty()) return;
  const std::vector<std::function<void()>> Waiting = std::exchange(S.WhenInputTaken, {});
  for (const auto& Then : Waiting) Then();
}

// The hook: never swallows, only notes that one of our input messages was taken.
void NoteTakenMessage(MSG& AMessage, bool&) {
  TInputState& S = InputState();
  const auto Found =
      std::find_if(S.QueuedInput.begin(), S.QueuedInput.end(),
                   [&](const TQueuedInput& AQueued) { return IsSameMessage(AQueued.Message, AMessage); });
  if (Found == S.QueuedInput.end()) return;
  S.MessageKeys = Found->Keys;
  if (AMessage.message == WM_KEYDOWN || AMessage.message == WM_SYSKEYDOWN) {
    S.TakenKey = AMessage;
    S.TakenKeyText = Found->Text;
  }
  S.QueuedInput.erase(Found);
  RunWhenInputTaken();
}

// Hooks run newest first: re-adding the hook whenever an input message is posted keeps
// it ahead of hooks the program added meanwhile.
void KeepHookNewest() {
  TInputState& S = InputState();
  RemoveMessageHook(S.TakenHook);
  S.TakenHook = AddMessageHook(NoteTakenMessage);
}

}  // namespace

void PostInputMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam, const String& AText) {
  TInputState& S = InputState();
  TQueuedInput Queued;
  Queued.Message = {AWindow, AMessage, AWParam, ALParam, Win::GetTickCount(), S.Pointer};
  Queued.Keys = S.AsyncKeys;
  Queued.Text = AText;
  KeepHookNewest();
  S.QueuedInput.push_back(Queued);
  PostQueuedMessage(Queued.Message);
}

bool IsAwaitingInputMessages() { return !InputState().QueuedInput.empty(); }

void WhenInputMessagesTaken(std::function<void()> AThen) {
  InputState().WhenInputTaken.push_back(std::move(AThen));
  RunWhenInputTaken();
}

const String* TextOfTakenKeyMessage(const MSG& AMessage) {
  const TInputState& S = InputState();
  return IsSameMessage(S.TakenKey, AMessage) ? &S.TakenKeyText : nullptr;
}

void ForgetInputMessagesOf(HWND AWindow) {
  std::erase_if(InputState().QueuedInput,
                [&](const TQueuedInput& AQueued) { return AQueued.Message.hwnd == AWindow; });
  RunWhenInputTaken();
}
