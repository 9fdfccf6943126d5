// Texts of durations, time stamps and the time zone; Unix time as a local date and time.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "Src/FFUtils.h"
#include "tests/platform/base/ScopedEnvironment.h"

namespace {

TEST(DurationTextTest, HoursMinutesSecondsAndMilliseconds) {
  struct Case {
    int64_t Microseconds;
    const char* Text;
  };
  for (const Case& C : {Case{3723004000LL, "01:02:03.004"}, Case{360000000000LL, "100:00:00.000"},
                        Case{AV_NOPTS_VALUE, "N/A"}, Case{0, "00:00:00.000"}, Case{999, "00:00:00.000"},
                        Case{59999999, "00:00:59.999"}, Case{-1500000, "-00:00:01.500"}})
    EXPECT_EQ(DurationToText(C.Microseconds), C.Text) << C.Microseconds;
}

TEST(TimestampTextTest, RescalesFromTheTimeBase) {
  ASSERT_TRUE(FFLoader().Load(avUtil)) << FFLoader().LastErrMsg();
  EXPECT_EQ(TimestampToText(90000, {1, 90000}), "00:00:01.000");
  EXPECT_EQ(TimestampToText(90000, {1, 1000000}), "00:00:00.090");
  EXPECT_EQ(TimestampToText(90000, {2, 2000000}), "00:00:00.090");
  EXPECT_EQ(TimestampToText(3003, {1001, 30000}), "00:01:40.200");
  EXPECT_EQ(TimestampToText(AV_NOPTS_VALUE, {1, 90000}), "N/A");
}

TEST(TimeZoneTextTest, BaseBiasOfTheZone) {
  struct Case {
    const char* Zone;  // POSIX zones: the offset is hours west of UTC, i.e. the bias
    const char* Text;
    double Offset;  // of local time from UTC, in days
  };
  for (const Case& C : {Case{"UTC0", "UTC", 0.0}, Case{"XXX-1", "UTC-01:00", 1.0 / 24},
                        Case{"XXX5:30", "UTC+05:30", -5.5 / 24},
                        // Daylight saving time never counts, also when in force all year.
                        Case{"CET-1CEST,J1/0,J365/25", "UTC-01:00", 1.0 / 24}}) {
    ScopedEnvironment Environment;
    Environment.Set("TZ", C.Zone);
    EXPECT_EQ(TimeZoneText(), C.Text) << C.Zone;
    EXPECT_DOUBLE_EQ(LocalTimeOffset(), C.Offset) << C.Zone;
  }
}

TEST(TimeZoneTextTest, UnixTimeAsLocalDateTime) {
  ScopedEnvironment Environment;
  Environment.Set("TZ", "UTC0");
  EXPECT_DOUBLE_EQ(UnixTimeToLocalDateTime(0), 25569.0);
  EXPECT_DOUBLE_EQ(UnixTimeToLocalDateTime(86400 + 43200), 25570.5);
  Environment.Set("TZ", "XXX-6");
  EXPECT_DOUBLE_EQ(UnixTimeToLocalDateTime(0), 25569.25);
}

}  // namespace
