// Each key is read from the records once, into a vector beside the items, and the pairs
// are sorted with std::stable_sort: O(n log n) comparisons of plain values, and equal keys
// keep their order in both directions.
#include "images/ItemSort.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "images/CImageItem.h"
#include "platform/text/Cp932.h"

namespace itemsort {
namespace {

constexpr uint32_t kDescending = 0x80000000u;
constexpr int32_t kName = 1, kDate = 2, kSize = 3, kMemo = 4;

int32_t KeyOf(int32_t sortValue) {
  return static_cast<int32_t>(static_cast<uint32_t>(sortValue) & ~kDescending);
}

// Names and memos compare byte by byte after ASCII letters are folded to lower case, as
// the C library's case-blind comparison does; trail bytes of double-byte characters are
// never folded. The folded texts lie one after another in one buffer, and the sort moves
// views into it: no text is allocated or copied per item. Views compare their bytes as
// unsigned values.
class FoldedTexts {
 public:
  FoldedTexts(const std::vector<CImageItem*>& items,
              const Cp932String& (CImageItem::*text)() const) {
    size_t total = 0;
    for (const CImageItem* item : items) total += (item->*text)().size();
    buffer_.resize(total);
    views_.reserve(items.size());
    size_t at = 0;
    for (CImageItem* item : items) {
      const Cp932String& source = (item->*text)();
      Fold(source, &buffer_[at]);
      views_.emplace_back(std::string_view(buffer_.data() + at, source.size()), item);
      at += source.size();
    }
  }
  std::vector<std::pair<std::string_view, CImageItem*>>& keyed() { return views_; }

 private:
  static void Fold(std::string_view text, char* out) {
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (cp932::IsLeadByte(static_cast<uint8_t>(c)) && i + 1 < text.size()) {
        out[i] = c;
        out[i + 1] = text[i + 1];
        ++i;
        continue;
      }
      out[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
  }

  std::string buffer_;
  std::vector<std::pair<std::string_view, CImageItem*>> views_;
};

// The date number (unsigned) above the time number. An unknown date has 65535 in every
// field, which makes the largest date number there is: ascending puts it after every known
// date, and descending, the opposite comparison, before them.
uint64_t DateKey(const CImageItem& item) {
  return (uint64_t{static_cast<uint32_t>(item.DateNumber())} << 32) |
         static_cast<uint32_t>(item.TimeNumber());
}

template <class Key>
void SortPairs(std::vector<std::pair<Key, CImageItem*>>& keyed, bool descending) {
  if (descending)
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return b.first < a.first; });
  else
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

template <class Key>
void WriteBack(const std::vector<std::pair<Key, CImageItem*>>& keyed,
               std::vector<CImageItem*>& items) {
  for (size_t i = 0; i < keyed.size(); ++i) items[i] = keyed[i].second;
}

template <class Key, class KeyFor>
void SortBy(std::vector<CImageItem*>& items, bool descending, KeyFor keyFor) {
  std::vector<std::pair<Key, CImageItem*>> keyed;
  keyed.reserve(items.size());
  for (CImageItem* item : items) keyed.emplace_back(keyFor(*item), item);
  SortPairs(keyed, descending);
  WriteBack(keyed, items);
}

void SortByText(std::vector<CImageItem*>& items, bool descending,
                const Cp932String& (CImageItem::*text)() const) {
  FoldedTexts folded(items, text);
  SortPairs(folded.keyed(), descending);
  WriteBack(folded.keyed(), items);
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
      return SortByText(items, descending, &CImageItem::title);
    case kDate:
      return SortBy<uint64_t>(items, descending, DateKey);
    case kSize:
      return SortBy<uint32_t>(items, descending,
                              [](const CImageItem& i) { return static_cast<uint32_t>(i.size()); });
    case kMemo:
      return SortByText(items, descending, &CImageItem::memo);
    default:
      return;
  }
}

}  // namespace itemsort
