#include "platform/win/EditRules.h"

#include <QLineEdit>
#include <algorithm>

#include "platform/win/QtText.h"

namespace win {

std::optional<Cp932String> TextWithinRules(const QString& text, size_t limit, bool digitsOnly) {
  if (digitsOnly &&
      std::any_of(text.begin(), text.end(), [](QChar c) { return c < u'0' || c > u'9'; }))
    return std::nullopt;
  std::optional<Cp932String> converted = QtText::ToCp932(text);
  if (!converted.has_value() || (limit != 0 && converted->size() > limit)) return std::nullopt;
  return converted;
}

void KeepLineWithinRules(QLineEdit* line, Cp932String& accepted, size_t limit, bool digitsOnly) {
  if (std::optional<Cp932String> text = TextWithinRules(line->text(), limit, digitsOnly)) {
    accepted = std::move(*text);
    return;
  }
  const QString previous = QtText::FromCp932(accepted);
  const int cursor = line->cursorPosition();
  const int grown = static_cast<int>(line->text().size()) - static_cast<int>(previous.size());
  line->setText(previous);
  line->setCursorPosition(std::max(0, cursor - std::max(0, grown)));
}

QString ToToolkitLines(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return lines;
}

QString ToPlatformLines(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return lines;
}

}  // namespace win
