// Conversions between album texts (code page 932) and the toolkit's strings. Only the
// platform layer and the host program include this header.
#pragma once

#include <QString>
#include <optional>

#include "platform/text/Cp932.h"

namespace QtText {

QString FromCp932(const Cp932String& text);
// nullopt when a character has no code page 932 form.
std::optional<Cp932String> ToCp932(const QString& text);
// Characters without a form become '?'; for texts that only the platform shows.
Cp932String ToCp932Lossy(const QString& text);

}  // namespace QtText
