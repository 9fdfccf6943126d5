#include "platform/gdi/Region.h"

#include <climits>
#include <cstdint>
#include <optional>
#include <utility>

#include "platform/base/Exceptions.h"

namespace {

bool IsKept(TRegionOperation AOperation, bool AInA, bool AInB) {
  switch (AOperation) {
    case roAnd:
      return AInA && AInB;
    case roOr:
      return AInA || AInB;
    case roXor:
      return AInA != AInB;
    case roDiff:
      return AInA && !AInB;
  }
  return false;
}

// Appends to ABuilder the spans of one band of the result: the x pairs A[ABeginA, AEndA)
// and B[ABeginB, AEndB) are walked edge by edge in x order, tracking whether the walk is
// inside each side; a result span starts and ends where the operation's verdict changes.
// Both edges at the same x are taken before the verdict is read, so touching spans come
// out joined.
void AppendCombinedSpans(TRegionBuilder& ABuilder, TRegionOperation AOperation, int ATop, int ABottom,
                         const int* A, std::size_t ABeginA, std::size_t AEndA, const int* B,
                         std::size_t ABeginB, std::size_t AEndB) {
  std::size_t I = ABeginA, J = ABeginB;
  bool InA = false, InB = false, InResult = false;
  int Start = 0;
  while (I < AEndA || J < AEndB) {
    const int X = J >= AEndB ? A[I] : I >= AEndA ? B[J] : std::min(A[I], B[J]);
    if (I < AEndA && A[I] == X) {
      InA = !InA;
      ++I;
    }
    if (J < AEndB && B[J] == X) {
      InB = !InB;
      ++J;
    }
    const bool Kept = IsKept(AOperation, InA, InB);
    if (Kept == InResult) continue;
    if (Kept)
      Start = X;
    else
      ABuilder.Append(TRect{Start, ATop, X, ABottom});
    InResult = Kept;
  }
}

bool RegionBoxCovers(const TRect& AOuter, const TRect& AInner) {
  return AOuter.Left <= AInner.Left && AOuter.Top <= AInner.Top && AOuter.Right >= AInner.Right &&
         AOuter.Bottom >= AInner.Bottom;
}

// The combinations whose result is an operand unchanged, nothing or one rectangle,
// answered without the sweep: clipping a window to its parents and siblings, which
// every device context of a window does, is nearly always one of them.
std::optional<TRegion> CombineWithoutSweep(const TRegion& A, const TRegion& B, TRegionOperation AOperation) {
  TRect Overlap;
  const bool Disjoint = !IntersectRect(Overlap, A.Box(), B.Box());
  switch (AOperation) {
    case roAnd:
      if (Disjoint) return TRegion();
      if (A.IsRectangle() && B.IsRectangle()) return TRegion(Overlap);
      if (B.IsRectangle() && RegionBoxCovers(B.Box(), A.Box())) return A;
      if (A.IsRectangle() && RegionBoxCovers(A.Box(), B.Box())) return B;
      break;
    case roOr:
    case roXor:
      if (B.IsEmpty()) return A;
      if (A.IsEmpty()) return B;
      break;
    case roDiff:
      if (Disjoint) return A;
      if (B.IsRectangle() && RegionBoxCovers(B.Box(), A.Box())) return TRegion();
      break;
  }
  return std::nullopt;
}

}  // namespace

TRegion::TRegion(const TRect& ARect) {
  if (IsRectEmpty(ARect)) return;
  FBands.push_back({ARect.Top, ARect.Bottom, 2});
  FXs = {ARect.Left, ARect.Right};
  FBox = ARect;
}

TRegion TRegion::FromRects(const TRect* ARects, std::size_t ACount) {
  // Each maximal run of rectangles in banded order becomes a region in one pass. The
  // runs are united like a merge sort: a run is merged into the one below it on the
  // stack while that one holds no more rectangles, which keeps the merge tree balanced.
  struct TRun {
    TRegion Region;
    std::size_t Weight;
  };
  std::vector<TRun> Stack;
  auto MergeTop = [&Stack] {
    TRun Top = std::move(Stack.back());
    Stack.pop_back();
    TRun& Below = Stack.back();
    Below.Region = Combine(Below.Region, Top.Region, roOr);
    Below.Weight += Top.Weight;
  };
  TRegionBuilder Builder;
  std::size_t RunWeight = 0;
  auto PushRun = [&] {
    Stack.push_back({Builder.Build(), RunWeight});
    RunWeight = 0;
    while (Stack.size() >= 2 && Stack[Stack.size() - 2].Weight <= Stack.back().Weight) MergeTop();
  };
  for (std::size_t I = 0; I < ACount; ++I) {
    if (IsRectEmpty(ARects[I])) continue;
    if (!Builder.CanAppend(ARects[I])) PushRun();
    Builder.Append(ARects[I]);
    ++RunWeight;
  }
  PushRun();
  while (Stack.size() >= 2) MergeTop();
  return std::move(Stack.back().Region);
}

TRegion TRegion::Combine(const TRegion& A, const TRegion& B, TRegionOperation AOperation) {
  if (std::optional<TRegion> Direct = CombineWithoutSweep(A, B, AOperation)) return std::move(*Direct);
  // A sweep from the top: between two consecutive band edges of either region the pair
  // of bands in force is constant, so each such stretch yields one band of the result.
  TRegionBuilder Builder;
  const std::size_t CountA = A.FBands.size(), CountB = B.FBands.size();
  std::size_t IA = 0, IB = 0;
  int Y = INT_MIN;
  while (IA < CountA || IB < CountB) {
    const TBand* BandA = IA < CountA ? &A.FBands[IA] : nullptr;
    const TBand* BandB = IB < CountB ? &B.FBands[IB] : nullptr;
    const bool InA = BandA && BandA->Top <= Y;
    const bool InB = BandB && BandB->Top <= Y;
    int Next = INT_MAX;
    if (BandA) Next = std::min(Next, InA ? BandA->Bottom : BandA->Top);
    if (BandB) Next = std::min(Next, InB ? BandB->Bottom : BandB->Top);
    if (InA || InB) {
      const std::size_t BeginA = InA ? A.BandStart(*BandA) : 0, EndA = InA ? BandA->End : 0;
      const std::size_t BeginB = InB ? B.BandStart(*BandB) : 0, EndB = InB ? BandB->End : 0;
      AppendCombinedSpans(Builder, AOperation, Y, Next, A.FXs.data(), BeginA, EndA, B.FXs.data(), BeginB,
                          EndB);
    }
    Y = Next;
    if (BandA && BandA->Bottom <= Y) ++IA;
    if (BandB && BandB->Bottom <= Y) ++IB;
  }
  return Builder.Build();
}

std::vector<TRect> TRegion::Rectangles() const {
  std::vector<TRect> Result;
  Result.reserve(RectCount());
  ForEachRectIn(FBox, [&Result](const TRect& R) { Result.push_back(R); });
  return Result;
}

std::size_t TRegion::FirstSpanEndingAfter(const TBand& ABand, int AX) const {
  std::size_t Low = BandStart(ABand) / 2, High = ABand.End / 2;
  while (Low < High) {
    const std::size_t Middle = Low + (High - Low) / 2;
    if (FXs[2 * Middle + 1] > AX)
      High = Middle;
    else
      Low = Middle + 1;
  }
  return 2 * Low;
}

bool TRegion::Contains(const TPoint& APoint) const {
  auto Band = std::partition_point(FBands.begin(), FBands.end(),
                                   [&](const TBand& B) { return B.Bottom <= APoint.Y; });
  if (Band == FBands.end() || Band->Top > APoint.Y) return false;
  const std::size_t I = FirstSpanEndingAfter(*Band, APoint.X);
  return I < Band->End && FXs[I] <= APoint.X;
}

bool TRegion::Intersects(const TRect& ARect) const {
  TRect Overlap;
  if (!IntersectRect(Overlap, FBox, ARect)) return false;
  auto Band = std::partition_point(FBands.begin(), FBands.end(),
                                   [&](const TBand& B) { return B.Bottom <= Overlap.Top; });
  for (; Band != FBands.end() && Band->Top < Overlap.Bottom; ++Band) {
    const std::size_t I = FirstSpanEndingAfter(*Band, Overlap.Left);
    if (I < Band->End && FXs[I] < Overlap.Right) return true;
  }
  return false;
}

bool TRegion::Offset(int ADX, int ADY) {
  if (IsEmpty()) return true;
  auto Fits = [](int64_t AValue) { return AValue >= INT_MIN && AValue <= INT_MAX; };
  if (!Fits(int64_t{FBox.Left} + ADX) || !Fits(int64_t{FBox.Right} + ADX) || !Fits(int64_t{FBox.Top} + ADY) ||
      !Fits(int64_t{FBox.Bottom} + ADY))
    return false;
  for (TBand& Band : FBands) {
    Band.Top += ADY;
    Band.Bottom += ADY;
  }
  for (int& X : FXs) X += ADX;
  OffsetRect(FBox, ADX, ADY);
  return true;
}

bool TRegionBuilder::CanAppend(const TRect& ARect) const {
  if (IsRectEmpty(ARect) || FRegion.FBands.empty()) return true;
  const TRegion::TBand& Last = FRegion.FBands.back();
  if (ARect.Top == Last.Top && ARect.Bottom == Last.Bottom) return ARect.Left >= FRegion.FXs.back();
  return ARect.Top >= Last.Bottom;
}

void TRegionBuilder::Append(const TRect& ARect) {
  if (IsRectEmpty(ARect)) return;
  Assert(CanAppend(ARect));
  auto& Bands = FRegion.FBands;
  auto& Xs = FRegion.FXs;
  if (!Bands.empty() && ARect.Top == Bands.back().Top && ARect.Bottom == Bands.back().Bottom) {
    if (ARect.Left == Xs.back()) {
      Xs.back() = ARect.Right;
      return;
    }
  } else {
    CloseBand();
    Bands.push_back({ARect.Top, ARect.Bottom, Xs.size()});
  }
  Xs.push_back(ARect.Left);
  Xs.push_back(ARect.Right);
  Bands.back().End = Xs.size();
}

void TRegionBuilder::CloseBand() {
  auto& Bands = FRegion.FBands;
  if (Bands.size() < 2) return;
  TRegion::TBand& Above = Bands[Bands.size() - 2];
  const TRegion::TBand& Last = Bands.back();
  if (Above.Bottom != Last.Top) return;
  const auto Xs = FRegion.FXs.begin();
  const std::size_t AboveStart = FRegion.BandStart(Above);
  if (Above.End - AboveStart != Last.End - Above.End ||
      !std::equal(Xs + AboveStart, Xs + Above.End, Xs + Above.End))
    return;
  Above.Bottom = Last.Bottom;
  FRegion.FXs.resize(Above.End);
  Bands.pop_back();
}

TRegion TRegionBuilder::Build() {
  CloseBand();
  TRegion Result = std::move(FRegion);
  FRegion = TRegion();
  if (Result.IsEmpty()) return Result;
  TRect& Box = Result.FBox;
  Box = {INT_MAX, Result.FBands.front().Top, INT_MIN, Result.FBands.back().Bottom};
  for (const TRegion::TBand& Band : Result.FBands) {
    Box.Left = std::min(Box.Left, Result.FXs[Result.BandStart(Band)]);
    Box.Right = std::max(Box.Right, Result.FXs[Band.End - 1]);
  }
  return Result;
}
