// The glowing image-and-caption drawing: the glow around the image or the drawn strip
// frame and around the caption, at the places the plain layout gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "platform/ui/ImgList.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace skin_glow_caption_test {
namespace {

constexpr uint32_t GlowWhite = 0xFFFFFF;
constexpr uint32_t GlowFrameColours[] = {0x102030, 0x405060, 0x708090, 0xA0B0C0};

class SkinGlowCaptionTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    // A strip of four 16 x 16 white frames, each with a block of 8 x 8 in its own colour
    // in the middle; white is the frames' transparent colour.
    FStrip.SetSize(64, 16);
    for (int Y = 0; Y < 16; ++Y)
      for (int X = 0; X < 64; ++X) {
        const bool InBlock = X % 16 >= 4 && X % 16 < 12 && Y >= 4 && Y < 12;
        Row(FStrip, Y)[X] = 0xFF000000 | (InBlock ? GlowFrameColours[X / 16] : GlowWhite);
      }
  }
  void TearDown() override { StopWindowSystem(); }

  static uint32_t* Row(TBitmap& ABitmap, int AY) { return reinterpret_cast<uint32_t*>(ABitmap.ScanLine(AY)); }
  // A fresh white 100 x 40 surface for each drawing.
  TBitmap& Fresh() {
    FSurface.SetSize(0, 0);
    FSurface.SetSize(100, 40);
    return FSurface;
  }
  std::vector<uint32_t> Pixels() {
    std::vector<uint32_t> Result;
    for (int Y = 0; Y < FSurface.Height(); ++Y)
      for (int X = 0; X < FSurface.Width(); ++X) Result.push_back(Row(FSurface, Y)[X] & 0xFFFFFF);
    return Result;
  }
  uint32_t At(int AX, int AY) { return Row(FSurface, AY)[AX] & 0xFFFFFF; }

  TBitmap FStrip;
  TBitmap FSurface;
};

TEST_F(SkinGlowCaptionTest, TheGlowSurroundsTheOneFrameThatIsDrawn) {
  DrawEffectGlyphAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphLeft, "", &FStrip, 4, 2, false,
                         false, clRed, clBlue, 4);
  // The frame at (5, 12)-(21, 28), its block at (9, 16)-(17, 24) over its glow.
  EXPECT_EQ(At(9, 16), GlowFrameColours[1]);
  EXPECT_EQ(At(16, 23), GlowFrameColours[1]);
  // Tinted towards blue just outside the block on every side, white well away from it.
  for (const TPoint Near : {TPoint{7, 20}, TPoint{18, 20}, TPoint{12, 14}, TPoint{12, 25}}) {
    const uint32_t Pixel = At(Near.X, Near.Y);
    EXPECT_NE(Pixel, GlowWhite) << Near.X << "," << Near.Y;
    EXPECT_GT(Pixel & 0xFF, (Pixel >> 16) & 0xFF) << Near.X << "," << Near.Y;  // more blue than red
  }
  for (const TPoint Far : {TPoint{24, 20}, TPoint{60, 20}, TPoint{12, 8}, TPoint{12, 32}})
    EXPECT_EQ(At(Far.X, Far.Y), GlowWhite) << Far.X << "," << Far.Y;
}

TEST_F(SkinGlowCaptionTest, WithoutAGlowSizeTheDrawingIsThePlainOne) {
  TCustomImageList Images(nullptr, 16, 16);
  TBitmap Green;
  Green.SetSize(16, 16);
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 16; ++X) Row(Green, Y)[X] = 0xFF00FF00;
  Images.Add(Green, nullptr);
  for (const int GlowSize : {0, -5}) {
    for (const bool Enabled : {true, false}) {
      for (const bool Pressed : {false, true}) {
        DrawImageAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphTop, "Glow", 0, &Images, Pressed,
                         Enabled, true, clRed);
        const std::vector<uint32_t> Plain = Pixels();
        DrawEffectImageAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphTop, "Glow", 0, &Images,
                               Pressed, Enabled, true, clRed, clBlue, GlowSize);
        EXPECT_EQ(Pixels(), Plain) << GlowSize << " " << Enabled << " " << Pressed;
      }
    }
    DrawGlyphAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), -1, 4, blGlyphRight, "Glow", &FStrip, 4, 3, false,
                     false, clRed);
    const std::vector<uint32_t> Plain = Pixels();
    DrawEffectGlyphAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), -1, 4, blGlyphRight, "Glow", &FStrip, 4, 3,
                           false, false, clRed, clBlue, GlowSize);
    EXPECT_EQ(Pixels(), Plain) << GlowSize;
  }
}

TEST_F(SkinGlowCaptionTest, TheCaptionKeepsItsPlaceAndGlowsAroundIt) {
  DrawGlyphAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphLeft, "Glow", &FStrip, 4, 1, false,
                   false, clRed);
  const std::vector<uint32_t> Plain = Pixels();
  // The caption's extent in the plain drawing: what is drawn right of the frame.
  TRect Caption = Rect(100, 40, 0, 0);
  for (int Y = 0; Y < 40; ++Y) {
    for (int X = 24; X < 100; ++X) {
      if (Plain[Y * 100 + X] == GlowWhite) continue;
      Caption = Rect(std::min(Caption.Left, X), std::min(Caption.Top, Y), std::max(Caption.Right, X + 1),
                     std::max(Caption.Bottom, Y + 1));
    }
  }
  ASSERT_LT(Caption.Left, Caption.Right);

  const int Glow = 3;
  DrawEffectGlyphAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphLeft, "Glow", &FStrip, 4, 1,
                         false, false, clRed, clLime, Glow);
  const std::vector<uint32_t> Glowing = Pixels();
  int GlowAroundCaption = 0;
  for (int Y = 0; Y < 40; ++Y) {
    for (int X = 24; X < 100; ++X) {
      const uint32_t Before = Plain[Y * 100 + X];
      const uint32_t After = Glowing[Y * 100 + X];
      // The text's own dark pixels stay where the layout put them.
      if (Before == 0) {
        EXPECT_EQ(After, 0u) << X << "," << Y;
      }
      if (After == Before) continue;
      // Any change lies within the glow's reach of the caption.
      EXPECT_TRUE(X >= Caption.Left - Glow - 2 && X < Caption.Right + Glow + 2 &&
                  Y >= Caption.Top - Glow - 2 && Y < Caption.Bottom + Glow + 2)
          << X << "," << Y;
      GlowAroundCaption += Before == GlowWhite;
    }
  }
  EXPECT_GT(GlowAroundCaption, 0);
}

TEST_F(SkinGlowCaptionTest, AHugeGlowIsDrawnAsTheLargestBlur) {
  DrawEffectGlyphAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphLeft, "", &FStrip, 4, 2, false,
                         false, clRed, clBlue, spMaxBlurRadius);
  const std::vector<uint32_t> Largest = Pixels();
  DrawEffectGlyphAndText(Fresh().Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphLeft, "", &FStrip, 4, 2, false,
                         false, clRed, clBlue, 1 << 30);
  EXPECT_EQ(Pixels(), Largest);
}

}  // namespace
}  // namespace skin_glow_caption_test
