// One holiday or anniversary of the calendar pages: its kind, the date rule (a day of a
// month, or the n-th weekday of a month, once or repeated every year, month or week), its
// name and the colour its name is printed in. The rules decide on which days an event
// falls; the descriptions are the texts the event list and the editor show for the rule.
#pragma once

#include <cstdint>

#include "platform/text/Cp932.h"

namespace calevents {

constexpr uint8_t kKindAnniversary = 0;
constexpr uint8_t kKindHoliday = 1;

constexpr uint8_t kRepeatNone = 0;
constexpr uint8_t kRepeatYearly = 1;
constexpr uint8_t kRepeatMonthly = 2;
constexpr uint8_t kRepeatWeekly = 3;

// A name holds at most this many bytes (half-width characters), without its zero.
constexpr size_t kMaxNameBytes = 48;

}  // namespace calevents

// The fields in the order the suite keeps them. The record is never stored as bytes (the
// registry and the events file hold it field by field), so it keeps natural alignment, and
// its fields can be read through references. A record with an empty name is a free slot.
struct CalendarEvent {
  uint8_t kind = calevents::kKindAnniversary;
  uint16_t year = 0;       // only for events that do not repeat
  uint16_t month = 0;      // 1-12
  uint16_t day = 0;        // 1-31; 0: the date is the n-th weekday of the month
  uint8_t weekday = 0;     // 0 Sunday ... 6 Saturday
  uint8_t weekNumber = 0;  // 1-5 with day 0; 0 when a day is given
  uint8_t repeat = calevents::kRepeatNone;
  char name[calevents::kMaxNameBytes + 1] = {};
  uint32_t color = 0;  // 0x00BBGGRR

  Cp932String Name() const;
  // Takes the name cut to the limit on a character boundary.
  void SetName(const Cp932String& text);
  bool IsFree() const { return name[0] == '\0'; }
  bool IsHoliday() const { return kind == calevents::kKindHoliday; }

  // Whether the event falls on the date; a free slot never does.
  bool FallsOn(int year, int month, int day) const;
  // The text of the date rule, as "毎年  1月 第2月曜".
  Cp932String Describe() const;

  // Names compare on all their bytes: SetName clears what follows the text.
  bool operator==(const CalendarEvent& other) const = default;
};

namespace calevents {

// 0 Sunday ... 6 Saturday.
int Weekday(int year, int month, int day);
// The n-th week of the month a day lies in: 1 for days 1-7, 2 for 8-14 ...
int WeekNumberOfDay(int day);
bool IsLeapYear(int year);
// The number of days of a month (1-12) of the year; 0 for another month.
int DaysInMonth(int year, int month);
// "日曜" ... "土曜"; empty for a value out of range.
Cp932String ShortWeekdayName(int weekday);

}  // namespace calevents
