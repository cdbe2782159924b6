// The tests of a library search and the wildcard match they use for keywords.
#pragma once

#include <string_view>
#include <vector>

#include "library/CPhotoItem.h"
#include "library/SearchCriteria.h"

namespace photosearch {

// Matches a pattern against a text one code page 932 character at a time, ASCII letters
// without regard to case: "*" matches any run of characters (none included), "?" any one
// character; a double-byte character is one character and never split.
bool WildcardMatch(std::string_view pattern, std::string_view text);

// Splits a keyword text at any of the separators: leading blanks are removed, empty
// keywords dropped, each is lower-cased and wrapped in "*" for a match anywhere.
std::vector<Cp932String> KeywordPatterns(std::string_view text, std::string_view separators);

// The patterns of one keyword text, ready for many texts: whether any of them matches.
class Keywords {
 public:
  Keywords() = default;
  explicit Keywords(std::vector<Cp932String> patterns);
  bool AnyMatches(const Cp932String& text) const;

 private:
  std::vector<Cp932String> patterns_;
  // The keywords themselves when no pattern has a wildcard of its own, else empty.
  std::vector<Cp932String> plain_;
};

// The criteria prepared once for a run over many records.
class Filter {
 public:
  explicit Filter(const SearchCriteria& criteria);
  // Whether the record passes every test the criteria apply, in their order.
  bool Passes(const CPhotoItem& item) const;

 private:
  bool PassesMarks(const CPhotoItem& item) const;
  bool PassesValues(const CPhotoItem& item) const;
  bool PassesTexts(const CPhotoItem& item) const;

  const SearchCriteria& c_;
  int32_t earliest_;
  int32_t latest_;
  Keywords names_;
  Keywords memos_;
};

}  // namespace photosearch
