#include "print/PrintLayout.h"

#include <algorithm>
#include <utility>

namespace printlayout {
namespace {

constexpr int32_t kSmallestPhoto = 50;
constexpr int32_t kLargestPhoto = 5000;
// What each part of a split gives up next to the line when its photos size themselves.
constexpr int32_t kSplitGap = 50;
// The months' grid leaves this much of the calendar for the gaps.
constexpr int32_t kMonthGaps = 100;

LONG Width(const RECT& r) {
  return r.right - r.left;
}
LONG Height(const RECT& r) {
  return r.bottom - r.top;
}

struct Fraction {
  int32_t num;
  int32_t den;
};

// The photos' share of an area beside its calendar.
Fraction PhotoShare(int16_t calendarWidth) {
  if (calendarWidth == CPrintParam::kShareTwoThirds) return {2, 3};
  if (calendarWidth == CPrintParam::kShareOneThird) return {1, 3};
  return {1, 2};
}

// Splits the area between the photos and the calendar; the area keeps the photos.
RECT SplitCalendar(RECT& area, const CPrintParam& block) {
  const Fraction share = PhotoShare(block.calendarWidth);
  const Fraction rest{share.den - share.num, share.den};
  RECT calendar = area;
  switch (block.calendarArea) {
    case 1:  // the calendar left, the photos right
      calendar.right = area.left + Width(area) * rest.num / rest.den;
      area.left = calendar.right;
      break;
    case 2:  // the calendar above, the photos below
      calendar.bottom = area.top + Height(area) * rest.num / rest.den;
      area.top = calendar.bottom;
      break;
    case 3:  // the photos left, the calendar right
      area.right = area.left + Width(area) * share.num / share.den;
      calendar.left = area.right;
      break;
    default:  // the photos above, the calendar below
      area.bottom = area.top + Height(area) * share.num / share.den;
      calendar.top = area.bottom;
      break;
  }
  return calendar;
}

std::pair<int, int> MonthGrid(int n, bool tall) {
  const int longSide = n >= 7 ? 4 : n >= 5 ? 3 : n >= 2 ? 2 : 1;
  const int shortSide = n >= 7 ? 3 : n >= 3 ? 2 : 1;
  // columns, rows
  return tall ? std::pair{shortSide, longSide} : std::pair{longSide, shortSide};
}

void LayOutMonths(const RECT& calendar, const CPrintParam& block, YearMonth today, int area,
                  PrintPageTemplate& out) {
  const int n = std::min<int>(block.calendarMonthCount, PrintPageTemplate::kMaxMonthsPerArea);
  if (n <= 0) return;
  const auto [columns, rows] = MonthGrid(n, Width(calendar) < Height(calendar));
  const LONG cellW = (Width(calendar) - kMonthGaps) / columns;
  const LONG cellH = (Height(calendar) - kMonthGaps) / rows;
  const LONG gapX = (Width(calendar) - cellW * columns) / (columns + 1);
  const LONG gapY = (Height(calendar) - cellH * rows) / (rows + 1);
  const YearMonth first = FirstMonth(block, today);
  for (int i = 0; i < n; ++i) {
    const int c = i % columns;
    const int r = i / columns;
    PrintMonth month;
    const int index = first.month - 1 + i;
    month.year = static_cast<int16_t>(first.year + index / 12);
    month.month = static_cast<int16_t>(index % 12 + 1);
    month.rect.left = calendar.left + cellW * c + gapX * (c + 1);
    month.rect.top = calendar.top + gapY * (r + 1) + cellH * r;
    month.rect.right = month.rect.left + cellW;
    month.rect.bottom = month.rect.top + cellH;
    month.area = area;
    out.months.push_back(month);
  }
}

// The space between n cells of the given size in an extent, spread evenly.
int32_t EvenSpace(int32_t extent, int32_t cell, int32_t n) {
  if (n <= 1) return 0;
  return ((extent - cell * n) / (n - 1) + n) / (n + 1);
}

struct Captions {
  int32_t name = 0;  // heights, 0 when not shown
  int32_t date = 0;
  int32_t band = 0;  // the band outside the photo
};

Captions CaptionHeights(const CPrintPhotoOption& o, const CPrintPaperSizeInfo& page) {
  Captions c;
  if (o.nameVisible) c.name = page.TextHeight(o.nameFont.point) + 2;
  if (o.dateVisible) c.date = page.TextHeight(o.dateFont.point) + 2;
  if (o.nameVisible && o.namePosition == 0) c.band = c.name;
  if (o.dateVisible && o.datePosition == 0) c.band = std::max(c.band, c.date);
  return c;
}

struct Grid {
  int32_t columns;
  int32_t rows;
  int32_t photoW;
  int32_t photoH;
  int32_t memoW = 0;
  int32_t memoH = 0;
  int32_t spaceX;
  int32_t spaceY;
  int32_t cellW = 0;
  int32_t cellH = 0;
};

void SizePhotos(const CPrintParam& b, int32_t w, int32_t h, Grid& g) {
  if (b.autoSpaceSize && b.autoPhotoSize) {
    g.photoW = w / g.columns;
    g.photoH = h / g.rows;
    g.spaceX = w % g.columns == g.columns - 1 ? 1 : 0;
    g.spaceY = h % g.rows == g.rows - 1 ? 1 : 0;
  } else if (b.autoSpaceSize) {
    g.spaceX = EvenSpace(w, g.photoW, g.columns);
    g.spaceY = EvenSpace(h, g.photoH, g.rows);
  } else if (b.autoPhotoSize) {
    g.photoW = (w - (g.columns - 1) * g.spaceX) / g.columns;
    g.photoH = (h - (g.rows - 1) * g.spaceY) / g.rows;
  }
  g.photoW = std::clamp(g.photoW, kSmallestPhoto, kLargestPhoto);
  g.photoH = std::clamp(g.photoH, kSmallestPhoto, kLargestPhoto);
}

Fraction MemoShare(int16_t memoWidth, bool photoAutomatic) {
  if (photoAutomatic) {
    if (memoWidth == CPrintPhotoOption::kMemoSmall) return {2, 5};
    if (memoWidth == CPrintPhotoOption::kMemoLarge) return {3, 5};
    return {1, 2};
  }
  if (memoWidth == CPrintPhotoOption::kMemoSmall) return {2, 3};
  if (memoWidth == CPrintPhotoOption::kMemoLarge) return {3, 2};
  return {1, 1};
}

bool Beside(uint8_t memoPosition) {
  return memoPosition == 0 || memoPosition == 2;
}

void SizeMemo(const CPrintPhotoOption& o, bool photoAutomatic, Grid& g) {
  if (!o.memoVisible) return;
  if (o.memoPosition == 4) {
    g.memoW = g.photoW;
    g.memoH = g.photoH;
    return;
  }
  const Fraction share = MemoShare(o.memoWidth, photoAutomatic);
  const bool beside = Beside(o.memoPosition);
  if (!photoAutomatic) {
    g.memoW = beside ? g.photoW * share.num / share.den : g.photoW;
    g.memoH = beside ? g.photoH : g.photoH * share.num / share.den;
  } else if (beside) {
    g.memoW = g.photoW * share.num / share.den;
    g.photoW = std::max(kSmallestPhoto, g.photoW - g.memoW);
    g.memoH = g.photoH;
  } else {
    g.memoH = g.photoH * share.num / share.den;
    g.photoH = std::max(kSmallestPhoto, g.photoH - g.memoH);
    g.memoW = g.photoW;
  }
}

// The memo's side in a cell: alternating memos swap sides in odd rows (beside the photo)
// or odd columns (above and below).
uint8_t MemoSide(const CPrintPhotoOption& o, int row, int column) {
  const uint8_t p = o.memoPosition;
  if (!o.memoAlternate) return p;
  if (row % 2 == 1 && p == 0) return 2;
  if (row % 2 == 1 && p == 2) return 0;
  if (column % 2 == 1 && p == 1) return 3;
  if (column % 2 == 1 && p == 3) return 1;
  return p;
}

POINT CaptionAt(bool outside, int32_t height, uint8_t side, bool memoShown, POINT photo, POINT memo,
                const Grid& g) {
  if (!outside) return POINT{photo.x, photo.y + g.photoH - height};
  if (memoShown && side == 1) return POINT{photo.x, photo.y - height};
  if (memoShown && side == 2) return POINT{memo.x, photo.y + g.photoH};
  return POINT{photo.x, photo.y + g.photoH};
}

void PlaceBoxes(const CPrintPhotoOption& o, const Captions& c, const Grid& g, int row, int column,
                PrintCell& cell) {
  POINT photo{0, 0};
  POINT memo{0, 0};
  const uint8_t side = o.memoVisible ? MemoSide(o, row, column) : 0;
  if (o.memoVisible) {
    switch (side) {
      case 0:
        memo = POINT{g.photoW, 0};
        break;
      case 1:
        photo = POINT{0, c.band};
        memo = POINT{0, c.band + g.photoH};
        break;
      case 2:
        photo = POINT{g.memoW, 0};
        break;
      case 3:
        photo = POINT{0, g.memoH};
        break;
      default:
        break;
    }
  }
  cell.photoAt = photo;
  cell.memoAt = memo;
  if (o.nameVisible)
    cell.nameAt = CaptionAt(o.namePosition == 0, c.name, side, o.memoVisible, photo, memo, g);
  if (o.dateVisible)
    cell.dateAt = CaptionAt(o.datePosition == 0, c.date, side, o.memoVisible, photo, memo, g);
}

void LayOutArea(CPrintFormat& style, CPrintParam& b, RECT area, int number,
                const CPrintPaperSizeInfo& page, YearMonth today, PrintPageTemplate& out) {
  if (style.attr == CPrintFormat::kCalendar) {
    const RECT calendar = SplitCalendar(area, b);
    out.calendar[static_cast<size_t>(number)] = calendar;
    LayOutMonths(calendar, b, today, number, out);
  }
  const CPrintPhotoOption& o = b.photoOption;
  const int32_t w = Width(area);
  const int32_t h = Height(area);
  Grid g{std::max(1, b.cols), std::max(1, b.rows), b.photoSizeX, b.photoSizeY, 0, 0,
         b.spaceSizeX,        b.spaceSizeY};
  const Captions c = CaptionHeights(o, page);
  SizePhotos(b, w, h, g);
  if (b.autoPhotoSize) g.photoH = std::max(kSmallestPhoto, g.photoH - c.band);
  SizeMemo(o, b.autoPhotoSize != 0, g);
  b.photoSizeX = g.photoW;
  b.photoSizeY = g.photoH;

  const bool memoBeside = o.memoVisible && Beside(o.memoPosition);
  const bool memoAcross = o.memoVisible && (o.memoPosition == 1 || o.memoPosition == 3);
  SIZE nameBox{g.photoW + (memoBeside && o.namePosition == 0 ? g.memoW : 0), c.name};
  const SIZE dateBox{g.photoW, c.date};
  g.cellW = g.photoW + (memoBeside ? g.memoW : 0);
  g.cellH = g.photoH + c.band + (memoAcross ? g.memoH : 0);
  if (b.autoSpaceSize) {
    g.spaceX = EvenSpace(w, g.cellW, g.columns);
    g.spaceY = EvenSpace(h, g.cellH, g.rows);
  }
  b.spaceSizeX = g.spaceX;
  b.spaceSizeY = g.spaceY;

  const int32_t gridW = g.cellW * g.columns + g.spaceX * (g.columns - 1);
  const int32_t gridH = g.cellH * g.rows + g.spaceY * (g.rows - 1);
  const auto offset = [](uint8_t leaning, int32_t room) {
    return leaning == 1 ? room / 2 : leaning == 2 ? room : 0;
  };
  const LONG left = area.left + offset(style.paper.leaningX, w - gridW);
  LONG y = area.top + offset(style.paper.leaningY, h - gridH);
  for (int row = 0; row < g.rows; ++row, y += g.cellH + g.spaceY) {
    const bool shifted = b.indexEvenRowShunt && row % 2 == 1;
    LONG x = left + (shifted ? (g.cellW + g.spaceX) / 2 : 0);
    const int inRow = shifted ? g.columns - 1 : g.columns;
    for (int column = 0; column < inRow; ++column, x += g.cellW + g.spaceX) {
      if (out.cells.size() >= PrintPageTemplate::kMaxCells) return;
      PrintCell cell;
      cell.rect = RECT{x, y, x + g.cellW, y + g.cellH};
      cell.photo = SIZE{g.photoW, g.photoH};
      cell.name = nameBox;
      cell.date = dateBox;
      cell.memo = o.memoVisible ? SIZE{g.memoW, g.memoH} : SIZE{};
      cell.area = number;
      PlaceBoxes(o, c, g, row, column, cell);
      out.cells.push_back(cell);
    }
  }
}

RECT PageArea(const CPrintFormat& style, const CPrintPaperSizeInfo& page) {
  RECT area = style.paper.enableArea ? page.printable()
                                     : RECT{0, 0, page.sheetWidth() + 1, page.sheetHeight() + 1};
  area.left += style.paper.spaceLeft;
  area.top += style.paper.spaceTop;
  area.right -= style.paper.spaceRight;
  area.bottom -= style.paper.spaceBottom;
  return area;
}

}  // namespace

std::vector<int> CalendarYears(int shown, YearMonth today) {
  constexpr int kYears = 10;
  std::vector<int> years;
  if (shown > 0 && shown < today.year) years.push_back(shown);
  for (int year = today.year; year < today.year + kYears; ++year) years.push_back(year);
  if (shown >= today.year + kYears) years.push_back(shown);
  return years;
}

YearMonth FirstMonth(const CPrintParam& block, YearMonth today) {
  int year = block.calendarStartYear;
  if (year == 0) year = today.year;
  if (year < 0) year = today.year + (-1 - year);
  int month = today.month;
  const int stored = block.calendarStartMonth;
  if (stored >= 1 && stored <= 12) {
    month = stored;
  } else if (stored < 0) {
    const int index = today.month - 1 + (-1 - stored) % 12;
    month = index % 12 + 1;
    year += index / 12;
  }
  return YearMonth{year, month};
}

void LayOut(CPrintFormat& style, const CPrintPaperSizeInfo& page, YearMonth today,
            PrintPageTemplate& out) {
  out = PrintPageTemplate{};
  out.isCalendar = style.attr == CPrintFormat::kCalendar;
  const RECT area = PageArea(style, page);
  RECT main = area;
  RECT sub{};
  bool useSub = false;
  if (style.mix) {
    const bool across = style.mixLine == 0;  // left and right
    const LONG p = style.mixWidth >= 1
                       ? (across ? area.left : area.top) + style.mixWidth
                       : (across ? area.left + Width(area) / 2 : area.top + Height(area) / 2);
    const LONG gap = style.paramMain.autoPhotoSize ? kSplitGap : 0;
    if (across) {
      if (p < main.right) main.right = p;
      sub = RECT{p, area.top, area.right, area.bottom};
      main.right -= gap;
      sub.left += gap;
    } else {
      if (p < main.bottom) main.bottom = p;
      sub = RECT{area.left, p, area.right, area.bottom};
      main.bottom -= gap;
      sub.top += gap;
    }
    useSub = sub.left < area.right && sub.top < area.bottom;
  }
  LayOutArea(style, style.paramMain, main, 0, page, today, out);
  if (useSub) LayOutArea(style, style.paramSub, sub, 1, page, today, out);
}

void TurnPage(CPrintFormat& style) {
  CPrintPaper& p = style.paper;
  style.mixLine = style.mixLine ? 0 : 1;
  std::swap(p.leaningX, p.leaningY);
  const int32_t l = p.spaceLeft, t = p.spaceTop, r = p.spaceRight, b = p.spaceBottom;
  if (p.vLine)
    p.SetMargins(t, r, b, l);
  else
    p.SetMargins(b, l, t, r);
  p.vLine = p.vLine ? 0 : 1;
  for (CPrintParam* block : {&style.paramMain, &style.paramSub}) {
    std::swap(block->cols, block->rows);
    if (!block->autoPhotoSize) std::swap(block->photoSizeX, block->photoSizeY);
    if (!block->autoSpaceSize) std::swap(block->spaceSizeX, block->spaceSizeY);
    static constexpr uint8_t kCalendarTurned[] = {3, 2, 1, 0};
    static constexpr uint8_t kMemoTurned[] = {1, 0, 3, 2, 4};
    if (block->calendarArea < 4) block->calendarArea = kCalendarTurned[block->calendarArea];
    uint8_t& memo = block->photoOption.memoPosition;
    if (memo < 5) memo = kMemoTurned[memo];
  }
}

}  // namespace printlayout
