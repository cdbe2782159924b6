#include "print/CPrintFont.h"

#include <tuple>

#include "print/PrintSettings.h"

using cp932::Lit;

CPrintFont& CPrintFont::operator=(const CPrintFont& other) {
  if (this != &other) CopyFrom(other);
  return *this;
}

void CPrintFont::Load(const Cp932String& key) {
  const PrintSettingsKey values(key);
  faceName = values.Text("FaceName", Lit("ＭＳ Ｐゴシック"));
  point = values.Int("Point", 100);
  color = values.Unsigned("Color", 0);
  bold = values.Byte("Bold", 0);
  italic = values.Byte("Italic", 0);
  strikeOut = values.Byte("StrikeOut", 0);
  underline = values.Byte("Underline", 0);
  charSet = values.Unsigned("CharSet", kDefaultCharSet);
  // A character set is one byte; anything larger was never a valid choice.
  if (charSet > 255) charSet = kDefaultCharSet;
}

bool CPrintFont::Save(const Cp932String& key) const {
  PrintSettingsKey values(key);
  values.Put("FaceName", faceName);
  values.Put("Point", point);
  values.Put("Color", color);
  values.Put("Bold", bold);
  values.Put("Italic", italic);
  values.Put("StrikeOut", strikeOut);
  values.Put("Underline", underline);
  values.Put("CharSet", charSet);
  return values.written();
}

void CPrintFont::CopyFrom(const CPrintFont& other) {
  faceName = other.faceName;
  point = other.point;
  color = other.color;
  bold = other.bold;
  italic = other.italic;
  strikeOut = other.strikeOut;
  underline = other.underline;
  charSet = other.charSet;
}

HFONT CPrintFont::BuildFont(int verticalDpi) {
  LOGFONTA record;
  // The character height in device pixels: tenths of a point at 720 per inch.
  record.lfHeight = -static_cast<LONG>(static_cast<int64_t>(point) * verticalDpi / 720);
  record.lfWeight = bold != 0 ? FW_BOLD : FW_NORMAL;
  record.lfItalic = italic != 0 ? 1 : 0;
  record.lfUnderline = underline != 0 ? 1 : 0;
  record.lfStrikeOut = strikeOut != 0 ? 1 : 0;
  record.lfCharSet = static_cast<BYTE>(charSet);
  const Cp932String face = cp932::Cut(faceName, LF_FACESIZE - 1);
  face.copy(record.lfFaceName, face.size());
  font_.reset(CreateFontIndirectA(&record));
  return font_.get();
}

bool CPrintFont::operator==(const CPrintFont& other) const {
  return std::tie(faceName, point, color, bold, italic, strikeOut, underline, charSet) ==
         std::tie(other.faceName, other.point, other.color, other.bold, other.italic,
                  other.strikeOut, other.underline, other.charSet);
}
