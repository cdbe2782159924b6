// harbo-album: the album's work without a window, over the same code the windows use.
//   harbo-album [--data DIR] [--user NAME] COMMAND [ARGS...]
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: harbo-album [--data DIR] [--user NAME] COMMAND [ARGS...]\ncommands:\n");
  for (const auto& c : CliCommandTable()) std::fprintf(stderr, "  %s\n", c.usage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  CliOptions options;
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--data" || arg == "--user") && i + 1 < argc) {
      (arg == "--data" ? options.dataRoot : options.user) = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      return Usage();
    } else {
      rest.push_back(arg);
    }
  }
  if (rest.empty()) return Usage();
  for (const auto& c : CliCommandTable()) {
    if (rest[0] != c.name) continue;
    CliSession session;
    if (c.needsAlbum && !session.Open(options)) return 1;
    return c.run(session, std::vector<std::string>(rest.begin() + 1, rest.end()));
  }
  std::fprintf(stderr, "harbo-album: unknown command '%s'\n", rest[0].c_str());
  return Usage();
}
