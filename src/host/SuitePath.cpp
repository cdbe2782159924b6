#include "host/SuitePath.h"

#include <unistd.h>

#include <vector>

#include "platform/fileio/FileIo.h"

namespace suite {
namespace {

constexpr char kSep = '/';
constexpr const char* kClimb = "../";

bool StartsWithNetwork(const Cp932String& part) {
  return part.rfind("//", 0) == 0;
}

// The result without its last component; the root stays the root.
Cp932String Climb(const Cp932String& result) {
  const Cp932String trimmed = RemoveTrailingSeparators(result);
  if (trimmed.empty()) return result.empty() ? Cp932String() : Cp932String(1, kSep);
  const size_t pos = trimmed.rfind(kSep);
  if (pos == Cp932String::npos) return {};
  if (pos == 0) return Cp932String(1, kSep);
  return trimmed.substr(0, pos);
}

void AppendPart(Cp932String& result, Cp932String part) {
  while (part.rfind(kClimb, 0) == 0) {
    result = Climb(result);
    part.erase(0, 3);
  }
  const bool network = StartsWithNetwork(part);
  const bool absolute = !part.empty() && part[0] == kSep;
  if (!network) part = RemoveLeadingSeparators(part);
  part = RemoveTrailingSeparators(part);
  if (part.empty()) return;
  if (result.empty()) {
    result = (absolute && !network) ? Cp932String(1, kSep) + part : part;
    return;
  }
  if (result.back() != kSep && part[0] != kSep) result += kSep;
  result += part;
}

}  // namespace

Cp932String RemoveLeadingSeparators(const Cp932String& text) {
  const size_t first = text.find_first_not_of(kSep);
  return first == Cp932String::npos ? Cp932String() : text.substr(first);
}

Cp932String RemoveTrailingSeparators(const Cp932String& text) {
  const size_t last = text.find_last_not_of(kSep);
  return last == Cp932String::npos ? Cp932String() : text.substr(0, last + 1);
}

Cp932String AddTrailingSeparator(const Cp932String& text) {
  if (!text.empty() && text.back() == kSep) return text;
  return text + kSep;
}

Cp932String CutPath(const Cp932String& path, int n) {
  if (n == -1) return Climb(path);
  if (n < 1) return path;
  // Components are counted from the left, skipping the root separator.
  size_t start = (!path.empty() && path[0] == kSep) ? 1 : 0;
  for (int i = 1; i < n; ++i) {
    const size_t next = path.find(kSep, start);
    if (next == Cp932String::npos) return path;
    start = next + 1;
  }
  const size_t end = path.find(kSep, start);
  if (end == Cp932String::npos) return RemoveTrailingSeparators(path.substr(0, start));
  return path.substr(0, start) + path.substr(end + 1);
}

Cp932String JoinPath(std::initializer_list<Cp932String> parts) {
  Cp932String result;
  for (const auto& part : parts)
    if (!part.empty()) AppendPart(result, part);
  return result;
}

bool IsPlainFolderName(const Cp932String& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : {'/', '\\', '\0'})
    if (cp932::FindChar(name, c) != Cp932String::npos) return false;
  return cp932::ToUtf8(name).has_value();
}

const Cp932String& InstallFolder() {
  static const Cp932String folder = [] {
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return Cp932String();
    auto path = fileio::FromDiskPath(std::string(buffer.data(), static_cast<size_t>(n)));
    return path ? CutPath(*path, -1) : Cp932String();
  }();
  return folder;
}

}  // namespace suite
