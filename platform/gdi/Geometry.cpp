#include "platform/gdi/Geometry.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

bool IntersectRect(TRect& ADest, const TRect& A, const TRect& B) {
  TRect R{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom)};
  if (IsRectEmpty(R)) {
    ADest = {};
    return false;
  }
  ADest = R;
  return true;
}

bool UnionRect(TRect& ADest, const TRect& A, const TRect& B) {
  if (IsRectEmpty(A))
    ADest = B;
  else if (IsRectEmpty(B))
    ADest = A;
  else
    ADest = {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
             std::max(A.Bottom, B.Bottom)};
  if (IsRectEmpty(ADest)) {
    ADest = {};
    return false;
  }
  return true;
}

void OffsetRect(TRect& R, int ADX, int ADY) {
  R.Left += ADX;
  R.Right += ADX;
  R.Top += ADY;
  R.Bottom += ADY;
}

void InflateRect(TRect& R, int ADX, int ADY) {
  R.Left -= ADX;
  R.Right += ADX;
  R.Top -= ADY;
  R.Bottom += ADY;
}

void SetRect(TRect& R, int ALeft, int ATop, int ARight, int ABottom) { R = {ALeft, ATop, ARight, ABottom}; }
void SetRectEmpty(TRect& R) { R = {}; }

int MulDiv(int ANumber, int ANumerator, int ADenominator) {
  if (ADenominator == 0) return -1;
  long long Product = static_cast<long long>(ANumber) * ANumerator;
  long long Half = std::llabs(static_cast<long long>(ADenominator)) / 2;
  bool Negative = (Product < 0) != (ADenominator < 0);
  long long Quotient = (std::llabs(Product) + Half) / std::llabs(static_cast<long long>(ADenominator));
  if (Negative) Quotient = -Quotient;
  if (Quotient > INT_MAX || Quotient < INT_MIN) return -1;
  return static_cast<int>(Quotient);
}
