// One print style: its name and kind, the paper, the main block of photos and the sub
// block that a mixed style puts in the second area of the page, and where that split lies.
#pragma once

#include <cstdint>

#include "print/CPrintPaper.h"
#include "print/CPrintParam.h"

struct CPrintFormat {
  // Kinds ("Attr").
  enum Kind : int32_t { kBasic = 0, kSeal = 1, kCalendar = 2 };

  // Reads the style from a key: the name first; when the name is required and empty, 0
  // without reading more; otherwise every value (missing ones take their defaults) and 1.
  int Load(const Cp932String& key, bool nameRequired);
  // Writes every value and subkey; false when a value could not be written.
  bool Save(const Cp932String& key) const;
  void CopyFrom(const CPrintFormat& other) { *this = other; }

  bool operator==(const CPrintFormat& other) const = default;

  Cp932String name;
  int32_t attr = kBasic;
  CPrintPaper paper;
  CPrintParam paramMain;
  CPrintParam paramSub;
  uint8_t mix = 0;        // 1: the page is split into a main and a sub area
  uint8_t mixLine = 1;    // 1: upper and lower areas; 0: left and right
  int32_t mixWidth = -1;  // the split line from the left or top edge, 0.1 mm; below 1 the middle
};
