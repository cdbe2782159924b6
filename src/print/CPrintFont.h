// One font of a print style: the description kept in the registry and the GDI font made
// from it for a printer or a preview. The font handle is owned and deleted with the object
// or when a new one is made; copies take the description only and make their own font.
#pragma once

#include <cstdint>

#include "platform/gdi/GdiObjects.h"
#include "platform/text/Cp932.h"

class CPrintFont {
 public:
  // The character set a stored value above 255 is read as.
  static constexpr uint32_t kDefaultCharSet = DEFAULT_CHARSET;

  CPrintFont() = default;
  CPrintFont(const CPrintFont& other) { CopyFrom(other); }
  CPrintFont& operator=(const CPrintFont& other);
  virtual ~CPrintFont() = default;

  // Reads the description from a key; missing values take the registry defaults.
  void Load(const Cp932String& key);
  // Writes the description; false when a value could not be written.
  bool Save(const Cp932String& key) const;
  // Copies the description; the GDI font is not shared.
  void CopyFrom(const CPrintFont& other);
  // Makes the GDI font for a device of the given vertical resolution (dots per inch),
  // replacing the one made before; null when no font could be made.
  HFONT BuildFont(int verticalDpi);
  // The font made last, or null.
  HFONT font() const { return font_.get(); }

  bool operator==(const CPrintFont& other) const;

  Cp932String faceName;
  int32_t point = 0;  // tenths of a point
  COLORREF color = 0;
  uint8_t bold = 0;
  uint8_t italic = 0;
  uint8_t strikeOut = 0;
  uint8_t underline = 0;
  uint32_t charSet = kDefaultCharSet;

 private:
  gdi::Owned<gdi::Font> font_;
};
