#include "tests/platform/win/WindowTestSupport.h"

#include <algorithm>
#include <cstdio>

namespace window_test {

std::string MessageName(UINT AMessage) {
  static const std::map<UINT, const char*> Names = {
      {WM_CREATE, "WM_CREATE"},
      {WM_PAINT, "WM_PAINT"},
      {WM_ERASEBKGND, "WM_ERASEBKGND"},
      {WM_NCPAINT, "WM_NCPAINT"},
      {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
      {WM_MOVING, "WM_MOVING"},
      {WM_SIZING, "WM_SIZING"},
      {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
      {WM_DESTROY, "WM_DESTROY"},
      {WM_MOVE, "WM_MOVE"},
      {WM_SIZE, "WM_SIZE"},
      {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_ENABLE, "WM_ENABLE"},
      {WM_SETTEXT, "WM_SETTEXT"},
      {WM_GETTEXT, "WM_GETTEXT"},
      {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
      {WM_CLOSE, "WM_CLOSE"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
      {WM_CANCELMODE, "WM_CANCELMODE"},
      {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
      {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
      {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
      {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
      {WM_STYLECHANGING, "WM_STYLECHANGING"},
      {WM_STYLECHANGED, "WM_STYLECHANGED"},
      {WM_DISPLAYCHANGE, "WM_DISPLAYCHANGE"},
      {WM_NCCREATE, "WM_NCCREATE"},
      {WM_NCDESTROY, "WM_NCDESTROY"},
      {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
      {WM_NCHITTEST, "WM_NCHITTEST"},
      {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
      {WM_TIMER, "WM_TIMER"},
      {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
      {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"},
      {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
      {WM_SETCURSOR, "WM_SETCURSOR"},
      {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
      {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
      {WM_NCACTIVATE, "WM_NCACTIVATE"},
      {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
      {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
      {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
      {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
      {WM_KEYDOWN, "WM_KEYDOWN"},
      {WM_KEYUP, "WM_KEYUP"},
      {WM_CHAR, "WM_CHAR"},
      {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
      {WM_SYSKEYUP, "WM_SYSKEYUP"},
      {WM_SYSCHAR, "WM_SYSCHAR"},
      {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
      {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"},
      {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
      {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
      {WM_RBUTTONUP, "WM_RBUTTONUP"},
      {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
      {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"},
      {WM_MBUTTONUP, "WM_MBUTTONUP"},
      {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
      {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
      {WM_DROPFILES, "WM_DROPFILES"},
      {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"},
      {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
      {WM_HOTKEY, "WM_HOTKEY"},
  };
  const auto Found = Names.find(AMessage);
  if (Found != Names.end()) return Found->second;
  char Hex[16];
  std::snprintf(Hex, sizeof Hex, "0x%04X", AMessage);
  return Hex;
}

void WindowSystemTest::SetUp() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  FProcedure = MakeProcInstance([this](HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    return Procedure(AWindow, AMessage, AWParam, ALParam);
  });
  WNDCLASS Class;
  Class.style = FClassStyle;
  Class.lpfnWndProc = FProcedure;
  Class.lpszClassName = FClassName;
  ASSERT_NE(RegisterClass(&Class), 0);
}

void WindowSystemTest::TearDown() {
  StopWindowSystem();
  FreeProcInstance(FProcedure);
}

HWND WindowSystemTest::Create(const std::string& AName, DWORD AStyle, const TRect& ABounds, HWND AParent,
                              DWORD AExStyle) {
  FPendingName = AName;
  const HWND Window = CreateWindowEx(AExStyle, FClassName, AName.c_str(), AStyle, ABounds.Left, ABounds.Top,
                                     ABounds.Width(), ABounds.Height(), AParent, nullptr, nullptr, nullptr);
  FPendingName.clear();
  if (Window) FHandles[AName] = Window;
  return Window;
}

std::vector<std::string> WindowSystemTest::Log() const {
  std::vector<std::string> All;
  for (const TEntry& Entry : FEntries) All.push_back(Entry.Text);
  return All;
}

std::vector<std::string> WindowSystemTest::LogOf(std::initializer_list<UINT> AMessages) const {
  std::vector<std::string> Selected;
  for (const TEntry& Entry : FEntries)
    if (std::find(AMessages.begin(), AMessages.end(), Entry.Message) != AMessages.end())
      Selected.push_back(Entry.Text);
  return Selected;
}

int WindowSystemTest::CountOf(HWND AWindow, UINT AMessage) const {
  return static_cast<int>(std::count_if(FEntries.begin(), FEntries.end(), [&](const TEntry& AEntry) {
    return AEntry.Window == AWindow && AEntry.Message == AMessage;
  }));
}

std::string WindowSystemTest::NameOf(HWND AWindow) const {
  const auto Found = FNames.find(AWindow);
  return Found == FNames.end() ? "?" : Found->second;
}

LRESULT WindowSystemTest::Procedure(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (!FNames.count(AWindow)) FNames[AWindow] = FPendingName;
  FEntries.push_back({AWindow, AMessage, FNames[AWindow] + ":" + MessageName(AMessage)});
  if (const auto Found = FAnswers.find(AMessage); Found != FAnswers.end())
    if (const auto Result = Found->second(AWindow, AMessage, AWParam, ALParam)) return *Result;
  return Handle(AWindow, AMessage, AWParam, ALParam);
}

LRESULT WindowSystemTest::Handle(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace window_test
