// The files a read request asks for: every file of the chosen storage areas whose type is
// wanted and that the album does not have yet, in a fixed order (internal data folder
// first, then external memory; by path within each). Hidden files, hidden folders and
// empty files are never read: no phone user wants them in the album.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/phonelib/CCdmaFilesOption.h"
#include "platform/text/Cp932.h"

namespace phonelib {

struct PlannedFile {
  int area = 0;
  Cp932String source;  // the file on the phone
  Cp932String title;   // its name there
  uint64_t size = 0;
};

// Folders nested deeper than this below a storage area are not searched (a link that
// points back up would otherwise never end).
constexpr int kMaxFolderDepth = 16;

std::vector<PlannedFile> PlanRead(const Cp932String& phoneFolder, int mask,
                                  const CCdmaFilesOption& request);

}  // namespace phonelib
