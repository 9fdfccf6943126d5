#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/PaintingInternal.h"
#include "platform/gdi/PixelOpsInternal.h"
#include "platform/gdi/StrokesInternal.h"

namespace {

// Crossings nearer than this to a pixel position count as on it, so that polygons
// with integer corners fill exactly despite rounding in the division.
constexpr double kEdgeTolerance = 1e-7;

// Paints the pixels of 1-pixel lines, joining neighbouring pixels of one row and one
// colour into a span so that horizontal lines cost one clipped fill.
class TLinePainter {
 public:
  explicit TLinePainter(const TDeviceContext& ADC) : FDC(ADC) {
    const TDeviceContext::TState& State = ADC.State();
    FPen = ColorRefToPixel(State.Pen->Color());
    FGap = ColorRefToPixel(State.BkColor);
    FDrawsGaps = State.BkMode == OPAQUE;
    FStyle = State.Pen->LineStyle();
  }
  ~TLinePainter() { Flush(); }

  // Every pixel from AFrom towards ATo, ATo itself left out, by the midpoint rule:
  // pixel i (0 ≤ i < L, L the longer side) lies i steps along the longer side and
  // floor((2 × m × i + L) / (2 × L)) along the shorter one (m its length). Only the
  // steps that can reach the visible area are walked, so a line of any length costs no
  // more than the visible part; the style pattern counts every step all the same.
  void Line(TPoint AFrom, TPoint ATo) {
    const long long DX = (long long)ATo.X - AFrom.X, DY = (long long)ATo.Y - AFrom.Y;
    const bool XMajor = std::llabs(DX) >= std::llabs(DY);
    const long long Long = XMajor ? std::llabs(DX) : std::llabs(DY);
    const long long Short = XMajor ? std::llabs(DY) : std::llabs(DX);
    const int SX = DX < 0 ? -1 : 1, SY = DY < 0 ? -1 : 1;
    const TRect& Box = FDC.VisibleRegion().Box();
    long long First = 0, End = Long;
    if (!IsRectEmpty(Box)) {
      // The steps whose coordinate along the longer side lies inside the box.
      const long long Start = XMajor ? AFrom.X : AFrom.Y, Step = XMajor ? SX : SY;
      const long long Low = XMajor ? Box.Left : Box.Top, High = (XMajor ? Box.Right : Box.Bottom) - 1;
      const long long A = (Low - Start) * Step, B = (High - Start) * Step;
      First = std::max(First, std::min(A, B));
      End = std::min(End, std::max(A, B) + 1);
    } else {
      First = End;
    }
    for (long long I = First; I < End; ++I) {
      // 128 bits: the product overflows 64 bits for lines spanning the whole int range.
      const long long Minor = (long long)((__int128(2) * Short * I + Long) / (__int128(2) * Long));
      const long long X = AFrom.X + SX * (XMajor ? I : Minor), Y = AFrom.Y + SY * (XMajor ? Minor : I);
      Plot(int(X), int(Y), FIndex + I);
    }
    FIndex += Long;
  }

 private:
  static constexpr int kNothing = 0, kPen = 1, kGap = 2;

  // One pixel of the line, number AIndex of its style pattern, which decides whether
  // it takes the pen colour, the background colour or nothing.
  void Plot(int AX, int AY, long long AIndex) {
    const bool IsOn = FStyle == PS_DOT ? AIndex % 2 == 0 : FStyle == PS_DASH ? AIndex % 8 < 6 : true;
    const int Kind = IsOn ? kPen : FDrawsGaps ? kGap : kNothing;
    if (FRunLength > 0 && AY == FRunY && Kind == FRunKind) {
      if (AX == FRunStart + FRunLength) {
        ++FRunLength;
        return;
      }
      if (AX == FRunStart - 1) {
        --FRunStart;
        ++FRunLength;
        return;
      }
    }
    Flush();
    FRunY = AY;
    FRunStart = AX;
    FRunLength = 1;
    FRunKind = Kind;
  }

  void Flush() {
    if (FRunLength > 0 && FRunKind != kNothing)
      PaintRect(FDC, Bounds(FRunStart, FRunY, FRunLength, 1), FRunKind == kPen ? FPen : FGap,
                FDC.State().Rop2);
    FRunLength = 0;
  }

  const TDeviceContext& FDC;
  uint32_t FPen = 0;
  uint32_t FGap = 0;
  bool FDrawsGaps = false;
  uint32_t FStyle = PS_SOLID;
  long long FIndex = 0;
  int FRunY = 0;
  int FRunStart = 0;
  int FRunLength = 0;
  int FRunKind = kNothing;
};

// The quadrilateral a pen of AWidth sweeps from AFrom to ATo; flat ends stop at the
// end points, other ends reach half the width beyond them. A zero-length segment gives
// the pen's square, or nothing with flat ends.
std::vector<TRect> SweptSegment(TPoint AFrom, TPoint ATo, int AWidth, bool AFlatEnds, const TRect& ALimit) {
  const double Half = AWidth / 2.0;
  double DX = double(ATo.X) - AFrom.X, DY = double(ATo.Y) - AFrom.Y;
  const double Length = std::hypot(DX, DY);
  if (Length == 0) {
    if (AFlatEnds) return {};
    DX = 1;
    DY = 0;
  } else {
    DX /= Length;
    DY /= Length;
  }
  const double Extend = AFlatEnds ? 0 : Half;
  const TPointF Start{AFrom.X - DX * Extend, AFrom.Y - DY * Extend};
  const TPointF End{ATo.X + DX * Extend, ATo.Y + DY * Extend};
  const TPointF Normal{-DY * Half, DX * Half};
  const TPointF Corners[4] = {{Start.X + Normal.X, Start.Y + Normal.Y},
                              {End.X + Normal.X, End.Y + Normal.Y},
                              {End.X - Normal.X, End.Y - Normal.Y},
                              {Start.X - Normal.X, Start.Y - Normal.Y}};
  return PolygonSpans(Corners, 4, ALimit);
}

}  // namespace

std::vector<TRect> PolygonSpans(const TPointF* APoints, std::size_t ACount, const TRect& ALimit) {
  std::vector<TRect> Spans;
  if (ACount < 3) return Spans;
  double Top = APoints[0].Y, Bottom = APoints[0].Y;
  for (std::size_t I = 1; I < ACount; ++I) {
    Top = std::min(Top, APoints[I].Y);
    Bottom = std::max(Bottom, APoints[I].Y);
  }
  const int FirstRow = int(std::max<double>(std::ceil(Top - kEdgeTolerance), ALimit.Top));
  const int EndRow = int(std::min<double>(std::ceil(Bottom - kEdgeTolerance), ALimit.Bottom));
  std::vector<double> Crossings;
  for (int Y = FirstRow; Y < EndRow; ++Y) {
    Crossings.clear();
    for (std::size_t I = 0; I < ACount; ++I) {
      const TPointF& A = APoints[I];
      const TPointF& B = APoints[(I + 1) % ACount];
      // Half-open in y, so a vertex shared by two edges is counted once.
      if ((A.Y <= Y && Y < B.Y) || (B.Y <= Y && Y < A.Y))
        Crossings.push_back(A.X + (Y - A.Y) * (B.X - A.X) / (B.Y - A.Y));
    }
    std::sort(Crossings.begin(), Crossings.end());
    for (std::size_t I = 0; I + 1 < Crossings.size(); I += 2) {
      const int Left = int(std::max<double>(std::ceil(Crossings[I] - kEdgeTolerance), ALimit.Left));
      const int Right = int(std::min<double>(std::ceil(Crossings[I + 1] - kEdgeTolerance), ALimit.Right));
      if (Left < Right) Spans.push_back({Left, Y, Right, Y + 1});
    }
  }
  return Spans;
}

void StrokePolyline(const TDeviceContext& ADC, const TPoint* APoints, std::size_t ACount, bool AClosed) {
  const HPEN Pen = ADC.State().Pen;
  if (!Pen || Pen->IsNull() || ACount == 0) return;
  const std::size_t Segments = AClosed ? ACount : ACount - 1;
  if (Pen->Width() <= 1) {
    TLinePainter Painter(ADC);
    for (std::size_t I = 0; I < Segments; ++I) Painter.Line(APoints[I], APoints[(I + 1) % ACount]);
    return;
  }
  std::vector<TRect> Spans;
  for (std::size_t I = 0; I < Segments; ++I) {
    const std::vector<TRect> Segment = SweptSegment(APoints[I], APoints[(I + 1) % ACount], Pen->Width(),
                                                    Pen->HasFlatEnds(), ADC.VisibleRegion().Box());
    Spans.insert(Spans.end(), Segment.begin(), Segment.end());
  }
  PaintRegion(ADC, TRegion::FromRects(Spans.data(), Spans.size()), ColorRefToPixel(Pen->Color()),
              ADC.State().Rop2);
}
