#include "transfer/PcImport.h"

#include <cstdio>
#include <ctime>

#include "exif/CExifSource.h"
#include "library/AlbumStorage.h"
#include "library/CPhotoItem.h"
#include "library/PhotoKind.h"
#include "platform/fileio/FileIo.h"

namespace pcimport {
namespace {

constexpr uint16_t kUnknown = 65535;

bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}

// An Exif date ("YYYY:MM:DD HH:MM:SS") that names a real moment; a camera with a wrong
// clock writes month 13 or hour 24 as readily as anything else.
std::optional<ShotTime> ExifTime(const Cp932String& path) {
  CExifSource exif;
  Cp932String text;
  if (!exif.Open(path, CExifSource::DefaultTempFolder()) || !exif.DateTaken(&text))
    return std::nullopt;
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  if (std::sscanf(text.c_str(), "%d:%d:%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s) != 6)
    return std::nullopt;
  if (!InRange(y, 1, 9999) || !InRange(mo, 1, 12) || !InRange(d, 1, 31) || !InRange(h, 0, 23) ||
      !InRange(mi, 0, 59) || !InRange(s, 0, 60))
    return std::nullopt;
  const auto u16 = [](int v) { return static_cast<uint16_t>(v); };
  return ShotTime{u16(y), u16(mo), u16(d), u16(h), u16(mi), u16(s)};
}

ShotTime FileTime(const Cp932String& path) {
  const std::optional<int64_t> written = fileio::LastWriteTime(path);
  const time_t seconds = static_cast<time_t>(written.value_or(0));
  tm local{};
  if (!written || localtime_r(&seconds, &local) == nullptr)
    return {0, 0, kUnknown, kUnknown, kUnknown, kUnknown};
  const auto u16 = [](int v) { return static_cast<uint16_t>(v); };
  return {u16(local.tm_year + 1900), u16(local.tm_mon + 1), u16(local.tm_mday),
          u16(local.tm_hour),        u16(local.tm_min),     u16(local.tm_sec)};
}

// Copies one file into the album and records it; the record, or null.
CPhotoItem* ImportOne(CPhotoManager& library, const Cp932String& source, const Cp932String& memo) {
  Cp932String stored, sourceName;
  if (!library.StoreImportedFile(source, &stored, &sourceName)) return nullptr;
  const ShotTime t = ShootingTime(source);
  const uint32_t flags = PhotoKind::KindCodeFor(source, false) | PhotoKind::kFromPc;
  CPhotoItem* item =
      library.AddFile(flags, stored, t.year, t.month, t.day, t.hour, t.minute, t.second, 0);
  if (item == nullptr) {
    // The copy is nobody's photo without its record.
    albumstorage::RemoveFile(stored);
    return nullptr;
  }
  item->SetSourceName(sourceName);
  item->SetMemo(memo);
  return item;
}

// Takes the run back: its records leave the library and its copies the album folder.
void TakeBack(CPhotoManager& library, const std::vector<CPhotoItem*>& added) {
  for (auto it = added.rbegin(); it != added.rend(); ++it) library.RemovePhoto(*it, true);
}

}  // namespace

Refusal Check(const Cp932String& path) {
  if (!fileio::IsFile(path)) return Refusal::kNotAFile;
  const size_t slash = path.rfind('/');
  const std::string_view name = std::string_view(path).substr(slash + 1);
  if (PhotoKind::KindCodeFor(name, false) == 0) return Refusal::kKind;
  if (!albumstorage::IsStorableName(name)) return Refusal::kName;
  if (path.size() > CPhotoItem::kMaxPathBytes) return Refusal::kPathTooLong;
  return Refusal::kNone;
}

ShotTime ShootingTime(const Cp932String& path) {
  if (std::optional<ShotTime> exif = ExifTime(path)) return *exif;
  return FileTime(path);
}

Outcome Run(CPhotoManager& library, const std::vector<Cp932String>& files,
            const Cp932String& memo) {
  Outcome outcome;
  std::vector<CPhotoItem*> added;
  for (size_t next = 0; next < files.size(); ++next) {
    if (CPhotoItem* item = ImportOne(library, files[next], memo)) {
      added.push_back(item);
      continue;
    }
    // A full library (the user has been told) ends the run.
    const bool full = library.count() >= CPhotoManager::kMaxRecords;
    const auto from = files.begin() + static_cast<ptrdiff_t>(next);
    outcome.failed.insert(outcome.failed.end(), from, full ? files.end() : from + 1);
    if (full) break;
  }
  outcome.imported = static_cast<int>(added.size());
  if (added.empty() || library.SaveAlbum()) return outcome;
  TakeBack(library, added);
  library.Recount();
  outcome.saved = false;
  return outcome;
}

}  // namespace pcimport
