#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"

namespace {

// Handles are freed here as DeleteObject frees them: through the object's destructor.
using TRegionHandle = std::unique_ptr<TRegionObject>;

// The brute-force model: one flag per pixel of a fixed window of the plane.
class TMask {
 public:
  explicit TMask(const TRect& AWindow)
      : FWindow(AWindow), FPixels(static_cast<std::size_t>(AWindow.Width()) * AWindow.Height(), false) {}

  void Fill(const TRect& ARect) {
    for (int Y = std::max(ARect.Top, FWindow.Top); Y < std::min(ARect.Bottom, FWindow.Bottom); ++Y)
      for (int X = std::max(ARect.Left, FWindow.Left); X < std::min(ARect.Right, FWindow.Right); ++X)
        FPixels[Index(X, Y)] = true;
  }
  bool At(int AX, int AY) const { return FPixels[Index(AX, AY)]; }
  void Set(int AX, int AY, bool AValue) { FPixels[Index(AX, AY)] = AValue; }
  const TRect& Window() const { return FWindow; }

 private:
  std::size_t Index(int AX, int AY) const {
    return static_cast<std::size_t>(AY - FWindow.Top) * FWindow.Width() + (AX - FWindow.Left);
  }

  TRect FWindow;
  std::vector<bool> FPixels;
};

bool ApplyOperation(TRegionOperation AOperation, bool A, bool B) {
  switch (AOperation) {
    case roAnd:
      return A && B;
    case roOr:
      return A || B;
    case roXor:
      return A != B;
    case roDiff:
      return A && !B;
  }
  return false;
}

const char* OperationName(TRegionOperation AOperation) {
  static const char* const Names[] = {"AND", "OR", "XOR", "DIFF"};
  return Names[AOperation];
}

TRegion RegionOf(const std::vector<TRect>& ARects) {
  return TRegion::FromRects(ARects.data(), ARects.size());
}

// Checks the banded form through the rectangle list: rectangles of one band are
// consecutive; bands go down without overlap; spans in a band go right, disjoint and
// not touching; no rectangle is empty; bands that touch vertically differ in spans; the
// box and the count agree with the list.
void ExpectBanded(const TRegion& ARegion) {
  const std::vector<TRect> Rects = ARegion.Rectangles();
  ASSERT_EQ(ARegion.RectCount(), Rects.size());
  ASSERT_EQ(ARegion.IsEmpty(), Rects.empty());
  TRect Box;
  std::vector<std::pair<int, int>> PreviousSpans, Spans;
  int BandTop = 0, BandBottom = 0, PreviousBottom = INT_MIN;
  auto CloseBand = [&] {
    if (Spans.empty()) return;
    EXPECT_FALSE(PreviousBottom == BandTop && PreviousSpans == Spans)
        << "touching bands with equal spans at y=" << BandTop;
    PreviousBottom = BandBottom;
    PreviousSpans = std::move(Spans);
    Spans.clear();
  };
  for (const TRect& R : Rects) {
    ASSERT_FALSE(IsRectEmpty(R));
    if (Spans.empty() || R.Top != BandTop || R.Bottom != BandBottom) {
      CloseBand();
      ASSERT_GE(R.Top, PreviousBottom) << "bands out of order or overlapping";
      BandTop = R.Top;
      BandBottom = R.Bottom;
    } else {
      ASSERT_GT(R.Left, Spans.back().second) << "spans out of order, overlapping or touching";
    }
    Spans.push_back({R.Left, R.Right});
    UnionRect(Box, Box, R);
  }
  CloseBand();
  EXPECT_EQ(Box, ARegion.Box());
  EXPECT_EQ(Rects.size() == 1, ARegion.IsRectangle());
}

// Compares every pixel of the mask's window with the region.
void ExpectMatches(const TMask& AMask, const TRegion& ARegion) {
  const TRect& W = AMask.Window();
  for (int Y = W.Top; Y < W.Bottom; ++Y)
    for (int X = W.Left; X < W.Right; ++X)
      if (AMask.At(X, Y) != ARegion.Contains(Point(X, Y)))
        FAIL() << "pixel (" << X << ", " << Y << ") should be " << (AMask.At(X, Y) ? "in" : "out");
  TRect Inside;
  IntersectRect(Inside, W, ARegion.Box());
  EXPECT_EQ(ARegion.Box(), Inside) << "the region reaches outside the model";
}

TRect RandomRect(std::mt19937& ARandom) {
  std::uniform_int_distribution<int> Coordinate(-6, 30), Size(0, 14);
  const int Left = Coordinate(ARandom), Top = Coordinate(ARandom);
  return Rect(Left, Top, Left + Size(ARandom), Top + Size(ARandom));
}

std::vector<TRect> RandomRects(std::mt19937& ARandom) {
  std::vector<TRect> Result(std::uniform_int_distribution<int>(0, 10)(ARandom));
  for (TRect& R : Result) R = RandomRect(ARandom);
  return Result;
}

}  // namespace

TEST(Region, HandCasesGiveTheExpectedRectangles) {
  struct Case {
    const char* Name;
    std::vector<TRect> A, B;
    TRegionOperation Operation;
    std::vector<TRect> Expected;
  };
  const Case Cases[] = {
      {"side by side join", {Rect(0, 0, 5, 5)}, {Rect(5, 0, 9, 5)}, roOr, {Rect(0, 0, 9, 5)}},
      {"stacked join", {Rect(0, 0, 5, 5)}, {Rect(0, 5, 5, 8)}, roOr, {Rect(0, 0, 5, 8)}},
      {"hole punched",
       {Rect(0, 0, 10, 10)},
       {Rect(3, 3, 6, 6)},
       roDiff,
       {Rect(0, 0, 10, 3), Rect(0, 3, 3, 6), Rect(6, 3, 10, 6), Rect(0, 6, 10, 10)}},
      {"disjoint and", {Rect(0, 0, 5, 5)}, {Rect(5, 5, 9, 9)}, roAnd, {}},
      {"overlap and", {Rect(0, 0, 5, 5)}, {Rect(3, 2, 9, 9)}, roAnd, {Rect(3, 2, 5, 5)}},
      {"self xor", {Rect(0, 0, 5, 5)}, {Rect(0, 0, 5, 5)}, roXor, {}},
      {"cross xor",
       {Rect(0, 2, 6, 4)},
       {Rect(2, 0, 4, 6)},
       roXor,
       {Rect(2, 0, 4, 2), Rect(0, 2, 2, 4), Rect(4, 2, 6, 4), Rect(2, 4, 4, 6)}},
      {"diff of everything", {Rect(1, 1, 4, 4)}, {Rect(0, 0, 5, 5)}, roDiff, {}},
      {"union with empty", {Rect(1, 1, 4, 4)}, {}, roOr, {Rect(1, 1, 4, 4)}},
      {"empty xor shape",
       {},
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)},
       roXor,
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)}},
      {"shape inside a rectangle",
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)},
       {Rect(0, 0, 5, 2)},
       roAnd,
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)}},
      {"rectangle around a shape",
       {Rect(-1, -1, 6, 3)},
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)},
       roAnd,
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)}},
      {"shape cut by a rectangle",
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)},
       {Rect(1, 0, 6, 1)},
       roAnd,
       {Rect(1, 0, 2, 1), Rect(3, 0, 5, 1)}},
      {"shape less a disjoint rectangle",
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)},
       {Rect(0, 2, 5, 4)},
       roDiff,
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)}},
      {"shape less a rectangle around it",
       {Rect(0, 0, 2, 2), Rect(3, 0, 5, 2)},
       {Rect(0, 0, 5, 2)},
       roDiff,
       {}},
      {"rows of a mask scan merge into bands",
       {Rect(0, 0, 1, 1), Rect(2, 0, 3, 1), Rect(0, 1, 1, 2), Rect(2, 1, 3, 2)},
       {Rect(1, 2, 2, 3)},
       roOr,
       {Rect(0, 0, 1, 2), Rect(2, 0, 3, 2), Rect(1, 2, 2, 3)}},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    const TRegion Result = TRegion::Combine(RegionOf(C.A), RegionOf(C.B), C.Operation);
    EXPECT_EQ(C.Expected, Result.Rectangles());
    ExpectBanded(Result);
  }
}

TEST(Region, RandomOperationsMatchPerPixelMasks) {
  std::mt19937 Random(20240611);
  const TRegionOperation Operations[] = {roAnd, roOr, roXor, roDiff};
  for (int Iteration = 0; Iteration < 1000; ++Iteration) {
    SCOPED_TRACE(Iteration);
    const std::vector<TRect> RectsA = RandomRects(Random), RectsB = RandomRects(Random);
    const TRegion A = RegionOf(RectsA), B = RegionOf(RectsB);
    TRect Window;
    UnionRect(Window, A.Box(), B.Box());
    if (IsRectEmpty(Window)) Window = Rect(0, 0, 1, 1);
    InflateRect(Window, 3, 3);
    TMask MaskA(Window), MaskB(Window);
    for (const TRect& R : RectsA) MaskA.Fill(R);
    for (const TRect& R : RectsB) MaskB.Fill(R);
    ExpectBanded(A);
    ExpectMatches(MaskA, A);

    for (TRegionOperation Operation : Operations) {
      SCOPED_TRACE(OperationName(Operation));
      const TRegion Result = TRegion::Combine(A, B, Operation);
      TMask Expected(Window);
      std::vector<TRect> Pixels;
      for (int Y = Window.Top; Y < Window.Bottom; ++Y)
        for (int X = Window.Left; X < Window.Right; ++X) {
          const bool In = ApplyOperation(Operation, MaskA.At(X, Y), MaskB.At(X, Y));
          Expected.Set(X, Y, In);
          if (In) Pixels.push_back(Rect(X, Y, X + 1, Y + 1));
        }
      ExpectBanded(Result);
      ExpectMatches(Expected, Result);
      // The banded form is unique: the same pixels given one by one in any order give
      // an equal region. One operation a round suffices to exercise it.
      if (Operation == Operations[Iteration % 4]) {
        std::shuffle(Pixels.begin(), Pixels.end(), Random);
        EXPECT_EQ(RegionOf(Pixels), Result);
      }
      if (::testing::Test::HasFailure()) return;
    }

    // Clipping to a rectangle visits the region's part inside it, each pixel once.
    const TRect Clip = RandomRect(Random);
    std::vector<TRect> Visited;
    long VisitedArea = 0;
    A.ForEachRectIn(Clip, [&](const TRect& R) {
      Visited.push_back(R);
      VisitedArea += long{R.Width()} * R.Height();
    });
    const TRegion Clipped = TRegion::Combine(A, TRegion(Clip), roAnd);
    EXPECT_EQ(Clipped, RegionOf(Visited));
    long ClippedArea = 0;
    for (const TRect& R : Clipped.Rectangles()) ClippedArea += long{R.Width()} * R.Height();
    EXPECT_EQ(ClippedArea, VisitedArea);
    bool AnyInside = false;
    for (int Y = Clip.Top; Y < Clip.Bottom; ++Y)
      for (int X = Clip.Left; X < Clip.Right; ++X) AnyInside = AnyInside || A.Contains(Point(X, Y));
    EXPECT_EQ(AnyInside, A.Intersects(Clip));

    // Moving the region moves every rectangle.
    TRegion Moved = A;
    ASSERT_TRUE(Moved.Offset(7, -4));
    std::vector<TRect> MovedRects = RectsA;
    for (TRect& R : MovedRects) OffsetRect(R, 7, -4);
    EXPECT_EQ(RegionOf(MovedRects), Moved);
  }
}

TEST(Region, BuilderTakesBandedOrderOnly) {
  TRegionBuilder Builder;
  Builder.Append(Rect(0, 0, 2, 1));
  EXPECT_TRUE(Builder.CanAppend(Rect(2, 0, 4, 1)));   // touching, same band
  EXPECT_FALSE(Builder.CanAppend(Rect(1, 0, 4, 1)));  // overlaps the last span
  EXPECT_FALSE(Builder.CanAppend(Rect(5, 0, 6, 2)));  // same top, other bottom
  EXPECT_TRUE(Builder.CanAppend(Rect(0, 0, 0, 0)));   // empty: skipped
  EXPECT_THROW(Builder.Append(Rect(1, 0, 4, 1)), EAssertionFailed);
  Builder.Append(Rect(2, 0, 4, 1));
  Builder.Append(Rect(0, 1, 4, 2));
  EXPECT_FALSE(Builder.CanAppend(Rect(0, 0, 4, 1)));  // above the current band
  EXPECT_EQ(std::vector<TRect>{Rect(0, 0, 4, 2)}, Builder.Build().Rectangles());
  EXPECT_TRUE(Builder.Build().IsEmpty());
}

TEST(Region, OffsetBeyondIntRangeIsRefused) {
  TRegion Region(Rect(-10, -10, 10, 10));
  EXPECT_FALSE(Region.Offset(INT_MAX - 5, 0));
  EXPECT_FALSE(Region.Offset(0, INT_MIN));
  EXPECT_EQ(Rect(-10, -10, 10, 10), Region.Box());
  EXPECT_TRUE(Region.Offset(INT_MAX - 10, INT_MIN + 10));
  EXPECT_EQ(Rect(INT_MAX - 20, INT_MIN, INT_MAX, INT_MIN + 20), Region.Box());
  EXPECT_TRUE(Region.Contains(Point(INT_MAX - 1, INT_MIN)));
}

TEST(Region, HundredThousandOnePixelRectanglesStayNearLinear) {
  // A checkerboard of 500 x 400 pixels: 100,000 one-pixel rectangles that merge
  // neither across nor down. Quadratic handling of them would take minutes.
  std::vector<TRect> Cells;
  for (int Y = 0; Y < 400; ++Y)
    for (int X = Y % 2; X < 500; X += 2) Cells.push_back(Rect(X, Y, X + 1, Y + 1));
  ASSERT_EQ(100000u, Cells.size());
  const TRegion Board = RegionOf(Cells);
  EXPECT_EQ(100000u, Board.RectCount());
  ExpectBanded(Board);

  std::mt19937 Random(7);
  std::shuffle(Cells.begin(), Cells.end(), Random);
  EXPECT_EQ(Board, RegionOf(Cells));

  TRegion Shifted = Board;
  ASSERT_TRUE(Shifted.Offset(1, 0));
  const TRegion Filled = TRegion::Combine(Board, Shifted, roOr);
  EXPECT_EQ(std::vector<TRect>{Rect(0, 0, 501, 400)},
            TRegion::Combine(Filled, TRegion(Rect(0, 0, 501, 400)), roOr).Rectangles());
  EXPECT_TRUE(TRegion::Combine(Board, Shifted, roAnd).IsEmpty());
  EXPECT_EQ(Board, TRegion::Combine(Board, Shifted, roDiff));
}

TEST(Regions, CombineRgnReportsKindsAndAcceptsAliases) {
  TRegionHandle A(CreateRectRgn(0, 0, 10, 10)), B(CreateRectRgn(5, 5, 15, 15));
  TRegionHandle Dest(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(OBJ_REGION, Dest->ObjectType());
  EXPECT_EQ(COMPLEXREGION, CombineRgn(Dest.get(), A.get(), B.get(), RGN_OR));
  EXPECT_EQ(SIMPLEREGION, CombineRgn(Dest.get(), A.get(), B.get(), RGN_AND));
  RECT Box;
  EXPECT_EQ(SIMPLEREGION, GetRgnBox(Dest.get(), &Box));
  EXPECT_EQ(Rect(5, 5, 10, 10), Box);
  EXPECT_EQ(SIMPLEREGION, CombineRgn(Dest.get(), B.get(), nullptr, RGN_COPY));
  EXPECT_TRUE(EqualRgn(Dest.get(), B.get()));
  EXPECT_EQ(COMPLEXREGION, CombineRgn(A.get(), A.get(), B.get(), RGN_DIFF));
  EXPECT_TRUE(PtInRegion(A.get(), 0, 9));
  EXPECT_FALSE(PtInRegion(A.get(), 5, 5));
  EXPECT_EQ(NULLREGION, CombineRgn(A.get(), A.get(), A.get(), RGN_XOR));
  EXPECT_EQ(NULLREGION, GetRgnBox(A.get(), &Box));
  EXPECT_EQ(RECT{}, Box);

  EXPECT_EQ(ERROR, CombineRgn(Dest.get(), A.get(), B.get(), 0));
  EXPECT_EQ(ERROR, CombineRgn(Dest.get(), A.get(), nullptr, RGN_OR));
  EXPECT_EQ(ERROR, CombineRgn(nullptr, A.get(), B.get(), RGN_OR));
  EXPECT_TRUE(EqualRgn(Dest.get(), B.get())) << "a failed combine leaves the destination alone";
}

TEST(Regions, RectangleCallsOrderCornersAndTestEdges) {
  TRegionHandle Region(CreateRectRgn(10, 8, 2, 4));
  RECT Box;
  EXPECT_EQ(SIMPLEREGION, GetRgnBox(Region.get(), &Box));
  EXPECT_EQ(Rect(2, 4, 10, 8), Box);
  EXPECT_TRUE(PtInRegion(Region.get(), 2, 4));
  EXPECT_FALSE(PtInRegion(Region.get(), 10, 7));
  EXPECT_FALSE(PtInRegion(Region.get(), 9, 8));
  const RECT Touching = Rect(10, 0, 20, 20), Overlapping = Rect(9, 7, 20, 20);
  EXPECT_FALSE(RectInRegion(Region.get(), &Touching));
  EXPECT_TRUE(RectInRegion(Region.get(), &Overlapping));

  EXPECT_TRUE(SetRectRgn(Region.get(), 0, 0, 3, 3));
  const RECT Three = Rect(0, 0, 3, 3);
  TRegionHandle Same(CreateRectRgnIndirect(&Three));
  EXPECT_TRUE(EqualRgn(Region.get(), Same.get()));
  EXPECT_EQ(SIMPLEREGION, OffsetRgn(Region.get(), 5, 6));
  EXPECT_TRUE(PtInRegion(Region.get(), 5, 6));
  EXPECT_EQ(ERROR, OffsetRgn(Region.get(), INT_MAX, 0));
  EXPECT_TRUE(PtInRegion(Region.get(), 5, 6));

  EXPECT_EQ(NULLREGION, GetRgnBox(TRegionHandle(CreateRectRgn(0, 0, 5, 0)).get(), &Box));
  EXPECT_EQ(nullptr, CreateRectRgnIndirect(nullptr));
  EXPECT_FALSE(PtInRegion(nullptr, 0, 0));
  EXPECT_FALSE(RectInRegion(Region.get(), nullptr));
  EXPECT_EQ(ERROR, GetRgnBox(nullptr, &Box));
  EXPECT_EQ(ERROR, OffsetRgn(nullptr, 1, 1));
  EXPECT_FALSE(EqualRgn(Region.get(), nullptr));
  EXPECT_FALSE(SetRectRgn(nullptr, 0, 0, 1, 1));
}

namespace {

// A region data block as a mask scan writes it: header then rectangles.
std::vector<uint32_t> RegionDataBlock(const std::vector<TRect>& ARects) {
  std::vector<uint32_t> Block((sizeof(RGNDATAHEADER) + ARects.size() * sizeof(RECT)) / 4);
  RGNDATAHEADER Header;
  Header.dwSize = sizeof(RGNDATAHEADER);
  Header.iType = RDH_RECTANGLES;
  Header.nCount = static_cast<uint32_t>(ARects.size());
  std::memcpy(Block.data(), &Header, sizeof(Header));
  if (!ARects.empty()) std::memcpy(Block.data() + 8, ARects.data(), ARects.size() * sizeof(RECT));
  return Block;
}

const RGNDATA* AsRegionData(const std::vector<uint32_t>& ABlock) {
  return reinterpret_cast<const RGNDATA*>(ABlock.data());
}

uint32_t ByteSize(const std::vector<uint32_t>& ABlock) { return static_cast<uint32_t>(ABlock.size() * 4); }

}  // namespace

TEST(Regions, RegionDataRoundTrip) {
  // A 3 x 2 mask whose first row is black, white, black and whose second row is black.
  const std::vector<uint32_t> Mask = RegionDataBlock({Rect(0, 0, 1, 1), Rect(2, 0, 3, 1), Rect(0, 1, 3, 2)});
  TRegionHandle Region(ExtCreateRegion(nullptr, ByteSize(Mask), AsRegionData(Mask)));
  ASSERT_NE(nullptr, Region);
  EXPECT_EQ(COMPLEXREGION, OffsetRgn(Region.get(), 5, 7));

  const uint32_t Needed = GetRegionData(Region.get(), 0, nullptr);
  EXPECT_EQ(32u + 3 * 16, Needed);
  std::vector<uint32_t> Data(Needed / 4 + 2, 0xDEADBEEF);
  RGNDATA* Out = reinterpret_cast<RGNDATA*>(Data.data());
  EXPECT_EQ(Needed, GetRegionData(Region.get(), Needed - 1, Out)) << "too small: the size needed";
  EXPECT_EQ(0xDEADBEEF, Data[0]) << "too small: nothing written";
  EXPECT_EQ(Needed + 8, GetRegionData(Region.get(), Needed + 8, Out));
  EXPECT_EQ(32u, Out->rdh.dwSize);
  EXPECT_EQ(RDH_RECTANGLES, Out->rdh.iType);
  EXPECT_EQ(3u, Out->rdh.nCount);
  EXPECT_EQ(3u * 16, Out->rdh.nRgnSize);
  EXPECT_EQ(Rect(5, 7, 8, 9), Out->rdh.rcBound);
  std::vector<TRect> Rects(3);
  std::memcpy(static_cast<void*>(Rects.data()), Data.data() + 8, 3 * sizeof(RECT));
  EXPECT_EQ((std::vector<TRect>{Rect(5, 7, 6, 8), Rect(7, 7, 8, 8), Rect(5, 8, 8, 9)}), Rects);
  EXPECT_EQ(0xDEADBEEF, Data[Needed / 4]) << "nothing written past the data";

  TRegionHandle Copy(ExtCreateRegion(nullptr, Needed, Out));
  ASSERT_NE(nullptr, Copy);
  EXPECT_TRUE(EqualRgn(Region.get(), Copy.get()));

  const std::vector<uint32_t> Empty = RegionDataBlock({});
  TRegionHandle None(ExtCreateRegion(nullptr, ByteSize(Empty), AsRegionData(Empty)));
  ASSERT_NE(nullptr, None);
  EXPECT_EQ(32u, GetRegionData(None.get(), 0, nullptr));
  EXPECT_EQ(0u, GetRegionData(nullptr, 0, nullptr));
}

TEST(Regions, ExtCreateRegionRefusesBadHeaders) {
  const std::vector<uint32_t> Good = RegionDataBlock({Rect(0, 0, 4, 4), Rect(1, 1, 6, 6)});
  struct Case {
    const char* Name;
    int Word;  // which header word to change, -1 for none
    uint32_t Value;
    uint32_t Size;
  };
  const Case Cases[] = {
      {"header size 0", 0, 0, ByteSize(Good)},        {"header size 31", 0, 31, ByteSize(Good)},
      {"header size 40", 0, 40, ByteSize(Good)},      {"unknown type", 1, 2, ByteSize(Good)},
      {"count past the block", 2, 3, ByteSize(Good)}, {"count that overflows", 2, 0x10000001, ByteSize(Good)},
      {"block cut short", -1, 0, ByteSize(Good) - 1}, {"block shorter than the header", -1, 0, 31},
  };
  for (const Case& C : Cases) {
    std::vector<uint32_t> Block = Good;
    if (C.Word >= 0) Block[C.Word] = C.Value;
    EXPECT_EQ(nullptr, ExtCreateRegion(nullptr, C.Size, AsRegionData(Block))) << C.Name;
  }
  EXPECT_EQ(nullptr, ExtCreateRegion(nullptr, 64, nullptr));

  // Overlapping and inverted rectangles are taken as a union; inverted ones add nothing.
  std::vector<uint32_t> Block = RegionDataBlock({Rect(1, 1, 6, 6), Rect(0, 0, 4, 4), Rect(9, 9, 2, 2)});
  TRegionHandle Region(ExtCreateRegion(nullptr, ByteSize(Block), AsRegionData(Block)));
  ASSERT_NE(nullptr, Region);
  const std::vector<TRect> Parts = {Rect(0, 0, 4, 4), Rect(1, 1, 6, 6)};
  EXPECT_EQ(RegionOf(Parts), Region->Region);
}
