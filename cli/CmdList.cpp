#include <cstdio>
#include <cstring>
#include <optional>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "images/CImageItems.h"

namespace {

constexpr const char* kUsage =
    "usage: harbo-album list [--sort name|date|size|memo [--descending]]";

struct SortKey {
  const char* name;
  int32_t value;
};

constexpr SortKey kKeys[] = {{"name", CImageItems::kSortName},
                             {"date", CImageItems::kSortDate},
                             {"size", CImageItems::kSortSize},
                             {"memo", CImageItems::kSortMemo}};

std::optional<int32_t> KeyNamed(const std::string& name) {
  for (const SortKey& key : kKeys)
    if (name == key.name) return key.value;
  return std::nullopt;
}

// The sort value the options ask for; nullopt when they ask for none; false when they are
// wrong.
bool ParseOptions(const std::vector<std::string>& args, std::optional<int32_t>* sortValue) {
  bool descending = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--descending") {
      descending = true;
    } else if (args[i] == "--sort" && i + 1 < args.size() && !*sortValue) {
      *sortValue = KeyNamed(args[++i]);
      if (!*sortValue) return false;
    } else {
      return false;
    }
  }
  if (descending && !*sortValue) return false;
  if (descending) **sortValue |= static_cast<int32_t>(CImageItems::kSortDescending);
  return true;
}

}  // namespace

// Lists the records in library order, or in the order the views' item set sorts them.
int RunList(CliSession& /*session*/, const std::vector<std::string>& args) {
  std::optional<int32_t> sortValue;
  if (!ParseOptions(args, &sortValue)) {
    std::fprintf(stderr, "%s\n", kUsage);
    return 2;
  }
  CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  CImageItems set(true);
  for (CPhotoItem* item : library->items()) set.AddRecord(item);
  if (sortValue) set.Sort(*sortValue);
  for (const CImageItem* item : set.items())
    std::printf("%s\n", cli::RecordLine(*item->record()).c_str());
  return 0;
}
