// The profile file at the root of a phone folder: lines of "Key=Value" with the phone's
// model value and the largest file its internal data folder and its external memory
// accept. Lines starting with '#' or ';' and blank lines are ignored, as are unknown keys.
//
//   Model=1
//   MaxInternalBytes=102400
//   MaxExternalBytes=1048576
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/Cp932.h"

namespace phonelib {

// Model values 1 and 3 are phones with external memory; the others have none.
constexpr uint32_t kModelWithExternalMemory = 1;
constexpr uint32_t kModelWithExternalMemoryToo = 3;
constexpr uint32_t kModelWithoutExternalMemory = 2;
constexpr size_t kMaxProfileBytes = 64 * 1024;

struct PhoneProfile {
  uint32_t model = kModelWithExternalMemory;
  uint32_t maxInternalBytes = 0;
  uint32_t maxExternalBytes = 0;

  bool operator==(const PhoneProfile&) const = default;
};

bool HasExternalMemory(uint32_t model);

// Reads a profile text; nullopt with a message in *error (when given) for a text that is
// too long, a line without '=', a repeated key or a value that is not a 32-bit number.
// Model and both limits must all be present.
std::optional<PhoneProfile> ParsePhoneProfile(std::string_view text, std::string* error = nullptr);

// The text of a profile, as ParsePhoneProfile reads it back.
std::string FormatPhoneProfile(const PhoneProfile& profile);

// The profile of the phone folder; nullopt when the folder has no readable, valid profile.
// A device the desktop mounted has none and is given its own (PhoneMounts.h).
std::optional<PhoneProfile> ReadPhoneProfile(const Cp932String& phoneFolder,
                                             std::string* error = nullptr);

}  // namespace phonelib
