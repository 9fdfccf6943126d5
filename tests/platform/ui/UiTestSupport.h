#pragma once
// A fixture for class-library tests: a fresh headless window system per test and a
// top-level host control (a popup window without frame, so its client area is its
// window) that tests place controls on, show, drive with scripted input and read the
// presented pixels of.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Controls.h"
#include "platform/win/headless/HeadlessBackend.h"

// Rectangles in failure messages.
inline void PrintTo(const TRect& ARect, std::ostream* AStream) {
  *AStream << "(" << ARect.Left << ", " << ARect.Top << ", " << ARect.Right << ", " << ARect.Bottom << ")";
}

namespace ui_test {

// Whether the window, as last presented, looks as its reference picture
// tests/platform/ui/pictures/<AName>.png shows (see tests/support/Pictures.h); the
// picture is also kept in the build tree for a person to look at.
::testing::AssertionResult LooksAsInItsPicture(HWND AWindow, const std::string& AName);

// A top-level windowed control: hidden until Show, then a shown popup window.
class THost : public TCustomControl {
 public:
  explicit THost(TComponent* AOwner);

  // Filled with Color in every paint.
  void Paint() override;

 protected:
  void CreateParams(TCreateParams& AParams) override;
};

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Frees the host (and what it owns) before the window system stops.
  void TearDown() override;

  // A host at (100, 100), 200 × 150, clBtnFace, not shown yet.
  THost& Host() { return *FHost; }
  // Shows the host and handles what that caused, painting included.
  void ShowHost();
  // Handles everything the queue holds now.
  void Pump();
  // The presented colour of a pixel of the host's client area.
  COLORREF HostPixel(int AX, int AY);
  // An area of the host's client area as presented, one character a pixel: the
  // legend's for its colour, '#' for others (see tests/support/Pictures.h).
  std::string HostPicture(const TRect& AArea, const std::vector<std::pair<TColor, char>>& ALegend);
  // The screen point of a point of the host's client area.
  TPoint OnHost(int AX, int AY) const { return {100 + AX, 100 + AY}; }
  THeadlessBackend& Headless() { return *HeadlessBackend(); }

 private:
  std::unique_ptr<THost> FHost;
};

}  // namespace ui_test
