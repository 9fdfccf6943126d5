// Texts of durations, time stamps and the local time zone, and Unix time as a local
// date and time.

#include <cstdlib>
#include <ctime>

#include "Src/FFUtils.h"

String DurationToText(int64_t AMicroseconds) {
  if (AMicroseconds == AV_NOPTS_VALUE) return "N/A";
  // A negative time (a stream that starts before zero) keeps its magnitude and gets a
  // sign in front, instead of a minus sign on every field.
  if (AMicroseconds < 0) return "-" + DurationToText(-AMicroseconds);
  int64_t Seconds = AMicroseconds / AV_TIME_BASE;
  int64_t Rest = AMicroseconds % AV_TIME_BASE;
  return Format("%.2d:%.2d:%.2d.%.3d", Seconds / 3600, (Seconds / 60) % 60, Seconds % 60,
                Rest * 1000 / AV_TIME_BASE);
}

String TimestampToText(int64_t ATimestamp, AVRational ATimeBase) {
  if (ATimestamp == AV_NOPTS_VALUE) return "N/A";
  if (av_cmp_q(ATimeBase, AV_TIME_BASE_Q) != 0)
    ATimestamp = FF.av_rescale_q(ATimestamp, ATimeBase, AV_TIME_BASE_Q);
  return DurationToText(ATimestamp);
}

namespace {

// The zone's base bias in seconds (UTC = local time + bias), daylight saving time not
// applied: the C library's "timezone", seconds west of UTC of the standard time.
long BaseBiasSeconds() {
  tzset();
  return timezone;
}

}  // namespace

String TimeZoneText() {
  long Bias = BaseBiasSeconds();
  if (Bias == 0) return "UTC";
  long Magnitude = std::labs(Bias);
  return Format("UTC%s%.2d:%.2d", Bias < 0 ? "-" : "+", Magnitude / 3600, Magnitude / 60 % 60);
}

double LocalTimeOffset() { return -static_cast<double>(BaseBiasSeconds()) / 86400.0; }

TDateTime UnixTimeToLocalDateTime(int64_t ASeconds) {
  return LocalTimeOffset() + static_cast<double>(ASeconds) / 86400.0 + 25569.0;
}
