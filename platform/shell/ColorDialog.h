// The desktop's colour chooser, as the album's "変更..." buttons open it: it starts on the
// current colour and gives back the chosen one, or nothing when the user cancels. Tests
// answer it with a responder.
#pragma once

#include <functional>
#include <optional>

#include "platform/win/WinTypes.h"

namespace shell {

// A colour reference 0x00BBGGRR, or nullopt when the user cancelled.
std::optional<COLORREF> ChooseColor(HWND owner, COLORREF initial);

// What a test sees of the chooser: the colour it opened on; it returns the colour a person
// would have chosen (nullopt: cancelled).
using ColorDialogResponder = std::function<std::optional<COLORREF>(COLORREF initial)>;
void SetColorDialogResponderForTest(ColorDialogResponder responder);

}  // namespace shell
