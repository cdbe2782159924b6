// Seconds per iteration of every benchmark run, by name, for the ratios printed at the end:
// real time, and the processor time of the benchmark's thread, which the other work on a
// shared machine disturbs less.
#pragma once

#include <map>
#include <string>

namespace benchresults {

inline std::map<std::string, double>& SecondsPerIteration() {
  static std::map<std::string, double> results;
  return results;
}

inline std::map<std::string, double>& CpuSecondsPerIteration() {
  static std::map<std::string, double> results;
  return results;
}

// The first result whose name starts with the prefix; -1 when there is none.
inline double Find(const std::string& prefix, bool cpu = false) {
  for (const auto& [name, seconds] : cpu ? CpuSecondsPerIteration() : SecondsPerIteration())
    if (name.rfind(prefix, 0) == 0) return seconds;
  return -1;
}

}  // namespace benchresults
