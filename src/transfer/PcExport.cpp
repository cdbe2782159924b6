#include "transfer/PcExport.h"

#include <cstdio>
#include <set>
#include <utility>

#include "host/CHarboPhotoApp.h"
#include "host/SuiteRegistry.h"
#include "platform/fileio/FileIo.h"

namespace pcexport {
namespace {

using cp932::Lit;

const Cp932String kSection = "Export";

bool ReadSwitch(const char* name) {
  return TheApp().ReadInt(kSection, name, 0) == 1;
}

bool Blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

Cp932String Trimmed(const Cp932String& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && Blank(text[begin])) ++begin;
  while (end > begin && Blank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// The year and month of a subfolder: numbers outside the calendar's range become 0, so
// photos whose date was never set gather in one folder.
std::pair<int, int> YearMonth(const CPhotoItem& photo) {
  const int year = photo.year() >= 1000 && photo.year() <= 2999 ? photo.year() : 0;
  const int month = photo.month() >= 1 && photo.month() <= 12 ? photo.month() : 0;
  return {year, month};
}

Cp932String SubfolderName(std::pair<int, int> yearMonth) {
  char name[32];
  std::snprintf(name, sizeof name, "%d年%d月", yearMonth.first, yearMonth.second);
  return Lit(name);
}

bool MakeFolder(const Cp932String& path) {
  if (path.size() >= kMaxPathBytes) return false;
  if (!fileio::IsDirectory(path)) fileio::CreateFolderPath(path, suite::GetFileAccessMode() == 1);
  return fileio::IsDirectory(path);
}

bool IsAdjusted(const CPhotoItem& photo) {
  const AdjustmentRecord a = photo.adjustments();
  return a.rotation != 0 || a.saturation != 0 || a.brightness != 0 || a.contrast != 0;
}

// The adjusted copy is written by the imaging layer; like a plain copy it then takes the
// photo's times, so that sorting the folder by date shows the shooting order.
bool WriteAdjusted(CPhotoItem& photo, const Cp932String& target) {
  const std::optional<fileio::FileTime> access = fileio::LastAccessFileTime(photo.path());
  const std::optional<fileio::FileTime> write = fileio::LastWriteFileTime(photo.path());
  if (!write || photo.SaveAdjustedCopy(target, -1) != 1) return false;
  return fileio::SetFileTimes(target, access ? &*access : nullptr, &*write);
}

}  // namespace

Settings ReadSettings() {
  Settings s;
  s.folder = TheApp().ReadText(kSection, "Path", "");
  s.applyEdits = ReadSwitch("EditViewSW");
  s.overwrite = ReadSwitch("OvearWriteSW");
  s.subfolders = ReadSwitch("DateSubFolderSW");
  return s;
}

void WriteSettings(const Settings& s) {
  CHarboPhotoApp& app = TheApp();
  app.WriteText(kSection, "Path", s.folder);
  app.WriteInt(kSection, "EditViewSW", s.applyEdits ? 1 : 0);
  app.WriteInt(kSection, "OvearWriteSW", s.overwrite ? 1 : 0);
  app.WriteInt(kSection, "DateSubFolderSW", s.subfolders ? 1 : 0);
}

std::optional<Cp932String> PrepareFolder(const Cp932String& typed, bool subfolders,
                                         const std::vector<CPhotoItem*>& photos) {
  Cp932String folder = Trimmed(typed);
  if (folder.empty() || !MakeFolder(folder)) return std::nullopt;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (!subfolders) return folder;
  std::set<std::pair<int, int>> made;
  for (const CPhotoItem* photo : photos) {
    const std::pair<int, int> yearMonth = YearMonth(*photo);
    if (!made.insert(yearMonth).second) continue;
    if (!MakeFolder(folder + "/" + SubfolderName(yearMonth))) return std::nullopt;
  }
  return folder;
}

Cp932String TargetPath(const Cp932String& folder, const CPhotoItem& photo, bool subfolders) {
  const Cp932String name(photo.fileName());
  if (!subfolders) return folder + "/" + name;
  return folder + "/" + SubfolderName(YearMonth(photo)) + "/" + name;
}

Copied CopyPhoto(CPhotoItem& photo, const Cp932String& target, bool overwrite) {
  if (target.size() > kMaxPathBytes) return Copied::kFailed;
  if (!overwrite && fileio::Exists(target)) return Copied::kSkipped;
  const bool written = IsAdjusted(photo) ? WriteAdjusted(photo, target)
                                         : CopyFileA(photo.path().c_str(), target.c_str(), 0);
  return written ? Copied::kWritten : Copied::kFailed;
}

Outcome Run(const Cp932String& folder, const std::vector<CPhotoItem*>& photos,
            const Settings& settings, const std::function<void(int done)>& step) {
  Outcome outcome;
  int done = 0;
  for (CPhotoItem* photo : photos) {
    switch (
        CopyPhoto(*photo, TargetPath(folder, *photo, settings.subfolders), settings.overwrite)) {
      case Copied::kWritten:
        ++outcome.written;
        break;
      case Copied::kSkipped:
        ++outcome.skipped;
        break;
      case Copied::kFailed:
        outcome.failed.push_back(photo);
        break;
    }
    if (step) step(++done);
  }
  return outcome;
}

}  // namespace pcexport
