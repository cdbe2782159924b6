#include "platform/text/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

// One open converter per direction and thread: iconv descriptors keep state and are not
// safe to share between threads, and opening one per call is needlessly slow.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  std::optional<std::string> Convert(std::string_view input) {
    if (!ok()) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out(input.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    // Every code page 932 character takes at most three UTF-8 bytes and every UTF-8
    // character at most two code page 932 bytes, so one pass always fits.
    if (iconv(cd_, &in, &inLeft, &dst, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    if (iconv(cd_, nullptr, nullptr, &dst, &outLeft) == static_cast<size_t>(-1)) {
      return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
  }

 private:
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t cd_;
};

Converter& ToUtf8Converter() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

Converter& FromUtf8Converter() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

// Length of the character starting at text[i]: two for a lead byte followed by a trail
// byte, else one (a dangling lead byte at the end counts as one broken character).
size_t CharLength(std::string_view text, size_t i) {
  if (!cp932::IsLeadByte(static_cast<uint8_t>(text[i]))) return 1;
  return i + 1 < text.size() ? 2 : 1;
}

}  // namespace

namespace cp932 {

std::optional<std::string> ToUtf8(std::string_view text) {
  return ToUtf8Converter().Convert(text);
}

std::optional<Cp932String> FromUtf8(std::string_view utf8) {
  return FromUtf8Converter().Convert(utf8);
}

Cp932String Lit(std::string_view utf8) {
  std::optional<Cp932String> text = FromUtf8(utf8);
  if (text) return *text;
  std::fprintf(stderr, "cp932::Lit: no code page 932 form for \"%.*s\"\n",
               static_cast<int>(utf8.size()), utf8.data());
  std::abort();
}

std::string ToUtf8Lossy(std::string_view text) {
  if (std::optional<std::string> whole = ToUtf8(text)) return *whole;
  std::string out;
  for (size_t i = 0; i < text.size();) {
    const size_t length = CharLength(text, i);
    std::optional<std::string> one = ToUtf8(text.substr(i, length));
    out += one ? *one : std::string("?");
    i += length;
  }
  return out;
}

bool IsLeadByte(uint8_t byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t CutPoint(std::string_view text, size_t maxBytes) {
  size_t i = 0;
  while (i < text.size()) {
    const bool dangling = IsLeadByte(static_cast<uint8_t>(text[i])) && i + 1 == text.size();
    const size_t length = CharLength(text, i);
    // A lead byte without its trail byte is half a character: never keep it.
    if (dangling || i + length > maxBytes) break;
    i += length;
  }
  return i;
}

Cp932String Cut(std::string_view text, size_t maxBytes) {
  return Cp932String(text.substr(0, CutPoint(text, maxBytes)));
}

size_t CharCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i += CharLength(text, i)) ++count;
  return count;
}

size_t FindChar(std::string_view text, char c, size_t from) {
  for (size_t i = 0; i < text.size(); i += CharLength(text, i))
    if (i >= from && text[i] == c) return i;
  return std::string_view::npos;
}

size_t FindLastChar(std::string_view text, char c) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < text.size(); i += CharLength(text, i))
    if (text[i] == c) found = i;
  return found;
}

Cp932String AsciiUpper(std::string_view text) {
  Cp932String out(text);
  for (size_t i = 0; i < out.size();) {
    const size_t length = CharLength(out, i);
    if (length == 1 && out[i] >= 'a' && out[i] <= 'z')
      out[i] = static_cast<char>(out[i] - 'a' + 'A');
    i += length;
  }
  return out;
}

}  // namespace cp932
