#include <gtest/gtest.h>

#include "platform/gdi/Geometry.h"

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  struct Case {
    int Number, Numerator, Denominator, Expected;
  };
  const Case Cases[] = {
      {5, 1, 2, 3},  {-5, 1, 2, -3}, {5, -1, 2, -3},  {7, 1, 3, 2},           {8, 1, 3, 3},
      {1, 1, 0, -1}, {10, 3, 4, 8},  {-10, 3, 4, -8}, {2000000000, 2, 1, -1}, {2000000000, 3, 3, 2000000000},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(C.Expected, MulDiv(C.Number, C.Numerator, C.Denominator))
        << C.Number << "*" << C.Numerator << "/" << C.Denominator;
}

TEST(Rectangles, IntersectAndUnionFollowTheWindowSystem) {
  TRect R;
  EXPECT_TRUE(IntersectRect(R, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
  EXPECT_EQ(Rect(5, 5, 10, 10), R);
  EXPECT_FALSE(IntersectRect(R, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));  // touching edges don't overlap
  EXPECT_EQ(TRect{}, R);
  EXPECT_TRUE(UnionRect(R, Rect(0, 0, 0, 0), Rect(2, 2, 4, 4)));
  EXPECT_EQ(Rect(2, 2, 4, 4), R);
  EXPECT_TRUE(UnionRect(R, Rect(0, 0, 1, 1), Rect(2, 2, 4, 4)));
  EXPECT_EQ(Rect(0, 0, 4, 4), R);
  EXPECT_TRUE(PtInRect(Rect(0, 0, 2, 2), Point(1, 1)));
  EXPECT_FALSE(PtInRect(Rect(0, 0, 2, 2), Point(2, 1)));
  EXPECT_EQ(Rect(1, 2, 4, 6), Bounds(1, 2, 3, 4));
  R = Rect(0, 0, 2, 2);
  InflateRect(R, 1, 2);
  OffsetRect(R, 1, 1);
  EXPECT_EQ(Rect(0, -1, 4, 5), R);
}
