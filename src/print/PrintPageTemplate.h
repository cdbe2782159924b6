// The page template of a print style on a measured page: the rectangles of the photo cells
// with the places of the photo, name, date and memo boxes inside each, and for calendars
// the months and the calendar rectangle of each area. The previews and the printed pages
// share it. Lengths in 0.1 mm from the sheet's top-left corner.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/gdi/CDC.h"

struct PrintCell {
  RECT rect{};
  SIZE photo{};
  SIZE name{};
  SIZE date{};
  SIZE memo{};
  // Offsets of the boxes from the cell's top-left corner.
  POINT photoAt{};
  POINT nameAt{};
  POINT dateAt{};
  POINT memoAt{};
  int area = 0;  // 0 the main area, 1 the sub area
};

struct PrintMonth {
  int16_t year = 0;
  int16_t month = 0;
  RECT rect{};
  int area = 0;
};

struct PrintPageTemplate {
  static constexpr size_t kMaxCells = 128;
  static constexpr size_t kMaxMonthsPerArea = 12;

  std::vector<PrintCell> cells;
  std::vector<PrintMonth> months;
  std::array<RECT, 2> calendar{};
  bool isCalendar = false;

  int16_t lastCell() const { return static_cast<int16_t>(cells.size()) - 1; }
  int16_t lastMonth() const { return isCalendar ? static_cast<int16_t>(months.size()) - 1 : -1; }
};
