// The paper of a print style: header and footer, whether to lay out inside the printer's
// printable area, the alignment of the photo grid, the orientation, the paper size number
// of the print spooler and the margins (0.1 mm). A new paper holds the read defaults.
#pragma once

#include <cstdint>

#include "print/CPrintMarginText.h"

struct CPrintPaper {
  // The Japanese postcard, 100 x 148 mm.
  static constexpr uint16_t kPostcard = 43;

  void Load(const Cp932String& key);
  bool Save(const Cp932String& key) const;
  // How far a label sheet's printing is moved right and down to make up for a printer that
  // prints off its marks (0.1 mm).
  static constexpr int32_t kMaxOffset = 50;

  // Sets all four margins.
  void SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom);

  bool operator==(const CPrintPaper& other) const = default;

  CPrintMarginText header{CPrintMarginText::kHeader};
  CPrintMarginText footer{CPrintMarginText::kFooter};
  uint8_t enableArea = 1;  // 1: inside the printable area; 0: the whole sheet
  uint8_t leaningX = 0;    // 0 left, 1 centre, 2 right
  uint8_t leaningY = 0;    // 0 top, 1 centre, 2 bottom
  uint8_t vLine = 1;       // 1 portrait, 0 landscape
  uint16_t sizeId = 0;
  int32_t spaceLeft = 0;
  int32_t spaceTop = 0;
  int32_t spaceRight = 0;
  int32_t spaceBottom = 0;
  int32_t offsetX = 0;  // label styles: within -kMaxOffset ... kMaxOffset
  int32_t offsetY = 0;
};
