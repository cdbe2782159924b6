#include "print/CDlgPrintFormatPages.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Controls.h"
#include "platform/win/Edit.h"
#include "platform/win/RadioButton.h"
#include "platform/win/SpinButton.h"
#include "print/CDlgMargin.h"
#include "print/CDlgPrintFormatCalendarOption.h"
#include "print/CDlgPrintFormatPhotoOption.h"
#include "print/CDlgPrintFormatWizard.h"
#include "print/CPrintFormats.h"
#include "print/CPrintInfoEx.h"
#include "print/PrintLayout.h"
#include "resources/PrintStyleDialogs.h"

namespace {

using cp932::Lit;

}  // namespace

// ---- the page base ----

CDlgPrintFormatPage::CDlgPrintFormatPage(CDlgPrintFormatWizard& wizard, int index)
    : wizard_(wizard), first_(res::kControlWizPage + static_cast<UINT>(index) * res::kWizPageIds) {}

bool CDlgPrintFormatPage::Owns(UINT id) const {
  return id >= first_ && id < first_ + res::kWizPageIds;
}

void CDlgPrintFormatPage::Show(bool show) {
  for (UINT id = first_; id < first_ + res::kWizPageIds; ++id)
    if (CWnd* control = Control(id)) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

CWnd* CDlgPrintFormatPage::Control(UINT id) const {
  return wizard_.Control(id);
}

bool CDlgPrintFormatPage::Checked(UINT id) const {
  CWnd* control = Control(id);
  if (const auto* box = dynamic_cast<const CCheckBox*>(control))
    return box->GetCheck() == BST_CHECKED;
  const auto* radio = dynamic_cast<const CRadioButton*>(control);
  return radio != nullptr && radio->GetCheck() == BST_CHECKED;
}

void CDlgPrintFormatPage::SetChecked(UINT id, bool checked) {
  CWnd* control = Control(id);
  if (auto* box = dynamic_cast<CCheckBox*>(control)) box->SetCheck(checked ? 1 : 0);
  if (auto* radio = dynamic_cast<CRadioButton*>(control)) radio->SetCheck(checked ? 1 : 0);
}

int CDlgPrintFormatPage::Number(UINT id, int lower, int upper) const {
  const auto* edit = dynamic_cast<const CEdit*>(Control(id));
  const long value = edit != nullptr ? std::strtol(edit->GetText().c_str(), nullptr, 10) : 0;
  return static_cast<int>(std::clamp<long>(value, lower, upper));
}

void CDlgPrintFormatPage::SetNumber(UINT id, int value) {
  if (auto* edit = dynamic_cast<CEdit*>(Control(id))) edit->SetText(std::to_string(value));
}

void CDlgPrintFormatPage::SetUpNumber(UINT edit, UINT spin, int lower, int upper) {
  auto* buddy = dynamic_cast<CEdit*>(Control(edit));
  auto* arrows = dynamic_cast<CSpinButtonCtrl*>(Control(spin));
  if (buddy == nullptr || arrows == nullptr) return;
  arrows->SetBuddy(buddy);
  arrows->SetRange(lower, upper);
}

int CDlgPrintFormatPage::Selected(UINT id) const {
  const auto* box = dynamic_cast<const CComboBox*>(Control(id));
  return box != nullptr ? box->GetCurSel() : -1;
}

void CDlgPrintFormatPage::FillCombo(UINT id, const char* const* names, int count, int selected) {
  auto* box = dynamic_cast<CComboBox*>(Control(id));
  if (box == nullptr) return;
  box->ResetContent();
  for (int i = 0; i < count; ++i) box->AddString(Lit(names[i]));
  box->SetCurSel(selected);
}

// ---- page 0: name and kind ----

namespace {

constexpr UINT kKindButtons[] = {res::kControlWc1Basic, res::kControlWc1Seal,
                                 res::kControlWc1Calendar};

struct KindStart {
  uint16_t sizeId;
  uint8_t enableArea;
  uint8_t leaning;
  int32_t marginX;
  int32_t marginY;
  int32_t cols;
  int32_t rows;
  int32_t photoX;
  int32_t photoY;
  int32_t spaceX;
  int32_t spaceY;
  uint8_t autoSpace;
  uint8_t autoPhoto;
  uint8_t eventNames;
  uint8_t nameShown;
  uint8_t dateShown;
  uint8_t memoShown;
  uint8_t stretch;
};

// The starting values of the basic, label and calendar kinds.
constexpr KindStart kKindStarts[] = {
    {0, 1, 1, 100, 100, 2, 5, 0, 0, 60, 80, 0, 1, 0, 1, 1, 1, 0},
    {CPrintPaper::kPostcard, 0, 0, 90, 190, 4, 4, 190, 260, 20, 20, 0, 0, 0, 0, 0, 0, 1},
    {0, 1, 1, 100, 100, 1, 1, 0, 0, 0, 0, 1, 1, 1, 0, 1, 0, 1},
};

void ResetCaptions(CPrintPhotoOption& o, const KindStart& start) {
  o.nameVisible = start.nameShown;
  o.namePosition = 0;
  o.dateVisible = start.dateShown;
  o.datePosition = 1;
  o.memoVisible = start.memoShown;
  o.memoPosition = 0;
  o.memoWidth = CPrintPhotoOption::kMemoSameAsPhoto;
  o.memoAlternate = 0;
  o.memoLeaningX = o.memoLeaningY = 0;
  o.stretch = start.stretch;
  o.scaleOver = 0;
}

void ResetCalendar(CPrintParam& p, const KindStart& start) {
  p.calendarArea = 0;
  p.calendarWidth = CPrintParam::kShareHalf;
  p.calendarStartYear = CPrintParam::kCurrent;
  p.calendarStartMonth = CPrintParam::kCurrent;
  p.calendarDateType = p.calendarMonthCount = p.calendarPhotoCount = 1;
  p.calendarFrame = start.eventNames;
  p.calendarLogoType = 0;
  p.calendarWeekColor = CPrintParam{}.calendarWeekColor;
}

}  // namespace

const char* CDlgPrintFormatWC1::heading() const {
  return "スタイル名とスタイルの種類を入力してください";
}

void CDlgPrintFormatWC1::ResetToKind(CPrintFormat& style, int32_t kind) {
  const KindStart& start = kKindStarts[std::clamp(kind, 0, 2)];
  style.attr = kind;
  style.mix = style.mixLine = 0;
  style.mixWidth = 0;
  CPrintPaper& paper = style.paper;
  paper.sizeId = start.sizeId;
  paper.enableArea = start.enableArea;
  paper.leaningX = paper.leaningY = start.leaning;
  paper.vLine = 1;
  paper.SetMargins(start.marginX, start.marginY, start.marginX, start.marginY);
  CPrintParam& p = style.paramMain;
  p.SetCells(start.cols, start.rows);
  p.photoSizeX = start.photoX;
  p.photoSizeY = start.photoY;
  p.SetSpaces(start.spaceX, start.spaceY);
  p.autoSpaceSize = start.autoSpace;
  p.autoPhotoSize = start.autoPhoto;
  p.autoColRowCnt = p.indexEvenRowShunt = 0;
  ResetCalendar(p, start);
  ResetCaptions(p.photoOption, start);
}

void CDlgPrintFormatWC1::Fill(const CPrintFormat& style) {
  if (auto* name = dynamic_cast<CEdit*>(Control(res::kControlWc1Name))) name->SetText(style.name);
  for (int kind = 0; kind < 3; ++kind) {
    if (auto* radio = dynamic_cast<CRadioButton*>(Control(kKindButtons[kind]))) radio->SetGroup(1);
    SetChecked(kKindButtons[kind], style.attr == kind);
  }
}

int32_t CDlgPrintFormatWC1::ChosenKind() const {
  for (int kind = 0; kind < 3; ++kind)
    if (Checked(kKindButtons[kind])) return kind;
  return CPrintFormat::kBasic;
}

bool CDlgPrintFormatWC1::Store(CPrintFormat& style) {
  const auto* name = dynamic_cast<const CEdit*>(Control(res::kControlWc1Name));
  const Cp932String text = name != nullptr ? name->GetText() : Cp932String();
  if (text.empty()) {
    AlbumMessageBox(Lit("名前を入力してください。"), MB_ICONEXCLAMATION, &wizard());
    return false;
  }
  style.name = text;
  const int32_t kind = ChosenKind();
  if (kind != style.attr) ResetToKind(style, kind);
  return true;
}

// ---- page 1: paper and margins ----

namespace {

constexpr UINT kOffsetControls[] = {res::kControlWc2OffsetGroup,   res::kControlWc2OffsetX,
                                    res::kControlWc2OffsetY,       res::kControlWc2OffsetXSpin,
                                    res::kControlWc2OffsetYSpin,   res::kControlWizPage + 30 + 28,
                                    res::kControlWizPage + 30 + 29};

}  // namespace

const char* CDlgPrintFormatWC2::heading() const {
  return "用紙と余白の設定をしてください";
}

void CDlgPrintFormatWC2::Fill(const CPrintFormat& style) {
  const CPrintPaper& paper = style.paper;
  if (auto* printer = dynamic_cast<CStatic*>(Control(res::kControlWc2Printer)))
    printer->SetText(wizard().printer() != nullptr ? wizard().printer()->printerName()
                                                   : Cp932String());
  FillPapers(paper.sizeId);
  for (UINT id : {res::kControlWc2Portrait, res::kControlWc2Landscape})
    if (auto* radio = dynamic_cast<CRadioButton*>(Control(id))) radio->SetGroup(2);
  SetChecked(res::kControlWc2Portrait, paper.vLine != 0);
  SetChecked(res::kControlWc2Landscape, paper.vLine == 0);
  const int32_t margins[] = {paper.spaceLeft, paper.spaceRight, paper.spaceTop, paper.spaceBottom};
  for (UINT i = 0; i < 4; ++i) {
    SetUpNumber(res::kControlWc2Left + i, res::kControlWc2LeftSpin + i, 0, kMaxMargin);
    SetNumber(res::kControlWc2Left + i, margins[i]);
  }
  SetChecked(res::kControlWc2FromEdge, paper.enableArea == 0);
  const bool label = style.attr == CPrintFormat::kSeal;
  for (UINT id : kOffsetControls)
    if (CWnd* control = Control(id)) control->ShowWindow(label ? SW_SHOW : SW_HIDE);
  SetUpNumber(res::kControlWc2OffsetX, res::kControlWc2OffsetXSpin, -CPrintPaper::kMaxOffset,
              CPrintPaper::kMaxOffset);
  SetUpNumber(res::kControlWc2OffsetY, res::kControlWc2OffsetYSpin, -CPrintPaper::kMaxOffset,
              CPrintPaper::kMaxOffset);
  SetNumber(res::kControlWc2OffsetX, paper.offsetX);
  SetNumber(res::kControlWc2OffsetY, paper.offsetY);
}

// The printer's papers by their numbers; the style's paper stays choosable when the printer
// has none of its number.
void CDlgPrintFormatWC2::FillPapers(uint16_t sizeId) {
  auto* box = dynamic_cast<CComboBox*>(Control(res::kControlWc2Paper));
  if (box == nullptr) return;
  box->ResetContent();
  int selected = -1;
  if (const CPrintInfoEx* printer = wizard().printer()) {
    for (const printsys::Paper& paper : printer->papers()) {
      const int index = box->AddString(paper.name);
      box->SetItemData(index, static_cast<uint16_t>(paper.number));
      if (static_cast<uint16_t>(paper.number) == sizeId) selected = index;
    }
  }
  if (selected < 0) {
    selected = box->AddString(Lit("用紙 ") + std::to_string(sizeId));
    box->SetItemData(selected, sizeId);
  }
  box->SetCurSel(selected);
}

bool CDlgPrintFormatWC2::Store(CPrintFormat& style) {
  CPrintPaper& paper = style.paper;
  if (const auto* box = dynamic_cast<const CComboBox*>(Control(res::kControlWc2Paper));
      box != nullptr && box->GetCurSel() >= 0)
    paper.sizeId = static_cast<uint16_t>(box->GetItemData(box->GetCurSel()));
  paper.vLine = Checked(res::kControlWc2Portrait) ? 1 : 0;
  paper.spaceLeft = Number(res::kControlWc2Left, 0, kMaxMargin);
  paper.spaceRight = Number(res::kControlWc2Left + 1, 0, kMaxMargin);
  paper.spaceTop = Number(res::kControlWc2Left + 2, 0, kMaxMargin);
  paper.spaceBottom = Number(res::kControlWc2Left + 3, 0, kMaxMargin);
  paper.enableArea = Checked(res::kControlWc2FromEdge) ? 0 : 1;
  if (style.attr == CPrintFormat::kSeal) {
    paper.offsetX =
        Number(res::kControlWc2OffsetX, -CPrintPaper::kMaxOffset, CPrintPaper::kMaxOffset);
    paper.offsetY =
        Number(res::kControlWc2OffsetY, -CPrintPaper::kMaxOffset, CPrintPaper::kMaxOffset);
  }
  return true;
}

bool CDlgPrintFormatWC2::OnCommand(UINT id, CPrintFormat& style) {
  if (id != res::kControlWc2HeaderFooter) return false;
  CDlgMargin margin(style.paper.header, style.paper.footer, &wizard());
  if (margin.DoModal() == IDOK) {
    style.paper.header = margin.header();
    style.paper.footer = margin.footer();
  }
  return true;
}

// ---- page 2: the calendar ----

namespace {

constexpr const char* kPlaces[] = {"写真の下", "写真の左", "写真の上", "写真の右"};
constexpr const char* kShareNames[] = {"小", "中", "大"};
constexpr const char* kStarts[] = {"今月", "来月", "指定"};
constexpr int16_t kNextMonth = -2;
constexpr const char* kPeriodNames[] = {"1ヶ月", "2ヶ月", "6ヶ月", "12ヶ月"};

template <class T, size_t N>
int IndexOf(const std::array<T, N>& values, T value, int fallback) {
  for (size_t i = 0; i < N; ++i)
    if (values[i] == value) return static_cast<int>(i);
  return fallback;
}

int StartIndex(const CPrintParam& p) {
  if (p.calendarStartYear >= 0) return 2;
  return p.calendarStartMonth == kNextMonth ? 1 : 0;
}

}  // namespace

const char* CDlgPrintFormatWC3::heading() const {
  return "カレンダーの位置と年月を選択してください";
}

void CDlgPrintFormatWC3::Fill(const CPrintFormat& style) {
  const CPrintParam& p = style.paramMain;
  FillCombo(res::kControlWc3Position, kPlaces, 4, std::min<int>(p.calendarArea, 3));
  FillCombo(res::kControlWc3Size, kShareNames, 3,
            IndexOf(CPrintParam::kCalendarShares, p.calendarWidth, 1));
  FillCombo(res::kControlWc3Start, kStarts, 3, StartIndex(p));
  FillCombo(res::kControlWc3Period, kPeriodNames, 4,
            IndexOf(CPrintParam::kMonthCounts, p.calendarMonthCount, 0));
  const bool given = p.calendarStartYear >= 0;
  if (auto* years = dynamic_cast<CComboBox*>(Control(res::kControlWc3Year))) {
    years->ResetContent();
    for (int year :
         printlayout::CalendarYears(given ? p.calendarStartYear : 0, PrintYearMonth::Now())) {
      const int row = years->AddString(std::to_string(year));
      years->SetItemData(row, static_cast<uintptr_t>(year));
      if (year == p.calendarStartYear) years->SetCurSel(row);
    }
    if (!given) years->SetCurSel(0);
  }
  if (auto* months = dynamic_cast<CComboBox*>(Control(res::kControlWc3Month))) {
    months->ResetContent();
    for (int month = 1; month <= 12; ++month) months->AddString(std::to_string(month));
    months->SetCurSel(given ? std::clamp<int>(p.calendarStartMonth, 1, 12) - 1 : 0);
  }
  EnableYearMonth();
}

void CDlgPrintFormatWC3::EnableYearMonth() {
  const bool given = Selected(res::kControlWc3Start) == 2;
  if (CWnd* years = Control(res::kControlWc3Year)) years->EnableWindow(given);
  if (CWnd* months = Control(res::kControlWc3Month)) months->EnableWindow(given);
}

void CDlgPrintFormatWC3::TakeStart(CPrintParam& p) const {
  switch (Selected(res::kControlWc3Start)) {
    case 0:
      p.calendarStartYear = CPrintParam::kCurrent;
      p.calendarStartMonth = CPrintParam::kCurrent;
      break;
    case 1:
      p.calendarStartYear = CPrintParam::kCurrent;
      p.calendarStartMonth = kNextMonth;
      break;
    case 2: {
      const auto* years = dynamic_cast<const CComboBox*>(Control(res::kControlWc3Year));
      const int year = years != nullptr ? years->GetCurSel() : -1;
      if (year >= 0) p.calendarStartYear = static_cast<int16_t>(years->GetItemData(year));
      p.calendarStartMonth = static_cast<int16_t>(std::max(Selected(res::kControlWc3Month), 0) + 1);
      break;
    }
    default:
      break;
  }
}

// Each box takes effect when the user changes it, so that values the boxes cannot show
// stay as they are until then.
bool CDlgPrintFormatWC3::OnCommand(UINT id, CPrintFormat& style) {
  CPrintParam& p = style.paramMain;
  const int selected = Selected(id);
  switch (id) {
    case res::kControlWc3Position:
      if (selected >= 0) p.calendarArea = static_cast<uint8_t>(selected);
      return true;
    case res::kControlWc3Size:
      if (selected >= 0)
        p.calendarWidth = CPrintParam::kCalendarShares[static_cast<size_t>(selected)];
      return true;
    case res::kControlWc3Period:
      if (selected >= 0)
        p.calendarMonthCount = CPrintParam::kMonthCounts[static_cast<size_t>(selected)];
      return true;
    case res::kControlWc3Start:
    case res::kControlWc3Year:
    case res::kControlWc3Month:
      TakeStart(p);
      EnableYearMonth();
      return true;
    case res::kControlWc3Option: {
      CDlgPrintFormatCalendarOption options(p, &wizard());
      if (options.DoModal() == IDOK) p = options.param();
      return true;
    }
    default:
      return false;
  }
}

bool CDlgPrintFormatWC3::Store(CPrintFormat& /*style*/) {
  return true;
}

// ---- page 3: cells, photo size and spaces ----

const char* CDlgPrintFormatWC4::heading() const {
  return "写真の列行数やサイズを設定してください";
}

void CDlgPrintFormatWC4::Fill(const CPrintFormat& style) {
  const CPrintParam& p = style.paramMain;
  SetUpNumber(res::kControlWc4Cols, res::kControlWc4ColsSpin, 1, kMaxCells);
  SetUpNumber(res::kControlWc4Rows, res::kControlWc4RowsSpin, 1, kMaxCells);
  SetNumber(res::kControlWc4Cols, p.cols);
  SetNumber(res::kControlWc4Rows, p.rows);
  SetChecked(res::kControlWc4Shift, p.indexEvenRowShunt != 0);
  SetNumber(res::kControlWc4Width, p.photoSizeX);
  SetNumber(res::kControlWc4Height, p.photoSizeY);
  SetChecked(res::kControlWc4AutoSize, p.autoPhotoSize != 0);
  SetNumber(res::kControlWc4SpaceX, p.spaceSizeX);
  SetNumber(res::kControlWc4SpaceY, p.spaceSizeY);
  SetChecked(res::kControlWc4AutoSpace, p.autoSpaceSize != 0);
  EnableAutomatic();
}

void CDlgPrintFormatWC4::EnableAutomatic() {
  const bool size = !Checked(res::kControlWc4AutoSize);
  const bool space = !Checked(res::kControlWc4AutoSpace);
  for (UINT id : {res::kControlWc4Width, res::kControlWc4Height})
    if (CWnd* edit = Control(id)) edit->EnableWindow(size);
  for (UINT id : {res::kControlWc4SpaceX, res::kControlWc4SpaceY})
    if (CWnd* edit = Control(id)) edit->EnableWindow(space);
}

bool CDlgPrintFormatWC4::Store(CPrintFormat& style) {
  CPrintParam& p = style.paramMain;
  p.SetCells(Number(res::kControlWc4Cols, 1, kMaxCells),
             Number(res::kControlWc4Rows, 1, kMaxCells));
  p.indexEvenRowShunt = Checked(res::kControlWc4Shift) ? 1 : 0;
  p.autoPhotoSize = Checked(res::kControlWc4AutoSize) ? 1 : 0;
  if (p.autoPhotoSize == 0) {
    p.photoSizeX = Number(res::kControlWc4Width, kMinPhoto, kMaxLength);
    p.photoSizeY = Number(res::kControlWc4Height, kMinPhoto, kMaxLength);
  }
  p.autoSpaceSize = Checked(res::kControlWc4AutoSpace) ? 1 : 0;
  if (p.autoSpaceSize == 0)
    p.SetSpaces(Number(res::kControlWc4SpaceX, 0, kMaxLength),
                Number(res::kControlWc4SpaceY, 0, kMaxLength));
  return true;
}

bool CDlgPrintFormatWC4::OnCommand(UINT id, CPrintFormat& style) {
  if (id == res::kControlWc4AutoSize || id == res::kControlWc4AutoSpace) {
    EnableAutomatic();
    return true;
  }
  if (id != res::kControlWc4PhotoOption) return false;
  CPrintPhotoOption& option = style.paramMain.photoOption;
  CDlgPrintFormatPhotoOption dialog(option, &wizard());
  if (dialog.DoModal() == IDOK) option = dialog.option();
  return true;
}
