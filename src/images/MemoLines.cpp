#include "images/MemoLines.h"

#include "library/AlbumText.h"

namespace memolines {
namespace {

// The line ends before the line feed at end; a carriage return before it is not drawn.
Line EndedByLineFeed(std::string_view memo, size_t from, size_t end) {
  const size_t drawn = end > from && memo[end - 1] == '\r' ? end - 1 : end;
  return Line{from, drawn - from, end + 1};
}

}  // namespace

Line NextLine(std::string_view memo, size_t from, int width, const CharWidth& charWidth) {
  if (from >= memo.size()) return Line{memo.size(), 0, memo.size()};
  int used = 0;
  size_t i = from;
  while (i < memo.size()) {
    if (memo[i] == '\n') return EndedByLineFeed(memo, from, i);
    const size_t length = albumtext::CharLength(memo, i);
    used += charWidth(memo.substr(i, length));
    if (used > width && i > from) break;
    i += length;
  }
  return Line{from, i - from, i};
}

}  // namespace memolines
