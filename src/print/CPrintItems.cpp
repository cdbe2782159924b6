#include "print/CPrintItems.h"

#include <algorithm>

#include "library/PhotoKind.h"

namespace {

int Cells(int cellsPerPage) {
  return cellsPerPage <= 0 ? 1 : cellsPerPage;
}

void Place(CPrintItem& item, int slot, int n) {
  item.slot = static_cast<int16_t>(slot);
  const int page = slot / n;
  item.page = static_cast<int16_t>(page < CPrintItems::kMaxPages ? page : -1);
  item.cell = static_cast<int16_t>(page < CPrintItems::kMaxPages ? slot % n : -1);
}

}  // namespace

int CPrintItems::Add(std::unique_ptr<CPrintItem> item, int page, int cell, int cellsPerPage) {
  if (item == nullptr) return 0;
  const int n = Cells(cellsPerPage);
  if (cell < 0) {
    const int slot = FirstFreeSlot(std::max(0, page) * n);
    if (slot < 0) return 0;
    page = slot / n;
    cell = slot % n;
  } else if (cell >= n) {
    page += cell / n;
    cell %= n;
  }
  if (const CPrintItem* there = Find(page, cell)) {
    if (!replace_) return 0;
    Remove(there);
  } else if (count() >= kMaxItems) {
    return 0;
  }
  item->cell = static_cast<int16_t>(cell);
  item->page = static_cast<int16_t>(page);
  item->slot = static_cast<int16_t>(page * n + cell);
  item->drawingOrder = item->slot;
  items_.push_back(std::move(item));
  return 1;
}

CPrintItem* CPrintItems::Find(int page, int cell) const {
  for (const auto& item : items_)
    if (item->page == page && item->cell == cell && cell >= 0) return item.get();
  return nullptr;
}

void CPrintItems::Remove(const CPrintItem* item) {
  std::erase_if(items_, [item](const auto& held) { return held.get() == item; });
}

void CPrintItems::RemoveAt(int index) {
  if (index >= 0 && index < count()) items_.erase(items_.begin() + index);
}

int CPrintItems::FirstFreeSlot(int from) const {
  for (int slot = std::max(0, from); slot < kMaxItems; ++slot)
    if (std::none_of(items_.begin(), items_.end(),
                     [slot](const auto& item) { return item->slot == slot; }))
      return slot;
  return -1;
}

void CPrintItems::Repaginate(int cellsPerPage) {
  const int n = Cells(cellsPerPage);
  for (const auto& item : items_) Place(*item, item->slot, n);
}

void CPrintItems::SwapCells(int page, int cellA, int cellB, int cellsPerPage) {
  if (cellA == cellB) return;
  const int n = Cells(cellsPerPage);
  CPrintItem* a = Find(page, cellA);
  CPrintItem* b = Find(page, cellB);
  if (a != nullptr) {
    a->cell = static_cast<int16_t>(cellB);
    a->slot = static_cast<int16_t>(page * n + cellB);
  }
  if (b != nullptr) {
    b->cell = static_cast<int16_t>(cellA);
    b->slot = static_cast<int16_t>(page * n + cellA);
  }
}

int CPrintItems::PageCount(int cellsPerPage) const {
  if (cellsPerPage <= 0) return 0;
  int highest = -1;
  for (const auto& item : items_)
    if (item->slot < cellsPerPage * kMaxPages) highest = std::max<int>(highest, item->slot);
  return highest < 0 ? -1 : highest / cellsPerPage + 1;
}

bool CPrintItems::IsPageEmpty(int page) const {
  return std::none_of(items_.begin(), items_.end(),
                      [page](const auto& item) { return item->page == page; });
}

bool CPrintItems::AnyOnPages() const {
  return std::any_of(items_.begin(), items_.end(),
                     [](const auto& item) { return item->page >= 0 && item->page < kMaxPages; });
}

std::vector<CPrintItem*> CPrintItems::OnPage(int page) const {
  std::vector<CPrintItem*> found;
  for (const auto& item : items_)
    if (item->page == page && page >= 0) found.push_back(item.get());
  std::stable_sort(found.begin(), found.end(), [](const CPrintItem* a, const CPrintItem* b) {
    return a->drawingOrder < b->drawingOrder;
  });
  return found;
}

// The photos drawn after it move one step back and it takes the last place.
void CPrintItems::BringToFront(CPrintItem* item) {
  if (item == nullptr) return;
  const int16_t old = item->drawingOrder;
  int16_t last = old;
  for (CPrintItem* other : OnPage(item->page)) {
    if (other == item || other->drawingOrder <= old) continue;
    last = std::max(last, other->drawingOrder);
    --other->drawingOrder;
  }
  item->drawingOrder = last;
}

// The photos drawn before it move one step on and it takes the first place.
void CPrintItems::SendToBack(CPrintItem* item) {
  if (item == nullptr) return;
  const int16_t old = item->drawingOrder;
  int16_t first = old;
  for (CPrintItem* other : OnPage(item->page)) {
    if (other == item || other->drawingOrder >= old) continue;
    first = std::min(first, other->drawingOrder);
    ++other->drawingOrder;
  }
  item->drawingOrder = first;
}

CPrintItems::InsertResult CPrintItems::Insert(const std::vector<CPhotoItem*>& photos, int page,
                                              int startCell, int cellsPerPage) {
  bool usable = false;
  int cell = startCell;
  for (CPhotoItem* photo : photos) {
    if (photo == nullptr ||
        (photo->flags() & (PhotoKind::kStill | PhotoKind::kBurstComposite)) == 0)
      continue;
    usable = true;
    // A photo that finds no place ends the insertion.
    if (!Add(std::make_unique<CPrintItem>(photo), page, cell, cellsPerPage))
      return count() >= kMaxItems ? InsertResult::kFull : InsertResult::kInserted;
    if (cell >= 0) ++cell;
  }
  return usable ? InsertResult::kInserted : InsertResult::kNothingUsable;
}

CPrintItems::PrintCheck CPrintItems::CheckRange(int first, int last) const {
  if (!AnyOnPages()) return PrintCheck::kNoPhoto;
  if (first == last) return IsPageEmpty(first) ? PrintCheck::kNoPhoto : PrintCheck::kPrintable;
  for (int page = first; page <= last; ++page)
    if (IsPageEmpty(page)) return PrintCheck::kEmptyPage;
  return PrintCheck::kPrintable;
}

bool CPrintItems::Holds(const CPhotoItem* record) const {
  return record != nullptr && std::any_of(items_.begin(), items_.end(), [record](const auto& i) {
           return i->record() == record;
         });
}
