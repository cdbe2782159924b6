// The toolkit widget behind a window, for the host program, which places the album's
// windows into its own layout. The album itself never includes this header.
#pragma once

#include <QWidget>

#include "platform/win/WindowWidget.h"
#include "platform/win/Wnd.h"

namespace QtBridge {

inline QWidget* WidgetOf(HWND window) {
  return IsWindow(window) ? window->widget() : nullptr;
}

}  // namespace QtBridge
