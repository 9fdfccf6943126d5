#pragma once
// A fixture for window-system tests: a fresh headless window system per test, a window
// class whose procedure logs every message by window name, and answers a test may
// script per message. Fixtures of their own (painting's) derive from it and handle
// what no answer took in Handle.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace window_test {

// A message of the tests' own that windows answer or log.
constexpr UINT WM_PING = WM_USER + 1;

// "WM_CREATE" and the like, or the number in hex.
std::string MessageName(UINT AMessage);

class WindowSystemTest : public ::testing::Test {
 protected:
  static constexpr const char* LoggingClass = "LoggingWindow";

  // The fixture's window class: its name and class style.
  explicit WindowSystemTest(const char* AClassName = LoggingClass, UINT AClassStyle = CS_DBLCLKS)
      : FClassName(AClassName), FClassStyle(AClassStyle) {}

  void SetUp() override;
  void TearDown() override;

  // Creates a window of the fixture's class; its messages are logged as "AName:WM_...".
  HWND Create(const std::string& AName, DWORD AStyle, const TRect& ABounds, HWND AParent = nullptr,
              DWORD AExStyle = 0);
  // The window created under that name.
  HWND Window(const std::string& AName) const { return FHandles.at(AName); }
  // The log since the last ClearLog, as "name:WM_NAME" entries.
  std::vector<std::string> Log() const;
  // The log entries of the given messages only.
  std::vector<std::string> LogOf(std::initializer_list<UINT> AMessages) const;
  std::vector<std::string> LogOf(UINT AMessage) const { return LogOf({AMessage}); }
  // How many of the messages AMessage the window received since the last ClearLog.
  int CountOf(HWND AWindow, UINT AMessage) const;
  void ClearLog() { FEntries.clear(); }
  std::string NameOf(HWND AWindow) const;

  // A scripted answer: when it returns a value, the procedure returns that instead of
  // calling DefWindowProc.
  using TAnswer = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;
  void Answer(UINT AMessage, TAnswer AAnswer) { FAnswers[AMessage] = std::move(AAnswer); }

  // Handles everything the queue holds, painting included.
  void Pump() { ProcessPendingMessages(); }
  THeadlessBackend& Headless() { return *HeadlessBackend(); }

  // What the window procedure does with a message no answer took: DefWindowProc.
  virtual LRESULT Handle(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

 private:
  LRESULT Procedure(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  struct TEntry {
    HWND Window;
    UINT Message;
    std::string Text;
  };
  const char* FClassName;
  UINT FClassStyle;
  WNDPROC FProcedure = nullptr;
  std::vector<TEntry> FEntries;
  std::map<HWND, std::string> FNames;
  std::map<std::string, HWND> FHandles;
  std::string FPendingName;
  std::map<UINT, TAnswer> FAnswers;
};

}  // namespace window_test
