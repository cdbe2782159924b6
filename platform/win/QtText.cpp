#include "platform/win/QtText.h"

namespace QtText {

QString FromCp932(const Cp932String& text) {
  return QString::fromStdString(cp932::ToUtf8Lossy(text));
}

std::optional<Cp932String> ToCp932(const QString& text) {
  return cp932::FromUtf8(text.toStdString());
}

Cp932String ToCp932Lossy(const QString& text) {
  Cp932String out;
  for (const QChar c : text) {
    auto converted = cp932::FromUtf8(QString(c).toStdString());
    out += converted ? *converted : Cp932String("?");
  }
  return out;
}

}  // namespace QtText
