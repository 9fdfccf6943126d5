#include "tests/e2e/X11BackendFixture.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "platform/win/TimersInternal.h"

namespace e2e {
namespace {

constexpr const char* TestClass = "X11BackendTestWindow";

struct TReceived {
  HWND Window;
  UINT Message;
  WPARAM WParam;
};

std::vector<TReceived>& ReceivedMessages() {
  static std::vector<TReceived> Instance;
  return Instance;
}

}  // namespace

LRESULT X11BackendTest::Procedure(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  ReceivedMessages().push_back({AWindow, AMessage, AWParam});
  if (AMessage != WM_PAINT) return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
  PAINTSTRUCT Paint;
  const HDC DC = BeginPaint(AWindow, &Paint);
  RECT Client;
  GetClientRect(AWindow, &Client);
  FillSolidRect(DC, Client, static_cast<COLORREF>(GetWindowLong(AWindow, GWL_USERDATA)));
  EndPaint(AWindow, &Paint);
  return 0;
}

void X11BackendTest::SetUp() {
  // Each test runs in a process of its own: the display is this process's for good.
  setenv("DISPLAY", FDisplay.Name().c_str(), 1);
  RestartBackend(TX11Options());
  FOther = std::make_unique<TOtherClient>(FDisplay.Name());
}

void X11BackendTest::TearDown() {
  StopWindowSystem();
  FOther.reset();
}

void X11BackendTest::RestartBackend(const TX11Options& AOptions) {
  auto Backend = std::make_unique<TX11Backend>(AOptions);
  FBackend = Backend.get();
  StartWindowSystem(std::move(Backend));
  ReceivedMessages().clear();
  WNDCLASS Class;
  Class.lpfnWndProc = Procedure;
  Class.lpszClassName = TestClass;
  RegisterClass(&Class);
}

TOtherClient& X11BackendTest::Other() {
  X11().Synchronize();
  return *FOther;
}

HWND X11BackendTest::Create(const char* ATitle, DWORD AStyle, DWORD AExStyle, const TRect& ABounds,
                            COLORREF AColor, HWND AOwner) {
  const HWND Window =
      CreateWindowEx(AExStyle, TestClass, ATitle, AStyle & ~WS_VISIBLE, ABounds.Left, ABounds.Top,
                     ABounds.Width(), ABounds.Height(), AOwner, nullptr, nullptr, nullptr);
  SetWindowLong(Window, GWL_USERDATA, static_cast<LONG_PTR>(AColor));
  if (AStyle & WS_VISIBLE) ShowWindow(Window, SW_SHOW);
  return Window;
}

TXid X11BackendTest::XWindowOf(const std::string& ATitle) { return Other().WindowTitled(ATitle); }

bool X11BackendTest::Received(HWND AWindow, UINT AMessage, std::optional<WPARAM> AWParam) const {
  for (const TReceived& Entry : ReceivedMessages())
    if (Entry.Window == AWindow && Entry.Message == AMessage && (!AWParam || Entry.WParam == *AWParam))
      return true;
  return false;
}

bool X11BackendTest::PumpUntil(const std::function<bool()>& ACondition, const std::function<void()>& APump) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(PatienceMs);
  for (;;) {
    APump();
    if (ACondition()) return true;
    const auto Left =
        std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - std::chrono::steady_clock::now())
            .count();
    if (Left <= 0) return false;
    // The wait also ends when a timer comes due, as the program's own loop's does.
    int64_t Wait = Left;
    if (const auto Due = NextTimerDue(nullptr)) {
      const uint64_t Now = X11().ClockMs();
      Wait = std::min<int64_t>(Wait, *Due > Now ? static_cast<int64_t>(*Due - Now) : 0);
    }
    X11().WaitForEvents(Wait);
  }
}

}  // namespace e2e
