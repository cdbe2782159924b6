// harbo-album labels: the 33 label sheets, one line each: number, maker group, name,
// margins L/T/R/B, spaces X/Y, label size, columns x rows (lengths in 0.1 mm), and for a
// mixed sheet its second group.
#include <cstdio>

#include "cli/CliCommands.h"
#include "print/CPrintFormatSealList.h"

namespace {

void PrintSecondGroup(const CPrintSealSheet& s) {
  std::printf("\tsecond %s at %d: %d/%d\t%dx%d\t%dx%d", s.mixLine != 0 ? "below" : "right",
              s.mixWidth, s.subSpaceSizeX, s.subSpaceSizeY, s.subPhotoSizeX, s.subPhotoSizeY,
              s.subCols, s.subRows);
}

}  // namespace

int RunLabels(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: harbo-album labels\n");
    return 2;
  }
  const CPrintFormatSealList table;
  for (int i = 0; i < table.count(); ++i) {
    const CPrintSealSheet& s = *table.Get(i);
    std::printf("%d\t%d\t%s\t%d/%d/%d/%d\t%d/%d\t%dx%d\t%dx%d", s.number, s.makerGroup,
                cp932::ToUtf8Lossy(s.Name()).c_str(), s.spaceLeft, s.spaceTop, s.spaceRight,
                s.spaceBottom, s.spaceSizeX, s.spaceSizeY, s.photoSizeX, s.photoSizeY, s.cols,
                s.rows);
    if (s.mix != 0) PrintSecondGroup(s);
    std::printf("\n");
  }
  return 0;
}
