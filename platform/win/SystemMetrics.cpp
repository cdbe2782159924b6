#include "platform/win/SystemMetrics.h"

#include <QApplication>
#include <QScreen>
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

// Without a screen (the command-line tool) the classic desktop's size stands in.
QSize ScreenSize() {
  const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
                              ? QGuiApplication::primaryScreen()
                              : nullptr;
  return screen != nullptr ? screen->size() : QSize(1024, 768);
}

}  // namespace

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      return ScrollBarExtent();
    case SM_CXSCREEN:
      return ScreenSize().width();
    case SM_CYSCREEN:
      return ScreenSize().height();
    default:
      return 0;
  }
}
