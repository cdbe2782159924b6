// The rules an edit's text keeps (code page 932, a byte limit, digits only), shared by the
// edit and the drop-down box with an edit. Platform-internal.
#pragma once

#include <QString>
#include <optional>

#include "platform/text/Cp932.h"

class QLineEdit;

namespace win {

// The text in code page 932 when it keeps the rules; nullopt otherwise. The limit 0 takes
// any length.
std::optional<Cp932String> TextWithinRules(const QString& text, size_t limit, bool digitsOnly);

// After the user changed the line: keeps its text in accepted when it keeps the rules,
// else puts the accepted text back with the cursor where it was before the change.
void KeepLineWithinRules(QLineEdit* line, Cp932String& accepted, size_t limit, bool digitsOnly);

// The platform's line breaks in an edit's text and the toolkit's.
QString ToToolkitLines(const QString& text);
QString ToPlatformLines(const QString& text);

}  // namespace win
