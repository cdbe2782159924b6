#include "browse/IndexEntries.h"

#include <algorithm>

#include "browse/IndexTree.h"
#include "library/CPhotoManager.h"

namespace indexentries {
namespace {

Cp932String Counted(const Cp932String& text, uint64_t count) {
  return text + " (" + std::to_string(count) + ")";
}

Entry All(uint64_t count) {
  return Entry{Counted(cp932::Lit("全て"), count), 0, Kind::kAll};
}

// Every photo of the album that is not set aside.
uint64_t PhotoCount(const CPhotoManager* library) {
  if (library == nullptr) return 0;
  const uint64_t count = static_cast<uint64_t>(library->count());
  return count - std::min<uint64_t>(count, library->setAsideCount());
}

uint64_t BurstCount(const CPhotoManager* library) {
  uint64_t count = 0;
  if (library != nullptr)
    for (const CCounterCombo& node : library->comboTallies().nodes) count += node.count;
  return count;
}

const CCounterYear* YearNode(const CPhotoManager* library, LPARAM year) {
  if (library == nullptr) return nullptr;
  for (const CCounterYear& node : library->yearTallies().nodes)
    if (node.year == year) return &node;
  return nullptr;
}

// "全て" with the year's total, then each month that has photos.
std::vector<Entry> Year(const CPhotoManager* library, LPARAM year) {
  const CCounterYear* node = YearNode(library, year);
  std::vector<Entry> entries{All(node != nullptr ? node->total : 0)};
  if (node == nullptr) return entries;
  for (int month = 1; month <= 12; ++month) {
    const uint32_t tally = node->months[static_cast<size_t>(month)];
    if (tally > 0)
      entries.push_back(
          Entry{Counted(std::to_string(month) + cp932::Lit("月"), tally), month, Kind::kMonth});
  }
  return entries;
}

// "全て" with the favourite count, then all twelve slots, empty or not.
std::vector<Entry> Favourites(const CPhotoManager* library) {
  std::vector<Entry> entries{All(library != nullptr ? library->favouriteCount() : 0)};
  for (int slot = 1; slot <= CPhotoManager::kFavouriteSlots; ++slot)
    entries.push_back(Entry{FavouriteText(library, slot), 1 << (slot - 1), Kind::kFavourite});
  return entries;
}

}  // namespace

std::vector<Entry> Of(const CPhotoManager* library, LPARAM category) {
  switch (category) {
    case indextree::kAll:
      return {All(PhotoCount(library))};
    case indextree::kFavourites:
      return Favourites(library);
    case indextree::kBurst:
      return {All(BurstCount(library))};
    case indextree::kSetAside:
      return {All(library != nullptr ? library->setAsideCount() : 0)};
    case indextree::kSearch:
      return {Entry{cp932::Lit("検索結果"), 0, Kind::kAll}};
    default:
      if (category > 0 && category < indextree::kAll) return Year(library, category);
      return {};
  }
}

Cp932String FavouriteText(const CPhotoManager* library, int slot) {
  if (library == nullptr) return Counted(Cp932String(), 0);
  return Counted(library->FavouriteName(slot), library->favouriteTally(slot));
}

int SlotOfValue(int value) {
  for (int slot = 1; slot <= CPhotoManager::kFavouriteSlots; ++slot)
    if (value == 1 << (slot - 1)) return slot;
  return 0;
}

}  // namespace indexentries
