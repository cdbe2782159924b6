#include "library/CPhotoManager.h"

#include <cstring>

#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "library/AlbumFile.h"
#include "library/AlbumStorage.h"
#include "library/BurstComposite.h"
#include "library/PhotoKind.h"
#include "library/PhotoSearch.h"
#include "platform/fileio/FileIo.h"

namespace {

const char* const kFavouriteSection = "Favorite";

Cp932String FavouriteValueName(int slot) {
  return "Name" + std::to_string(slot);
}

Cp932String DefaultFavouriteName(int slot) {
  return cp932::Lit("お気に入り") + std::to_string(slot);
}

void PutText(char* field, size_t size, const Cp932String& text) {
  const size_t n = std::min(text.size(), size - 1);
  std::memcpy(field, text.data(), n);
}

}  // namespace

CPhotoManager::CPhotoManager() : CPhotoItems(true) {
  for (int slot = 1; slot <= kFavouriteSlots; ++slot)
    favouriteNames_[slot - 1] = DefaultFavouriteName(slot);
}

CPhotoItem* CPhotoManager::AddRecord(const PhotoFileRecord& record,
                                     const AdjustmentRecord* adjustments) {
  if (count() >= kMaxRecords) {
    AlbumMessageBox(cp932::Lit("これ以上、写真の追加はできません。"), MB_ICONEXCLAMATION);
    return nullptr;
  }
  const Cp932String path(record.path, strnlen(record.path, sizeof record.path));
  const std::optional<uint64_t> size = fileio::FileSize(path);
  if (!size) return nullptr;
  if ((record.flags & PhotoKind::kBurstComposite) && record.comboNumber == 0) return nullptr;
  PhotoFileRecord current = record;
  current.size = static_cast<int32_t>(static_cast<uint32_t>(*size));
  auto item = std::make_unique<CPhotoItem>();
  if (!item->FromFileRecord(&current, adjustments)) return nullptr;
  Add(item.get());
  return item.release();
}

CPhotoItem* CPhotoManager::AddFile(uint32_t flags, const Cp932String& path, uint16_t year,
                                   uint16_t month, uint16_t day, uint16_t hour, uint16_t minute,
                                   uint16_t second, uint16_t comboNumber) {
  // A path that does not fit the record's field would name another file once cut.
  if (path.size() > CPhotoItem::kMaxPathBytes) return nullptr;
  PhotoFileRecord record{};
  record.flags = flags;
  PutText(record.path, sizeof record.path, path);
  record.year = year;
  record.month = month;
  record.day = day;
  record.hour = hour;
  record.minute = minute;
  record.second = second;
  record.comboNumber = comboNumber;
  return AddRecord(record, nullptr);
}

void CPhotoManager::RemovePhoto(CPhotoItem* item, bool deleteFile) {
  if (item == current_) current_ = nullptr;
  Remove(item, deleteFile);
}

void CPhotoManager::CountFavourites(const CPhotoItem& item) {
  if ((item.favourites() & kFavouriteBits) == 0) return;
  ++favouriteCount_;
  for (int slot = 0; slot < kFavouriteSlots; ++slot)
    if ((item.favourites() & (1u << slot)) && favouriteTallies_[slot] < kSaturatedSlot)
      ++favouriteTallies_[slot];
}

void CPhotoManager::Recount() {
  years_.Clear();
  combos_.Clear();
  favouriteTallies_.fill(0);
  setAsideCount_ = 0;
  favouriteCount_ = 0;
  for (auto it = items().rbegin(); it != items().rend(); ++it) {
    const CPhotoItem& item = **it;
    if (item.deleted() != 0) {
      ++setAsideCount_;
      continue;
    }
    CountFavourites(item);
    if (item.flags() & PhotoKind::kPhotoOrMovieMask) years_.Count(item.year(), item.month());
    if (item.flags() & PhotoKind::kBurstComposite) combos_.Count(item.comboNumber());
  }
}

void CPhotoManager::RecountFavourites() {
  favouriteTallies_.fill(0);
  favouriteCount_ = 0;
  for (auto it = items().rbegin(); it != items().rend(); ++it)
    if ((*it)->deleted() == 0) CountFavourites(**it);
}

uint32_t CPhotoManager::favouriteTally(int slot) const {
  return slot >= 1 && slot <= kFavouriteSlots ? favouriteTallies_[slot - 1] : 0;
}

const Cp932String& CPhotoManager::FavouriteName(int slot) const {
  static const Cp932String none;
  return slot >= 1 && slot <= kFavouriteSlots ? favouriteNames_[slot - 1] : none;
}

void CPhotoManager::SetFavouriteName(int slot, const Cp932String& name) {
  if (slot < 1 || slot > kFavouriteSlots) return;
  favouriteNames_[slot - 1] = cp932::Cut(name, kMaxFavouriteNameBytes);
}

void CPhotoManager::LoadFavouriteNames() {
  CHarboPhotoApp& app = TheApp();
  for (int slot = 1; slot <= kFavouriteSlots; ++slot)
    SetFavouriteName(slot, app.ReadText(kFavouriteSection, FavouriteValueName(slot),
                                        DefaultFavouriteName(slot)));
}

bool CPhotoManager::SaveFavouriteNames() const {
  CHarboPhotoApp& app = TheApp();
  bool ok = true;
  // Only changed names are written: every registry write goes to the disk, and the library
  // is saved after every command.
  for (int slot = 1; slot <= kFavouriteSlots; ++slot) {
    const Cp932String& name = favouriteNames_[slot - 1];
    const Cp932String unset = name.empty() ? Cp932String("?") : Cp932String();
    if (app.ReadText(kFavouriteSection, FavouriteValueName(slot), unset) != name)
      ok = app.WriteText(kFavouriteSection, FavouriteValueName(slot), name) && ok;
  }
  return ok;
}

int CPhotoManager::NextFreeComboNumber(int start) const {
  // Burst groups are numbered from 1; 0 means "no group" and is never handed out.
  for (int n = std::max(start, 1); n <= kMaxComboNumber; ++n)
    if (!combos_.Contains(static_cast<uint32_t>(n))) return n;
  return 0;
}

std::unique_ptr<CPhotoItems> CPhotoManager::Search(const SearchCriteria& criteria) const {
  return SearchIn(*this, criteria);
}

std::unique_ptr<CPhotoItems> CPhotoManager::SearchIn(const CPhotoItems& items,
                                                     const SearchCriteria& criteria) {
  auto result = std::make_unique<CPhotoItems>(false);
  const photosearch::Filter filter(criteria);
  for (auto it = items.items().rbegin(); it != items.items().rend(); ++it)
    if (filter.Passes(**it)) result->Add(*it);
  return result;
}

std::unique_ptr<CPhotoItems> CPhotoManager::SearchInView(const SearchCriteria& criteria,
                                                         const CPhotoItems& shown) const {
  return criteria.inView != 0 ? SearchIn(shown, criteria) : Search(criteria);
}

int CPhotoManager::LoadAlbum(const Cp932String* path) {
  if (path != nullptr) databasePath_ = *path;
  return albumfile::Load(*this);
}

int CPhotoManager::SaveAlbum() {
  return albumfile::Save(*this);
}

int CPhotoManager::StorePhoneFile(const Cp932String& stagingPath, Cp932String* path,
                                  Cp932String* name) {
  return albumstorage::StorePhoneFile(*this, stagingPath, path, name);
}

int CPhotoManager::StoreImportedFile(const Cp932String& sourcePath, Cp932String* path,
                                     Cp932String* sourceName) {
  return albumstorage::StoreImportedFile(*this, sourcePath, path, sourceName);
}

int CPhotoManager::StoreBurstComposite(const Cp932String& jpegPath, Cp932String* path,
                                       Cp932String* name) {
  return albumstorage::StoreBurstComposite(*this, jpegPath, path, name);
}

std::unique_ptr<CPhotoItem> CPhotoManager::CreateBurstComposite(const CPhotoItem* const* members,
                                                                int count) {
  return burst::Create(*this, members, count);
}
