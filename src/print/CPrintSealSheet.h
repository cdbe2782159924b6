// One label sheet of the fixed table: a postcard-size sticker sheet of one maker with the
// geometry of its labels (0.1 mm), and for the two mixed sheets the second group of labels.
#pragma once

#include <cstdint>

#include "platform/text/Cp932.h"

struct CPrintFormat;

struct CPrintSealSheet {
  static constexpr size_t kNameBytes = 48;

  // The sheet's name (code page 932).
  Cp932String Name() const { return Cp932String(name); }
  // Puts the sheet's paper, label grid and (on a mixed sheet) its split and second group into
  // a label style laid out on the whole sheet with no alignment and no automatic sizes, so
  // that each cell falls on a label.
  void ApplyTo(CPrintFormat& style) const;

  uint8_t number = 0;
  int32_t makerGroup = 0;
  char name[kNameBytes] = {};
  uint16_t sizeId = 0;
  uint8_t vLine = 1;
  int32_t spaceLeft = 0;
  int32_t spaceTop = 0;
  int32_t spaceRight = 0;
  int32_t spaceBottom = 0;
  int32_t spaceSizeX = 0;
  int32_t spaceSizeY = 0;
  int32_t photoSizeX = 0;
  int32_t photoSizeY = 0;
  uint8_t cols = 0;
  uint8_t rows = 0;
  uint8_t mix = 0;
  uint8_t mixLine = 0;
  uint16_t mixWidth = 0;
  int32_t subPhotoSizeX = 0;
  int32_t subPhotoSizeY = 0;
  int32_t subSpaceSizeX = 0;
  int32_t subSpaceSizeY = 0;
  uint8_t subCols = 0;
  uint8_t subRows = 0;
};
