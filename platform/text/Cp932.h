// Code page 932 texts. Inside the album every text is a byte string in code page 932 and
// every limit counts those bytes; conversions to and from UTF-8 happen only here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A zero-free byte string in code page 932.
using Cp932String = std::string;

namespace cp932 {

// Converts to UTF-8; nullopt when the bytes are not valid code page 932.
std::optional<std::string> ToUtf8(std::string_view text);

// Converts from UTF-8; nullopt when a character has no code page 932 form. Never lossy.
std::optional<Cp932String> FromUtf8(std::string_view utf8);

// Converts a text written in the source as UTF-8 whose code page 932 form is known to exist
// (the album's own fixed texts). Aborts on a text that cannot be converted: that is a bug.
Cp932String Lit(std::string_view utf8);

// Converts for display or logging: characters without a form become '?'.
std::string ToUtf8Lossy(std::string_view text);

// True for the first byte of a double-byte character (0x81..0x9F, 0xE0..0xFC).
bool IsLeadByte(uint8_t byte);

// The largest length <= maxBytes at which the text can be cut without splitting a
// double-byte character.
size_t CutPoint(std::string_view text, size_t maxBytes);

// The text shortened to at most maxBytes bytes on a character boundary.
Cp932String Cut(std::string_view text, size_t maxBytes);

// Number of characters, a double-byte character counting one.
size_t CharCount(std::string_view text);

// The position of a single-byte character (such as the separator '\\') at or after from,
// skipping the trail bytes of double-byte characters, which may have the same value;
// npos when there is none.
size_t FindChar(std::string_view text, char c, size_t from = 0);
// The position of the last such character, or npos.
size_t FindLastChar(std::string_view text, char c);

// Upper-cases ASCII letters only; double-byte characters (and their trail bytes) are kept.
Cp932String AsciiUpper(std::string_view text);

}  // namespace cp932
