// One registry key of the print styles, under the album's registry key, read and written
// through the application's settings. Integers are stored as 32-bit numbers and cut to the
// width of the field that takes them when read; a missing value gives the field's default.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/text/Cp932.h"

class PrintSettingsKey {
 public:
  explicit PrintSettingsKey(Cp932String key) : key_(std::move(key)) {}

  const Cp932String& key() const { return key_; }
  // The path of a subkey: "key\name".
  Cp932String Sub(const char* name) const { return key_ + "\\" + name; }

  int32_t Int(const char* name, int32_t fallback) const;
  uint32_t Unsigned(const char* name, uint32_t fallback) const {
    return static_cast<uint32_t>(Int(name, static_cast<int32_t>(fallback)));
  }
  uint8_t Byte(const char* name, uint8_t fallback) const {
    return static_cast<uint8_t>(Int(name, fallback));
  }
  int16_t Short(const char* name, int16_t fallback) const {
    return static_cast<int16_t>(Int(name, fallback));
  }
  uint16_t Word(const char* name, uint16_t fallback) const {
    return static_cast<uint16_t>(Int(name, fallback));
  }
  Cp932String Text(const char* name, const Cp932String& fallback) const;

  // Writes a value; a failed write is remembered, so that a save can say it was incomplete.
  void Put(const char* name, int64_t value);
  void Put(const char* name, const Cp932String& value);
  // Takes in the result of saving a subkey.
  void Also(bool saved) { written_ = saved && written_; }
  // Whether every write so far succeeded.
  bool written() const { return written_; }

 private:
  Cp932String key_;
  bool written_ = true;
};
