#include "platform/shell/FileTypeName.h"

#include <QLocale>
#include <QMimeDatabase>
#include <QString>

#include "platform/fileio/FileIo.h"
#include "platform/win/QtText.h"

namespace shell {
namespace {

// A MIME type's comment is given in the default locale's language; the album speaks
// Japanese whatever the session's locale, so the default is Japanese for the look-up.
class JapaneseLocaleScope {
 public:
  JapaneseLocaleScope() : saved_(QLocale()) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  }
  ~JapaneseLocaleScope() { QLocale::setDefault(saved_); }
  JapaneseLocaleScope(const JapaneseLocaleScope&) = delete;
  JapaneseLocaleScope& operator=(const JapaneseLocaleScope&) = delete;

 private:
  QLocale saved_;
};

}  // namespace

Cp932String FileTypeName(const Cp932String& path) {
  const auto disk = fileio::ToDiskPath(path);
  if (!disk || disk->empty()) return {};
  static QMimeDatabase database;
  const QMimeType type = database.mimeTypeForFile(QString::fromStdString(*disk));
  // The generic binary type is the database's answer for "no idea".
  if (!type.isValid() || type.isDefault()) return {};
  const JapaneseLocaleScope japanese;
  return QtText::ToCp932(type.comment().trimmed()).value_or(Cp932String());
}

}  // namespace shell
