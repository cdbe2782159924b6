// The photos of the easy print layout: at most 128, each on a page and a cell, at most ten
// pages used (a photo placed beyond them is kept but neither shown nor printed). Placing a
// photo on an occupied cell replaces the photo there when the replace switch is on, and
// fails otherwise.
#pragma once

#include <memory>
#include <vector>

#include "print/CPrintItem.h"

class CPrintItems {
 public:
  static constexpr int kMaxItems = 128;
  static constexpr int kMaxPages = 10;

  void SetReplace(bool on) { replace_ = on; }

  // Places the item on the page and cell (cell -1: the first free slot from the page on;
  // a cell past the page's end carries into later pages); 1 when placed, 0 when not (the
  // item is then dropped).
  int Add(std::unique_ptr<CPrintItem> item, int page, int cell, int cellsPerPage);
  CPrintItem* Find(int page, int cell) const;
  void Remove(const CPrintItem* item);
  void RemoveAt(int index);
  void Clear() { items_.clear(); }
  // The first slot at or after the one given that no photo holds, or -1.
  int FirstFreeSlot(int from) const;
  // Pages and cells follow the slots for a new number of cells per page.
  void Repaginate(int cellsPerPage);
  // Exchanges what the two cells of the page hold (an empty cell included).
  void SwapCells(int page, int cellA, int cellB, int cellsPerPage);
  // The pages in use: 0 without cells per page, -1 when no photo lies within ten pages.
  int PageCount(int cellsPerPage) const;
  bool IsPageEmpty(int page) const;
  bool AnyOnPages() const;
  // The page's photos in their drawing order.
  std::vector<CPrintItem*> OnPage(int page) const;
  // The photo gets the highest (or lowest) drawing order of its page; the ones between move
  // one step.
  void BringToFront(CPrintItem* item);
  void SendToBack(CPrintItem* item);

  int count() const { return static_cast<int>(items_.size()); }
  CPrintItem* at(int index) const { return items_[static_cast<size_t>(index)].get(); }
  // Places the usable photos (still photos and burst composites) from the start cell of the
  // page on (-1: each in the first free slot from the page on), one cell further each time;
  // the first photo that finds no place ends it (kFull when 128 photos are held).
  enum class InsertResult { kInserted, kFull, kNothingUsable };
  InsertResult Insert(const std::vector<CPhotoItem*>& photos, int page, int startCell,
                      int cellsPerPage);

  // Whether the pages first ... last can be printed: kNoPhoto when the range holds no photo
  // (or none lies within the ten pages), kEmptyPage when a page of several has none (the
  // user is asked), else kPrintable.
  enum class PrintCheck { kPrintable, kNoPhoto, kEmptyPage };
  PrintCheck CheckRange(int first, int last) const;

  // Whether a photo record is placed (delete and rename refuse such photos).
  bool Holds(const CPhotoItem* record) const;

 private:
  std::vector<std::unique_ptr<CPrintItem>> items_;
  bool replace_ = false;
};
