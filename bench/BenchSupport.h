#pragma once
// What the benchmarks share: timing a piece of work as the median of several runs.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace bench {

// Runs AWork once to warm the caches and fault the pages in, then ARuns times, and
// gives the median duration in seconds.
inline double MedianSeconds(int ARuns, const std::function<void()>& AWork) {
  using TClock = std::chrono::steady_clock;
  AWork();
  std::vector<double> Times;
  for (int I = 0; I < ARuns; ++I) {
    const TClock::time_point Start = TClock::now();
    AWork();
    Times.push_back(std::chrono::duration<double>(TClock::now() - Start).count());
  }
  std::nth_element(Times.begin(), Times.begin() + ARuns / 2, Times.end());
  return Times[ARuns / 2];
}

}  // namespace bench
