#include "platform/win/DateTimeCtrl.h"

#include <QDateEdit>
#include <QVBoxLayout>

#include "platform/win/WindowWidget.h"

namespace {

class DateWidget : public WindowWidget {
 public:
  DateWidget(CWnd* owner, QWidget* parent)
      : WindowWidget(owner, parent), edit(new QDateEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    setFocusProxy(edit);
    edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    edit->setCalendarPopup(true);
  }
  QDateEdit* edit;
};

QDateEdit* EditOf(const CWnd* window) {
  return window->widget() != nullptr ? static_cast<DateWidget*>(window->widget())->edit : nullptr;
}

QDate ToDate(const SYSTEMTIME& time) {
  return QDate(time.wYear, time.wMonth, time.wDay);
}

}  // namespace

WindowWidget* CDateTimeCtrl::MakeWidget(WindowWidget* parent) {
  return new DateWidget(this, parent);
}

bool CDateTimeCtrl::GetTime(SYSTEMTIME* time) const {
  const QDateEdit* edit = EditOf(this);
  if (edit == nullptr || time == nullptr) return false;
  const QDate date = edit->date();
  *time = SYSTEMTIME{};
  time->wYear = static_cast<WORD>(date.year());
  time->wMonth = static_cast<WORD>(date.month());
  time->wDay = static_cast<WORD>(date.day());
  time->wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);
  return true;
}

bool CDateTimeCtrl::SetTime(const SYSTEMTIME& time) {
  QDateEdit* edit = EditOf(this);
  const QDate date = ToDate(time);
  if (edit == nullptr || !date.isValid()) return false;
  edit->setDate(date);
  return true;
}

bool CDateTimeCtrl::SetRange(const SYSTEMTIME& earliest, const SYSTEMTIME& latest) {
  QDateEdit* edit = EditOf(this);
  const QDate from = ToDate(earliest);
  const QDate to = ToDate(latest);
  if (edit == nullptr || !from.isValid() || !to.isValid() || to < from) return false;
  edit->setDateRange(from, to);
  return true;
}
