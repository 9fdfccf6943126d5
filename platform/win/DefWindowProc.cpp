#include "platform/win/ExtensionsInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowProcedures.h"

LRESULT DefWindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  RequireUIThread("DefWindowProc");
  const auto& Handlers = Extensions().DefaultHandlers;
  if (AMessage >= Handlers.size() || !Handlers[AMessage]) return 0;
  return Handlers[AMessage](AWindow, AMessage, AWParam, ALParam);
}
