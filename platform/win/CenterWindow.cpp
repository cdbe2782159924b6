#include "platform/win/CenterWindow.h"

#include "platform/win/WindowWidget.h"
#include "platform/win/Wnd.h"

bool CenterWindow(HWND window, HWND over) {
  if (!IsWindow(window) || !IsWindow(over) || window == over) return false;
  QWidget* moved = window->widget();
  QWidget* fixed = over->widget();
  if (moved == nullptr || fixed == nullptr) return false;
  const QPoint centre = fixed->mapToGlobal(QPoint(fixed->width() / 2, fixed->height() / 2));
  QPoint topLeft = centre - QPoint(moved->width() / 2, moved->height() / 2);
  if (!moved->isWindow()) topLeft = moved->parentWidget()->mapFromGlobal(topLeft);
  moved->setGeometry(QRect(topLeft, moved->size()));
  return true;
}
