#pragma once
// A fixture for tests of painting and of the non-client area: a fresh headless window
// system per test and a window class whose windows paint their client area in a colour
// of their own, log the messages of painting, the non-client area and the move and size
// loop by window name, and take answers a test scripts per message.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowDC.h"
#include "platform/win/Windows.h"

namespace paint_test {

// The colours the painting tests fill with.
constexpr COLORREF Red = RGB(200, 0, 0);
constexpr COLORREF Green = RGB(0, 160, 0);
constexpr COLORREF Blue = RGB(0, 0, 200);

class PaintingTest : public ::testing::Test {
 protected:
  static constexpr const char* PaintingClass = "PaintingWindow";

  void SetUp() override;
  void TearDown() override;

  // Creates a window of the painting class that fills its client area with AColor on
  // WM_PAINT; its messages are logged as "AName:WM_...".
  HWND Create(const std::string& AName, DWORD AStyle, const TRect& ABounds, COLORREF AColor,
              HWND AParent = nullptr, DWORD AExStyle = 0);
  HWND Window(const std::string& AName) const { return FHandles.at(AName); }
  std::string NameOf(HWND AWindow) const;

  // The logged messages since the last ClearLog, as "name:WM_NAME".
  const std::vector<std::string>& Log() const { return FLog; }
  // The entries of one message only.
  std::vector<std::string> LogOf(UINT AMessage) const;
  // The entries of WM_NCPAINT, WM_ERASEBKGND and WM_PAINT.
  std::vector<std::string> PaintLog() const;
  void ClearLog() {
    FLog.clear();
    FMessages.clear();
  }
  int PaintCount(HWND AWindow) const;

  // A scripted answer: when it returns a value, the procedure returns that instead of
  // going on with its own handling.
  using TAnswer = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
  void Answer(UINT AMessage, TAnswer AAnswer) { FAnswers[AMessage] = std::move(AAnswer); }

  // Handles everything the queue holds, painting included.
  void Pump() { ProcessPendingMessages(); }
  // The presented colour of a client pixel of the window.
  COLORREF ClientPixel(HWND AWindow, int AX, int AY) const;

  THeadlessBackend& Headless() { return *HeadlessBackend(); }

 private:
  LRESULT Procedure(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  WNDPROC FProcedure = nullptr;
  std::vector<std::string> FLog;
  std::vector<std::pair<HWND, UINT>> FMessages;
  std::map<HWND, std::string> FNames;
  std::map<HWND, COLORREF> FColors;
  std::map<std::string, HWND> FHandles;
  std::string FPendingName;
  COLORREF FPendingColor = 0;
  std::map<UINT, TAnswer> FAnswers;
};

// The name of the messages the fixture logs, "WM_PAINT" and the like; empty for the
// others, which it does not log.
std::string LoggedMessageName(UINT AMessage);

}  // namespace paint_test
