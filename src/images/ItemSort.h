// The orders of an item set: by name, date, size or memo, ascending or descending, keeping
// the previous order of items with equal keys.
#pragma once

#include <cstdint>
#include <vector>

class CImageItem;

namespace itemsort {

// Whether the sort value names a key (1 name, 2 date, 3 size, 4 memo; bit 31 descending).
bool HasKnownKey(int32_t sortValue);
// Sorts the items stably by the value's key; nothing for a value without a known key.
void Sort(std::vector<CImageItem*>& items, int32_t sortValue);

}  // namespace itemsort
