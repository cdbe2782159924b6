// Feeds arbitrary bytes to the Exif reader as a photo and runs every reading operation.
// Besides never crashing or looping, no read may leave its temporary file behind.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "exif/CExifSource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = [] {
    char pattern[] = "/tmp/fuzz-exif-XXXXXX";
    return std::string(mkdtemp(pattern));
  }();
  const std::string photo = folder + "/photo.jpg";
  std::ofstream(photo, std::ios::binary).write(reinterpret_cast<const char*>(data), size);
  const std::string work = folder + "/work";
  CExifSource source;
  if (source.Open(photo, work) == 1) {
    Cp932String text;
    double lat = 0, lon = 0;
    int datum = 0;
    std::vector<ExifListRow> rows;
    source.Maker(&text);
    source.DateTaken(&text);
    source.GpsPosition(&lat, &lon, &datum);
    source.FillList(&rows);
  }
  source.Close();
  // The work folder is empty again, or was never made.
  if (rmdir(work.c_str()) != 0 && access(work.c_str(), F_OK) == 0) abort();
  return 0;
}
