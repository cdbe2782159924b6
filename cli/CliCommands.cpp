#include "cli/CliCommands.h"

const std::vector<CliCommand>& CliCommandTable() {
  static const std::vector<CliCommand> table = {
      {"info", "info", true, &RunInfo},
      {"thumbs", "thumbs SRC_DIR OUT_DIR [--size N]", false, &RunThumbs},
      {"colors", "colors FILE", false, &RunColors},
      {"make-phone", "make-phone DIR", false, &RunMakePhone},
      {"read-phone", "read-phone PHONE_DIR", true, &RunReadPhone},
      {"send-phone",
       "send-phone PHONE_DIR [--dest internal|external] [--size phone|wallpaper] [--resize] "
       "[--overwrite] [--name KEYWORDS | --all]",
       true, &RunSendPhone},
      {"exif", "exif FILE", true, &RunExif},
      {"import", "import PATH...", true, &RunImport},
      {"export", "export DIR [--subfolders] [--overwrite] [--name KEYWORDS | --all]", true,
       &RunExport},
      {"list", "list [--sort name|date|size|memo [--descending]]", true, &RunList},
      {"search",
       "search [--name K] [--memo K] [--within week|month|year | --until DATE | --since DATE | "
       "--between DATE DATE] [--size-at-most KB | --size-at-least KB | --size-between KB KB] "
       "[--photos] [--movies]",
       true, &RunSearch},
      {"rename", "rename NAME_OR_PATH NEW_NAME", true, &RunRename},
      {"print",
       "print --style NAME_OR_INDEX (--pdf FILE | --printer QUEUE) [--from N --to M] "
       "[--copies N] [--name KEYWORDS | --all]",
       true, &RunPrint},
      {"memo", "memo NAME_OR_PATH TEXT", true, &RunMemo},
      {"db-dump", "db-dump FILE", false, &RunDbDump},
      {"db-check", "db-check FILE", false, &RunDbCheck},
      {"shot",
       "shot OUT.png [--width W --height H] [--scheme N] [--category VALUE] [--entry VALUE] "
       "[--list] [--details N]",
       true, &RunShot},
      {"index", "index", true, &RunIndex},
      {"details", "details FILE", true, &RunDetails},
      {"map-url", "map-url FILE", true, &RunMapUrl},
      {"events", "events YEAR MONTH", true, &RunEvents},
      {"styles", "styles", true, &RunStyles},
      {"labels", "labels", false, &RunLabels},
  };
  return table;
}
