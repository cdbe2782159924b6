// The easy print panel's three styles: their defaults when none was saved, the calendar's
// first year kept within the years it supports, and a saved style read back as saved.
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

TEST_F(EasyPrintStyle, TheBasicStyleDefaultsToATwoByTwoGridInTheMiddle) {
  const CPrintFormat s = Load(EasyPrint::kIndex);
  EXPECT_EQ(s.name, "Easy Print Index");
  EXPECT_EQ(s.attr, CPrintFormat::kBasic);
  EXPECT_EQ(s.mix * 100 + s.mixLine * 10, 10);
  EXPECT_EQ(s.paper.header.show + s.paper.footer.show, 0);
  EXPECT_EQ(s.paper.enableArea, 1);
  EXPECT_EQ(s.paper.leaningX + s.paper.leaningY, 2);
  EXPECT_EQ(s.paper.spaceRight, 40);
  const CPrintParam& main = s.paramMain;
  EXPECT_EQ(main.cols * 10 + main.rows, 22);
  EXPECT_EQ(main.spaceSizeY, 80);
  EXPECT_EQ(main.photoOption.datePosition, 1);
  EXPECT_EQ(main.photoOption.dateVisible, 0);
  EXPECT_EQ(main.photoOption.dateFont.color, 0x000088FFu);
  EXPECT_EQ(main.photoOption.memoFont.color, 0x0000DD00u);
  EXPECT_EQ(main.photoOption.scaleOver, 1);
  EXPECT_EQ(s.paramSub.cols * 10 + s.paramSub.rows, 21);
  EXPECT_EQ(s.paramSub.photoOption.dateFont.color, 0u);
}

TEST_F(EasyPrintStyle, TheLabelStyleDefaultsToTheWholePostcardAndKeepsItsSubBlock) {
  const CPrintFormat s = Load(EasyPrint::kSeal);
  EXPECT_EQ(s.name, "Easy Print Seal");
  EXPECT_EQ(s.attr, CPrintFormat::kSeal);
  EXPECT_EQ(s.paper.enableArea, 0);
  EXPECT_EQ(s.paper.leaningX, 0);
  EXPECT_EQ(s.paper.sizeId, 43);
  EXPECT_EQ(s.paper.spaceTop, 190);
  EXPECT_EQ(s.paramMain.photoSizeX * 1000 + s.paramMain.photoSizeY, 190260);
  EXPECT_EQ(s.paramMain.autoPhotoSize, 0);
  EXPECT_EQ(s.paramMain.photoOption.dateFont.color, 0u);
  EXPECT_TRUE(s.paramSub == CPrintFormats::LoadDefault()->paramSub);
}

TEST_F(EasyPrintStyle, TheCalendarStyleStartsThisMonthWithinItsYears) {
  const CPrintFormat s = Load(EasyPrint::kCalendar, {2010, 11});
  EXPECT_EQ(s.name, "Easy Print Calendar");
  EXPECT_EQ(s.attr, CPrintFormat::kCalendar);
  const CPrintParam& main = s.paramMain;
  EXPECT_EQ(main.calendarStartYear, 2010);
  EXPECT_EQ(main.calendarStartMonth, 11);
  EXPECT_EQ(main.calendarLogoType, 1);
  EXPECT_EQ(main.calendarFrame, 1);
  EXPECT_EQ(main.calendarMonthCount, 1);
  EXPECT_EQ(main.calendarArea, 0);
  EXPECT_EQ(main.calendarWidth, -1);
  EXPECT_EQ(main.calendarWeekColor[8], 0x00FF3300u);
  EXPECT_EQ(main.spaceSizeX * 1000 + main.spaceSizeY, 30040);
  EXPECT_EQ(s.paramSub.spaceSizeX * 1000 + s.paramSub.spaceSizeY, 120160);
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
