#pragma once
// A fixture for tests of the x11 backend in the test's own process, on a virtual
// display of the test's own, with another client of the display that looks at what the
// backend made of the windows and acts as another program or a window manager would.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/win/Windows.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/e2e/OtherClient.h"
#include "tests/e2e/VirtualDisplay.h"

namespace e2e {

class X11BackendTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the window system afresh on an x11 backend with these options.
  void RestartBackend(const TX11Options& AOptions);
  TX11Backend& X11() { return *FBackend; }
  const TVirtualDisplay& VirtualDisplay() const { return FDisplay; }
  // The other client; it sees the program's requests handled when it looks.
  TOtherClient& Other();

  // A window of the test class, painted in AColor, its messages recorded.
  HWND Create(const char* ATitle, DWORD AStyle, DWORD AExStyle, const TRect& ABounds, COLORREF AColor = 0,
              HWND AOwner = nullptr);
  // The X window of the program's window with that title.
  TXid XWindowOf(const std::string& ATitle);
  // Whether AWindow received AMessage (with that wParam, when given).
  bool Received(HWND AWindow, UINT AMessage, std::optional<WPARAM> AWParam = std::nullopt) const;
  // Handles messages with APump, waiting for the display in between, until ACondition
  // holds; false when it still does not after PatienceMs.
  bool PumpUntil(const std::function<bool()>& ACondition,
                 const std::function<void()>& APump = ProcessPendingMessages);

 private:
  static LRESULT Procedure(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  TVirtualDisplay FDisplay;
  TX11Backend* FBackend = nullptr;
  std::unique_ptr<TOtherClient> FOther;
};

}  // namespace e2e
