#include <gtest/gtest.h>

#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Primitives.h"
#include "tests/platform/gdi/DrawingFixture.h"

namespace {

constexpr uint32_t Background = 0xFF123456;
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr uint32_t RedPixel = 0x00FF0000;  // what a red pen leaves: alpha 0
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr uint32_t BluePixel = 0x000000FF;

// Selects a pen and a brush for the life of the object and frees them afterwards.
class TPenAndBrush {
 public:
  TPenAndBrush(HDC ADC, HPEN APen, HBRUSH ABrush) : FDC(ADC), FPen(APen), FBrush(ABrush) {
    FOldPen = SelectObject(ADC, APen);
    FOldBrush = SelectObject(ADC, ABrush);
  }
  ~TPenAndBrush() {
    SelectObject(FDC, FOldPen);
    SelectObject(FDC, FOldBrush);
    DeleteObject(FPen);
    DeleteObject(FBrush);
  }

 private:
  HDC FDC;
  HGDIOBJ FPen, FBrush, FOldPen = nullptr, FOldBrush = nullptr;
};

void Line(HDC ADC, int AX0, int AY0, int AX1, int AY1) {
  MoveToEx(ADC, AX0, AY0, nullptr);
  LineTo(ADC, AX1, AY1);
}

}  // namespace

TEST(Primitives, LinesLeaveOutTheirEndPoint) {
  struct Case {
    TPoint From, To;
    const char* Expected;
  };
  const Case Cases[] = {
      {{1, 1}, {5, 1}, "......\n.####.\n......\n"}, {{5, 1}, {1, 1}, "......\n..####\n......\n"},
      {{2, 0}, {2, 3}, "..#...\n..#...\n..#...\n"}, {{0, 0}, {3, 3}, "#.....\n.#....\n..#...\n"},
      {{0, 0}, {5, 2}, "##....\n..##..\n....#.\n"}, {{3, 1}, {3, 1}, "......\n......\n......\n"},
  };
  for (const Case& C : Cases) {
    TTestBitmap Target(6, 3, Background);
    TPenAndBrush Tools(Target.DC, CreatePen(PS_SOLID, 1, Red), CreateSolidBrush(Blue));
    Line(Target.DC, C.From.X, C.From.Y, C.To.X, C.To.Y);
    EXPECT_EQ(C.Expected, Target.Picture(Background))
        << C.From.X << "," << C.From.Y << " to " << C.To.X << "," << C.To.Y;
    POINT Position;
    MoveToEx(Target.DC, 0, 0, &Position);
    EXPECT_EQ(C.To, Position);
  }
}

TEST(Primitives, PolylinesDrawEachPixelOnceAndLeaveOutTheLastPoint) {
  TTestBitmap Target(5, 4, Background);
  TPenAndBrush Tools(Target.DC, CreatePen(PS_SOLID, 1, Red), CreateSolidBrush(Blue));
  const POINT Points[] = {{0, 0}, {3, 0}, {3, 2}};
  ASSERT_TRUE(Polyline(Target.DC, Points, 3));
  EXPECT_EQ("####.\n...#.\n.....\n.....\n", Target.Picture(Background));
  EXPECT_EQ(RedPixel, Target.At(3, 1));

  // Exclusive-or twice gives the picture back only if no pixel is drawn twice.
  TTestBitmap Xor(6, 6, 0x00405060);
  SetROP2(Xor.DC, R2_XORPEN);
  TSelectedObject Pen(Xor.DC, GetStockObject(WHITE_PEN));
  const POINT Square[] = {{1, 1}, {4, 1}, {4, 4}, {1, 4}, {1, 1}};
  Polyline(Xor.DC, Square, 5);
  EXPECT_EQ("......\n.####.\n.#..#.\n.#..#.\n.####.\n......\n", Xor.Picture(0x00405060));
  EXPECT_EQ(0x00BFAF9Fu, Xor.At(1, 1));
  Polyline(Xor.DC, Square, 5);
  EXPECT_EQ("......\n......\n......\n......\n......\n......\n", Xor.Picture(0x00405060));

  const POINT Two[] = {{0, 5}, {2, 5}, {5, 0}, {5, 3}};
  const uint32_t Counts[] = {2, 2};
  ASSERT_TRUE(PolyPolyline(Xor.DC, Two, Counts, 2));
  EXPECT_EQ(".....#\n.....#\n.....#\n......\n......\n##....\n", Xor.Picture(0x00405060));
}

TEST(Primitives, RectangleDrawsItsOutlineInsideTheBounds) {
  TTestBitmap Target(7, 5, Background);
  TPenAndBrush Tools(Target.DC, CreatePen(PS_SOLID, 1, Red), CreateSolidBrush(Blue));
  ASSERT_TRUE(Rectangle(Target.DC, 5, 4, 1, 1));  // corners in any order
  EXPECT_EQ(".......\n.####..\n.####..\n.####..\n.......\n", Target.Picture(Background));
  EXPECT_EQ(RedPixel, Target.At(1, 1));
  EXPECT_EQ(RedPixel, Target.At(4, 3));
  EXPECT_EQ(BluePixel, Target.At(2, 2));
  EXPECT_EQ(BluePixel, Target.At(3, 2));

  // A clear brush leaves the inside alone.
  TTestBitmap Hollow(7, 5, Background);
  TSelectedObject Pen(Hollow.DC, GetStockObject(BLACK_PEN));
  TSelectedObject Brush(Hollow.DC, GetStockObject(NULL_BRUSH));
  Rectangle(Hollow.DC, 1, 1, 6, 5);
  EXPECT_EQ(".......\n.#####.\n.#...#.\n.#...#.\n.#####.\n", Hollow.Picture(Background));
  // Without a pen the filled rectangle is one pixel smaller on the right and bottom.
  Hollow.Fill(Background);
  SelectObject(Hollow.DC, GetStockObject(NULL_PEN));
  SelectObject(Hollow.DC, GetStockObject(BLACK_BRUSH));
  Rectangle(Hollow.DC, 1, 1, 6, 5);
  EXPECT_EQ(".......\n.####..\n.####..\n.####..\n.......\n", Hollow.Picture(Background));
}

TEST(Primitives, WidePenOutlinesGrowInwards) {
  TTestBitmap Target(6, 6, Background);
  TPenAndBrush Tools(Target.DC, CreatePen(PS_SOLID, 2, Red), CreateSolidBrush(Blue));
  Rectangle(Target.DC, 0, 0, 6, 6);
  EXPECT_EQ(RedPixel, Target.At(1, 1));
  EXPECT_EQ(RedPixel, Target.At(4, 4));
  EXPECT_EQ(BluePixel, Target.At(2, 2));
  EXPECT_EQ(BluePixel, Target.At(3, 3));
  EXPECT_EQ(RedPixel, Target.At(4, 3));
}

TEST(Primitives, EllipseFillsAndOutlinesThePixelsOfItsBox) {
  TTestBitmap Target(8, 7, Background);
  TPenAndBrush Tools(Target.DC, CreatePen(PS_SOLID, 1, Red), CreateSolidBrush(Blue));
  ASSERT_TRUE(Ellipse(Target.DC, 1, 0, 7, 6));
  EXPECT_EQ("..####..\n.######.\n.######.\n.######.\n.######.\n..####..\n........\n",
            Target.Picture(Background));
  EXPECT_EQ(RedPixel, Target.At(1, 1));
  EXPECT_EQ(RedPixel, Target.At(3, 0));
  EXPECT_EQ(BluePixel, Target.At(2, 1));
  EXPECT_EQ(BluePixel, Target.At(5, 4));

  // Outline alone, in exclusive-or: drawn twice it is gone.
  TTestBitmap Xor(12, 12, 0);
  SetROP2(Xor.DC, R2_XORPEN);
  TSelectedObject Pen(Xor.DC, GetStockObject(WHITE_PEN));
  TSelectedObject Brush(Xor.DC, GetStockObject(NULL_BRUSH));
  Ellipse(Xor.DC, 1, 1, 11, 11);
  EXPECT_EQ(0x00FFFFFFu, Xor.At(1, 5));
  EXPECT_EQ(0u, Xor.At(5, 5));
  Ellipse(Xor.DC, 1, 1, 11, 11);
  EXPECT_EQ(String(12 * 13, '.'), [&] {
    String Flat = Xor.Picture(0);
    for (char& C : Flat) C = C == '\n' ? '.' : C;
    return Flat;
  }());
}

TEST(Primitives, PolygonFillsByTheAlternateRuleThenOutlines) {
  TTestBitmap Target(5, 5, Background);
  TSelectedObject Pen(Target.DC, GetStockObject(NULL_PEN));
  TSelectedObject Brush(Target.DC, GetStockObject(BLACK_BRUSH));
  const POINT Triangle[] = {{0, 0}, {4, 0}, {0, 4}};
  ASSERT_TRUE(Polygon(Target.DC, Triangle, 3));
  EXPECT_EQ("####.\n###..\n##...\n#....\n.....\n", Target.Picture(Background));
  SelectObject(Target.DC, GetStockObject(BLACK_PEN));
  Polygon(Target.DC, Triangle, 3);
  EXPECT_EQ("#####\n####.\n###..\n##...\n#....\n", Target.Picture(Background));

  // A self-crossing star leaves its centre empty under the alternate rule.
  TTestBitmap Star(11, 11, Background);
  TSelectedObject StarPen(Star.DC, GetStockObject(NULL_PEN));
  TSelectedObject StarBrush(Star.DC, GetStockObject(BLACK_BRUSH));
  const POINT Points[] = {{5, 0}, {8, 10}, {0, 3}, {10, 3}, {2, 10}};
  Polygon(Star.DC, Points, 5);
  EXPECT_EQ(Background, Star.At(5, 5));
  EXPECT_NE(Background, Star.At(5, 1));
  EXPECT_NE(Background, Star.At(1, 3));
}

TEST(Primitives, MixModesCombinePenAndPixel) {
  constexpr uint32_t Dest = 0xFF0F3C5A;
  constexpr uint32_t Pen = 0x00F00FFF;  // RGB(0xF0, 0x0F, 0xFF)
  struct Case {
    int Mode;
    uint32_t Expected;
  };
  const Case Cases[] = {
      {R2_COPYPEN, Pen},
      {R2_NOT, ~Dest & 0x00FFFFFF},
      {R2_XORPEN, (Pen ^ Dest) & 0x00FFFFFF},
      {R2_NOTXORPEN, ~(Pen ^ Dest) & 0x00FFFFFF},
      {R2_MASKPEN, Pen & Dest & 0x00FFFFFF},
      {R2_MERGEPEN, (Pen | Dest) & 0x00FFFFFF},
      {R2_BLACK, 0},
      {R2_WHITE, 0x00FFFFFF},
      {R2_NOP, Dest},
  };
  for (const Case& C : Cases) {
    TTestBitmap Target(2, 1, Dest);
    TPenAndBrush Tools(Target.DC, CreatePen(PS_SOLID, 1, RGB(0xF0, 0x0F, 0xFF)), CreateSolidBrush(0));
    EXPECT_EQ(R2_COPYPEN, SetROP2(Target.DC, C.Mode));
    Line(Target.DC, 0, 0, 1, 0);
    EXPECT_EQ(C.Expected, Target.At(0, 0)) << C.Mode;
    EXPECT_EQ(Dest, Target.At(1, 0)) << C.Mode;
  }
}

TEST(Primitives, StyledPensDrawTheirGapsOnlyInOpaqueMode) {
  TTestBitmap Target(16, 2, Background);
  TPenAndBrush Tools(Target.DC, CreatePen(PS_DOT, 1, Red), CreateSolidBrush(Blue));
  SetBkColor(Target.DC, RGB(0, 255, 0));
  SetBkMode(Target.DC, TRANSPARENT);
  Line(Target.DC, 0, 0, 8, 0);
  EXPECT_EQ("#.#.#.#.........\n................\n", Target.Picture(Background));
  SetBkMode(Target.DC, OPAQUE);
  Line(Target.DC, 0, 1, 4, 1);
  EXPECT_EQ(RedPixel, Target.At(0, 1));
  EXPECT_EQ(0x0000FF00u, Target.At(1, 1));

  TTestBitmap Dashes(16, 1, Background);
  TPenAndBrush DashTools(Dashes.DC, CreatePen(PS_DASH, 1, Red), CreateSolidBrush(Blue));
  SetBkMode(Dashes.DC, TRANSPARENT);
  Line(Dashes.DC, 0, 0, 16, 0);
  EXPECT_EQ("######..######..\n", Dashes.Picture(Background));

  // The pattern runs on around the corners of a polyline.
  TTestBitmap Corner(4, 4, Background);
  TPenAndBrush CornerTools(Corner.DC, CreatePen(PS_DOT, 1, Red), CreateSolidBrush(Blue));
  SetBkMode(Corner.DC, TRANSPARENT);
  const POINT Points[] = {{0, 0}, {3, 0}, {3, 3}};
  Polyline(Corner.DC, Points, 3);
  EXPECT_EQ("#.#.\n...#\n....\n....\n", Corner.Picture(Background));
}

TEST(Primitives, DottedExclusiveOrLineDrawnTwiceIsGone) {
  TTestBitmap Target(10, 1, 0x00336699);
  TPenAndBrush Tools(Target.DC, CreatePen(PS_DOT, 1, RGB(255, 255, 255)), CreateSolidBrush(0));
  SetROP2(Target.DC, R2_XORPEN);
  Line(Target.DC, 0, 0, 10, 0);
  EXPECT_EQ("##########\n", Target.Picture(0x00336699));  // the gaps take the background colour
  Line(Target.DC, 0, 0, 10, 0);
  EXPECT_EQ("..........\n", Target.Picture(0x00336699));
}

TEST(Primitives, WideLinesSweepThePenWidth) {
  LOGBRUSH Brush;
  Brush.lbColor = Red;
  TTestBitmap Target(10, 10, Background);
  TPenAndBrush Tools(Target.DC,
                     ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER, 5, &Brush, 0, nullptr),
                     CreateSolidBrush(Blue));
  Line(Target.DC, 2, 5, 8, 5);
  EXPECT_EQ(
      "..........\n..........\n..........\n..######..\n..######..\n..######..\n..######..\n..######..\n"
      "..........\n..........\n",
      Target.Picture(Background));

  // Square ends reach half the width beyond the end points.
  TTestBitmap Square(8, 5, Background);
  TPenAndBrush SquareTools(Square.DC, CreatePen(PS_SOLID, 3, Red), CreateSolidBrush(Blue));
  Line(Square.DC, 2, 2, 5, 2);
  EXPECT_EQ("........\n.######.\n.######.\n.######.\n........\n", Square.Picture(Background));

  // The segments of a wide polyline overlap at the joint, yet each pixel is drawn once.
  TTestBitmap Xor(10, 10, 0);
  TPenAndBrush XorTools(Xor.DC, ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 3, &Brush, 0, nullptr),
                        CreateSolidBrush(Blue));
  SetROP2(Xor.DC, R2_XORPEN);
  const POINT Points[] = {{1, 2}, {6, 2}, {6, 8}};
  Polyline(Xor.DC, Points, 3);
  EXPECT_EQ(RedPixel, Xor.At(6, 2));
  EXPECT_EQ(RedPixel, Xor.At(5, 3));
}

TEST(Primitives, HugeCoordinatesCostOnlyTheVisiblePart) {
  TTestBitmap Target(10, 4, Background);
  TPenAndBrush Tools(Target.DC, CreatePen(PS_SOLID, 1, Red), CreateSolidBrush(Blue));
  Line(Target.DC, -2000000000, 1, 2000000000, 1);
  Line(Target.DC, -2000000000, -2000000000, 2000000000, 2000000000);
  EXPECT_EQ("#.........\n##########\n..#.......\n...#......\n", Target.Picture(Background));
  LOGBRUSH Brush;
  Brush.lbColor = Red;
  TPenAndBrush Wide(Target.DC, ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 2, &Brush, 0, nullptr),
                    CreateSolidBrush(Blue));
  Line(Target.DC, 5, -2000000000, 5, 2000000000);
  EXPECT_EQ(RedPixel, Target.At(4, 3));
  Ellipse(Target.DC, -2000000000, -2000000000, 2000000000, 2000000000);
  EXPECT_EQ(BluePixel, Target.At(9, 3));
}

TEST(Primitives, BrushFillsIgnoreTheMixMode) {
  TTestBitmap Target(6, 5, Background);
  SetROP2(Target.DC, R2_XORPEN);
  const HBRUSH Brush = CreateSolidBrush(Blue);
  const RECT Area = Rect(1, 1, 4, 3);
  ASSERT_TRUE(FillRect(Target.DC, &Area, Brush));
  EXPECT_EQ("......\n.###..\n.###..\n......\n......\n", Target.Picture(Background));
  EXPECT_EQ(BluePixel, Target.At(1, 1));
  const RECT Inverted = Rect(4, 3, 1, 1);
  FillRect(Target.DC, &Inverted, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));  // an empty rectangle
  EXPECT_EQ(BluePixel, Target.At(1, 1));

  Target.Fill(Background);
  const RECT Frame = Rect(0, 0, 6, 5);
  ASSERT_TRUE(FrameRect(Target.DC, &Frame, Brush));
  EXPECT_EQ("######\n#....#\n#....#\n#....#\n######\n", Target.Picture(Background));
  EXPECT_FALSE(FillRect(Target.DC, &Area, nullptr));
  DeleteObject(Brush);
}

TEST(Primitives, BrushFillsCoverEveryVisibleSpanWideOrNarrowAndClearAlpha) {
  constexpr uint32_t Opaque = 0xFF102030;
  TTestBitmap Target(14, 5, Opaque);
  // Wide spans above and below a hole, two-pixel spans beside it.
  ExcludeClipRect(Target.DC, 2, 1, 12, 3);
  const HBRUSH Brush = CreateSolidBrush(Blue);
  const RECT Area = Rect(0, 0, 14, 4);
  ASSERT_TRUE(FillRect(Target.DC, &Area, Brush));
  EXPECT_EQ("##############\n##..........##\n##..........##\n##############\n..............\n",
            Target.Picture(Opaque));
  for (const TPoint P : {Point(0, 0), Point(13, 0), Point(1, 2), Point(12, 1), Point(13, 3)})
    EXPECT_EQ(BluePixel, Target.At(P.X, P.Y)) << P.X << "," << P.Y;
  DeleteObject(Brush);
}

TEST(Primitives, FocusRectangleInvertsEveryOtherFramePixel) {
  TTestBitmap Target(6, 5, 0x00102030);
  const RECT Area = Rect(0, 0, 5, 4);
  ASSERT_TRUE(DrawFocusRect(Target.DC, &Area));
  EXPECT_EQ("#.#.#.\n......\n#...#.\n.#.#..\n......\n", Target.Picture(0x00102030));
  EXPECT_EQ(0x00EFDFCFu, Target.At(0, 0));
  DrawFocusRect(Target.DC, &Area);
  EXPECT_EQ("......\n......\n......\n......\n......\n", Target.Picture(0x00102030));
}

TEST(Primitives, PixelsReadAndWriteWithinTheClip) {
  TTestBitmap Target(4, 4, 0xFF000000);
  EXPECT_EQ(RGB(1, 2, 3), SetPixel(Target.DC, 2, 1, RGB(1, 2, 3)));
  EXPECT_EQ(0x00010203u, Target.At(2, 1));  // alpha 0, as every drawing call leaves it
  EXPECT_EQ(RGB(1, 2, 3), GetPixel(Target.DC, 2, 1));
  EXPECT_EQ(CLR_INVALID, GetPixel(Target.DC, 4, 0));
  EXPECT_EQ(CLR_INVALID, SetPixel(Target.DC, -1, 0, 0));
  IntersectClipRect(Target.DC, 0, 0, 2, 2);
  EXPECT_EQ(CLR_INVALID, GetPixel(Target.DC, 2, 1));

  TTestBitmap Narrow(2, 1, 0, 24);
  SetPixel(Narrow.DC, 1, 0, RGB(9, 8, 7));
  EXPECT_EQ(RGB(9, 8, 7), GetPixel(Narrow.DC, 1, 0));
}
