#include <algorithm>
#include <cstdio>
#include <ctime>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "exif/CExifSource.h"
#include "host/SuitePath.h"
#include "library/PhotoKind.h"
#include "platform/fileio/FileIo.h"

namespace {

struct ShotTime {
  int year, month, day, hour, minute, second;
};

// Photos and movies are the files an extension gives a kind code to.
bool IsPhotoOrMovie(const Cp932String& name) {
  return PhotoKind::KindCodeFor(name, false) != 0;
}

// Every photo and movie under the folder, in name order, subfolders included.
void CollectFolder(const Cp932String& folder, std::vector<Cp932String>& files) {
  std::optional<std::vector<fileio::DirEntry>> entries = fileio::ListFolder(folder);
  if (!entries) return;
  std::sort(entries->begin(), entries->end(),
            [](const auto& a, const auto& b) { return a.name < b.name; });
  for (const fileio::DirEntry& e : *entries) {
    const Cp932String path = suite::JoinPath({folder, e.name});
    if (e.isDirectory)
      CollectFolder(path, files);
    else if (IsPhotoOrMovie(e.name))
      files.push_back(path);
  }
}

// The shooting time from the photo's Exif block ("YYYY:MM:DD HH:MM:SS").
std::optional<ShotTime> ExifTime(const Cp932String& path) {
  CExifSource exif;
  Cp932String text;
  if (!exif.Open(path, CExifSource::DefaultTempFolder()) || !exif.DateTaken(&text))
    return std::nullopt;
  ShotTime t{};
  if (std::sscanf(text.c_str(), "%d:%d:%d %d:%d:%d", &t.year, &t.month, &t.day, &t.hour, &t.minute,
                  &t.second) != 6)
    return std::nullopt;
  return t;
}

// Without a shooting date in the file, its last write stands in for it.
ShotTime ShootingTime(const Cp932String& path) {
  if (std::optional<ShotTime> exif = ExifTime(path)) return *exif;
  const time_t written = static_cast<time_t>(fileio::LastWriteTime(path).value_or(0));
  tm local{};
  if (localtime_r(&written, &local) == nullptr) return {0, 0, 0, 65535, 65535, 65535};
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

// Stores one file in the album's PC folder and adds its record; false when it failed.
bool ImportOne(CPhotoManager& library, const Cp932String& source) {
  Cp932String stored, sourceName;
  if (!library.StoreImportedFile(source, &stored, &sourceName)) return false;
  const ShotTime t = ShootingTime(source);
  const uint32_t flags = PhotoKind::KindCodeFor(source, false) | PhotoKind::kFromPc;
  const auto u16 = [](int v) { return static_cast<uint16_t>(v); };
  CPhotoItem* item = library.AddFile(flags, stored, u16(t.year), u16(t.month), u16(t.day),
                                     u16(t.hour), u16(t.minute), u16(t.second), 0);
  if (item == nullptr) return false;
  item->SetSourceName(sourceName);
  return true;
}

}  // namespace

int RunImport(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: harbo-album import PATH...\n");
    return 2;
  }
  CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  std::vector<Cp932String> files;
  int failed = 0;
  for (const std::string& arg : args) {
    Cp932String path;
    if (!cli::ToCp932(arg, &path))
      ++failed;
    else if (fileio::IsDirectory(path))
      CollectFolder(path, files);
    else
      files.push_back(path);
  }
  int imported = 0;
  for (const Cp932String& file : files) {
    if (ImportOne(*library, file))
      ++imported;
    else
      std::fprintf(stderr, "harbo-album: not imported: %s\n", cp932::ToUtf8Lossy(file).c_str());
  }
  failed += static_cast<int>(files.size()) - imported;
  if (imported > 0 && !library->SaveAlbum()) {
    std::fprintf(stderr, "harbo-album: the album could not be saved\n");
    return 1;
  }
  std::printf("imported\t%d\nfailed\t%d\n", imported, failed);
  return failed == 0 ? 0 : 1;
}
