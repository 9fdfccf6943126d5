#include "platform/win/MessageLoop.h"

#include "platform/win/ExtensionsInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/TimersInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowProcedures.h"

bool TranslateMessage(const MSG* AMessage) {
  RequireUIThread("TranslateMessage");
  const auto& Translate = Extensions().TranslateMessage;
  return AMessage && Translate && Translate(*AMessage);
}

LRESULT DispatchMessage(const MSG* AMessage) {
  RequireUIThread("DispatchMessage");
  if (!AMessage) return 0;
  const MSG& M = *AMessage;
  if (M.message == WM_TIMER && M.lParam != 0) {
    // Only the procedure of a live timer is called: a posted WM_TIMER must not make
    // the loop jump to an arbitrary address.
    const auto Procedure = reinterpret_cast<TIMERPROC>(M.lParam);
    if (IsLiveTimerProc(M.hwnd, M.wParam, Procedure)) Procedure(M.hwnd, WM_TIMER, M.wParam, M.time);
    return 0;
  }
  const TWindow* Window = FindWindowRecord(M.hwnd);
  if (!Window) return 0;
  return CallWindowProc(Window->WndProc, M.hwnd, M.message, M.wParam, M.lParam);
}

TPendingMessage ProcessPendingMessage() {
  RequireUIThread("ProcessPendingMessage");
  MSG Message;
  if (!PeekMessage(&Message, nullptr, 0, 0, PM_REMOVE)) return TPendingMessage::None;
  if (Message.message == WM_QUIT) {
    PostQuitMessage(static_cast<int>(Message.wParam));
    return TPendingMessage::Quit;
  }
  TranslateMessage(&Message);
  DispatchMessage(&Message);
  return TPendingMessage::Dispatched;
}

bool ProcessPendingMessages() {
  TPendingMessage Result;
  while ((Result = ProcessPendingMessage()) == TPendingMessage::Dispatched) {
  }
  return Result != TPendingMessage::Quit;
}
