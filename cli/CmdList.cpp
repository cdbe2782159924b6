#include <cstdio>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"

int RunList(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: harbo-album list\n");
    return 2;
  }
  const CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  for (const CPhotoItem* item : library->items())
    std::printf("%s\n", cli::RecordLine(*item).c_str());
  return 0;
}
