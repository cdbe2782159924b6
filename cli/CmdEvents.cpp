// harbo-album events YEAR MONTH: each day of the month with a holiday or anniversary, one
// "DAY<TAB>holiday|anniversary<TAB>NAME" line an event in day order, from the table the album
// prints calendars with (the registry's, or the suite's default events file).
#include <cstdio>
#include <cstdlib>

#include "cli/CliCommands.h"
#include "print/CalendarEventTable.h"

namespace {

// A whole decimal number within the range, or false.
bool ParseBounded(const std::string& text, int low, int high, int* out) {
  if (text.empty() || text.size() > 6) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  *out = std::atoi(text.c_str());
  return *out >= low && *out <= high;
}

void PrintDay(const CalendarEventTable& table, int year, int month, int day) {
  for (int slot = table.FindEvent(0, year, month, day); slot >= 0;
       slot = table.FindEvent(slot + 1, year, month, day)) {
    const CalendarEvent& e = table.at(slot);
    std::printf("%d\t%s\t%s\n", day, e.IsHoliday() ? "holiday" : "anniversary",
                cp932::ToUtf8Lossy(e.Name()).c_str());
  }
}

}  // namespace

int RunEvents(CliSession& /*session*/, const std::vector<std::string>& args) {
  int year = 0;
  int month = 0;
  if (args.size() != 2 || !ParseBounded(args[0], 1, 9999, &year) ||
      !ParseBounded(args[1], 1, 12, &month)) {
    std::fprintf(stderr, "usage: harbo-album events YEAR MONTH (a year 1-9999, a month 1-12)\n");
    return 2;
  }
  CalendarEventTable table;
  table.Load();
  for (int day = 1; day <= calevents::DaysInMonth(year, month); ++day)
    PrintDay(table, year, month, day);
  return 0;
}
