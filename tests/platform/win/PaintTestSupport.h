#pragma once
// A fixture for tests of painting and of the non-client area: the window-system
// fixture (a fresh headless window system, windows that log their messages by name and
// take scripted answers) with a window class whose windows paint their client area in
// a colour of their own.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/win/Painting.h"
#include "platform/win/WindowDC.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/platform/win/WindowTestSupport.h"

namespace paint_test {

// The colours the painting tests fill with.
constexpr COLORREF Red = RGB(200, 0, 0);
constexpr COLORREF Green = RGB(0, 160, 0);
constexpr COLORREF Blue = RGB(0, 0, 200);

class PaintingTest : public window_test::WindowSystemTest {
 protected:
  static constexpr const char* PaintingClass = "PaintingWindow";

  PaintingTest() : WindowSystemTest(PaintingClass, 0) {}

  // Creates a window of the painting class that fills its client area with AColor on
  // WM_PAINT; its messages are logged as "AName:WM_...".
  HWND Create(const std::string& AName, DWORD AStyle, const TRect& ABounds, COLORREF AColor,
              HWND AParent = nullptr, DWORD AExStyle = 0);

  // The entries of WM_NCPAINT, WM_ERASEBKGND and WM_PAINT.
  std::vector<std::string> PaintLog() const { return LogOf({WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}); }
  int PaintCount(HWND AWindow) const { return CountOf(AWindow, WM_PAINT); }

  // The presented colour of a client pixel of the window.
  COLORREF ClientPixel(HWND AWindow, int AX, int AY) const;

  LRESULT Handle(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;

 private:
  std::map<std::string, COLORREF> FColors;
};

}  // namespace paint_test
