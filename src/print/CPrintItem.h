// A photo placed in the easy print layout: the thumbnail item of its record with its page
// and cell, its place in the whole sequence (slot = page x cells per page + cell) and the
// order it is drawn in among the photos of its page.
#pragma once

#include <cstdint>

#include "images/CImageItem.h"

class CPrintItem : public CImageItem {
 public:
  explicit CPrintItem(CPhotoItem* record) : CImageItem(record) {}

  int16_t cell = -1;  // -1 beyond the last page
  int16_t page = -1;
  int16_t slot = 0;
  int16_t drawingOrder = 0;
};
