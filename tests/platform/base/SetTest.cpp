#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Set.h"

namespace {

enum TColorChannel { ccRed, ccGreen, ccBlue, ccAlpha };
enum TWideEnum { weFirst = 0, weLast = 63, weTooFar = 64 };

using TChannels = TSet<TColorChannel>;

std::vector<TColorChannel> Members(TChannels ASet) { return {ASet.begin(), ASet.end()}; }

}  // namespace

TEST(TSet, IncludeExcludeContains) {
  TChannels Set;
  EXPECT_TRUE(Set.Empty());
  Set.Include(ccBlue);
  Set.Include(ccBlue);
  EXPECT_TRUE(Set.Contains(ccBlue));
  EXPECT_FALSE(Set.Contains(ccRed));
  Set.Exclude(ccBlue);
  Set.Exclude(ccGreen);
  EXPECT_TRUE(Set.Empty());
}

TEST(TSet, OperatorsAreUnionDifferenceIntersection) {
  const TChannels RedGreen{ccRed, ccGreen}, GreenBlue{ccGreen, ccBlue};
  EXPECT_EQ((TChannels{ccRed, ccGreen, ccBlue}), RedGreen + GreenBlue);
  EXPECT_EQ(TChannels{ccRed}, RedGreen - GreenBlue);
  EXPECT_EQ(TChannels{ccGreen}, RedGreen * GreenBlue);
  EXPECT_TRUE((RedGreen * TChannels{ccAlpha}).Empty());
  EXPECT_NE(RedGreen, GreenBlue);
}

TEST(TSet, IteratesInOrdinalOrder) {
  EXPECT_EQ((std::vector<TColorChannel>{ccRed, ccBlue, ccAlpha}), Members({ccAlpha, ccRed, ccBlue}));
  EXPECT_TRUE(Members({}).empty());
}

TEST(TSet, HoldsOrdinalsUpTo63AndRejectsLarger) {
  TSet<TWideEnum> Set{weLast, weFirst};
  EXPECT_TRUE(Set.Contains(weLast));
  EXPECT_EQ((std::vector<TWideEnum>{weFirst, weLast}), std::vector<TWideEnum>(Set.begin(), Set.end()));
  EXPECT_THROW(Set.Include(weTooFar), EAssertionFailed);
}
