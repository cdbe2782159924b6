// Bringing files from the PC into the album: which files the import takes, and one run that
// copies them into the album folder tree, records them and saves the catalogue. A run whose
// save fails takes back what it did (the records it added and the files it copied), so the
// album is left exactly as it was.
#pragma once

#include <cstdint>
#include <vector>

#include "library/CPhotoManager.h"
#include "platform/text/Cp932.h"

namespace pcimport {

enum class Refusal {
  kNone,
  kNotAFile,     // missing, or a folder, a pipe or a device
  kKind,         // the extension is not exactly jpg, png, amc, 3gp or 3g2
  kName,         // the name cannot be kept in the album as it is (a backslash)
  kPathTooLong,  // longer than a path field holds
};

// Why the import refuses the file at this (absolute) path; kNone when it takes it.
Refusal Check(const Cp932String& path);

// A shooting date and time as the record keeps them (65535: unknown).
struct ShotTime {
  uint16_t year, month, day, hour, minute, second;
};

// The shooting time of a file: its Exif date when that is a real date, else the file's
// last write in local time.
ShotTime ShootingTime(const Cp932String& path);

struct Outcome {
  int imported = 0;
  std::vector<Cp932String> failed;  // could not be copied or recorded
  bool saved = true;                // false: the run was taken back
};

// Imports the files (each one already passed Check) with the memo, then saves the
// catalogue. A full library ends the run; the files not reached count as failed.
Outcome Run(CPhotoManager& library, const std::vector<Cp932String>& files, const Cp932String& memo);

}  // namespace pcimport
