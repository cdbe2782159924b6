// The date rules of holidays and anniversaries, their descriptions, and the reader of the
// default events file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <map>

#include "platform/fileio/FileIo.h"
#include "print/CalendarEventTable.h"

namespace {

using cp932::Lit;
using namespace calevents;

CalendarEvent Event(uint8_t repeat, int year, int month, int day, int weekNumber = 0,
                    int weekday = 0, const char* name = "祝日") {
  CalendarEvent e;
  e.kind = kKindHoliday;
  e.repeat = repeat;
  e.year = static_cast<uint16_t>(year);
  e.month = static_cast<uint16_t>(month);
  e.day = static_cast<uint16_t>(day);
  e.weekNumber = static_cast<uint8_t>(weekNumber);
  e.weekday = static_cast<uint8_t>(weekday);
  e.SetName(Lit(name));
  return e;
}

// The days of a month on which the event falls.
std::vector<int> DaysOf(const CalendarEvent& e, int year, int month) {
  std::vector<int> days;
  for (int day = 1; day <= DaysInMonth(year, month); ++day)
    if (e.FallsOn(year, month, day)) days.push_back(day);
  return days;
}

TEST(CalendarEventRules, TheWeekdayFormulaAgreesWithTheCalendarFrom1990To2100) {
  EXPECT_EQ(Weekday(2026, 12, 5), 6) << "5 December 2026 is a Saturday";
  using namespace std::chrono;
  for (sys_days d = sys_days{1990y / January / 1}; d <= sys_days{2100y / December / 31};
       d += days{1}) {
    const year_month_day ymd{d};
    const int y = static_cast<int>(ymd.year());
    const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    const int day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    ASSERT_EQ(Weekday(y, m, day), static_cast<int>(weekday{d}.c_encoding()))
        << y << "-" << m << "-" << day;
  }
}

TEST(CalendarEventRules, TheSecondMondayIsDayEightOrFourteenAsTheMonthStarts) {
  const CalendarEvent comingOfAge = Event(kRepeatYearly, 0, 1, 0, 2, 1);
  EXPECT_EQ(DaysOf(comingOfAge, 2024, 1), std::vector<int>{8}) << "1 January 2024 is a Monday";
  EXPECT_EQ(DaysOf(comingOfAge, 2030, 1), std::vector<int>{14}) << "1 January 2030 is a Tuesday";
  EXPECT_TRUE(DaysOf(comingOfAge, 2024, 2).empty()) << "a yearly event keeps to its month";
}

TEST(CalendarEventRules, WeekNumberFiveFallsOnlyInMonthsWithFiveSuchWeekdays) {
  const CalendarEvent fifthFriday = Event(kRepeatMonthly, 0, 0, 0, 5, 5);
  int monthsWithFive = 0;
  for (int month = 1; month <= 12; ++month) {
    int fridays = 0;
    for (int day = 1; day <= DaysInMonth(2027, month); ++day)
      fridays += Weekday(2027, month, day) == 5 ? 1 : 0;
    const std::vector<int> days = DaysOf(fifthFriday, 2027, month);
    EXPECT_EQ(days.size(), fridays == 5 ? 1u : 0u) << "month " << month;
    if (!days.empty()) {
      EXPECT_GE(days[0], 29);
    }
    monthsWithFive += fridays == 5 ? 1 : 0;
  }
  EXPECT_EQ(monthsWithFive, 5) << "2027 has five months with five Fridays";
}

TEST(CalendarEventRules, EachRepeatTestsOnlyItsOwnFields) {
  EXPECT_EQ(DaysOf(Event(kRepeatNone, 2027, 3, 21), 2027, 3), std::vector<int>{21});
  EXPECT_TRUE(DaysOf(Event(kRepeatNone, 2027, 3, 21), 2028, 3).empty()) << "once: the year too";
  EXPECT_EQ(DaysOf(Event(kRepeatNone, 2027, 3, 0, 1, 0), 2027, 3), std::vector<int>{7});
  EXPECT_EQ(DaysOf(Event(kRepeatYearly, 1999, 5, 5), 2030, 5), std::vector<int>{5});
  EXPECT_EQ(DaysOf(Event(kRepeatMonthly, 1999, 12, 10), 2027, 4), std::vector<int>{10});
  EXPECT_EQ(DaysOf(Event(kRepeatWeekly, 1999, 12, 10, 0, 3), 2027, 2),
            (std::vector<int>{3, 10, 17, 24}));
  CalendarEvent unnamed = Event(kRepeatWeekly, 0, 0, 0, 0, 3);
  unnamed.SetName("");
  EXPECT_TRUE(DaysOf(unnamed, 2027, 2).empty()) << "a free slot never falls on a day";
  EXPECT_TRUE(DaysOf(Event(7, 2027, 2, 3), 2027, 2).empty()) << "an unknown repeat";
}

TEST(CalendarEventRules, DescriptionsWordEachRepeatWithADayOrAWeekday) {
  EXPECT_EQ(Event(kRepeatYearly, 0, 1, 1).Describe(), Lit("毎年  1月  1日"));
  EXPECT_EQ(Event(kRepeatYearly, 0, 10, 0, 2, 1).Describe(), Lit("毎年 10月 第2月曜"));
  EXPECT_EQ(Event(kRepeatMonthly, 0, 0, 25).Describe(), Lit("毎月 25日"));
  EXPECT_EQ(Event(kRepeatMonthly, 0, 0, 0, 3, 6).Describe(), Lit("毎月 第3土曜"));
  EXPECT_EQ(Event(kRepeatWeekly, 0, 0, 0, 0, 0).Describe(), Lit("毎週日曜"));
  EXPECT_EQ(Event(kRepeatNone, 2027, 3, 21).Describe(), Lit("2027年  3月 21日"));
  EXPECT_EQ(Event(kRepeatNone, 2027, 3, 0, 4, 4).Describe(), Lit("2027年  3月 第4木曜"));
  EXPECT_EQ(Event(kRepeatWeekly, 0, 0, 0, 0, 9).Describe(), Lit("毎週"))
      << "a weekday out of range has no name rather than someone else's";
}

TEST(CalendarEventRules, NamesAreCutAtFortyEightBytesOnACharacterBoundary) {
  CalendarEvent e;
  e.SetName(Lit(std::string(47, 'a') + "あ"));
  EXPECT_EQ(e.Name(), std::string(47, 'a'));
  e.SetName(Lit(std::string(46, 'a') + "あ"));
  EXPECT_EQ(e.Name().size(), 48u);
}

// --- The default events file ---------------------------------------------------------------

std::string FileText(const std::string& utf8Lines) {
  return Lit("種別,年,月,日,曜日,週,繰り返し,色,名前\r\n" + utf8Lines);
}

TEST(CalendarEventsFile, ReadsEveryFieldDropsTheQuotesAndSkipsShortLines) {
  const ParsedEventsFile parsed =
      ParseEventsFile(FileText("1,0,1,0,1,2,1,0x00ff0000,\"成人の日\"\r\n"
                               "0,2027,12,0,6,\n"
                               "0,2027,12,24,0,0,0,0x0000ff00,\"前夜, 祭\"\n"
                               "0,2027,12,25,0,0,0,0x00123456,\"x\""));
  const CalendarEventTable& t = parsed.table;
  ASSERT_EQ(t.count(), 3);
  CalendarEvent comingOfAge = Event(kRepeatYearly, 0, 1, 0, 2, 1, "成人の日");
  comingOfAge.color = 0x00ff0000;
  EXPECT_EQ(t.at(0), comingOfAge);
  EXPECT_EQ(t.at(1).Name(), Lit("前夜, 祭")) << "a short line took no slot; commas in the name";
  EXPECT_EQ(t.at(1).kind, kKindAnniversary);
  EXPECT_EQ(t.at(1).year, 2027);
  EXPECT_EQ(t.at(2).color, 0x00123456u) << "a file that ends without a line feed";
  EXPECT_TRUE(t.at(3).IsFree());
}

TEST(CalendarEventsFile, TheColourIsTakenOnlyFromTenCharactersWithinTwentyFourBits) {
  const std::map<std::string, uint32_t> cases = {
      {"0x01000000", 0}, {"0x00ffffff", 0xFFFFFF}, {"0x0000ff", 0},   {"0x000000ff ", 0},
      {"1234567890", 0}, {"0x00FF00zz", 0xFF00},   {"0xffffffff", 0},
  };
  for (const auto& [field, colour] : cases) {
    const auto t = ParseEventsFile(FileText("1,0,1,1,0,0,1," + field + ",\"a\"\n")).table;
    EXPECT_EQ(t.at(0).color, colour) << field;
  }
}

TEST(CalendarEventsFile, LinesPastTheSixtyFourthAreCountedNotStored) {
  std::string lines;
  for (int i = 0; i < 70; ++i) lines += "0,0,1,1,0,0,1,0x00000000,\"e" + std::to_string(i) + "\"\n";
  const ParsedEventsFile parsed = ParseEventsFile(FileText(lines));
  EXPECT_EQ(parsed.table.count(), 64);
  EXPECT_EQ(parsed.table.at(63).Name(), "e63");
  EXPECT_EQ(parsed.leftOut, 6u);
}

TEST(CalendarEventsFile, AnOverlongLineIsCutAndAHeaderOnlyFileIsEmpty) {
  const std::string longName(3000, 'n');
  const auto t = ParseEventsFile(FileText("1,0,1,1,0,0,1,0x00000000,\"" + longName + "\"\n")).table;
  EXPECT_EQ(t.at(0).Name(), std::string(48, 'n'));
  EXPECT_EQ(ParseEventsFile(FileText("")).table.count(), 0);
  EXPECT_EQ(ParseEventsFile("").table.count(), 0);
}

TEST(CalendarEventsFile, AFolderAPipeAMissingFileAndAnOversizedFileAreNotRead) {
  const Cp932String folder = ::testing::TempDir();
  EXPECT_FALSE(ReadEventsFile(folder).has_value());
  EXPECT_FALSE(ReadEventsFile(folder + "/no-such-events.dat").has_value());
  const Cp932String pipe = folder + "/pipe-events.dat";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(ReadEventsFile(pipe).has_value()) << "a named pipe would block the read";
  DeleteFileA(pipe.c_str());
  const Cp932String big = folder + "/big-events.dat";
  ASSERT_TRUE(
      fileio::WriteFileAtomic(big, std::string(CalendarEventTable::kMaxFileBytes + 1, '\n')));
  EXPECT_FALSE(ReadEventsFile(big).has_value());
  DeleteFileA(big.c_str());
}

}  // namespace
