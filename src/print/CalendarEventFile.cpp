// The reader of the suite's default events file "PimEvt.dat": code page 932 text, a header
// line, then per line the fields kind, year, month, day, weekday, week number, repeat,
// colour ("0x%08x") and the name in quotation marks, separated by commas.
#include <algorithm>
#include <vector>

#include "host/SuiteRegistry.h"
#include "platform/fileio/FileIo.h"
#include "print/CalendarEventTable.h"

namespace calevents {
namespace {

constexpr size_t kMaxLineBytes = 1024;
constexpr size_t kFieldCount = 9;
constexpr size_t kColourFieldBytes = 10;
constexpr uint32_t kLargestColour = 0x00FFFFFF;

// The lines of the text: each ends at a line feed, carriage returns are dropped, and a
// longer line keeps its first 1024 bytes.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    std::erase(line, '\r');
    lines.push_back(cp932::Cut(line, kMaxLineBytes));
    start = end + 1;
  }
  return lines;
}

// The comma-separated fields; the last (the name) takes the rest of the line, commas and all.
std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (fields.size() + 1 < kFieldCount) {
    const size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) break;
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

// A decimal number as the C library reads one: leading blanks, a sign, the digits up to the
// first other character; 0 without digits. Large values stop growing instead of overflowing.
int Number(std::string_view field) {
  size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
  const bool negative = i < field.size() && field[i] == '-';
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
  int64_t value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
    value = std::min<int64_t>(value * 10 + (field[i] - '0'), 0x7FFFFFFF);
  return static_cast<int>(negative ? -value : value);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Exactly ten characters "0x" and hex digits; a colour reference holds no more than 24 bits,
// so anything larger, like any other field, gives black.
uint32_t Colour(std::string_view field) {
  if (field.size() != kColourFieldBytes || field.substr(0, 2) != "0x") return 0;
  uint32_t value = 0;
  for (size_t i = 2; i < field.size() && HexDigit(field[i]) >= 0; ++i)
    value = value * 16 + static_cast<uint32_t>(HexDigit(field[i]));
  return value > kLargestColour ? 0 : value;
}

// The name without its first and last characters, the quotation marks around it; a
// double-byte character counts as one.
Cp932String Unquoted(std::string_view field) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < field.size(); i += cp932::IsLeadByte(field[i]) ? 2 : 1)
    starts.push_back(i);
  if (starts.size() < 2) return {};
  return Cp932String(field.substr(starts[1], starts.back() - starts[1]));
}

// One event line; nullopt for a line with fewer than nine fields.
std::optional<CalendarEvent> EventOfLine(std::string_view line) {
  const std::vector<std::string_view> f = SplitFields(line);
  if (f.size() < kFieldCount) return std::nullopt;
  CalendarEvent e;
  e.kind = static_cast<uint8_t>(Number(f[0]));
  e.year = static_cast<uint16_t>(Number(f[1]));
  e.month = static_cast<uint16_t>(Number(f[2]));
  e.day = static_cast<uint16_t>(Number(f[3]));
  e.weekday = static_cast<uint8_t>(Number(f[4]));
  e.weekNumber = static_cast<uint8_t>(Number(f[5]));
  e.repeat = static_cast<uint8_t>(Number(f[6]));
  e.color = Colour(f[7]);
  e.SetName(Unquoted(f[8]));
  return e;
}

// Tells the host how many event lines the table had no room for.
void NoteLeftOut(const Cp932String& path, size_t count) {
  if (count == 0) return;
  // The count comes first: a long path is what gets cut when the record has no room.
  const Cp932String text = cp932::Lit("祝日・記念日のうち ") + std::to_string(count) +
                           cp932::Lit(" 件は、64 件を超えるため読み込みませんでした: ") + path;
  suite::ReportError(suite::kErrorEventsLeftOut, static_cast<int32_t>(count), 0, text, 1);
}

}  // namespace

ParsedEventsFile ParseEventsFile(std::string_view text) {
  ParsedEventsFile parsed;
  const std::vector<std::string> lines = SplitLines(text);
  int slot = 0;
  // The first line is the header.
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::optional<CalendarEvent> event = EventOfLine(lines[i]);
    if (!event) continue;
    if (slot < CalendarEventTable::kSlots)
      parsed.table.Set(slot++, *event);
    else
      ++parsed.leftOut;
  }
  return parsed;
}

std::optional<CalendarEventTable> ReadEventsFile(const Cp932String& path) {
  const std::optional<uint64_t> size = fileio::FileSize(path);
  if (!size || *size > CalendarEventTable::kMaxFileBytes) return std::nullopt;
  const std::optional<std::string> text = fileio::ReadFile(path);
  if (!text || text->size() > CalendarEventTable::kMaxFileBytes) return std::nullopt;
  ParsedEventsFile parsed = ParseEventsFile(*text);
  NoteLeftOut(path, parsed.leftOut);
  return parsed.table;
}

}  // namespace calevents
