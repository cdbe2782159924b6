// The registry file format. A line-based text, one file per root key:
//
//   HARBO-REGISTRY 1
//   []
//   "Version"=dword:00000003
//   [Software\Harbo\Album]
//   "Folder"=sz:"C:%5CPhotos"
//   "Window"=hex:01,02,ff
//   @=hex(7):41,00,00
//
// A bracket line names a key by its path from the root ("[]" is the root itself); the value
// lines below it belong to it. Names and texts are kept byte for byte: printable ASCII is
// written as it is, every other byte and the format's own marks (% " [ ] \ =) as %XX, so
// any code page 932 text survives. A line that cannot be read is skipped together with the
// values of a key whose line was unreadable; the rest of the file still loads.
#include <algorithm>
#include <cstdio>

#include "platform/registry/RegistryStore.h"

namespace registry::internal {

namespace {

constexpr std::string_view kHeader = "HARBO-REGISTRY 1";
constexpr std::string_view kMarks = "%\"[]\\=";
constexpr DWORD kTypeBinary = 3;
constexpr DWORD kTypeDword = 4;
constexpr DWORD kTypeText = 1;

char HexDigit(int v) {
  return "0123456789abcdef"[v & 0xF];
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Escape(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    if (b >= 0x20 && b <= 0x7E && kMarks.find(c) == std::string_view::npos) {
      out += c;
    } else {
      out += {'%', HexDigit(b >> 4), HexDigit(b)};
    }
  }
  return out;
}

// The bytes of an escaped text; nullopt for a broken escape or a stray mark.
std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      if (kMarks.find(text[i]) != std::string_view::npos) return std::nullopt;
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int hi = HexValue(text[i + 1]);
    const int lo = HexValue(text[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return out;
}

// A name is an escaped text without zero bytes.
std::optional<std::string> UnescapeName(std::string_view text) {
  std::optional<std::string> name = Unescape(text);
  if (name && name->find('\0') != std::string::npos) return std::nullopt;
  return name;
}

std::string HexList(std::string_view bytes) {
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += ',';
    const auto b = static_cast<uint8_t>(bytes[i]);
    out += {HexDigit(b >> 4), HexDigit(b)};
  }
  return out;
}

std::optional<std::string> ParseHexList(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); i += 3) {
    if (i + 2 > text.size() || (i + 2 < text.size() && text[i + 2] != ',')) return std::nullopt;
    if (i + 2 == text.size() - 1) return std::nullopt;  // a trailing comma
    const int hi = HexValue(text[i]);
    const int lo = HexValue(text[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
  }
  return out;
}

// Up to eight hex digits, as a dword or a type number.
std::optional<DWORD> ParseHexNumber(std::string_view text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  DWORD v = 0;
  for (const char c : text) {
    const int digit = HexValue(c);
    if (digit < 0) return std::nullopt;
    v = v * 16 + static_cast<DWORD>(digit);
  }
  return v;
}

std::string DwordText(const std::string& data) {
  DWORD v = 0;
  for (size_t i = 0; i < 4; ++i) v |= static_cast<DWORD>(static_cast<uint8_t>(data[i])) << (8 * i);
  char text[9];
  std::snprintf(text, sizeof text, "%08x", v);
  return text;
}

std::string DwordBytes(DWORD v) {
  std::string bytes(4, '\0');
  for (size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  return bytes;
}

std::string PayloadText(const Value& value) {
  if (value.type == kTypeDword && value.data.size() == 4) return "dword:" + DwordText(value.data);
  const bool plainText = value.type == kTypeText && !value.data.empty() &&
                         value.data.find('\0') == value.data.size() - 1;
  if (plainText)
    return "sz:\"" + Escape(std::string_view(value.data).substr(0, value.data.size() - 1)) + "\"";
  if (value.type == kTypeBinary) return "hex:" + HexList(value.data);
  char type[9];
  std::snprintf(type, sizeof type, "%x", value.type);
  return std::string("hex(") + type + "):" + HexList(value.data);
}

std::optional<Value> ParsePayload(std::string_view text) {
  auto starts = [&](std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; };
  if (starts("dword:")) {
    std::optional<DWORD> v = ParseHexNumber(text.substr(6));
    if (!v) return std::nullopt;
    return Value{"", kTypeDword, DwordBytes(*v)};
  }
  if (starts("sz:\"")) {
    if (text.size() < 5 || text.back() != '"') return std::nullopt;
    std::optional<std::string> body = Unescape(text.substr(4, text.size() - 5));
    if (!body) return std::nullopt;
    // A text ends at its first zero, as every reader of it would see it.
    return Value{"", kTypeText, body->substr(0, body->find('\0')) + '\0'};
  }
  if (starts("hex:")) {
    std::optional<std::string> bytes = ParseHexList(text.substr(4));
    if (!bytes) return std::nullopt;
    return Value{"", kTypeBinary, *bytes};
  }
  if (!starts("hex(")) return std::nullopt;
  const size_t close = text.find("):");
  if (close == std::string_view::npos) return std::nullopt;
  std::optional<DWORD> type = ParseHexNumber(text.substr(4, close - 4));
  std::optional<std::string> bytes = ParseHexList(text.substr(close + 2));
  if (!type || !bytes) return std::nullopt;
  return Value{"", *type, *bytes};
}

std::optional<Value> ParseValueLine(std::string_view line) {
  std::string_view payload;
  std::optional<std::string> name;
  if (line.substr(0, 2) == "@=") {
    name = std::string();
    payload = line.substr(2);
  } else if (line.size() >= 2 && line[0] == '"') {
    const size_t close = line.find('"', 1);
    if (close == std::string_view::npos || line.substr(close + 1, 1) != "=") return std::nullopt;
    name = UnescapeName(line.substr(1, close - 1));
    payload = line.substr(close + 2);
  }
  if (!name || (line[0] == '"' && name->empty())) return std::nullopt;
  std::optional<Value> value = ParsePayload(payload);
  if (value) value->name = *name;
  return value;
}

// The key a bracket line names, made with every missing level; nullptr when unreadable.
Key* KeyForLine(std::string_view line, Key& root) {
  if (line.size() < 2 || line.back() != ']') return nullptr;
  const std::string_view path = line.substr(1, line.size() - 2);
  Key* key = &root;
  if (path.empty()) return key;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(path.find('\\', start), path.size());
    std::optional<std::string> name = UnescapeName(path.substr(start, end - start));
    if (!name || name->empty()) return nullptr;
    Key* next = key->FindSubkey(*name);
    if (next == nullptr) next = &key->subkeys.emplace_back(Key{*name, {}, {}});
    key = next;
    if (end == path.size()) return key;
    start = end + 1;
  }
}

void StoreValue(Key& key, Value value) {
  if (Value* old = key.FindValue(value.name)) {
    *old = std::move(value);
    return;
  }
  key.values.push_back(std::move(value));
}

void SerializeKey(const Key& key, const std::string& path, std::string& out) {
  // Appended piece by piece: one string, no temporaries to concatenate.
  out.append("[").append(path).append("]\n");
  for (const Value& value : key.values) {
    if (value.name.empty()) out.append("@");
    else out.append("\"").append(Escape(value.name)).append("\"");
    out.append("=").append(PayloadText(value)).append("\n");
  }
  for (const Key& sub : key.subkeys) {
    SerializeKey(sub, path.empty() ? Escape(sub.name) : path + "\\" + Escape(sub.name), out);
  }
}

std::string_view NextLine(std::string_view text, size_t& pos) {
  const size_t end = std::min(text.find('\n', pos), text.size());
  std::string_view line = text.substr(pos, end - pos);
  pos = end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace

Key* Key::FindSubkey(std::string_view wanted) {
  auto it = std::find_if(subkeys.begin(), subkeys.end(),
                         [&](const Key& k) { return SameName(k.name, wanted); });
  return it == subkeys.end() ? nullptr : &*it;
}

const Key* Key::FindSubkey(std::string_view wanted) const {
  return const_cast<Key*>(this)->FindSubkey(wanted);
}

Value* Key::FindValue(std::string_view wanted) {
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const Value& v) { return SameName(v.name, wanted); });
  return it == values.end() ? nullptr : &*it;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && cp932::AsciiUpper(a) == cp932::AsciiUpper(b);
}

std::vector<Cp932String> SplitKeyPath(std::string_view path) {
  std::vector<Cp932String> names(1);
  for (size_t i = 0; i < path.size(); ++i) {
    const bool pair = cp932::IsLeadByte(static_cast<uint8_t>(path[i])) && i + 1 < path.size();
    if (!pair && path[i] == '\\') {
      if (!names.back().empty()) names.emplace_back();
      continue;
    }
    names.back() += path.substr(i, pair ? 2 : 1);
    if (pair) ++i;
  }
  if (names.back().empty()) names.pop_back();
  return names;
}

ParseResult ParseText(std::string_view text, Key& root) {
  root = Key{};
  ParseResult result;
  size_t pos = 0;
  if (NextLine(text, pos) != kHeader) return result;
  result.isRegistryFile = true;
  Key* current = nullptr;
  while (pos < text.size()) {
    const std::string_view line = NextLine(text, pos);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      current = KeyForLine(line, root);
      result.badLines += current == nullptr ? 1 : 0;
      continue;
    }
    std::optional<Value> value = current != nullptr ? ParseValueLine(line) : std::nullopt;
    if (value) StoreValue(*current, std::move(*value));
    result.badLines += value ? 0 : 1;
  }
  return result;
}

std::string SerializeText(const Key& root) {
  std::string out(kHeader);
  out += "\n";
  SerializeKey(root, "", out);
  return out;
}

}  // namespace registry::internal
