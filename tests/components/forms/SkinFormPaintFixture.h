#pragma once
// The skin of the frame-painting tests, built in the test: a frame picture whose every
// pixel names its own place (red = x, green = y), a mask with cut corners, a tile
// picture for the background and a status bar with a size grip. With it, a pixel of a
// composed frame tells where in the picture it came from, and the reference below says
// where it should have come from.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "components/core/SkinData.h"
#include "components/forms/SkinForm.h"
#include "platform/gdi/PictureCodecs.h"
#include "platform/ui/Forms.h"

namespace skin_form_paint_test {

constexpr int FixturePictureWidth = 200;
constexpr int FixturePictureHeight = 150;
// The blue of every frame-picture pixel, so that no pixel is black (the mask's colour)
// or equal to a test's sentinel.
constexpr uint32_t FixtureFrameBlue = 0x40;
// The background tile: 64 × 64, pixel (x, y) = RGB(x, y, 0xC0).
constexpr int FixtureTileIndex = 1;
constexpr int FixtureTileSize = 64;

// The frame pixel of the picture at (AX, AY), as 0xAARRGGBB.
constexpr uint32_t FixtureFramePixel(int AX, int AY) {
  return 0xFF000000u | uint32_t(AX) << 16 | uint32_t(AY) << 8 | FixtureFrameBlue;
}

// A loaded-looking skin (Empty false, in build mode so that it sends nothing): corner
// points (20, 40), (180, 40), (20, 130), (180, 130), client rectangle (6, 30, 194, 142),
// caption (30, 6, 150, 26), buttons (150, 6, 194, 26), size grip (180, 134, 196, 150),
// sides tiled, no background picture chosen (BGPictureIndex -1; the tile is entry 1).
std::unique_ptr<TspSkinData> MakeFixtureSkin();

// Where pixel (AX, AY) of a frame of AWidth × AHeight should come from in the fixture's
// frame picture: corners kept, each side's edge piece repeated from its start. Written
// from the geometry alone, independently of the library's composition. (-1, -1) for a
// pixel of the client area.
TPoint ReferenceFrameSource(const TspSkinData& ASkin, int AWidth, int AHeight, int AX, int AY);

}  // namespace skin_form_paint_test

// ---------------------------------------------------------------- forms

namespace skin_form_paint_test {

// A fresh headless window system per test, and forms wearing a skin component.
class SkinFormPaintTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Frees the application's forms before the window system stops.
  void TearDown() override;

  // A form of AWidth × AHeight (the whole window) with its skin component wearing
  // ASkin (none: the built-in frame); not shown.
  TspSkinForm& NewSkinForm(int AWidth, int AHeight, TspSkinData* ASkin);
  // The form's window of AWidth × AHeight painted by APaint into a bitmap filled with
  // ASentinel first, as the window would show it.
  template <typename TPaint>
  TPixelImage PaintedWindow(int AWidth, int AHeight, uint32_t ASentinel, TPaint APaint) {
    TBitmap Target;
    Target.SetPixelFormat(pf32bit);
    Target.SetSize(AWidth, AHeight);
    for (int Y = 0; Y < AHeight; ++Y) {
      auto* Row = reinterpret_cast<uint32_t*>(Target.ScanLine(Y));
      std::fill(Row, Row + AWidth, ASentinel);
    }
    APaint(Target.Canvas().Handle());
    // Drawing leaves the alpha of the pixels it writes at 0; a window shows them opaque.
    TPixelImage Painted = Target.ToPixelImage();
    for (uint32_t& Pixel : Painted.Pixels) Pixel |= 0xFF000000u;
    return Painted;
  }

  TForm* Form = nullptr;
  TspSkinForm* SkinForm = nullptr;
};

}  // namespace skin_form_paint_test
