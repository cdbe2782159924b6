// The event table of an initialised album: the shipped default events file matched for a
// whole year, where the table comes from before and after the user stores events, and the
// registry round trip.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "print/CalendarEventTable.h"
#include "tests/library/LibraryTestSupport.h"
#include "tests/print/CalendarFixture.h"

namespace {

using cp932::Lit;

std::string ShippedEventsFile() {
  const std::filesystem::path root =
      std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
  return (root / "sample" / "Users" / "PimEvt.dat").string();
}

using CalendarEventTableTest = CalendarFixture;

// Every event day of a year as "M/D" with its names in UTF-8, holidays only.
std::map<std::string, std::string> HolidaysOf(const CalendarEventTable& table, int year) {
  std::map<std::string, std::string> days;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= calevents::DaysInMonth(year, month); ++day) {
      if (!table.IsHoliday(year, month, day)) continue;
      const int slot = table.FindEvent(0, year, month, day);
      days[std::to_string(month) + "/" + std::to_string(day)] =
          cp932::ToUtf8Lossy(table.at(slot).Name());
    }
  }
  return days;
}

TEST(ShippedEventsFile, GivesJapansHolidaysOfTwentyTwentySevenOnTheirDays) {
  const std::optional<CalendarEventTable> table = calevents::ReadEventsFile(ShippedEventsFile());
  ASSERT_TRUE(table.has_value());
  EXPECT_LT(table->count(), CalendarEventTable::kSlots);
  const std::map<std::string, std::string> expected = {
      {"1/1", "元日"},           {"1/11", "成人の日"},      {"2/11", "建国記念の日"},
      {"2/23", "天皇誕生日"},    {"3/21", "春分の日"},      {"4/29", "昭和の日"},
      {"5/3", "憲法記念日"},     {"5/4", "みどりの日"},     {"5/5", "こどもの日"},
      {"7/19", "海の日"},        {"8/11", "山の日"},        {"9/20", "敬老の日"},
      {"9/23", "秋分の日"},      {"10/11", "スポーツの日"}, {"11/3", "文化の日"},
      {"11/23", "勤労感謝の日"},
  };
  EXPECT_EQ(HolidaysOf(*table, 2027), expected);
}

TEST(ShippedEventsFile, HasBothEquinoxesForTenYearsAndNothingBeyond) {
  const std::optional<CalendarEventTable> table = calevents::ReadEventsFile(ShippedEventsFile());
  ASSERT_TRUE(table.has_value());
  const std::map<int, std::pair<int, int>> equinoxes = {
      {2028, {20, 22}}, {2031, {21, 23}}, {2032, {20, 22}}, {2035, {21, 23}}, {2036, {20, 22}}};
  for (const auto& [year, days] : equinoxes) {
    const auto holidays = HolidaysOf(*table, year);
    EXPECT_EQ(holidays.at("3/" + std::to_string(days.first)), "春分の日") << year;
    EXPECT_EQ(holidays.at("9/" + std::to_string(days.second)), "秋分の日") << year;
  }
  EXPECT_EQ(HolidaysOf(*table, 2037).count("3/20"), 0u);
  EXPECT_EQ(HolidaysOf(*table, 2026).count("3/20"), 0u);
}

TEST_F(CalendarEventTableTest, ComesFromTheDataFoldersFileUntilStoredThenFromTheRegistry) {
  WriteBytes(DataFolderFile(), Lit("h\n1,0,5,5,0,0,1,0x000000ff,\"こどもの日\"\n"));
  CalendarEventTable table;
  table.Load();
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table.IsHoliday(2030, 5, 5), 1);

  CalendarEvent birthday = table.at(0);
  birthday.kind = calevents::kKindAnniversary;
  birthday.SetName(Lit("誕生日"));
  table.Set(5, birthday);
  ASSERT_TRUE(table.Save());
  EXPECT_EQ(TheApp().ReadInt("Print\\Calendar", "Init", 1), 0);

  WriteBytes(DataFolderFile(), Lit("h\n"));
  CalendarEventTable again;
  again.Load();
  EXPECT_EQ(again, table) << "every slot kept at its number";
  EXPECT_EQ(again.count(), 2);
  EXPECT_EQ(again.IsHoliday(2030, 5, 5), 1);
  EXPECT_EQ(again.FindEvent(1, 2030, 5, 5), 5);
  EXPECT_EQ(TheApp().ReadText("Print\\Calendar\\Event5", "Name", ""), Lit("誕生日"));
  EXPECT_EQ(TheApp().ReadInt("Print\\Calendar\\Event5", "FlagType", 9), 0);
  EXPECT_EQ(TheApp().ReadText("Print\\Calendar\\Event63", "Name", "x"), "");
}

TEST_F(CalendarEventTableTest, AFailedWriteIsReportedAndLeavesTheStoredTableWhole) {
  CalendarEventTable table;
  CalendarEvent e;
  e.SetName("e");
  table.Set(3, e);
  ASSERT_TRUE(table.Save());
  const CalendarEventTable stored = table;
  e.day = 9;
  table.Set(3, e);
  table.Set(4, e);
  fileio::FailNthWriteForTest(1);
  EXPECT_FALSE(table.Save());
  fileio::FailNthWriteForTest(0);
  CalendarEventTable again;
  again.LoadFromRegistry();
  EXPECT_EQ(again, stored);
  ASSERT_TRUE(table.Save());
  again.LoadFromRegistry();
  EXPECT_EQ(again, table);
}

TEST_F(CalendarEventTableTest, RegistryValuesAreTruncatedToTheirFieldsWidths) {
  TheApp().WriteInt("Print\\Calendar", "Init", 0);
  TheApp().WriteInt("Print\\Calendar\\Event2", "Month", 0x10005);
  TheApp().WriteInt("Print\\Calendar\\Event2", "Repeat", 0x101);
  TheApp().WriteInt("Print\\Calendar\\Event2", "Day", 5);
  TheApp().WriteText("Print\\Calendar\\Event2", "Name", Lit(std::string(60, 'z')));
  CalendarEventTable table;
  table.Load();
  EXPECT_EQ(table.count(), 1);
  EXPECT_EQ(table.FindEvent(0, 2031, 5, 5), 2);
  EXPECT_EQ(table.at(2).Name(), std::string(48, 'z'));
}

TEST_F(CalendarEventTableTest, EventsPastTheSixtyFourthGoToTheErrorRecord) {
  std::string lines = "header\n";
  for (int i = 0; i < 66; ++i) lines += "0,0,1,1,0,0,1,0x00000000,\"e\"\n";
  WriteBytes(DataFolderFile(), lines);
  CalendarEventTable table;
  table.Load();
  EXPECT_EQ(table.count(), 64);
  EXPECT_EQ(suite_.error.code, suite::kErrorEventsLeftOut);
  EXPECT_EQ(suite_.error.detail1, 2);
  EXPECT_EQ(suite_.error.module, suite::kAlbumModule);
  EXPECT_EQ(std::string(suite_.error.text).rfind(Lit("祝日・記念日のうち 2 件"), 0), 0u);
}

}  // namespace
