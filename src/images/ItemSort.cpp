// Each key is read from the records once, into a vector beside the items, and the pairs
// are sorted with std::stable_sort: O(n log n) comparisons of plain values, and equal keys
// keep their order in both directions.
#include "images/ItemSort.h"

#include <algorithm>
#include <string>
#include <utility>

#include "images/CImageItem.h"
#include "library/AlbumText.h"

namespace itemsort {
namespace {

constexpr uint32_t kDescending = 0x80000000u;
constexpr int32_t kName = 1, kDate = 2, kSize = 3, kMemo = 4;

int32_t KeyOf(int32_t sortValue) {
  return static_cast<int32_t>(static_cast<uint32_t>(sortValue) & ~kDescending);
}

// Names and memos compare byte by byte after ASCII letters are folded to lower case, as
// the C library's case-blind comparison does; trail bytes of double-byte characters are
// never folded. std::string compares its bytes as unsigned values.
std::string Folded(const std::string& text) {
  return albumtext::LowerAscii(text);
}

// The date number (unsigned) above the time number. An unknown date has 65535 in every
// field, which makes the largest date number there is: ascending puts it after every known
// date, and descending, the opposite comparison, before them.
uint64_t DateKey(const CImageItem& item) {
  return (uint64_t{static_cast<uint32_t>(item.DateNumber())} << 32) |
         static_cast<uint32_t>(item.TimeNumber());
}

template <class Key, class KeyFor>
void SortBy(std::vector<CImageItem*>& items, bool descending, KeyFor keyFor) {
  std::vector<std::pair<Key, CImageItem*>> keyed;
  keyed.reserve(items.size());
  for (CImageItem* item : items) keyed.emplace_back(keyFor(*item), item);
  if (descending)
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return b.first < a.first; });
  else
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < keyed.size(); ++i) items[i] = keyed[i].second;
}

}  // namespace

bool HasKnownKey(int32_t sortValue) {
  const int32_t key = KeyOf(sortValue);
  return key >= kName && key <= kMemo;
}

void Sort(std::vector<CImageItem*>& items, int32_t sortValue) {
  const bool descending = (static_cast<uint32_t>(sortValue) & kDescending) != 0;
  switch (KeyOf(sortValue)) {
    case kName:
      return SortBy<std::string>(items, descending,
                                 [](const CImageItem& i) { return Folded(i.title()); });
    case kDate:
      return SortBy<uint64_t>(items, descending, DateKey);
    case kSize:
      return SortBy<uint32_t>(items, descending,
                              [](const CImageItem& i) { return static_cast<uint32_t>(i.size()); });
    case kMemo:
      return SortBy<std::string>(items, descending,
                                 [](const CImageItem& i) { return Folded(i.memo()); });
    default:
      return;
  }
}

}  // namespace itemsort
