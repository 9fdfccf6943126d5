#include "platform/ui/ControlClasses.h"

void RegisterControlClass(const char* AClassName, WNDPROC AProcedure, LPCSTR ACursor, HBRUSH ABackground) {
  WNDCLASS Class;
  if (GetClassInfo(nullptr, AClassName, &Class)) return;
  Class = WNDCLASS{};
  Class.style = CS_DBLCLKS;
  Class.lpfnWndProc = AProcedure;
  Class.hCursor = LoadCursor(nullptr, ACursor);
  Class.hbrBackground = ABackground;
  Class.lpszClassName = AClassName;
  RegisterClass(&Class);
}
