// The desktop's font chooser, as the album's "フォント..." buttons open it: it starts on
// the current face, size and styles and gives back the chosen ones, or nothing when the
// user cancels. Tests answer it with a responder.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/text/Cp932.h"
#include "platform/win/WinTypes.h"

namespace shell {

struct FontChoice {
  Cp932String faceName;
  int32_t point = 0;  // tenths of a point
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  bool operator==(const FontChoice& other) const = default;
};

// The chosen font, or nullopt when the user cancelled.
std::optional<FontChoice> ChooseFont(HWND owner, const FontChoice& initial);

// What a test sees of the chooser: the font it opened on; it returns the font a person
// would have chosen (nullopt: cancelled).
using FontDialogResponder = std::function<std::optional<FontChoice>(const FontChoice& initial)>;
void SetFontDialogResponderForTest(FontDialogResponder responder);

}  // namespace shell
