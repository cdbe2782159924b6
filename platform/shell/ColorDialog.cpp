#include "platform/shell/ColorDialog.h"

#include <QColorDialog>

#include "platform/win/QtBridge.h"

namespace shell {
namespace {

ColorDialogResponder& Responder() {
  static ColorDialogResponder responder;
  return responder;
}

}  // namespace

std::optional<COLORREF> ChooseColor(HWND owner, COLORREF initial) {
  if (Responder()) return Responder()(initial & 0x00FFFFFF);
  const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                     static_cast<int>((initial >> 16) & 0xFF));
  const QColor chosen = QColorDialog::getColor(start, QtBridge::WidgetOf(owner));
  if (!chosen.isValid()) return std::nullopt;
  return static_cast<COLORREF>(chosen.red()) | static_cast<COLORREF>(chosen.green()) << 8 |
         static_cast<COLORREF>(chosen.blue()) << 16;
}

void SetColorDialogResponderForTest(ColorDialogResponder responder) {
  Responder() = std::move(responder);
}

}  // namespace shell
