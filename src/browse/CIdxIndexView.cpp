#include "browse/CIdxIndexView.h"

#include "browse/CDlgNameEdit.h"
#include "browse/IndexQuery.h"
#include "browse/IndexTree.h"
#include "host/CHarboPhotoApp.h"
#include "library/CPhotoManager.h"

namespace {

constexpr const char* kSection = "IndexView";

}  // namespace

bool CIdxIndexView::Create(HWND parent, UINT id, HWND frame) {
  frame_ = frame;
  if (!CIdxCtrl::Create(parent, id, RECT{0, 0, 121, 26})) return false;
  SetSelChangeHandler([this](int row) { OnEntryChosen(row); });
  SetDoubleClickHandler([this](int row) { OnEntryDoubleClicked(row); });
  return true;
}

void CIdxIndexView::SelectCategory(LPARAM category, int entry) {
  if (category == 0) return;
  Remember(category_, entry_);
  category_ = category;
  ShowEntries(indexentries::Of(TheApp().library(), category));
  if (category == indextree::kSearch) {
    entry_ = indexquery::kAllEntry;
    return;
  }
  ShowEntry(entry == kRememberedEntry ? Remembered(category) : entry);
  SendQueryIfChanged();
}

void CIdxIndexView::ApplyAgain() {
  if (category_ == indextree::kSearch) return;
  ShowEntries(indexentries::Of(TheApp().library(), category_));
  ShowEntry(entry_);
  SendQuery();
}

void CIdxIndexView::ShowSearchResult(int found) {
  if (category_ != indextree::kSearch) SelectCategory(indextree::kSearch);
  SetItemText(0, indextree::LabelOf(indextree::kSearch) + " (" + std::to_string(found) + ")");
  SetCurSel(-1);
}

bool CIdxIndexView::favouritesCurrent() const {
  return category_ == indextree::kFavourites;
}

Cp932String CIdxIndexView::FavouriteNameOf(int entry) const {
  const CPhotoManager* library = TheApp().library();
  const int slot = indexentries::SlotOfValue(entry);
  return library != nullptr && slot != 0 ? library->FavouriteName(slot) : Cp932String();
}

void CIdxIndexView::ShowEntry(int entry) {
  const int row = RowOfEntry(entry);
  entry_ = row >= 0 ? entry : indexquery::kAllEntry;
  SetCurSel(row >= 0 ? row : RowOfEntry(indexquery::kAllEntry));
}

void CIdxIndexView::OnEntryChosen(int row) {
  if (category_ == indextree::kSearch) return;
  entry_ = static_cast<int>(GetItemData(row));
  SendQueryIfChanged();
}

// A double click in the favourites renames the favourite; "全て" is no favourite.
void CIdxIndexView::OnEntryDoubleClicked(int row) {
  if (!favouritesCurrent()) return;
  const int entry = static_cast<int>(GetItemData(row));
  if (entry != indexquery::kAllEntry) RenameFavourite(entry);
}

void CIdxIndexView::Remember(LPARAM category, int entry) {
  for (auto& [visited, remembered] : memory_) {
    if (visited != category) continue;
    remembered = entry;
    return;
  }
  memory_.emplace_back(category, entry);
}

int CIdxIndexView::Remembered(LPARAM category) const {
  for (const auto& [visited, remembered] : memory_)
    if (visited == category) return remembered;
  return indexquery::kAllEntry;
}

void CIdxIndexView::SendQueryIfChanged() {
  if (sent_ != std::make_pair(category_, entry_)) SendQuery();
}

void CIdxIndexView::SendQuery() {
  if (!IsWindow(frame_) || category_ == indextree::kSearch) return;
  sent_ = {category_, entry_};
  SearchCriteria query = indexquery::For(category_, entry_);
  ::SendMessage(frame_, kMsgQuery, 0, reinterpret_cast<LPARAM>(&query));
}

bool CIdxIndexView::RenameFavourite(int entry) {
  if (!favouritesCurrent()) return false;
  const int slot = indexentries::SlotOfValue(entry == kRememberedEntry ? entry_ : entry);
  CPhotoManager* library = TheApp().library();
  Cp932String name;
  if (slot == 0 || library == nullptr || !AskFavouriteName(*library, slot, &name)) return false;
  library->SetFavouriteName(slot, name);
  library->SaveFavouriteNames();
  SetItemText(RowOfEntry(1 << (slot - 1)), indexentries::FavouriteText(library, slot));
  Invalidate();
  if (IsWindow(frame_)) ::SendMessage(frame_, kMsgFavouriteRenamed, 0, 0);
  return true;
}

// The dialog knows the other favourites' names, so that no two favourites share one; the
// favourite's own name may stay.
bool CIdxIndexView::AskFavouriteName(const CPhotoManager& library, int slot, Cp932String* name) {
  const Cp932String current = library.FavouriteName(slot);
  CDlgNameEdit dialog(frame_);
  dialog.SetCaption(cp932::Lit("\"") + current + cp932::Lit("\"の変更"));
  dialog.SetPrompt(cp932::Lit("名前を入力してください"));
  dialog.SetLimit(kMaxFavouriteNameBytes);
  dialog.SetInitialText(current);
  for (int other = 1; other <= CPhotoManager::kFavouriteSlots; ++other)
    if (other != slot) dialog.AddNameInUse(library.FavouriteName(other));
  if (dialog.DoModal() != IDOK) return false;
  *name = dialog.name();
  return true;
}

void CIdxIndexView::LoadState() {
  CHarboPhotoApp& app = TheApp();
  category_ =
      static_cast<LPARAM>(static_cast<uint32_t>(app.ReadInt(kSection, "TabCurrent", 0x10000)));
  entry_ = app.ReadInt(kSection, "ListCurrent", indexquery::kAllEntry);
  memory_.clear();
  Remember(category_, entry_);
  sent_ = {0, -1};
}

void CIdxIndexView::OnDestroy() {
  SaveState();
}

void CIdxIndexView::SaveState() const {
  CHarboPhotoApp& app = TheApp();
  app.WriteInt(kSection, "TabCurrent", static_cast<int>(category_));
  app.WriteInt(kSection, "ListCurrent", entry_);
}
