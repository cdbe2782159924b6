// How a memo is broken into the lines of a thumbnail's memo column: each line takes as
// many whole characters as fit the column, never half of a double-byte character, and a
// line feed ends a line early.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace memolines {

struct Line {
  size_t begin = 0;
  size_t length = 0;  // bytes drawn: no line feed, no carriage return before one
  size_t next = 0;    // where the following line starts; the memo's size at the end
};

// The width in pixels of one character (one byte, or a lead byte with its trail byte).
using CharWidth = std::function<int(std::string_view character)>;

// The line that starts at from. A line holds at least one character, so that a character
// wider than the column still moves the memo on.
Line NextLine(std::string_view memo, size_t from, int width, const CharWidth& charWidth);

}  // namespace memolines
