// What the display shows of the demonstration equals, pixel for pixel, the headless
// backend's picture of the same windows: the x11 backend shows exactly the pictures
// the shared code composed, at their places, in their stacking order, cut to their
// window regions (the window below shows through the hole of the cut window). The
// native-controls form is among them, with its text, selections and open branch.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "platform/base/Strings.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/e2e/DemoOnDisplay.h"
#include "tests/e2e/HeadlessDemo.h"

namespace e2e {
namespace {

constexpr uint32_t ColourBits = 0x00FFFFFF;

struct TComparison {
  int Differences = 0;
  std::string First;
};

// Compares the colours (a screenshot has no alpha).
TComparison Compare(const TPixelImage& AShot, const TPixelImage& AExpected) {
  TComparison Result;
  for (int Y = 0; Y < AExpected.Height; ++Y)
    for (int X = 0; X < AExpected.Width; ++X) {
      const uint32_t Shown = AShot.Pixel(X, Y) & ColourBits;
      const uint32_t Wanted = AExpected.Pixel(X, Y) & ColourBits;
      if (Shown == Wanted) continue;
      if (Result.Differences++ == 0)
        Result.First = Format("(%d, %d) shows %06x, not %06x", X, Y, Shown, Wanted);
    }
  return Result;
}

TEST_F(DemoOnDisplay, TheScreenShowsWhatTheHeadlessBackendComposed) {
  TPixelImage Expected;
  {
    THeadlessDemo Headless;
    Expected = ScreenPicture();
  }
  ASSERT_EQ(Expected.Width, 1280);
  ASSERT_EQ(Expected.Height, 800);
  StartDemo();
  // The program copies its pictures to a window when the server exposes it, a moment
  // after it became viewable: the screen is read until it shows them.
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(PatienceMs);
  TComparison Result;
  do {
    Result = Compare(Display().Screenshot(Bounds(0, 0, Expected.Width, Expected.Height)), Expected);
  } while (Result.Differences > 0 && std::chrono::steady_clock::now() < Deadline);
  EXPECT_EQ(Result.Differences, 0) << Result.First;
}

}  // namespace
}  // namespace e2e
