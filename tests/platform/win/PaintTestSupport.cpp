#include "tests/platform/win/PaintTestSupport.h"

#include "platform/gdi/Primitives.h"

namespace paint_test {

HWND PaintingTest::Create(const std::string& AName, DWORD AStyle, const TRect& ABounds, COLORREF AColor,
                          HWND AParent, DWORD AExStyle) {
  FColors[AName] = AColor;
  return WindowSystemTest::Create(AName, AStyle, ABounds, AParent, AExStyle);
}

COLORREF PaintingTest::ClientPixel(HWND AWindow, int AX, int AY) const {
  RECT Window;
  GetWindowRect(AWindow, &Window);
  POINT Client{0, 0};
  ClientToScreen(AWindow, &Client);
  return PresentedPixel(AWindow, AX + Client.X - Window.Left, AY + Client.Y - Window.Top);
}

LRESULT PaintingTest::Handle(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage != WM_PAINT) return WindowSystemTest::Handle(AWindow, AMessage, AWParam, ALParam);
  PAINTSTRUCT Paint;
  const HDC DC = BeginPaint(AWindow, &Paint);
  RECT Client;
  GetClientRect(AWindow, &Client);
  FillSolidRect(DC, Client, FColors[NameOf(AWindow)]);
  EndPaint(AWindow, &Paint);
  return 0;
}

}  // namespace paint_test
