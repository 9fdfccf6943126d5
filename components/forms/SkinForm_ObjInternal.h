#pragma once
// What the frame objects with values share: their values kept within the limits in
// wide arithmetic, the pictures of the skin's picture list and their parts copied out.

#include <algorithm>
#include <cstdint>

#include "components/core/SkinData.h"

// AValue within AMin..AMax; a skin that gives AMax below AMin keeps AMin.
inline int ClampObjectValue(int64_t AValue, int AMin, int AMax) {
  return int(std::clamp<int64_t>(AValue, AMin, std::max(AMin, AMax)));
}

// How far AValue lies from AMin towards AMax, 0 to 1; 0 for a range of one value.
inline double ObjectValueFraction(int AValue, int AMin, int AMax) {
  const int64_t Range = int64_t(AMax) - AMin;
  if (Range <= 0) return 0;
  return std::clamp(double(int64_t(AValue) - AMin) / double(Range), 0.0, 1.0);
}

// ATarget made a 32-bit bitmap of AWidth × AHeight holding ASource of APicture
// stretched.
inline void ObjectsStretchedLook(TBitmap& ATarget, int AWidth, int AHeight, TBitmap& APicture,
                                 const TRect& ASource) {
  ATarget.SetPixelFormat(pf32bit);
  ATarget.SetSize(AWidth, AHeight);
  ATarget.Canvas().CopyRect(Rect(0, 0, AWidth, AHeight), APicture.Canvas(), ASource);
}
