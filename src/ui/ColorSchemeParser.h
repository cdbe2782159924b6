// The colour scheme file: text in code page 932, one "key=value" setting a line. A key is
// a resource index written as a decimal number or a key name (double quotes around it are
// dropped); a value is a colour in one of three forms, or for a bitmap index a file name.
// Anything that is not a well-formed setting is skipped line by line.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/text/Cp932.h"

namespace colorscheme {

// The longest line, its LF included. A longer line is skipped whole.
constexpr size_t kMaxLineBytes = 1025;

// One setting of the file.
struct Entry {
  int32_t index = 0;
  COLORREF color = 0;  // indices below the bitmap range
  Cp932String text;    // bitmap indices: the file name
};

// Maps a key text to a resource index; negative for an unknown key.
using KeyLookup = std::function<int32_t(std::string_view key)>;

// The settings of the text in file order (a later setting of an index wins when applied).
std::vector<Entry> Parse(std::string_view text, const KeyLookup& keyToIndex);

// A key that does not start with a double quote and is all decimal digits is the index
// itself; otherwise the name without its double quotes goes to the name lookup.
int32_t KeyToIndex(std::string_view key, const KeyLookup& nameToIndex);

// Six hexadecimal digits (the colour reference 0x00BBGGRR as a number), nine decimal
// digits RRRGGGBBB, or three decimal numbers "R,G,B"; every channel below 256.
std::optional<COLORREF> ParseColor(std::string_view value);

}  // namespace colorscheme
