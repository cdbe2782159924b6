#include "print/CDlgEventDay.h"

#include <cstdio>
#include <ctime>

#include "host/SuiteRegistry.h"
#include "platform/gdi/CDC.h"
#include "platform/shell/ColorDialog.h"
#include "platform/win/CheckBox.h"
#include "platform/win/ComboBox.h"
#include "platform/win/Edit.h"
#include "platform/win/RadioButton.h"
#include "resources/DialogTemplates.h"

namespace {

using cp932::Lit;
using namespace calevents;

constexpr const char* kWeekdayNames[] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                         "木曜日", "金曜日", "土曜日"};
constexpr int kWeekNumbers = 5;

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

void AddNumbered(CComboBox* box, const char* format, int first, int last) {
  for (int n = first; n <= last; ++n) {
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    box->AddString(Lit(text));
  }
}

// The item for a value counted from the first item's value; none for a value out of range.
void Choose(CComboBox* box, int index) {
  box->SetCurSel(index >= 0 && index < box->GetCount() ? index : 0);
}

int Checked(const CCheckBox* box) {
  return box->GetCheck() == BST_CHECKED ? 1 : 0;
}

}  // namespace

const MessageMap<CDlgEventDay>& CDlgEventDay::GetMessageMap() {
  static const MessageMap<CDlgEventDay> map{
      .messages = {},
      .commands =
          {
              {res::kControlEventColor, &CDlgEventDay::OnChangeColor},
              {res::kControlEventRepeat, &CDlgEventDay::UpdateFields},
              {res::kControlEventByWeekday, &CDlgEventDay::UpdateFields},
          },
      .updates = {},
  };
  return map;
}
HARBO_IMPLEMENT_MESSAGE_MAP(CDlgEventDay, CCDialogExPh)

CDlgEventDay::CDlgEventDay(const CalendarEvent& event, bool creating, HWND parent)
    : CCDialogExPh(res::kDialogEventDay, parent),
      event_(event),
      creating_(creating),
      color_(event.color) {}

CDlgEventDay::~CDlgEventDay() = default;

BOOL CDlgEventDay::OnInitDialog() {
  CCDialogExPh::OnInitDialog();
  if (!FindControls()) {
    EndDialog(IDCANCEL);
    return 1;
  }
  SetWindowText(Lit(creating_ ? "祝日または、記念日の作成" : "祝日または、記念日の詳細"));
  UseAlbumLook();
  FillChoices();
  ShowEvent();
  UpdateFields();
  name_->SetFocus();
  return 1;
}

bool CDlgEventDay::FindControls() {
  name_ = dynamic_cast<CEdit*>(Control(res::kControlEventName));
  anniversary_ = dynamic_cast<CRadioButton*>(Control(res::kControlEventAnniversary));
  holiday_ = dynamic_cast<CRadioButton*>(Control(res::kControlEventHoliday));
  repeat_ = dynamic_cast<CComboBox*>(Control(res::kControlEventRepeat));
  year_ = dynamic_cast<CEdit*>(Control(res::kControlEventYear));
  month_ = dynamic_cast<CComboBox*>(Control(res::kControlEventMonth));
  day_ = dynamic_cast<CComboBox*>(Control(res::kControlEventDay));
  byWeekday_ = dynamic_cast<CCheckBox*>(Control(res::kControlEventByWeekday));
  weekNumber_ = dynamic_cast<CComboBox*>(Control(res::kControlEventWeekNumber));
  weekday_ = dynamic_cast<CComboBox*>(Control(res::kControlEventWeekday));
  return name_ && anniversary_ && holiday_ && repeat_ && year_ && month_ && day_ && byWeekday_ &&
         weekNumber_ && weekday_;
}

void CDlgEventDay::FillChoices() {
  for (const char* text : {"なし", "毎年", "毎月", "毎週"}) repeat_->AddString(Lit(text));
  AddNumbered(month_, "%d", 1, 12);
  AddNumbered(day_, "%d", 1, 31);
  AddNumbered(weekNumber_, "第%d", 1, kWeekNumbers);
  for (const char* name : kWeekdayNames) weekday_->AddString(Lit(name));
}

// A new record shows this year and the first of every list.
void CDlgEventDay::ShowEvent() {
  name_->SetText(event_.Name());
  holiday_->SetCheck(event_.IsHoliday() ? BST_CHECKED : BST_UNCHECKED);
  anniversary_->SetCheck(event_.IsHoliday() ? BST_UNCHECKED : BST_CHECKED);
  Choose(repeat_, event_.repeat);
  const int year = event_.year != 0 ? event_.year : CurrentYear();
  year_->SetText(std::to_string(year));
  Choose(month_, event_.month - 1);
  Choose(day_, event_.day - 1);
  byWeekday_->SetCheck(event_.day == 0 && event_.weekNumber != 0 ? BST_CHECKED : BST_UNCHECKED);
  Choose(weekNumber_, event_.weekNumber - 1);
  Choose(weekday_, event_.weekday);
}

// Only the fields the repeat takes part in matching with are enabled.
void CDlgEventDay::UpdateFields() {
  const int repeat = repeat_->GetCurSel();
  const bool byWeekday = Checked(byWeekday_) != 0;
  const bool hasDate = repeat != kRepeatWeekly;
  year_->EnableWindow(repeat == kRepeatNone);
  month_->EnableWindow(repeat == kRepeatNone || repeat == kRepeatYearly);
  byWeekday_->EnableWindow(hasDate);
  day_->EnableWindow(hasDate && !byWeekday);
  weekNumber_->EnableWindow(hasDate && byWeekday);
  weekday_->EnableWindow(!hasDate || byWeekday);
}

void CDlgEventDay::OnChangeColor() {
  if (const std::optional<COLORREF> chosen = shell::ChooseColor(this, color_)) {
    color_ = *chosen;
    Invalidate();
  }
}

void CDlgEventDay::PaintSwatch(CDC& dc, const RECT& rect, COLORREF color) {
  dc.FillSolidRect(rect, RGB(0x80, 0x80, 0x80));
  dc.FillSolidRect(RECT{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, color);
}

void CDlgEventDay::OnPaint() {
  CPaintDC dc(this);
  PaintSwatch(dc, res::kEventColorSwatch, color_);
}

void CDlgEventDay::Refuse(const Cp932String& text) {
  AlbumMessageBox(text, MB_ICONEXCLAMATION, this);
}

bool CDlgEventDay::CheckName() {
  const Cp932String name = name_->GetText();
  if (name.empty()) {
    Refuse(Lit("名前を入力してください。"));
    name_->SetFocus();
    return false;
  }
  if (name.size() > kMaxNameBytes) {
    char text[96];
    std::snprintf(text, sizeof text, "名前の入力は半角%d文字までです。",
                  static_cast<int>(kMaxNameBytes));
    Refuse(Lit(text));
    name_->SetSel(0, -1);
    name_->SetFocus();
    return false;
  }
  return true;
}

int CDlgEventDay::CheckedYear() const {
  const Cp932String text = year_->GetText();
  if (text.size() != 4 || text.find_first_not_of("0123456789") != Cp932String::npos) return -1;
  const int year = std::stoi(text);
  return year >= kFirstYear && year <= kLastYear ? year : -1;
}

CalendarEvent CDlgEventDay::TakeEvent() const {
  CalendarEvent e;
  e.SetName(name_->GetText());
  e.kind = holiday_->GetCheck() == BST_CHECKED ? kKindHoliday : kKindAnniversary;
  e.repeat = static_cast<uint8_t>(repeat_->GetCurSel());
  e.year = static_cast<uint16_t>(CheckedYear());
  e.month = static_cast<uint16_t>(month_->GetCurSel() + 1);
  e.day = static_cast<uint16_t>(day_->GetCurSel() + 1);
  e.weekNumber = static_cast<uint8_t>(weekNumber_->GetCurSel() + 1);
  e.weekday = static_cast<uint8_t>(weekday_->GetCurSel());
  e.color = color_;
  if (Checked(byWeekday_))
    e.day = 0;
  else
    e.weekNumber = 0;
  return e;
}

// A yearly event may fall on 29 February; a one-time one only in a leap year.
bool CDlgEventDay::CheckDate(const CalendarEvent& e) {
  if (e.day == 0 || (e.repeat != kRepeatNone && e.repeat != kRepeatYearly)) return true;
  const int leapYear = 2000;
  const int days = DaysInMonth(e.repeat == kRepeatYearly ? leapYear : e.year, e.month);
  if (e.day <= days) return true;
  char text[128];
  std::snprintf(text, sizeof text, "%d月%d日はありません。\n入力しなおしてください。", e.month,
                e.day);
  Refuse(Lit(text));
  return false;
}

void CDlgEventDay::OnOK() {
  if (!CheckName()) return;
  if (CheckedYear() < 0) {
    Refuse(Lit("1990 ～ 2100年の値で入力して下さい。"));
    year_->SetFocus();
    return;
  }
  const CalendarEvent e = TakeEvent();
  if (!CheckDate(e)) return;
  event_ = e;
  suite::PostCalendarChanged(1);
  CCDialogExPh::OnOK();
}
