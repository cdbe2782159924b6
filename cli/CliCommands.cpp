#include "cli/CliCommands.h"

const std::vector<CliCommand>& CliCommandTable() {
  static const std::vector<CliCommand> table = {
      {"info", "info", true, &RunInfo},
      {"colors", "colors FILE", false, &RunColors},
      {"make-phone", "make-phone DIR", false, &RunMakePhone},
      {"exif", "exif FILE", true, &RunExif},
  };
  return table;
}
