// Makes a sample phone folder: the profile, generated photos in the internal data folder
// and the external memory (with Exif maker, model, date taken and some GPS positions),
// one burst of three shots, and two movies. Files carry their shooting time as their
// modification time, as a phone's files do.
#pragma once

#include <string>
#include <vector>

#include "platform/text/Cp932.h"

namespace phonelib {

struct SampleFile {
  Cp932String path;
  std::string note;  // what the file is, in UTF-8, for printing
};

// False, with a message in *error, when a folder or file cannot be made; files made until
// then stay.
bool MakeSamplePhone(const Cp932String& folder, std::vector<SampleFile>* made, std::string* error);

}  // namespace phonelib
