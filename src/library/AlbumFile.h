// Loading and saving the library's album database file. A save never writes the file in
// place: the new catalogue goes to a temporary file beside it that replaces the old one in
// one rename, and the old one is kept as "HBPH0200.dat.bak" when that can be written.
// Nothing leaves the catalogue unseen: a catalogue that could not be read is first kept
// aside as "HBPH0200.dat.damaged" rather than overwritten, and one some of whose entries
// could not be loaded is first copied to "HBPH0200.dat.dropped" (numbered when one exists).
#pragma once

#include "platform/text/Cp932.h"

class CPhotoManager;

namespace albumfile {

constexpr const char* kBackupSuffix = ".bak";
constexpr const char* kDamagedSuffix = ".damaged";
constexpr const char* kLeftOutSuffix = ".dropped";

int Load(CPhotoManager& library);
int Save(CPhotoManager& library);

}  // namespace albumfile
