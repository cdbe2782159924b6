// harbo-album details FILE: the two lists of the details dialog as it fills them, one row
// a line (label, tab, value), the general list first, then "--", then the shooting list.
// harbo-album map-url FILE: the request the map link would open, or the message it would
// show instead.
#include <cstdio>

#include "cli/CliCommands.h"
#include "exif/MapLink.h"
#include "exif/PhotoDetails.h"
#include "platform/fileio/FileIo.h"

namespace {

std::string Utf8(const Cp932String& text) {
  return cp932::ToUtf8Lossy(text);
}

void PrintRows(const std::vector<ExifListRow>& rows) {
  for (const ExifListRow& row : rows)
    std::printf("%s\t%s\n", Utf8(row.label).c_str(), Utf8(row.value).c_str());
}

// The one FILE argument as a path of a plain file; nothing, with the reason printed.
std::optional<Cp932String> FileArgument(const std::vector<std::string>& args, const char* usage) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: harbo-album %s\n", usage);
    return std::nullopt;
  }
  const auto path = cp932::FromUtf8(args[0]);
  if (!path || !fileio::IsFile(*path)) {
    std::fprintf(stderr, "harbo-album: cannot read '%s'\n", args[0].c_str());
    return std::nullopt;
  }
  return path;
}

}  // namespace

int RunDetails(CliSession& /*session*/, const std::vector<std::string>& args) {
  const std::optional<Cp932String> path = FileArgument(args, "details FILE");
  if (!path) return 2;
  PrintRows(details::GeneralRows(*path, nullptr));
  std::printf("--\n");
  PrintRows(
      details::ShootingRows(*path, details::SourceKindOf(*path), CExifSource::DefaultTempFolder()));
  return 0;
}

int RunMapUrl(CliSession& /*session*/, const std::vector<std::string>& args) {
  const std::optional<Cp932String> path = FileArgument(args, "map-url FILE");
  if (!path) return 2;
  const maplink::Outcome outcome =
      maplink::RequestForPhoto(*path, CExifSource::DefaultTempFolder(), maplink::ServiceAddress());
  if (!outcome.request) {
    std::printf("%s\n", Utf8(outcome.message).c_str());
    return 1;
  }
  std::printf("%s\n", outcome.request->c_str());
  return 0;
}
