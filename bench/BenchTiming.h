// Timing for the benchmarks: the processor time of the calling thread, so that other work
// on the machine does not count, and the median of repeated runs.
#pragma once

#include <time.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace bench {

inline double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

inline double Time(const std::function<void()>& work) {
  const double start = CpuSeconds();
  work();
  return CpuSeconds() - start;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace bench
