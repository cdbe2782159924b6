// harbo-album colors FILE: the colour of every index a colour scheme file sets, one
// "index<TAB>RRGGBB" line each in index order, as the drawing resources read them.
#include <cstdio>
#include <set>

#include "cli/CliCommands.h"
#include "ui/CDrawObject.h"
#include "ui/DrawResourceTables.h"

int RunColors(CliSession& /*session*/, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: harbo-album colors FILE\n");
    return 2;
  }
  const std::optional<Cp932String> path = cp932::FromUtf8(args[0]);
  if (!path) {
    std::fprintf(stderr, "harbo-album: the name %s has no code page 932 form\n", args[0].c_str());
    return 1;
  }
  const std::optional<std::string> text = CDrawObject::ReadSchemeFile(*path);
  if (!text) {
    std::fprintf(stderr, "harbo-album: cannot read the colour scheme file %s\n", args[0].c_str());
    return 1;
  }
  CDrawObject draw;
  std::set<int32_t> indices;
  for (const colorscheme::Entry& entry : draw.ApplyText(*text))
    if (entry.index < drawres::kFirstBitmapIndex) indices.insert(entry.index);
  for (int32_t index : indices) {
    const COLORREF c = draw.GetColor(index);
    std::printf("%d\t%02X%02X%02X\n", index, GetRValue(c), GetGValue(c), GetBValue(c));
  }
  return 0;
}
