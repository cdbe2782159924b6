// The text of a shown tag's value, as its row in the details list shows it.
#pragma once

#include <cstdint>

#include "exif/ExifBlockReader.h"
#include "platform/text/Cp932.h"

namespace exif {

// The value's text for a shown tag; "不明" (undetermined) where the tag's numbers are
// missing or have no meaning, empty for the sub-directory pointers. The ASCII tags, and
// any tag without a text of its own, give their bytes up to the first zero.
Cp932String ValueText(uint16_t tag, const ExifValue& value);

// The text of an ASCII value: its bytes up to the first zero.
Cp932String AsciiText(const ExifValue& value);

}  // namespace exif
