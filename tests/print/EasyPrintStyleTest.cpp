// The easy print panel's styles: the calendar's first month from today, kept within the
// years it supports, and a saved style read back as saved (a nameless one as the defaults).
#include <gtest/gtest.h>

#include "print/CPrintFormats.h"
#include "tests/print/PrintStyleFixture.h"

namespace {

using EasyPrint = CPrintFormats::EasyPrint;

class EasyPrintStyle : public PrintStyleFixture {
 protected:
  static CPrintFormat Load(EasyPrint which, PrintYearMonth today = {2026, 5}) {
    CPrintFormat style = FilledStyle();
    CPrintFormats::LoadEasyPrint(which, style, today);
    return style;
  }
};

TEST_F(EasyPrintStyle, TheCalendarStyleStartsThisMonthWithinItsYears) {
  const CPrintFormat s = Load(EasyPrint::kCalendar, {2010, 11});
  EXPECT_EQ(s.attr, CPrintFormat::kCalendar);
  EXPECT_EQ(s.paramMain.calendarStartYear, 2010);
  EXPECT_EQ(s.paramMain.calendarStartMonth, 11);
  EXPECT_EQ(Load(EasyPrint::kCalendar, {2026, 1}).paramMain.calendarStartYear, 2026);
  EXPECT_EQ(Load(EasyPrint::kCalendar, {1985, 1}).paramMain.calendarStartYear, 1990);
}

TEST_F(EasyPrintStyle, ASavedStyleIsReadAsSaved) {
  CPrintFormat saved = FilledStyle();
  ASSERT_TRUE(CPrintFormats::SaveEasyPrint(EasyPrint::kCalendar, saved));
  EXPECT_EQ(RawInt("Print\\FormatCalendar\\ParamMain", "Cols"), 3);
  EXPECT_TRUE(Load(EasyPrint::kCalendar) == saved);
  // A nameless one takes the kind's defaults over what it holds.
  saved.name.clear();
  ASSERT_TRUE(CPrintFormats::SaveEasyPrint(EasyPrint::kSeal, saved));
  const CPrintFormat seal = Load(EasyPrint::kSeal);
  EXPECT_EQ(seal.paramMain.cols, 4);
  EXPECT_EQ(seal.paramSub.cols, 3);
}

}  // namespace
