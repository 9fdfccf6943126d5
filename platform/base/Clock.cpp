#include "platform/base/Clock.h"

#include <cerrno>
#include <cmath>
#include <ctime>

namespace {

constexpr double SecondsPerDay = 86400.0;
// Days from 1899-12-30 to 1970-01-01.
constexpr double UnixEpochDay = 25569.0;

int64_t MonotonicNanoseconds() {
  timespec Now;
  clock_gettime(CLOCK_MONOTONIC, &Now);
  return static_cast<int64_t>(Now.tv_sec) * 1000000000 + Now.tv_nsec;
}

}  // namespace

uint32_t GetTickCount() { return static_cast<uint32_t>(GetTickCount64()); }

uint64_t GetTickCount64() { return static_cast<uint64_t>(MonotonicNanoseconds() / 1000000); }

int64_t MonotonicMicroseconds() { return MonotonicNanoseconds() / 1000; }

TDateTime Now() {
  timespec Current;
  clock_gettime(CLOCK_REALTIME, &Current);
  tm Local;
  localtime_r(&Current.tv_sec, &Local);
  const double LocalSeconds = static_cast<double>(Current.tv_sec + Local.tm_gmtoff) + Current.tv_nsec / 1e9;
  return UnixEpochDay + LocalSeconds / SecondsPerDay;
}

int64_t DateTimeToUnix(TDateTime AValue) {
  return static_cast<int64_t>(std::llround((AValue - UnixEpochDay) * SecondsPerDay));
}

TDateTime UnixToDateTime(int64_t AValue) {
  return UnixEpochDay + static_cast<double>(AValue) / SecondsPerDay;
}

void SleepMs(uint32_t AMilliseconds) {
  timespec Remaining{static_cast<time_t>(AMilliseconds / 1000),
                     static_cast<long>(AMilliseconds % 1000) * 1000000};
  // A signal cuts the sleep short; the rest is slept again.
  while (nanosleep(&Remaining, &Remaining) != 0 && errno == EINTR) {
  }
}
