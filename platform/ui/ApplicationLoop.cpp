// TApplication's message loop: taking a message, the key messages offered to their
// controls first, idling, and the OnMessage handlers.

#include "platform/ui/Application.h"
#include "platform/win/Capture.h"
#include "platform/win/MessageQueue.h"

// ---------------------------------------------------------------- OnMessage

TMessageEventChain::~TMessageEventChain() {
  for (TMessageHookId Hook : FHooks) RemoveMessageHook(Hook);
}

TMessageHookId TMessageEventChain::Add(TMessageEvent AHandler) {
  const TMessageHookId Hook = AddMessageHook(std::move(AHandler));
  FHooks.push_back(Hook);
  return Hook;
}

void TMessageEventChain::Remove(TMessageHookId AHandler) {
  std::erase(FHooks, AHandler);
  RemoveMessageHook(AHandler);
}

// ---------------------------------------------------------------- the loop

void TApplication::HandleMessage() {
  MSG Message;
  if (!ProcessMessage(Message)) Idle();
}

void TApplication::ProcessMessages() {
  MSG Message;
  while (ProcessMessage(Message)) {
  }
}

// The OnMessage handlers have seen the message (PeekMessage ran the hooks) and may
// have swallowed it already.
bool TApplication::ProcessMessage(MSG& AMessage) {
  if (!PeekMessage(&AMessage, nullptr, 0, 0, PM_REMOVE)) return false;
  if (AMessage.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  if (!IsHintMsg(AMessage) && !IsKeyMsg(AMessage)) {
    TranslateMessage(&AMessage);
    DispatchMessage(&AMessage);
  }
  return true;
}

// A key message goes first, as CN_KEYDOWN, CN_CHAR …, to the window it is for (to the
// window holding the mouse, while one does), whose control may take it: shortcuts,
// the dialog keys, accelerators. Windows that are not controls answer 0.
bool TApplication::IsKeyMsg(MSG& AMessage) {
  if (AMessage.message < WM_KEYFIRST || AMessage.message > WM_KEYLAST) return false;
  HWND Window = GetCapture();
  if (!Window) Window = AMessage.hwnd;
  return Window && SendMessage(Window, CN_BASE + AMessage.message, AMessage.wParam, AMessage.lParam) != 0;
}

// The hint of a control the pointer left (for a window of another program, or for
// none) goes; then OnIdle, and the wait for the next message unless OnIdle asks to be
// called again at once.
void TApplication::Idle() {
  if (FHintControl && !MouseControl()) CancelHint();
  bool Done = true;
  try {
    if (OnIdle) OnIdle(this, Done);
  } catch (...) {
    HandleException(this);
  }
  if (Done) WaitMessage();
}
