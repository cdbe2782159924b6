// Seconds per iteration of every benchmark run, by name, for the ratios printed at the end.
#pragma once

#include <map>
#include <string>

namespace benchresults {

inline std::map<std::string, double>& SecondsPerIteration() {
  static std::map<std::string, double> results;
  return results;
}

// The first result whose name starts with the prefix; -1 when there is none.
inline double Find(const std::string& prefix) {
  for (const auto& [name, seconds] : SecondsPerIteration())
    if (name.rfind(prefix, 0) == 0) return seconds;
  return -1;
}

}  // namespace benchresults
