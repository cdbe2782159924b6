#include "print/CDlgPrintFormatCalendarOption.h"

#include <cstring>

#include "host/SuiteRegistry.h"
#include "platform/gdi/CDC.h"
#include "platform/shell/ColorDialog.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Controls.h"
#include "platform/win/ListCtrl.h"
#include "platform/win/RadioButton.h"
#include "platform/win/SystemMetrics.h"
#include "print/CDlgEventDay.h"
#include "resources/DialogTemplates.h"

namespace {

using cp932::Lit;

constexpr const char* kColorTargets[] = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日",
                                         "金曜日", "土曜日", "祝日",   "月名"};
constexpr int kNameColumnWidth = 150;
constexpr int kSamplePixels = 18;

}  // namespace

const MessageMap<CDlgPrintFormatCalendarOption>& CDlgPrintFormatCalendarOption::GetMessageMap() {
  using D = CDlgPrintFormatCalendarOption;
  static const MessageMap<D> map{
      .messages = {{WM_NOTIFY, &D::OnNotify}},
      .commands =
          {
              {res::kControlCalColorTarget, &D::OnColorTarget},
              {res::kControlCalColorChange, &D::OnChangeColor},
              {res::kControlCalFontFace, &D::OnFontFace},
              {res::kControlCalBold, &D::OnBold},
              {res::kControlCalItalic, &D::OnItalic},
              {res::kControlCalUnderline, &D::OnUnderline},
              {res::kControlCalCreate, &D::OnCreateEvent},
              {res::kControlCalEdit, &D::OnEditEvent},
              {res::kControlCalDelete, &D::OnDeleteEvent},
              {res::kControlCalReset, &D::OnResetEvents},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgPrintFormatCalendarOption, CCDialogExPh)

CDlgPrintFormatCalendarOption::CDlgPrintFormatCalendarOption(const CPrintParam& param, HWND parent)
    : CCDialogExPh(res::kDialogCalendarOption, parent), param_(param), working_(param) {}

CDlgPrintFormatCalendarOption::~CDlgPrintFormatCalendarOption() = default;

// The events are read afresh, so that the dialog starts from what is stored now.
BOOL CDlgPrintFormatCalendarOption::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  if (!FindControls()) {
    EndDialog(IDCANCEL);
    return 1;
  }
  UseAlbumLook();
  for (const char* target : kColorTargets) colorTarget_->AddString(Lit(target));
  colorTarget_->SetCurSel(0);
  ShowOptions();
  const RECT client = list_->GetClientRect();
  list_->InsertColumn(0, Lit("祝日と記念日"), kNameColumnWidth);
  list_->InsertColumn(
      1, Lit("日付"),
      client.right - client.left - GetSystemMetrics(SM_CXVSCROLL) - kNameColumnWidth);
  list_->SetExtendedStyle(LVS_EX_FULLROWSELECT);
  events_.Load();
  FillList();
  return 1;
}

bool CDlgPrintFormatCalendarOption::FindControls() {
  colorTarget_ = dynamic_cast<CComboBox*>(Control(res::kControlCalColorTarget));
  japanese_ = dynamic_cast<CRadioButton*>(Control(res::kControlCalJapanese));
  english_ = dynamic_cast<CRadioButton*>(Control(res::kControlCalEnglish));
  face_ = dynamic_cast<CComboBox*>(Control(res::kControlCalFontFace));
  bold_ = dynamic_cast<CButton*>(Control(res::kControlCalBold));
  italic_ = dynamic_cast<CButton*>(Control(res::kControlCalItalic));
  underline_ = dynamic_cast<CButton*>(Control(res::kControlCalUnderline));
  eventNames_ = dynamic_cast<CCheckBox*>(Control(res::kControlCalEventNames));
  list_ = dynamic_cast<CListCtrl*>(Control(res::kControlCalEventList));
  return colorTarget_ && japanese_ && english_ && face_ && bold_ && italic_ && underline_ &&
         eventNames_ && list_;
}

void CDlgPrintFormatCalendarOption::ShowOptions() {
  japanese_->SetCheck(working_.calendarLogoType == 0 ? BST_CHECKED : BST_UNCHECKED);
  english_->SetCheck(working_.calendarLogoType != 0 ? BST_CHECKED : BST_UNCHECKED);
  eventNames_->SetCheck(working_.calendarFrame != 0 ? BST_CHECKED : BST_UNCHECKED);
  FillFaces();
  ShowToggles();
}

// The installed faces; a face of the style that is not installed stays choosable at the top.
void CDlgPrintFormatCalendarOption::FillFaces() {
  const Cp932String& current = working_.calendarFont.faceName;
  int chosen = -1;
  if (!current.empty()) chosen = face_->AddString(current);
  for (const Cp932String& name : gdi::FontFaceNames())
    if (name != current) face_->AddString(name);
  face_->SetCurSel(chosen);
}

void CDlgPrintFormatCalendarOption::ShowToggles() {
  bold_->SetCheck(working_.calendarFont.bold != 0 ? 1 : 0);
  italic_->SetCheck(working_.calendarFont.italic != 0 ? 1 : 0);
  underline_->SetCheck(working_.calendarFont.underline != 0 ? 1 : 0);
  InvalidateRect(res::kCalFontSample);
}

void CDlgPrintFormatCalendarOption::FillList() {
  list_->DeleteAllItems();
  std::vector<LPARAM> slots;
  for (int slot = 0; slot < CalendarEventTable::kSlots; ++slot)
    if (!events_.at(slot).IsFree()) slots.push_back(slot);
  list_->AppendItems(slots);
}

// The list asks for its texts: the name, and the description of the date rule.
LRESULT CDlgPrintFormatCalendarOption::OnNotify(WPARAM /*w*/, LPARAM l) {
  auto* header = reinterpret_cast<NMHDR*>(l);
  if (header == nullptr || header->idFrom != res::kControlCalEventList) return 0;
  if (header->code == NM_DBLCLK) {
    if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0) OnEditEvent();
    return 0;
  }
  if (header->code != LVN_GETDISPINFO) return 0;
  auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
  const int slot = static_cast<int>(info->lParam);
  if (slot < 0 || slot >= CalendarEventTable::kSlots) return 0;
  const CalendarEvent& e = events_.at(slot);
  info->text = info->iSubItem == 0 ? e.Name() : e.Describe();
  return 0;
}

void CDlgPrintFormatCalendarOption::OnColorTarget() {
  InvalidateRect(res::kCalColorSwatch);
}

void CDlgPrintFormatCalendarOption::OnChangeColor() {
  const int target = colorTarget_->GetCurSel();
  if (target < 0 || target >= CPrintParam::kColorCount) return;
  COLORREF& color = working_.calendarWeekColor[static_cast<size_t>(target)];
  if (const std::optional<COLORREF> chosen = shell::ChooseColor(this, color)) {
    color = *chosen;
    InvalidateRect(res::kCalColorSwatch);
  }
}

void CDlgPrintFormatCalendarOption::OnFontFace() {
  const int index = face_->GetCurSel();
  if (index >= 0) working_.calendarFont.faceName = face_->GetLBText(index);
  InvalidateRect(res::kCalFontSample);
}

void CDlgPrintFormatCalendarOption::OnBold() {
  working_.calendarFont.bold = working_.calendarFont.bold != 0 ? 0 : 1;
  ShowToggles();
}

void CDlgPrintFormatCalendarOption::OnItalic() {
  working_.calendarFont.italic = working_.calendarFont.italic != 0 ? 0 : 1;
  ShowToggles();
}

void CDlgPrintFormatCalendarOption::OnUnderline() {
  working_.calendarFont.underline = working_.calendarFont.underline != 0 ? 0 : 1;
  ShowToggles();
}

int CDlgPrintFormatCalendarOption::SelectedRow() const {
  for (int row = 0; row < list_->GetItemCount(); ++row)
    if (list_->IsItemSelected(row)) return row;
  return -1;
}

int CDlgPrintFormatCalendarOption::SelectedSlot() {
  const int row = SelectedRow();
  if (row >= 0) return static_cast<int>(list_->GetItemData(row));
  AlbumMessageBox(Lit("選択してください。"), MB_ICONEXCLAMATION, this);
  return -1;
}

// A new event takes the first free slot and is appended to the list.
void CDlgPrintFormatCalendarOption::OnCreateEvent() {
  if (events_.count() >= CalendarEventTable::kSlots) {
    AlbumMessageBox(Lit("これ以上作成できません。"), MB_ICONEXCLAMATION, this);
    return;
  }
  CDlgEventDay editor(CalendarEvent{}, true, this);
  if (editor.DoModal() != IDOK) return;
  const int slot = events_.FirstFreeSlot();
  events_.Set(slot, editor.event());
  const int row = list_->InsertItem(list_->GetItemCount(), slot);
  list_->SelectItem(row);
}

void CDlgPrintFormatCalendarOption::OnEditEvent() {
  const int slot = SelectedSlot();
  if (slot < 0) return;
  CDlgEventDay editor(events_.at(slot), false, this);
  if (editor.DoModal() != IDOK) return;
  events_.Set(slot, editor.event());
  list_->Invalidate();
}

void CDlgPrintFormatCalendarOption::OnDeleteEvent() {
  const int slot = SelectedSlot();
  if (slot < 0) return;
  events_.Set(slot, CalendarEvent{});
  list_->DeleteItem(list_->FindItem(slot));
}

void CDlgPrintFormatCalendarOption::OnResetEvents() {
  const int answer =
      AlbumMessageBox(Lit("祝日と記念日が初期値にリセットされます。よろしいですか？"),
                      MB_YESNO | MB_ICONQUESTION, this);
  if (answer != IDYES) return;
  list_->DeleteAllItems();
  events_.LoadDefaultFile();
  FillList();
}

void CDlgPrintFormatCalendarOption::TakeOptions() {
  param_.calendarWeekColor = working_.calendarWeekColor;
  param_.calendarLogoType = english_->GetCheck() == BST_CHECKED ? 1 : 0;
  param_.calendarFont.CopyFrom(working_.calendarFont);
  param_.calendarFrame = eventNames_->GetCheck() == BST_CHECKED ? 1 : 0;
}

// The events are stored before anything else changes: when they cannot be, the user is told
// and the dialog stays open with nothing lost.
void CDlgPrintFormatCalendarOption::OnOK() {
  if (!events_.Save()) {
    AlbumMessageBox(Lit("祝日と記念日を保存できませんでした。"), MB_ICONEXCLAMATION, this);
    return;
  }
  TakeOptions();
  suite::PostCalendarChanged(1);
  CCDialogExPh::OnOK();
}

void CDlgPrintFormatCalendarOption::OnPaint() {
  CPaintDC dc(this);
  const int target = colorTarget_ != nullptr ? colorTarget_->GetCurSel() : -1;
  if (target >= 0 && target < CPrintParam::kColorCount)
    CDlgEventDay::PaintSwatch(dc, res::kCalColorSwatch,
                              working_.calendarWeekColor[static_cast<size_t>(target)]);
  PaintSample(dc);
}

// The sample in the chosen face and styles, at a size that fits its box.
void CDlgPrintFormatCalendarOption::PaintSample(CDC& dc) {
  const CPrintFont& font = working_.calendarFont;
  LOGFONTA record;
  record.lfHeight = -kSamplePixels;
  record.lfWeight = font.bold != 0 ? FW_BOLD : FW_NORMAL;
  record.lfItalic = font.italic != 0 ? 1 : 0;
  record.lfUnderline = font.underline != 0 ? 1 : 0;
  record.lfCharSet = static_cast<BYTE>(font.charSet);
  std::strncpy(record.lfFaceName, font.faceName.c_str(), sizeof record.lfFaceName - 1);
  const gdi::Owned<gdi::Font> sample(CreateFontIndirectA(&record));
  RECT box = res::kCalFontSample;
  dc.FillSolidRect(box, RGB(0xFF, 0xFF, 0xFF));
  const HFONT old = dc.SelectObject(sample.get());
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(font.color);
  box.left += 6;
  dc.DrawText(Lit(kSampleText), box, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  dc.SelectObject(old);
}
