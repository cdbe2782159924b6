// The fixed table of the 33 postcard-size label sheets for which label styles are made,
// in table order, numbered 0 to 32.
#pragma once

#include <array>

#include "print/CPrintSealSheet.h"

class CPrintFormatSealList {
 public:
  static constexpr int kCount = 33;
  // Every sheet is a Japanese postcard, 1000 x 1480 in 0.1 mm.
  static constexpr int32_t kSheetWidth = 1000;
  static constexpr int32_t kSheetHeight = 1480;

  CPrintFormatSealList();
  virtual ~CPrintFormatSealList() = default;

  int count() const { return kCount; }
  // The sheet of a number, or null outside 0 ... 32.
  const CPrintSealSheet* Get(int number) const;

 private:
  std::array<CPrintSealSheet, kCount> sheets_;
};
