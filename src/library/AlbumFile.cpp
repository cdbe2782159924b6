#include "library/AlbumFile.h"

#include <algorithm>
#include <cctype>
#include <ctime>

#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "host/SuitePath.h"
#include "host/SuiteRegistry.h"
#include "library/AlbumDatabase.h"
#include "library/CPhotoManager.h"
#include "platform/fileio/FileIo.h"

namespace albumfile {
namespace {

// The album's file work is one suite operation, so other modules keep off the file.
class AlbumFileOperation : public suite::ScopedOperation {
 public:
  AlbumFileOperation() : ScopedOperation(suite::kKindAlbumFiles, 1) {}
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
size_t AddEntries(CPhotoManager& library, std::vector<albumdb::Entry>& entries) {
  size_t added = 0;
  for (albumdb::Entry& entry : entries) {
    if (entry.timeFromFile) TakeTimeFromFile(entry);
    if (library.AddRecord(entry.record, &entry.adjustments) != nullptr)
      ++added;
    else if (library.count() >= CPhotoManager::kMaxRecords)
      break;
  }
  return added;
}

// Entries of the file that did not become records: no usable path, no file, past the
// library's limit, or an unfinished entry at the end.
size_t LeftOutCount(const albumdb::ParsedFile& parsed, size_t added) {
  return parsed.withoutPath + (parsed.cutShort ? 1 : 0) + (parsed.entries.size() - added);
}

// Remembers that the next save must first keep a copy of the file as read, and tells the
// host how many entries were left out.
void NoteLeftOut(CPhotoManager& library, const Cp932String& path, size_t count) {
  CPhotoManager::LeftOutEntries& leftOut = library.leftOutEntries();
  leftOut.path = count > 0 ? path : Cp932String();
  leftOut.count = count;
  if (count == 0) return;
  const Cp932String text = cp932::Lit("アルバムのデータのうち ") + std::to_string(count) +
                           cp932::Lit(" 件の記録を読み込めませんでした。");
  suite::ReportError(suite::kErrorEntriesLeftOut, static_cast<int32_t>(count), 0, text, 1);
}

bool IsNumber(std::string_view name) {
  return !name.empty() && std::all_of(name.begin(), name.end(),
                                      [](char c) { return std::isdigit(static_cast<uint8_t>(c)); });
}

// The folders a crashed save, import or phone read may have left temporary files in: the
// album folder, its Pc and Combo folders, and the month folders of every year.
std::vector<Cp932String> StorageFolders(const Cp932String& album) {
  std::vector<Cp932String> folders{album};
  const auto entries = fileio::ListFolder(album);
  if (!entries) return folders;
  for (const fileio::DirEntry& e : *entries) {
    if (!e.isDirectory) continue;
    const Cp932String folder = suite::JoinPath({album, e.name});
    folders.push_back(folder);
    if (!IsNumber(e.name)) continue;
    const auto months = fileio::ListFolder(folder);
    if (!months) continue;
    for (const fileio::DirEntry& month : *months)
      if (month.isDirectory) folders.push_back(suite::JoinPath({folder, month.name}));
  }
  return folders;
}

void SweepStaleTemporaries(const Cp932String& album) {
  for (const Cp932String& folder : StorageFolders(album)) fileio::RemoveStaleTemporaries(folder);
}

// A present file whose version is unknown, or not one of whose entries reads as the album
// writes them and became a record, holds nothing the library could keep; it must not be
// overwritten by the next save.
bool IsDamaged(std::string_view bytes, const albumdb::ParsedFile& parsed, size_t added) {
  if (bytes.empty()) return false;
  if (parsed.version == 0) return true;
  return parsed.entryBytes > 0 && parsed.plausible == 0 && added == 0;
}

// The first free name for keeping a catalogue aside: ".damaged", ".damaged.2" …
std::optional<Cp932String> AsideName(const Cp932String& path, const char* suffix) {
  const Cp932String base = path + suffix;
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
  const std::optional<Cp932String> aside = AsideName(path, kDamagedSuffix);
  DWORD error = 0;
  const BOOL moved = !aside              ? 0
                     : UseSuiteLibrary() ? AdMoveFileA(path.c_str(), aside->c_str(), &error)
                                         : MoveFileA(path.c_str(), aside->c_str());
  if (!moved) return false;
  unreadable.path.clear();
  TellKeptAside(*aside, path + kBackupSuffix);
  return true;
}

bool CopyFile(const Cp932String& from, const Cp932String& to, bool replace) {
  DWORD error = 0;
  const BOOL failIfExists = replace ? 0 : 1;
  return UseSuiteLibrary() ? AdCopyFileA(from.c_str(), to.c_str(), failIfExists, &error) != 0
                           : CopyFileA(from.c_str(), to.c_str(), failIfExists) != 0;
}

// Clears the read-only attribute, which a copy of a read-only catalogue would inherit and
// which would then refuse every later backup.
bool MakeWritable(const Cp932String& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return true;
  DWORD error = 0;
  return UseSuiteLibrary() ? AdSetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE, &error) != 0
                           : SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE) != 0;
}

void TellLeftOutKeptAside(size_t count, const Cp932String& keptAs) {
  AlbumMessageBox(cp932::Lit("アルバムのデータのうち ") + std::to_string(count) +
                      cp932::Lit(" 件の記録を読み込めなかったため、読み込んだときのファイルを ") +
                      keptAs + cp932::Lit(" として残しました。"),
                  MB_ICONEXCLAMATION);
}

// Keeps a copy of a catalogue some of whose entries were left out on loading, once,
// before the save replaces it; false when the copy could not be made.
bool KeepLeftOutAside(CPhotoManager& library, const Cp932String& path) {
  CPhotoManager::LeftOutEntries& leftOut = library.leftOutEntries();
  if (leftOut.path != path || !fileio::IsFile(path)) {
    leftOut = {};
    return true;
  }
  const std::optional<Cp932String> aside = AsideName(path, kLeftOutSuffix);
  if (!aside || !CopyFile(path, *aside, false)) return false;
  MakeWritable(*aside);
  if (!library.silent()) TellLeftOutKeptAside(leftOut.count, *aside);
  leftOut = {};
  return true;
}

// Keeps the file about to be replaced as the one backup generation. The backup is a
// courtesy: when it cannot be written the save goes ahead, and the failure is noted in the
// suite's error record once until a backup succeeds again.
void KeepBackup(CPhotoManager& library, const Cp932String& path) {
  if (!fileio::IsFile(path)) return;
  const Cp932String backup = path + kBackupSuffix;
  if (MakeWritable(backup) && CopyFile(path, backup, true) && MakeWritable(backup)) {
    library.backupFailureNoted() = false;
    return;
  }
  if (library.backupFailureNoted()) return;
  library.backupFailureNoted() = true;
  suite::ReportError(suite::kErrorBackupNotWritten, static_cast<int32_t>(GetLastError()), 0,
                     cp932::Lit("バックアップ ") + backup + cp932::Lit(" を書き込めませんでした。"),
                     1);
}

Cp932String FolderOf(const Cp932String& path) {
  const size_t slash = path.rfind('/');
  return slash == Cp932String::npos ? Cp932String(".") : path.substr(0, std::max<size_t>(slash, 1));
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
  library.leftOutEntries() = {};
  if (path.empty() || !fileio::Exists(path)) return 0;
  std::optional<std::string> bytes = fileio::ReadFile(path);
  if (!bytes) {
    library.unreadableCatalogue().path = path;
    return 0;
  }
  const Cp932String album = AlbumFolder();
  albumdb::ParsedFile parsed = albumdb::Parse(*bytes, album);
  const size_t added = AddEntries(library, parsed.entries);
  const bool damaged = IsDamaged(*bytes, parsed, added);
  if (damaged) library.unreadableCatalogue().path = path;
  // A damaged file is kept aside whole anyway.
  NoteLeftOut(library, path, damaged ? 0 : LeftOutCount(parsed, added));
  SweepStaleTemporaries(album);
  return 1;
}

int Save(CPhotoManager& library) {
  AlbumFileOperation operation;
  if (!operation.begun()) return 0;
  library.SaveFavouriteNames();
  const Cp932String path = library.databasePath();
  if (path.empty()) return 0;
  const std::optional<std::string> bytes = CatalogueBytes(library);
  if (!bytes || !KeepUnreadableAside(library, path) || !KeepLeftOutAside(library, path)) return 0;
  KeepBackup(library, path);
  if (!fileio::WriteFileAtomic(path, *bytes)) return 0;
  fileio::RemoveStaleTemporaries(FolderOf(path));
  suite::PostAlbumChanged(1);
  return 1;
}

}  // namespace albumfile
