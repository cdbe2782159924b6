#include "print/PrintSettings.h"

#include "host/CHarboPhotoApp.h"

int32_t PrintSettingsKey::Int(const char* name, int32_t fallback) const {
  return TheApp().ReadInt(key_, name, fallback);
}

Cp932String PrintSettingsKey::Text(const char* name, const Cp932String& fallback) const {
  return TheApp().ReadText(key_, name, fallback);
}

void PrintSettingsKey::Put(const char* name, int64_t value) {
  // Every field fits 32 bits; unsigned fields keep their bits.
  written_ = TheApp().WriteInt(key_, name, static_cast<int32_t>(value)) && written_;
}

void PrintSettingsKey::Put(const char* name, const Cp932String& value) {
  written_ = TheApp().WriteText(key_, name, value) && written_;
}
