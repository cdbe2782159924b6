// Text helpers the library needs over code page 932 texts. A trail byte of a double-byte
// character can look like an ASCII letter, "\\", "|", "~" or "_", so every helper walks
// the text one character at a time and only ever folds or matches single-byte characters.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/text/Cp932.h"

namespace albumtext {

// Length in bytes of the character at text[i]: 2 for a lead byte with its trail byte.
size_t CharLength(std::string_view text, size_t i);

// ASCII letters lower-cased; double-byte characters kept as they are.
Cp932String LowerAscii(std::string_view text);

// Equality and prefix tests without regard to the case of ASCII letters.
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// Position of the last single-byte character c, or npos; a trail byte never matches.
size_t FindLastChar(std::string_view text, char c);

// The text without its leading and trailing blanks: spaces, tabs and full-width spaces.
Cp932String TrimBlanks(std::string_view text);

// Every single-byte backslash replaced by "/".
Cp932String SlashesForBackslashes(std::string_view text);

}  // namespace albumtext
