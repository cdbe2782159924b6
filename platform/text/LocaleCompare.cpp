#include "platform/text/LocaleCompare.h"

#include <QString>

#include "platform/win/QtText.h"

namespace cp932 {

int LocaleCompare(std::string_view first, std::string_view second) {
  const int order = QString::localeAwareCompare(QtText::FromCp932(Cp932String(first)),
                                                QtText::FromCp932(Cp932String(second)));
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace cp932
