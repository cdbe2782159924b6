// A collection of photo records. An owning collection (the library) destroys its records
// with itself; a non-owning one (search results, temporary lists) only refers to them.
#pragma once

#include <vector>

#include "library/CPhotoItem.h"

class CPhotoItems {
 public:
  static constexpr size_t kGrowthStep = 1024;

  explicit CPhotoItems(bool owning = false);
  virtual ~CPhotoItems();
  CPhotoItems(const CPhotoItems&) = delete;
  CPhotoItems& operator=(const CPhotoItems&) = delete;

  virtual void Add(CPhotoItem* item);
  int count() const { return static_cast<int>(items_.size()); }
  size_t capacity() const { return items_.capacity(); }
  bool owning() const { return owning_; }
  CPhotoItem* at(int index) const { return items_[static_cast<size_t>(index)]; }
  const std::vector<CPhotoItem*>& items() const { return items_; }

  int IndexOf(const CPhotoItem* item) const;
  // The first record whose path equals the text without regard to case, or null.
  CPhotoItem* FindByPath(const Cp932String& path) const;
  // Removes (and, when owning, destroys) the record at the index; with deleteFile the file
  // goes first, and a failed deletion is ignored. An index out of range does nothing.
  void RemoveAt(int index, bool deleteFile);
  void Remove(CPhotoItem* item, bool deleteFile);
  void RemoveAll();

 private:
  std::vector<CPhotoItem*> items_;
  bool owning_;
};
