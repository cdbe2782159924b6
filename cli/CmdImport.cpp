#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "host/SuitePath.h"
#include "platform/fileio/FileIo.h"
#include "transfer/PcImport.h"

namespace {

using pcimport::Refusal;

const char* ReasonFor(Refusal refusal) {
  switch (refusal) {
    case Refusal::kNotAFile:
      return "not a file";
    case Refusal::kKind:
      return "not a photo or movie the album takes (jpg, png, amc, 3gp, 3g2)";
    case Refusal::kName:
      return "a backslash in the name cannot be kept in the album";
    case Refusal::kPathTooLong:
      return "the path is longer than the album can record";
    case Refusal::kNone:
      break;
  }
  return "";
}

void SayNotImported(const Cp932String& file, const char* reason) {
  std::fprintf(stderr, "harbo-album: not imported: %s: %s\n", cp932::ToUtf8Lossy(file).c_str(),
               reason);
}

// The argument as an absolute path: a bare name or a relative path is taken from the
// current folder, as a shell user means it.
std::optional<Cp932String> AbsolutePath(const std::string& arg) {
  std::string path = arg;
  if (path.empty() || path[0] != '/') {
    char here[PATH_MAX];
    if (getcwd(here, sizeof here) == nullptr) return std::nullopt;
    path = std::string(here) + "/" + path;
  }
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  Cp932String cp932;
  if (!cli::ToCp932(path, &cp932)) return std::nullopt;
  return cp932;
}

// Every photo and movie under the folder, in name order, subfolders included; other files
// of a folder are passed by without a word, as a folder holds more than photos.
void CollectFolder(const Cp932String& folder, std::vector<Cp932String>& files) {
  std::optional<std::vector<fileio::DirEntry>> entries = fileio::ListFolder(folder);
  if (!entries) return;
  for (const fileio::DirEntry& e : *entries) {
    const Cp932String path = suite::JoinPath({folder, e.name});
    if (e.isDirectory)
      CollectFolder(path, files);
    else if (pcimport::Check(path) != Refusal::kKind)
      files.push_back(path);
  }
}

// The import's memo: "imported on month/day at hour:minute".
Cp932String ImportMemo() {
  const time_t now = time(nullptr);
  tm local{};
  localtime_r(&now, &local);
  char text[64];
  std::snprintf(text, sizeof text, "%2d月%2d日 %2d時%2d分 に取込みました。", local.tm_mon + 1,
                local.tm_mday, local.tm_hour, local.tm_min);
  return cp932::Lit(text);
}

}  // namespace

int RunImport(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: harbo-album import PATH...\n");
    return 2;
  }
  CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  std::vector<Cp932String> candidates;
  int refused = 0;
  for (const std::string& arg : args) {
    const std::optional<Cp932String> path = AbsolutePath(arg);
    if (!path)
      ++refused;
    else if (fileio::IsDirectory(*path))
      CollectFolder(*path, candidates);
    else
      candidates.push_back(*path);
  }
  std::vector<Cp932String> files;
  for (const Cp932String& path : candidates) {
    const Refusal refusal = pcimport::Check(path);
    if (refusal == Refusal::kNone) {
      files.push_back(path);
    } else {
      ++refused;
      SayNotImported(path, ReasonFor(refusal));
    }
  }
  const pcimport::Outcome outcome = pcimport::Run(*library, files, ImportMemo());
  for (const Cp932String& file : outcome.failed) {
    const Refusal refusal = pcimport::Check(file);
    SayNotImported(file, refusal == Refusal::kNone ? "could not be copied into the album"
                                                   : ReasonFor(refusal));
  }
  if (!outcome.saved) {
    std::fprintf(stderr,
                 "harbo-album: the album could not be saved; the %d files copied in this run "
                 "were removed again and the album is as it was\n",
                 outcome.imported);
    return 1;
  }
  const int failed = refused + static_cast<int>(outcome.failed.size());
  std::printf("imported\t%d\nfailed\t%d\n", outcome.imported, failed);
  return failed == 0 ? 0 : 1;
}
