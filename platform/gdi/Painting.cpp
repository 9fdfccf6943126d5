#include <algorithm>

#include "platform/gdi/PaintingInternal.h"
#include "platform/gdi/PixelOpsInternal.h"

TRect OrderedRect(int ALeft, int ATop, int ARight, int ABottom) {
  return {std::min(ALeft, ARight), std::min(ATop, ABottom), std::max(ALeft, ARight), std::max(ATop, ABottom)};
}

void PaintRect(const TDeviceContext& ADC, const TRect& ASurfaceRect, uint32_t APixel, int ARop2) {
  const TSurface& Surface = ADC.Surface();
  ADC.ForEachVisibleRect(ASurfaceRect, [&](const TRect& R) {
    for (int Y = R.Top; Y < R.Bottom; ++Y) PaintSpan(Surface, Y, R.Left, R.Right, APixel, ARop2);
  });
}

void PaintRegion(const TDeviceContext& ADC, const TRegion& ASurfaceRegion, uint32_t APixel, int ARop2) {
  for (const TRect& R : ASurfaceRegion.Rectangles()) PaintRect(ADC, R, APixel, ARop2);
}
