#include "platform/win/WindowFont.h"

#include "platform/gdi/GdiQt.h"
#include "platform/win/WindowWidget.h"
#include "platform/win/Wnd.h"

bool SetWindowFont(HWND window, HFONT font) {
  if (!IsWindow(window) || window->widget() == nullptr) return false;
  if (GetObjectType(font) != OBJ_FONT) return false;
  window->widget()->setFont(gdi::ToQFont(font));
  return true;
}
