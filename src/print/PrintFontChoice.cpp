#include "print/PrintFontChoice.h"

#include <string>

#include "platform/shell/FontDialog.h"

namespace printfont {

bool Choose(HWND owner, CPrintFont& font) {
  shell::FontChoice initial;
  initial.faceName = font.faceName;
  initial.point = font.point;
  initial.bold = font.bold != 0;
  initial.italic = font.italic != 0;
  initial.underline = font.underline != 0;
  initial.strikeOut = font.strikeOut != 0;
  const std::optional<shell::FontChoice> chosen = shell::ChooseFont(owner, initial);
  if (!chosen) return false;
  font.faceName = chosen->faceName;
  if (chosen->point > 0) font.point = chosen->point;
  font.bold = chosen->bold ? 1 : 0;
  font.italic = chosen->italic ? 1 : 0;
  font.underline = chosen->underline ? 1 : 0;
  font.strikeOut = chosen->strikeOut ? 1 : 0;
  return true;
}

Cp932String Describe(const CPrintFont& font, const char* separator) {
  return font.faceName + separator + std::to_string(font.point / 10) + "pt";
}

}  // namespace printfont
