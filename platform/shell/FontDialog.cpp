#include "platform/shell/FontDialog.h"

#include <QFontDialog>

#include "platform/win/QtBridge.h"
#include "platform/win/QtText.h"

namespace shell {
namespace {

FontDialogResponder& Responder() {
  static FontDialogResponder responder;
  return responder;
}

QFont ToQFont(const FontChoice& choice) {
  QFont font(QtText::FromCp932(choice.faceName));
  if (choice.point > 0) font.setPointSizeF(choice.point / 10.0);
  font.setBold(choice.bold);
  font.setItalic(choice.italic);
  font.setUnderline(choice.underline);
  font.setStrikeOut(choice.strikeOut);
  return font;
}

FontChoice FromQFont(const QFont& font) {
  FontChoice choice;
  choice.faceName = QtText::ToCp932Lossy(font.family());
  choice.point = static_cast<int32_t>(font.pointSizeF() * 10.0 + 0.5);
  choice.bold = font.bold();
  choice.italic = font.italic();
  choice.underline = font.underline();
  choice.strikeOut = font.strikeOut();
  return choice;
}

}  // namespace

std::optional<FontChoice> ChooseFont(HWND owner, const FontChoice& initial) {
  if (Responder()) return Responder()(initial);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(initial), QtBridge::WidgetOf(owner));
  if (!ok) return std::nullopt;
  return FromQFont(chosen);
}

void SetFontDialogResponderForTest(FontDialogResponder responder) {
  Responder() = std::move(responder);
}

}  // namespace shell
