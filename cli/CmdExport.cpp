#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/CliAlbum.h"
#include "cli/CliCommands.h"
#include "transfer/PcExport.h"

namespace {

constexpr size_t kMaxNameBytes = 90;

struct Options {
  std::string folder;
  bool subfolders = false, overwrite = false, all = false;
  std::optional<Cp932String> name;
};

int Refuse(const char* text) {
  std::fprintf(stderr,
               "harbo-album: %s\nusage: harbo-album export DIR [--subfolders] "
               "[--overwrite] [--name KEYWORDS | --all]\n",
               text);
  return 2;
}

// Reads the options; an error text when one is wrong.
const char* ParseOptions(const std::vector<std::string>& args, Options& o) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--subfolders") {
      o.subfolders = true;
    } else if (a == "--overwrite") {
      o.overwrite = true;
    } else if (a == "--all") {
      o.all = true;
    } else if (a == "--name" && i + 1 < args.size()) {
      Cp932String text;
      if (!cli::ToCp932(args[++i], &text)) return "a keyword without code page 932 form";
      if (text.empty() || text.size() > kMaxNameBytes)
        return "名前は半角90文字以下で入力してください。";
      o.name = text;
    } else if (a.starts_with("--") || !o.folder.empty()) {
      return "unknown option or a second folder";
    } else {
      o.folder = a;
    }
  }
  if (o.folder.empty()) return "no folder";
  if (o.all == o.name.has_value()) return "choose the photos with --name or --all";
  return nullptr;
}

}  // namespace

int RunExport(CliSession& /*session*/, const std::vector<std::string>& args) {
  Options options;
  if (const char* error = ParseOptions(args, options)) return Refuse(error);
  Cp932String folder;
  if (!cli::ToCp932(options.folder, &folder)) return 2;
  CPhotoManager* library = cli::OpenLibrary();
  if (library == nullptr) return 1;
  std::unique_ptr<CPhotoItems> found;
  const std::vector<CPhotoItem*> photos =
      cli::ChosenPhotos(*library, options.all ? std::nullopt : options.name, found);
  if (photos.empty()) {
    std::fprintf(stderr, "harbo-album: 写真を選択してください。\n");
    return 1;
  }
  const std::optional<Cp932String> prepared =
      pcexport::PrepareFolder(folder, options.subfolders, photos);
  if (!prepared) {
    std::fprintf(stderr, "harbo-album: %s\n",
                 "指定されたフォルダにエクスポートできません。フォルダを設定しなおしてください。");
    return 1;
  }
  pcexport::Settings settings;
  settings.overwrite = options.overwrite;
  settings.subfolders = options.subfolders;
  const pcexport::Outcome outcome = pcexport::Run(*prepared, photos, settings);
  for (const CPhotoItem* photo : outcome.failed)
    std::fprintf(stderr, "harbo-album: not exported: %s\n",
                 cp932::ToUtf8Lossy(photo->path()).c_str());
  std::printf("exported\t%d\nskipped\t%d\nfailed\t%zu\n", outcome.written, outcome.skipped,
              outcome.failed.size());
  return outcome.failed.empty() ? 0 : 1;
}
