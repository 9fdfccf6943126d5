#include <gtest/gtest.h>

#include <ctime>

#include "platform/base/Clock.h"

TEST(Clock, CountersShareOneMonotonicClock) {
  const int64_t Before = MonotonicMicroseconds();
  const uint64_t Ticks = GetTickCount64();
  const uint32_t Ticks32 = GetTickCount();
  const int64_t After = MonotonicMicroseconds();
  EXPECT_LE(Before, After);
  EXPECT_LE(static_cast<uint64_t>(Before / 1000), Ticks);
  EXPECT_LE(Ticks, static_cast<uint64_t>(After / 1000));
  // The 32-bit counter is the low half of the 64-bit one, read a moment later.
  EXPECT_LE(static_cast<uint32_t>(Ticks32 - static_cast<uint32_t>(Ticks)),
            static_cast<uint32_t>(After / 1000 - Before / 1000));
}

TEST(Clock, SleepLastsAtLeastTheTimeAsked) {
  const int64_t Start = MonotonicMicroseconds();
  SleepMs(25);
  EXPECT_GE(MonotonicMicroseconds() - Start, 25000);
}

TEST(Clock, DateTimeCountsDaysFrom1899) {
  EXPECT_DOUBLE_EQ(25569.0, UnixToDateTime(0));
  EXPECT_DOUBLE_EQ(36526.0, UnixToDateTime(946684800));  // 2000-01-01 00:00
  EXPECT_EQ(946684800 + 43200, DateTimeToUnix(36526.5));
  EXPECT_EQ(-2209161600, DateTimeToUnix(0.0));  // 1899-12-30 00:00
}

TEST(Clock, NowIsTheLocalTime) {
  const time_t Before = time(nullptr);
  const int64_t NowSeconds = DateTimeToUnix(Now());
  const time_t After = time(nullptr);
  tm Local;
  localtime_r(&After, &Local);
  EXPECT_GE(NowSeconds, Before + Local.tm_gmtoff - 1);
  EXPECT_LE(NowSeconds, After + Local.tm_gmtoff + 1);
}
