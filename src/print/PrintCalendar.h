// Draws one calendar month of a calendar style: the title, the weekday names and the days
// in week rows from Sunday, each day in its weekday's colour or the holiday colour, and
// with the event names switch on, framed day cells with the names of the day's events.
#pragma once

#include <cstdint>

#include "platform/gdi/CDC.h"
#include "print/CPrintParam.h"

class CalendarEventTable;

namespace printcalendar {

// The month in the rectangle (0.1 mm) with the block's colours, font and switches; the
// events may be absent.
void DrawMonth(CDC& dc, const RECT& rect, int year, int month, const CPrintParam& block,
               const CalendarEventTable* events);

// The weekday names as the block shows them: "日" ... "土", or "Sun" ... "Sat".
Cp932String WeekdayName(int weekday, uint8_t logoType);

}  // namespace printcalendar
