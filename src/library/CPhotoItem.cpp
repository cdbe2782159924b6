#include "library/CPhotoItem.h"

#include <cstring>

#include "library/AlbumText.h"
#include "platform/fileio/FileIo.h"

namespace {

// A zero-terminated text of a fixed field; a field without a terminator ends at its size.
Cp932String FieldText(const char* field, size_t size) {
  return Cp932String(field, strnlen(field, size));
}

void PutField(char* field, size_t size, const Cp932String& text) {
  const size_t n = std::min(text.size(), size - 1);
  std::memcpy(field, text.data(), n);
  field[n] = '\0';
}

}  // namespace

CPhotoItem::CPhotoItem() = default;

int CPhotoItem::SetPath(const Cp932String& path, bool move) {
  if (!path_.empty() && albumtext::EqualsNoCase(path_, path)) return 1;
  if (path.size() > kMaxPathBytes) return 0;
  if (!path_.empty() && move) {
    DWORD error = 0;
    if (!AdMoveFileA(path_.c_str(), path.c_str(), &error)) return 0;
  }
  path_ = path;
  DeriveNames();
  return 1;
}

void CPhotoItem::DeriveNames() {
  const size_t slash = path_.rfind('/');
  // A path that ends in the separator keeps the whole path as its file name.
  fileNameAt_ = slash == Cp932String::npos || slash + 1 == path_.size() ? 0 : slash + 1;
  const std::string_view name = fileName();
  title_ = Cp932String(name.substr(0, std::min(name.rfind('.'), name.size())));
}

std::string_view CPhotoItem::fileName() const {
  return std::string_view(path_).substr(fileNameAt_);
}

int CPhotoItem::Rename(const Cp932String& newTitle) {
  const size_t slash = path_.rfind('/');
  // A title is one name: a separator in it would move the file into another folder.
  if (slash == Cp932String::npos || newTitle.empty() || newTitle.find('/') != Cp932String::npos)
    return 0;
  const std::string_view name = fileName();
  const size_t dot = name.rfind('.');
  const std::string_view extension = dot == std::string_view::npos ? "" : name.substr(dot);
  const Cp932String renamed = path_.substr(0, slash + 1) + newTitle + Cp932String(extension);
  if (renamed == path_) return 1;
  // A change of case alone is a rename too: the disk tells such names apart.
  if (renamed.size() > kMaxPathBytes) return 0;
  DWORD error = 0;
  if (!AdMoveFileA(path_.c_str(), renamed.c_str(), &error)) return 0;
  path_ = renamed;
  DeriveNames();
  return 1;
}

void CPhotoItem::SetSourceName(const Cp932String& name) {
  sourceName_ = cp932::Cut(name, kMaxSourceNameBytes);
}

void CPhotoItem::SetMemo(const Cp932String& memo) {
  memo_ = cp932::Cut(memo, kMaxMemoBytes);
}

void CPhotoItem::Reset() {
  path_.clear();
  fileNameAt_ = 0;
  title_.clear();
  sourceName_.clear();
  memo_.clear();
  flags_ = 0;
  size_ = 0;
  favourites_ = 0;
  comboNumber_ = 0;
  reserved_ = 0;
  deleted_ = 0;
  loaded_ = 0;
  selected_ = 0;
  SetDate(kUnknown, kUnknown, kUnknown);
  SetTime(kUnknown, kUnknown, kUnknown);
  SetAdjustments(AdjustmentRecord{});
}

int CPhotoItem::FromFileRecord(const PhotoFileRecord* record, const AdjustmentRecord* adjustments) {
  if (record == nullptr) return 0;
  Reset();
  flags_ = record->flags;
  if (!SetPath(FieldText(record->path, sizeof record->path), true)) return 0;
  const Cp932String source = FieldText(record->sourceName, sizeof record->sourceName);
  SetSourceName(source.empty() ? Cp932String(fileName()) : source);
  SetMemo(FieldText(record->memo, sizeof record->memo));
  SetDate(record->year, record->month, record->day);
  SetTime(record->hour, record->minute, record->second);
  size_ = record->size;
  favourites_ = record->favourites;
  comboNumber_ = record->comboNumber;
  reserved_ = record->reserved;
  deleted_ = record->deleted;
  if (adjustments != nullptr) SetAdjustments(*adjustments);
  loaded_ = 1;
  return 1;
}

void CPhotoItem::ToFileRecord(PhotoFileRecord* record) const {
  std::memset(record, 0, sizeof *record);
  if (fileName().empty()) return;
  record->flags = flags_;
  PutField(record->path, sizeof record->path, path_);
  PutField(record->sourceName, sizeof record->sourceName, sourceName_);
  PutField(record->memo, sizeof record->memo, memo_);
  record->year = year_;
  record->month = month_;
  record->day = day_;
  record->hour = hour_;
  record->minute = minute_;
  record->second = second_;
  record->size = size_;
  record->favourites = favourites_;
  record->comboNumber = comboNumber_;
  record->reserved = reserved_;
  record->deleted = deleted_;
}

void CPhotoItem::CopyFrom(const CPhotoItem& other) {
  SetAdjustments(other.adjustments());
  path_ = other.path_;
  DeriveNames();
  sourceName_ = other.sourceName_;
  memo_ = other.memo_;
  SetDate(other.year_, other.month_, other.day_);
  size_ = other.size_;
  favourites_ = other.favourites_;
  deleted_ = other.deleted_;
  loaded_ = other.loaded_;
}

int32_t CPhotoItem::DateNumber() const {
  return (static_cast<int32_t>(year_) * 100 + month_) * 100 + day_;
}

int32_t CPhotoItem::TimeNumber() const {
  return (static_cast<int32_t>(hour_) * 100 + minute_) * 100 + second_;
}

bool CPhotoItem::IsPng() const {
  const std::string_view name = fileName();
  const size_t dot = name.rfind('.');
  return dot != std::string_view::npos && name.size() - dot == 4 &&
         albumtext::EqualsNoCase(name.substr(dot), ".png");
}

void CPhotoItem::SetDate(uint16_t year, uint16_t month, uint16_t day) {
  year_ = year;
  month_ = month;
  day_ = day;
}

void CPhotoItem::SetTime(uint16_t hour, uint16_t minute, uint16_t second) {
  hour_ = hour;
  minute_ = minute;
  second_ = second;
}

int CPhotoItem::DrawFitted(CDC& dc, const RECT& rect, RECT* placed) {
  return CLBitmap::DrawFitted(dc, rect, path_, placed);
}

bool CPhotoItem::IsPortrait() {
  // Only the file information is needed. It is read when missing and nothing else is held,
  // so no decoded picture or icon is given up for it; a file that is no picture has none.
  if (fileInfo() == nullptr && (IsValid() || ReadFileInfo(path_) != 1)) return false;
  const BitmapSize size = FileSize();
  // Portrait means not wider than high as shown, after the rotation: a square stands upright
  // however it is turned.
  return adjustments().TurnsSideways() ? size.width >= size.height : size.width <= size.height;
}

int CPhotoItem::SaveAdjustedCopy(const Cp932String& destination, int quality) {
  return CLBitmap::SaveAdjustedCopy(path_, destination, quality);
}

int CPhotoItem::SaveWithinSize(const Cp932String& destination, uint32_t byteLimit) {
  return CLBitmap::SaveWithinSize(path_, destination, byteLimit);
}
