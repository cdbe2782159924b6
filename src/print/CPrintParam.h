// One area of photos of a print style (the main block, or the sub block of a mixed style):
// the captions, the spaces between cells, the photo size, columns and rows and their
// automatic switches, and for calendars the calendar beside the photos. Lengths in 0.1 mm.
#pragma once

#include <array>
#include <cstdint>

#include "print/CPrintPhotoOption.h"

struct CPrintParam {
  // Calendar colours: 0-6 Sunday to Saturday, then holidays and the month title.
  static constexpr int kHolidayColor = 7;
  static constexpr int kMonthTitleColor = 8;
  static constexpr int kColorCount = 9;
  // Calendar shares of the area left to the photos.
  static constexpr int16_t kShareHalf = -1;
  static constexpr int16_t kShareOneThird = -2;
  static constexpr int16_t kShareTwoThirds = -3;
  // The calendar's shares offered, small to large (the photos keep two thirds, half, one
  // third), and the months a page may show.
  static constexpr std::array<int16_t, 3> kCalendarShares = {kShareTwoThirds, kShareHalf,
                                                             kShareOneThird};
  static constexpr std::array<uint8_t, 4> kMonthCounts = {1, 2, 6, 12};
  // First year and month: the current one.
  static constexpr int16_t kCurrent = -1;

  void Load(const Cp932String& key);
  bool Save(const Cp932String& key) const;
  void SetCells(int32_t columns, int32_t rowCount) {
    cols = columns;
    rows = rowCount;
  }
  void SetSpaces(int32_t x, int32_t y) {
    spaceSizeX = x;
    spaceSizeY = y;
  }

  bool operator==(const CPrintParam& other) const = default;

  CPrintPhotoOption photoOption;
  int32_t spaceSizeX = 100;
  int32_t spaceSizeY = 100;
  int32_t photoSizeX = 500;
  int32_t photoSizeY = 500;
  int32_t cols = 5;
  int32_t rows = 5;
  uint8_t autoSpaceSize = 0;
  uint8_t autoPhotoSize = 1;
  uint8_t autoColRowCnt = 0;
  uint8_t indexEvenRowShunt = 0;  // every second row one photo less, shifted half a cell
  uint8_t calendarArea = 0;       // 0 below the photos, 1 left, 2 above, 3 right
  int16_t calendarWidth = kShareHalf;
  uint8_t calendarDateType = 0;
  int16_t calendarStartYear = kCurrent;   // a year; 0 this year; v < 0 this year + (-1 - v)
  int16_t calendarStartMonth = kCurrent;  // 1-12; v < 0 this month + ((-1 - v) mod 12)
  uint8_t calendarMonthCount = 1;
  uint8_t calendarPhotoCount = 1;
  uint8_t calendarFrame = 1;     // event names in framed day cells
  uint8_t calendarLogoType = 0;  // weekday names: 0 Japanese, 1 English
  std::array<COLORREF, kColorCount> calendarWeekColor = DefaultColors();
  CPrintFont calendarFont;

 private:
  static constexpr std::array<COLORREF, kColorCount> DefaultColors() {
    return {0x000000FF, 0, 0, 0, 0, 0, 0x00FF0000, 0x000000FF, 0};
  }
};
