#include "ui/ColorSchemeParser.h"

#include <limits>

#include "ui/DrawResourceTables.h"

namespace colorscheme {

namespace {

struct Line {
  std::string_view text;
  bool overlong = false;
};

struct Setting {
  std::string_view key;
  std::string_view value;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!IsDigit(c)) return false;
  return true;
}

// Reads the line at pos up to its LF. A line longer than kMaxLineBytes is passed over up
// to its LF and marked, so that the lines after it still apply.
std::optional<Line> NextLine(std::string_view text, size_t& pos) {
  if (pos >= text.size()) return std::nullopt;
  const size_t lf = text.find('\n', pos);
  const size_t end = lf == std::string_view::npos ? text.size() : lf;
  const size_t withLf = end - pos + (lf == std::string_view::npos ? 0 : 1);
  Line line{text.substr(pos, end - pos), withLf > kMaxLineBytes};
  pos = end == text.size() ? end : end + 1;
  return line;
}

// Drops the CR of a CR LF line end.
std::string_view DropCarriageReturn(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Everything from the first ";" on is a comment.
std::string_view RemoveComment(std::string_view line) {
  return line.substr(0, line.find(';'));
}

// The key before the first "=" (not trimmed) and the value after it, up to its first blank.
std::optional<Setting> SplitSetting(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view value = line.substr(equals + 1);
  value = value.substr(0, value.find(' '));
  value = value.substr(0, value.find('\t'));
  return Setting{line.substr(0, equals), value};
}

// Six hexadecimal digits, read as the colour reference itself.
std::optional<COLORREF> HexColor(std::string_view value) {
  if (value.size() != 6) return std::nullopt;
  COLORREF color = 0;
  for (char c : value) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    color = color * 16 + static_cast<COLORREF>(digit);
  }
  return color;
}

// A decimal channel value below 256.
std::optional<BYTE> Channel(std::string_view digits) {
  if (!AllDigits(digits)) return std::nullopt;
  unsigned value = 0;
  for (char c : digits) {
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > 255) return std::nullopt;
  }
  return static_cast<BYTE>(value);
}

std::optional<COLORREF> ColorOfChannels(std::string_view r, std::string_view g,
                                        std::string_view b) {
  const auto red = Channel(r);
  const auto green = Channel(g);
  const auto blue = Channel(b);
  if (!red || !green || !blue) return std::nullopt;
  return RGB(*red, *green, *blue);
}

// Nine decimal digits, three a channel: RRRGGGBBB.
std::optional<COLORREF> NineDigitColor(std::string_view value) {
  if (value.size() != 9 || !AllDigits(value)) return std::nullopt;
  return ColorOfChannels(value.substr(0, 3), value.substr(3, 3), value.substr(6, 3));
}

// Three decimal numbers separated by commas: R,G,B.
std::optional<COLORREF> CommaColor(std::string_view value) {
  const size_t first = value.find(',');
  if (first == std::string_view::npos) return std::nullopt;
  const size_t second = value.find(',', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  return ColorOfChannels(value.substr(0, first), value.substr(first + 1, second - first - 1),
                         value.substr(second + 1));
}

// A decimal key that fits an index.
std::optional<int32_t> NumericKey(std::string_view key) {
  if (!AllDigits(key)) return std::nullopt;
  int64_t value = 0;
  for (char c : key) {
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

// A bitmap file name is kept as written, if it is a code page 932 text at all.
std::optional<Cp932String> FileName(std::string_view value) {
  if (value.find('\0') != std::string_view::npos) return std::nullopt;
  if (!cp932::ToUtf8(value)) return std::nullopt;
  return Cp932String(value);
}

// The setting's value for its index: a file name for a bitmap index, else a colour.
std::optional<Entry> EntryOf(int32_t index, std::string_view value) {
  if (index >= drawres::kFirstBitmapIndex) {
    const auto name = FileName(value);
    if (!name) return std::nullopt;
    return Entry{index, 0, *name};
  }
  const auto color = ParseColor(value);
  if (!color) return std::nullopt;
  return Entry{index, *color, {}};
}

// One line through every step; nullopt for a line that sets nothing.
std::optional<Entry> ParseLine(const Line& line, const KeyLookup& keyToIndex) {
  if (line.overlong) return std::nullopt;
  const std::string_view text = RemoveComment(DropCarriageReturn(line.text));
  if (text.empty()) return std::nullopt;
  const auto setting = SplitSetting(text);
  if (!setting) return std::nullopt;
  const int32_t index = keyToIndex(setting->key);
  if (index < 0) return std::nullopt;
  return EntryOf(index, setting->value);
}

}  // namespace

std::vector<Entry> Parse(std::string_view text, const KeyLookup& keyToIndex) {
  std::vector<Entry> entries;
  size_t pos = 0;
  while (const auto line = NextLine(text, pos))
    if (auto entry = ParseLine(*line, keyToIndex)) entries.push_back(std::move(*entry));
  return entries;
}

int32_t KeyToIndex(std::string_view key, const KeyLookup& nameToIndex) {
  if (key.empty()) return drawres::kNoIndex;
  if (key.front() != '"') {
    if (const auto index = NumericKey(key)) return *index;
  }
  std::string name;
  for (char c : key)
    if (c != '"') name.push_back(c);
  return nameToIndex(name);
}

std::optional<COLORREF> ParseColor(std::string_view value) {
  if (const auto color = HexColor(value)) return color;
  if (const auto color = NineDigitColor(value)) return color;
  return CommaColor(value);
}

}  // namespace colorscheme
