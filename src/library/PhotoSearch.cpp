#include "library/PhotoSearch.h"

#include <cstring>
#include <optional>

#include "library/AlbumText.h"
#include "library/PhotoKind.h"

namespace photosearch {
namespace {

using albumtext::CharLength;

constexpr std::string_view kNameSeparators = "\\/:,;<>|";
constexpr std::string_view kMemoSeparators = ",";

char Fold(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// One character of each, ASCII letters without regard to case; a double-byte character
// only equals the same two bytes.
bool SameCharNoCase(std::string_view p, size_t i, size_t lp, std::string_view t, size_t j,
                    size_t lt) {
  if (lp != lt) return false;
  if (lp == 1) return Fold(p[i]) == Fold(t[j]);
  return p[i] == t[j] && p[i + 1] == t[j + 1];
}

// The packed record's dates may lie at odd addresses, so they are copied out first.
int32_t DateNumberOf(const void* packedDate) {
  int16_t date[3];
  std::memcpy(date, packedDate, sizeof date);
  return (date[0] * 100 + date[1]) * 100 + date[2];
}

Cp932String FieldText(const char* field, size_t size) {
  return Cp932String(field, strnlen(field, size));
}

// Texts up to this many bytes are matched with the plain keywords' byte search; longer
// ones take the wildcard match.
constexpr size_t kFoldedBytes = 1024;

// The text with its single-byte letters lower-cased, and which bytes start a character.
struct FoldedText {
  char bytes[kFoldedBytes];
  bool starts[kFoldedBytes];
  size_t size = 0;

  explicit FoldedText(std::string_view text) : size(text.size()) {
    for (size_t i = 0; i < size;) {
      starts[i] = true;
      if (static_cast<uint8_t>(text[i]) < 0x80) {  // ASCII: never a lead byte
        bytes[i] = Fold(text[i]);
        ++i;
        continue;
      }
      const size_t length = CharLength(text, i);
      bytes[i] = length == 1 ? Fold(text[i]) : text[i];
      if (length == 2) starts[i + 1] = false, bytes[i + 1] = text[i + 1];
      i += length;
    }
  }

  // Whether the lower-cased keyword occurs starting at a character.
  bool Contains(std::string_view keyword) const {
    for (size_t from = 0; from + keyword.size() <= size;) {
      const void* hit = memmem(bytes + from, size - from, keyword.data(), keyword.size());
      if (hit == nullptr) return false;
      const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - bytes);
      if (starts[at]) return true;
      from = at + 1;
    }
    return false;
  }
};

// The keyword inside a "*...*" pattern that holds no other wildcard, or nothing: such a
// pattern matches exactly the texts that contain the keyword.
std::optional<Cp932String> PlainKeyword(std::string_view pattern) {
  if (pattern.size() < 2 || pattern.front() != '*' || pattern.back() != '*') return std::nullopt;
  const std::string_view inner = pattern.substr(1, pattern.size() - 2);
  for (size_t i = 0; i < inner.size(); i += CharLength(inner, i))
    if (CharLength(inner, i) == 1 && (inner[i] == '*' || inner[i] == '?')) return std::nullopt;
  return Cp932String(inner);
}

}  // namespace

Keywords::Keywords(std::vector<Cp932String> patterns) : patterns_(std::move(patterns)) {
  for (const Cp932String& pattern : patterns_) {
    std::optional<Cp932String> keyword = PlainKeyword(pattern);
    if (!keyword) {
      plain_.clear();
      return;
    }
    plain_.push_back(std::move(*keyword));
  }
}

// The match ignores the case of letters; keywords without wildcards are looked for as
// bytes in the text folded once, the rest through the wildcard match.
bool Keywords::AnyMatches(const Cp932String& text) const {
  if (patterns_.empty()) return false;
  if (!plain_.empty() && text.size() <= kFoldedBytes) {
    const FoldedText folded(text);
    for (const Cp932String& keyword : plain_)
      if (folded.Contains(keyword)) return true;
    return false;
  }
  for (const Cp932String& pattern : patterns_)
    if (WildcardMatch(pattern, text)) return true;
  return false;
}

bool WildcardMatch(std::string_view pattern, std::string_view text) {
  // Backtracking to the last "*" gives the same answers as trying every split recursively,
  // without the exponential cost of patterns with many stars.
  size_t p = 0, t = 0;
  size_t starP = std::string_view::npos, starT = 0;
  while (t < text.size()) {
    const size_t lt = CharLength(text, t);
    if (p < pattern.size()) {
      const size_t lp = CharLength(pattern, p);
      if (lp == 1 && pattern[p] == '*') {
        starP = p++;
        starT = t;
        continue;
      }
      if ((lp == 1 && pattern[p] == '?') || SameCharNoCase(pattern, p, lp, text, t, lt)) {
        p += lp;
        t += lt;
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    p = starP + 1;
    starT += CharLength(text, starT);
    t = starT;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<Cp932String> KeywordPatterns(std::string_view text, std::string_view separators) {
  std::vector<Cp932String> patterns;
  const Cp932String lowered = albumtext::LowerAscii(text);
  Cp932String keyword;
  const auto finish = [&] {
    const size_t start = keyword.find_first_not_of(" \t");
    if (start != Cp932String::npos) patterns.push_back("*" + keyword.substr(start) + "*");
    keyword.clear();
  };
  for (size_t i = 0; i < lowered.size(); i += CharLength(lowered, i)) {
    const size_t length = CharLength(lowered, i);
    if (length == 1 && separators.find(lowered[i]) != std::string_view::npos)
      finish();
    else
      keyword.append(lowered, i, length);
  }
  finish();
  return patterns;
}

Filter::Filter(const SearchCriteria& criteria)
    : c_(criteria),
      earliest_(DateNumberOf(criteria.earliest)),
      latest_(DateNumberOf(criteria.latest)) {
  if (c_.tests & SearchCriteria::kName)
    names_ = Keywords(
        KeywordPatterns(FieldText(c_.nameKeywords, sizeof c_.nameKeywords), kNameSeparators));
  if (c_.tests & SearchCriteria::kMemo)
    memos_ = Keywords(
        KeywordPatterns(FieldText(c_.memoKeywords, sizeof c_.memoKeywords), kMemoSeparators));
}

bool Filter::Passes(const CPhotoItem& item) const {
  return PassesMarks(item) && PassesValues(item) && PassesTexts(item);
}

// Set-aside mark, PC origin, kind and favourites.
bool Filter::PassesMarks(const CPhotoItem& item) const {
  if ((c_.tests & SearchCriteria::kSetAside) && (item.deleted() != 0) != (c_.wantedSetAside != 0))
    return false;
  if ((c_.tests & SearchCriteria::kPcOrigin) &&
      ((item.flags() & PhotoKind::kFromPc) != 0) != (c_.wantedPcOrigin != 0))
    return false;
  if ((c_.tests & SearchCriteria::kKind) && (item.flags() & c_.kindMask) == 0) return false;
  return !(c_.tests & SearchCriteria::kFavourites) || (item.favourites() & c_.favouriteMask) != 0;
}

// Date range and size range.
bool Filter::PassesValues(const CPhotoItem& item) const {
  if (c_.tests & SearchCriteria::kDate) {
    const int32_t date = item.DateNumber();
    if (date < earliest_ || date > latest_) return false;
  }
  if (!(c_.tests & SearchCriteria::kSize)) return true;
  if (item.size() < c_.smallestSize) return false;
  return c_.largestSize == 0 || item.size() <= c_.largestSize;
}

// Name keywords against the title, memo keywords against the memo.
bool Filter::PassesTexts(const CPhotoItem& item) const {
  if ((c_.tests & SearchCriteria::kName) && !names_.AnyMatches(item.title())) return false;
  return !(c_.tests & SearchCriteria::kMemo) || memos_.AnyMatches(item.memo());
}

}  // namespace photosearch
