#include "platform/win/SystemMetrics.h"

#include <QApplication>
#include <QStyle>

namespace {

// The scroll-bar width of the classic desktop, for a process without a widget style (the
// command-line tool).
constexpr int kClassicScrollBarWidth = 17;

int ScrollBarExtent() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
    return kClassicScrollBarWidth;
  return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

}  // namespace

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      return ScrollBarExtent();
    default:
      return 0;
  }
}
