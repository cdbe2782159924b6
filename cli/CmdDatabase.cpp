#include <cstdio>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "library/AlbumDatabase.h"
#include "platform/fileio/FileIo.h"

namespace {

// Reads the file without changing it; nullopt (with the reason printed) when it cannot.
std::optional<std::string> ReadDatabase(const std::vector<std::string>& args, const char* usage) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: harbo-album %s\n", usage);
    return std::nullopt;
  }
  Cp932String path;
  if (!cli::ToCp932(args[0], &path)) return std::nullopt;
  std::optional<std::string> bytes = fileio::ReadFile(path);
  if (!bytes)
    std::fprintf(stderr, "harbo-album: cannot read %s (error %u)\n", args[0].c_str(),
                 GetLastError());
  return bytes;
}

}  // namespace

int RunDbDump(CliSession& /*session*/, const std::vector<std::string>& args) {
  const std::optional<std::string> bytes = ReadDatabase(args, "db-dump FILE");
  if (!bytes) return 1;
  // Without an album folder relative paths are shown as stored, with their leading "*".
  const albumdb::ParsedFile parsed = albumdb::ParseStored(*bytes);
  std::printf("version\t%d\nentries\t%zu\nusable\t%zu\n", parsed.version, parsed.wholeEntries,
              parsed.entries.size());
  for (const albumdb::Entry& e : parsed.entries)
    std::printf("%s\n", cli::FileRecordLine(e.record, e.adjustments).c_str());
  return 0;
}

int RunDbCheck(CliSession& /*session*/, const std::vector<std::string>& args) {
  const std::optional<std::string> bytes = ReadDatabase(args, "db-check FILE");
  if (!bytes) return 1;
  const albumdb::ParsedFile parsed = albumdb::ParseStored(*bytes);
  int problems = 0;
  const auto problem = [&](const std::string& text) {
    std::printf("problem\t%s\n", text.c_str());
    ++problems;
  };
  if (parsed.version == 0) problem("unknown or short version text");
  if (parsed.withoutPath > 0)
    problem(std::to_string(parsed.withoutPath) + " entries without a usable path");
  if (parsed.cutShort) problem("the last entry is cut short");
  std::printf("%s\tversion %d, %zu usable entries\n", problems == 0 ? "ok" : "damaged",
              parsed.version, parsed.entries.size());
  return problems == 0 ? 0 : 1;
}
