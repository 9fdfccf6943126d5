#include "platform/base/Threads.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowProcedures.h"

LRESULT SendMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (!IsMainThread()) {
    // Handed over like any synchronous call: the user-interface thread runs it when it
    // looks at its queue, and this thread waits for the result.
    LRESULT Result = 0;
    TThread::Synchronize([&] { Result = SendMessage(AWindow, AMessage, AWParam, ALParam); });
    return Result;
  }
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return 0;
  return CallWindowProc(Window->WndProc, AWindow, AMessage, AWParam, ALParam);
}
