#include "library/AlbumFile.h"

#include <ctime>

#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"
#include "library/AlbumDatabase.h"
#include "library/CPhotoManager.h"
#include "platform/fileio/FileIo.h"

namespace albumfile {
namespace {

// The album's file work is one suite operation, so other modules keep off the file.
class AlbumFileOperation {
 public:
  AlbumFileOperation()
      : begun_(suite::BeginOperation(suite::kAlbumModule, suite::kKindAlbumFiles, 1, 0, 0) != 0) {}
  ~AlbumFileOperation() {
    if (begun_) suite::EndOperation(suite::kAlbumModule, suite::kKindAlbumFiles, 0);
  }
  AlbumFileOperation(const AlbumFileOperation&) = delete;
  AlbumFileOperation& operator=(const AlbumFileOperation&) = delete;
  bool begun() const { return begun_; }

 private:
  bool begun_;
};

bool UseSuiteLibrary() {
  return suite::GetFileAccessMode() == 1;
}

Cp932String AlbumFolder() {
  return TheApp().GetPath(CHarboPhotoApp::Path::kAlbumFolder);
}

// A version 1 entry takes its time of day from the file's last write, in local time.
void TakeTimeFromFile(albumdb::Entry& entry) {
  const std::optional<int64_t> written = fileio::LastWriteTime(entry.record.path);
  if (!written) return;
  const time_t seconds = static_cast<time_t>(*written);
  tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return;
  entry.record.hour = static_cast<uint16_t>(local.tm_hour);
  entry.record.minute = static_cast<uint16_t>(local.tm_min);
  entry.record.second = static_cast<uint16_t>(local.tm_sec);
}

// Adds the parsed entries until the library is full; the number of records added.
void AddEntries(CPhotoManager& library, std::vector<albumdb::Entry>& entries) {
  for (albumdb::Entry& entry : entries) {
    if (entry.timeFromFile) TakeTimeFromFile(entry);
    if (library.AddRecord(entry.record, &entry.adjustments) == nullptr &&
        library.count() >= CPhotoManager::kMaxRecords)
      return;
  }
}

// A present file whose version is unknown, or of whose entries not one was sound, holds
// nothing the library could keep; it must not be overwritten by the next save.
bool IsDamaged(std::string_view bytes, const albumdb::ParsedFile& parsed) {
  if (bytes.empty()) return false;
  if (parsed.version == 0) return true;
  return parsed.entryBytes > 0 && parsed.entries.empty();
}

// The first free name for keeping a damaged catalogue aside: ".damaged", ".damaged.2" …
std::optional<Cp932String> DamagedName(const Cp932String& path) {
  const Cp932String base = path + kDamagedSuffix;
  if (!fileio::Exists(base)) return base;
  for (int n = 2; n < 10000; ++n) {
    const Cp932String numbered = base + "." + std::to_string(n);
    if (!fileio::Exists(numbered)) return numbered;
  }
  return std::nullopt;
}

void TellKeptAside(const Cp932String& keptAs, const Cp932String& backup) {
  Cp932String text = cp932::Lit("アルバムのデータファイルを読み込めなかったため、") + keptAs +
                     cp932::Lit(" として残しました。");
  if (fileio::IsFile(backup))
    text += cp932::Lit("\n前回保存したデータは ") + backup + cp932::Lit(" にあります。");
  AlbumMessageBox(text, MB_ICONEXCLAMATION);
}

// Moves an unreadable catalogue out of the way, once, and tells the user where it went.
bool KeepUnreadableAside(CPhotoManager& library, const Cp932String& path) {
  CPhotoManager::UnreadableCatalogue& unreadable = library.unreadableCatalogue();
  if (unreadable.path != path || !fileio::Exists(path)) {
    unreadable.path.clear();
    return true;
  }
  const std::optional<Cp932String> aside = DamagedName(path);
  DWORD error = 0;
  const BOOL moved = !aside              ? 0
                     : UseSuiteLibrary() ? AdMoveFileA(path.c_str(), aside->c_str(), &error)
                                         : MoveFileA(path.c_str(), aside->c_str());
  if (!moved) return false;
  unreadable.path.clear();
  TellKeptAside(*aside, path + kBackupSuffix);
  return true;
}

// Keeps the file about to be replaced as the one backup generation.
bool KeepBackup(const Cp932String& path) {
  if (!fileio::IsFile(path)) return true;
  const Cp932String backup = path + kBackupSuffix;
  DWORD error = 0;
  return UseSuiteLibrary() ? AdCopyFileA(path.c_str(), backup.c_str(), 0, &error) != 0
                           : CopyFileA(path.c_str(), backup.c_str(), 0) != 0;
}

// The whole version 4 file of the library; nullopt when an entry could not be encrypted.
std::optional<std::string> CatalogueBytes(const CPhotoManager& library) {
  const Cp932String folder = AlbumFolder();
  std::string out = albumdb::Header();
  out.reserve(albumdb::kHeaderBytes + library.items().size() * albumdb::kEntryBytes);
  PhotoFileRecord record{};
  for (const CPhotoItem* item : library.items()) {
    item->ToFileRecord(&record);
    if (!albumdb::AppendEntry(out, record, item->adjustments(), folder)) return std::nullopt;
  }
  return out;
}

}  // namespace

int Load(CPhotoManager& library) {
  AlbumFileOperation operation;
  if (!operation.begun()) return 0;
  library.RemoveAll();
  library.SetCurrentPhoto(nullptr);
  library.LoadFavouriteNames();
  const Cp932String& path = library.databasePath();
  library.unreadableCatalogue().path.clear();
  if (path.empty() || !fileio::Exists(path)) return 0;
  std::optional<std::string> bytes = fileio::ReadFile(path);
  if (!bytes) {
    library.unreadableCatalogue().path = path;
    return 0;
  }
  albumdb::ParsedFile parsed = albumdb::Parse(*bytes, AlbumFolder());
  if (IsDamaged(*bytes, parsed)) library.unreadableCatalogue().path = path;
  AddEntries(library, parsed.entries);
  return 1;
}

int Save(CPhotoManager& library) {
  AlbumFileOperation operation;
  if (!operation.begun()) return 0;
  library.SaveFavouriteNames();
  const Cp932String path = library.databasePath();
  if (path.empty()) return 0;
  const std::optional<std::string> bytes = CatalogueBytes(library);
  if (!bytes || !KeepUnreadableAside(library, path) || !KeepBackup(path)) return 0;
  if (!fileio::WriteFileAtomic(path, *bytes)) return 0;
  suite::PostAlbumChanged(1);
  return 1;
}

}  // namespace albumfile
