// Copying photos of the album into a folder on the PC: the stored settings of the export,
// the preparation of the folder (and of its year-month subfolders), the target of each
// photo and the copy itself, with the display adjustments burnt in. The export dialog and
// harbo-album export both run these steps.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "library/CPhotoItem.h"
#include "platform/text/Cp932.h"

namespace pcexport {

// The longest folder or target path the export writes, in bytes.
constexpr size_t kMaxPathBytes = 260;

struct Settings {
  Cp932String folder;
  bool applyEdits = false;  // the hidden "apply edit values" box; the copy never reads it
  bool overwrite = false;   // replace files of the same name
  bool subfolders = false;  // one subfolder per year and month
};

// The settings under the album's "Export" key; a switch other than 0 or 1 counts as 0.
Settings ReadSettings();
void WriteSettings(const Settings& settings);

// The folder as the user typed it, blanks trimmed at both ends, made when missing, and
// with subfolders on every year-month subfolder the photos need; nullopt when the path is
// too long or a folder cannot be made (nothing is copied then).
std::optional<Cp932String> PrepareFolder(const Cp932String& typed, bool subfolders,
                                         const std::vector<CPhotoItem*>& photos);

// Where the photo goes: "folder/YYYY年M月/name" with subfolders (a year outside
// 1000..2999 or a month outside 1..12 written as 0), "folder/name" otherwise. The folder
// has no trailing separator.
Cp932String TargetPath(const Cp932String& folder, const CPhotoItem& photo, bool subfolders);

enum class Copied { kWritten, kSkipped, kFailed };

// Copies one photo to the target: an adjusted photo (rotation, saturation, brightness or
// contrast set) is written at full size within its own file's byte size, any other is
// copied byte for byte. Either way the copy keeps the photo's file times. An existing
// target is skipped unless overwriting is on.
Copied CopyPhoto(CPhotoItem& photo, const Cp932String& target, bool overwrite);

struct Outcome {
  int written = 0;
  int skipped = 0;
  std::vector<CPhotoItem*> failed;
};

// Copies the photos in order into the prepared folder; step is called after each photo
// with the number done so far.
Outcome Run(const Cp932String& folder, const std::vector<CPhotoItem*>& photos,
            const Settings& settings, const std::function<void(int done)>& step = {});

}  // namespace pcexport
