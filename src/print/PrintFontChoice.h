// A print style's font chosen with the desktop's font chooser, and its description as the
// style dialogs show it beside their font buttons.
#pragma once

#include "platform/win/WinTypes.h"
#include "print/CPrintFont.h"

namespace printfont {

// Opens the chooser on the font; the chosen face, size and styles replace the font's (its
// colour and character set stay). False when the user cancelled.
bool Choose(HWND owner, CPrintFont& font);

// The face name and the size in whole points, joined by the separator: "ＭＳ 明朝 10pt".
Cp932String Describe(const CPrintFont& font, const char* separator);

}  // namespace printfont
