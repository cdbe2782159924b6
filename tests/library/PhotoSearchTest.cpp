#include <gtest/gtest.h>

#include "library/PhotoKind.h"
#include "library/PhotoSearch.h"
#include "tests/library/LibraryTestSupport.h"

namespace {

using photosearch::WildcardMatch;

struct MatchCase {
  const char* pattern;  // UTF-8
  const char* text;     // UTF-8
  bool matches;
};

class WildcardMatchCp932 : public testing::TestWithParam<MatchCase> {};

TEST_P(WildcardMatchCp932, MatchesOneCharacterAtATime) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(WildcardMatch(cp932::Lit(c.pattern), cp932::Lit(c.text)), c.matches)
      << c.pattern << " / " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, WildcardMatchCp932,
    testing::Values(MatchCase{"*", "", true}, MatchCase{"", "", true}, MatchCase{"", "a", false},
                    MatchCase{"a*c", "abbbc", true}, MatchCase{"a*c", "abbbd", false},
                    MatchCase{"ABC", "abc", true}, MatchCase{"?", "a", true},
                    // A double-byte character is one character for "?".
                    MatchCase{"?", "写", true}, MatchCase{"??", "写", false},
                    MatchCase{"写?", "写真", true}, MatchCase{"*真", "写真", true},
                    // "表" ends in the byte of "\", "ゾ" in that of "]": never split.
                    MatchCase{"*\\*", "表", false}, MatchCase{"*]*", "ゾ", false},
                    MatchCase{"*表*", "代表的", true},
                    // The trail byte of "ア" (0x83 0x41) is "A": it must not fold to "a".
                    MatchCase{"*a*", "ア", false}, MatchCase{"*ア*", "xアy", true},
                    MatchCase{"*a*b*c*d*e*", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
                              false},
                    MatchCase{"***", "abc", true}, MatchCase{"a?c*", "abcdef", true}));

TEST(KeywordPatterns, SplitsAtEverySeparatorAndDropsLeadingBlanks) {
  const auto patterns = photosearch::KeywordPatterns("A\\b/c:d,e;f<g>h|  I, ,", "\\/:,;<>|");
  const std::vector<Cp932String> expected{"*a*", "*b*", "*c*", "*d*", "*e*",
                                          "*f*", "*g*", "*h*", "*i*"};
  EXPECT_EQ(patterns, expected);
}

TEST(KeywordPatterns, NeverSplitsADoubleByteCharacterWhoseTrailByteIsASeparator) {
  // "表" is 0x95 0x5C and "ポ" 0x83 0x7C: their trail bytes are "\" and "|".
  const auto patterns = photosearch::KeywordPatterns(cp932::Lit("表ポ|x"), "\\/:,;<>|");
  ASSERT_EQ(patterns.size(), 2u);
  EXPECT_EQ(patterns[0], "*" + cp932::Lit("表ポ") + "*");
}

class PhotoSearch : public LibraryFixture {
 protected:
  void SetUp() override {
    LibraryFixture::SetUp();
    a_ = Add("Beach.jpg", 4, 20240105, 1000, "summer,sea");
    b_ = Add("mountain.jpg", 4 | PhotoKind::kFromPc, 20240210, 300 * 1024, "");
    c_ = Add("clip.3gp", 3, 20231231, 5000, "sea");
    d_ = Add("combo.jpg", PhotoKind::kBurstComposite, 20240301, 2048, "");
    d_->SetComboNumber(1);
    b_->SetFavourites(0x4);
    c_->SetDeleted(1);
  }

  CPhotoItem* Add(const std::string& name, uint32_t flags, int date, int size, const char* memo) {
    PhotoFileRecord r = RecordFor(AlbumFile(name), flags);
    r.year = static_cast<uint16_t>(date / 10000);
    r.month = static_cast<uint16_t>(date / 100 % 100);
    r.day = static_cast<uint16_t>(date % 100);
    r.comboNumber = 1;
    CPhotoItem* item = library_.AddRecord(r, nullptr);
    item->SetSize(size);
    item->SetMemo(memo);
    return item;
  }

  std::vector<CPhotoItem*> Run(const SearchCriteria& c) { return library_.Search(c)->items(); }

  static SearchCriteria With(uint32_t tests) {
    SearchCriteria c;
    c.tests = tests;
    return c;
  }

  CPhotoItem *a_, *b_, *c_, *d_;
};

TEST_F(PhotoSearch, ResultsComeInReverseLibraryOrderAndOwnNothing) {
  auto result = library_.Search(With(0));
  EXPECT_FALSE(result->owning());
  EXPECT_EQ(result->items(), (std::vector<CPhotoItem*>{d_, c_, b_, a_}));
}

TEST_F(PhotoSearch, SetAsideAndPcOriginCompareTheMarks) {
  SearchCriteria c = With(SearchCriteria::kSetAside);
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{d_, b_, a_}));
  c.wantedSetAside = 2;
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{c_}));
  c = With(SearchCriteria::kPcOrigin);
  c.wantedPcOrigin = 1;
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{b_}));
}

TEST_F(PhotoSearch, KindAndFavouritesTestTheMasks) {
  SearchCriteria c = With(SearchCriteria::kKind);
  c.kindMask = 0x20004;  // photos and burst composites
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{d_, b_, a_}));
  c.kindMask = 0x2;  // movies
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{c_}));
  c = With(SearchCriteria::kFavourites);
  c.favouriteMask = 0xFFF;
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{b_}));
}

TEST_F(PhotoSearch, DateRangeIncludesBothBounds) {
  SearchCriteria c = With(SearchCriteria::kDate);
  const int16_t from[3] = {2024, 1, 5};
  const int16_t to[3] = {2024, 2, 10};
  std::memcpy(c.earliest, from, sizeof from);
  std::memcpy(c.latest, to, sizeof to);
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{b_, a_}));
}

TEST_F(PhotoSearch, SizeRangeWithoutUpperBoundWhenLargestIsZero) {
  SearchCriteria c = With(SearchCriteria::kSize);
  c.smallestSize = 2048;
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{d_, c_, b_}));
  c.largestSize = 5000;
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{d_, c_}));
}

TEST_F(PhotoSearch, NameKeywordsMatchEitherWordInAnyCaseAndEmptyMatchesNothing) {
  SearchCriteria c = With(SearchCriteria::kName);
  std::strcpy(c.nameKeywords, "BEACH, Mount");
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{b_, a_}));
  std::strcpy(c.nameKeywords, "jpg");  // the title has no extension
  EXPECT_TRUE(Run(c).empty());
  std::strcpy(c.nameKeywords, " , ");
  EXPECT_TRUE(Run(c).empty());
  c.nameKeywords[0] = '\0';
  EXPECT_TRUE(Run(c).empty());
}

TEST_F(PhotoSearch, MemoKeywordsSplitAtCommasOnly) {
  SearchCriteria c = With(SearchCriteria::kMemo);
  std::strcpy(c.memoKeywords, "sea");
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{c_, a_}));
  std::strcpy(c.memoKeywords, "summer;sea");  // ";" is part of the keyword here
  EXPECT_TRUE(Run(c).empty());
}

TEST_F(PhotoSearch, EveryAppliedTestMustPass) {
  SearchCriteria c =
      With(SearchCriteria::kKind | SearchCriteria::kSetAside | SearchCriteria::kMemo);
  c.kindMask = 7;
  std::strcpy(c.memoKeywords, "sea");
  EXPECT_EQ(Run(c), (std::vector<CPhotoItem*>{a_}));
}

}  // namespace
