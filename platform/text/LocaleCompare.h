// Ordering texts as the user's language orders them, for lists sorted by name.
#pragma once

#include <string_view>

namespace cp932 {

// Negative, 0 or positive as the first code page 932 text sorts before, together with or
// after the second under the user's locale. Bytes that are not code page 932 take part as
// question marks.
int LocaleCompare(std::string_view first, std::string_view second);

}  // namespace cp932
