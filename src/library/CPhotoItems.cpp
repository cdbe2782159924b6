#include "library/CPhotoItems.h"

#include "host/SuiteRegistry.h"
#include "library/AlbumText.h"
#include "platform/fileio/FileIo.h"

CPhotoItems::CPhotoItems(bool owning) : owning_(owning) {
  items_.reserve(kGrowthStep);
}

CPhotoItems::~CPhotoItems() {
  if (owning_)
    for (CPhotoItem* item : items_) delete item;
}

void CPhotoItems::Add(CPhotoItem* item) {
  // The array grows by a fixed step rather than doubling, as the library's limit is known.
  if (items_.size() == items_.capacity()) items_.reserve(items_.capacity() + kGrowthStep);
  items_.push_back(item);
}

int CPhotoItems::IndexOf(const CPhotoItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == item) return static_cast<int>(i);
  return -1;
}

CPhotoItem* CPhotoItems::FindByPath(const Cp932String& path) const {
  for (CPhotoItem* item : items_)
    if (albumtext::EqualsNoCase(item->path(), path)) return item;
  return nullptr;
}

void CPhotoItems::RemoveAt(int index, bool deleteFile) {
  if (index < 0 || index >= count()) return;
  CPhotoItem* item = items_[static_cast<size_t>(index)];
  if (deleteFile) {
    DWORD error = 0;
    if (suite::GetFileAccessMode() == 1)
      AdDeleteFileA(item->path().c_str(), &error);
    else
      DeleteFileA(item->path().c_str());
  }
  items_.erase(items_.begin() + index);
  if (owning_) delete item;
}

void CPhotoItems::Remove(CPhotoItem* item, bool deleteFile) {
  RemoveAt(IndexOf(item), deleteFile);
}

void CPhotoItems::RemoveAll() {
  if (owning_)
    for (CPhotoItem* item : items_) delete item;
  items_.clear();
}
