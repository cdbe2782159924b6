// One photo or movie of the album: its file, names, memo, shooting date, size, favourites,
// burst group and marks. The decoded picture and the display adjustments come from the
// bitmap base. Every text fits its field of the file record: the path is refused when too
// long (a shortened path would name another file), the source name and memo are cut on a
// character boundary.
#pragma once

#include <cstdint>

#include "images/CLBitmap.h"
#include "library/PhotoFileRecord.h"
#include "platform/text/Cp932.h"

class CPhotoItem : public CLBitmap {
 public:
  static constexpr uint16_t kUnknown = 65535;
  static constexpr size_t kMaxPathBytes = PhotoFileRecord::kPathField - 1;
  static constexpr size_t kMaxSourceNameBytes = PhotoFileRecord::kSourceNameField - 1;
  static constexpr size_t kMaxMemoBytes = PhotoFileRecord::kMemoField - 1;

  CPhotoItem();

  // Replaces the path; with move set a record that had another path first moves its file.
  // 1 on success; 0 (record unchanged) when the move fails or the path is too long.
  int SetPath(const Cp932String& path, bool move);
  // Gives the file the new title in its folder, keeping the extension; moves the file.
  int Rename(const Cp932String& newTitle);
  void SetSourceName(const Cp932String& name);
  void SetMemo(const Cp932String& memo);

  // Fills the record from a file record (and its adjustments when given); 0 for none.
  int FromFileRecord(const PhotoFileRecord* record, const AdjustmentRecord* adjustments);
  // The file record of this photo; all zero when it has no file name.
  void ToFileRecord(PhotoFileRecord* record) const;
  // Takes the adjustments, texts, date, size, favourites and marks of another record;
  // flags, time of day and burst group stay.
  void CopyFrom(const CPhotoItem& other);
  void Reset();

  // Date as year * 10000 + month * 100 + day, time as hour * 10000 + minute * 100 + second.
  int32_t DateNumber() const;
  int32_t TimeNumber() const;
  bool IsPng() const;
  void SetDate(uint16_t year, uint16_t month, uint16_t day);
  void SetTime(uint16_t hour, uint16_t minute, uint16_t second);

  // The picture operations on this photo's own file.
  int DrawFitted(CDC& dc, const RECT& rect, RECT* placed);
  // Whether the photo is not wider than high as shown, that is after its rotation.
  bool IsPortrait();
  int SaveAdjustedCopy(const Cp932String& destination, int quality);
  int SaveWithinSize(const Cp932String& destination, uint32_t byteLimit);

  uint32_t flags() const { return flags_; }
  void SetFlags(uint32_t flags) { flags_ = flags; }
  const Cp932String& path() const { return path_; }
  std::string_view fileName() const;
  const Cp932String& title() const { return title_; }
  const Cp932String& sourceName() const { return sourceName_; }
  const Cp932String& memo() const { return memo_; }
  uint16_t year() const { return year_; }
  uint16_t month() const { return month_; }
  uint16_t day() const { return day_; }
  uint16_t hour() const { return hour_; }
  uint16_t minute() const { return minute_; }
  uint16_t second() const { return second_; }
  int32_t size() const { return size_; }
  void SetSize(int32_t size) { size_ = size; }
  uint32_t favourites() const { return favourites_; }
  void SetFavourites(uint32_t bits) { favourites_ = bits; }
  uint8_t deleted() const { return deleted_; }
  void SetDeleted(uint8_t mark) { deleted_ = mark; }
  uint8_t loaded() const { return loaded_; }
  uint8_t selected() const { return selected_; }
  void SetSelected(uint8_t mark) { selected_ = mark; }
  uint16_t comboNumber() const { return comboNumber_; }
  void SetComboNumber(uint16_t number) { comboNumber_ = number; }
  uint8_t reserved() const { return reserved_; }

 private:
  void DeriveNames();

  uint32_t flags_ = 0;
  Cp932String path_;
  size_t fileNameAt_ = 0;
  Cp932String title_;
  Cp932String sourceName_;
  Cp932String memo_;
  uint16_t year_ = kUnknown;
  uint16_t month_ = kUnknown;
  uint16_t day_ = kUnknown;
  uint16_t hour_ = kUnknown;
  uint16_t minute_ = kUnknown;
  uint16_t second_ = kUnknown;
  int32_t size_ = 0;
  uint32_t favourites_ = 0;
  uint8_t deleted_ = 0;
  uint8_t loaded_ = 0;
  uint8_t selected_ = 0;
  uint16_t comboNumber_ = 0;
  uint8_t reserved_ = 0;
};
