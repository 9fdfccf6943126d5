#pragma once
// Points, sizes and rectangles with the window system's rules: a rectangle includes
// its left and top edges and excludes its right and bottom edges.

#include <cstdint>

struct TPoint {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

using POINT = TPoint;
using SIZE = TSize;
using RECT = TRect;

constexpr TPoint Point(int AX, int AY) { return {AX, AY}; }
constexpr TRect Rect(int ALeft, int ATop, int ARight, int ABottom) { return {ALeft, ATop, ARight, ABottom}; }
constexpr TRect Bounds(int ALeft, int ATop, int AWidth, int AHeight) {
  return {ALeft, ATop, ALeft + AWidth, ATop + AHeight};
}

// True when the rectangle has no area (right <= left or bottom <= top).
constexpr bool IsRectEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }
constexpr bool EqualRect(const TRect& A, const TRect& B) { return A == B; }
constexpr bool PtInRect(const TRect& R, const TPoint& P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

// The overlap of A and B in ADest; false (and an all-zero ADest) when they don't overlap.
bool IntersectRect(TRect& ADest, const TRect& A, const TRect& B);
// The smallest rectangle holding both; an empty rectangle contributes nothing.
bool UnionRect(TRect& ADest, const TRect& A, const TRect& B);
void OffsetRect(TRect& R, int ADX, int ADY);
void InflateRect(TRect& R, int ADX, int ADY);
void SetRect(TRect& R, int ALeft, int ATop, int ARight, int ABottom);
void SetRectEmpty(TRect& R);

// ANumber * ANumerator / ADenominator with a 64-bit intermediate, rounding halves away
// from zero; -1 for a zero denominator or a result outside 32 bits.
int MulDiv(int ANumber, int ANumerator, int ADenominator);
