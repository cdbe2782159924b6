// The index panel beside the views: the entries of the category chosen in the host's index
// tree, with their photo counts. It keeps the current category and entry, remembers the
// entry of every category visited, and sends the query of the current entry to the frame,
// which rebuilds the views' item set. In the favourites a double click on a favourite
// renames it.
#pragma once

#include <utility>
#include <vector>

#include "browse/CIdxIndexCtrl.h"

class CPhotoManager;

class CIdxIndexView : public CIdxIndexCtrl {
 public:
  // The frame message that carries a query (SearchCriteria*) to rebuild the item set.
  static constexpr UINT kMsgQuery = WM_USER + 0x151;
  // The frame message that tells that a favourite was renamed.
  static constexpr UINT kMsgFavouriteRenamed = WM_USER + 0x158;
  // SelectCategory's entry: the one the category had when it was left last.
  static constexpr int kRememberedEntry = -1;
  static constexpr size_t kMaxFavouriteNameBytes = 32;

  // The category visited and the entry it had, one pair per category.
  using IndexItemMap = std::vector<std::pair<LPARAM, int>>;

  // Makes the panel as a child of the parent; its queries go to the frame.
  bool Create(HWND parent, UINT id, HWND frame);

  // Leaves the current category (remembering its entry), lists the entries of the new
  // one and selects the entry asked for, or the remembered one, or "全て" when the
  // category has no such entry. The query goes to the frame when the category or the
  // entry changed; the search category sends none, the search sends its own.
  void SelectCategory(LPARAM category, int entry = kRememberedEntry);
  // Lists the current category's entries again with the library's counts, and sends the
  // current entry's query again (after a change of the records).
  void ApplyAgain();
  // The search's results are shown: the search category is current, its entry carries the
  // number found, and no entry is selected.
  void ShowSearchResult(int found);

  LPARAM currentCategory() const { return category_; }
  int currentEntry() const { return entry_; }
  bool favouritesCurrent() const;
  const IndexItemMap& memory() const { return memory_; }
  // The name of the favourite an entry value stands for; empty for any other entry.
  Cp932String FavouriteNameOf(int entry) const;

  // Renames the favourite of the entry (kRememberedEntry: the current one) with the name
  // dialog; only in the favourites and never for "全て". True when a name was stored.
  bool RenameFavourite(int entry = kRememberedEntry);

  // "IndexView": "TabCurrent" (the category) and "ListCurrent" (the entry). Loading puts
  // them in the memory and makes that category current; its entries come with the first
  // selection or ApplyAgain.
  void LoadState();
  void SaveState() const;

 protected:
  // The panel's state outlives it: a frame destroyed with its host's window still leaves
  // the category and entry to start from.
  void OnDestroy() override;

 private:
  void OnEntryChosen(int row);
  void OnEntryDoubleClicked(int row);
  void Remember(LPARAM category, int entry);
  int Remembered(LPARAM category) const;
  // Shows the entry, or "全て" when the list has no such entry.
  void ShowEntry(int entry);
  void SendQueryIfChanged();
  void SendQuery();
  bool AskFavouriteName(const CPhotoManager& library, int slot, Cp932String* name);

  HWND frame_ = nullptr;
  LPARAM category_ = 0x10000;
  int entry_ = 0;
  IndexItemMap memory_;
  // The category and entry of the last query sent; none yet after a load.
  std::pair<LPARAM, int> sent_{0, -1};
};
