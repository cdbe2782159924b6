// Loading and saving the library's album database file. A save never writes the file in
// place: the new catalogue goes to a temporary file beside it that replaces the old one in
// one rename, the old one is kept as "HBPH0200.dat.bak", and a catalogue that could not be
// read is first kept aside as "HBPH0200.dat.damaged" rather than overwritten.
#pragma once

#include "platform/text/Cp932.h"

class CPhotoManager;

namespace albumfile {

constexpr const char* kBackupSuffix = ".bak";
constexpr const char* kDamagedSuffix = ".damaged";

int Load(CPhotoManager& library);
int Save(CPhotoManager& library);

}  // namespace albumfile
