#include "library/AlbumText.h"

namespace albumtext {
namespace {

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Compares the character at a[i] with the one at b[j] without regard to ASCII case.
bool SameChar(std::string_view a, size_t i, size_t la, std::string_view b, size_t j, size_t lb) {
  if (la != lb) return false;
  if (la == 1) return FoldAscii(a[i]) == FoldAscii(b[j]);
  return a.substr(i, la) == b.substr(j, lb);
}

}  // namespace

size_t CharLength(std::string_view text, size_t i) {
  if (!cp932::IsLeadByte(static_cast<uint8_t>(text[i]))) return 1;
  return i + 1 < text.size() ? 2 : 1;
}

Cp932String TrimBlanks(std::string_view text) {
  const auto blank = [&](size_t i) {
    const size_t length = CharLength(text, i);
    return length == 1 ? text[i] == ' ' || text[i] == '\t'
                       : text[i] == '\x81' && text[i + 1] == '\x40';
  };
  size_t begin = 0;
  while (begin < text.size() && blank(begin)) begin += CharLength(text, begin);
  // The end is found walking forwards, so that a trail byte is never read as a lead byte.
  size_t end = begin;
  for (size_t i = begin; i < text.size(); i += CharLength(text, i))
    if (!blank(i)) end = i + CharLength(text, i);
  return Cp932String(text.substr(begin, end - begin));
}

Cp932String LowerAscii(std::string_view text) {
  Cp932String out(text);
  for (size_t i = 0; i < out.size(); i += CharLength(out, i))
    if (CharLength(out, i) == 1) out[i] = FoldAscii(out[i]);
  return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  size_t i = 0;
  size_t j = 0;
  while (j < prefix.size()) {
    if (i >= text.size()) return false;
    const size_t li = CharLength(text, i);
    const size_t lj = CharLength(prefix, j);
    if (!SameChar(text, i, li, prefix, j, lj)) return false;
    i += li;
    j += lj;
  }
  return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithNoCase(a, b);
}

size_t FindLastChar(std::string_view text, char c) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < text.size(); i += CharLength(text, i))
    if (text[i] == c && CharLength(text, i) == 1) found = i;
  return found;
}

Cp932String SlashesForBackslashes(std::string_view text) {
  Cp932String out(text);
  for (size_t i = 0; i < out.size(); i += CharLength(out, i))
    if (out[i] == '\\' && CharLength(out, i) == 1) out[i] = '/';
  return out;
}

}  // namespace albumtext
