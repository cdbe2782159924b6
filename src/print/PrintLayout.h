// Lays a print style out on a measured page (the page template), and turns a style between
// portrait and landscape. Pure integer arithmetic in 0.1 mm; the layout writes the photo
// sizes and spaces it computed back into the style, as the wizard and the panel show them.
#pragma once

#include <vector>

#include "print/CPrintFormat.h"
#include "print/CPrintFormats.h"
#include "print/CPrintPaperSizeInfo.h"
#include "print/PrintPageTemplate.h"

namespace printlayout {

using YearMonth = PrintYearMonth;

// The first month a calendar block shows, its stored values read against today: a year
// (0 this year, v < 0 this year + (-1 - v)), a month (1-12 that month, v < 0 this month +
// ((-1 - v) mod 12), running on into the next year; 0 or above 12 this month).
YearMonth FirstMonth(const CPrintParam& block, YearMonth today);

// The years a calendar's first year is chosen from: this one and the nine after it, with
// the year shown (a year before or after them) in its place.
std::vector<int> CalendarYears(int shown, YearMonth today);

// Fills the template from the style on the page measured, as of today's month.
void LayOut(CPrintFormat& style, const CPrintPaperSizeInfo& page, YearMonth today,
            PrintPageTemplate& out);

// Turns the style between portrait and landscape: the split, the alignment, the margins
// (rotated), columns and rows, fixed photo sizes and spaces, calendar and memo positions.
void TurnPage(CPrintFormat& style);

}  // namespace printlayout
