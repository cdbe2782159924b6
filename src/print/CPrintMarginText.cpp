#include "print/CPrintMarginText.h"

#include "print/PrintSettings.h"

CPrintMarginText::CPrintMarginText(Role role) : role_(role) {
  text = DefaultText();
  position = DefaultPosition();
}

CPrintMarginText& CPrintMarginText::operator=(const CPrintMarginText& other) {
  font = other.font;
  text = other.text;
  show = other.show;
  position = other.position;
  return *this;
}

Cp932String CPrintMarginText::DefaultText() const {
  return role_ == kHeader ? "Quarn Port - ( &d &t ) " : "&p/&s";
}

int32_t CPrintMarginText::DefaultPosition() const {
  // The header sits right at the bottom of the top band (18); the footer centred, with the
  // vertical bits 4, which place it at the top of the bottom band (5): both next to the
  // page's content.
  return role_ == kHeader ? kRight | kBottom : 5;
}

void CPrintMarginText::Load(const Cp932String& key) {
  const PrintSettingsKey values(key);
  text = values.Text("Text", DefaultText());
  position = values.Int("Postion", DefaultPosition());
  show = values.Int("Show", 1);
  font.Load(values.Sub("Font"));
}

bool CPrintMarginText::Save(const Cp932String& key) const {
  PrintSettingsKey values(key);
  values.Put("Text", text);
  values.Put("Postion", position);
  values.Put("Show", show);
  values.Also(font.Save(values.Sub("Font")));
  return values.written();
}
