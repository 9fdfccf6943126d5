// Hidden windows that only receive messages (timers, the tray icon).

#include <unordered_map>

#include "platform/ui/WindowMethods.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowTree.h"

namespace {

constexpr const char* UtilWindowClass = "TPUtilWindow";

// The procedure instance of each utility window, freed with it.
std::unordered_map<HWND, WNDPROC>& Instances() {
  static std::unordered_map<HWND, WNDPROC> Map;
  return Map;
}

}  // namespace

HWND AllocateHWnd(TWndMethod AMethod) {
  WNDCLASS Class;
  if (!GetClassInfo(nullptr, UtilWindowClass, &Class)) {
    Class = WNDCLASS{};
    Class.lpfnWndProc = &DefWindowProc;
    Class.lpszClassName = UtilWindowClass;
    RegisterClass(&Class);
  }
  HWND Window = CreateWindowEx(WS_EX_TOOLWINDOW, UtilWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               nullptr, nullptr);
  if (!Window) return nullptr;
  WNDPROC Instance = MakeObjectInstance(std::move(AMethod));
  Instances()[Window] = Instance;
  SetWindowLong(Window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Instance));
  return Window;
}

void DeallocateHWnd(HWND AWindow) {
  auto It = Instances().find(AWindow);
  if (It == Instances().end()) return;
  const WNDPROC Instance = It->second;
  Instances().erase(It);
  DestroyWindow(AWindow);
  FreeObjectInstance(Instance);
}
