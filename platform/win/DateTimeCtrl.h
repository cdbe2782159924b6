// A date picker: a box showing a date as "yyyy/MM/dd" whose parts the user steps or types,
// with a month calendar that drops down from it. The date is held inside the range set.
#pragma once

#include "platform/win/Wnd.h"

struct SYSTEMTIME {
  WORD wYear = 0;
  WORD wMonth = 0;
  WORD wDayOfWeek = 0;
  WORD wDay = 0;
  WORD wHour = 0;
  WORD wMinute = 0;
  WORD wSecond = 0;
  WORD wMilliseconds = 0;
};

class CDateTimeCtrl : public CWnd {
 public:
  // The date shown (the time of day is 0:00:00); false before the window exists.
  bool GetTime(SYSTEMTIME* time) const;
  // Shows the date, held inside the range; false for a date that does not exist.
  bool SetTime(const SYSTEMTIME& time);
  // The dates the picker accepts; false when either is not a date or they are reversed.
  bool SetRange(const SYSTEMTIME& earliest, const SYSTEMTIME& latest);

 protected:
  WindowWidget* MakeWidget(WindowWidget* parent) override;
};
