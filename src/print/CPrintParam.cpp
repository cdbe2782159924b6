#include "print/CPrintParam.h"

#include <string>

#include "print/PrintSettings.h"

namespace {

std::string ColorName(int index) {
  return "CalendarWeekColor" + std::to_string(index);
}

}  // namespace

void CPrintParam::Load(const Cp932String& key) {
  const PrintSettingsKey values(key);
  photoOption.Load(values.Sub("PhotoOption"));
  spaceSizeX = values.Int("SpaceSizeX", 100);
  spaceSizeY = values.Int("SpaceSizeY", 100);
  photoSizeX = values.Int("PhotoSizeX", 500);
  photoSizeY = values.Int("PhotoSizeY", 500);
  cols = values.Int("Cols", 5);
  rows = values.Int("Rows", 5);
  autoSpaceSize = values.Byte("AutoSpaceSize", 0);
  autoPhotoSize = values.Byte("AutoPhotoSize", 1);
  autoColRowCnt = values.Byte("AutoColRowCnt", 0);
  indexEvenRowShunt = values.Byte("IndexEvenRowShunt", 0);
  calendarArea = values.Byte("CalendarArea", 0);
  calendarWidth = values.Short("CalendarWidth", kShareHalf);
  calendarDateType = values.Byte("CalendarDateType", 0);
  calendarStartYear = values.Short("CalendarStartYear", kCurrent);
  calendarStartMonth = values.Short("CalendarStartMonth", kCurrent);
  calendarMonthCount = values.Byte("CalendarMonthCount", 1);
  calendarPhotoCount = values.Byte("CalendarPhotoCount", 1);
  calendarFrame = values.Byte("CalendarFrame", 1);
  calendarLogoType = values.Byte("CalendarLogoType", 0);
  const std::array<COLORREF, kColorCount> defaults = DefaultColors();
  for (int i = 0; i < kColorCount; ++i)
    calendarWeekColor[i] = values.Unsigned(ColorName(i).c_str(), defaults[i]);
  calendarFont.Load(values.Sub("CalendarFont"));
}

bool CPrintParam::Save(const Cp932String& key) const {
  PrintSettingsKey values(key);
  values.Put("SpaceSizeX", spaceSizeX);
  values.Put("SpaceSizeY", spaceSizeY);
  values.Put("PhotoSizeX", photoSizeX);
  values.Put("PhotoSizeY", photoSizeY);
  values.Put("Cols", cols);
  values.Put("Rows", rows);
  values.Put("AutoSpaceSize", autoSpaceSize);
  values.Put("AutoPhotoSize", autoPhotoSize);
  values.Put("AutoColRowCnt", autoColRowCnt);
  values.Put("IndexEvenRowShunt", indexEvenRowShunt);
  values.Put("CalendarArea", calendarArea);
  values.Put("CalendarWidth", calendarWidth);
  values.Put("CalendarDateType", calendarDateType);
  values.Put("CalendarStartYear", calendarStartYear);
  values.Put("CalendarStartMonth", calendarStartMonth);
  values.Put("CalendarMonthCount", calendarMonthCount);
  values.Put("CalendarPhotoCount", calendarPhotoCount);
  values.Put("CalendarFrame", calendarFrame);
  values.Put("CalendarLogoType", calendarLogoType);
  for (int i = 0; i < kColorCount; ++i) values.Put(ColorName(i).c_str(), calendarWeekColor[i]);
  values.Also(photoOption.Save(values.Sub("PhotoOption")));
  values.Also(calendarFont.Save(values.Sub("CalendarFont")));
  return values.written();
}
