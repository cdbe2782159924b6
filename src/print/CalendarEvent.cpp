#include "print/CalendarEvent.h"

#include <cstdio>
#include <cstring>

namespace calevents {

int Weekday(int year, int month, int day) {
  if (month < 3) {
    month += 12;
    year -= 1;
  }
  const int sum = year + year / 4 - year / 100 + year / 400 + (26 * month + 16) / 10 + day;
  // A year 0 in January or February counts from -1, where C's remainder goes negative.
  return (sum % 7 + 7) % 7;
}

int WeekNumberOfDay(int day) {
  return (day + 6) / 7;
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return IsLeapYear(year) ? 29 : 28;
    default:
      return month >= 1 && month <= 12 ? 31 : 0;
  }
}

Cp932String ShortWeekdayName(int weekday) {
  static const char* const kNames[] = {"日曜", "月曜", "火曜", "水曜", "木曜", "金曜", "土曜"};
  if (weekday < 0 || weekday > 6) return {};
  return cp932::Lit(kNames[weekday]);
}

}  // namespace calevents

namespace {

using namespace calevents;

// With a day given the day must match; with day 0 the n-th weekday must.
bool DayMatches(const CalendarEvent& e, int day, int weekday, int weekNumber) {
  if (e.day != 0) return e.day == day;
  return e.weekNumber == weekNumber && e.weekday == weekday;
}

// The rule's text in UTF-8, with the weekday name inserted where the format has %s.
std::string RuleText(const CalendarEvent& e, const std::string& weekdayName) {
  char text[96] = {};
  const bool byDay = e.day != 0;
  const char* name = weekdayName.c_str();
  switch (e.repeat) {
    case kRepeatYearly:
      if (byDay)
        std::snprintf(text, sizeof text, "毎年 %2d月 %2d日", e.month, e.day);
      else
        std::snprintf(text, sizeof text, "毎年 %2d月 第%1d%s", e.month, e.weekNumber, name);
      break;
    case kRepeatMonthly:
      if (byDay)
        std::snprintf(text, sizeof text, "毎月 %2d日", e.day);
      else
        std::snprintf(text, sizeof text, "毎月 第%1d%s", e.weekNumber, name);
      break;
    case kRepeatWeekly:
      std::snprintf(text, sizeof text, "毎週%s", name);
      break;
    case kRepeatNone:
      if (byDay)
        std::snprintf(text, sizeof text, "%4d年 %2d月 %2d日", e.year, e.month, e.day);
      else
        std::snprintf(text, sizeof text, "%4d年 %2d月 第%1d%s", e.year, e.month, e.weekNumber,
                      name);
      break;
    default:
      break;
  }
  return text;
}

}  // namespace

Cp932String CalendarEvent::Name() const {
  return Cp932String(name, strnlen(name, sizeof name));
}

void CalendarEvent::SetName(const Cp932String& text) {
  const Cp932String cut = cp932::Cut(text.substr(0, text.find('\0')), kMaxNameBytes);
  std::memset(name, 0, sizeof name);
  std::memcpy(name, cut.data(), cut.size());
}

bool CalendarEvent::FallsOn(int y, int m, int d) const {
  if (IsFree()) return false;
  const int w = Weekday(y, m, d);
  const int n = WeekNumberOfDay(d);
  switch (repeat) {
    case kRepeatYearly:
      return month == m && DayMatches(*this, d, w, n);
    case kRepeatMonthly:
      return DayMatches(*this, d, w, n);
    case kRepeatWeekly:
      return weekday == w;
    case kRepeatNone:
      return year == y && month == m && DayMatches(*this, d, w, n);
    default:
      return false;
  }
}

Cp932String CalendarEvent::Describe() const {
  const std::string weekdayName = cp932::ToUtf8Lossy(ShortWeekdayName(weekday));
  return cp932::Lit(RuleText(*this, weekdayName));
}
