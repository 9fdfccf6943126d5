#pragma once
// The record of a registered window class (internal to platform/win).

#include <memory>

#include "platform/base/Strings.h"
#include "platform/win/WindowClasses.h"

struct TWindowClass {
  String Name;
  ATOM Atom = 0;
  UINT Style = 0;
  WNDPROC WndProc = nullptr;
  HINSTANCE Instance = nullptr;
  HICON Icon = nullptr;
  HICON SmallIcon = nullptr;
  HCURSOR Cursor = nullptr;
  HBRUSH Background = nullptr;
};

// The registered class of that name (any case), or nullptr.
std::shared_ptr<TWindowClass> FindWindowClass(const char* AName);
// Forgets every class (shutdown of the window system).
void ClearWindowClasses();
