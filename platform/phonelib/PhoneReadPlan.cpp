#include "platform/phonelib/PhoneReadPlan.h"

#include <algorithm>
#include <set>
#include <utility>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/PhoneFolder.h"

namespace phonelib {

namespace {

// The already-present list, keyed for quick lookup: upper-cased name and size for the
// entries that compare both, name alone for those that compare only the name.
class PresentIndex {
 public:
  explicit PresentIndex(const CCdmaFilesOption& request) {
    if (request.GetSkipPresentSW() == 0) return;
    const CCdmaOptionFileInfoList& list = request.PresentFiles();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) Add(list.GetNext(pos));
  }
  bool Contains(const Cp932String& name, uint64_t size) const {
    const Cp932String key = cp932::AsciiUpper(name);
    return names_.count(key) != 0 || namesAndSizes_.count({key, size}) != 0;
  }

 private:
  void Add(const CCdmaOptionFileInfo& entry) {
    const unsigned mask = entry.GetMask();
    if ((mask & CCdmaOptionFileInfo::kCompareName) == 0) return;
    const Cp932String key = cp932::AsciiUpper(entry.GetName());
    if ((mask & CCdmaOptionFileInfo::kCompareSize) == 0)
      names_.insert(key);
    else
      namesAndSizes_.insert({key, entry.GetSize()});
  }
  std::set<Cp932String> names_;
  std::set<std::pair<Cp932String, uint64_t>> namesAndSizes_;
};

// What a phone keeps for itself rather than for its user: hidden files and folders (the
// gallery's ".thumbnails", a trash folder ".trashed-…"), and empty files (a photo being
// written, or a placeholder).
bool IsHidden(const fileio::DirEntry& entry) {
  return !entry.name.empty() && entry.name[0] == '.';
}

struct Walk {
  const CCdmaFilesOption& request;
  const PresentIndex& present;
  int area;
  std::vector<PlannedFile>& out;
};

// One folder of a storage area, its subfolders too when the request asks for them.
void PlanFolder(const Walk& walk, const Cp932String& folder, int depth) {
  auto entries = fileio::ListFolder(folder);
  if (!entries) return;
  std::sort(entries->begin(), entries->end(),
            [](const fileio::DirEntry& a, const fileio::DirEntry& b) { return a.name < b.name; });
  for (const fileio::DirEntry& entry : *entries) {
    if (IsHidden(entry)) continue;
    const Cp932String path = folder + "/" + entry.name;
    if (entry.isDirectory) {
      if (walk.request.GetSubFolderSW() != 0 && depth < kMaxFolderDepth)
        PlanFolder(walk, path, depth + 1);
      continue;
    }
    if (entry.size == 0 || !walk.request.WantsFile(entry.name) ||
        walk.present.Contains(entry.name, entry.size))
      continue;
    walk.out.push_back(PlannedFile{walk.area, path, entry.name, entry.size});
  }
}

}  // namespace

std::vector<PlannedFile> PlanRead(const Cp932String& phoneFolder, int mask,
                                  const CCdmaFilesOption& request) {
  std::vector<PlannedFile> files;
  const PresentIndex present(request);
  for (int area : {kAreaInternal, kAreaExternal}) {
    if ((mask & area) == 0) continue;
    PlanFolder(Walk{request, present, area, files}, AreaFolder(phoneFolder, area), 0);
  }
  return files;
}

}  // namespace phonelib
