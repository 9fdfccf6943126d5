#pragma once
// Pictures in tests: what a test expects to see, compared with what was drawn.
// - ASCII pictures for small areas, written into the test: each pixel one character,
//   so that a failure shows the drawing side by side with what was expected.
// - Reference pictures for whole windows (tests/<layer>/pictures/<name>.png), compared
//   with a stated tolerance; on a failure the test writes what it drew and a
//   difference picture beside each other and names them. A reference is made (or
//   remade, after a change of look on purpose) by running the test with
//   PELLADRIN_UPDATE_PICTURES=1 and looking at the new picture before committing it.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/Geometry.h"
#include "platform/gdi/PictureCodecs.h"

namespace testing_support {

// Which character stands for which pixel value (0xAARRGGBB) in an ASCII picture.
using TPixelLegend = std::vector<std::pair<uint32_t, char>>;

// The pixels of AArea, one character each (the legend's for its value, AOther for any
// value the legend lacks), rows ended by '\n'. APixelAt(X, Y) gives a pixel's value.
template <class TPixelAt>
std::string AsciiPicture(const TRect& AArea, TPixelAt APixelAt, const TPixelLegend& ALegend,
                         char AOther = '#') {
  std::string Result;
  for (int Y = AArea.Top; Y < AArea.Bottom; ++Y) {
    for (int X = AArea.Left; X < AArea.Right; ++X) {
      const uint32_t Value = APixelAt(X, Y);
      char Shown = AOther;
      for (const auto& [LegendValue, Character] : ALegend)
        if (LegendValue == Value) {
          Shown = Character;
          break;
        }
      Result += Shown;
    }
    Result += '\n';
  }
  return Result;
}

std::string AsciiPicture(const TPixelImage& AImage, const TRect& AArea, const TPixelLegend& ALegend,
                         char AOther = '#');

// The opaque picture value of a COLORREF (0x00BBGGRR), for legends of presented pixels.
uint32_t OpaquePixel(uint32_t AColorRef);

// How far a picture may stray from its reference: pixels whose channels all differ by
// at most Channel count as equal; at most Pixels others are allowed.
struct TPictureTolerance {
  int Channel = 0;
  int Pixels = 0;
};

// Compares AActual with the reference PNG AReference (a path relative to the source
// tree, e.g. "tests/platform/ui/pictures/edit-demo.png"). On a mismatch (size, or
// more differing pixels than allowed), writes <name>-actual.png and
// <name>-difference.png (the differing pixels red on a faded copy of the reference)
// into $PELLADRIN_TEST_TMP and names them in the failure. With
// PELLADRIN_UPDATE_PICTURES=1 it writes AActual as the new reference instead.
::testing::AssertionResult MatchesReferencePicture(const TPixelImage& AActual, const std::string& AReference,
                                                   TPictureTolerance ATolerance);

// Writes APicture as <name>.png into $PELLADRIN_TEST_TMP (the build tree's folder of
// the test program), for a person to look at, and says where on the test's output.
void KeepPictureForLooking(const TPixelImage& APicture, const std::string& AName);

}  // namespace testing_support
