// The library's text helpers and the search's keyword splitting over double-byte characters
// from every range of lead bytes, whose trail bytes look like ASCII letters or a backslash.
#include <gtest/gtest.h>

#include <cctype>

#include "library/AlbumText.h"
#include "library/PhotoSearch.h"

namespace {

struct LeadCase {
  const char* what;
  const char* bytes;
};

void PrintTo(const LeadCase& c, std::ostream* os) {
  *os << c.what;
}

class LibraryDoubleByte : public testing::TestWithParam<LeadCase> {
 protected:
  const Cp932String c_ = GetParam().bytes;
  const char trail_ = c_[1];
};

TEST_P(LibraryDoubleByte, KeepsItsTrailByteWhenFoldingAndComparing) {
  EXPECT_EQ(albumtext::LowerAscii("A" + c_ + "Z"), "a" + c_ + "z");
  EXPECT_TRUE(albumtext::EqualsNoCase("X" + c_, "x" + c_));
  // The same lead byte with the trail byte's letter in the other case is another character.
  const char otherCase = static_cast<char>(trail_ ^ 0x20);
  if (std::isalpha(static_cast<unsigned char>(trail_))) {
    EXPECT_FALSE(albumtext::EqualsNoCase(c_, Cp932String{c_[0], otherCase}));
    EXPECT_FALSE(albumtext::StartsWithNoCase(c_ + "x", Cp932String{c_[0], otherCase}));
  }
}

TEST_P(LibraryDoubleByte, NeverFindsOrReplacesItsTrailByte) {
  EXPECT_EQ(albumtext::FindLastChar(c_ + c_, trail_), Cp932String::npos);
  EXPECT_EQ(albumtext::FindLastChar("\\" + c_, '\\'), 0u);
  EXPECT_EQ(albumtext::SlashesForBackslashes(c_ + "\\" + c_), c_ + "/" + c_);
}

TEST_P(LibraryDoubleByte, IsOneCharacterOfASearchKeyword) {
  const auto names = photosearch::KeywordPatterns(c_ + "\\x|" + c_, "\\/:,;<>|");
  const std::vector<Cp932String> expected{"*" + c_ + "*", "*x*", "*" + c_ + "*"};
  EXPECT_EQ(names, expected);
  // Neither its trail byte nor a letter of the other case matches it.
  EXPECT_FALSE(photosearch::WildcardMatch(Cp932String("*") + trail_ + "*", "x" + c_ + "y"));
  EXPECT_FALSE(photosearch::WildcardMatch("?", c_ + c_));
  EXPECT_TRUE(photosearch::WildcardMatch("*" + c_, "ab" + c_));
  EXPECT_TRUE(photosearch::WildcardMatch("?" + c_ + "?", "a" + c_ + "b"));
}

TEST_P(LibraryDoubleByte, IsFoundByAKeywordOnlyAsAWholeCharacter) {
  // Plain keywords are looked for as bytes; a hit on the trail byte is no hit.
  const char trailLower = static_cast<char>(std::tolower(static_cast<unsigned char>(trail_)));
  const photosearch::Keywords trailAndMore({Cp932String("*") + trailLower + "1*"});
  EXPECT_FALSE(trailAndMore.AnyMatches(c_ + "1"));
  EXPECT_TRUE(trailAndMore.AnyMatches(c_ + trail_ + "1")) << "the byte as a character of its own";
  const photosearch::Keywords whole({"*x" + c_ + "*"});
  EXPECT_TRUE(whole.AnyMatches("aX" + c_ + "b"));
  if (std::isalpha(static_cast<unsigned char>(trail_))) {
    EXPECT_FALSE(whole.AnyMatches("ax" + Cp932String{c_[0], static_cast<char>(trail_ ^ 0x20)}));
  }
}

// 表, 歛 (trail "a"), 漓 (trail "A"), 濬, 纊, 俉 (trail "a"), ⅱ (trail "A"), 犾, 涬 (trail
// "A"), 魵 (trail "A") and a user-defined character.
INSTANTIATE_TEST_SUITE_P(
    LeadBytes, LibraryDoubleByte,
    testing::Values(LeadCase{"Lead95", "\x95\x5c"}, LeadCase{"Lead9FLetter", "\x9f\x61"},
                    LeadCase{"LeadE0Letter", "\xe0\x41"}, LeadCase{"LeadE0", "\xe0\x5c"},
                    LeadCase{"LeadF0", "\xf0\x5c"}, LeadCase{"LeadFA", "\xfa\x5c"},
                    LeadCase{"LeadFALower", "\xfa\x61"}, LeadCase{"LeadFAUpper", "\xfa\x41"},
                    LeadCase{"LeadFB", "\xfb\x5c"}, LeadCase{"LeadFBUpper", "\xfb\x41"},
                    LeadCase{"LeadFCUpper", "\xfc\x41"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
