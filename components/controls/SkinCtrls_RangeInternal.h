#pragma once
// Value arithmetic shared by the gauge, the track bar and the scroll bar: fractions of a
// range, rounding, and steps that saturate at the ends of the integer range instead of
// overflowing inside a key, wheel or timer handler. Stateless.

#include <climits>
#include <cmath>

// V kept inside AMin..AMax (above the maximum gives the maximum, below the minimum the
// minimum); the maximum is tested first, as the setters do, so an inverted range gives
// the minimum.
inline int ClampToRange(int V, int AMin, int AMax) {
  if (V > AMax) V = AMax;
  if (V < AMin) V = AMin;
  return V;
}

// A + B, held at INT_MIN or INT_MAX where the sum leaves the integer range (B is wide,
// so that a negated INT_MIN is a step too).
inline int SaturatedSum(int A, long long B) {
  const long long Sum = A + B;
  if (Sum > INT_MAX) return INT_MAX;
  if (Sum < INT_MIN) return INT_MIN;
  return static_cast<int>(Sum);
}

// (V - AMin) / (AMax - AMin) in floating point; 0 for an empty range.
inline double RangeFraction(int V, int AMin, int AMax) {
  if (AMax == AMin) return 0.0;
  return (static_cast<double>(V) - AMin) / (static_cast<double>(AMax) - AMin);
}

// AMin + Round(ASpan × AFraction), the rounding to the nearest integer with halves to
// even (the current rounding mode, which the program never changes), held inside the
// integer range.
inline int OffsetByRoundedShare(int AMin, double ASpan, double AFraction) {
  const double Share = std::nearbyint(ASpan * AFraction);
  const double Sum = static_cast<double>(AMin) + Share;
  if (!(Sum < static_cast<double>(INT_MAX))) return INT_MAX;
  if (Sum < static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(Sum);
}

// Round(AValue), halves to even, held inside the integer range.
inline int RoundHalfEven(double AValue) { return OffsetByRoundedShare(0, AValue, 1.0); }

// The value at the distance ADistance along a travel of ATravel pixels: the fraction
// clamped to 0..1 (0 for no travel), then AMin + Round(ASpan × fraction).
inline int ValueAtDistance(int ADistance, int ATravel, int AMin, double ASpan) {
  double Fraction = ATravel > 0 ? static_cast<double>(ADistance) / ATravel : 0.0;
  Fraction = std::fmin(std::fmax(Fraction, 0.0), 1.0);
  return OffsetByRoundedShare(AMin, ASpan, Fraction);
}
