// The easy print panel's controls: the lists filled, the shown style's values put into them,
// and each change written into the shown style and the working copy at once.
#include <algorithm>

#include "host/CCDialogExPh.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/RadioButton.h"
#include "print/CDlgMargin.h"
#include "print/CDlgPrintFormatCalendarOption.h"
#include "print/CDlgPrintFormatPhotoOption.h"
#include "print/CDlgPrintFormatWizard.h"
#include "print/CHarboPhotoPrintView.h"
#include "print/CPrintManager.h"
#include "print/PrintLayout.h"
#include "resources/EasyPrintPanel.h"

namespace {

using res::kControlCalendarCols, res::kControlCalendarRows, res::kControlCalendarPosition,
    res::kControlCalendarSize, res::kControlCalendarYear, res::kControlCalendarMonth,
    res::kControlCalendarPeriod, res::kControlMainCols, res::kControlMainRows, res::kControlSubCols,
    res::kControlSubRows;

constexpr int kMaxCells = 8;

Cp932String Lit(const char* utf8) {
  return cp932::Lit(utf8);
}

Cp932String Number(int value, const char* unit) {
  return Cp932String(std::to_string(value)) + Lit(unit);
}

// Selects the entry whose value is the one given, or none.
void SelectValue(CComboBox* box, intptr_t value) {
  if (box == nullptr) return;
  int found = -1;
  for (int i = 0; i < box->GetCount(); ++i)
    if (static_cast<intptr_t>(box->GetItemData(i)) == value) found = i;
  box->SetCurSel(found);
}

void Fill(CComboBox* box, const std::vector<std::pair<Cp932String, intptr_t>>& entries) {
  if (box == nullptr) return;
  box->ResetContent();
  for (const auto& [text, value] : entries)
    box->SetItemData(box->AddString(text), static_cast<uintptr_t>(value));
}

std::optional<intptr_t> SelectedValue(const CComboBox* box) {
  if (box == nullptr || box->GetCurSel() < 0) return std::nullopt;
  return static_cast<intptr_t>(box->GetItemData(box->GetCurSel()));
}

void SetCheck(CWnd* control, bool on) {
  if (auto* check = dynamic_cast<CCheckBox*>(control)) check->SetCheck(on ? 1 : 0);
  if (auto* radio = dynamic_cast<CRadioButton*>(control)) radio->SetCheck(on ? 1 : 0);
}

bool IsChecked(CWnd* control) {
  if (auto* check = dynamic_cast<CCheckBox*>(control)) return check->GetCheck() != 0;
  if (auto* radio = dynamic_cast<CRadioButton*>(control)) return radio->GetCheck() != 0;
  return false;
}

}  // namespace

void CHarboPhotoPrintView::FillCombos() {
  filling_ = true;
  std::vector<std::pair<Cp932String, intptr_t>> cells;
  for (int n = 1; n <= kMaxCells; ++n) cells.push_back({Cp932String(std::to_string(n)), n});
  for (UINT id : {kControlMainCols, kControlMainRows, kControlSubCols, kControlSubRows,
                  kControlCalendarCols, kControlCalendarRows})
    Fill(dynamic_cast<CComboBox*>(Control(id)), cells);
  Fill(dynamic_cast<CComboBox*>(Control(res::kControlEasyStyle)),
       {{Lit("ベーシック"), kBasicPage},
        {Lit("カレンダー"), kCalendarPage},
        {Lit("印刷スタイル"), kStyleListPage}});
  Fill(dynamic_cast<CComboBox*>(Control(kControlCalendarPosition)),
       {{Lit("下"), 0}, {Lit("左"), 1}, {Lit("上"), 2}, {Lit("右"), 3}});
  Fill(dynamic_cast<CComboBox*>(Control(kControlCalendarSize)),
       {{Lit("小"), CPrintParam::kCalendarShares[0]},
        {Lit("中"), CPrintParam::kCalendarShares[1]},
        {Lit("大"), CPrintParam::kCalendarShares[2]}});
  std::vector<std::pair<Cp932String, intptr_t>> months;
  for (int month = 1; month <= 12; ++month) months.push_back({Number(month, "月"), month});
  Fill(dynamic_cast<CComboBox*>(Control(kControlCalendarMonth)), months);
  std::vector<std::pair<Cp932String, intptr_t>> periods;
  for (uint8_t count : CPrintParam::kMonthCounts) periods.push_back({Number(count, "ヶ月"), count});
  Fill(dynamic_cast<CComboBox*>(Control(kControlCalendarPeriod)), periods);
  if (auto* selector = dynamic_cast<CComboBox*>(Control(res::kControlEasyStyle)))
    selector->SetCurSel(stylePage_);
  filling_ = false;
}

static void FillYears(CComboBox* box, int shown) {
  std::vector<std::pair<Cp932String, intptr_t>> years;
  for (int year : printlayout::CalendarYears(shown, PrintYearMonth::Now()))
    years.push_back({Number(year, "年"), year});
  Fill(box, years);
  SelectValue(box, shown);
}

void CHarboPhotoPrintView::FillStyleList() {
  auto* list = dynamic_cast<CListCtrl*>(Control(res::kControlEasyStyleList));
  if (list == nullptr) return;
  filling_ = true;
  CPrintFormats& formats = manager().formats();
  list->DeleteAllItems();
  std::vector<LPARAM> rows;
  for (int index = 0; index < formats.count(); ++index) rows.push_back(index);
  list->AppendItems(rows);
  if (formats.count() > 0)
    list->SelectItem(std::clamp(formats.currentIndex(), 0, formats.count() - 1));
  filling_ = false;
}

// The shown style's values in the controls of its page.
void CHarboPhotoPrintView::ShowStyleValues() {
  filling_ = true;
  const CPrintParam& main = working_.paramMain;
  const CPrintParam& sub = working_.paramSub;
  const auto combo = [this](UINT id) { return dynamic_cast<CComboBox*>(Control(id)); };
  SelectValue(combo(kControlMainCols), main.cols);
  SelectValue(combo(kControlMainRows), main.rows);
  SelectValue(combo(kControlSubCols), sub.cols);
  SelectValue(combo(kControlSubRows), sub.rows);
  SelectValue(combo(kControlCalendarCols), main.cols);
  SelectValue(combo(kControlCalendarRows), main.rows);
  SetCheck(Control(res::kControlMainShift), main.indexEvenRowShunt != 0);
  SetCheck(Control(res::kControlSubShift), sub.indexEvenRowShunt != 0);
  SetCheck(Control(res::kControlMix), working_.mix != 0);
  SetCheck(Control(res::kControlSplitUpDown), working_.mixLine != 0);
  SetCheck(Control(res::kControlSplitLeftRight), working_.mixLine == 0);
  for (UINT id : {kControlSubCols, kControlSubRows, res::kControlSubShift, res::kControlSubOption,
                  res::kControlSplitUpDown, res::kControlSplitLeftRight})
    if (CWnd* control = Control(id)) control->EnableWindow(working_.mix != 0);
  SelectValue(combo(kControlCalendarPosition), main.calendarArea);
  SelectValue(combo(kControlCalendarSize), main.calendarWidth);
  const PrintYearMonth first = printlayout::FirstMonth(main, PrintYearMonth::Now());
  FillYears(combo(kControlCalendarYear), first.year);
  SelectValue(combo(kControlCalendarMonth), first.month);
  SelectValue(combo(kControlCalendarPeriod), main.calendarMonthCount);
  SetCheck(Control(res::kControlEasyOnePage), !allPages_);
  SetCheck(Control(res::kControlEasyAllPages), allPages_);
  filling_ = false;
}

BOOL CHarboPhotoPrintView::OnCommand(WPARAM w, LPARAM l) {
  const UINT id = LOWORD(w);
  const WORD code = HIWORD(w);
  if (filling_ || !Start()) return 1;
  if (code == CBN_SELCHANGE) {
    if (id == res::kControlEasyStyle) {
      if (const auto page = SelectedValue(dynamic_cast<CComboBox*>(Control(id))))
        SelectStylePage(static_cast<int>(*page));
    } else {
      OnStyleControl(id);
    }
    return 1;
  }
  if (code != BN_CLICKED) return CWnd::OnCommand(w, l);
  switch (id) {
    case res::kControlEasyInsert:
      InsertSelection();
      break;
    case res::kControlEasyClear:
      ClearPhotos();
      break;
    case res::kControlEasyLayout:
      ShowLayoutWindow(!floatingShown());
      break;
    case res::kControlEasyPrint:
      Print();
      break;
    case res::kControlEasySetup:
      PrinterSetup();
      break;
    case res::kControlEasyMargin:
      OnMargin();
      break;
    case res::kControlEasyPrev:
      PreviousPage();
      break;
    case res::kControlEasyNext:
      NextPage();
      break;
    case res::kControlEasyOnePage:
    case res::kControlEasyAllPages:
      allPages_ = id == res::kControlEasyAllPages;
      break;
    case res::kControlMainOption:
    case res::kControlSubOption:
    case res::kControlCalendarOption:
      OnPhotoOption(id);
      break;
    case res::kControlCalendarEvents:
      OnCalendarEvents();
      break;
    case res::kControlEasyStyleDetails:
      OnStyleDetails();
      break;
    default:
      OnStyleControl(id);
      break;
  }
  return 1;
}

// A list or a check changed: the value goes into the shown style and the working copy.
void CHarboPhotoPrintView::OnStyleControl(UINT id) {
  CWnd* control = Control(id);
  const std::optional<intptr_t> value = SelectedValue(dynamic_cast<CComboBox*>(control));
  const bool checked = IsChecked(control);
  const auto number = [&value] { return static_cast<int32_t>(value.value_or(1)); };
  std::function<void(CPrintFormat&)> change;
  switch (id) {
    case kControlMainCols:
    case kControlCalendarCols:
      change = [&](CPrintFormat& s) { s.paramMain.cols = number(); };
      break;
    case kControlMainRows:
    case kControlCalendarRows:
      change = [&](CPrintFormat& s) { s.paramMain.rows = number(); };
      break;
    case kControlSubCols:
      change = [&](CPrintFormat& s) { s.paramSub.cols = number(); };
      break;
    case kControlSubRows:
      change = [&](CPrintFormat& s) { s.paramSub.rows = number(); };
      break;
    case res::kControlMainShift:
      change = [&](CPrintFormat& s) { s.paramMain.indexEvenRowShunt = checked ? 1 : 0; };
      break;
    case res::kControlSubShift:
      change = [&](CPrintFormat& s) { s.paramSub.indexEvenRowShunt = checked ? 1 : 0; };
      break;
    case res::kControlMix:
      change = [&](CPrintFormat& s) { s.mix = checked ? 1 : 0; };
      break;
    case res::kControlSplitUpDown:
    case res::kControlSplitLeftRight:
      change = [&](CPrintFormat& s) { s.mixLine = id == res::kControlSplitUpDown ? 1 : 0; };
      break;
    case kControlCalendarPosition:
      change = [&](CPrintFormat& s) { s.paramMain.calendarArea = static_cast<uint8_t>(number()); };
      break;
    case kControlCalendarSize:
      change = [&](CPrintFormat& s) { s.paramMain.calendarWidth = static_cast<int16_t>(number()); };
      break;
    case kControlCalendarYear:
      change = [&](CPrintFormat& s) {
        s.paramMain.calendarStartYear = static_cast<int16_t>(number());
      };
      break;
    case kControlCalendarMonth:
      change = [&](CPrintFormat& s) {
        s.paramMain.calendarStartMonth = static_cast<int16_t>(number());
      };
      break;
    case kControlCalendarPeriod:
      change = [&](CPrintFormat& s) {
        s.paramMain.calendarMonthCount = static_cast<uint8_t>(number());
      };
      break;
    default:
      return;
  }
  if (dynamic_cast<CComboBox*>(control) != nullptr && !value) return;
  EditStyle(change);
}

// The shown style and the working copy take the change; a style of the list is saved.
void CHarboPhotoPrintView::EditStyle(const std::function<void(CPrintFormat&)>& change) {
  CPrintFormat* shown = ShownStyle();
  if (shown == nullptr) return;
  change(*shown);
  change(working_);
  if (stylePage_ == kStyleListPage && !manager().formats().SaveList())
    AlbumMessageBox(Lit("印刷スタイルを保存できませんでした。"), MB_ICONEXCLAMATION, this);
  Refresh();
  ShowStyleValues();
}

void CHarboPhotoPrintView::OnPhotoOption(UINT id) {
  const bool sub = id == res::kControlSubOption;
  CDlgPrintFormatPhotoOption dialog(
      sub ? working_.paramSub.photoOption : working_.paramMain.photoOption, this);
  if (dialog.DoModal() != IDOK) return;
  const CPrintPhotoOption chosen = dialog.option();
  EditStyle([&](CPrintFormat& s) { (sub ? s.paramSub : s.paramMain).photoOption = chosen; });
}

void CHarboPhotoPrintView::OnCalendarEvents() {
  CDlgPrintFormatCalendarOption dialog(working_.paramMain, this);
  if (dialog.DoModal() != IDOK) return;
  const CPrintParam chosen = dialog.param();
  EditStyle([&](CPrintFormat& s) { s.paramMain = chosen; });
}

void CHarboPhotoPrintView::OnMargin() {
  CDlgMargin dialog(working_.paper.header, working_.paper.footer, this);
  if (dialog.DoModal() != IDOK) return;
  const CPrintMarginText header = dialog.header();
  const CPrintMarginText footer = dialog.footer();
  EditStyle([&](CPrintFormat& s) {
    s.paper.header = header;
    s.paper.footer = footer;
  });
}

// The list's style in the wizard; the list is saved when it finishes.
void CHarboPhotoPrintView::OnStyleDetails() {
  CPrintFormat* style = manager().formats().current();
  if (style == nullptr) return;
  CDlgPrintFormatWizard wizard(*style, CDlgPrintFormatWizard::Mode::kDetails, &manager().printer(),
                               this);
  if (wizard.DoModal() != IDOK) return;
  const CPrintFormat finished = wizard.style();
  EditStyle([&](CPrintFormat& s) { s = finished; });
  FillStyleList();
}

LRESULT CHarboPhotoPrintView::OnListNotify(WPARAM /*w*/, LPARAM l) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  if (header == nullptr || header->idFrom != res::kControlEasyStyleList) return 0;
  if (header->code == LVN_GETDISPINFO) {
    auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
    if (const CPrintFormat* style = manager().formats().Get(static_cast<int>(info->lParam)))
      info->text = style->name;
  } else if (header->code == LVN_ITEMCHANGED && !filling_) {
    const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    if ((change->uNewState & LVIS_SELECTED) != 0 && (change->uOldState & LVIS_SELECTED) == 0)
      OnStyleListSelection();
  } else if (header->code == NM_DBLCLK) {
    OnStyleDetails();
  }
  return 0;
}

// Selecting a style of the list makes it the current style, and the panel shows it.
void CHarboPhotoPrintView::OnStyleListSelection() {
  auto* list = dynamic_cast<CListCtrl*>(Control(res::kControlEasyStyleList));
  if (list == nullptr) return;
  CPrintFormats& formats = manager().formats();
  for (int row = 0; row < list->GetItemCount(); ++row)
    if (list->IsItemSelected(row)) formats.SetCurrent(static_cast<int>(list->GetItemData(row)));
  if (!formats.SaveList())
    AlbumMessageBox(Lit("印刷スタイルを保存できませんでした。"), MB_ICONEXCLAMATION, this);
  TakeShownStyle();
}
