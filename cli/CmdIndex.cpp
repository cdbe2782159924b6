// harbo-album index: the categories of the host's index tree, each with the entries the
// index panel lists for it and their photo counts, worded as the panel words them.
#include <cstdio>

#include "browse/IndexEntries.h"
#include "browse/IndexTree.h"
#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"

int RunIndex(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: harbo-album index\n");
    return 2;
  }
  const CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  for (LPARAM category : indextree::NodeValues(indextree::CategoriesOf(library))) {
    std::printf("%s\n", cp932::ToUtf8Lossy(indextree::LabelOf(category)).c_str());
    for (const indexentries::Entry& entry : indexentries::Of(library, category))
      std::printf("  %s\n", cp932::ToUtf8Lossy(entry.text).c_str());
  }
  return 0;
}
