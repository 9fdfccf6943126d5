#pragma once
// What the placement of a skinned form shares: coordinates computed in 64 bits and held
// inside the integer range, so a far-off position saturates instead of overflowing.

#include <algorithm>
#include <climits>

inline int SaturatedCoordinate(long long AValue) {
  return static_cast<int>(std::clamp<long long>(AValue, INT_MIN, INT_MAX));
}
