// The album's catalogue in memory: every photo record of the current user (owned), the
// tallies the index panel shows, the favourite names, the search every index entry runs,
// the album database file and the storage of files in the album folder tree.
#pragma once

#include <array>
#include <memory>

#include "library/CPhotoItems.h"
#include "library/PhotoCounters.h"
#include "library/SearchCriteria.h"

class CPhotoManager : public CPhotoItems {
 public:
  static constexpr int kMaxRecords = 10000;
  static constexpr int kFavouriteSlots = 12;
  static constexpr uint32_t kFavouriteBits = (1u << kFavouriteSlots) - 1;
  static constexpr uint32_t kSaturatedSlot = 0x7FFFFFFF;
  static constexpr int kMaxComboNumber = 9999;
  static constexpr size_t kMaxFavouriteNameBytes = 32;

  CPhotoManager();

  // Adds a record for the file record's file; null when the library is full (the user is
  // told), the file does not exist, or a burst composite has no burst group.
  CPhotoItem* AddRecord(const PhotoFileRecord& record, const AdjustmentRecord* adjustments);
  CPhotoItem* AddFile(uint32_t flags, const Cp932String& path, uint16_t year, uint16_t month,
                      uint16_t day, uint16_t hour, uint16_t minute, uint16_t second,
                      uint16_t comboNumber);
  void RemovePhoto(CPhotoItem* item, bool deleteFile);
  void SetCurrentPhoto(CPhotoItem* item) { current_ = item; }
  CPhotoItem* currentPhoto() const { return current_; }

  // Rebuilds every tally from the records; RecountFavourites only the favourite ones.
  void Recount();
  void RecountFavourites();
  const CCounterYearList& yearTallies() const { return years_; }
  const CCounterComboList& comboTallies() const { return combos_; }
  uint32_t favouriteTally(int slot) const;
  uint32_t setAsideCount() const { return setAsideCount_; }
  uint32_t favouriteCount() const { return favouriteCount_; }

  // Favourite names of slots 1..12, kept in the registry section "Favorite".
  const Cp932String& FavouriteName(int slot) const;
  void SetFavouriteName(int slot, const Cp932String& name);
  void LoadFavouriteNames();
  bool SaveFavouriteNames() const;

  // The smallest burst group number from start on (at least 1) that no composite carries;
  // 0 when none below 10000 is free.
  int NextFreeComboNumber(int start) const;

  // The records that pass the criteria, last record first; the result does not own them.
  std::unique_ptr<CPhotoItems> Search(const SearchCriteria& criteria) const;
  // The same over another collection (the photos a view shows).
  static std::unique_ptr<CPhotoItems> SearchIn(const CPhotoItems& items,
                                               const SearchCriteria& criteria);
  // Over the photos shown when the criteria ask for a search in the view, else over the
  // library.
  std::unique_ptr<CPhotoItems> SearchInView(const SearchCriteria& criteria,
                                            const CPhotoItems& shown) const;

  // Reads the album database (the stored path, or this one, which then replaces it): 1
  // when a file was read, also an empty or unrecognised one; 0 when none could be read.
  int LoadAlbum(const Cp932String* path = nullptr);
  // Writes the album database whole; 1 on success, 0 with the old file untouched.
  int SaveAlbum();
  const Cp932String& databasePath() const { return databasePath_; }
  void SetDatabasePath(const Cp932String& path) { databasePath_ = path; }

  // Brings a file into the album folder tree under a name no record uses; 1 on success
  // with the stored file's path and name, 0 when nothing was stored.
  int StorePhoneFile(const Cp932String& stagingPath, Cp932String* path, Cp932String* name);
  int StoreImportedFile(const Cp932String& sourcePath, Cp932String* path, Cp932String* sourceName);
  int StoreBurstComposite(const Cp932String& jpegPath, Cp932String* path, Cp932String* name);

  // Composes the members' pictures into one stored JPEG and a record for it, not yet in
  // the library; null on failure.
  std::unique_ptr<CPhotoItem> CreateBurstComposite(const CPhotoItem* const* members, int count);

  // A catalogue that was present but could not be read, kept aside at the next save rather
  // than overwritten.
  struct UnreadableCatalogue {
    Cp932String path;  // empty: none
  };
  UnreadableCatalogue& unreadableCatalogue() { return unreadable_; }

  // A catalogue some of whose entries could not be loaded (no usable path, no file, past
  // the record limit, cut short): the next save keeps a copy of it as it was read before
  // replacing it, so that nothing leaves the catalogue unseen.
  struct LeftOutEntries {
    Cp932String path;  // empty: none
    size_t count = 0;
  };
  LeftOutEntries& leftOutEntries() { return leftOut_; }

  // A silent library shows nothing of its file work to the user (the data conversion runs
  // without windows: the host reads the suite's error record instead).
  void SetSilent(bool silent) { silent_ = silent; }
  bool silent() const { return silent_; }

  // Whether a failed backup has been noted in the suite's error record since the last
  // backup that succeeded; a failure is noted once, not at every save.
  bool& backupFailureNoted() { return backupFailureNoted_; }

 private:
  void CountFavourites(const CPhotoItem& item);

  Cp932String databasePath_;
  CCounterYearList years_;
  std::array<uint32_t, kFavouriteSlots> favouriteTallies_{};
  std::array<Cp932String, kFavouriteSlots> favouriteNames_;
  CCounterComboList combos_;
  uint32_t setAsideCount_ = 0;
  uint32_t favouriteCount_ = 0;
  CPhotoItem* current_ = nullptr;
  UnreadableCatalogue unreadable_;
  LeftOutEntries leftOut_;
  bool backupFailureNoted_ = false;
  bool silent_ = false;
};
