// The built-in styles and the defaults of the easy-print styles.
#include <algorithm>

#include "platform/registry/Registry.h"
#include "print/CPrintFormats.h"
#include "print/PrintSettings.h"

using cp932::Lit;

namespace {

// What sets an easy-print style of one kind apart when none was saved.
struct EasyPrintDefaults {
  const char* key;
  const char* name;
  int32_t attr;
  uint8_t enableArea;  // 0: the whole sheet; 1: the read default (the printable area)
  uint8_t leaning;     // both alignments
  uint16_t sizeId;
  int32_t margin[4];
  int32_t cols, rows;
  int32_t photoX, photoY;  // 0: the read default
  int32_t spaceX, spaceY;
  uint8_t autoPhotoSize;
  COLORREF dateColor, memoColor;
  int32_t subCols, subRows;  // 0: the sub block keeps its read defaults
  int32_t subSpaceX, subSpaceY;
};

// The calendar starts this year, kept within the years its events can be given for (a
// fixed range of long ago would print a calendar of years past).
constexpr int kFirstCalendarYear = 1990;
constexpr int kLastCalendarYear = 2100;

constexpr EasyPrintDefaults kEasyPrint[] = {
    {"Print\\FormatIndex",
     "Easy Print Index",
     CPrintFormat::kBasic,
     1,
     1,
     0,
     {40, 40, 40, 40},
     2,
     2,
     0,
     0,
     60,
     80,
     1,
     0x000088FF,
     0x0000DD00,
     2,
     1,
     60,
     80},
    // The label style carries the geometry of the 16-label postcard sheet.
    {"Print\\FormatSeal",
     "Easy Print Seal",
     CPrintFormat::kSeal,
     0,
     0,
     CPrintPaper::kPostcard,
     {90, 190, 90, 190},
     4,
     4,
     190,
     260,
     20,
     20,
     0,
     0,
     0,
     0,
     0,
     0,
     0},
    {"Print\\FormatCalendar",
     "Easy Print Calendar",
     CPrintFormat::kCalendar,
     1,
     1,
     0,
     {40, 40, 40, 40},
     1,
     1,
     0,
     0,
     30,
     40,
     1,
     0x000088FF,
     0x0000DD00,
     1,
     1,
     120,
     160},
};

const EasyPrintDefaults& DefaultsOf(CPrintFormats::EasyPrint which) {
  return kEasyPrint[static_cast<int>(which)];
}

// Names outside, dates inside the photo, memos right of it, all hidden.
void HiddenCaptions(CPrintPhotoOption& captions, COLORREF dateColor, COLORREF memoColor) {
  captions.namePosition = 0;
  captions.datePosition = 1;
  captions.memoPosition = 0;
  captions.HideAll();
  captions.nameFont.color = 0;
  captions.dateFont.color = dateColor;
  captions.memoFont.color = memoColor;
  captions.memoWidth = CPrintPhotoOption::kMemoSameAsPhoto;
  captions.memoAlternate = 0;
}

void ApplyPaper(CPrintPaper& paper, const EasyPrintDefaults& d) {
  paper.header.show = 0;
  paper.footer.show = 0;
  if (d.enableArea == 0) paper.enableArea = 0;
  paper.leaningX = paper.leaningY = d.leaning;
  paper.vLine = 1;
  paper.sizeId = d.sizeId;
  paper.SetMargins(d.margin[0], d.margin[1], d.margin[2], d.margin[3]);
}

void ApplyMain(CPrintParam& main, const EasyPrintDefaults& d) {
  main.SetCells(d.cols, d.rows);
  if (d.photoX > 0) main.photoSizeX = d.photoX;
  if (d.photoY > 0) main.photoSizeY = d.photoY;
  main.SetSpaces(d.spaceX, d.spaceY);
  main.autoSpaceSize = 0;
  main.autoPhotoSize = d.autoPhotoSize;
  main.autoColRowCnt = 0;
  main.indexEvenRowShunt = 0;
  HiddenCaptions(main.photoOption, d.dateColor, d.memoColor);
  main.photoOption.stretch = 0;
  main.photoOption.scaleOver = 1;
}

void ApplySub(CPrintParam& sub, const EasyPrintDefaults& d) {
  if (d.subCols == 0) return;
  sub.SetCells(d.subCols, d.subRows);
  sub.autoPhotoSize = 1;
  sub.SetSpaces(d.subSpaceX, d.subSpaceY);
  HiddenCaptions(sub.photoOption, 0, 0);
}

void ApplyCalendar(CPrintParam& main, PrintYearMonth today) {
  main.calendarArea = 0;
  main.calendarWidth = CPrintParam::kShareHalf;
  main.calendarStartYear =
      static_cast<int16_t>(std::clamp(today.year, kFirstCalendarYear, kLastCalendarYear));
  main.calendarStartMonth = static_cast<int16_t>(today.month);
  main.calendarMonthCount = 1;
  main.calendarFrame = 1;
  main.calendarLogoType = 1;
  main.calendarWeekColor[CPrintParam::kMonthTitleColor] = 0x00FF3300;
}

}  // namespace

void CPrintFormats::LoadEasyPrint(EasyPrint which, CPrintFormat& style, PrintYearMonth today) {
  const EasyPrintDefaults& d = DefaultsOf(which);
  if (style.Load(d.key, true) == 1) return;
  style.Load(d.key, false);
  style.name = d.name;
  style.attr = d.attr;
  style.mix = 0;
  style.mixLine = 1;
  style.mixWidth = -1;
  ApplyPaper(style.paper, d);
  ApplyMain(style.paramMain, d);
  ApplySub(style.paramSub, d);
  if (d.attr == CPrintFormat::kCalendar) ApplyCalendar(style.paramMain, today);
}

bool CPrintFormats::SaveEasyPrint(EasyPrint which, const CPrintFormat& style) {
  return style.Save(DefaultsOf(which).key);
}

namespace {

// Saves the working style under the next built-in key with its name; counts the saved ones.
class BuiltInWriter {
 public:
  explicit BuiltInWriter(CPrintFormat& style) : style_(style) {}
  void Save(const char* utf8Name) {
    style_.name = Lit(utf8Name);
    if (style_.Save(CPrintFormats::FormatKey(next_++))) ++saved_;
  }
  int saved() const { return saved_; }

 private:
  CPrintFormat& style_;
  int next_ = 0;
  int saved_ = 0;
};

void WriteBasicStyles(CPrintFormat& style, BuiltInWriter& out) {
  CPrintParam& main = style.paramMain;
  CPrintPhotoOption& captions = main.photoOption;
  main.SetCells(2, 5);
  out.Save("10枚印刷");
  captions.memoAlternate = 1;
  main.SetCells(2, 4);
  out.Save("8枚印刷");
  captions.memoAlternate = 0;
  main.SetCells(2, 3);
  main.indexEvenRowShunt = 1;
  out.Save("5枚印刷");
  main.indexEvenRowShunt = 0;
  captions.memoVisible = 0;
  captions.scaleOver = 1;
  main.SetCells(1, 4);
  out.Save("パノラマ印刷");
  style.paper.sizeId = CPrintPaper::kPostcard;
  style.paper.SetMargins(0, 0, 0, 0);
  captions.nameVisible = 0;
  captions.dateVisible = 0;
  main.SetCells(1, 1);
  out.Save("1枚印刷(用紙フィットサイズ)");
}

void WriteCalendarStyles(CPrintFormat& style, BuiltInWriter& out) {
  CPrintParam& main = style.paramMain;
  main.calendarStartYear = CPrintParam::kCurrent;
  main.calendarStartMonth = CPrintParam::kCurrent;
  main.SetCells(1, 1);
  out.Save("カレンダー1ヶ月分");
  main.calendarMonthCount = 2;
  main.SetCells(2, 2);
  out.Save("カレンダー2ヶ月分 - 4枚写真");
  main.calendarMonthCount = 6;
  main.SetCells(2, 1);
  out.Save("カレンダー6ヶ月分 - 2枚写真");
}

void WriteSealStyles(CPrintFormat& style, BuiltInWriter& out) {
  CPrintParam& main = style.paramMain;
  out.Save("シール16面印刷");
  style.paper.SetMargins(0, 0, 0, 0);
  main.photoOption.stretch = 0;
  main.photoOption.scaleOver = 1;
  main.autoPhotoSize = 1;
  main.SetCells(1, 1);
  out.Save("L版印刷");
}

}  // namespace

int CPrintFormats::WriteBuiltIn(PrintYearMonth today) {
  registry::DeferredWrites batch;
  // No style of the user's list survives under a key past the built-in ones.
  for (int i = 0; i < kMaxFormats; ++i) PrintSettingsKey(FormatKey(i)).Put("Name", Cp932String());
  CPrintFormat style;
  BuiltInWriter out(style);
  LoadEasyPrint(EasyPrint::kIndex, style, today);
  WriteBasicStyles(style, out);
  LoadEasyPrint(EasyPrint::kCalendar, style, today);
  WriteCalendarStyles(style, out);
  LoadEasyPrint(EasyPrint::kSeal, style, today);
  WriteSealStyles(style, out);
  return batch.Commit() ? out.saved() : 0;
}
