#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/base/ScopeExit.h"

TEST(ScopeExit, RunsOnReturnAndOnExceptionButNotWhenDismissed) {
  int runs = 0;
  {
    ScopeExit count([&] { ++runs; });
  }
  EXPECT_EQ(runs, 1);

  EXPECT_THROW(
      {
        ScopeExit count([&] { ++runs; });
        throw std::runtime_error("fails half way");
      },
      std::runtime_error);
  EXPECT_EQ(runs, 2);

  {
    ScopeExit count([&] { ++runs; });
    count.Dismiss();
  }
  EXPECT_EQ(runs, 2);
}
