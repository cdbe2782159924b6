// Page templates checked against numbers worked out by hand on a page of simple metrics:
// 254 dots per inch, so that a pixel is 0.1 mm, an A4 sheet (2100 x 2970) whose printable
// area starts 5 mm in (50, 50 to 2050, 2920). Text of 10 points is 35 high.
#include <gtest/gtest.h>

#include "print/PrintLayout.h"
#include "tests/print/TestPages.h"

namespace {

using printlayout::YearMonth;

CPrintFormat Basic(int columns, int rows) {
  CPrintFormat style;
  CPrintParam& b = style.paramMain;
  b.SetCells(columns, rows);
  b.SetSpaces(100, 100);
  b.autoPhotoSize = 1;
  b.autoSpaceSize = 0;
  b.photoOption.nameFont.point = b.photoOption.dateFont.point = 100;
  b.photoOption.memoVisible = 0;
  return style;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(PaperMetrics, GiveTheSheetThePrintableRectangleAndTextHeights) {
  const CPrintPaperSizeInfo page = A4Page();
  EXPECT_EQ(page.sheetWidth(), 2100);
  EXPECT_EQ(page.sheetHeight(), 2970);
  EXPECT_TRUE(SameRect(page.printable(), RECT{50, 50, 2050, 2920}));
  EXPECT_TRUE(SameRect(page.unprintable(), RECT{50, 50, 50, 50}));
  EXPECT_EQ(page.TextHeight(100), 35);
  CPrintPaperSizeInfo none;
  none.Measure(printsys::DeviceMetrics{});
  EXPECT_EQ(none.sheetWidth(), 0);
  EXPECT_EQ(none.TextHeight(100), 0);
}

TEST(PageLayout, ABasicGridOfTwoByFiveOnA4) {
  CPrintFormat style = Basic(2, 5);
  PrintPageTemplate t;
  printlayout::LayOut(style, A4Page(), YearMonth{2026, 12}, t);
  ASSERT_EQ(t.cells.size(), 10u);
  EXPECT_EQ(t.lastMonth(), -1);
  // Photos (2000 - 100) / 2 = 950 wide, (2870 - 400) / 5 = 494 high less the 37 of the
  // captions below them.
  EXPECT_EQ(style.paramMain.photoSizeX, 950);
  EXPECT_EQ(style.paramMain.photoSizeY, 457);
  EXPECT_TRUE(SameRect(t.cells[0].rect, RECT{50, 50, 1000, 544}));
  EXPECT_TRUE(SameRect(t.cells[3].rect, RECT{1100, 644, 2050, 1138}));
  EXPECT_TRUE(SameRect(t.cells[9].rect, RECT{1100, 2426, 2050, 2920}));
  EXPECT_EQ(t.cells[3].nameAt.y, 457);
  EXPECT_EQ(t.cells[3].name.cx, 950);
  EXPECT_EQ(t.cells[3].name.cy, 37);
}

TEST(PageLayout, ShiftsEveryOtherRowAndKeepsPhotoSizesWithinBounds) {
  CPrintFormat style = Basic(2, 3);
  style.paramMain.indexEvenRowShunt = 1;
  PrintPageTemplate t;
  printlayout::LayOut(style, A4Page(), YearMonth{2026, 12}, t);
  ASSERT_EQ(t.cells.size(), 5u) << "2, 1, 2";
  const LONG step = t.cells[1].rect.left - t.cells[0].rect.left;
  EXPECT_EQ(t.cells[2].rect.left, t.cells[0].rect.left + step / 2);
  EXPECT_EQ(t.cells[2].rect.top,
            t.cells[3].rect.top - (t.cells[3].rect.top - t.cells[0].rect.top) / 2);

  CPrintFormat crowded = Basic(60, 1);
  printlayout::LayOut(crowded, A4Page(), YearMonth{2026, 12}, t);
  EXPECT_EQ(crowded.paramMain.photoSizeX, 50);
  CPrintFormat fixed = Basic(1, 1);
  fixed.paramMain.autoPhotoSize = 0;
  fixed.paramMain.photoSizeX = 9000;
  printlayout::LayOut(fixed, A4Page(), YearMonth{2026, 12}, t);
  EXPECT_EQ(fixed.paramMain.photoSizeX, 5000);
}

TEST(PageLayout, SplitsAMixedPageInTheMiddleLeavingRoomAtTheLine) {
  CPrintFormat style = Basic(1, 1);
  style.mix = 1;
  style.mixLine = 1;  // upper and lower
  style.mixWidth = -1;
  style.paramSub = style.paramMain;
  PrintPageTemplate t;
  printlayout::LayOut(style, A4Page(), YearMonth{2026, 12}, t);
  ASSERT_EQ(t.cells.size(), 2u);
  const LONG middle = 50 + 2870 / 2;
  EXPECT_EQ(t.cells[0].rect.bottom, middle - 50);
  EXPECT_EQ(t.cells[1].rect.top, middle + 50);
  EXPECT_EQ(t.cells[1].area, 1);
}

TEST(PageLayout, TwelveMonthsFromNovemberRunIntoTheNextYear) {
  CPrintFormat style = Basic(1, 1);
  style.attr = CPrintFormat::kCalendar;
  style.paper.vLine = 0;
  CPrintParam& b = style.paramMain;
  b.calendarArea = 3;  // photos left, calendar right: the calendar is taller than wide
  b.calendarMonthCount = 12;
  b.calendarStartYear = 2026;
  b.calendarStartMonth = 11;
  PrintPageTemplate t;
  printlayout::LayOut(style, A4Page(), YearMonth{2026, 12}, t);
  ASSERT_EQ(t.lastMonth(), 11);
  EXPECT_EQ(t.months[1].year, 2026);
  EXPECT_EQ(t.months[2].year, 2027);
  EXPECT_EQ(t.months[2].month, 1);
  EXPECT_EQ(t.months[11].month, 10);
  // A calendar 1000 wide and 2870 high: 3 columns of 4 rows.
  EXPECT_EQ(t.calendar[0].left, 1050);
  EXPECT_EQ(t.months[3].rect.top, t.months[0].rect.bottom + (t.months[0].rect.top - 50));
  EXPECT_EQ(t.months[3].rect.left, t.months[0].rect.left);

  b.calendarArea = 0;  // below the photos: wider than tall, 4 columns of 3 rows
  printlayout::LayOut(style, A4Page(), YearMonth{2026, 12}, t);
  EXPECT_EQ(t.months[4].rect.left, t.months[0].rect.left);
  EXPECT_GT(t.months[4].rect.top, t.months[3].rect.top);
  // Relative starts: this month, next month past December.
  b.calendarStartYear = CPrintParam::kCurrent;
  b.calendarStartMonth = -2;
  const YearMonth first = printlayout::FirstMonth(b, YearMonth{2026, 12});
  EXPECT_EQ(first.year, 2027);
  EXPECT_EQ(first.month, 1);
}

TEST(PageLayout, AFourByFourLabelSheetOnThePostcardFromTheSheetsEdge) {
  const CPrintPaperSizeInfo postcard = TestPage(1000, 1480, 20);
  CPrintFormat style = Basic(4, 4);
  style.attr = CPrintFormat::kSeal;
  style.paper.enableArea = 0;
  style.paper.SetMargins(90, 190, 90, 190);
  CPrintParam& b = style.paramMain;
  b.autoPhotoSize = 0;
  b.photoSizeX = 190;
  b.photoSizeY = 260;
  b.SetSpaces(20, 20);
  b.photoOption.HideAll();
  PrintPageTemplate t;
  printlayout::LayOut(style, postcard, YearMonth{2026, 12}, t);
  ASSERT_EQ(t.cells.size(), 16u);
  EXPECT_TRUE(SameRect(t.cells[0].rect, RECT{90, 190, 280, 450}));
  EXPECT_TRUE(SameRect(t.cells[5].rect, RECT{300, 470, 490, 730}));
  EXPECT_TRUE(SameRect(t.cells[15].rect, RECT{720, 1030, 910, 1290}));
}

TEST(PageLayout, ACalendarBelowTwoThirdsOfPhotosTakesTheLastThird) {
  CPrintFormat style = Basic(1, 1);
  style.attr = CPrintFormat::kCalendar;
  style.paramMain.calendarWidth = CPrintParam::kShareTwoThirds;
  PrintPageTemplate t;
  printlayout::LayOut(style, A4Page(), YearMonth{2026, 12}, t);
  EXPECT_TRUE(SameRect(t.calendar[0], RECT{50, 50 + 2870 * 2 / 3, 2050, 2920}));
  EXPECT_EQ(t.cells[0].rect.bottom, 50 + 2870 * 2 / 3);
}

TEST(PageLayout, TurningTwiceGivesTheStyleBack) {
  CPrintFormat style = Basic(2, 5);
  style.paper.SetMargins(10, 20, 30, 40);
  style.paper.leaningX = 1;
  style.paramMain.photoOption.memoPosition = 2;
  style.paramMain.calendarArea = 1;
  const CPrintFormat before = style;
  printlayout::TurnPage(style);
  EXPECT_EQ(style.paper.spaceLeft, 20);
  EXPECT_EQ(style.paper.spaceBottom, 10);
  EXPECT_EQ(style.paramMain.cols, 5);
  EXPECT_EQ(style.paramMain.photoOption.memoPosition, 3);
  EXPECT_EQ(style.paramMain.calendarArea, 2);
  EXPECT_EQ(style.paper.vLine, 0);
  printlayout::TurnPage(style);
  EXPECT_TRUE(style == before);
}

}  // namespace
