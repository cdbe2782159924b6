#include "platform/win/WaitCursor.h"

#include <QApplication>
#include <QCursor>

// A process without a window system (the command-line tool) has no cursor to change.
CWaitCursor::CWaitCursor() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  shown_ = true;
}

CWaitCursor::~CWaitCursor() {
  if (shown_) QApplication::restoreOverrideCursor();
}
