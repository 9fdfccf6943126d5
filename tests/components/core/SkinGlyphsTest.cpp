// The caption-button glyphs, the dotted focus frame, arrows, marks and bevels, pixel for
// pixel; frames of glyph strips beside their caption.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "components/core/SPUtils.h"
#include "platform/ui/ImgList.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/support/Pictures.h"

namespace skin_glyphs_test {
namespace {

class SkinGlyphsTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    FSurface.SetSize(40, 40);
  }
  void TearDown() override { StopWindowSystem(); }

  // '#' black, 'r' red, '.' the white the bitmap starts with.
  std::string Picture(const TRect& AArea) {
    return testing_support::AsciiPicture(
        AArea,
        [&](int AX, int AY) { return reinterpret_cast<uint32_t*>(FSurface.ScanLine(AY))[AX] & 0xFFFFFF; },
        {{0x000000, '#'}, {0xFF0000, 'r'}, {0xFFFFFF, '.'}}, '?');
  }
  TCanvas& Canvas() { return FSurface.Canvas(); }
  // The pixels of AArea that are not white any more.
  int Drawn(const TRect& AArea) {
    int Count = 0;
    for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
      for (int X = AArea.Left; X < AArea.Right; ++X)
        Count += (reinterpret_cast<uint32_t*>(FSurface.ScanLine(Y))[X] & 0xFFFFFF) != 0xFFFFFF;
    return Count;
  }
  void Clear(int AWidth, int AHeight) {
    FSurface.SetSize(0, 0);
    FSurface.SetSize(AWidth, AHeight);
  }

  TBitmap FSurface;
};

// The glyphs drawn at (2, 3), read back from (2, 3): what each routine gives relative
// to its origin.
TEST_F(SkinGlyphsTest, CaptionGlyphsSetExactlyTheirPixels) {
  struct TCase {
    const char* Name;
    std::function<void(TCanvas&, int, int, TColor)> Draw;
    std::string Expected;
  };
  const TCase Cases[] = {
      {"close", DrawCloseGlyph,
       "...........\n"
       ".##.....##.\n"
       "..##...##..\n"
       "...##.##...\n"
       "....###....\n"
       "....###....\n"
       "...##.##...\n"
       "..##...##..\n"
       ".##.....##.\n"
       "...........\n"},
      {"system menu", DrawSysMenuGlyph,
       "...........\n"
       "...........\n"
       "...........\n"
       ".########..\n"
       ".#......#..\n"
       ".########..\n"
       "...........\n"
       "...........\n"
       "...........\n"
       "...........\n"},
      {"minimise", DrawMinimizeGlyph,
       "...........\n"
       "...........\n"
       "...........\n"
       "...........\n"
       "...........\n"
       "...........\n"
       "...........\n"
       "...........\n"
       ".########..\n"
       ".########..\n"},
      {"maximise", DrawMaximizeGlyph,
       "###########\n"
       "###########\n"
       "#.........#\n"
       "#.........#\n"
       "#.........#\n"
       "#.........#\n"
       "#.........#\n"
       "#.........#\n"
       "#.........#\n"
       "###########\n"},
      {"restore", DrawRestoreGlyph,
       "..########.\n"
       "..########.\n"
       "..#......#.\n"
       "..#......#.\n"
       "#######..#.\n"
       "##########.\n"
       "#.....#....\n"
       "#.....#....\n"
       "#.....#....\n"
       "#######....\n"},
      {"roll up", DrawRollUpGlyph,
       "...........\n"
       "...........\n"
       "...........\n"
       "....##.....\n"
       "...####....\n"
       "..######...\n"
       ".########..\n"
       "...........\n"
       "...........\n"
       "...........\n"},
      {"roll down", DrawRollDownGlyph,
       "...........\n"
       "...........\n"
       ".########..\n"
       "..######...\n"
       "...####....\n"
       "....##.....\n"
       "...........\n"
       "...........\n"
       "...........\n"
       "...........\n"},
      {"minimise to tray", DrawMinToTrayGlyph,
       "...........\n"
       "...........\n"
       "..#####....\n"
       "..#####....\n"
       "..#####....\n"
       "..#####....\n"
       "..#####....\n"
       "...........\n"
       "...........\n"
       "...........\n"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Clear(16, 16);
    Case.Draw(Canvas(), 2, 3, clBlack);
    EXPECT_EQ(Picture(Rect(2, 3, 13, 13)), Case.Expected);
    // Nothing outside the glyph's box.
    EXPECT_EQ(Drawn(Rect(0, 0, 16, 16)), Drawn(Rect(2, 3, 13, 13)));
  }
}

TEST_F(SkinGlyphsTest, TheCentredCloseGlyphStandsInTheMiddle) {
  Clear(16, 16);
  DrawCenteredCloseGlyph(Canvas(), Rect(1, 2, 15, 14), clBlack);
  // (1 + 7 - 5, 2 + 6 - 5) = (3, 3): its first row of pixels is row 4, from column 4.
  EXPECT_EQ(Picture(Rect(3, 3, 14, 5)),
            "...........\n"
            ".##.....##.\n");
}

TEST_F(SkinGlyphsTest, TheDottedFocusRunsOnAroundTheCorners) {
  Canvas().Font().SetColor(clBlack);
  DrawDottedFocusRect(Canvas(), Rect(0, 0, 5, 5));
  EXPECT_EQ(Picture(Rect(0, 0, 6, 6)),
            ".#.#..\n"
            "#...#.\n"
            "......\n"
            "#...#.\n"
            ".#.#..\n"
            "......\n");
}

TEST_F(SkinGlyphsTest, ArrowsMarksAndBevels) {
  struct TCase {
    const char* Name;
    std::function<void(TCanvas&)> Draw;
    std::string Expected;
  };
  const TRect Box = Rect(0, 0, 9, 9);  // centre (4, 4)
  const TCase Cases[] = {
      {"small arrow left", [&](TCanvas& C) { DrawSmallArrow(C, Box, clBlack, 1); },
       ".........\n.........\n.....#...\n....##...\n...###...\n....##...\n.....#...\n.........\n.........\n"},
      {"small arrow up", [&](TCanvas& C) { DrawSmallArrow(C, Box, clBlack, 3); },
       ".........\n.........\n.........\n....#....\n...###...\n..#####..\n.........\n.........\n.........\n"},
      {"arrow down", [&](TCanvas& C) { DrawArrow(C, Box, clBlack, 4); },
       ".........\n.........\n.........\n.#######.\n..#####..\n...###...\n....#....\n.........\n.........\n"},
      {"arrow right", [&](TCanvas& C) { DrawArrow(C, Box, clBlack, 2); },
       ".........\n...#.....\n...##....\n...###...\n...####..\n...###...\n...##....\n...#.....\n.........\n"},
      {"small down arrow", [&](TCanvas& C) { DrawSmallDownArrow(C, Box, clBlack); },
       ".........\n.........\n.........\n.........\n..#####..\n...###...\n....#....\n.........\n.........\n"},
      {"arrow without a direction", [&](TCanvas& C) { DrawArrow(C, Box, clBlack, 5); },
       ".........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n.........\n"},
      {"check mark", [](TCanvas& C) { DrawCheckMark(C, 0, 0, clBlack); },
       ".........\n......#..\n.....##..\n#...###..\n##.###...\n#####....\n.###.....\n..#......\n.........\n"},
      {"radio mark", [](TCanvas& C) { DrawRadioMark(C, 1, 1, clBlack); },
       ".........\n.######..\n.######..\n.######..\n.######..\n.######..\n.######..\n.........\n.........\n"},
      {"bevel", [](TCanvas& C) { DrawBevelFrame(C, Rect(1, 1, 5, 4), clBlack, clRed); },
       ".........\n.###r....\n.#..r....\n.rrrr....\n.........\n.........\n.........\n.........\n.........\n"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Clear(9, 9);
    Case.Draw(Canvas());
    EXPECT_EQ(Picture(Box), Case.Expected);
  }
}

// A strip of four 16 x 16 frames, each filled with its own colour but for the
// bottom-left pixel, which is white: the frame's transparent colour.
class GlyphStripTest : public SkinGlyphsTest {
 protected:
  static constexpr uint32_t FrameColours[] = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
  void SetUp() override {
    SkinGlyphsTest::SetUp();
    FStrip.SetSize(64, 16);
    for (int Y = 0; Y < 16; ++Y)
      for (int X = 0; X < 64; ++X)
        reinterpret_cast<uint32_t*>(FStrip.ScanLine(Y))[X] =
            0xFF000000 | (X % 16 == 0 && Y == 15 ? 0xFFFFFF : FrameColours[X / 16]);
  }
  uint32_t At(int AX, int AY) { return reinterpret_cast<uint32_t*>(FSurface.ScanLine(AY))[AX] & 0xFFFFFF; }

  TBitmap FStrip;
};

TEST_F(GlyphStripTest, AFrameIsDrawnWithItsBottomLeftColourTransparent) {
  Clear(20, 20);
  DrawBitmapFrame(Canvas(), 2, 2, &FStrip, 4, 3);
  EXPECT_EQ(At(2, 2), FrameColours[2]);
  EXPECT_EQ(At(17, 17), FrameColours[2]);
  EXPECT_EQ(At(2, 17), 0xFFFFFFu);
  EXPECT_EQ(At(18, 2), 0xFFFFFFu);
  EXPECT_EQ(Drawn(Rect(0, 0, 20, 20)), 16 * 16 - 1);
}

TEST_F(GlyphStripTest, FramesOutsideTheStripDrawNothing) {
  TBitmap Empty;
  const struct {
    TBitmap* Strip;
    int Frames;
    int Frame;
  } Cases[] = {{&FStrip, 4, 0},   {&FStrip, 4, 5}, {&FStrip, 0, 1}, {&FStrip, -2, -1},
               {&FStrip, 100, 1}, {&Empty, 4, 1},  {nullptr, 4, 1}};
  for (const auto& Case : Cases) {
    Clear(20, 20);
    DrawBitmapFrame(Canvas(), 2, 2, Case.Strip, Case.Frames, Case.Frame);
    EXPECT_EQ(Drawn(Rect(0, 0, 20, 20)), 0) << Case.Frames << " " << Case.Frame;
  }
}

TEST_F(GlyphStripTest, AGlyphBesideNoCaptionCarriesAColourBarOfItsWidth) {
  Clear(100, 40);
  DrawGlyphAndText(Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphLeft, "", &FStrip, 4, 2, false, true, clRed);
  // The frame of 16 x 16 at (5, 20 - 8); the bar on its last two rows and the row below.
  EXPECT_EQ(At(5, 12), FrameColours[1]);
  EXPECT_EQ(At(20, 25), FrameColours[1]);
  for (int Y : {26, 27, 28}) {
    EXPECT_EQ(At(5, Y), 0xFF0000u) << Y;
    EXPECT_EQ(At(20, Y), 0xFF0000u) << Y;
    EXPECT_EQ(At(21, Y), 0xFFFFFFu) << Y;
  }
  // The bar also covers the frame's transparent corner pixel.
  EXPECT_EQ(Drawn(Rect(0, 0, 100, 40)), 16 * 17);
}

TEST_F(GlyphStripTest, AnImageOfAListOrElseTheRectangleCarriesTheColourBar) {
  TCustomImageList Images(nullptr, 16, 16);
  TBitmap Red;
  Red.SetSize(16, 16);
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 16; ++X) reinterpret_cast<uint32_t*>(Red.ScanLine(Y))[X] = 0xFF00FF00;
  Images.Add(Red, nullptr);
  Clear(100, 40);
  DrawImageAndText(Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphLeft, "", 0, &Images, false, true, true,
                   clRed);
  EXPECT_EQ(At(5, 12), 0x00FF00u);
  EXPECT_EQ(At(20, 25), 0x00FF00u);
  EXPECT_EQ(At(20, 28), 0xFF0000u);
  EXPECT_EQ(Drawn(Rect(0, 0, 100, 40)), 16 * 17);

  // An index outside the list: no image, no caption, so the bar fills the rectangle
  // inset by 4, 4, 2 and 4 (one pixel lower when pressed).
  for (const bool Pressed : {false, true}) {
    Clear(100, 40);
    DrawImageAndText(Canvas(), Rect(0, 0, 100, 40), 5, 4, blGlyphLeft, "", 1, &Images, Pressed, true, true,
                     clRed);
    const TRect Bar = Pressed ? Rect(4, 5, 98, 37) : Rect(4, 4, 98, 36);
    EXPECT_EQ(Drawn(Rect(0, 0, 100, 40)), Bar.Width() * Bar.Height()) << Pressed;
    EXPECT_EQ(At(Bar.Left, Bar.Top), 0xFF0000u) << Pressed;
    EXPECT_EQ(At(Bar.Right - 1, Bar.Bottom - 1), 0xFF0000u) << Pressed;
  }
}

}  // namespace
}  // namespace skin_glyphs_test
