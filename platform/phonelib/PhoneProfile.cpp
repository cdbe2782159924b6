#include "platform/phonelib/PhoneProfile.h"

#include <charconv>

#include "platform/fileio/FileIo.h"
#include "platform/phonelib/PhoneFolder.h"
#include "platform/phonelib/PhoneMounts.h"

namespace phonelib {

namespace {

struct Field {
  const char* key;
  uint32_t PhoneProfile::*member;
  unsigned bit;
};

constexpr Field kFields[] = {
    {"Model", &PhoneProfile::model, 1},
    {"MaxInternalBytes", &PhoneProfile::maxInternalBytes, 2},
    {"MaxExternalBytes", &PhoneProfile::maxExternalBytes, 4},
};
constexpr unsigned kAllFields = 7;

struct ParseState {
  PhoneProfile profile;
  unsigned seen = 0;
  int line = 0;
  std::string error;
};

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool Fail(ParseState& state, const std::string& what) {
  state.error = "line " + std::to_string(state.line) + ": " + what;
  return false;
}

// A decimal number of at most 32 bits, nothing else.
std::optional<uint32_t> ParseNumber(std::string_view text) {
  uint32_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// One "Key=Value" line: the value goes to its field; unknown keys are skipped.
bool ReadAssignment(ParseState& state, std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return Fail(state, "expected Key=Value");
  const std::string_view key = Trim(line.substr(0, equals));
  for (const Field& field : kFields) {
    if (key != field.key) continue;
    if ((state.seen & field.bit) != 0) return Fail(state, std::string(key) + " given twice");
    const auto value = ParseNumber(Trim(line.substr(equals + 1)));
    if (!value) return Fail(state, std::string(key) + " is not a number of 0..4294967295");
    state.profile.*field.member = *value;
    state.seen |= field.bit;
  }
  return true;
}

// One line of the file: blank lines and comments are skipped.
bool ReadLine(ParseState& state, std::string_view raw) {
  ++state.line;
  const std::string_view line = Trim(raw);
  if (line.empty() || line.front() == '#' || line.front() == ';') return true;
  return ReadAssignment(state, line);
}

// Every line in turn, up to the first error.
bool ReadLines(ParseState& state, std::string_view text) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    if (!ReadLine(state, text.substr(0, end))) return false;
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return true;
}

void SetError(std::string* error, std::string message) {
  if (error != nullptr) *error = std::move(message);
}

}  // namespace

bool HasExternalMemory(uint32_t model) {
  return model == kModelWithExternalMemory || model == kModelWithExternalMemoryToo;
}

std::optional<PhoneProfile> ParsePhoneProfile(std::string_view text, std::string* error) {
  ParseState state;
  if (text.size() > kMaxProfileBytes) {
    SetError(error, "the profile is larger than " + std::to_string(kMaxProfileBytes) + " bytes");
    return std::nullopt;
  }
  if (!ReadLines(state, text)) {
    SetError(error, state.error);
    return std::nullopt;
  }
  if (state.seen != kAllFields) {
    SetError(error, "Model, MaxInternalBytes and MaxExternalBytes are all needed");
    return std::nullopt;
  }
  return state.profile;
}

std::string FormatPhoneProfile(const PhoneProfile& profile) {
  std::string text = "# The phone's model value and the largest file each storage area accepts.\n";
  for (const Field& field : kFields)
    text += std::string(field.key) + "=" + std::to_string(profile.*field.member) + "\n";
  return text;
}

std::optional<PhoneProfile> ReadPhoneProfile(const Cp932String& phoneFolder, std::string* error) {
  const Cp932String path = ProfilePath(phoneFolder);
  const auto size = fileio::FileSize(path);
  if (!size && IsMountedDevice(phoneFolder)) return MountedDeviceProfile();
  if (!size) {
    SetError(error, "no profile file");
    return std::nullopt;
  }
  if (*size > kMaxProfileBytes) {
    SetError(error, "the profile is larger than " + std::to_string(kMaxProfileBytes) + " bytes");
    return std::nullopt;
  }
  const auto text = fileio::ReadFile(path);
  if (!text) {
    SetError(error, "the profile file cannot be read");
    return std::nullopt;
  }
  return ParsePhoneProfile(*text, error);
}

}  // namespace phonelib
