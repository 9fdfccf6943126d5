#pragma once
// A region is a set of pixels kept as banded rectangles: horizontal bands, sorted from
// top to bottom and never overlapping, each holding the x-spans of its rows, sorted from
// left to right, disjoint and never touching. Bands that touch vertically never carry
// the same spans (they are merged into one), and no band is empty. This form is unique
// for every pixel set, so two regions are equal exactly when their bands are, and every
// operation is a merge of sorted lists that runs in time linear in the sizes involved.
// A window region of a skinned form may hold thousands of rectangles.

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/base/InlineVector.h"
#include "platform/gdi/Geometry.h"

enum TRegionOperation { roAnd, roOr, roXor, roDiff };

class TRegion {
 public:
  TRegion() = default;
  // The region of one rectangle; empty when the rectangle is.
  explicit TRegion(const TRect& ARect);

  // The union of any rectangles in any order, overlapping or not; empty rectangles are
  // skipped. Rectangles in banded order (as a mask scan yields them) are taken in one
  // pass; out-of-order runs are united pairwise, so the cost stays near-linear.
  static TRegion FromRects(const TRect* ARects, std::size_t ACount);
  static TRegion Combine(const TRegion& A, const TRegion& B, TRegionOperation AOperation);

  bool IsEmpty() const { return FBands.empty(); }
  // True when the region is exactly one non-empty rectangle.
  bool IsRectangle() const { return FXs.size() == 2; }
  // The smallest rectangle holding the region; all zero when the region is empty.
  const TRect& Box() const { return FBox; }
  std::size_t RectCount() const { return FXs.size() / 2; }
  // The rectangles of the region, band by band from the top, left to right in a band.
  std::vector<TRect> Rectangles() const;

  // Left and top edges belong to the region, right and bottom edges do not.
  bool Contains(const TPoint& APoint) const;
  // True when any pixel of ARect lies in the region.
  bool Intersects(const TRect& ARect) const;

  // Moves the region by (ADX, ADY). Returns false and leaves the region unchanged when a
  // coordinate would leave the range of int.
  bool Offset(int ADX, int ADY);

  // Calls AVisit(const TRect&) for each rectangle of the region cut to AClip, band by
  // band from the top; the bands above and below AClip are skipped without a walk, so
  // clipping a small drawing to a large region stays cheap.
  template <typename TVisit>
  void ForEachRectIn(const TRect& AClip, TVisit&& AVisit) const {
    if (IsRectEmpty(AClip)) return;
    auto Band = std::partition_point(FBands.begin(), FBands.end(),
                                     [&](const TBand& B) { return B.Bottom <= AClip.Top; });
    for (; Band != FBands.end() && Band->Top < AClip.Bottom; ++Band) {
      const int Top = std::max(Band->Top, AClip.Top);
      const int Bottom = std::min(Band->Bottom, AClip.Bottom);
      const std::size_t End = Band->End;
      for (std::size_t I = FirstSpanEndingAfter(*Band, AClip.Left); I < End && FXs[I] < AClip.Right; I += 2)
        AVisit(TRect{std::max(FXs[I], AClip.Left), Top, std::min(FXs[I + 1], AClip.Right), Bottom});
    }
  }

  friend bool operator==(const TRegion&, const TRegion&) = default;

 private:
  friend class TRegionBuilder;

  // A band covers the rows Top to Bottom (exclusive); its spans are the x pairs of FXs
  // from the previous band's End (or 0) up to its own End.
  struct TBand {
    int Top = 0;
    int Bottom = 0;
    std::size_t End = 0;
    friend bool operator==(const TBand&, const TBand&) = default;
  };

  std::size_t BandStart(const TBand& ABand) const { return &ABand == FBands.data() ? 0 : (&ABand - 1)->End; }
  // The index in FXs of the band's first span whose right edge lies beyond AX, or the
  // band's End when there is none.
  std::size_t FirstSpanEndingAfter(const TBand& ABand, int AX) const;

  // Room inside for two bands and two spans: most regions are a rectangle or two.
  TInlineVector<TBand, 2> FBands;
  TInlineVector<int, 4> FXs;
  TRect FBox;
};

// Builds a region from rectangles arriving in banded order, as a mask scan yields them:
// row after row from the top, left to right within a row. Rectangles of one band that
// touch are joined, and a band whose spans equal those of the band just above it extends
// that band, so a mask scanned one pixel row at a time ends as few tall rectangles.
class TRegionBuilder {
 public:
  // True when ARect may follow what was appended so far: in the current band (same top
  // and bottom) at or right of its last span, or starting at or below the current band's
  // bottom. An empty rectangle always may (it is skipped).
  bool CanAppend(const TRect& ARect) const;
  // Appends ARect; raises EAssertionFailed when CanAppend(ARect) is false.
  void Append(const TRect& ARect);
  // Hands over the region built so far and starts again from empty.
  TRegion Build();

 private:
  // Merges the last band into the one above it when they touch and carry equal spans.
  void CloseBand();

  TRegion FRegion;
};
