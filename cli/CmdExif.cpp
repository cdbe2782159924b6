// harbo-album exif FILE: the photo's maker, date taken and GPS position, then the rows of
// the details list as the album shows them.
#include <cstdio>

#include "cli/CliCommands.h"
#include "exif/CExifSource.h"
#include "platform/fileio/FileIo.h"

namespace {

void PrintPair(const char* name, const std::string& value) {
  std::printf("%s\t%s\n", name, value.c_str());
}

std::string Utf8(const Cp932String& text) {
  return cp932::ToUtf8Lossy(text);
}

std::string Units(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// Maker, date taken, and the position in 1/256 arc-seconds; empty values when absent.
void PrintSummary(CExifSource& source) {
  Cp932String text;
  source.Maker(&text);
  PrintPair("maker", Utf8(text));
  source.DateTaken(&text);
  PrintPair("date-taken", Utf8(text));
  double lat = 0, lon = 0;
  int datum = 1;
  const bool found = source.GpsPosition(&lat, &lon, &datum) == 1;
  PrintPair("latitude", found ? Units(lat) : "");
  PrintPair("longitude", found ? Units(lon) : "");
  PrintPair("datum", found ? std::to_string(datum) : "");
}

// One line per row: group, H for a heading or -, label, value.
void PrintRows(CExifSource& source) {
  std::vector<ExifListRow> rows;
  source.FillList(&rows);
  for (const ExifListRow& row : rows)
    std::printf("%u\t%s\t%s\t%s\n", row.group(), row.isHeading() ? "H" : "-",
                Utf8(row.label).c_str(), Utf8(row.value).c_str());
}

}  // namespace

int RunExif(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: harbo-album exif FILE\n");
    return 2;
  }
  const auto path = cp932::FromUtf8(args[0]);
  if (!path || !fileio::IsFile(*path)) {
    std::fprintf(stderr, "harbo-album: cannot read '%s'\n", args[0].c_str());
    return 1;
  }
  CExifSource source;
  if (source.Open(*path, CExifSource::DefaultTempFolder()) != 1) {
    std::fprintf(stderr, "harbo-album: '%s' has no readable Exif block\n", args[0].c_str());
    return 1;
  }
  PrintSummary(source);
  PrintRows(source);
  return 0;
}
