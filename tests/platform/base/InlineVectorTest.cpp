#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/base/InlineVector.h"

namespace {

using TSmall = TInlineVector<int, 2>;

std::vector<int> Items(const TSmall& AVector) { return {AVector.begin(), AVector.end()}; }

TSmall Counting(int ACount) {
  TSmall Result;
  for (int I = 0; I < ACount; ++I) Result.push_back(I);
  return Result;
}

// Sizes inside the inline room, at its edge and on the heap.
class InlineVectorSizes : public testing::TestWithParam<int> {};

TEST_P(InlineVectorSizes, CopiesAndMovesKeepTheElementsAndLeaveTheSourceUsable) {
  const int Count = GetParam();
  std::vector<int> Expected;
  for (int I = 0; I < Count; ++I) Expected.push_back(I);

  TSmall Source = Counting(Count);
  TSmall Copy(Source);
  EXPECT_EQ(Items(Copy), Expected);
  EXPECT_EQ(Copy, Source);
  Copy.push_back(99);  // the copy owns its storage
  EXPECT_EQ(Items(Source), Expected);

  TSmall Moved(std::move(Source));
  EXPECT_EQ(Items(Moved), Expected);
  EXPECT_TRUE(Source.empty());
  Source.push_back(7);
  EXPECT_EQ(Items(Source), std::vector<int>{7});

  TSmall Assigned = Counting(5);
  Assigned = Moved;
  EXPECT_EQ(Items(Assigned), Expected);
  TSmall MoveAssigned = Counting(1);
  MoveAssigned = std::move(Moved);
  EXPECT_EQ(Items(MoveAssigned), Expected);
  EXPECT_TRUE(Moved.empty());
}

INSTANTIATE_TEST_SUITE_P(Sizes, InlineVectorSizes, testing::Values(0, 1, 2, 3, 40));

TEST(InlineVectorTest, PushingItsOwnElementWhileGrowingCopiesTheValueFirst) {
  TSmall Vector{5, 6};
  Vector.push_back(Vector.front());
  Vector.push_back(Vector.back());
  EXPECT_EQ(Items(Vector), (std::vector<int>{5, 6, 5, 5}));
}

TEST(InlineVectorTest, ResizeShrinksOrFillsWithZeroAndComparesByElements) {
  TSmall Vector{1, 2, 3};
  Vector.resize(1);
  EXPECT_EQ(Items(Vector), std::vector<int>{1});
  Vector.resize(4);
  EXPECT_EQ(Items(Vector), (std::vector<int>{1, 0, 0, 0}));
  EXPECT_NE(Vector, (TSmall{1, 0, 0}));
  Vector = {8};
  EXPECT_EQ(Vector, TSmall{8});
  Vector.pop_back();
  EXPECT_TRUE(Vector.empty());
}

}  // namespace
