// Feeds arbitrary bytes to the phone profile reader. Whatever it accepts must be written
// and read back to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/phonelib/PhoneProfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto profile = phonelib::ParsePhoneProfile(text);
  if (!profile) return 0;
  if (phonelib::ParsePhoneProfile(phonelib::FormatPhoneProfile(*profile)) != profile) std::abort();
  return 0;
}
