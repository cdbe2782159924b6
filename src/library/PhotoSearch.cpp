#include "library/PhotoSearch.h"

#include <cstring>

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

bool AnyMatches(const std::vector<Cp932String>& patterns, const Cp932String& text) {
  // The match itself ignores the case of letters, so the text is not lower-cased first.
  for (const Cp932String& pattern : patterns)
    if (WildcardMatch(pattern, text)) return true;
  return false;
}

}  // namespace

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
    names_ = KeywordPatterns(FieldText(c_.nameKeywords, sizeof c_.nameKeywords), kNameSeparators);
  if (c_.tests & SearchCriteria::kMemo)
    memos_ = KeywordPatterns(FieldText(c_.memoKeywords, sizeof c_.memoKeywords), kMemoSeparators);
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
  if ((c_.tests & SearchCriteria::kName) && !AnyMatches(names_, item.title())) return false;
  return !(c_.tests & SearchCriteria::kMemo) || AnyMatches(memos_, item.memo());
}

}  // namespace photosearch
