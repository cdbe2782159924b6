#include "phone/PhoneReadStore.h"

#include <cstdio>
#include <ctime>

#include "library/AlbumStorage.h"
#include "library/CPhotoManager.h"
#include "library/PhotoKind.h"
#include "platform/fileio/FileIo.h"

namespace phoneread {
namespace {

uint16_t Field(int value) {
  return static_cast<uint16_t>(value);
}

// One received file into the album: stored, dated, recorded; the record or null.
CPhotoItem* StoreOne(CPhotoManager& library, const CNyFileInfo& file) {
  const Cp932String& staged = file.GetPath();
  const std::optional<ShotTime> shot = FileShotTime(staged);
  if (!shot) {
    albumstorage::RemoveFile(staged);
    return nullptr;
  }
  Cp932String stored, name;
  if (!library.StorePhoneFile(staged, &stored, &name)) return nullptr;
  uint32_t flags = PhotoKind::KindCodeFor(name, true);
  if (file.IsExtStorageFile()) flags |= PhotoKind::kFromMemoryCard;
  const ShotTime& t = *shot;
  CPhotoItem* item = library.AddFile(flags, stored, Field(t.year), Field(t.month), Field(t.day),
                                     Field(t.hour), Field(t.minute), Field(t.second), 0);
  if (item == nullptr) {
    // A copy without its record would be nobody's photo, and never read again.
    albumstorage::RemoveFile(stored);
    return nullptr;
  }
  item->SetSourceName(file.GetTitleName());
  item->SetMemo(ShotMemo(t.month, t.day, t.hour, t.minute));
  return item;
}

}  // namespace

std::optional<ShotTime> FileShotTime(const Cp932String& path) {
  const std::optional<int64_t> written = fileio::LastWriteTime(path);
  if (!written) return std::nullopt;
  const auto seconds = static_cast<time_t>(*written);
  tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return ShotTime{};
  return ShotTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour,        local.tm_min,     local.tm_sec};
}

Cp932String ShotMemo(int month, int day, int hour, int minute) {
  char text[96];
  std::snprintf(text, sizeof text, "%2d月%2d日 %2d時%2d分 に撮影しました。", month, day, hour,
                minute);
  return cp932::Lit(text);
}

std::vector<CPhotoItem*> StoreReceived(CPhotoManager& library, const CNyFileInfoList& files) {
  std::vector<CPhotoItem*> records;
  bool full = false;
  for (POSITION pos = files.GetHeadPosition(); pos != nullptr;) {
    const CNyFileInfo& file = files.GetNext(pos);
    if (!file.IsFile() || !file.IsReadSuccess()) continue;
    if (full) {
      albumstorage::RemoveFile(file.GetPath());
      continue;
    }
    if (CPhotoItem* item = StoreOne(library, file))
      records.push_back(item);
    else
      full = library.count() >= CPhotoManager::kMaxRecords;
  }
  return records;
}

}  // namespace phoneread
