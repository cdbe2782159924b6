// One thumbnail of an item set: the photo record it shows (not owned) and the position of
// its cell in the set's coordinates. Its accessors read the record, so a view and the list
// that share a record always agree on its selection, names and favourites.
#pragma once

#include <cstdint>

#include "library/CPhotoItem.h"

class CImageItem {
 public:
  explicit CImageItem(CPhotoItem* record = nullptr) : record_(record) {}
  virtual ~CImageItem() = default;
  CImageItem(const CImageItem&) = delete;
  CImageItem& operator=(const CImageItem&) = delete;

  CPhotoItem* record() const { return record_; }
  int32_t x() const { return x_; }
  int32_t y() const { return y_; }
  void SetPosition(int32_t x, int32_t y) {
    x_ = x;
    y_ = y;
  }

  // The record's fields. Without a record an item is unselected, undated, empty and in no
  // favourite, and writes go nowhere.
  uint8_t selected() const;
  void SetSelected(uint8_t mark);
  int32_t DateNumber() const;
  int32_t TimeNumber() const;
  int32_t size() const;
  const Cp932String& title() const;
  const Cp932String& memo() const;
  uint32_t favourites() const;
  void SetFavourites(uint32_t bits);
  void SetDeleted(uint8_t mark);
  uint32_t flags() const;

 private:
  int32_t x_ = 0;
  int32_t y_ = 0;
  CPhotoItem* record_;
};
