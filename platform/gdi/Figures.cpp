// Filled and outlined figures: rectangles, ellipses and polygons.

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/PaintingInternal.h"
#include "platform/gdi/PixelOpsInternal.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/StrokesInternal.h"

namespace {

bool HasPen(const TDeviceContext& ADC) { return ADC.State().Pen && !ADC.State().Pen->IsNull(); }

uint32_t PenPixel(const TDeviceContext& ADC) { return ColorRefToPixel(ADC.State().Pen->Color()); }

void FillWithBrush(const TDeviceContext& ADC, const TRegion& ASurfaceRegion) {
  const HBRUSH Brush = ADC.State().Brush;
  if (Brush && !Brush->IsNull())
    PaintRegion(ADC, ASurfaceRegion, ColorRefToPixel(Brush->Color()), ADC.State().Rop2);
}

// The pixels of a figure, one span [Left, Right) per row from FirstRow on; a span with
// Left ≥ Right is an empty row.
struct TRowSpans {
  int FirstRow = 0;
  std::vector<std::pair<int, int>> Spans;

  std::pair<int, int> At(int AY) const {
    const int I = AY - FirstRow;
    return I >= 0 && I < int(Spans.size()) ? Spans[I] : std::pair<int, int>{0, 0};
  }
  TRegion ToRegion() const {
    std::vector<TRect> Rects;
    for (int I = 0; I < int(Spans.size()); ++I)
      if (Spans[I].first < Spans[I].second)
        Rects.push_back({Spans[I].first, FirstRow + I, Spans[I].second, FirstRow + I + 1});
    return TRegion::FromRects(Rects.data(), Rects.size());
  }
};

// The pixels whose centres lie in the ellipse inscribed in ABox, for the rows
// AFirstRow to AEndRow − 1.
TRowSpans EllipseSpans(const TRect& ABox, int AFirstRow, int AEndRow) {
  TRowSpans Result;
  Result.FirstRow = AFirstRow;
  const double CX = (ABox.Left + double(ABox.Right)) / 2, CY = (ABox.Top + double(ABox.Bottom)) / 2;
  const double RX = (double(ABox.Right) - ABox.Left) / 2, RY = (double(ABox.Bottom) - ABox.Top) / 2;
  for (int Y = AFirstRow; Y < AEndRow; ++Y) {
    const double DY = (Y + 0.5 - CY) / RY;
    std::pair<int, int> Span{0, 0};
    if (Y >= ABox.Top && Y < ABox.Bottom && DY * DY <= 1) {
      // The tolerance keeps pixels whose centres lie exactly on the ellipse.
      const double Half = RX * std::sqrt(1 - DY * DY) + 1e-9;
      Span = {int(std::ceil(CX - Half - 0.5)), int(std::floor(CX + Half - 0.5)) + 1};
    }
    Result.Spans.push_back(Span);
  }
  return Result;
}

// The pixels of AShape that have no neighbour (left, right, above, below) outside it.
TRowSpans Eroded(const TRowSpans& AShape) {
  TRowSpans Result;
  Result.FirstRow = AShape.FirstRow;
  for (int I = 0; I < int(AShape.Spans.size()); ++I) {
    const int Y = AShape.FirstRow + I;
    const auto [Left, Right] = AShape.At(Y);
    const auto Above = AShape.At(Y - 1), Below = AShape.At(Y + 1);
    if (Left >= Right || Above.first >= Above.second || Below.first >= Below.second) {
      Result.Spans.push_back({0, 0});
      continue;
    }
    Result.Spans.push_back(
        {std::max({Left + 1, Above.first, Below.first}), std::min({Right - 1, Above.second, Below.second})});
  }
  return Result;
}

}  // namespace

bool Rectangle(HDC ADC, int ALeft, int ATop, int ARight, int ABottom) {
  if (!ADC) return false;
  const TRect Box = ADC->LogicalToSurface(OrderedRect(ALeft, ATop, ARight, ABottom));
  if (!HasPen(*ADC)) {
    FillWithBrush(*ADC, TRegion(Rect(Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1)));
    return true;
  }
  const HPEN Pen = ADC->State().Pen;
  const int Width = Pen->Width();
  const TRect Inner = Rect(Box.Left + Width, Box.Top + Width, Box.Right - Width, Box.Bottom - Width);
  const TRegion InnerRegion = IsRectEmpty(Inner) ? TRegion() : TRegion(Inner);
  FillWithBrush(*ADC, InnerRegion);
  if (Width == 1 && Pen->LineStyle() != PS_SOLID) {
    const TPoint Corners[4] = {
        Box.TopLeft(), {Box.Right - 1, Box.Top}, {Box.Right - 1, Box.Bottom - 1}, {Box.Left, Box.Bottom - 1}};
    StrokePolyline(*ADC, Corners, 4, true);
    return true;
  }
  PaintRegion(*ADC, TRegion::Combine(TRegion(Box), InnerRegion, roDiff), PenPixel(*ADC), ADC->State().Rop2);
  return true;
}

bool Ellipse(HDC ADC, int ALeft, int ATop, int ARight, int ABottom) {
  if (!ADC) return false;
  TRect Box = ADC->LogicalToSurface(OrderedRect(ALeft, ATop, ARight, ABottom));
  const bool Outlined = HasPen(*ADC);
  if (!Outlined) {
    --Box.Right;
    --Box.Bottom;
  }
  const int Width = Outlined ? ADC->State().Pen->Width() : 0;
  // Only the visible rows are scanned, with the pen's width of rows around them so
  // that the outline's erosion sees the neighbours it needs.
  const TRect& Visible = ADC->VisibleRegion().Box();
  const int FirstRow = std::max(Box.Top, Visible.Top - Width),
            EndRow = std::min(Box.Bottom, Visible.Bottom + Width);
  if (FirstRow >= EndRow) return true;
  const TRowSpans Shape = EllipseSpans(Box, FirstRow, EndRow);
  TRowSpans Inside = Shape;
  for (int I = 0; I < Width; ++I) Inside = Eroded(Inside);
  const TRegion InsideRegion = Inside.ToRegion();
  FillWithBrush(*ADC, InsideRegion);
  if (Outlined)
    PaintRegion(*ADC, TRegion::Combine(Shape.ToRegion(), InsideRegion, roDiff), PenPixel(*ADC),
                ADC->State().Rop2);
  return true;
}

bool Polygon(HDC ADC, const POINT* APoints, int ACount) {
  if (!ADC || !APoints || ACount < 2) return false;
  std::vector<TPoint> Points(ACount);
  std::vector<TPointF> Corners(ACount);
  for (int I = 0; I < ACount; ++I) {
    Points[I] = ADC->LogicalToSurface(APoints[I]);
    Corners[I] = {double(Points[I].X), double(Points[I].Y)};
  }
  const HBRUSH Brush = ADC->State().Brush;
  if (Brush && !Brush->IsNull()) {
    const uint32_t Pixel = ColorRefToPixel(Brush->Color());
    for (const TRect& Span : PolygonSpans(Corners.data(), Corners.size(), ADC->VisibleRegion().Box()))
      PaintRect(*ADC, Span, Pixel, ADC->State().Rop2);
  }
  StrokePolyline(*ADC, Points.data(), Points.size(), true);
  return true;
}
