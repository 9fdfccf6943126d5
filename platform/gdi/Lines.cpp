// Lines: the current position, LineTo and polylines.

#include <vector>

#include "platform/gdi/Primitives.h"
#include "platform/gdi/StrokesInternal.h"

namespace {

std::vector<TPoint> ToSurface(const TDeviceContext& ADC, const POINT* APoints, std::size_t ACount) {
  std::vector<TPoint> Result(ACount);
  for (std::size_t I = 0; I < ACount; ++I) Result[I] = ADC.LogicalToSurface(APoints[I]);
  return Result;
}

}  // namespace

bool MoveToEx(HDC ADC, int AX, int AY, POINT* AOldPosition) {
  if (!ADC) return false;
  if (AOldPosition) *AOldPosition = ADC->State().CurrentPosition;
  ADC->SetCurrentPosition({AX, AY});
  return true;
}

bool LineTo(HDC ADC, int AX, int AY) {
  if (!ADC) return false;
  const TPoint Ends[2] = {ADC->LogicalToSurface(ADC->State().CurrentPosition),
                          ADC->LogicalToSurface(Point(AX, AY))};
  StrokePolyline(*ADC, Ends, 2, false);
  ADC->SetCurrentPosition({AX, AY});
  return true;
}

bool Polyline(HDC ADC, const POINT* APoints, int ACount) {
  if (!ADC || !APoints || ACount < 2) return false;
  const std::vector<TPoint> Points = ToSurface(*ADC, APoints, std::size_t(ACount));
  StrokePolyline(*ADC, Points.data(), Points.size(), false);
  return true;
}

bool PolyPolyline(HDC ADC, const POINT* APoints, const uint32_t* ACounts, uint32_t APolylineCount) {
  if (!ADC || !APoints || !ACounts) return false;
  for (uint32_t I = 0; I < APolylineCount; ++I)
    if (ACounts[I] < 2) return false;
  for (uint32_t I = 0; I < APolylineCount; APoints += ACounts[I], ++I) {
    const std::vector<TPoint> Points = ToSurface(*ADC, APoints, ACounts[I]);
    StrokePolyline(*ADC, Points.data(), Points.size(), false);
  }
  return true;
}
