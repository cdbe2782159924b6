// The tallies the index panel shows: photos per year and month, and burst composites per
// burst group.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/text/Cp932.h"

struct CCounterYear {
  static constexpr uint32_t kSaturated = 0xFFFFFFFFu;

  uint16_t year = 0;
  uint32_t total = 0;
  // Tally m for month m (1..12); tally 0 for month 0 and any month outside 1..12.
  std::array<uint32_t, 13> months{};

  // Counts one photo of the month; a saturated node counts nothing more.
  void Count(uint16_t month) {
    if (total == kSaturated) return;
    ++total;
    ++months[month >= 1 && month <= 12 ? month : 0];
  }
};

struct CCounterYearList {
  std::vector<CCounterYear> nodes;
  uint32_t calls = 0;  // saturating count of tally calls

  // Counts a photo under its year, appending a node the first time a year is met.
  void Count(uint16_t year, uint16_t month);
  void Clear() {
    nodes.clear();
    calls = 0;
  }
};

struct CCounterCombo {
  static constexpr uint8_t kMaxCount = 255;

  uint8_t count = 0;
  uint32_t number = 0;
  Cp932String name;
};

struct CCounterComboList {
  std::vector<CCounterCombo> nodes;

  void Count(uint32_t number);
  bool Contains(uint32_t number) const;
  void Clear() { nodes.clear(); }
};
