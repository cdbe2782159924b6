#include "print/PrintCalendar.h"

#include <algorithm>
#include <cstdio>

#include "print/CalendarEventTable.h"

namespace printcalendar {
namespace {

constexpr COLORREF kOuterLine = 0x00383838;
constexpr COLORREF kInnerLine = 0x00707070;
constexpr int kWeekRows = 6;
constexpr int kMaxNames = 2;
// Fonts are made for the page's unit: 254 units to the inch.
constexpr int kUnitsPerInch = 254;

// The calendar font at a height in the page's unit.
CPrintFont FontOfHeight(const CPrintFont& face, LONG height, COLORREF colour) {
  CPrintFont font(face);
  font.point = static_cast<int32_t>(height * 720 / kUnitsPerInch);
  font.color = colour;
  return font;
}

class Text {
 public:
  Text(CDC& dc, CPrintFont font) : dc_(dc), font_(std::move(font)) {
    previous_ = dc_.SelectObject(font_.BuildFont(kUnitsPerInch));
    dc_.SetTextColor(font_.color);
    dc_.SetBkMode(TRANSPARENT);
  }
  ~Text() { dc_.SelectObject(previous_); }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  void Draw(const Cp932String& text, const RECT& r, UINT format) {
    dc_.DrawText(text, r, format | DT_NOPREFIX);
  }

 private:
  CDC& dc_;
  CPrintFont font_;
  HFONT previous_ = nullptr;
};

struct MonthGeometry {
  RECT title;
  RECT header;
  LONG top;  // of the first week row
  LONG columnW;
  LONG rowH;
};

MonthGeometry Measure(const RECT& r) {
  const LONG h = r.bottom - r.top;
  MonthGeometry g;
  g.title = RECT{r.left, r.top, r.right, r.top + h / 8};
  g.header = RECT{r.left, g.title.bottom, r.right, g.title.bottom + h / 10};
  g.top = g.header.bottom;
  g.columnW = (r.right - r.left) / 7;
  g.rowH = (r.bottom - g.top) / kWeekRows;
  return g;
}

RECT DayCell(const RECT& r, const MonthGeometry& g, int column, int row) {
  const LONG left = r.left + g.columnW * column;
  const LONG top = g.top + g.rowH * row;
  return RECT{left, top, left + g.columnW, top + g.rowH};
}

void FrameCell(CDC& dc, const RECT& cell, bool outer) {
  HPEN pen = CreatePen(PS_SOLID, 1, outer ? kOuterLine : kInnerLine);
  HPEN previous = dc.SelectObject(pen);
  dc.MoveTo(cell.left, cell.top);
  dc.LineTo(cell.right, cell.top);
  dc.LineTo(cell.right, cell.bottom);
  dc.LineTo(cell.left, cell.bottom);
  dc.LineTo(cell.left, cell.top);
  dc.SelectObject(previous);
  DeleteObject(pen);
}

// The names of up to two events of the day under its number, each in its own colour: one
// name wraps over the cell, two take a line each.
void DrawEventNames(CDC& dc, const RECT& cell, int year, int month, int day,
                    const CPrintParam& block, const CalendarEventTable& events) {
  int found[kMaxNames];
  int count = 0;
  for (int slot = events.FindEvent(0, year, month, day); slot >= 0 && count < kMaxNames;
       slot = events.FindEvent(slot + 1, year, month, day))
    found[count++] = slot;
  if (count == 0) return;
  const LONG top = cell.top + (cell.bottom - cell.top) * 2 / 5;
  const LONG lineH = (cell.bottom - top) / 2;
  for (int i = 0; i < count; ++i) {
    const CalendarEvent& event = events.at(found[i]);
    Text text(dc, FontOfHeight(block.calendarFont, lineH * 4 / 5, event.color));
    const RECT line{cell.left + 4, top + lineH * i, cell.right - 4,
                    count == 1 ? cell.bottom : top + lineH * (i + 1)};
    text.Draw(event.Name(), line,
              count == 1 ? DT_WORDBREAK | DT_CENTER : DT_SINGLELINE | DT_CENTER);
  }
}

}  // namespace

Cp932String WeekdayName(int weekday, uint8_t logoType) {
  static const char* const kJapanese[] = {"日", "月", "火", "水", "木", "金", "土"};
  static const char* const kEnglish[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  const int w = ((weekday % 7) + 7) % 7;
  return logoType == 0 ? cp932::Lit(kJapanese[w]) : Cp932String(kEnglish[w]);
}

void DrawMonth(CDC& dc, const RECT& rect, int year, int month, const CPrintParam& block,
               const CalendarEventTable* events) {
  if (rect.right - rect.left < 7 || rect.bottom - rect.top < 20) return;
  const MonthGeometry g = Measure(rect);
  const auto& colours = block.calendarWeekColor;
  char title[16];
  std::snprintf(title, sizeof title, "%4d/%2d", year, month);
  {
    Text text(dc, FontOfHeight(block.calendarFont, (g.title.bottom - g.title.top) * 4 / 5,
                               colours[CPrintParam::kMonthTitleColor]));
    text.Draw(title, g.title, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
  for (int w = 0; w < 7; ++w) {
    const RECT column{rect.left + g.columnW * w, g.header.top, rect.left + g.columnW * (w + 1),
                      g.header.bottom};
    // The names keep to their columns: English ones are three letters wide.
    const LONG fits = block.calendarLogoType == 0 ? g.columnW * 3 / 4 : g.columnW * 2 / 5;
    Text text(dc, FontOfHeight(block.calendarFont,
                               std::min((g.header.bottom - g.header.top) * 3 / 4, fits),
                               colours[static_cast<size_t>(w)]));
    text.Draw(WeekdayName(w, block.calendarLogoType), column,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
  const bool framed = block.calendarFrame != 0;
  const int first = calevents::Weekday(year, month, 1);
  const int days = calevents::DaysInMonth(year, month);
  for (int day = 1; day <= days; ++day) {
    const int index = first + day - 1;
    const int weekday = index % 7;
    const RECT cell = DayCell(rect, g, weekday, index / 7);
    const bool holiday = events != nullptr && events->IsHoliday(year, month, day) == 1;
    const COLORREF colour =
        colours[holiday ? CPrintParam::kHolidayColor : static_cast<size_t>(weekday)];
    if (framed) FrameCell(dc, cell, false);
    {
      const LONG h = framed ? g.rowH * 2 / 5 : g.rowH * 3 / 5;
      Text text(dc, FontOfHeight(block.calendarFont, h * 4 / 5, colour));
      const RECT numberBox =
          framed ? RECT{cell.left + 6, cell.top + 2, cell.right, cell.top + h} : cell;
      text.Draw(std::to_string(day), numberBox,
                framed ? DT_SINGLELINE | DT_LEFT | DT_TOP : DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    if (framed && events != nullptr) DrawEventNames(dc, cell, year, month, day, block, *events);
  }
  if (framed)
    FrameCell(dc, RECT{rect.left, g.top, rect.left + g.columnW * 7, g.top + g.rowH * kWeekRows},
              true);
}

}  // namespace printcalendar
