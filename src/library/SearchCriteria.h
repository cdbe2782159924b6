// The search record the index panel and the search dialog fill: which tests apply and what
// each wants. Byte-packed, as the views hand it around in messages.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct SearchCriteria {
  // Test bits.
  static constexpr uint32_t kKind = 1;
  static constexpr uint32_t kName = 2;
  static constexpr uint32_t kMemo = 4;
  static constexpr uint32_t kSize = 8;
  static constexpr uint32_t kDate = 16;
  static constexpr uint32_t kFavourites = 32;
  static constexpr uint32_t kSetAside = 64;
  static constexpr uint32_t kPcOrigin = 128;

  static constexpr size_t kNameKeywordBytes = 257;
  static constexpr size_t kMemoKeywordBytes = 1024;

  uint32_t tests = 0;
  uint8_t report = 0;  // not read by the search
  uint8_t inView = 0;  // search only the photos the thumbnail view shows
  uint32_t kindMask = 0;
  char nameKeywords[kNameKeywordBytes] = {};
  char memoKeywords[kMemoKeywordBytes] = {};
  int16_t latest[3] = {};    // year, month, day
  int16_t earliest[3] = {};  // year, month, day
  uint32_t favouriteMask = 0;
  uint8_t wantedSetAside = 0;
  uint8_t wantedPcOrigin = 0;
  int32_t smallestSize = 0;
  int32_t largestSize = 0;  // 0: no upper bound
};
#pragma pack(pop)
