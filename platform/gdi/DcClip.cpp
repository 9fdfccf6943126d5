// The clip-region calls of device contexts.

#include <algorithm>

#include "platform/gdi/DeviceContext.h"

namespace {

// The clip region of ADC, or the whole bitmap when it has none (device coordinates).
TRegion CurrentClip(const TDeviceContext& ADC) {
  return ADC.State().Clip ? *ADC.State().Clip : TRegion(ADC.DeviceBounds());
}

// A logical rectangle in device coordinates, corners put in order first.
TRect LogicalToDevice(const TDeviceContext& ADC, int ALeft, int ATop, int ARight, int ABottom) {
  const TPoint Origin = ADC.DeviceOrigin();
  TRect R = ADC.LogicalToSurface(Rect(std::min(ALeft, ARight), std::min(ATop, ABottom),
                                      std::max(ALeft, ARight), std::max(ATop, ABottom)));
  OffsetRect(R, -Origin.X, -Origin.Y);
  return R;
}

int CombineClip(TDeviceContext& ADC, const TRect& ADeviceRect, TRegionOperation AOperation) {
  TRegion Clip = TRegion::Combine(CurrentClip(ADC), TRegion(ADeviceRect), AOperation);
  const int Kind = RegionKind(Clip);
  ADC.SetClip(std::move(Clip));
  return Kind;
}

}  // namespace

int SelectClipRgn(HDC ADC, HRGN ARegion) {
  if (!ADC) return ERROR;
  if (!ARegion) {
    ADC->SetClip(std::nullopt);
    return SIMPLEREGION;
  }
  ADC->SetClip(ARegion->Region);
  return RegionKind(ARegion->Region);
}

int IntersectClipRect(HDC ADC, int ALeft, int ATop, int ARight, int ABottom) {
  if (!ADC) return ERROR;
  return CombineClip(*ADC, LogicalToDevice(*ADC, ALeft, ATop, ARight, ABottom), roAnd);
}

int ExcludeClipRect(HDC ADC, int ALeft, int ATop, int ARight, int ABottom) {
  if (!ADC) return ERROR;
  return CombineClip(*ADC, LogicalToDevice(*ADC, ALeft, ATop, ARight, ABottom), roDiff);
}

int GetClipBox(HDC ADC, RECT* ARect) {
  if (!ADC || !ARect) return ERROR;
  const TRegion& Visible = ADC->VisibleRegion();
  if (Visible.IsEmpty()) {
    *ARect = {};
    return NULLREGION;
  }
  const TPoint TopLeft = ADC->SurfaceToLogical(Visible.Box().TopLeft());
  *ARect = Bounds(TopLeft.X, TopLeft.Y, Visible.Box().Width(), Visible.Box().Height());
  return RegionKind(Visible);
}

int GetClipRgn(HDC ADC, HRGN ARegion) {
  if (!ADC || !ARegion) return -1;
  if (!ADC->State().Clip) return 0;
  ARegion->Region = *ADC->State().Clip;
  return 1;
}

bool RectVisible(HDC ADC, const RECT* ARect) {
  if (!ADC || !ARect) return false;
  const TRect R =
      ADC->LogicalToSurface(Rect(std::min(ARect->Left, ARect->Right), std::min(ARect->Top, ARect->Bottom),
                                 std::max(ARect->Left, ARect->Right), std::max(ARect->Top, ARect->Bottom)));
  return ADC->VisibleRegion().Intersects(R);
}
