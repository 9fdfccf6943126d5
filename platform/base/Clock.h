#pragma once
// Clocks: the monotonic millisecond and microsecond counters that time-outs and
// durations are measured with, and the wall-clock date and time of the class library.

#include <cstdint>

// Milliseconds since an arbitrary start, never going back. The 32-bit form wraps
// after 49.7 days, as callers that subtract two readings expect.
uint32_t GetTickCount();
uint64_t GetTickCount64();
// Microseconds on the same monotonic clock.
int64_t MonotonicMicroseconds();

// A date and time as days since 1899-12-30 00:00, the fraction giving the time of day.
using TDateTime = double;

// The current local date and time.
TDateTime Now();
// Conversions between TDateTime and seconds since 1970-01-01 00:00, without any time
// zone adjustment: a local TDateTime gives local Unix seconds.
int64_t DateTimeToUnix(TDateTime AValue);
TDateTime UnixToDateTime(int64_t AValue);

// Suspends the calling thread for at least AMilliseconds.
void SleepMs(uint32_t AMilliseconds);
