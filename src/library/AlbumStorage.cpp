#include "library/AlbumStorage.h"

#include <ctime>

#include "host/CCDialogExPh.h"
#include "host/CHarboPhotoApp.h"
#include "host/SuitePath.h"
#include "host/SuiteRegistry.h"
#include "library/AlbumText.h"
#include "library/CPhotoManager.h"
#include "platform/fileio/FileIo.h"

namespace albumstorage {
namespace {

using Path = CHarboPhotoApp::Path;

bool UseSuiteLibrary() {
  return suite::GetFileAccessMode() == 1;
}

Cp932String AlbumFolder() {
  return TheApp().GetPath(Path::kAlbumFolder);
}
Cp932String WorkFolder() {
  return TheApp().GetPath(Path::kWorkFolder);
}

const char* AskOverwrite() {
  return "%sと同じ名前が存在します。\n上書しますか？";
}
const char* AskMayOverwrite() {
  return "%sと同じ名前が存在します。\n上書してよろしいですか？";
}

// The question with the path put in place of "%s".
bool UserAllowsOverwrite(const char* question, const Cp932String& target) {
  const Cp932String text = cp932::Lit(question);
  const size_t at = text.find("%s");
  const Cp932String filled = text.substr(0, at) + target + text.substr(at + 2);
  return AlbumMessageBox(filled, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Leaves a file of the album writable whatever its original was.
void MakeArchiveOnly(const Cp932String& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  DWORD error = 0;
  if (UseSuiteLibrary())
    AdSetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE, &error);
  else
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
}

// Copies the file and leaves the copy writable whatever the original was.
bool CopyWritable(const Cp932String& from, const Cp932String& to) {
  DWORD error = 0;
  const BOOL copied = UseSuiteLibrary() ? AdCopyFileA(from.c_str(), to.c_str(), 0, &error)
                                        : CopyFileA(from.c_str(), to.c_str(), 0);
  if (!copied) return false;
  MakeArchiveOnly(to);
  return true;
}

// A staged file is the album's own and goes anyway, so it is moved into place: on one file
// system a rename, not a second copy of a 12-megapixel photo. A move that cannot be made
// (a file of the same name the user allowed to be replaced) falls back to the copy.
bool MoveWritable(const Cp932String& from, const Cp932String& to) {
  DWORD error = 0;
  const bool moved =
      !fileio::Exists(to) && (UseSuiteLibrary() ? AdMoveFileA(from.c_str(), to.c_str(), &error)
                                                : MoveFileA(from.c_str(), to.c_str())) != 0;
  if (!moved) return CopyWritable(from, to);
  MakeArchiveOnly(to);
  return true;
}

void DeleteFile(const Cp932String& path) {
  RemoveFile(path);
}

// Year and month of the file's last write in local time; 0 and 0 when it has none.
std::pair<int, int> LastWriteMonth(const Cp932String& path) {
  const std::optional<int64_t> written = fileio::LastWriteTime(path);
  if (!written) return {0, 0};
  const time_t seconds = static_cast<time_t>(*written);
  tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return {0, 0};
  return {local.tm_year + 1900, local.tm_mon + 1};
}

std::string_view NameOf(const Cp932String& path) {
  return std::string_view(path).substr(path.rfind('/') + 1);
}

// Stores a staged file (from the phone, or a composite) in the folder under its own name
// made unique; the staged file is gone afterwards, whatever the outcome.
int StoreStaged(CPhotoManager& library, const Cp932String& staged, const Cp932String& folder,
                const char* question, Cp932String* path, Cp932String* name) {
  const Cp932String target = suite::JoinPath({folder, Cp932String(NameOf(staged))});
  const std::optional<Cp932String> unique = UniquePhoneTarget(library, target);
  bool stored = unique && (!fileio::Exists(*unique) || UserAllowsOverwrite(question, *unique)) &&
                MoveWritable(staged, *unique);
  DeleteFile(staged);
  if (!stored) return 0;
  if (path != nullptr) *path = *unique;
  if (name != nullptr) *name = Cp932String(NameOf(*unique));
  return 1;
}

// A staged file needs a folder and a name with an extension that the album can keep.
bool IsStageable(const Cp932String& path) {
  const size_t slash = path.rfind('/');
  return fileio::IsFile(path) && slash != Cp932String::npos &&
         path.find('.', slash) != Cp932String::npos && IsStorableName(NameOf(path));
}

}  // namespace

bool IsStorableName(std::string_view name) {
  return albumtext::FindLastChar(name, '\\') == std::string_view::npos;
}

bool RemoveFile(const Cp932String& path) {
  DWORD error = 0;
  return UseSuiteLibrary() ? AdDeleteFileA(path.c_str(), &error) != 0
                           : DeleteFileA(path.c_str()) != 0;
}

Cp932String MonthFolder(int year, int month) {
  return suite::JoinPath({AlbumFolder(), std::to_string(year), std::to_string(month)});
}

Cp932String PcFolder() {
  return suite::JoinPath({AlbumFolder(), "Pc"});
}
Cp932String ComboFolder() {
  return suite::JoinPath({AlbumFolder(), "Combo"});
}

Cp932String StagingFolder(bool memoryCard) {
  return suite::JoinPath({WorkFolder(), memoryCard ? "StrExt" : "StrInt"});
}

Cp932String SendStagingPath(int number) {
  return suite::JoinPath({WorkFolder(), "Update(" + std::to_string(number) + ")"});
}

bool MakeFolder(const Cp932String& folder) {
  return fileio::IsDirectory(folder) || fileio::CreateFolderPath(folder, UseSuiteLibrary());
}

Cp932String CutTitle(const Cp932String& title, size_t maxBytes) {
  return cp932::Cut(title, maxBytes);
}

std::optional<Cp932String> UniquePhoneTarget(const CPhotoManager& library,
                                             const Cp932String& target) {
  if (library.FindByPath(target) == nullptr) return target;
  const size_t slash = target.rfind('/');
  const size_t dot = target.rfind('.');
  const bool hasExtension = dot != Cp932String::npos && (slash == Cp932String::npos || dot > slash);
  const Cp932String stem = hasExtension ? target.substr(0, dot) : target;
  const Cp932String extension = hasExtension ? target.substr(dot) : Cp932String();
  for (int n = 2; n <= kMaxNameNumber; ++n) {
    const Cp932String candidate = stem + "(" + std::to_string(n) + ")" + extension;
    if (library.FindByPath(candidate) == nullptr) return candidate;
  }
  return std::nullopt;
}

std::optional<Cp932String> UniqueImportTarget(const CPhotoManager& library,
                                              const Cp932String& folder, const Cp932String& title,
                                              const Cp932String& extension) {
  const Cp932String first = suite::JoinPath({folder, title + extension});
  if (library.FindByPath(first) == nullptr) return first;
  for (int n = 2; n <= kMaxNameNumber; ++n) {
    const Cp932String number = "(" + std::to_string(n) + ")";
    // The numbered name keeps within the title limit by giving up the end of the title.
    const size_t room = kMaxTitleBytes > number.size() ? kMaxTitleBytes - number.size() : 0;
    const Cp932String candidate =
        suite::JoinPath({folder, CutTitle(title, room) + number + extension});
    if (library.FindByPath(candidate) == nullptr) return candidate;
  }
  return std::nullopt;
}

int StorePhoneFile(CPhotoManager& library, const Cp932String& stagingPath, Cp932String* path,
                   Cp932String* name) {
  if (!IsStageable(stagingPath)) {
    DeleteFile(stagingPath);
    return 0;
  }
  const auto [year, month] = LastWriteMonth(stagingPath);
  const Cp932String folder = MonthFolder(year, month);
  if (!MakeFolder(folder)) {
    DeleteFile(stagingPath);
    return 0;
  }
  return StoreStaged(library, stagingPath, folder, AskOverwrite(), path, name);
}

int StoreBurstComposite(CPhotoManager& library, const Cp932String& jpegPath, Cp932String* path,
                        Cp932String* name) {
  if (!IsStageable(jpegPath) || !MakeFolder(ComboFolder())) {
    DeleteFile(jpegPath);
    return 0;
  }
  return StoreStaged(library, jpegPath, ComboFolder(), AskMayOverwrite(), path, name);
}

int StoreImportedFile(CPhotoManager& library, const Cp932String& sourcePath, Cp932String* path,
                      Cp932String* sourceName) {
  const size_t slash = sourcePath.rfind('/');
  const size_t dot = sourcePath.rfind('.');
  // The extension must belong to the file name, not to a folder above it.
  if (slash == Cp932String::npos || dot == Cp932String::npos || dot < slash ||
      !IsStorableName(NameOf(sourcePath)))
    return 0;
  const Cp932String title = CutTitle(sourcePath.substr(slash + 1, dot - slash - 1));
  const Cp932String extension = sourcePath.substr(dot);
  if (!MakeFolder(PcFolder())) return 0;
  const std::optional<Cp932String> target =
      UniqueImportTarget(library, PcFolder(), title, extension);
  if (!target) return 0;
  if (fileio::Exists(*target) && !UserAllowsOverwrite(AskMayOverwrite(), *target)) return 0;
  if (!CopyWritable(sourcePath, *target)) return 0;
  if (path != nullptr) *path = *target;
  if (sourceName != nullptr) *sourceName = title + extension;
  return 1;
}

}  // namespace albumstorage
