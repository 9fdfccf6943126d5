#include "tests/platform/win/PaintTestSupport.h"

#include <set>

#include "platform/gdi/Primitives.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace paint_test {

std::string LoggedMessageName(UINT AMessage) {
  static const std::set<UINT> Logged = {WM_PAINT,         WM_ERASEBKGND,     WM_NCPAINT,      WM_NCACTIVATE,
                                        WM_NCLBUTTONDOWN, WM_SYSCOMMAND,     WM_ENTERSIZEMOVE, WM_MOVING,
                                        WM_SIZING,        WM_EXITSIZEMOVE,   WM_GETMINMAXINFO, WM_LBUTTONDOWN,
                                        WM_LBUTTONUP,     WM_CAPTURECHANGED};
  return Logged.count(AMessage) ? window_test::MessageName(AMessage) : std::string();
}

void PaintingTest::SetUp() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  FProcedure = MakeProcInstance([this](HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    return Procedure(AWindow, AMessage, AWParam, ALParam);
  });
  WNDCLASS Class;
  Class.lpfnWndProc = FProcedure;
  Class.lpszClassName = PaintingClass;
  ASSERT_NE(RegisterClass(&Class), 0);
}

void PaintingTest::TearDown() {
  StopWindowSystem();
  FreeProcInstance(FProcedure);
}

HWND PaintingTest::Create(const std::string& AName, DWORD AStyle, const TRect& ABounds, COLORREF AColor,
                          HWND AParent, DWORD AExStyle) {
  FPendingName = AName;
  FPendingColor = AColor;
  const HWND Window =
      CreateWindowEx(AExStyle, PaintingClass, AName.c_str(), AStyle, ABounds.Left, ABounds.Top,
                     ABounds.Width(), ABounds.Height(), AParent, nullptr, nullptr, nullptr);
  FPendingName.clear();
  if (Window) FHandles[AName] = Window;
  return Window;
}

std::string PaintingTest::NameOf(HWND AWindow) const {
  const auto Found = FNames.find(AWindow);
  return Found == FNames.end() ? "?" : Found->second;
}

std::vector<std::string> PaintingTest::LogOf(UINT AMessage) const {
  std::vector<std::string> Selected;
  const std::string Suffix = ":" + LoggedMessageName(AMessage);
  for (const std::string& Entry : FLog)
    if (Entry.size() > Suffix.size() &&
        Entry.compare(Entry.size() - Suffix.size(), Suffix.size(), Suffix) == 0)
      Selected.push_back(Entry);
  return Selected;
}

std::vector<std::string> PaintingTest::PaintLog() const {
  std::vector<std::string> Selected;
  for (std::size_t Index = 0; Index < FMessages.size(); ++Index) {
    const UINT Message = FMessages[Index].second;
    if (Message == WM_NCPAINT || Message == WM_ERASEBKGND || Message == WM_PAINT)
      Selected.push_back(FLog[Index]);
  }
  return Selected;
}

int PaintingTest::PaintCount(HWND AWindow) const {
  int Count = 0;
  for (const auto& [Window, Message] : FMessages)
    if (Window == AWindow && Message == WM_PAINT) ++Count;
  return Count;
}

COLORREF PaintingTest::ClientPixel(HWND AWindow, int AX, int AY) const {
  RECT Window;
  GetWindowRect(AWindow, &Window);
  POINT Client{0, 0};
  ClientToScreen(AWindow, &Client);
  return PresentedPixel(AWindow, AX + Client.X - Window.Left, AY + Client.Y - Window.Top);
}

LRESULT PaintingTest::Procedure(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (!FNames.count(AWindow)) {
    FNames[AWindow] = FPendingName;
    FColors[AWindow] = FPendingColor;
  }
  if (const std::string Name = LoggedMessageName(AMessage); !Name.empty()) {
    FLog.push_back(FNames[AWindow] + ":" + Name);
    FMessages.emplace_back(AWindow, AMessage);
  }
  if (const auto Found = FAnswers.find(AMessage); Found != FAnswers.end())
    if (const auto Result = Found->second(AWindow, AMessage, AWParam, ALParam)) return *Result;
  if (AMessage == WM_PAINT) {
    PAINTSTRUCT Paint;
    const HDC DC = BeginPaint(AWindow, &Paint);
    RECT Client;
    GetClientRect(AWindow, &Client);
    FillSolidRect(DC, Client, FColors[AWindow]);
    EndPaint(AWindow, &Paint);
    return 0;
  }
  return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
}

}  // namespace paint_test
