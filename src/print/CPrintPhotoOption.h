// The captions of the photos of one parameter block: where the name, the date and the memo
// are printed, whether they are, in which font; how the memo sits beside the photo; and how
// the photo fills its box.
#pragma once

#include <cstdint>

#include "print/CPrintFont.h"

struct CPrintPhotoOption {
  // Memo sizes (the memo box against the photo box).
  static constexpr int16_t kMemoSameAsPhoto = -1;
  static constexpr int16_t kMemoLarge = -2;
  static constexpr int16_t kMemoSmall = -3;

  void Load(const Cp932String& key);
  bool Save(const Cp932String& key) const;
  // Hides the name, the date and the memo.
  void HideAll() { nameVisible = dateVisible = memoVisible = 0; }

  bool operator==(const CPrintPhotoOption& other) const = default;

  uint8_t namePosition = 0;  // 0 outside the photo, 1 inside
  uint8_t nameVisible = 1;
  CPrintFont nameFont;
  uint8_t datePosition = 0;  // as for the name
  uint8_t dateVisible = 1;
  CPrintFont dateFont;
  uint8_t memoPosition = 0;  // 0 right, 1 below, 2 left, 3 above, 4 over the whole cell
  uint8_t memoVisible = 1;
  CPrintFont memoFont;
  uint8_t memoAlternate = 0;  // memo and photo swap places in every second cell
  uint8_t memoLeaningX = 0;
  uint8_t memoLeaningY = 0;
  int16_t memoWidth = kMemoSameAsPhoto;
  uint8_t stretch = 0;    // 1: stretched to the box, ignoring the aspect ratio
  uint8_t scaleOver = 0;  // without stretch: 1 the whole photo fits, 0 the box is filled
};
